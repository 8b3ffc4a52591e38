#pragma once
// What the qualifying screen shows and decides, without a window: its input
// and result boxes, their captions and texts, the rule set's limits, and the
// quick help. The calculation itself is core/calc/qualify.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/qualify.h"

namespace amortix {

inline constexpr const char* kQualifyCaption = AMX_TEXT(" Mortgage Qualifying");

// The green boxes, in their Enter order.
enum class QualifyInput : std::int8_t {
    Income,
    Income2,
    Debts,
    CardBalances,
    PropertyTax,
    HomeInsurance,
    Heating,
    CondoFees,
    DownPayment,
    Rate,
    Years,
    Gds,
    Tds,
    StressAdd,
    StressFloor,
    MortgageInsurance,
};

enum class QualifyEntryKind : std::int8_t { Money, Percent, Years };

struct QualifyInputInfo {
    QualifyInput id;
    std::string_view objectName;  // the widget's, where tests and help find it
    std::string_view caption;
    QualifyEntryKind kind;
};

inline constexpr std::array<QualifyInputInfo, 16> kQualifyInputs = {{
    {QualifyInput::Income, "QInIncome", AMX_TEXT("Gross yearly &income"), QualifyEntryKind::Money},
    {QualifyInput::Income2, "QInIncome2", AMX_TEXT("Second borrower's income"), QualifyEntryKind::Money},
    {QualifyInput::Debts, "QInDebts", AMX_TEXT("Other &debt payments a month"), QualifyEntryKind::Money},
    {QualifyInput::CardBalances, "QInCards", AMX_TEXT("Card and credit-line balances"),
     QualifyEntryKind::Money},
    {QualifyInput::PropertyTax, "QInTax", AMX_TEXT("Property tax a year"), QualifyEntryKind::Money},
    {QualifyInput::HomeInsurance, "QInHomeInsurance", AMX_TEXT("Home insurance a year"),
     QualifyEntryKind::Money},
    {QualifyInput::Heating, "QInHeating", AMX_TEXT("Heating a month"), QualifyEntryKind::Money},
    {QualifyInput::CondoFees, "QInCondo", AMX_TEXT("Condominium fees a month"), QualifyEntryKind::Money},
    {QualifyInput::DownPayment, "QInDown", AMX_TEXT("Do&wn payment"), QualifyEntryKind::Money},
    {QualifyInput::Rate, "QInRate", AMX_TEXT("Contract &rate"), QualifyEntryKind::Percent},
    {QualifyInput::Years, "QInYears", AMX_TEXT("Amortization in &years"), QualifyEntryKind::Years},
    {QualifyInput::Gds, "QInGds", AMX_TEXT("Housing ratio limit"), QualifyEntryKind::Percent},
    {QualifyInput::Tds, "QInTds", AMX_TEXT("Total ratio limit"), QualifyEntryKind::Percent},
    {QualifyInput::StressAdd, "QInStressAdd", AMX_TEXT("Points added to the rate"),
     QualifyEntryKind::Percent},
    {QualifyInput::StressFloor, "QInStressFloor", AMX_TEXT("Lowest qualifying rate"),
     QualifyEntryKind::Percent},
    {QualifyInput::MortgageInsurance, "QInMortgageInsurance", AMX_TEXT("Mortgage insurance a year"),
     QualifyEntryKind::Percent},
}};

constexpr const QualifyInputInfo& Info(QualifyInput i) {
    return InfoIn(kQualifyInputs, i);
}

// The white boxes.
enum class QualifyBox : std::int8_t {
    MaxMortgage,
    MaxPrice,
    Premium,
    MortgageInsurance,
    Binding,
    Gds,
    Tds,
    Payment,
    QualifyingRate,
    QualifyingPayment,
    DownPaymentNeeded,
};

struct QualifyBoxInfo {
    QualifyBox id;
    std::string_view objectName;
    std::string_view caption;
};

inline constexpr std::array<QualifyBoxInfo, 11> kQualifyBoxes = {{
    {QualifyBox::MaxMortgage, "QMortgage", AMX_TEXT("Largest mortgage, premium included")},
    {QualifyBox::MaxPrice, "QPrice", AMX_TEXT("Largest purchase price")},
    {QualifyBox::Premium, "QPremium", AMX_TEXT("Insurance premium added")},
    {QualifyBox::MortgageInsurance, "QMortgageInsuranceMonthly", AMX_TEXT("Mortgage insurance a month")},
    {QualifyBox::Binding, "QBinding", AMX_TEXT("The ratio that limits it")},
    {QualifyBox::Gds, "QGds", AMX_TEXT("Housing (gross debt service)")},
    {QualifyBox::Tds, "QTds", AMX_TEXT("Total debt service")},
    {QualifyBox::Payment, "QPayment", AMX_TEXT("Each payment at the contract rate")},
    {QualifyBox::QualifyingRate, "QQualifyingRate", AMX_TEXT("Qualifying rate")},
    {QualifyBox::QualifyingPayment, "QQualifyingPayment", AMX_TEXT("Each payment at the qualifying rate")},
    {QualifyBox::DownPaymentNeeded, "QDownNeeded", AMX_TEXT("Least down payment for the price")},
}};

constexpr const QualifyBoxInfo& Info(QualifyBox b) {
    return InfoIn(kQualifyBoxes, b);
}

inline constexpr const char* kQualifyRulesLabel = AMX_TEXT("Ru&les");
inline constexpr const char* kQualifyCompoundingLabel = AMX_TEXT("Co&mpounding");
inline constexpr const char* kQualifyFrequencyLabel = AMX_TEXT("Payment &frequency");
inline constexpr const char* kQualifyStressLabel = AMX_TEXT("Test at the &qualifying rate");
inline constexpr const char* kQualifyNone = AMX_TEXT("None");
// Under every result: the figures are estimates.
inline constexpr const char* kQualifyNotice = AMX_TEXT("Estimates only: the lender decides.");

// The quick help, lines joined by CR LF.
std::string QualifyQuickHelp(const Catalogue& words = EnglishCatalogue());

// The screen's state: the inputs, the last run, and what every box shows.
class QualifyForm {
  public:
    explicit QualifyForm(std::string currencySymbol = "$");

