#include "shell/message_boxes.h"

#include <QDate>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format/messages.h"
#include "shell/language.h"
#include "shell/look.h"

namespace amortix::gui {

QString MessageBoxText(amortix::Message message) {
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return QString::fromStdString(amortix::MessageText(message, today.toStdString(), WindowCatalogue()));
}

MessageBox::MessageBox(amortix::Message message, QWidget* parent, const QString& detail) : QDialog(parent) {
    setObjectName("AMsgbox");
    setWindowTitle(Tr("Help"));

    TextMsg = new QPlainTextEdit(this);
    TextMsg->setObjectName("TextMsg");
    TextMsg->setAccessibleName(Tr("Message"));
    TextMsg->setReadOnly(true);
    TextMsg->setFocusPolicy(Qt::NoFocus);
    TextMsg->setPlainText(detail.isEmpty() ? MessageBoxText(message)
                                           : MessageBoxText(message) + "\n\n" + detail);
    MarkAsHelpText(TextMsg);
    const QFontMetrics metrics(TextMsg->font());
    // Room for the message and its detail lines without a scroll bar.
    const int lines = 4 + (detail.isEmpty() ? 0 : static_cast<int>(detail.count(QChar('\n'))) + 2);
    TextMsg->setMinimumSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * lines);

    AMsgExit = new QPushButton(Tr("E&xit"), this);
    AMsgExit->setObjectName("AMsgExit");
    AMsgExit->setDefault(true);
    connect(AMsgExit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextMsg);
    layout->addLayout(CenteredButtonRow(AMsgExit));
    AMsgExit->setFocus();
}

QuestionBox::QuestionBox(amortix::Question question, QWidget* parent) : QDialog(parent) {
    setObjectName("AllYesNo");
    setWindowTitle(Tr("Help"));

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setMargin(8);
    MarkAsHelpText(Label1);
    const QString text = QString::fromStdString(amortix::QuestionText(question, WindowCatalogue()));
    // A number outside the table keeps the caption the box was designed with.
    Label1->setText(text.isEmpty() ? Tr(" Continue?") : text);
    const QFontMetrics metrics(Label1->font());
    Label1->setMinimumWidth(metrics.averageCharWidth() * 40);

    AllYes = new QPushButton(Tr("&Yes"), this);
    AllYes->setObjectName("AllYes");
    AllYes->setDefault(true);
    AllNo = new QPushButton(Tr("&No"), this);
    AllNo->setObjectName("AllNo");
    connect(AllYes, &QPushButton::clicked, this, [this] {
        answer_ = amortix::kAnswerYes;
        accept();
    });
    connect(AllNo, &QPushButton::clicked, this, [this] {
        answer_ = amortix::kAnswerNo;
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AllYes);
    buttons->addWidget(AllNo);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    AllYes->setFocus();
}

}  // namespace amortix::gui
