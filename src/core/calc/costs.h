#pragma once
// What a mortgage or loan costs besides its schedule: the loan a purchase
// makes, the fees and default insurance, the annual percentage rate, the cost
// of borrowing and the monthly cost of the home. The figures are estimates; a
// lender's disclosure governs. Their texts are made in core/forms/costs_texts.h.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/calc/choices.h"
#include "core/calc/dates.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"

namespace amortix {

inline constexpr int kCostTermLimit = 10;        // years of the term the cost of borrowing is shown for
inline constexpr double kCostPercentLimit = 25;  // points, premium, its tax, US insurance a year
inline constexpr double kInsuredYearLimit = 30;  // the longest insured amortization in Canada

// The costs the user enters beside the schedule's inputs.
struct Costs {
    // With the down payment, the price makes the principal (see Purchase);
    // without it the principal is the loan as typed and the down payment is 0.
    std::optional<double> price;
    double downPayment = 0;
    double pointsPercent = 0;  // prepaid finance charge, in percent of the loan
    double lenderFees = 0;     // lender and broker fees: prepaid finance charges
    double closingCosts = 0;   // appraisal, legal, title: not finance charges
    FeePayment pointsPaid = FeePayment::Cash;
    FeePayment lenderFeesPaid = FeePayment::Cash;
    FeePayment closingCostsPaid = FeePayment::Cash;
    InsuranceKind insurance = InsuranceKind::None;
    std::optional<double> canadianPremiumPercent;  // replaces the table's percentage
    double premiumTaxPercent = 0;                  // sales tax on the Canadian premium, paid in cash
    double usAnnualPercent = 0;                    // US mortgage insurance a year, of the loan
    double propertyTaxYearly = 0;
    double homeInsuranceYearly = 0;
    double condoFeesMonthly = 0;  // condominium or association fees
    double heatingMonthly = 0;
    std::int16_t termYears = 5;  // 1..10, for the cost of borrowing over a term

    // Anything entered besides the term: files and reports hold costs only then.
    bool Given() const;
    bool operator==(const Costs&) const = default;
};

// Message 50 (or 51 for the down payment) for costs no calculation takes: an
// amount outside 0 to 9,999,999.99, a percentage outside 0 to 25, a term
// outside 1 to 10, a choice outside its table, a down payment without a
// price or not below it. The files and the command line hold costs to it.
std::optional<Message> CostsRefusal(const Costs& costs);

// The loan a purchase makes and what is paid at closing.
struct Purchase {
    std::vector<Message> messages;  // not empty: refused, and the figures are 0
    // The schedule's principal: the one typed, or, from a price, the price
    // less the down payment plus the premium and the fees added to the loan.
    double principal = 0;
    double ltvPercent = 0;  // the loan before the premium over the price, to the hundredth; 0 without one
    double minimumDownPayment = 0;  // for the Canadian insurance; 0 otherwise
    double premiumPercent = 0;      // the Canadian premium's percentage, 0 when none applies
    double premium = 0;             // added to the loan
    double premiumTax = 0;          // paid in cash
    double points = 0;
    double lenderFees = 0;
    double closingCosts = 0;
    // Points, lender fees, the premium and its tax, paid in cash or added to the loan.
    double prepaidFinanceCharges = 0;
    double amountFinanced = 0;  // the principal less the prepaid finance charges
    double cashAtClosing = 0;   // the down payment and whatever is not added to the loan
};

// The principal comes from `in` when the costs have no price.
Purchase PurchaseFor(const ScheduleInputs& in, const Costs& costs);

// When US mortgage insurance ends: the payment at whose date it ends (the
// premiums are paid with the payments before it), the month of the mortgage
// that payment falls in, and its date when the schedule shows dates.
struct InsuranceEnd {
    long payment = 0;  // 0: no insurance
    int month = 0;
    DaySerial date = 0;
};

struct BorrowingCost {
    double interest = 0;
    double financeCharges = 0;  // points and lender fees
    double insurance = 0;       // the premium, its tax and the US insurance paid
    double Total() const { return interest + financeCharges + insurance; }
};

// Each part for a month: a payment of another frequency counts as the
// payments a year over 12; yearly figures as a twelfth.
struct MonthlyHomeCost {
    double principalAndInterest = 0;
    double propertyTax = 0;
    double homeInsurance = 0;
    double condoFees = 0;
    double heating = 0;
    double mortgageInsurance = 0;  // US insurance while it lasts
    double Total() const;
};

struct CostsResult {
    std::vector<Message> messages;  // the purchase's refusals
    // False after a refusal, or when the schedule itself has no result (its
    // own messages say why).
    bool calculated = false;
    Purchase purchase;
    double aprPercent = 0;              // by the actuarial method, on the schedule's payments
    double effectiveAnnualPercent = 0;  // the same rate compounded over a year
    BorrowingCost amortization;         // over the whole schedule
    BorrowingCost term;                 // over the first `termYears` (the whole, if shorter)
    std::int16_t termYears = 0;
    std::int16_t paymentsPerYear = 0;
    long payments = 0;
    double insurancePerPayment = 0;       // US insurance with each payment
    InsuranceEnd insuranceEnds;           // by the 78 % or midpoint rule
    InsuranceEnd insuranceEndsOnRequest;  // at 80 %, when the borrower asks
    MonthlyHomeCost monthly;
};

// The schedule of `in` is calculated again, over all payments, with the
// purchase's principal.
CostsResult CalculateCosts(const ScheduleInputs& in, const Costs& costs);

}  // namespace amortix
