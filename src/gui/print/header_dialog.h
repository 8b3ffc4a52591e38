#pragma once
// PrinterHeaderInput: the one line of header the user types before a tables
// or comparison printout. "1" in PrintHeaderText means the user cancelled.

#include <QDialog>

#include "shell/screen_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace amortix::gui {

class PrinterHeaderInput : public QDialog {
    Q_OBJECT
  public:
    PrinterHeaderInput(ScreenContext& context, QWidget* parent);

    QLabel* FName = nullptr;
    QLineEdit* InFName = nullptr;
    QPushButton* Acept = nullptr;
    QPushButton* NAcept = nullptr;

    // However the dialog is left other than by "Continue &Printout", it is
    // a cancellation.
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ScreenContext context_;
};

}  // namespace amortix::gui
