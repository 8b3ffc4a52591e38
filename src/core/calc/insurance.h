#pragma once
// Mortgage default insurance: the Canadian premium by loan-to-value, the
// minimum down payment, and when US private mortgage insurance ends. The
// figures are estimates of what insurers publish; a lender's disclosure
// governs.

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace amortix {

// The premium in percent of the loan for a loan-to-value up to `ltvPercent`,
// for amortizations of 25 years or less and of more than 25 up to 30 years.
struct PremiumBand {
    double ltvPercent;
    double premium25;
    double premium30;
};

// The premiums Canada's mortgage insurers publish, last checked on the date
// beside them. The loan-to-value is measured before the premium is added.
inline constexpr std::string_view kCanadianPremiumsChecked = "2026-12-07";
inline constexpr std::array<PremiumBand, 6> kCanadianPremiums = {{
    {65.0, 0.60, 0.80},
    {75.0, 1.70, 1.90},
    {80.0, 2.40, 2.60},
    {85.0, 2.80, 3.00},
    {90.0, 3.10, 3.30},
    {95.0, 4.00, 4.20},
}};

// Insurance is not available at or above this purchase price.
inline constexpr double kCanadianInsuredPriceLimit = 1'500'000;
// Below this loan-to-value no insurance is needed.
inline constexpr double kConventionalLtvPercent = 80.0;

// 5 % of the first 500,000 and 10 % of the rest; 20 % of a price at or above
// the insured limit, which only a conventional mortgage can buy.
double MinimumDownPayment(double price);

struct CanadianPremium {
    double ltvPercent = 0;   // loan before the premium, over the price
    double ratePercent = 0;  // of the loan; 0 for a conventional mortgage
    double premium = 0;      // added to the loan
    double salesTax = 0;     // on the premium, paid in cash
};

// Nothing when the down payment is below the minimum for the price (or the
// price or down payment is not a positive amount). `overrideRate` replaces
// the table's percentage.
std::optional<CanadianPremium> CanadianPremiumFor(double price, double downPayment, double amortizationYears,
                                                  double salesTaxPercent = 0,
                                                  std::optional<double> overrideRate = std::nullopt);

// When US private mortgage insurance ends, by payment number (1 the first):
// automatically once the scheduled balance reaches 78 % of the original
// value, or at the payment at the middle of the amortization if that comes
// first; and when the borrower may ask for it to end, at 80 %. `balances[k]`
// is the balance after payment k + 1. Zero where the schedule never gets there.
struct UsInsuranceEnd {
    long automatic = 0;
    long onRequest = 0;
};
UsInsuranceEnd UsInsuranceEnds(std::span<const double> balances, double originalValue,
                               long scheduledPayments);

}  // namespace amortix