    const QualifyInputs& Inputs() const { return inputs_; }
    // An opened file's inputs; the results are cleared.
    void Restore(const QualifyInputs& inputs);

    // Leaving an edited box: the figure is kept as typed (a period to whole
    // years) and the box shows the returned text. The run refuses what is
    // out of range.
    std::string Enter(QualifyInput input, double value);
    std::string Text(QualifyInput input) const;
    double Value(QualifyInput input) const;

    // Another rule set brings its limits and compounding.
    void ChooseRules(QualifyRules rules);
    void ChooseCompounding(Compounding compounding);
    void ChooseFrequency(Frequency frequency);
    void ChooseStressTest(bool on);

    // Calculate: the messages of the run (refusals and notices).
    const QualifyResult& Calculate();
    const QualifyResult& LastRun() const { return lastRun_; }
    // Results match the inputs: set by Calculate, cleared by any change.
    bool HasResults() const { return hasResults_; }
    void ClearResults() { hasResults_ = false; }

    // What a result box shows: empty without results.
    std::string Text(QualifyBox box) const;
    // The figure behind it; nullopt where the box is empty or shows a word.
    std::optional<double> Value(QualifyBox box) const;

    const std::string& CurrencySymbol() const { return currencySymbol_; }
    std::string Money(double value) const;

  private:
    std::string currencySymbol_;
    QualifyInputs inputs_;
    QualifyResult lastRun_;
    bool hasResults_ = false;
};

// The figure of a box as its text shows it, for the command line and reports.
std::string QualifyPercentText(double percent);

}  // namespace amortix
