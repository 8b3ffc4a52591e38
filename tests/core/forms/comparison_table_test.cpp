// The comparison table: the rows' texts made from their figures and kept
// beside them, the listing of additional payments, the printout text, the
// graph and the refusals.

#include <gtest/gtest.h>

#include <string>

#include "core/forms/comparison_table.h"
#include "core/print/report.h"

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

const Grid1Row& Cells(const ComparisonTable& table, int row) {
    return table.State().grid1[static_cast<std::size_t>(row)];
}

TEST(ComparisonTable, RowCellsOfTheDefaultMortgage) {
    ComparisonTable comparison;
    const ComparisonRun run = comparison.Calculate(Inputs());
    ASSERT_TRUE(run.added);
    EXPECT_EQ(run.row, 1);
    const Grid1Row expected = {"01",  "Normal",      "Monthly", "Monthly", "25",     "25.00",
                               "12 ", "$100,000.00", "10.125",  "$917.53", " 0.000", "$175,258.20"};
    EXPECT_EQ(Cells(comparison, 1), expected);
    EXPECT_EQ(Cells(comparison, 0)[0], " #  of Row");
    EXPECT_TRUE(run.grid1Cleared);
    ASSERT_TRUE(comparison.State().rowValues[0]);
    EXPECT_EQ(comparison.State().rowValues[0]->number, 1);
    EXPECT_EQ(comparison.State().rowValues[0]->payments, 300);
    EXPECT_FALSE(comparison.State().rowValues[1]);
}

// What the InDays and PeriodicR boxes and a row's days, retirement, payments
// and increase cells show for its figures.
TEST(ComparisonTable, CellsOfEachKindOfRow) {
    struct Case {
        const char* name;
        ComparisonInputs inputs;
        const char *days, *factor, *retired, *perYear, *payment, *increase;
    };
    ComparisonInputs typed = Inputs(Frequency::WeeklyAccelerated);
    typed.dayBasis = DayBasis::Typed(364.5f);
    ComparisonInputs increased = Inputs(Frequency::Semimonthly);
    increased.extra.increase = 0.05f;
    ComparisonInputs preset = Inputs(Frequency::BiweeklyAccelerated);
    preset.dayBasis = DayBasis::Preset(DayBasisChoice::Days365_25);
    const Case cases[] = {
        {"monthly", Inputs(), "Normal", "0.0084375", "25.00", "12 ", "$917.53", " 0.000"},
        {"2 weeks", Inputs(Frequency::TwoWeeks), "365", "0.00387476", "24.54", "26 ", "$423.47", " 0.000"},
        {"365.25 days", preset, "365.25", "0.0038721", "18.50", "26 ", "$458.76", " 0.000"},
        {"typed days", typed, "364.5", "0.00193816", "18.52", "52 ", "$229.38", " 0.000"},
        {"increase", increased, "Normal", "0.00420989", "*20.58", "24 ", "$481.70", " 5.000"},
        {"an amount applied", WithAmounts({{1, 5000}}), "Normal", "0.0084375", "*20.58", "12 ", "$917.53",
         " 0.000"},
    };
    for (const Case& c : cases) {
        ComparisonTable comparison;
        const ComparisonRun run = comparison.Calculate(c.inputs);
        ASSERT_TRUE(run.added && run.rates) << c.name;
        EXPECT_EQ(ComparisonDaysText(run.rates->paymentsPerYear, run.rates->daysInYear), c.days) << c.name;
        EXPECT_EQ(ComparisonRateFactorText(run.rates->rateFactor), c.factor) << c.name;
        const Grid1Row& cells = Cells(comparison, 1);
        EXPECT_EQ(cells[1], c.days) << c.name;
        EXPECT_EQ(cells[5], c.retired) << c.name;
        EXPECT_EQ(cells[6], c.perYear) << c.name;
        EXPECT_EQ(cells[9], c.payment) << c.name;
        EXPECT_EQ(cells[10], c.increase) << c.name;
        // The texts are the ones the kept figures make.
        ASSERT_TRUE(comparison.State().rowValues[0]) << c.name;
        EXPECT_EQ(ComparisonRowCells(*comparison.State().rowValues[0], "$"), cells) << c.name;
        EXPECT_EQ(ComparisonRowLines(*comparison.State().rowValues[0], "$"), comparison.State().printout)
            << c.name;
    }
}

