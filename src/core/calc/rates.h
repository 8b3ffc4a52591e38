#pragma once
// Rate and payment core: the frequency and compounding lists, the day basis,
// and the formulas every calculator shares. No rounding happens here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace amortix {

// The list texts, exactly as the drop-down lists show them and files store them.
inline constexpr std::array<std::string_view, 6> kFrequencyTexts = {
    "      Monthly", "  Semimonthly", "      2 Weeks", "      1 Week", " Biweekly(Acc)", "   Weekly(Acc)"};
inline constexpr std::array<std::string_view, 5> kCompoundingTexts = {
    "      Monthly", "    Bimonthly", "    Quarterly", "   Semiannual", "       Annual"};

enum class DateStep { Month, SemiMonth, TwoWeeks, OneWeek };

// Days in the interest year and the periods per year of the 2-week and
// 1-week frequencies that follow from it.
struct DayBasis {
    std::int16_t choice = 1;  // 0 365.25, 1 365, 2 364, 3 363, 4 typed
    float days = 365.0f;
    double biweeklyPeriods = 26.07142857;
    double weeklyPeriods = 52.14285714;

    // The four presets carry 8-decimal literals, not days/14 and days/7.
    static DayBasis Preset(int choice);
    // A typed number of days; the periods are computed.
    static DayBasis Typed(float days);
    // True for a typed value strictly between 363 and 365.25.
    static bool TypedDaysAcceptable(float days);
};

struct Frequency {
    int index = 0;  // position in kFrequencyTexts
    std::int16_t paymentsPerYear = 12;
    double periodsPerYear = 12.0;     // P of the rate per period
    std::int16_t frequencyClass = 0;  // 0, 2 or 4
    bool accelerated = false;
    DateStep dateStep = DateStep::Month;
};

std::optional<Frequency> LookupFrequency(std::string_view text, const DayBasis& basis);
std::optional<int> LookupCompounding(std::string_view text);

struct RateFactorsResult {
    double monthly = 0;  // i_m
    double period = 0;   // i_p, the interest rate factor
};

// i_m and i_p from the rate in percent; throws CalcError on a non-finite result.
RateFactorsResult RateFactors(double ratePercent, int compounding, double periodsPerYear);
// The same from the rate as a fraction (0.065 for 6.5 %), for a caller that
// rounds the fraction itself.
RateFactorsResult RateFactorsFromFraction(double rate, int compounding, double periodsPerYear);

struct MonthlyPaymentResult {
    double payment = 0;   // A_m
    double discount = 0;  // v
};
MonthlyPaymentResult MonthlyPayment(double principal, double monthlyRate, double ratePercent, int compounding,
                                    double years);

double PeriodPayment(double monthlyPayment, const Frequency& frequency);
double RatePerPeriod(const Frequency& frequency, const RateFactorsResult& rates);

// "Normal" for 12 and 24 payments a year, otherwise the days in year.
std::string DaysInYearText(std::int16_t paymentsPerYear, float daysInYear);

}  // namespace amortix
