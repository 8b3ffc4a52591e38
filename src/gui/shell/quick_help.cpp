#include "shell/quick_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/language.h"
#include "shell/numeric_entry.h"

namespace amortix::gui {

QPlainTextEdit* MakeQuickHelpText(QWidget* parent, const char* name, const QString& spokenName,
                                  Interaction& interaction, QWidget* firstInput) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(name);
    text->setAccessibleName(Tr(spokenName));
    text->hide();
    HelpTextBox::Attach(interaction, text, firstInput);
    return text;
}

QuickHelp::QuickHelp(Parts parts) : QObject(parts.text), parts_(std::move(parts)) {}

void QuickHelp::Open(std::string_view help) {
    open_ = true;
    parts_.button->setText(Tr(kCloseHelpCaption));
    for (QWidget* command : parts_.needResults) command->setEnabled(false);
    for (QWidget* widget : parts_.covered) widget->hide();
    QString text = QString::fromUtf8(help.data(), static_cast<qsizetype>(help.size()));
    text.replace("\r\n", "\n");
    parts_.text->setPlainText(text);
    parts_.text->show();
    // With nothing hidden for it, the text lies over what it covers.
    if (parts_.covered.empty()) parts_.text->raise();
    parts_.text->setFocus();
}

void QuickHelp::Close() {
    open_ = false;
    parts_.button->setText(Tr(kQuickHelpCaption));
    for (QWidget* command : parts_.needResults) command->setEnabled(true);
    parts_.text->hide();
    for (QWidget* widget : parts_.covered) widget->show();
}

}  // namespace amortix::gui
