#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include <cmath>
#include <string>

#include "core/calc/comparison.h"
#include "core/format/numfmt.h"

namespace amortix {
namespace {

ComparisonInputs Inputs(Frequency frequency = Frequency::Monthly) {
    ComparisonInputs in;
    in.frequency = frequency;
    return in;
}

// Additional amounts for the given years, in the month setting of the screen
// (12 for the first month of the year, else the month - 1).
ComparisonInputs WithAmounts(std::initializer_list<std::pair<int, double>> amounts, std::int16_t month = 12) {
    ComparisonInputs in = Inputs();
    in.extra.years = 25;
    in.extra.month = Month::FromStoredCode(month);
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (const auto& [year, amount] : amounts)
        in.extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    return in;
}

ComparisonInputs WithPrincipal(double principal, ComparisonInputs in) {
    in.principal = principal;
    return in;
}

long PaymentsMade(const ComparisonRun& run, int perYear) {
    std::string retired = run.cells[5];
    if (!retired.empty() && retired[0] == '*') retired.erase(0, 1);
    return std::lround(ParseNumber(retired) * perYear);
}

// Each frequency on the default mortgage; the days in the year set the rate
// of the week frequencies.
TEST(Comparison, EachFrequencyAndDaysInYear) {
    struct Case {
        Frequency frequency;
        int preset;
        int perYear;
        const char* days;
        const char* factor;
        const char* retired;
        const char* payment = nullptr;
        const char* totalInterest = nullptr;
        long payments = 0;
    };
    const Case cases[] = {
        {Frequency::Monthly, 1, 12, "Normal", "0.0084375", "25.00", "$917.53", "$175,258.20", 300},
        {Frequency::Semimonthly, 1, 24, "Normal", "0.00420989", "24.79", "$458.76", "$172,666.12", 595},
        {Frequency::TwoWeeks, 1, 26, "365", "0.00387476", "24.54", "$423.47", "$169,924.71", 638},
        {Frequency::OneWeek, 1, 52, "365", "0.00193551", "24.42", "$211.74", "$168,790.91", 1270},
        {Frequency::BiweeklyAccelerated, 1, 26, "365", "0.00387476", "18.54", "$458.76", "$120,861.40", 482},
        {Frequency::WeeklyAccelerated, 1, 52, "365", "0.00193551", "18.48", "$229.38", "$120,239.46", 961},
        {Frequency::BiweeklyAccelerated, 0, 26, "365.25", "0.0038721", "18.50"},
        {Frequency::TwoWeeks, 2, 26, "364", "0.00388542", "24.77"},
        {Frequency::WeeklyAccelerated, 3, 52, "363", "0.00194618", "18.67"},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(Info(c.frequency).cliName) + " " + c.days;
        Comparison comparison;
        ComparisonInputs in = Inputs(c.frequency);
        in.dayBasis = DayBasis::Preset(*DayBasisChoiceFromCode(c.preset));
        const ComparisonRun run = comparison.Calculate(in);
        ASSERT_TRUE(run.added) << what;
        EXPECT_TRUE(run.messages.empty()) << what;
        EXPECT_EQ(run.InDays, c.days) << what;
        EXPECT_EQ(run.cells[1], c.days) << what;
        EXPECT_EQ(run.PeriodicR, c.factor) << what;
        EXPECT_EQ(run.cells[5], c.retired) << what;
        EXPECT_FALSE(run.listed) << what;
        if (c.payment) {
            EXPECT_EQ(run.cells[9], c.payment) << what;
            EXPECT_EQ(run.cells[11], c.totalInterest) << what;
            EXPECT_EQ(PaymentsMade(run, c.perYear), c.payments) << what;
        }
    }
}

TEST(Comparison, RowCellsOfTheDefaultMortgage) {
    Comparison comparison;
    const ComparisonRun run = comparison.Calculate(Inputs());
    const std::array<std::string, kGrid1Columns> expected = {"01",     "Normal",  "Monthly", "Monthly",
                                                             "25",     "25.00",   "12 ",     "$100,000.00",
                                                             "10.125", "$917.53", " 0.000",  "$175,258.20"};
    EXPECT_EQ(run.cells, expected);
    EXPECT_EQ(comparison.State().grid1[1], expected);
    EXPECT_EQ(comparison.State().grid1[0][0], " #  of Row");
    EXPECT_TRUE(run.grid1Cleared);
}

TEST(Comparison, StarMarksIncreasedOrAppliedRowsOnly) {
    struct Case {
        const char* name;
        ComparisonInputs inputs;
        bool starred;
        bool listed;
        int entries;
    };
    ComparisonInputs increased = Inputs();
    increased.extra.increase = 0.05f;
    const Case cases[] = {
        {"increase only", increased, true, false, 0},
        {"one amount", WithAmounts({{1, 5000}}), true, true, 1},
        {"amount not below the balance is skipped", WithAmounts({{2, 100000}}), false, false, 0},
        {"skipped amount beside an applied one", WithAmounts({{1, 5000}, {2, 100000}}), true, true, 1},
        {"amount of 0", WithAmounts({{1, 0}}), false, false, 0},
        // 1,960,520.5097 is the balance after payment 24 less that payment's
        // principal part, exactly: the year-3 amount on the edge of being applied.
        {"amount equal to the balance less the previous principal",
         WithPrincipal(2001411.10, WithAmounts({{3, 1960520.5097}})), false, false, 0},
        {"a ten-thousandth less", WithPrincipal(2001411.10, WithAmounts({{3, 1960520.5096}})), true, true, 1},
    };
    for (const Case& c : cases) {
        Comparison comparison;
        const ComparisonRun run = comparison.Calculate(c.inputs);
        ASSERT_TRUE(run.added) << c.name;
        EXPECT_EQ(run.cells[5][0] == '*', c.starred) << c.name << ": " << run.cells[5];
        EXPECT_EQ(run.listed, c.listed) << c.name;
        const ComparisonState& s = comparison.State();
        EXPECT_EQ(s.greatestEntries, c.entries) << c.name;
        EXPECT_EQ(s.listingIndex, c.listed ? 1 : 0) << c.name;
        const std::string line3 = s.printout.substr(s.printout.find("\r\n\r\n") + 4, 22);
        EXPECT_EQ(line3.substr(17, 5), c.starred ? "    *" : "     ") << c.name;
    }
}

TEST(Comparison, IncreaseRaisesThePaymentAndShowsItsPercentage) {
    ComparisonInputs in = Inputs();
    in.extra.increase = 0.05f;
    Comparison comparison;
    const ComparisonRun run = comparison.Calculate(in);
    EXPECT_EQ(run.cells[9], "$963.40");  // 917.5273 x 1.05
    EXPECT_EQ(run.cells[10], " 5.000");
}

// The comparison adds an anniversary's amount to the principal part in double
// precision, not in currency: here that moves the total interest by a cent.
TEST(Comparison, AnniversaryAmountsAddInDoublePrecision) {
    Comparison comparison;
    EXPECT_EQ(
        comparison.Calculate(WithPrincipal(100035.00, WithAmounts({{3, 5000}, {9, 1000}}, 4))).cells[11],
        "$137,249.36");
}

TEST(Comparison, ListingLaysOutColumnPairsPerRow) {
    Comparison comparison;
    comparison.Calculate(Inputs());  // row 1 lists nothing
    const ComparisonRun second = comparison.Calculate(WithAmounts({{1, 5000}, {3, 2000}, {10, 750.5}}, 3));
    ASSERT_TRUE(second.listed);
    EXPECT_EQ(second.grid2Rows, kGrid2MinRows);
    EXPECT_EQ(second.grid2Columns, kGrid2MinColumns);
    const ComparisonRun third = comparison.Calculate(WithAmounts({{2, 1000}}, 11));

    const ComparisonState& s = comparison.State();
    // Row 2 in columns 0 and 1, row 3 in columns 2 and 3.
    const std::vector<std::vector<std::string>> expected = {
        {" Yr. Mth", " Row     2", " Yr. Mth", " Row     3"},
        {" 1    4", "  5,000.00", " 2   12", "  1,000.00"},
        {" 3    4", "  2,000.00", "", ""},
        {"10    4", "    750.50", "", ""},
        {"", "", "", ""},
    };
    for (std::size_t r = 0; r < expected.size(); ++r)
        for (std::size_t c = 0; c < 4; ++c) EXPECT_EQ(s.grid2[r][c], expected[r][c]) << r << "," << c;
    EXPECT_EQ(third.grid2, s.grid2);

    EXPECT_EQ(s.listingLabels[0][0], "Yr. Mth Row");
    EXPECT_EQ(s.listingAmounts[0][0], "  2");
    EXPECT_EQ(s.listingLabels[1][0], " 1 4");
    EXPECT_EQ(s.listingLabels[3][0], "10 4");
    EXPECT_EQ(s.listingAmounts[3][0], "    750.50");
    EXPECT_EQ(s.listingLabels[1][1], " 2 12");
    EXPECT_EQ(s.listingAmounts[0][1], "  3");
    EXPECT_EQ(s.listingIndex, 2);
    EXPECT_EQ(s.listingColumn, 4);
    EXPECT_EQ(s.greatestEntries, 3);
    EXPECT_EQ(s.greatestEntriesByGroup[0], 3);
    EXPECT_EQ(s.greatestListingIndex, 1);
}

TEST(Comparison, ListingGridGrowsPastTheMinimum) {
    std::initializer_list<std::pair<int, double>> twelve = {{1, 100}, {2, 100},  {3, 100},  {4, 100},
                                                            {5, 100}, {6, 100},  {7, 100},  {8, 100},
                                                            {9, 100}, {10, 100}, {11, 100}, {12, 100}};
    Comparison comparison;
    ComparisonRun run;
    for (int i = 0; i < 5; ++i) run = comparison.Calculate(WithAmounts(twelve));
    ASSERT_EQ(run.grid2Rows, 14);
    ASSERT_EQ(run.grid2Columns, 10);
    ASSERT_EQ(run.grid2.size(), 14u);
    EXPECT_EQ(run.grid2[12][8], "12    1");
    EXPECT_EQ(run.grid2[13][8], "");
    run = comparison.Calculate(WithAmounts({{1, 100}}));
    EXPECT_EQ(run.grid2Rows, 14);  // never shrinks
    EXPECT_EQ(run.grid2Columns, 12);
    const ComparisonState& s = comparison.State();
    EXPECT_EQ(s.greatestListingIndex, 5);
    EXPECT_EQ(s.greatestEntriesByGroup[0], 12);
    EXPECT_EQ(s.greatestEntriesByGroup[1], 12);
}

TEST(Comparison, NinthRowRaisesMessage22AndChangesNothing) {
    Comparison comparison;
    for (int i = 0; i < kComparisonRowLimit; ++i) ASSERT_TRUE(comparison.Calculate(Inputs()).added);
    const ComparisonState before = comparison.State();
    const ComparisonRun run = comparison.Calculate(Inputs(Frequency::Semimonthly));
    EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{22});
    EXPECT_FALSE(run.added);
    EXPECT_FALSE(run.labelsSet);
    EXPECT_EQ(run.rowsToGraph, 8);
    EXPECT_EQ(comparison.State().grid1, before.grid1);
    EXPECT_EQ(comparison.State().printout, before.printout);
}

TEST(Comparison, FailuresAddNoRow) {
    struct Case {
        const char* name;
        double rate, years;
        int message;
        bool labelsSet;
    };
    const Case cases[] = {
        {"41 years", 10.125, 41, 5, false},
        {"rate 0", 0, 25, 4, true},
        {"period 0", 10.125, 0, 4, true},
        {"overflowing principal", 10.125, 25, 4, true},
    };
    for (const Case& c : cases) {
        Comparison comparison;
        comparison.Calculate(Inputs());
        const ComparisonState before = comparison.State();
        ComparisonInputs in = Inputs();
        in.ratePercent = c.rate;
        in.years = c.years;
        if (std::string(c.name) == "overflowing principal") in.principal = 1e18;
        const ComparisonRun run = comparison.Calculate(in);
        EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{c.message}) << c.name;
        EXPECT_FALSE(run.added) << c.name;
        EXPECT_EQ(run.labelsSet, c.labelsSet) << c.name;
        EXPECT_EQ(run.rowsToGraph, 0) << c.name;  // nothing to graph or print until the next row
        const ComparisonState& s = comparison.State();
        EXPECT_EQ(s.rowCount, 1) << c.name;
        EXPECT_EQ(s.grid1, before.grid1) << c.name;
        EXPECT_EQ(s.printout, before.printout) << c.name;
        EXPECT_EQ(s.graphPoints.size(), 1u) << c.name;
        EXPECT_EQ(comparison.Graph().points.size(), 0u) << c.name;
    }
}

