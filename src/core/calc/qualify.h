#pragma once
// Qualification: the largest mortgage a lender's debt-service ratios allow on
// the borrowers' gross income, and the price it buys with the down payment.
// Figures only; the screen's texts are made in core/forms/qualify_form.h. The
// figures are estimates: a lender decides.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/calc/choices.h"
#include "core/format/messages.h"

namespace amortix {

enum class QualifyRules : std::int8_t { Canada, UnitedStates };

// The limits a lender applies, every one editable on the screen and the
// command line; a rule set's own row below gives their defaults.
struct QualifyLimits {
    double gdsPercent = 39;  // housing costs over gross monthly income
    double tdsPercent = 44;  // housing costs and other debts over it
    bool stressTest = true;  // test the payment at the qualifying rate
    double stressAddPoints = 2;
    double stressFloorPercent = 5.25;
    double balancePercent = 3;            // of card and credit-line balances, counted a month
    double mortgageInsurancePercent = 0;  // US: a year, of the loan, while below 20 % down
    bool operator==(const QualifyLimits&) const = default;
};

struct QualifyRulesInfo {
    QualifyRules id;
    std::string_view listText;  // as the list shows it and files store it
    std::string_view cliName;
    QualifyLimits defaults;
    Compounding compounding;  // the usual compounding of the market's mortgages
    bool premiumAdded;        // the default insurance premium is added to the loan
    bool heatingCounted;      // heating is a housing cost
    bool homeInsuranceCounted;
    double condoShare;  // of the condominium or association fees counted
};

// Canada: the limits the mortgage insurers apply (39 % and 44 %) and the
// minimum qualifying rate (the greater of the contract rate plus 2 and
// 5.25 %), half the condominium fees and the heating counted. United States: the conventional
// 28 % and 36 % at the contract rate, taxes, insurance and association fees.
// The mortgage insurance of 0.5 % a year is a typical figure; insurers vary.
inline constexpr std::array<QualifyRulesInfo, 2> kQualifyRules = {{
    {QualifyRules::Canada,
     AMX_TEXT("Canada"),
     "canada",
     {39, 44, true, 2, 5.25, 3, 0},
     Compounding::Semiannual,
     true,
     true,
     false,
     0.5},
    {QualifyRules::UnitedStates,
     AMX_TEXT("United States"),
     "us",
     {28, 36, false, 2, 5.25, 3, 0.5},
     Compounding::Monthly,
     false,
     false,
     true,
     1.0},
}};

constexpr const QualifyRulesInfo& Info(QualifyRules r) {
    return InfoIn(kQualifyRules, r);
}
std::optional<QualifyRules> FindQualifyRules(std::string_view listText);
std::optional<QualifyRules> QualifyRulesNamed(std::string_view cliName);

inline constexpr int kQualifyYearLimit = 40;

struct QualifyInputs {
    QualifyRules rules = QualifyRules::Canada;
    QualifyLimits limits = Info(QualifyRules::Canada).defaults;
    double income = 100000;  // gross, a year
    double income2 = 0;      // a second borrower's
    double debtsMonthly = 0;
    double cardBalances = 0;  // card and credit-line balances
    double propertyTaxYearly = 3000;
    double homeInsuranceYearly = 0;
    double heatingMonthly = 100;
    double condoFeesMonthly = 0;
    double downPayment = 50000;
    double ratePercent = 5;
    Compounding compounding = Compounding::Semiannual;
    Frequency frequency = Frequency::Monthly;
    int years = 25;
    bool operator==(const QualifyInputs&) const = default;
};

// The inputs with another rule set and its default limits and compounding.
QualifyInputs WithRules(QualifyInputs inputs, QualifyRules rules);

// Message 59 for inputs no calculation takes: an amount outside 0 to
// 9,999,999.99, a rate or limit outside 0 to 100 %, years outside 1 to 40,
// a choice outside its table.
std::optional<Message> QualifyRefusal(const QualifyInputs& inputs);

// Which ratio limits what the income carries.
enum class QualifyBinding : std::int8_t { Gds, Tds };

struct QualifyBindingInfo {
    QualifyBinding id;
    std::string_view caption;
    std::string_view cliName;
};

inline constexpr std::array<QualifyBindingInfo, 2> kQualifyBindings = {{
    {QualifyBinding::Gds, AMX_TEXT("Housing (GDS)"), "gds"},
    {QualifyBinding::Tds, AMX_TEXT("Total (TDS)"), "tds"},
}};

constexpr const QualifyBindingInfo& Info(QualifyBinding b) {
    return InfoIn(kQualifyBindings, b);
}

struct QualifyResult {
    // Refusals (59), the income that qualifies for nothing (60) and the down
    // payment that buys nothing (61) leave `qualified` false; a down payment
    // that limits the price (61) comes with figures.
    std::vector<Message> messages;
    bool qualified = false;
    double monthlyIncome = 0;
    double housingCosts = 0;  // a month, besides the payment and mortgage insurance
    double otherDebts = 0;    // a month, the balances' share included
    double qualifyingRatePercent = 0;
    QualifyBinding binding = QualifyBinding::Gds;
    bool downPaymentLimits = false;  // the price is the down payment's, not the income's

    double maxMortgage = 0;  // the loan, the premium added to it included
    double maxPrice = 0;
    double premium = 0;  // Canada: added to the loan
    double premiumPercent = 0;
    double ltvPercent = 0;                // the loan before the premium over the price
    double mortgageInsuranceMonthly = 0;  // US: with the payments
    double gdsPercent = 0;                // at the largest mortgage, at the qualifying rate
    double tdsPercent = 0;
    double payment = 0;  // each payment of the chosen frequency, at the contract rate
    double qualifyingPayment = 0;
    // The least down payment the price takes (Canada); none under the US rules.
    std::optional<double> downPaymentNeeded;
};

// One calculation; never throws.
QualifyResult Qualify(const QualifyInputs& inputs);

}  // namespace amortix
