#pragma once
// DateDialog: the date of the first payment, typed and shown in the
// system's short date format. A text that is not a date is refused with
// message 10: the previous date comes back and the focus stays in the box.

#include <QDialog>
#include <QLocale>

#include "shell/screen_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace amortix::gui {

class DateDialog : public QDialog {
    Q_OBJECT
  public:
    // `locale` gives the short date format (the system's unless a test says otherwise).
    DateDialog(ScreenContext& context, QWidget* parent, const QLocale& locale = QLocale());

    QLabel* Label1 = nullptr;
    QLineEdit* InDate = nullptr;
    QPushButton* OkExit = nullptr;

    // A date still being typed is read before the dialog closes; a refused
    // one keeps it open.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Reads a typed date into FirstPaymentDate; false, after message 10, when
    // the text is not a date.
    bool StoreDate(const QString& text);
    // FirstPaymentDate as the box shows it.
    QString DateText() const;
    bool refused_ = false;  // a refusal waits for the focus to come back to the box

    ScreenContext context_;
    QLocale locale_;
};

}  // namespace amortix::gui
