#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/apr.h"

namespace amortix {
namespace {

DaySerial D(int year, int month, int day) {
    return SerialFromCivil(year, month, day);
}

double Percent2(double fraction) {
    return std::round(fraction * 10000.0) / 100.0;
}

// The worked examples of Regulation Z (12 CFR 1026), Appendix J, paragraph
// (c): single advance transactions, regular or with an odd first period, and a
// single advance, single payment transaction. The APRs are the regulation's.
TEST(Apr, RegulationZAppendixJWorkedExamples) {
    const struct {
        const char* example;
        double advance;
        double payment;
        int count;
        UnitPeriod unit;
        DaySerial advanced, firstPayment;
        double apr;
    } cases[] = {
        {"(c)(1)(i) monthly, regular first period", 5000, 230, 24, UnitPeriod::Month, D(1978, 1, 10),
         D(1978, 2, 10), 9.69},
        {"(c)(1)(ii) monthly, long first period", 6000, 200, 36, UnitPeriod::Month, D(1978, 2, 10),
         D(1978, 4, 1), 11.82},
        {"(c)(1)(iii) semimonthly, short first period", 5000, 219.17, 24, UnitPeriod::SemiMonth,
         D(1978, 2, 23), D(1978, 3, 1), 10.34},
        {"(c)(1)(iv) quarterly, long first period", 10000, 385, 40, UnitPeriod::Quarter, D(1978, 5, 23),
         D(1978, 10, 1), 8.97},
        {"(c)(1)(v) weekly, long first period", 500, 17.60, 30, UnitPeriod::Week, D(1978, 3, 20),
         D(1978, 4, 21), 14.96},
    };
    for (const auto& c : cases) {
        const FirstPeriod first = CountFirstPeriod(c.advanced, c.firstPayment, c.unit);
        const auto result = SolveApr(RegularFlows(c.advance, c.payment, c.count, c.unit, first));
        ASSERT_TRUE(result) << c.example;
        EXPECT_DOUBLE_EQ(Percent2(result->apr), c.apr) << c.example << ": " << result->apr * 100;
    }
    // (c)(5)(i): 1,000 advanced on 3 January, 1,080 repaid on 15 September:
    // 255 days, so 365/255 unit-periods a year.
    const auto single = SolveApr(SinglePaymentFlows(1000, 1080, D(1978, 1, 3), D(1978, 9, 15)));
    ASSERT_TRUE(single);
    EXPECT_DOUBLE_EQ(Percent2(single->apr), 11.45);
    EXPECT_NEAR(single->ratePerPeriod, 0.08, 1e-12);
}

// Single-payment loans of other terms. A whole number of months is the
// unit-period: 1,000 to 1,020 over the three months from 31 January to 30
// April (each month's last day) is 2 % a quarter, 8 % a year (worked by
// hand). A year or more counts whole years and the days left over 365: 1,000
// to 1,100 from 15 January 2024 to 15 March 2025 is one year and 60 days, the
// root of (1 + 60/365 i)(1 + i) = 1.1 (8.48656 %, the quadratic worked in
// Python's decimal module).
TEST(Apr, SinglePaymentLoansOfWholeMonthsAndOfMoreThanAYear) {
    const struct {
        DaySerial start, due;
        double unitsPerYear;
        int full;
        double fraction, apr;
    } cases[] = {
        {D(2026, 1, 31), D(2026, 4, 30), 4, 1, 0, 0.08},
        {D(2024, 1, 15), D(2025, 3, 15), 1, 1, 60.0 / 365, 0.084865576553},
    };
    for (const auto& c : cases) {
        const double repaid = c.unitsPerYear == 4 ? 1020 : 1100;
        const AprFlows flows = SinglePaymentFlows(1000, repaid, c.start, c.due);
        EXPECT_DOUBLE_EQ(flows.unitPeriodsPerYear, c.unitsPerYear) << IsoDate(c.due);
        EXPECT_EQ(flows.first.fullUnitPeriods, c.full) << IsoDate(c.due);
        EXPECT_DOUBLE_EQ(flows.first.fraction, c.fraction) << IsoDate(c.due);
        const auto result = SolveApr(flows);
        ASSERT_TRUE(result) << IsoDate(c.due);
        EXPECT_NEAR(result->apr, c.apr, 1e-11) << IsoDate(c.due);
    }
}

// A schedule may hold a payment of 0: it keeps its place in time (worked by
// hand: 1,000 repaid by 1,100 two periods later is 1.1 = (1 + i)^2).
TEST(Apr, APaymentOfZeroKeepsItsPlace) {
    AprFlows flows = RegularFlows(1000, 0, 2, UnitPeriod::Month);
    flows.payments[1] = 1100;
    const auto result = SolveApr(flows);
    ASSERT_TRUE(result);
    EXPECT_NEAR(result->ratePerPeriod, std::sqrt(1.1) - 1, 1e-13);
}

TEST(Apr, FirstPeriodsAreCountedBackFromTheFirstPayment) {
    const struct {
        UnitPeriod unit;
        DaySerial start, first;
        int full;
        double fraction;
    } cases[] = {
        {UnitPeriod::Month, D(1978, 2, 10), D(1978, 4, 1), 1, 19.0 / 30},
        {UnitPeriod::Month, D(2024, 1, 31), D(2024, 2, 29), 1, 0},  // the month's last day
        {UnitPeriod::SemiMonth, D(1978, 2, 23), D(1978, 3, 1), 0, 6.0 / 15},
        {UnitPeriod::Quarter, D(1978, 5, 23), D(1978, 10, 1), 1, 39.0 / 90},
        {UnitPeriod::Week, D(1978, 3, 20), D(1978, 4, 21), 4, 4.0 / 7},
        {UnitPeriod::TwoWeeks, D(2026, 1, 1), D(2026, 1, 15), 1, 0},
    };
    for (const auto& c : cases) {
        const FirstPeriod p = CountFirstPeriod(c.start, c.first, c.unit);
        EXPECT_EQ(p.fullUnitPeriods, c.full) << IsoDate(c.start) << " to " << IsoDate(c.first);
        EXPECT_DOUBLE_EQ(p.fraction, c.fraction) << IsoDate(c.start) << " to " << IsoDate(c.first);
    }
}

TEST(Apr, WithoutFeesTheAprIsTheNoteRateAndBadFlowsHaveNone) {
    // 200,000 at 6 % a year, monthly over 30 years: payment 1,199.101050...
    // (worked by hand: 200,000 x 0.005 / (1 - 1.005^-360)).
    const double payment = 200000 * 0.005 / (1 - std::pow(1.005, -360));
    const auto exact = SolveApr(RegularFlows(200000, payment, 360, UnitPeriod::Month));
    ASSERT_TRUE(exact);
    EXPECT_NEAR(exact->apr, 0.06, 1e-12);
    EXPECT_NEAR(exact->effectiveAnnual, std::pow(1.005, 12) - 1, 1e-12);
    // 4,000 of prepaid charges lower the amount financed and raise the APR to
    // 6.1895 % (an independent bisection of the same annuity equation).
    const auto fees = SolveApr(RegularFlows(196000, payment, 360, UnitPeriod::Month));
    ASSERT_TRUE(fees);
    EXPECT_NEAR(fees->apr, 0.0618947625712, 1e-11);

    EXPECT_FALSE(SolveApr(RegularFlows(1000, 100, 0, UnitPeriod::Month)));
    EXPECT_FALSE(SolveApr(RegularFlows(0, 100, 12, UnitPeriod::Month)));
    EXPECT_FALSE(SolveApr(RegularFlows(1000, -5, 12, UnitPeriod::Month)));
    // Paying back less than was lent is no loan; paying back just as much is 0 %.
    EXPECT_FALSE(SolveApr(RegularFlows(1200, 99, 12, UnitPeriod::Month)));
    const auto free = SolveApr(RegularFlows(1200, 100, 12, UnitPeriod::Month));
    ASSERT_TRUE(free);
    EXPECT_NEAR(free->apr, 0, 1e-12);
}

}  // namespace
}  // namespace amortix
