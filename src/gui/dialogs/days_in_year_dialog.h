#pragma once
// DaysInYearDialog: the days in the year behind the interest rate factor of the
// 2-week and 1-week frequencies: a preset, or a value typed in. The day basis
// changes only when the dialog is left through Exit with a valid choice;
// closing it another way keeps the one it opened with.

#include <QDialog>

#include <array>

#include "core/calc/choices.h"
#include "shell/screen_context.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace amortix::gui {

class DaysInYearDialog : public QDialog {
    Q_OBJECT
  public:
    DaysInYearDialog(ScreenContext& context, QWidget* parent);

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 5> IRFactor{};  // 365.25, 365, 364, 363, Type in year
    QLabel* Label2 = nullptr;
    QLineEdit* InIRFDays = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ExitMort = nullptr;

    amortix::DayBasisChoice Choice() const { return choice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ChooseOption(amortix::DayBasisChoice choice);
    QRadioButton* Option(amortix::DayBasisChoice choice) const;
    void Exit();

    ScreenContext context_;
    amortix::DayBasisChoice choice_ = amortix::DayBasisChoice::Days365;
};

}  // namespace amortix::gui
