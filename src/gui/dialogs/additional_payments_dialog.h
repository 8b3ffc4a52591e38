#pragma once
// AdditionalPaymentsDialog: the additional payments, a percentage increase of every payment
// and lump sums in chosen years, paid in one month of the year. A thin window
// over amortix::PrePayForm, which holds every rule; the payments the caller
// hands in (the tables screen's or the comparison's) hold the form's state
// after every action.

#include <QDialog>

#include <array>
#include <memory>

#include "core/calc/choices.h"
#include "core/calc/schedule.h"
#include "shell/screen_context.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace amortix {
class PrePayForm;
}  // namespace amortix

namespace amortix::gui {

class GridWidget;

// The caller's indicator (AddPmtsOn, MCAddPmtsOn): red while additional
// payments are in force, else the button-face colour.
inline constexpr QRgb kAdditionalPaymentsOn = 0xfff80000;  // RGB 248, 0, 0
void ShowAdditionalPaymentsInForce(QWidget* indicator, bool inForce);

class AdditionalPaymentsDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits `payments` for a period of `periodYears`; `indicator` is the
    // caller's label that shows whether payments are in force.
    AdditionalPaymentsDialog(ScreenContext& context, amortix::AdditionalPayments& payments,
                             double periodYears, QWidget* indicator, QWidget* parent);
    ~AdditionalPaymentsDialog() override;

    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 3> PPOption{};
    QGroupBox* Frame3 = nullptr;
    QLineEdit* InPercent = nullptr;
    QGroupBox* Frame4 = nullptr;
    GridWidget* PGrid = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 12> InMth{};
    QPushButton* DoNotUse = nullptr;
    QPushButton* UsePrePay = nullptr;

    // OK (and Enter) keeps what the form shows: the years with amounts are
    // counted and the indicator set. Escape and the close button put back
    // what the caller had when the dialog opened.
    void done(int result) override;

  private:
    void ChooseKind(amortix::ExtraPaymentKind kind);
    void EraseAll();
    void TypeInGrid(int code);
    void KeyDownInGrid(int key);
    // Shows what the form holds and hands it to the shared state.
    void Display();
    void RefreshGrid();

    ScreenContext context_;
    amortix::AdditionalPayments& payments_;
    const amortix::AdditionalPayments opened_;  // what Cancel puts back
    QWidget* indicator_ = nullptr;
    std::unique_ptr<amortix::PrePayForm> form_;
    bool accepted_ = false;
};

}  // namespace amortix::gui
