#include "core/calc/rates.h"

#include <cmath>

#include "core/format/masks.h"
#include "core/format/money.h"
#include "core/format/numfmt.h"

namespace amortix {

DayBasis DayBasis::Preset(int choice) {
    switch (choice) {
        case 0:
            return {0, 365.25f, 26.08928571, 52.17857143};
        case 2:
            return {2, 364.0f, 26.0, 52.0};
        case 3:
            return {3, 363.0f, 25.92857143, 51.85714286};
        default:
            return {1, 365.0f, 26.07142857, 52.14285714};
    }
}

DayBasis DayBasis::Typed(float days) {
    const double d = static_cast<double>(days);
    return {4, days, d / 14.0, d / 7.0};
}

bool DayBasis::TypedDaysAcceptable(float days) {
    return days > 363.0f && days < 365.25f;
}

std::optional<Frequency> LookupFrequency(std::string_view text, const DayBasis& basis) {
    for (std::size_t i = 0; i < kFrequencyTexts.size(); ++i) {
        if (kFrequencyTexts[i] != text) continue;
        Frequency f;
        f.index = static_cast<int>(i);
        switch (i) {
            case 0:
                f = {0, 12, 12.0, 0, false, DateStep::Month};
                break;
            case 1:
                f = {1, 24, 24.0, 2, false, DateStep::SemiMonth};
                break;
            case 2:
                f = {2, 26, basis.biweeklyPeriods, 2, false, DateStep::TwoWeeks};
                break;
            case 3:
                f = {3, 52, basis.weeklyPeriods, 4, false, DateStep::OneWeek};
                break;
            case 4:
                f = {4, 26, basis.biweeklyPeriods, 2, true, DateStep::TwoWeeks};
                break;
            default:
                f = {5, 52, basis.weeklyPeriods, 4, true, DateStep::OneWeek};
                break;
        }
        return f;
    }
    return std::nullopt;
}

std::optional<int> LookupCompounding(std::string_view text) {
    static constexpr std::array<int, 5> kPeriods = {12, 6, 3, 2, 1};
    for (std::size_t i = 0; i < kCompoundingTexts.size(); ++i)
        if (kCompoundingTexts[i] == text) return kPeriods[i];
    return std::nullopt;
}

RateFactorsResult RateFactors(double ratePercent, int compounding, double periodsPerYear) {
    return RateFactorsFromFraction(ratePercent / 100.0, compounding, periodsPerYear);
}

RateFactorsResult RateFactorsFromFraction(double r, int compounding, double periodsPerYear) {
    const double c = compounding;
    const double base = 1.0 + r / c;
    RateFactorsResult out;
    out.monthly = Checked(std::pow(base, c / 12.0) - 1.0);
    out.period = Checked(std::pow(base, Checked(c / periodsPerYear)) - 1.0);
    return out;
}

MonthlyPaymentResult MonthlyPayment(double principal, double monthlyRate, double ratePercent, int compounding,
                                    double years) {
    const double r = ratePercent / 100.0;
    const double c = compounding;
    const double n = c * years;
    const double v = Checked(1.0 / Checked(std::pow(1.0 + r / c, n)));
    // A zero rate or a zero period makes this 0/0 or x/0: a fault, not a value.
    const double a = Checked(principal * monthlyRate / (1.0 - v));
    return {a, v};
}

double PeriodPayment(double monthlyPayment, const Frequency& frequency) {
    switch (frequency.index) {
        case 0:
            return monthlyPayment;
        case 1:
            return monthlyPayment / 2.0;
        case 2:
            return monthlyPayment * 12.0 / 26.0;
        case 3:
            return monthlyPayment * 12.0 / 52.0;
        case 4:
            return monthlyPayment / 2.0;
        default:
            return monthlyPayment / 4.0;
    }
}

double RatePerPeriod(const Frequency& frequency, const RateFactorsResult& rates) {
    return frequency.frequencyClass == 0 ? rates.monthly : rates.period;
}

std::string DaysInYearText(std::int16_t paymentsPerYear, float daysInYear) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return "Normal";
    const std::string plain = ShortestText(daysInYear);
    const double d = static_cast<double>(daysInYear);
    return plain.size() >= 4 && plain[3] == '.' ? FormatNumber(d, kDaysInYearMask)
                                                : FormatNumber(d, kCountMask);
}

}  // namespace amortix
