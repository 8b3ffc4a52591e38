#include "shell/about_box.h"
#include "shell/language.h"
#include "shell/look.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace amortix::gui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(Tr("About %1").arg(kProductName));

    ProductName = new QLabel(kProductName, this);
    ProductName->setObjectName("ProductName");
    QFont title("Liberation Serif");
    title.setStyleHint(QFont::Serif);
    title.setPointSizeF(font().pointSizeF() * 2.4);
    title.setBold(true);
    title.setItalic(true);
    ProductName->setFont(title);
    ProductName->setAlignment(Qt::AlignCenter);

    Version = new QLabel(Tr("Version %1").arg(kProductVersion), this);
    Version->setObjectName("Version");
    Version->setAlignment(Qt::AlignCenter);

    Description = new QLabel(Tr("Mortgage and personal loan tables, mortgage comparisons and affordability,\n"
                                "with additional payments, printed reports, graphs and saved tables."),
                             this);
    Description->setObjectName("Description");
    Description->setAlignment(Qt::AlignCenter);

    AboutExit = new QPushButton(Tr("E&xit"), this);
    AboutExit->setObjectName("AboutExit");
    AboutExit->setDefault(true);
    connect(AboutExit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(ProductName);
    layout->addWidget(Version);
    layout->addSpacing(6);
    layout->addWidget(Description);
    layout->addSpacing(6);
    layout->addLayout(CenteredButtonRow(AboutExit));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace amortix::gui
