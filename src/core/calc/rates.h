#pragma once
// Rate and payment core: the frequency and compounding lists, the day basis,
// and the formulas every calculator shares. No rounding happens here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calc/choices.h"

namespace amortix {

// Days in the interest year and the periods per year of the 2-week and
// 1-week frequencies that follow from it.
struct DayBasis {
    DayBasisChoice choice = DayBasisChoice::Days365;
    float days = 365.0f;
    double biweeklyPeriods = 26.07142857;
    double weeklyPeriods = 52.14285714;

    // A preset's figures from its table row; Typed falls back to 365.
    static DayBasis Preset(DayBasisChoice choice);
    // A typed number of days; the periods are computed.
    static DayBasis Typed(float days);
    // True for a typed value strictly between 363 and 365.25.
    static bool TypedDaysAcceptable(float days);
    bool operator==(const DayBasis&) const = default;
};

// A frequency's figures under a day basis.
struct FrequencyPeriods {
    Frequency id = Frequency::Monthly;
    std::int16_t paymentsPerYear = 12;
    double periodsPerYear = 12.0;     // P of the rate per period
    std::int16_t frequencyClass = 0;  // 0, 2 or 4
    bool accelerated = false;
    DateStep dateStep = DateStep::Month;
};

FrequencyPeriods PeriodsOf(Frequency frequency, const DayBasis& basis);

struct RateFactorsResult {
    double monthly = 0;  // i_m
    double period = 0;   // i_p, the interest rate factor
};

// i_m and i_p from the rate in percent; throws CalcError on a non-finite result.
RateFactorsResult RateFactors(double ratePercent, Compounding compounding, double periodsPerYear);
// The same from the rate as a fraction (0.065 for 6.5 %), for a caller that
// rounds the fraction itself.
RateFactorsResult RateFactorsFromFraction(double rate, Compounding compounding, double periodsPerYear);

struct MonthlyPaymentResult {
    double payment = 0;   // A_m
    double discount = 0;  // v
};
MonthlyPaymentResult MonthlyPayment(double principal, double monthlyRate, double ratePercent,
                                    Compounding compounding, double years);

double PeriodPayment(double monthlyPayment, Frequency frequency);
double RatePerPeriod(const FrequencyPeriods& frequency, const RateFactorsResult& rates);

inline constexpr const char* kNormalDaysInYear = AMX_TEXT("Normal");

// "Normal" for 12 and 24 payments a year, otherwise the days in year.
std::string DaysInYearText(std::int16_t paymentsPerYear, float daysInYear,
                           const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
