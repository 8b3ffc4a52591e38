#pragma once
// The costs dialog without a window: its boxes and lists, the texts they show
// for the costs in force, how their texts read back as Costs, and what the
// result boxes show for the schedule's inputs. The calculation is
// core/calc/costs.h; the result texts core/forms/costs_texts.h.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/costs.h"
#include "core/forms/costs_texts.h"

namespace amortix {

// The green boxes, in the order Enter walks them (the lists sit between).
enum class CostsBox : std::int8_t {
    Price,
    DownPayment,
    Points,
    LenderFees,
    ClosingCosts,
    InsuranceRate,  // Canada: the premium instead of the table's; US: a year
    PremiumTax,
    PropertyTax,
    HomeInsurance,
    CondoFees,
    Heating,
    Term,
};

enum class CostsFigure : std::int8_t { Amount, Percent, Years };

struct CostsBoxInfo {
    CostsBox id;
    std::string_view caption;  // with its access key
    CostsFigure figure;
    bool mayBeEmpty;  // an empty box means "none", not 0
};

inline constexpr std::array<CostsBoxInfo, 12> kCostsBoxes = {{
    {CostsBox::Price, AMX_TEXT("Purchase p&rice"), CostsFigure::Amount, true},
    {CostsBox::DownPayment, AMX_TEXT("&Down payment"), CostsFigure::Amount, false},
    {CostsBox::Points, AMX_TEXT("Poi&nts %"), CostsFigure::Percent, false},
    {CostsBox::LenderFees, AMX_TEXT("&Lender and broker fees"), CostsFigure::Amount, false},
    {CostsBox::ClosingCosts, AMX_TEXT("Other closin&g costs"), CostsFigure::Amount, false},
    {CostsBox::InsuranceRate, AMX_TEXT("Insurance ra&te %"), CostsFigure::Percent, true},
    {CostsBox::PremiumTax, AMX_TEXT("Sales ta&x on the premium %"), CostsFigure::Percent, false},
    {CostsBox::PropertyTax, AMX_TEXT("Propert&y tax a year"), CostsFigure::Amount, false},
    {CostsBox::HomeInsurance, AMX_TEXT("Home ins&urance a year"), CostsFigure::Amount, false},
    {CostsBox::CondoFees, AMX_TEXT("Condo &fees a month"), CostsFigure::Amount, false},
    {CostsBox::Heating, AMX_TEXT("&Heating a month"), CostsFigure::Amount, false},
    {CostsBox::Term, AMX_TEXT("Ter&m of the cost (years)"), CostsFigure::Years, false},
}};

constexpr const CostsBoxInfo& Info(CostsBox box) {
    return kCostsBoxes[static_cast<std::size_t>(box)];
}

// The lists' captions: how points, fees and closing costs are paid, and the insurance.
inline constexpr std::string_view kPointsPaidCaption = AMX_TEXT("Points are");
inline constexpr std::string_view kLenderFeesPaidCaption = AMX_TEXT("Fees are");
inline constexpr std::string_view kClosingCostsPaidCaption = AMX_TEXT("Closing costs are");
inline constexpr std::string_view kInsuranceCaption = AMX_TEXT("Default &insurance");

// What the boxes and lists hold: the boxes' texts as typed or shown.
struct CostsEntries {
    std::array<std::string, kCostsBoxes.size()> boxes;
    FeePayment pointsPaid = FeePayment::Cash;
    FeePayment lenderFeesPaid = FeePayment::Cash;
    FeePayment closingCostsPaid = FeePayment::Cash;
    InsuranceKind insurance = InsuranceKind::None;

    std::string& operator[](CostsBox box) { return boxes[static_cast<std::size_t>(box)]; }
    const std::string& operator[](CostsBox box) const { return boxes[static_cast<std::size_t>(box)]; }
    bool operator==(const CostsEntries&) const = default;
};

// The text a box shows for a figure: an amount with the currency symbol
// ("$25,000.00"), a percentage with "%" ("1.000%"), whole years ("5").
std::string CostsBoxText(CostsBox box, double value, std::string_view currencySymbol);
// The box left after typing: its figure in its display form, or empty when
// it holds no digit.
std::string CostsBoxTextFor(CostsBox box, std::string_view typed, std::string_view currencySymbol);

// What the boxes show for `costs`: an absent price or Canadian premium as an
// empty box, the US insurance a year in the same rate box.
CostsEntries EntriesFor(const Costs& costs, std::string_view currencySymbol);

// The costs the boxes hold, or message 50 or 51 for figures no calculation
// takes (a fraction of a year included). Amounts may show `currencySymbol`.
struct CostsRead {
    std::optional<Costs> costs;
    std::optional<Message> message;
};
CostsRead ReadEntries(const CostsEntries& entries, std::string_view currencySymbol);

// What the result boxes show for costs against the schedule's inputs.
struct CostsOutcome {
    // Refusals, in the order they are shown; `detail` goes with message 52.
    std::vector<Message> messages;
    std::string detail;
    CostsResult result;
    CostsTexts texts;
    // With a price: the principal the tables screen takes, and the sentence
    // that says so. Nothing after a refusal.
    std::optional<double> principal;
    std::string principalNote;
};
// `in` is the tables screen's; with a price its principal is replaced.
// Without a result of the schedule itself, its own messages are returned.
CostsOutcome WorkOutCosts(const ScheduleInputs& in, const Costs& costs,
                          const Catalogue& words = EnglishCatalogue());

// The result boxes: their captions (the term's is made from its years).
inline constexpr std::string_view kAprCaption = AMX_TEXT("Annual percentage rate (APR)");
inline constexpr std::string_view kEffectiveRateCaption = AMX_TEXT("Effective annual rate");
inline constexpr std::string_view kAmountFinancedCaption = AMX_TEXT("Amount financed");
inline constexpr std::string_view kCashAtClosingCaption = AMX_TEXT("Cash at closing");
inline constexpr std::string_view kCostOverAmortizationCaption = AMX_TEXT("Cost of borrowing, all years");
inline constexpr std::string_view kPremiumCaption = AMX_TEXT("Insurance premium");
inline constexpr std::string_view kPrincipalAndInterestCaption = AMX_TEXT("Principal and interest a month");
inline constexpr std::string_view kPropertyTaxMonthCaption = AMX_TEXT("Property tax a month");
inline constexpr std::string_view kHomeInsuranceMonthCaption = AMX_TEXT("Home insurance a month");
inline constexpr std::string_view kCondoFeesMonthCaption = AMX_TEXT("Condo fees a month");
inline constexpr std::string_view kHeatingMonthCaption = AMX_TEXT("Heating a month");
inline constexpr std::string_view kMortgageInsuranceMonthCaption = AMX_TEXT("Mortgage insurance a month");
inline constexpr std::string_view kMonthlyTotalCaption = AMX_TEXT("Cost of the home a month");
inline constexpr std::string_view kInsuranceEndsCaption = AMX_TEXT("Mortgage insurance ends at");
inline constexpr std::string_view kInsuranceEndsOnRequestCaption = AMX_TEXT("Ask to end it at (80 %)");
inline constexpr std::string_view kEstimatesNote =
    AMX_TEXT("The APR and the insurance figures are estimates: a lender's disclosures govern.");
// "Cost of borrowing, 5-year term".
std::string TermCostCaption(std::int16_t termYears, const Catalogue& words = EnglishCatalogue());
// The premium box: the Canadian premium with its percentage
// ("$19,000.00 at 4.000%"), or the US insurance with each payment
// ("$158.33 a payment"); empty without insurance.
std::string PremiumText(const CostsTexts& texts, const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