// The row's own lines are laid out by ComparisonRowLines (tested with the
// report); here the row's figures must reach them.
TEST(Comparison, PrintoutRowLines) {
    Comparison comparison;
    comparison.Calculate(Inputs());
    ComparisonInputs second = WithAmounts({{1, 5000}});
    second.frequency = Frequency::TwoWeeks;
    second.compounding = Compounding::Semiannual;
    second.extra.increase = 0.025f;
    comparison.Calculate(second);
    const std::string& printout = comparison.State().printout;
    const std::string row2 = printout.substr(printout.find(" 02 "));
    EXPECT_EQ(row2.substr(0, row2.find("\r\n")),
              " 02  365.00  Semiannual  2 Weeks  2.500% Was added to regular P+I payment");
    EXPECT_EQ(row2.substr(row2.find("\r\n\r\n") + 4, 22), "               25    *");
}

TEST(Comparison, GraphHasOnePointPerRow) {
    Comparison comparison;
    comparison.Calculate(Inputs());
    comparison.Calculate(Inputs(Frequency::BiweeklyAccelerated));
    const GraphData g = comparison.Graph();
    EXPECT_EQ(g.count, 2);
    ASSERT_EQ(g.points.size(), 2u);
    EXPECT_EQ(g.points[1].label, "Row  2");
    EXPECT_NEAR(g.points[0].value, 175258.20, 0.005);  // each row's total interest
    EXPECT_NEAR(g.points[1].value, 120861.40, 0.005);
}

