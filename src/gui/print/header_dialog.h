#pragma once
// PrinterHeaderInput: the one line of header the user types before a tables
// or comparison printout, or nothing when the user cancelled.

#include <QDialog>

#include <optional>
#include <string>

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

    // What was typed; nothing when the dialog was left other than by
    // "Continue &Printout", or with the header that means a cancellation.
    const std::optional<std::string>& Header() const { return header_; }

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ScreenContext context_;
    std::optional<std::string> header_;
};

}  // namespace amortix::gui
