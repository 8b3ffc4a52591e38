#include <gtest/gtest.h>

#include <string>

#include "core/calc/afford.h"
#include "core/format/numfmt.h"

namespace amortix {
namespace {

constexpr Compounding kMonthlyCompounding = Compounding::Monthly;
constexpr Compounding kSemiannual = Compounding::Semiannual;
constexpr Frequency kMonthlyPayments = Frequency::Monthly;
constexpr Frequency kBiweeklyAcc = Frequency::BiweeklyAccelerated;

AffordResult Solve(AffordSolve solve, AffordInputs in, Compounding compounding = kMonthlyCompounding,
                   Frequency frequency = kBiweeklyAcc,
                   DayBasis basis = DayBasis::Preset(amortix::DayBasisChoice::Days365),
                   const AffordTexts& shown = InitialAffordTexts("$")) {
    return SolveAfford(in, solve, compounding, frequency, basis, "$", shown);
}

AffordInputs With(double principal, double rate, double years, double payment) {
    return {principal, rate, years, payment};
}

TEST(Afford, SolvesThePaymentWithTheBiweeklyPanel) {
    const AffordResult r = Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0));
    ASSERT_FALSE(r.failed) << r.texts.MsgText;
    const AffordTexts& t = r.texts;
    EXPECT_EQ(t.MFInMthPayment, "         $675.21");
    EXPECT_EQ(t.MFInPrincipal, "   $100,000.00");  // only the solved box changes
    EXPECT_EQ(t.MFInTerm, "              25");
    EXPECT_EQ(t.TotalPmts, " $102,562.14");
    EXPECT_EQ(t.MFNumPmts, "      26");
    EXPECT_EQ(t.MFDaysinYear, "365");
    EXPECT_EQ(t.MFNumYrs, "           20.68");
    EXPECT_EQ(t.MFPiPmt, "         $337.60");
    EXPECT_EQ(t.MFTotIntPaid, "      $81,557.27");
    EXPECT_EQ(t.MFTotIntSaved, "      $21,004.87");
    EXPECT_EQ(t.MsgText, "");
    EXPECT_NEAR(r.inputs.payment, 675.21, 0.005);
    EXPECT_EQ(r.paymentsPerYear, 26);
}

TEST(Afford, RateIsHeldInSinglePrecision) {
    const AffordResult r =
        Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding, kMonthlyPayments);
    const double r32 = static_cast<double>(0.065f);
    EXPECT_DOUBLE_EQ(r.monthlyFactor, (1.0 + r32 / 12.0) - 1.0);
    EXPECT_NE(r.monthlyFactor, 0.065 / 12.0);
}

TEST(Afford, SolvedFigures) {
    struct Case {
        const char* name;
        AffordSolve solve;
        AffordInputs in;
        Compounding compounding;
        Frequency frequency;
        std::string AffordTexts::*box;
        const char* text;
    };
    const Case cases[] = {
        {"semiannual payment", AffordSolve::Payment, With(100000, 6.5, 25, 0), kSemiannual, kBiweeklyAcc,
         &AffordTexts::MFInMthPayment, "         $669.82"},
        {"principal for 1,000 a month", AffordSolve::Principal, With(0, 6.5, 25, 1000), kMonthlyCompounding,
         kBiweeklyAcc, &AffordTexts::MFInPrincipal, "     $148,102.70"},
        {"years for 700 a month", AffordSolve::Years, With(100000, 6.5, 0, 700), kMonthlyCompounding,
         kBiweeklyAcc, &AffordTexts::MFInTerm, "           22.93"},
        // A solved term shows two decimals even where payments are monthly.
        {"monthly years", AffordSolve::Years, With(100000, 6.5, 0, 700), kMonthlyCompounding,
         kMonthlyPayments, &AffordTexts::MFNumYrs, "           22.93"},
    };
    for (const Case& c : cases) {
        const AffordResult r = Solve(c.solve, c.in, c.compounding, c.frequency);
        EXPECT_FALSE(r.failed) << c.name;
        EXPECT_EQ(r.texts.*c.box, c.text) << c.name;
    }
}

