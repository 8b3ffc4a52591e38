#include "print/header_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/print/report.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/twips.h"

namespace amortix::gui {

PrinterHeaderInput::PrinterHeaderInput(ScreenContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("PrinterHeaderInput");
    setWindowTitle(Tr("Input"));

    FName = new QLabel(Tr(" Type in one line header information."), this);
    FName->setObjectName("FName");
    InFName = new QLineEdit(this);
    InFName->setObjectName("InFName");
    InFName->setAccessibleName(FName->text().trimmed());
    FName->setBuddy(InFName);
    InFName->installEventFilter(this);
    // A pasted header loses its double quotes and line breaks as typed ones do.
    connect(InFName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString typed = QString::fromStdString(amortix::HeaderAsTyped(text.toStdString()));
        if (typed != text) InFName->setText(typed);
    });

    Acept = new QPushButton(Tr("Continue &Printout"), this);
    Acept->setObjectName("Acept");
    NAcept = new QPushButton(Tr("&Cancel"), this);
    NAcept->setObjectName("NAcept");
    connect(Acept, &QPushButton::clicked, this, [this] {
        std::string typed = InFName->text().toStdString();
        if (amortix::HeaderCancelled(typed)) {
            QDialog::done(Rejected);
            return;
        }
        header_ = std::move(typed);
        QDialog::done(Accepted);
    });
    connect(NAcept, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FName);
    layout->addWidget(InFName);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Acept);
    buttons->addWidget(NAcept);
    buttons->addStretch();
    layout->addLayout(buttons);
    InFName->setFocus();

    PlaceDialog(this, context_.state, &context_.frame, QPoint(3400, 3000), QPoint(4500, 4000));
}

void PrinterHeaderInput::done(int result) {
    if (result != Accepted) header_.reset();
    QDialog::done(result);
}

bool PrinterHeaderInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InFName && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Acept->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key->text() == QLatin1String("\"")) return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace amortix::gui