TEST(ComparisonTable, ListingLaysOutColumnPairsPerRow) {
    ComparisonTable comparison;
    comparison.Calculate(Inputs());  // row 1 lists nothing
    const ComparisonRun second = comparison.Calculate(WithAmounts({{1, 5000}, {3, 2000}, {10, 750.5}}, 3));
    ASSERT_TRUE(second.listed);
    EXPECT_EQ(second.grid2Rows, kGrid2MinRows);
    EXPECT_EQ(second.grid2Columns, kGrid2MinColumns);
    const ComparisonRun third = comparison.Calculate(WithAmounts({{2, 1000}}, 11));
    EXPECT_TRUE(third.listed);

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
    // The listing's figures are the rows' own.
    ASSERT_TRUE(s.rowValues[2]);
    EXPECT_EQ(s.rowValues[2]->extraPayments,
              (std::vector<ComparisonExtraPayment>{{2, Month{12}, Currency::FromDouble(1000)}}));
}

OneTimePrepayment Once(int year, int month, double amount) {
    return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), Currency::FromDouble(amount)};
}

// One-time amounts are listed beside the yearly ones by year and month, those
// paid in the same month as one; more than the listing's 40 rows hold are
// added up by year, their month left blank. A recurring amount only stars
// the row.
TEST(ComparisonTable, ListingOfOneTimeAmounts) {
    ComparisonTable comparison;
    ComparisonInputs in = WithAmounts({{3, 1000}}, 2);  // year 3 month 3
    in.prepayments.oneTime = {Once(3, 3, 500), Once(2, 7, 250.25), Once(3, 3, 100)};
    ASSERT_TRUE(comparison.Calculate(in).listed);
    ComparisonInputs many = Inputs();
    for (int year = 1; year <= 4; ++year)
        for (int month = 1; month <= 12; ++month) many.prepayments.oneTime.push_back(Once(year, month, 10));
    many.prepayments.oneTime.push_back(Once(4, 12, 5));
    const ComparisonRun manyRun = comparison.Calculate(many);
    ASSERT_TRUE(manyRun.listed);
    EXPECT_TRUE(manyRun.messages.empty());
    ComparisonInputs recurring = Inputs();
    recurring.prepayments.recurring.amount = Currency::FromDouble(50);
    EXPECT_FALSE(comparison.Calculate(recurring).listed);

    const ComparisonState& s = comparison.State();
    const std::vector<std::vector<std::string>> expected = {
        {" Yr. Mth", " Row     1", " Yr. Mth", " Row     2"},
        {" 2    7", "    250.25", " 1     ", "    120.00"},
        {" 3    3", "  1,600.00", " 2     ", "    120.00"},
        {"", "", " 3     ", "    120.00"},
        {"", "", " 4     ", "    125.00"},
        {"", "", "", ""},
    };
    for (std::size_t r = 0; r < expected.size(); ++r)
        for (std::size_t c = 0; c < 4; ++c) EXPECT_EQ(s.grid2[r][c], expected[r][c]) << r << "," << c;
    EXPECT_EQ(s.listingLabels[1][1], " 1   ");
    EXPECT_EQ(Cells(comparison, 3)[5].substr(0, 1), "*");
    // The report's listing prints a year's sum with its month blank.
    const TextReport report = RenderComparisonReport(PrintDataFor(s, "Sums"), kPrinterFontStandard);
    ASSERT_FALSE(report.message);
    const std::string text = PagesAsText(report.pages);
    EXPECT_NE(text.find(" 3  3  1,600.00"), std::string::npos) << text;
    EXPECT_NE(text.find(" 4       125.00"), std::string::npos) << text;
}

// Over a lender's limit a row still stands, with message 47 or 48; prepayments
// out of range are refused with message 49 and add nothing.
TEST(ComparisonTable, PrepaymentMessages) {
    ComparisonTable comparison;
    ComparisonInputs in = Inputs();
    in.prepayments.oneTime = {Once(2, 1, 20000)};
    in.prepayments.yearlyLimitPercent = 15;
    in.prepayments.increaseLimitPercent = 0;
    in.prepayments.recurring.amount = Currency::FromDouble(1);
    ComparisonRun run = comparison.Calculate(in);
    EXPECT_TRUE(run.added);
    EXPECT_EQ(MessageNumbers(run.messages), (std::vector<int>{47, 48}));
    ASSERT_TRUE(comparison.State().rowValues[0]);
    EXPECT_EQ(comparison.State().rowValues[0]->yearlyLimit->year, 2);
    in.prepayments.oneTime = {Once(41, 1, 1)};
    run = comparison.Calculate(in);
    EXPECT_FALSE(run.added);
    EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{49});
    EXPECT_EQ(comparison.State().rowCount, 1);
}

