#pragma once
// The two modal boxes every screen uses: MessageBox shows a numbered message,
// QuestionBox asks a numbered yes/no question. Both are created for one showing
// and destroyed when closed, so each reads its number afresh.

#include <QDialog>

#include <optional>

#include "core/format/messages.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace amortix::gui {

class HelpWindow;

// The text of `message`; DateFormat carries today's date in the system's
// short date format.
QString MessageBoxText(amortix::Message message);

class MessageBox : public QDialog {
    Q_OBJECT
  public:
    MessageBox(amortix::Message message, QWidget* parent, const QString& detail = {});

    QPlainTextEdit* TextMsg = nullptr;
    QPushButton* AMsgExit = nullptr;
};

class QuestionBox : public QDialog {
    Q_OBJECT
  public:
    QuestionBox(amortix::Question question, QWidget* parent);

    // 6 after Yes, 0 after No, nothing when the box was closed another way.
    std::optional<int> Answer() const { return answer_; }

    QLabel* Label1 = nullptr;
    QPushButton* AllYes = nullptr;
    QPushButton* AllNo = nullptr;

  private:
    std::optional<int> answer_;
};

}  // namespace amortix::gui
