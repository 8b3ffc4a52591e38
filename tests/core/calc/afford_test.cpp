#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/afford.h"

namespace amortix {
namespace {

constexpr Compounding kMonthlyCompounding = Compounding::Monthly;
constexpr Compounding kSemiannual = Compounding::Semiannual;
constexpr Frequency kMonthlyPayments = Frequency::Monthly;
constexpr Frequency kBiweeklyAcc = Frequency::BiweeklyAccelerated;

// Figures worked to the cent on the screen; the engine keeps them unrounded.
constexpr double kCent = 0.005;

AffordResult Solve(AffordSolve solve, AffordFigures figures, Compounding compounding = kMonthlyCompounding,
                   Frequency frequency = kBiweeklyAcc,
                   DayBasis basis = DayBasis::Preset(DayBasisChoice::Days365)) {
    return SolveAfford({figures, solve, compounding, frequency, basis});
}

AffordFigures With(double principal, double rate, double years, double payment) {
    return {principal, rate, years, payment};
}

TEST(Afford, SolvesThePaymentWithTheBiweeklyPanel) {
    const AffordResult r = Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0));
    ASSERT_FALSE(r.failed());
    EXPECT_EQ(r.solved, AffordSolve::Payment);
    ASSERT_TRUE(r.payment.written());
    EXPECT_NEAR(r.payment.value, 675.21, kCent);
    EXPECT_EQ(r.figures.payment, r.payment.value);
    // Only the solved figure is written; the given ones keep their boxes.
    EXPECT_EQ(r.principal.state, RunFigure<double>::State::NotWritten);
    EXPECT_EQ(r.years.state, RunFigure<double>::State::NotWritten);
    EXPECT_EQ(r.figures.principal, 100000);
    EXPECT_EQ(r.figures.years, 25);

    EXPECT_NEAR(r.totalInterest.value, 102562.14, kCent);
    EXPECT_EQ(r.paymentsPerYear.value, 26);
    EXPECT_EQ(r.daysInYear.value.days, 365.0f);
    EXPECT_FALSE(r.daysInYear.value.normal());
    EXPECT_NEAR(r.yearsToFinal.value, 20.68, kCent);
    EXPECT_EQ(r.eachPayment.value, r.payment.value / 2);
    EXPECT_NEAR(r.acceleratedTotalInterest.value, 81557.27, kCent);
    EXPECT_NEAR(r.interestSaved.value, 21004.87, kCent);
    EXPECT_DOUBLE_EQ(r.interestSaved.value, r.totalInterest.value - r.acceleratedTotalInterest.value);
    EXPECT_FALSE(r.focusPayment);
    ASSERT_TRUE(r.factors.has_value());
    EXPECT_EQ(r.factors->paymentsPerYear, 26);
}

TEST(Afford, RateIsHeldInSinglePrecision) {
    const AffordResult r =
        Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding, kMonthlyPayments);
    ASSERT_TRUE(r.factors.has_value());
    const double r32 = static_cast<double>(0.065f);
    EXPECT_DOUBLE_EQ(r.factors->monthly, (1.0 + r32 / 12.0) - 1.0);
    EXPECT_NE(r.factors->monthly, 0.065 / 12.0);
}

TEST(Afford, SolvedFigures) {
    struct Case {
        const char* name;
        AffordSolve solve;
        AffordFigures figures;
        Compounding compounding;
        Frequency frequency;
        RunFigure<double> AffordResult::*figure;
        double expected;  // to the cent
    };
    const Case cases[] = {
        {"semiannual payment", AffordSolve::Payment, With(100000, 6.5, 25, 0), kSemiannual, kBiweeklyAcc,
         &AffordResult::payment, 669.82},
        {"principal for 1,000 a month", AffordSolve::Principal, With(0, 6.5, 25, 1000), kMonthlyCompounding,
         kBiweeklyAcc, &AffordResult::principal, 148102.70},
        {"years for 700 a month", AffordSolve::Years, With(100000, 6.5, 0, 700), kMonthlyCompounding,
         kBiweeklyAcc, &AffordResult::years, 22.93},
        // Monthly payments are the normal mortgage: its years are the solved years.
        {"monthly years", AffordSolve::Years, With(100000, 6.5, 0, 700), kMonthlyCompounding,
         kMonthlyPayments, &AffordResult::yearsToFinal, 22.93},
    };
    for (const Case& c : cases) {
        const AffordResult r = Solve(c.solve, c.figures, c.compounding, c.frequency);
        EXPECT_FALSE(r.failed()) << c.name;
        EXPECT_TRUE((r.*c.figure).written()) << c.name;
        EXPECT_NEAR((r.*c.figure).value, c.expected, kCent) << c.name;
    }
}