TEST(ComparisonTable, ListingGridGrowsPastTheMinimum) {
    std::initializer_list<std::pair<int, double>> twelve = {{1, 100}, {2, 100},  {3, 100},  {4, 100},
                                                            {5, 100}, {6, 100},  {7, 100},  {8, 100},
                                                            {9, 100}, {10, 100}, {11, 100}, {12, 100}};
    ComparisonTable comparison;
    ComparisonRun run;
    for (int i = 0; i < 5; ++i) run = comparison.Calculate(WithAmounts(twelve));
    ASSERT_EQ(run.grid2Rows, 14);
    ASSERT_EQ(run.grid2Columns, 10);
    const TextTable& grid2 = comparison.State().grid2;
    ASSERT_EQ(grid2.size(), 14u);
    EXPECT_EQ(grid2[12][8], "12    1");
    EXPECT_EQ(grid2[13][8], "");
    run = comparison.Calculate(WithAmounts({{1, 100}}));
    EXPECT_EQ(run.grid2Rows, 14);  // never shrinks
    EXPECT_EQ(run.grid2Columns, 12);
    const ComparisonState& s = comparison.State();
    EXPECT_EQ(s.greatestListingIndex, 5);
    EXPECT_EQ(s.greatestEntriesByGroup[0], 12);
    EXPECT_EQ(s.greatestEntriesByGroup[1], 12);
}

TEST(ComparisonTable, NinthRowRaisesMessage22AndChangesNothing) {
    ComparisonTable comparison;
    for (int i = 0; i < kComparisonRowLimit; ++i) ASSERT_TRUE(comparison.Calculate(Inputs()).added);
    const ComparisonState before = comparison.State();
    const ComparisonRun run = comparison.Calculate(Inputs(Frequency::Semimonthly));
    EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{22});
    EXPECT_FALSE(run.added);
    EXPECT_FALSE(run.rates);
    EXPECT_EQ(run.rowsToGraph, 8);
    EXPECT_EQ(comparison.State().grid1, before.grid1);
    EXPECT_EQ(comparison.State().rowValues, before.rowValues);
    EXPECT_EQ(comparison.State().printout, before.printout);
}

TEST(ComparisonTable, FailuresAddNoRow) {
    struct Case {
        const char* name;
        double principal, rate, years;
        int message;
        bool rates;
    };
    const Case cases[] = {
        {"41 years", 100000, 10.125, 41, 5, false},
        {"period 0", 100000, 10.125, 0, 41, true},
        {"overflowing principal", 1e18, 10.125, 25, 39, true},
        {"principal 0", 0, 10.125, 25, 39, true},
        {"rate above 100 %", 100000, 100.001, 25, 40, true},
    };
    for (const Case& c : cases) {
        ComparisonTable comparison;
        comparison.Calculate(Inputs());
        const ComparisonState before = comparison.State();
        ComparisonInputs in = Inputs();
        in.principal = c.principal;
        in.ratePercent = c.rate;
        in.years = c.years;
        const ComparisonRun run = comparison.Calculate(in);
        EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{c.message}) << c.name;
        EXPECT_FALSE(run.added) << c.name;
        EXPECT_EQ(run.rates.has_value(), c.rates) << c.name;
        EXPECT_EQ(run.rowsToGraph, 0) << c.name;  // nothing to graph or print until the next row
        const ComparisonState& s = comparison.State();
        EXPECT_EQ(s.rowCount, 1) << c.name;
        EXPECT_EQ(s.grid1, before.grid1) << c.name;
        EXPECT_EQ(s.rowValues, before.rowValues) << c.name;
        EXPECT_EQ(s.printout, before.printout) << c.name;
        EXPECT_EQ(s.graphPoints.size(), 1u) << c.name;
        EXPECT_EQ(comparison.Graph().points.size(), 0u) << c.name;
    }
}

