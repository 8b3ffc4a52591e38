// Comparison files against the comparison itself: an opened comparison is the
// saved one, and goes on where it stopped.

#include <gtest/gtest.h>

#include "core/files/comparison_file.h"
#include "core/forms/comparison_table.h"

namespace amortix {
namespace {

// Five rows, two of them with additional amounts listed under them.
ComparisonTable FiveRows(ComparisonInputs& in) {
    ComparisonTable comparison;
    const Frequency frequencies[] = {Frequency::Monthly, Frequency::Semimonthly,
                                     Frequency::BiweeklyAccelerated, Frequency::OneWeek, Frequency::Monthly};
    in.extra.years = 25;
    in.extra.month = Month{4};
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (int r = 0; r < 5; ++r) {
        in.frequency = frequencies[r];
        in.extra.amount[2] = Currency::FromDouble(r == 1 || r == 3 ? 1000.0 * r : 0.0);
        in.extra.rowCount = in.extra.CountYearsWithAmounts();
        EXPECT_TRUE(comparison.Calculate(in).added);
    }
    return comparison;
}

TEST(ComparisonFileState, OpenedComparisonIsTheSavedOneAndGoesOn) {
    ComparisonInputs in;
    in.dayBasis = DayBasis::Typed(364.5f);
    ComparisonTable saved = FiveRows(in);
    const ComparisonFileData file = ComparisonFileFrom(in, saved.State());
    const auto reread = ParseComparisonFile(FormatComparisonFile(file));
    ASSERT_TRUE(reread.ok()) << reread.error();

    const auto opened = ComparisonFromFile(reread.value(), 364.5f);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->inputs.frequency, in.frequency);
    EXPECT_EQ(opened->inputs.dayBasis.days, 364.5f);
    EXPECT_EQ(opened->inputs.extra.month, Month{4});
    EXPECT_EQ(opened->inputs.extra.rowCount, 0);  // no amounts come back
    EXPECT_EQ(opened->inputs.extra.amount, decltype(in.extra.amount){});

    ComparisonTable reopened;
    ASSERT_TRUE(reopened.Restore(opened->state));
    const ComparisonState& a = saved.State();
    const ComparisonState& b = reopened.State();
    EXPECT_EQ(b.rowCount, 5);
    EXPECT_EQ(b.grid1, a.grid1);
    EXPECT_EQ(b.grid2, a.grid2);
    EXPECT_EQ(b.listingLabels, a.listingLabels);
    EXPECT_EQ(b.listingAmounts, a.listingAmounts);
    EXPECT_EQ(b.printout, a.printout);
    EXPECT_EQ(b.rowsToGraph, a.rowsToGraph);
    EXPECT_EQ(reopened.Graph().points.size(), saved.Graph().points.size());
    EXPECT_EQ(b.graphTitle, "Total mortgage interest paid");
    // The rows come back as their texts alone.
    for (const auto& values : b.rowValues) EXPECT_FALSE(values);

    // A sixth row with an amount lands in the same places after either.
    in.extra.amount[4] = Currency::FromDouble(500);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    ASSERT_TRUE(saved.Calculate(in).added);
    const ComparisonRun sixthAfterOpen = reopened.Calculate(in);
    ASSERT_TRUE(sixthAfterOpen.added);
    EXPECT_EQ(sixthAfterOpen.row, 6);
    EXPECT_EQ(reopened.State().grid1, saved.State().grid1);
    EXPECT_EQ(reopened.State().rowValues[5], saved.State().rowValues[5]);
    EXPECT_EQ(reopened.State().grid2, saved.State().grid2);
    EXPECT_EQ(reopened.State().printout, saved.State().printout);
}

TEST(ComparisonFileState, RefusesWhatTheScreenCannotShow) {
    ComparisonInputs in;
    const ComparisonTable saved = FiveRows(in);
    const struct {
        const char* what;
        void (*spoil)(ComparisonFileData&);
    } cases[] = {
        {"compounding", [](ComparisonFileData& f) { f.compounding = "Daily"; }},
        {"frequency", [](ComparisonFileData& f) { f.frequency = "Monthly"; }},
        {"rows to graph", [](ComparisonFileData& f) { f.graphRows = 6; }},
        {"listing longer than the lower grid", [](ComparisonFileData& f) { f.greatestEntryCount = 30; }},
    };
    for (const auto& c : cases) {
        ComparisonFileData file = ComparisonFileFrom(in, saved.State());
        c.spoil(file);
        EXPECT_FALSE(ComparisonFromFile(file, 365.0f).ok()) << c.what;
    }
}

// A row of an opened comparison, which has only its texts, deletes as a
// calculated one does, and the result saves and opens again.
TEST(ComparisonFileState, AnOpenedRowDeletesAsACalculatedOne) {
    ComparisonInputs in;
    ComparisonTable calculated = FiveRows(in);
    const auto opened = ComparisonFromFile(ComparisonFileFrom(in, calculated.State()), in.dayBasis.days);
    ASSERT_TRUE(opened.ok()) << opened.error();
    for (const int row : {1, 2, 4, 5}) {
        ComparisonTable a = FiveRows(in);
        ComparisonTable b;
        ASSERT_TRUE(b.Restore(opened->state));
        ASSERT_TRUE(a.DeleteRow(row));
        ASSERT_TRUE(b.DeleteRow(row));
        EXPECT_EQ(b.State().grid1, a.State().grid1) << row;
        EXPECT_EQ(b.State().grid2, a.State().grid2) << row;
        EXPECT_EQ(b.State().printout, a.State().printout) << row;
        EXPECT_EQ(b.State().listingAmounts, a.State().listingAmounts) << row;
        const auto again = ComparisonFromFile(ComparisonFileFrom(in, b.State()), in.dayBasis.days);
        ASSERT_TRUE(again.ok()) << again.error();
        ComparisonTable c;
        EXPECT_TRUE(c.Restore(again->state)) << row;
        EXPECT_EQ(c.State().printout, a.State().printout) << row;
    }
}

}  // namespace
}  // namespace amortix