// Solving each figure from the other two gives back the figure they came
// from, under every compounding and frequency.
TEST(Afford, EachFigureSolvesBackToTheOthers) {
    for (const CompoundingInfo& compounding : kCompoundings) {
        for (const FrequencyInfo& frequency : kFrequencies) {
            const auto solve = [&](AffordSolve s, AffordFigures f) {
                return Solve(s, f, compounding.id, frequency.id);
            };
            const AffordResult payment = solve(AffordSolve::Payment, With(180000, 7.25, 30, 0));
            ASSERT_FALSE(payment.failed()) << compounding.cliName << " " << frequency.cliName;
            const AffordResult principal =
                solve(AffordSolve::Principal, With(0, 7.25, 30, payment.payment.value));
            const AffordResult years =
                solve(AffordSolve::Years, With(180000, 7.25, 0, payment.payment.value));
            EXPECT_NEAR(principal.principal.value, 180000, 1e-6) << compounding.cliName;
            EXPECT_NEAR(years.years.value, 30, 1e-9) << compounding.cliName;
            // The panel depends on the figures only, not on which one was solved.
            EXPECT_NEAR(years.yearsToFinal.value, payment.yearsToFinal.value, 1e-9) << frequency.cliName;
            EXPECT_NEAR(principal.interestSaved.value, payment.interestSaved.value, 1e-6)
                << frequency.cliName;
        }
    }
}

TEST(Afford, Failures) {
    struct Case {
        const char* name;
        AffordSolve solve;
        AffordFigures figures;
        AffordMessage message;
        bool focusPayment;
    };
    const Case cases[] = {
        {"years: 560 a month needs 52.7 years", AffordSolve::Years, With(100000, 6.5, 25, 560),
         AffordMessage::PaymentTooSmall, true},
        {"years: 541 is below the first month's interest", AffordSolve::Years, With(100000, 6.5, 25, 541),
         AffordMessage::PaymentTooSmall, true},
        {"years: no payment", AffordSolve::Years, With(100000, 6.5, 25, 0), AffordMessage::PaymentTooSmall,
         true},
        {"payment: principal 0", AffordSolve::Payment, With(0, 6.5, 25, 0), AffordMessage::MissingEntry,
         false},
        {"payment: period 0", AffordSolve::Payment, With(100000, 6.5, 0, 0), AffordMessage::MissingEntry,
         false},
        {"principal: payment 0", AffordSolve::Principal, With(100000, 6.5, 25, 0),
         AffordMessage::MissingEntry, false},
    };
    using State = RunFigure<double>::State;
    for (const Case& c : cases) {
        const AffordResult r = Solve(c.solve, c.figures);
        ASSERT_TRUE(r.failed()) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        EXPECT_EQ(r.focusPayment, c.focusPayment) << c.name;
        for (const RunFigure<double>* figure : {&r.totalInterest, &r.yearsToFinal, &r.eachPayment,
                                                &r.interestSaved, &r.acceleratedTotalInterest})
            EXPECT_TRUE(figure->emptied()) << c.name;
        EXPECT_TRUE(r.paymentsPerYear.emptied()) << c.name;
        // Every one of these fails before the days are reached.
        EXPECT_EQ(r.daysInYear.state, RunFigure<AffordDays>::State::NotWritten) << c.name;
        // The solved figure is 0 and emptied; the given ones are not written.
        const struct {
            AffordSolve solve;
            const RunFigure<double>& figure;
            double value;
            double given;
        } figures[] = {{AffordSolve::Principal, r.principal, r.figures.principal, c.figures.principal},
                       {AffordSolve::Payment, r.payment, r.figures.payment, c.figures.payment},
                       {AffordSolve::Years, r.years, r.figures.years, c.figures.years}};
        for (const auto& f : figures) {
            const bool solved = f.solve == c.solve;
            EXPECT_EQ(f.figure.state, solved ? State::Emptied : State::NotWritten) << c.name;
            EXPECT_EQ(f.value, solved ? 0.0 : f.given) << c.name;
        }
        EXPECT_EQ(r.figures.ratePercent, c.figures.ratePercent) << c.name;
    }
}

