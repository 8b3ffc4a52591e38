// Comparison files against the comparison itself: an opened comparison is the
// saved one, and goes on where it stopped.

#include <gtest/gtest.h>

#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
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

LoadResult<ComparisonFile> SavedAndOpened(const ComparisonInputs& in, const ComparisonState& state) {
    return ParseComparisonFile(FormatComparisonFile(ComparisonFile(in, state)), in.dayBasis.days);
}

TEST(ComparisonFileState, OpenedComparisonIsTheSavedOneAndGoesOn) {
    ComparisonInputs in;
    in.dayBasis = DayBasis::Typed(364.5f);
    ComparisonTable saved = FiveRows(in);
    // An amount typed for the next row: counted in the file, not stored.
    in.extra.amount[9] = Currency::FromDouble(250);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    const auto opened = SavedAndOpened(in, saved.State());
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->inputs.frequency, in.frequency);
    EXPECT_EQ(opened->inputs.dayBasis, in.dayBasis);
    EXPECT_EQ(opened->inputs.extra.years, 25);
    EXPECT_EQ(opened->inputs.extra.month, Month{4});
    EXPECT_EQ(opened->inputs.extra.rowCount, 0);  // no amounts come back
    EXPECT_EQ(opened->inputs.extra.amount, decltype(in.extra.amount){});
    EXPECT_EQ(opened->yearsWithAmounts, 1);
    EXPECT_EQ(opened->view, 2);

    // The state as saved, but for what the file does not hold.
    ComparisonState expected = saved.State();
    expected.grid1[0] = {};
    expected.rowValues = {};
    expected.graphTitle = kSavedComparisonGraphTitle;
    EXPECT_EQ(opened->state, expected);

    ComparisonTable reopened;
    ASSERT_TRUE(reopened.Restore(opened->state));
    EXPECT_EQ(reopened.State().grid1, saved.State().grid1);
    EXPECT_EQ(reopened.Graph().points, saved.Graph().points);
    EXPECT_EQ(reopened.State().graphTitle, "Total mortgage interest paid");

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

// The reader takes only what the screen can show; the edges are taken.
TEST(ComparisonFileState, ReaderRefusesWhatTheScreenCannotShow) {
    const std::string good = FormatComparisonFile(testing::SampleComparison(3));
    // The file with `from` replaced in record 1.
    const auto with = [&good](std::string_view from, std::string_view to) {
        std::string bytes = good;
        const std::size_t at = bytes.find(from);
        EXPECT_LT(at, bytes.find("\r\n")) << from;
        return at == std::string::npos ? bytes : bytes.replace(at, from.size(), to);
    };
    const struct {
        const char* what;
        std::string bytes;
        const char* reason;  // empty: read
    } cases[] = {
        {"compounding", with("\"      Monthly\",", "\"Daily\","),
         "line 1, field 4: not a compounding the lists offer"},
        {"frequency without its blanks", with("\"   Weekly(Acc)\"", "\"Weekly(Acc)\""),
         "line 1, field 5: not a frequency the lists offer"},
        {"frequency in another case", with("\"   Weekly(Acc)\"", "\"   weekly(acc)\""),
         "line 1, field 5: not a frequency the lists offer"},
        {"more rows to graph than rows", with(",3,12,\"O\"", ",4,12,\"O\""),
         "counts that no comparison can have"},
        {"no rows to graph", with(",3,12,\"O\"", ",0,12,\"O\""), ""},
        {"listing as long as the lower grid", with(",,0,0,0,", ",,0,0,10,"),
         "counts that no comparison can have"},
        {"listing a row short of the lower grid", with(",,0,0,0,", ",,0,0,9,"), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseComparisonFile(c.bytes, 365.0f).error(), c.reason) << c.what;

    // Day-basis code 4 stands for the days the reader is given.
    const auto typed = ParseComparisonFile(with(",1,2,25,", ",4,2,25,"), 364.5f);
    ASSERT_TRUE(typed.ok()) << typed.error();
    EXPECT_EQ(typed->inputs.dayBasis, DayBasis::Typed(364.5f));
}

// Cells and graph points a state lacks are saved empty, as the screen shows them.
TEST(ComparisonFileState, WhatTheStateLacksIsSavedEmpty) {
    ComparisonFile whole = testing::SampleComparison(3);
    for (std::size_t r = 0; r < 3; ++r)
        for (std::size_t c = 0; c < 5; ++c) whole.state.grid2[r][c] = "x";
    ComparisonFile lacking = whole;
    lacking.state.grid2.resize(3);
    for (auto& row : lacking.state.grid2) row.resize(5);
    lacking.state.graphPoints.resize(1);
    whole.state.graphPoints[1] = whole.state.graphPoints[2] = GraphPoint{};
    EXPECT_EQ(FormatComparisonFile(lacking), FormatComparisonFile(whole));
}

// A row of an opened comparison, which has only its texts, deletes as a
// calculated one does, and the result saves and opens again.
TEST(ComparisonFileState, AnOpenedRowDeletesAsACalculatedOne) {
    ComparisonInputs in;
    ComparisonTable calculated = FiveRows(in);
    const auto opened = SavedAndOpened(in, calculated.State());
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
        const auto again = SavedAndOpened(in, b.State());
        ASSERT_TRUE(again.ok()) << again.error();
        ComparisonTable c;
        EXPECT_TRUE(c.Restore(again->state)) << row;
        EXPECT_EQ(c.State().printout, a.State().printout) << row;
    }
}

}  // namespace
}  // namespace amortix
