#pragma once
// TermDialog: how many years of the schedule the grid and the printout show.
// An option sets TermYears at once; leaving checks it against the period.

#include <QDialog>

#include <array>

#include "shell/screen_context.h"
#include "tables/tables_screen.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace amortix::gui {

class TermDialog : public QDialog {
    Q_OBJECT
  public:
    TermDialog(ScreenContext& context, TablesScreen* screen);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 7> TermPeriod{};  // All Years, 1..5, 10 Years
    QPushButton* MTermExit = nullptr;

    // However the dialog is left, a term longer than the period is refused
    // with message 34 and "All Years" is selected; the dialog stays open.
    void done(int result) override;

  private:
    ScreenContext context_;
    const TablesScreen* screen_;
    TablesScreen::ViewState& view_;
};

}  // namespace amortix::gui