TEST(Afford, FailureAfterTheSolvedFigureKeepsIt) {
    // A 1,000-year period makes the payment barely cover the interest; a week at
    // 363 days then has a larger rate per period than a quarter of it covers.
    const AffordResult r = Solve(AffordSolve::Payment, With(100000, 6.5, 1000, 0), kMonthlyCompounding,
                                 Frequency::OneWeek, DayBasis::Preset(DayBasisChoice::Days363));
    ASSERT_TRUE(r.failed());
    EXPECT_EQ(r.message, AffordMessage::MissingEntry);
    ASSERT_TRUE(r.payment.written());
    EXPECT_GT(r.payment.value, 541.0);
    EXPECT_EQ(r.figures.payment, r.payment.value);
    // Written before the panel failed.
    ASSERT_TRUE(r.daysInYear.written());
    EXPECT_EQ(r.daysInYear.value.days, 363.0f);
    EXPECT_TRUE(r.totalInterest.emptied());
}

TEST(Afford, MonthlyPanelIsTheNormalMortgage) {
    const AffordResult r =
        Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding, kMonthlyPayments);
    ASSERT_FALSE(r.failed());
    EXPECT_EQ(r.interestSaved.value, 0.0);
    EXPECT_EQ(r.yearsToFinal.value, 25.0);
    EXPECT_EQ(r.eachPayment.value, r.payment.value);
    EXPECT_EQ(r.acceleratedTotalInterest.value, r.totalInterest.value);
    EXPECT_EQ(r.paymentsPerYear.value, 12);
    EXPECT_TRUE(r.daysInYear.value.normal());
}

TEST(Afford, DaysPlayNoPartForMonthlyAndSemimonthlyPayments) {
    const struct {
        Frequency frequency;
        bool normal;
    } cases[] = {{Frequency::Monthly, true},   {Frequency::Semimonthly, true},
                 {Frequency::TwoWeeks, false}, {Frequency::OneWeek, false},
                 {kBiweeklyAcc, false},        {Frequency::WeeklyAccelerated, false}};
    for (const auto& c : cases) {
        const DayBasis basis = DayBasis::Preset(DayBasisChoice::Days365_25);
        const AffordResult r =
            Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding, c.frequency, basis);
        const AffordResult at365 = Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding,
                                         c.frequency, DayBasis::Preset(DayBasisChoice::Days365));
        EXPECT_EQ(r.daysInYear.value.normal(), c.normal);
        EXPECT_EQ(r.daysInYear.value.days, 365.25f);
        EXPECT_EQ(r.yearsToFinal.value == at365.yearsToFinal.value, c.normal) << Info(c.frequency).cliName;
    }
}

// Without interest the principal is simply the payments added up; figures by
// hand (0 % loans are common for cars): 100,000 over 25 years is 300 months
// of 333.33; the biweekly-accelerated half of it, 166.67, 26 times a year,
// repays it in 100,000 / (166.667 x 26) = 23.08 years.
TEST(Afford, WithoutInterest) {
    const struct {
        AffordSolve solve;
        AffordFigures figures;
        double principal, payment, years, yearsToFinal, eachPayment;
    } cases[] = {
        {AffordSolve::Payment, With(100000, 0, 25, 0), 100000, 333.33, 25, 23.08, 166.67},
        {AffordSolve::Principal, With(0, 0, 25, 1000), 300000, 1000, 25, 23.08, 500},
        {AffordSolve::Years, With(100000, 0, 25, 700), 100000, 700, 11.90, 10.99, 350},
    };
    for (const auto& c : cases) {
        const AffordResult r = Solve(c.solve, c.figures);
        ASSERT_FALSE(r.failed()) << static_cast<int>(c.solve);
        EXPECT_NEAR(r.figures.principal, c.principal, kCent);
        EXPECT_NEAR(r.figures.payment, c.payment, kCent);
        EXPECT_NEAR(r.figures.years, c.years, kCent);
        EXPECT_NEAR(r.yearsToFinal.value, c.yearsToFinal, kCent);
        EXPECT_NEAR(r.eachPayment.value, c.eachPayment, kCent);
        EXPECT_NEAR(r.totalInterest.value, 0, kCent);
        EXPECT_NEAR(r.acceleratedTotalInterest.value, 0, kCent);
        EXPECT_NEAR(r.interestSaved.value, 0, kCent);
    }
}

}  // namespace
}  // namespace amortix