// A file's counters can leave no listing index or no column pair for the
// next row's entries: that row is refused (message 4) and nothing changes,
// so the comparison stays one a file can store.
TEST(ComparisonTable, ListingCountersAtTheirEndRefuseARowWithEntries) {
    const std::pair<const char*, void (*)(ComparisonState&)> cases[] = {
        {"every listing index used", [](ComparisonState& s) { s.listingIndex = kListingIndexes; }},
        {"every column pair used", [](ComparisonState& s) { s.listingColumn = kGrid2MaxColumns; }},
    };
    for (const auto& [name, spend] : cases) {
        ComparisonTable comparison;
        comparison.Calculate(Inputs());
        ComparisonState state = comparison.State();
        spend(state);
        ASSERT_TRUE(comparison.Restore(state)) << name;
        const ComparisonRun run = comparison.Calculate(WithAmounts({{1, 5000}}));
        EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{4}) << name;
        EXPECT_EQ(comparison.State().rowCount, 1) << name;
        EXPECT_EQ(comparison.State().grid2Columns, kGrid2MinColumns) << name;
        // A row without entries needs neither.
        EXPECT_TRUE(comparison.Calculate(Inputs()).added) << name;
    }
}

// The row's own lines are laid out by ComparisonRowLines (tested with the
// report); here the row's figures must reach them.
TEST(ComparisonTable, PrintoutRowLines) {
    ComparisonTable comparison;
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

TEST(ComparisonTable, GraphHasOnePointPerRow) {
    ComparisonTable comparison;
    comparison.Calculate(Inputs());
    comparison.Calculate(Inputs(Frequency::BiweeklyAccelerated));
    const GraphData g = comparison.Graph();
    EXPECT_EQ(g.count, 2);
    ASSERT_EQ(g.points.size(), 2u);
    EXPECT_EQ(g.points[1].label, "Row  2");
    // Each row's total interest.
    EXPECT_EQ(g.points[0].value, comparison.State().rowValues[0]->totalInterest);
    EXPECT_EQ(g.points[1].value, comparison.State().rowValues[1]->totalInterest);
}

TEST(ComparisonTable, RestoredStateContinuesWithTheNextRow) {
    ComparisonTable saved;
    saved.Calculate(Inputs());
    saved.Calculate(WithAmounts({{1, 5000}}));
    ComparisonState state = saved.State();
    state.graphTitle = "Total mortgage interest paid";
    state.rowValues = {};  // as a file gives it: texts only

    ComparisonTable opened;
    ASSERT_TRUE(opened.Restore(state));
    EXPECT_EQ(opened.State().grid1, saved.State().grid1);
    const ComparisonRun run = opened.Calculate(WithAmounts({{2, 1000}}));
    EXPECT_EQ(run.row, 3);
    EXPECT_EQ(Cells(opened, 3)[0], "03");
    EXPECT_FALSE(opened.State().rowValues[1]);
    ASSERT_TRUE(opened.State().rowValues[2]);
    EXPECT_EQ(opened.State().rowValues[2]->number, 3);
    EXPECT_EQ(opened.State().grid2[0][3], " Row     3");
    EXPECT_EQ(opened.State().listingIndex, 2);
    EXPECT_EQ(opened.Graph().points.size(), 3u);
}

TEST(ComparisonTable, RestoreRefusesImpossibleCounts) {
    ComparisonTable comparison;
    comparison.Calculate(Inputs());
    const ComparisonState good = comparison.State();
    const std::pair<const char*, void (*)(ComparisonState&)> cases[] = {
        {"row count 9", [](ComparisonState& s) { s.rowCount = 9; }},
        {"negative row count", [](ComparisonState& s) { s.rowCount = -1; }},
        {"listing index beyond the tables", [](ComparisonState& s) { s.listingIndex = 13; }},
        {"huge grid", [](ComparisonState& s) { s.grid2Rows = 100000; }},
        {"entries beyond the grid", [](ComparisonState& s) { s.greatestEntries = 30; }},
        {"figures of a row not there", [](ComparisonState& s) { s.rowValues[3] = s.rowValues[0]; }},
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

TEST(ComparisonTable, FirstRowEmptiesLeftoverCellsAndFigures) {
    ComparisonTable comparison;
    ComparisonState state = comparison.State();
    state.grid1[5][3] = "leftover";
    ASSERT_TRUE(comparison.Restore(state));
    comparison.Calculate(Inputs());
    EXPECT_EQ(comparison.State().grid1[5][3], "");
    EXPECT_FALSE(comparison.State().rowValues[4]);
}

// Deleting a row leaves what calculating the other rows alone gives: the
// grid, the printout, the listing of additional payments and the graph, all
// renumbered.
TEST(ComparisonTable, ADeletedRowLeavesTheOthersAsIfCalculatedAlone) {
    ComparisonInputs biweekly = Inputs(Frequency::BiweeklyAccelerated);
    biweekly.extra.increase = 0.05f;
    ComparisonInputs renewed = WithAmounts({{2, 5000}});
    renewed.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}, {11, 3, 8, RateChangePayment::Keep}};
    renewed.rounding = Rounding::Lender;
    const std::vector<ComparisonInputs> rows = {Inputs(), renewed, biweekly, WithAmounts({{1, 750}}, 4),
                                                Inputs(Frequency::OneWeek)};
    const auto compare = [&rows](const std::vector<int>& kept) {
        ComparisonTable table;
        for (const int r : kept) EXPECT_TRUE(table.Calculate(rows[static_cast<std::size_t>(r - 1)]).added);
        return table;
    };
    for (int deleted = 1; deleted <= static_cast<int>(rows.size()); ++deleted) {
        ComparisonTable table = compare({1, 2, 3, 4, 5});
        ASSERT_TRUE(table.DeleteRow(deleted));
        std::vector<int> kept;
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
            if (r != deleted) kept.push_back(r);
        const ComparisonTable alone = compare(kept);
        const ComparisonState &a = table.State(), &b = alone.State();
        EXPECT_EQ(a.rowCount, b.rowCount) << deleted;
        EXPECT_EQ(a.grid1, b.grid1) << deleted;
        EXPECT_EQ(a.rowValues, b.rowValues) << deleted;
        EXPECT_EQ(a.grid2, b.grid2) << deleted;
        EXPECT_EQ(a.grid2Rows, b.grid2Rows) << deleted;
        EXPECT_EQ(a.grid2Columns, b.grid2Columns) << deleted;
        EXPECT_EQ(a.listingLabels, b.listingLabels) << deleted;
        EXPECT_EQ(a.listingAmounts, b.listingAmounts) << deleted;
        EXPECT_EQ(a.printout, b.printout) << deleted;
        EXPECT_EQ(table.Graph().points.size(), alone.Graph().points.size()) << deleted;
        for (std::size_t i = 0; i < a.graphPoints.size(); ++i) {
            EXPECT_EQ(a.graphPoints[i].label, b.graphPoints[i].label) << deleted;
            EXPECT_EQ(a.graphPoints[i].value, b.graphPoints[i].value) << deleted;
        }
    }
}

TEST(ComparisonTable, DeletingTheOnlyRowOrNoRow) {
    ComparisonTable table;
    EXPECT_FALSE(table.DeleteRow(1));
    table.Calculate(Inputs());
    EXPECT_FALSE(table.DeleteRow(0));
    EXPECT_FALSE(table.DeleteRow(2));
    ASSERT_TRUE(table.DeleteRow(1));
    EXPECT_EQ(table.State().rowCount, 0);
    EXPECT_EQ(table.State().printout, "");
    EXPECT_EQ(table.Graph().points.size(), 0u);
    EXPECT_EQ(Cells(table, 1)[0], "");
    // The next row is row 1 again.
    EXPECT_EQ(table.Calculate(Inputs()).row, 1);
}

// "Renew at 4, 5, 6 and 7 %" as four rows: each row carries its own change.
// 300,000 at 5 % compounded semiannually over 25 years, renewed after 5
// years; closed form for 6 %: new payment 1,891.020709 and 258,533.87 of
// interest in all (60 payments of 1,744.814955, 240 of the new one, less the
// principal). A kept payment below the interest adds no row (message 44).
TEST(ComparisonTable, RowsWithTheirOwnRenewalRates) {
    ComparisonTable table;
    const double rates[] = {4, 5, 6, 7};
    for (const double rate : rates) {
        ComparisonInputs in;
        in.principal = 300000;
        in.ratePercent = 5;
        in.compounding = Compounding::Semiannual;
        in.rateChanges = {{6, 1, rate, RateChangePayment::Recalculate}};
        ASSERT_TRUE(table.Calculate(in).added) << rate;
    }
    const auto& values = table.State().rowValues;
    ASSERT_TRUE(values[2]);
    EXPECT_NEAR(values[2]->rateChanges[0].payment, 1891.020709, 1e-5);
    EXPECT_NEAR(values[2]->totalInterest, 258533.87, 0.01);
    EXPECT_NEAR(values[1]->rateChanges[0].payment, 1744.814955, 1e-5);  // renewed at the same rate
    for (std::size_t r = 1; r < 4; ++r) {
        EXPECT_GT(values[r]->rateChanges[0].payment, values[r - 1]->rateChanges[0].payment);
        EXPECT_GT(values[r]->totalInterest, values[r - 1]->totalInterest);
        EXPECT_EQ(values[r]->payments, 300);
    }

    const struct {
        RateChange change;
        std::vector<int> messages;
        bool added;
    } cases[] = {
        {{3, 1, 30, RateChangePayment::Keep}, {44}, false},
        {{1, 1, 6, RateChangePayment::Recalculate}, {46}, false},
        {{30, 1, 6, RateChangePayment::Recalculate}, {43}, true},
    };
    for (const auto& c : cases) {
        ComparisonTable one;
        ComparisonInputs in;
        in.rateChanges = {c.change};
        const ComparisonRun run = one.Calculate(in);
        EXPECT_EQ(MessageNumbers(run.messages), c.messages) << c.change.year;
        EXPECT_EQ(run.added, c.added) << c.change.year;
    }
}

// A row's rate changes and the lender's rounding are listed below its
// figures, one indented line each. 300,000 at 5 % compounded semiannually,
// renewed at 6 % after 5 years: 1,891.02 (closed form, as above).
TEST(ComparisonTable, PrintoutListsARowsRateChangesAndRounding) {
    ComparisonTable table;
    ComparisonInputs in;
    in.principal = 300000;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}, {40, 1, 9, RateChangePayment::Keep}};
    in.rounding = Rounding::Lender;
    ASSERT_TRUE(table.Calculate(in).added);
    const std::string& printout = table.State().printout;
    const std::string figures = "\r\n\r\n               25";
    const std::string below = printout.substr(printout.find("\r\n", printout.find(figures) + 4) + 2);
    EXPECT_EQ(below,
              "              Year  6 month  1   6.000% Recalculate, payment $1,891.02\r\n"
              "              Year 40 month  1   9.000% Keep, not reached\r\n"
              "              Rounded as lenders do\r\n"
              "\r\n");
    // A change's line is no wider than a row's figures, with the widest payment.
    const std::size_t figuresWidth =
        printout.find("\r\n", printout.find(figures) + 4) - (printout.find(figures) + 4);
    ComparisonInputs widest = in;
    widest.principal = 9'999'999.99;
    widest.ratePercent = 100;
    widest.rateChanges = {{2, 12, 100, RateChangePayment::Recalculate}};
    ASSERT_TRUE(table.Calculate(widest).added);
    const std::string& both = table.State().printout;
    for (std::size_t at = 0, end; (end = both.find("\r\n", at)) != std::string::npos; at = end + 2)
        if (both.compare(at, 18, "              Year") == 0) {
            EXPECT_LE(end - at, figuresWidth) << both.substr(at, end - at);
        }
}

// 100,000 at 6 % compounded monthly over 25 years with the payment and each
// period's interest in whole cents: 644.30 a month, 93,290.89 of interest in
// all (a cent-by-cent decimal simulation, as for the schedule).
TEST(ComparisonTable, ALenderRoundedRow) {
    ComparisonTable table;
    ComparisonInputs in;
    in.ratePercent = 6;
    in.rounding = Rounding::Lender;
    ASSERT_TRUE(table.Calculate(in).added);
    const auto& row = table.State().rowValues[0];
    ASSERT_TRUE(row);
    EXPECT_DOUBLE_EQ(row->payment, 644.30);
    EXPECT_NEAR(row->totalInterest, 93290.89, 0.005);
    EXPECT_EQ(row->payments, 300);
}

}  // namespace
}  // namespace amortix
