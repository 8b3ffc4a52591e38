#include <gtest/gtest.h>

#include "core/schedule_shown.h"

#include "core/choice_printing.h"

#include <cmath>
#include <memory>

#include "core/calc/schedule.h"
#include "core/format/numfmt.h"

namespace amortix {
namespace {

using testing::Cell;
using testing::Grid;
using testing::Texts;

// The worked mortgage: 100,000 at 10.125 % over 25 years, compounded semiannually.
ScheduleInputs Worked(Frequency frequency = Frequency::Monthly,
                      ScheduleView view = ScheduleView::AllPayments) {
    ScheduleInputs in;
    in.compounding = Compounding::Semiannual;
    in.frequency = frequency;
    in.view = view;
    in.extra.years = 25;
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    return in;
}

void SetExtra(ScheduleInputs& in, int year, double amount, std::int16_t monthSetting) {
    in.extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    in.extra.month = Month::FromStoredCode(monthSetting);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
}

TEST(RateCore, WorkedPayment) {
    const auto f = PeriodsOf(Frequency::Monthly, DayBasis());
    const auto rates = RateFactors(10.125, Compounding::Semiannual, f.periodsPerYear);
    const auto m = MonthlyPayment(100000, rates.monthly, 10.125, Compounding::Semiannual, 25);
    EXPECT_NEAR(m.payment, 902.91, 0.005);
    EXPECT_NEAR(m.discount, 0.0846474, 1e-7);

    const auto same = RateFactors(6.0, Compounding::Monthly, 12.0);
    EXPECT_NEAR(same.monthly, 0.005, 1e-15);
    EXPECT_DOUBLE_EQ(same.monthly, same.period);
}

TEST(RateCore, TwoWeekFrequenciesShareTheRateButNotThePayment) {
    const DayBasis basis;
    const auto twoWeeks = PeriodsOf(Frequency::TwoWeeks, basis);
    const auto biweekly = PeriodsOf(Frequency::BiweeklyAccelerated, basis);
    const auto rates = RateFactors(10.125, Compounding::Semiannual, twoWeeks.periodsPerYear);
    EXPECT_DOUBLE_EQ(RatePerPeriod(twoWeeks, rates), RatePerPeriod(biweekly, rates));
    EXPECT_NE(PeriodPayment(902.91, Frequency::TwoWeeks),
              PeriodPayment(902.91, Frequency::BiweeklyAccelerated));
}

TEST(DayBasis, PresetsAndTypedValues) {
    // The presets are eight-decimal figures, not days / 14 and days / 7:
    // schedules saved with them must come out the same.
    const struct {
        int choice;
        float days;
        double biweekly, weekly;
    } presets[] = {{0, 365.25f, 26.08928571, 52.17857143},
                   {1, 365.0f, 26.07142857, 52.14285714},
                   {2, 364.0f, 26.0, 52.0},
                   {3, 363.0f, 25.92857143, 51.85714286}};
    for (const auto& p : presets) {
        const DayBasis b = DayBasis::Preset(*DayBasisChoiceFromCode(p.choice));
        EXPECT_EQ(b.days, p.days) << p.choice;
        EXPECT_EQ(b.biweeklyPeriods, p.biweekly) << p.choice;
        EXPECT_EQ(b.weeklyPeriods, p.weekly) << p.choice;
    }
    EXPECT_EQ(DayBasis().biweeklyPeriods, DayBasis::Preset(amortix::DayBasisChoice::Days365).biweeklyPeriods);
    EXPECT_EQ(DayBasis().weeklyPeriods, DayBasis::Preset(amortix::DayBasisChoice::Days365).weeklyPeriods);
    const DayBasis typed = DayBasis::Typed(365.0f);
    EXPECT_NE(typed.biweeklyPeriods, DayBasis::Preset(amortix::DayBasisChoice::Days365).biweeklyPeriods);
    EXPECT_NEAR(typed.biweeklyPeriods, 26.07142857, 1e-8);  // differs only in the ninth decimal
    EXPECT_NEAR(DayBasis::Typed(364.5f).biweeklyPeriods, 26.0357142857, 1e-9);
    EXPECT_NEAR(DayBasis::Typed(364.5f).weeklyPeriods, 52.0714285714, 1e-9);
    const std::pair<float, bool> acceptable[] = {{363.0f, false}, {365.25f, false}, {0.0f, false},
                                                 {363.01f, true}, {365.0f, true},   {365.24f, true}};
    for (const auto& [days, ok] : acceptable) EXPECT_EQ(DayBasis::TypedDaysAcceptable(days), ok) << days;
}

TEST(DayBasis, DaysInYearTexts) {
    EXPECT_EQ(DaysInYearText(12, 365.25f), "Normal");
    EXPECT_EQ(DaysInYearText(24, 364.0f), "Normal");
    EXPECT_EQ(DaysInYearText(26, 365.0f), "365");
    EXPECT_EQ(DaysInYearText(52, 365.25f), "365.25");
    EXPECT_EQ(DaysInYearText(26, 364.5f), "364.5");
}

// The final payment always brings the balance to exactly zero. With fewer
// days in the year the 2-week and 1-week rates rise and the loan runs a few
// payments past the period: the bound leaves room for them.
TEST(Schedule, PaymentCountsAndTheFinalPayment) {
    const struct {
        Frequency frequency;
        int payments;
        const char* endYear;
        double rate = 10.125, years = 25;
        bool week363 = false;  // monthly compounding over 363 days
    } cases[] = {
        {Frequency::Monthly, 300, "       25.00"},
        {Frequency::BiweeklyAccelerated, 485, "       18.65"},
        {Frequency::WeeklyAccelerated, 968, "       18.62"},
        {Frequency::TwoWeeks, 639, "       24.58"},
        {Frequency::TwoWeeks, 651, nullptr, 5.0, 25, true},
        {Frequency::TwoWeeks, 1045, nullptr, 10.125, 40, true},
        {Frequency::OneWeek, 2082, nullptr, 5.0, 40, true},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked(c.frequency);
        in.ratePercent = c.rate;
        in.years = c.years;
        if (c.week363) {
            in.compounding = Compounding::Monthly;
            in.dayBasis = DayBasis::Preset(amortix::DayBasisChoice::Days363);
        }
        const ScheduleResult r = CalculateSchedule(in);
        const std::string what = std::string(Info(c.frequency).cliName) + " " + std::to_string(c.payments);
        EXPECT_TRUE(r.messages.empty()) << what;
        EXPECT_EQ(r.payments, c.payments) << what;
        EXPECT_EQ(Cell(r, c.payments, 4), 0.0) << what;
        EXPECT_EQ(Cell(r, c.payments, 3), Cell(r, c.payments - 1, 4)) << what;
        if (c.endYear) {
            EXPECT_EQ(r.gridRows, c.payments) << what;
            EXPECT_EQ(Texts(r).yearsToFinal, c.endYear) << what;
            EXPECT_EQ(r.resultsReady, c.payments + 1) << what;
        }
    }
}

// A period with part of a month (to the hundredth of a year, as files and the
// command line hold it) ends with a smaller payment of what is left; whole
// months keep their count. The first row is the period property's shrunk
// counter-example, which ended with 10.23 still owed.
TEST(Schedule, PartOfAMonthEndsWithAPartPayment) {
    const struct {
        const char* name;
        TableKind mode;
        double principal, rate, years;
        Rounding rounding;
        int payments;
    } cases[] = {
        {"0.44 years", TableKind::Mortgage, 192.43, 1.333, 0.44, Rounding::Exact, 6},
        {"10.01 years", TableKind::Mortgage, 100000, 10.125, 10.01, Rounding::Exact, 121},
        {"10.01 years, lender", TableKind::Mortgage, 100000, 10.125, 10.01, Rounding::Lender, 121},
        {"10.5 years", TableKind::Mortgage, 100000, 10.125, 10.5, Rounding::Exact, 126},
        {"25 years", TableKind::Mortgage, 100000, 10.125, 25, Rounding::Exact, 300},
        {"30.4 months", TableKind::PersonalLoan, 20000, 9, 30.4 / 12, Rounding::Exact, 31},
        {"30 months", TableKind::PersonalLoan, 20000, 9, 30.0 / 12, Rounding::Exact, 30},
        {"1 month", TableKind::PersonalLoan, 20000, 9, 1.0 / 12, Rounding::Exact, 1},
        {"479 months", TableKind::PersonalLoan, 20000, 0, 479.0 / 12, Rounding::Exact, 479},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked();
        in.mode = c.mode;
        in.principal = c.principal;
        in.ratePercent = c.rate;
        in.years = c.years;
        in.rounding = c.rounding;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated) << c.name;
        EXPECT_EQ(r.payments, c.payments) << c.name;
        const ScheduleRow& last = r.rows.back();
        EXPECT_EQ(last.balance, Currency()) << c.name;
        EXPECT_EQ(last.principal, r.rows[r.rows.size() - 2].balance) << c.name;
        EXPECT_NEAR(last.cumulativePrincipal.ToDouble(), c.principal, 0.01) << c.name;
        EXPECT_LE(last.principal.ToDouble() + last.interest.ToDouble(), r.summary.payment + 0.01) << c.name;
    }
}

TEST(Schedule, MonthlyResultBoxes) {
    const ScheduleResult r = CalculateSchedule(Worked());
    EXPECT_EQ(Texts(r).payment, "     $902.91");
    EXPECT_EQ(Texts(r).rateFactor, "0.00826484");
    EXPECT_EQ(Texts(r).daysInYear, "Normal");
    EXPECT_EQ(Texts(r).paymentsPerYear, "          12");
    EXPECT_EQ(Texts(r).totalPaid, " $270,873.89");
    EXPECT_EQ(Texts(r).interestSaved, "        $.00");
    EXPECT_EQ(Texts(r).increaseAmount, "        $.00");
    EXPECT_EQ(Texts(r).increaseCaption, " P+I includes      0.000%");
    EXPECT_EQ(FormatNumber(r.rows[300].principal, "###.00"), "895.51");
    EXPECT_EQ(Grid(r).Cell(r.gridRows + 2, 0), "Total:");
    EXPECT_EQ(Grid(r).Cell(r.gridRows + 2, 3), "$.00");
    EXPECT_EQ(Grid(r).Cell(r.gridRows + 2, 4), "$170,873.89");
    EXPECT_EQ(Grid(r).Cell(13, 0), "  13       2");
    EXPECT_EQ(Grid(r).Cell(0, 3), "Remaining Balance");
}

TEST(Schedule, PercentageIncrease) {
    ScheduleInputs in = Worked();
    in.extra.increase = 0.05f;
    const ScheduleResult r = CalculateSchedule(in);
    EXPECT_EQ(Texts(r).payment, "     $948.06");
    EXPECT_EQ(Texts(r).increaseAmount, "      $45.15");
    EXPECT_EQ(Texts(r).increaseCaption, " P+I includes      5.000%");
    EXPECT_LT(r.gridRows, 300);
    EXPECT_NE(Texts(r).interestSaved, "        $.00");
}

struct ExtraCase {
    std::int16_t monthSetting;
    int appliedTo;  // payment that carries the amount
    int payments;
    const char* month;
};

TEST(Schedule, YearlyAdditionalPayments) {
    const ScheduleResult plain = CalculateSchedule(Worked());
    const ExtraCase cases[] = {{12, 1, 248, "  1"}, {3, 4, 249, "  4"}};
    for (const auto& c : cases) {
        ScheduleInputs in = Worked();
        SetExtra(in, 1, 5000, c.monthSetting);
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(r.gridRows, c.payments);
        EXPECT_EQ(r.appliedCount, 1);
        EXPECT_DOUBLE_EQ(Cell(r, c.appliedTo, 3), Cell(plain, c.appliedTo, 3) + 5000);
        EXPECT_EQ(AdditionalNotesText(r),
                  std::string("Additional  Payments     Applied\r\n\r\n Year   1    Month") + c.month +
                      "    5,000.00\r\n");
        // The block below the totals row.
        EXPECT_EQ(Grid(r).Cell(r.gridRows + 4, 0), "Additional ");
        EXPECT_EQ(Grid(r).Cell(r.gridRows + 6, 0), "Year    1");
        EXPECT_EQ(Grid(r).Cell(r.gridRows + 6, 1), std::string(" Month ") + c.month + " ");
        EXPECT_EQ(Grid(r).Cell(r.gridRows + 6, 2), "5,000.00");
        EXPECT_EQ(Grid(r).RowCount(), c.payments + 4 + 1 + 4);
    }
}

TEST(Schedule, AnAmountAsLargeAsTheBalanceIsSkipped) {
    ScheduleInputs in = Worked();
    SetExtra(in, 2, 500000, 12);
    const ScheduleResult r = CalculateSchedule(in);
    EXPECT_EQ(r.appliedCount, 0);
    EXPECT_EQ(r.gridRows, 300);
    // With nothing applied, every year with an amount is still listed.
    EXPECT_NE(AdditionalNotesText(r).find(" Year   2"), std::string::npos);
}

TEST(Schedule, Messages) {
    using Spoil = void (*)(ScheduleInputs&);
    const struct {
        const char* name;
        Spoil spoil;
        std::vector<int> messages;
        bool results;
    } cases[] = {
        {"zero rate: no interest, still a schedule",
         [](ScheduleInputs& in) { in.ratePercent = 0; },
         {},
         true},
        {"41 years", [](ScheduleInputs& in) { in.years = 41; }, {5}, false},
        {"40 years", [](ScheduleInputs& in) { in.years = 40; }, {}, true},
        // Fractions of a year, as files and the command line hold them
        // (counter-examples of the period and command-line properties): no
        // longer than 40 years, no shorter than a month.
        {"a hundredth of a year beyond 40", [](ScheduleInputs& in) { in.years = 40.01; }, {5}, false},
        {"a hundredth of a year", [](ScheduleInputs& in) { in.years = 0.01; }, {41}, false},
        {"half a year", [](ScheduleInputs& in) { in.years = 0.5; }, {}, true},
        {"a loan of half a month",
         [](ScheduleInputs& in) { in.mode = TableKind::PersonalLoan, in.years = 0.5 / 12; },
         {42},
         false},
        {"a loan of a month",
         [](ScheduleInputs& in) { in.mode = TableKind::PersonalLoan, in.years = 1.0 / 12; },
         {},
         true},
        // The loan screen limits months itself.
        {"loan of 41 years",
         [](ScheduleInputs& in) { in.mode = TableKind::PersonalLoan, in.years = 41; },
         {},
         true},
        // A term longer than the period is reset, then calculated.
        {"term beyond period", [](ScheduleInputs& in) { in.years = 5, in.termYears = 10; }, {34}, true},
        // Retired before 10 years: nothing shown.
        {"term beyond payoff",
         [](ScheduleInputs& in) {
             in = Worked(Frequency::BiweeklyAccelerated, ScheduleView::Annual), in.years = 10,
             in.termYears = 10;
         },
         {34},
         false},
        // Figures outside their ranges are named with the range.
        {"overflow", [](ScheduleInputs& in) { in.principal = 1e15; }, {39}, false},
        {"above the principal limit", [](ScheduleInputs& in) { in.principal = 10'000'000; }, {39}, false},
        {"principal 0", [](ScheduleInputs& in) { in.principal = 0; }, {39}, false},
        {"negative rate", [](ScheduleInputs& in) { in.ratePercent = -0.5; }, {40}, false},
        {"rate above 100 %", [](ScheduleInputs& in) { in.ratePercent = 100.5; }, {40}, false},
        {"zero period", [](ScheduleInputs& in) { in.years = 0; }, {41}, false},
        {"zero loan period",
         [](ScheduleInputs& in) { in.mode = TableKind::PersonalLoan, in.years = 0; },
         {42},
         false},
        {"largest figures",
         [](ScheduleInputs& in) { in.principal = 9'999'999.99, in.ratePercent = 100; },
         {},
         true},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked();
        c.spoil(in);
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(MessageNumbers(r.messages), c.messages) << c.name;
        EXPECT_EQ(r.calculated, c.results) << c.name;
        EXPECT_EQ(r.termYears, 0) << c.name;
        if (!c.results) {
            EXPECT_EQ(Texts(r).payment, "") << c.name;
            EXPECT_EQ(r.resultsReady, 0) << c.name;
            EXPECT_EQ(Grid(r).RowCount(), 1) << c.name;
            EXPECT_EQ(Texts(r).increaseCaption, kLabel16Cleared) << c.name;
        }
    }
}

TEST(Schedule, GridSizes) {
    struct Case {
        ScheduleView view;
        std::int16_t term;
        int gridRows;
        int rowCount;
    };
    const Case cases[] = {
        {ScheduleView::AllPayments, 0, 300, 304},
        {ScheduleView::Annual, 0, 25, 29},
        {ScheduleView::Annual, 1, 1, 23},
        {ScheduleView::AllPayments, 5, 60, 64},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked(Frequency::Monthly, c.view);
        in.termYears = c.term;
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(r.gridRows, c.gridRows);
        EXPECT_EQ(Grid(r).RowCount(), c.rowCount);
    }
    ScheduleInputs in = Worked();
    in.termYears = 5;
    const ScheduleResult r = CalculateSchedule(in);
    EXPECT_EQ(Grid(r).Cell(62, 0), "5 Yr. Term");
    EXPECT_EQ(Grid(r).Cell(62, 3), "$94,094.39");  // the balance after payment 60
    EXPECT_EQ(Grid(r).Cell(61, 0), "");
}

TEST(Schedule, GridHeadersBeforeAnyCalculation) {
    const struct {
        ScheduleView view;
        bool dates;
        const char* column0;
    } cases[] = {
        {ScheduleView::Annual, false, " Payment  Year"},
        {ScheduleView::Annual, true, " Payment  Year"},
        {ScheduleView::AllPayments, false, "  Payment   No.  Year"},
        {ScheduleView::AllPayments, true, " Payment  Date"},
    };
    for (const auto& c : cases) EXPECT_EQ(GridHeader(0, c.view, c.dates), c.column0) << c.column0;
    EXPECT_EQ(GridHeader(6, ScheduleView::Annual, false), "");
    EXPECT_EQ(GridHeader(-1, ScheduleView::Annual, false), "");
}

TEST(Schedule, AnnualTotals) {
    const ScheduleResult all = CalculateSchedule(Worked());
    const ScheduleResult annual = CalculateSchedule(Worked(Frequency::Monthly, ScheduleView::Annual));
    double interest = 0;
    for (int k = 13; k <= 24; ++k) interest += Cell(all, k, 2);
    EXPECT_NEAR(Cell(annual, 2, 2), interest, 1e-9);
    EXPECT_EQ(Cell(annual, 2, 4), Cell(all, 24, 4));
    EXPECT_EQ(Grid(annual).Cell(3, 0), "   3");
    EXPECT_EQ(Texts(annual).totalPaid, Texts(all).totalPaid);
}

// A year with any payment in it gets an annual row: 24.42 years make 25 rows,
// while the graph's point count rounds the years to the nearest.
TEST(Schedule, AnnualRowsCoverEveryYearWithPayments) {
    const struct {
        Frequency frequency;
        Compounding compounding;
        int rows;
        int resultsReady;
        const char* endYear;
    } cases[] = {
        {Frequency::OneWeek, Compounding::Monthly, 25, 24, "       24.42"},
        {Frequency::BiweeklyAccelerated, Compounding::Semiannual, 19, 19, "       18.65"},
        {Frequency::Semimonthly, Compounding::Monthly, 25, 25, "       24.79"},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked(c.frequency, ScheduleView::Annual);
        in.compounding = c.compounding;
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(Texts(r).yearsToFinal, c.endYear) << c.frequency;
        EXPECT_EQ(r.gridRows, c.rows) << c.frequency;
        EXPECT_EQ(r.resultsReady, c.resultsReady) << c.frequency;
        EXPECT_EQ(Cell(r, c.rows, 4), 0.0) << c.frequency;
        EXPECT_GT(Cell(r, c.rows, 3), 0.0) << c.frequency;
    }
}

TEST(IsoDate, PadsEveryFieldAndKeepsYearsOutsideFourDigits) {
    const struct {
        int year, month, day;
        const char* text;
    } cases[] = {{2027, 12, 31, "2027-12-31"}, {99, 1, 5, "0099-01-05"}, {10000, 2, 29, "10000-02-29"}};
    for (const auto& c : cases) EXPECT_EQ(IsoDate(SerialFromCivil(c.year, c.month, c.day)), c.text);
}

// 0 %: every payment is principal, the count is the principal over the
// payment (by hand: 12,000 over a year is 12 of 1,000; the accelerated
// frequencies pay half and a quarter of that, so 24 and 48 payments, 24/26
// of a year), and the last payment takes what is left.
TEST(Schedule, WithoutInterest) {
    const struct {
        Frequency frequency;
        int payments;
        double payment;
        float yearsToFinal;
    } cases[] = {
        {Frequency::Monthly, 12, 1000, 1.0f},
        {Frequency::Semimonthly, 24, 500, 1.0f},
        {Frequency::TwoWeeks, 26, 12000.0 / 26, 1.0f},
        {Frequency::OneWeek, 52, 12000.0 / 52, 1.0f},
        {Frequency::BiweeklyAccelerated, 24, 500, 24.0f / 26},
        {Frequency::WeeklyAccelerated, 48, 250, 48.0f / 52},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked(c.frequency);
        in.principal = 12000;
        in.ratePercent = 0;
        in.years = 1;
        const ScheduleResult r = CalculateSchedule(in);
        const std::string name(Info(c.frequency).cliName);
        ASSERT_TRUE(r.calculated) << name;
        EXPECT_EQ(r.payments, c.payments) << name;
        EXPECT_NEAR(r.summary.payment, c.payment, 1e-9) << name;
        EXPECT_NEAR(r.summary.yearsToFinal, c.yearsToFinal, 1e-6) << name;
        EXPECT_EQ(r.summary.totalPaid, Currency::FromDouble(12000)) << name;
        const ScheduleRow& last = r.rows[static_cast<std::size_t>(r.payments)];
        EXPECT_EQ(last.balance, Currency()) << name;
        EXPECT_EQ(last.cumulativeInterest, Currency()) << name;
        EXPECT_EQ(last.cumulativePrincipal, Currency::FromDouble(12000)) << name;
    }
}

TEST(Schedule, PaymentDates) {
    struct Case {
        Frequency frequency;
        ScheduleView view;
        CivilDate first;
        std::vector<std::pair<int, const char*>> rows;  // row -> ISO date
    };
    const Case cases[] = {
        {Frequency::Monthly,
         ScheduleView::AllPayments,
         {2024, 1, 31},
         {{1, "2024-01-31"}, {2, "2024-02-29"}, {3, "2024-03-31"}, {14, "2025-02-28"}}},
        {Frequency::Semimonthly,
         ScheduleView::AllPayments,
         {2024, 1, 1},
         {{1, "2024-01-01"}, {2, "2024-01-15"}, {3, "2024-02-01"}, {4, "2024-02-15"}}},
        {Frequency::TwoWeeks,
         ScheduleView::AllPayments,
         {2024, 1, 1},
         {{1, "2024-01-01"}, {2, "2024-01-15"}}},
        {Frequency::WeeklyAccelerated,
         ScheduleView::AllPayments,
         {2024, 1, 1},
         {{1, "2024-01-01"}, {3, "2024-01-15"}}},
        {Frequency::Monthly,
         ScheduleView::Annual,
         {2024, 2, 29},
         {{1, "2024-02-29"}, {2, "2025-02-28"}, {5, "2028-02-29"}}},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Worked(c.frequency, c.view);
        in.showDates = true;
        in.firstPaymentDate = SerialFromCivil(c.first.year, c.first.month, c.first.day);
        const ScheduleResult r = CalculateSchedule(in);
        for (const auto& [row, iso] : c.rows)
            EXPECT_EQ(Grid(r).Cell(row, 0), iso) << c.frequency << " row " << row;
    }
}

TEST(Schedule, PersonalLoanShowsMonths) {
    ScheduleInputs in;
    in.mode = TableKind::PersonalLoan;
    in.principal = 20000;
    in.years = 48.0 / 12.0;
    in.view = ScheduleView::Annual;
    const ScheduleResult r = CalculateSchedule(in);
    EXPECT_EQ(Texts(r).yearsToFinal, "       48.00");
    EXPECT_EQ(r.gridRows, 4);
    EXPECT_EQ(r.graphTitle, "Personal Loan balance at start of each Year");
    in.years = 30.0 / 12.0;  // 30 months: two and a half years
    EXPECT_EQ(Texts(CalculateSchedule(in)).yearsToFinal, "       30.00");
}

TEST(BalanceByYear, OnePointPerYearFromThePrincipal) {
    const ScheduleResult all = CalculateSchedule(Worked());
    const GraphData g = BuildBalanceByYear(all, 100000);
    EXPECT_EQ(g.count, 25);
    ASSERT_EQ(g.points.size(), 26u);
    EXPECT_EQ(g.points[0].value, 100000);
    EXPECT_EQ(g.points[1].value, Cell(all, 12, 4));
    EXPECT_EQ(g.points[24].value, Cell(all, 288, 4));
    EXPECT_EQ(g.points[25].value, 0.0);
    EXPECT_EQ(g.points[3].labelNumber, 4);

    const ScheduleResult annual = CalculateSchedule(Worked(Frequency::Monthly, ScheduleView::Annual));
    const GraphData ga = BuildBalanceByYear(annual, 100000);
    for (std::size_t i = 0; i < g.points.size(); ++i) EXPECT_EQ(ga.points[i].value, g.points[i].value) << i;

    ScheduleInputs oneYear = Worked();
    oneYear.years = 1;
    const GraphData g1 = BuildBalanceByYear(CalculateSchedule(oneYear), 100000);
    EXPECT_EQ(g1.count, 1);
    ASSERT_EQ(g1.points.size(), 2u);
    EXPECT_EQ(g1.points[1].value, 0.0);

    ScheduleInputs zero = Worked();
    zero.years = 0;
    EXPECT_TRUE(BuildBalanceByYear(CalculateSchedule(zero), 100000).points.empty());
}

TEST(BalanceByYear, APartialLastYearCountsOnceItPassesAHundredthOfAYear) {
    const struct {
        float yearsToFinal;
        int count;
    } cases[] = {{20.68f, 21}, {20.00f, 20}, {20.005f, 20}, {20.02f, 21}, {0.5f, 1}, {0.0f, 0}};
    for (const auto& c : cases) {
        auto result = std::make_unique<ScheduleResult>();
        result->calculated = true;
        result->view = ScheduleView::Annual;
        result->summary.yearsToFinal = c.yearsToFinal;
        EXPECT_EQ(BuildBalanceByYear(*result, 1000).count, c.count) << c.yearsToFinal;
    }
}

}  // namespace
}  // namespace amortix