TEST(Afford, Failures) {
    struct Case {
        const char* name;
        AffordSolve solve;
        AffordInputs in;
        const char* message;
        bool focusPayment;
    };
    const Case cases[] = {
        {"years: 560 a month needs 52.7 years", AffordSolve::Years, With(100000, 6.5, 25, 560),
         kAffordTooSmall, true},
        {"years: 541 is below the first month's interest", AffordSolve::Years, With(100000, 6.5, 25, 541),
         kAffordTooSmall, true},
        {"years: rate 0", AffordSolve::Years, With(100000, 0, 25, 700), kAffordTooSmall, true},
        {"years: no payment", AffordSolve::Years, With(100000, 6.5, 25, 0), kAffordTooSmall, true},
        {"payment: principal 0", AffordSolve::Payment, With(0, 6.5, 25, 0), kAffordMissingEntry, false},
        {"payment: rate 0", AffordSolve::Payment, With(100000, 0, 25, 0), kAffordMissingEntry, false},
        {"payment: period 0", AffordSolve::Payment, With(100000, 6.5, 0, 0), kAffordMissingEntry, false},
        {"principal: rate 0", AffordSolve::Principal, With(0, 0, 25, 1000), kAffordMissingEntry, false},
        {"principal: payment 0", AffordSolve::Principal, With(100000, 6.5, 25, 0), kAffordMissingEntry,
         false},
    };
    for (const Case& c : cases) {
        AffordTexts shown = InitialAffordTexts("$");
        shown.TotalPmts = shown.MFNumPmts = shown.MFNumYrs = shown.MFPiPmt = shown.MFTotIntSaved =
            shown.MFTotIntPaid = "old";
        shown.MFDaysinYear = "old days";
        shown.MFInMthPayment = "         $700.00";
        const AffordResult r = Solve(c.solve, c.in, kMonthlyCompounding, kBiweeklyAcc,
                                     DayBasis::Preset(amortix::DayBasisChoice::Days365), shown);
        EXPECT_TRUE(r.failed) << c.name;
        EXPECT_EQ(r.texts.MsgText, c.message) << c.name;
        EXPECT_EQ(r.focusPayment, c.focusPayment) << c.name;
        for (const std::string* box : {&r.texts.TotalPmts, &r.texts.MFNumPmts, &r.texts.MFNumYrs,
                                       &r.texts.MFPiPmt, &r.texts.MFTotIntSaved, &r.texts.MFTotIntPaid})
            EXPECT_EQ(*box, "") << c.name;
        EXPECT_EQ(r.texts.MFDaysinYear, "old days") << c.name;
        // The solved figure is 0 and its box empty; the others stay as they were.
        switch (c.solve) {
            case AffordSolve::Payment:
                EXPECT_EQ(r.inputs.payment, 0) << c.name;
                EXPECT_EQ(r.texts.MFInMthPayment, "") << c.name;
                EXPECT_EQ(r.texts.MFInTerm, shown.MFInTerm) << c.name;
                break;
            case AffordSolve::Principal:
                EXPECT_EQ(r.inputs.principal, 0) << c.name;
                EXPECT_EQ(r.texts.MFInPrincipal, "") << c.name;
                EXPECT_EQ(r.texts.MFInMthPayment, shown.MFInMthPayment) << c.name;
                break;
            case AffordSolve::Years:
                EXPECT_EQ(r.inputs.years, 0) << c.name;
                EXPECT_EQ(r.texts.MFInTerm, "") << c.name;
                EXPECT_EQ(r.texts.MFInPrincipal, shown.MFInPrincipal) << c.name;
                break;
        }
        EXPECT_EQ(r.inputs.ratePercent, c.in.ratePercent) << c.name;
    }
}

TEST(Afford, FailureAfterTheSolvedFigureKeepsIt) {
    // A 1,000-year period makes the payment barely cover the interest; a week at
    // 363 days then has a larger rate per period than a quarter of it covers.
    const AffordResult r = Solve(AffordSolve::Payment, With(100000, 6.5, 1000, 0), kMonthlyCompounding,
                                 Frequency::OneWeek, DayBasis::Preset(amortix::DayBasisChoice::Days363));
    ASSERT_TRUE(r.failed);
    EXPECT_EQ(r.texts.MsgText, kAffordMissingEntry);
    EXPECT_GT(r.inputs.payment, 541.0);
    EXPECT_EQ(r.texts.MFInMthPayment, "         $541.67");
    EXPECT_EQ(r.texts.MFDaysinYear, "363");  // written before the panel failed
    EXPECT_EQ(r.texts.TotalPmts, "");
}

TEST(Afford, MonthlyPanelIsTheNormalMortgage) {
    const AffordResult r =
        Solve(AffordSolve::Payment, With(100000, 6.5, 25, 0), kMonthlyCompounding, kMonthlyPayments);
    EXPECT_EQ(r.texts.MFTotIntSaved, "              $.00");
    EXPECT_EQ(r.texts.MFNumYrs, "           25.00");
    EXPECT_EQ(r.texts.MFPiPmt, "         $675.21");
    EXPECT_EQ(r.texts.MFTotIntPaid, "     $102,562.14");
    EXPECT_EQ(r.texts.MFNumPmts, "      12");
    EXPECT_EQ(r.texts.MFDaysinYear, "Normal");
}

TEST(Afford, TheOpeningPrincipalCarriesTheSymbol) {
    EXPECT_EQ(InitialAffordTexts("£").MFInPrincipal, "   £100,000.00");
}

}  // namespace
}  // namespace amortix
