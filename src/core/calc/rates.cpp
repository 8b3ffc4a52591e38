#include "core/calc/rates.h"

#include <cmath>

#include "core/format/masks.h"
#include "core/format/money.h"
#include "core/format/numfmt.h"

namespace amortix {

DayBasis DayBasis::Preset(DayBasisChoice choice) {
    const DayBasisInfo& info = Info(choice == DayBasisChoice::Typed ? DayBasisChoice::Days365 : choice);
    return {info.id, info.days, info.biweeklyPeriods, info.weeklyPeriods};
}

DayBasis DayBasis::Typed(float days) {
    const double d = static_cast<double>(days);
    return {DayBasisChoice::Typed, days, d / 14.0, d / 7.0};
}

bool DayBasis::TypedDaysAcceptable(float days) {
    return days > 363.0f && days < 365.25f;
}

FrequencyPeriods PeriodsOf(Frequency frequency, const DayBasis& basis) {
    const FrequencyInfo& f = Info(frequency);
    const double periods = f.periods == PeriodSource::Fortnights ? basis.biweeklyPeriods
                           : f.periods == PeriodSource::Weeks    ? basis.weeklyPeriods
                                                                 : f.fixedPeriodsPerYear;
    return {f.id, f.paymentsPerYear, periods, f.frequencyClass, f.accelerated, f.dateStep};
}

RateFactorsResult RateFactors(double ratePercent, Compounding compounding, double periodsPerYear) {
    return RateFactorsFromFraction(ratePercent / 100.0, compounding, periodsPerYear);
}

RateFactorsResult RateFactorsFromFraction(double r, Compounding compounding, double periodsPerYear) {
    const double c = Info(compounding).periodsPerYear;
    const double base = 1.0 + r / c;
    RateFactorsResult out;
    const double monthly = c / 12.0, period = Checked(c / periodsPerYear);
    out.monthly = Checked(std::pow(base, monthly) - 1.0);
    // Monthly periods raise the base to the same power: the same figure, once.
    out.period = period == monthly ? out.monthly : Checked(std::pow(base, period) - 1.0);
    return out;
}

MonthlyPaymentResult MonthlyPayment(double principal, double monthlyRate, double ratePercent,
                                    Compounding compounding, double years) {
    const double r = ratePercent / 100.0;
    const double c = Info(compounding).periodsPerYear;
    const double n = c * years;
    const double v = Checked(1.0 / Checked(std::pow(1.0 + r / c, n)));
    // Without interest (0 % car loans) the principal is shared equally over
    // the months; the annuity formula would be 0/0 there.
    if (r == 0.0 && years > 0.0) return {Checked(principal / (12.0 * years)), v};
    // A zero period makes this x/0: a fault, not a value.
    const double a = Checked(principal * monthlyRate / (1.0 - v));
    return {a, v};
}

double PeriodPayment(double monthlyPayment, Frequency frequency) {
    const FrequencyInfo& f = Info(frequency);
    return monthlyPayment * f.shareNumerator / f.shareDenominator;
}

double RatePerPeriod(const FrequencyPeriods& frequency, const RateFactorsResult& rates) {
    return frequency.frequencyClass == 0 ? rates.monthly : rates.period;
}

std::string DaysInYearText(std::int16_t paymentsPerYear, float daysInYear, const Catalogue& words) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return words.Text(kNormalDaysInYear);
    const std::string plain = ShortestText(daysInYear);
    const double d = static_cast<double>(daysInYear);
    return plain.size() >= 4 && plain[3] == '.' ? FormatNumber(d, kDaysInYearMask)
                                                : FormatNumber(d, kCountMask);
}

}  // namespace amortix
