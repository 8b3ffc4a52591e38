#pragma once
// CostsDialog: what the mortgage costs besides its schedule: a purchase
// price and down payment, points and fees, default insurance and the costs of
// the home, with the annual percentage rate, the cost of borrowing and the
// monthly cost of the home in white boxes. A thin window over the engine's
// costs form (core/forms/costs_form.h); the caller's costs change only
// through OK. It works from a schedule's inputs, so any screen that keeps
// costs can open it.

#include <QDialog>

#include <array>
#include <optional>

#include "core/calc/costs.h"
#include "core/calc/schedule.h"
#include "core/forms/costs_form.h"
#include "shell/screen_context.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace amortix::gui {

// The caller's indicator: red while costs are in force.
void ShowCostsInForce(QWidget* indicator, bool inForce);

class CostsDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits `costs` against the schedule of `inputs`; `indicator` is the
    // caller's label that shows whether any are in force.
    CostsDialog(ScreenContext& context, const amortix::ScheduleInputs& inputs, amortix::Costs& costs,
                QWidget* indicator, QWidget* parent);
    ~CostsDialog() override;

    // The green boxes, in the order of amortix::kCostsBoxes.
    QLineEdit* InPrice = nullptr;
    QLineEdit* InDownPayment = nullptr;
    QLineEdit* InPoints = nullptr;
    QLineEdit* InLenderFees = nullptr;
    QLineEdit* InClosingCosts = nullptr;
    QLineEdit* InInsuranceRate = nullptr;
    QLineEdit* InPremiumTax = nullptr;
    QLineEdit* InPropertyTax = nullptr;
    QLineEdit* InHomeInsurance = nullptr;
    QLineEdit* InCondoFees = nullptr;
    QLineEdit* InHeating = nullptr;
    QLineEdit* InCostTerm = nullptr;
    QComboBox* PointsPaid = nullptr;
    QComboBox* LenderFeesPaid = nullptr;
    QComboBox* ClosingCostsPaid = nullptr;
    QComboBox* Insurance = nullptr;

    // The results.
    QLineEdit* CostsApr = nullptr;
    QLineEdit* CostsEffectiveRate = nullptr;
    QLineEdit* CostsAmountFinanced = nullptr;
    QLineEdit* CostsCashAtClosing = nullptr;
    QLineEdit* CostsBorrowingAll = nullptr;
    QLabel* CostsLabelTerm = nullptr;  // names the term's years
    QLineEdit* CostsBorrowingTerm = nullptr;
    QLineEdit* CostsPremium = nullptr;
    QLineEdit* CostsPrincipalInterest = nullptr;
    QLineEdit* CostsPropertyTax = nullptr;
    QLineEdit* CostsHomeInsurance = nullptr;
    QLineEdit* CostsCondoFees = nullptr;
    QLineEdit* CostsHeating = nullptr;
    QLineEdit* CostsMortgageInsurance = nullptr;
    QLineEdit* CostsMonthlyTotal = nullptr;
    QLineEdit* CostsInsuranceEnds = nullptr;
    QLineEdit* CostsInsuranceEndsOnRequest = nullptr;
    QLabel* CostsPrincipalNote = nullptr;  // the principal a price makes
    QLabel* CostsEstimates = nullptr;

    QPushButton* CostsCalc = nullptr;
    QPushButton* CostsErase = nullptr;
    QPushButton* CostsOK = nullptr;

    // After OK: the principal the price makes, for the screen's box;
    // nothing without a price.
    std::optional<double> PrincipalFromPrice() const { return principal_; }

    // OK keeps the costs the boxes hold, or stays open on the message that
    // refuses them; Escape and the close button keep those it opened with.
    void done(int result) override;

  private:
    void MakeControls();
    void AttachEntries();
    void LayOut();
    QLineEdit* Box(amortix::CostsBox box) const;
    QLabel* CaptionOf(const QWidget* box) const;
    amortix::CostsEntries Entries() const;
    void ShowEntries(const amortix::CostsEntries& entries);
    // Works the results out; with `tell` refusals are shown as messages.
    // The costs the boxes hold when they are accepted.
    std::optional<amortix::Costs> Calculate(bool tell);
    void ShowResults(const amortix::CostsOutcome& outcome);
    void ClearResults();
    void EraseAll();

    ScreenContext context_;
    amortix::ScheduleInputs inputs_;
    amortix::Costs& costs_;
    QWidget* indicator_ = nullptr;
    std::optional<double> principal_;
};

}  // namespace amortix::gui
