#include "core/calc/insurance.h"

#include <algorithm>
#include <cmath>

namespace amortix {

namespace {

constexpr double kFirstTier = 500'000;

// A loan-to-value as insurers state it, to the hundredth of a percent.
double LtvPercent(double loan, double price) {
    return std::round(loan / price * 10000.0) / 100.0;
}

long FirstAtOrBelow(std::span<const double> balances, double limit) {
    for (std::size_t k = 0; k < balances.size(); ++k)
        if (balances[k] <= limit + 0.005) return static_cast<long>(k) + 1;
    return 0;
}

}  // namespace

double MinimumDownPayment(double price) {
    if (!(price > 0)) return 0;
    if (price >= kCanadianInsuredPriceLimit) return 0.20 * price;
    return 0.05 * std::min(price, kFirstTier) + 0.10 * std::max(price - kFirstTier, 0.0);
}

std::optional<CanadianPremium> CanadianPremiumFor(double price, double downPayment, double amortizationYears,
                                                  double salesTaxPercent,
                                                  std::optional<double> overrideRate) {
    if (!(price > 0) || !(downPayment >= 0) || downPayment > price) return std::nullopt;
    // The minimum is compared to the cent the buyer pays.
    if (std::round(downPayment * 100) < std::round(MinimumDownPayment(price) * 100)) return std::nullopt;
    CanadianPremium out;
    const double loan = price - downPayment;
    out.ltvPercent = LtvPercent(loan, price);
    // A conventional mortgage has no premium: a typed percentage replaces
    // the table's only where the table has one.
    if (out.ltvPercent <= kConventionalLtvPercent) return out;
    double rate = 0;
    for (const PremiumBand& band : kCanadianPremiums) {
        if (out.ltvPercent <= band.ltvPercent) {
            rate = amortizationYears > 25 ? band.premium30 : band.premium25;
            break;
        }
    }
    out.ratePercent = overrideRate.value_or(rate);
    out.premium = std::round(loan * out.ratePercent) / 100.0;
    out.salesTax = std::round(out.premium * salesTaxPercent) / 100.0;
    return out;
}

UsInsuranceEnd UsInsuranceEnds(std::span<const double> balances, double originalValue,
                               long scheduledPayments) {
    UsInsuranceEnd out;
    out.onRequest = FirstAtOrBelow(balances, 0.80 * originalValue);
    out.automatic = FirstAtOrBelow(balances, 0.78 * originalValue);
    // At the latest the month after the middle of the amortization.
    const long midpoint = (scheduledPayments + 1) / 2 + 1;
    if (scheduledPayments > 0 && (out.automatic == 0 || out.automatic > midpoint)) out.automatic = midpoint;
    return out;
}

}  // namespace amortix