TEST(Comparison, RestoredStateContinuesWithTheNextRow) {
    Comparison saved;
    saved.Calculate(Inputs());
    saved.Calculate(WithAmounts({{1, 5000}}));
    ComparisonState state = saved.State();
    state.graphTitle = "Total mortgage interest paid";

    Comparison opened;
    ASSERT_TRUE(opened.Restore(state));
    EXPECT_EQ(opened.State().grid1, saved.State().grid1);
    const ComparisonRun run = opened.Calculate(WithAmounts({{2, 1000}}));
    EXPECT_EQ(run.row, 3);
    EXPECT_EQ(run.cells[0], "03");
    EXPECT_EQ(opened.State().grid2[0][3], " Row     3");
    EXPECT_EQ(opened.State().listingIndex, 2);
    EXPECT_EQ(opened.Graph().points.size(), 3u);
}

TEST(Comparison, RestoreRefusesImpossibleCounts) {
    Comparison comparison;
    comparison.Calculate(Inputs());
    const ComparisonState good = comparison.State();
    const std::pair<const char*, void (*)(ComparisonState&)> cases[] = {
        {"row count 9", [](ComparisonState& s) { s.rowCount = 9; }},
        {"negative row count", [](ComparisonState& s) { s.rowCount = -1; }},
        {"listing index beyond the tables", [](ComparisonState& s) { s.listingIndex = 13; }},
        {"huge grid", [](ComparisonState& s) { s.grid2Rows = 100000; }},
        {"entries beyond the grid", [](ComparisonState& s) { s.greatestEntries = 30; }},
    };
    for (const auto& [name, spoil] : cases) {
        ComparisonState bad = good;
        spoil(bad);
        EXPECT_FALSE(comparison.Restore(bad)) << name;
        EXPECT_EQ(comparison.State().rowCount, 1) << name;
    }
    ComparisonState small = good;
    small.grid2Rows = 2;
    small.grid2Columns = 3;
    small.grid2.clear();
    ASSERT_TRUE(comparison.Restore(small));
    EXPECT_EQ(comparison.State().grid2.size(), 10u);
    EXPECT_EQ(comparison.State().grid2[9].size(), 8u);
}

TEST(Comparison, FirstRowEmptiesLeftoverCells) {
    Comparison comparison;
    ComparisonState state = comparison.State();
    state.grid1[5][3] = "leftover";
    ASSERT_TRUE(comparison.Restore(state));
    comparison.Calculate(Inputs());
    EXPECT_EQ(comparison.State().grid1[5][3], "");
}

}  // namespace
}  // namespace amortix
