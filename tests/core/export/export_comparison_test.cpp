// What the export takes from a comparison as the screen keeps it: the rows
// calculated here have figures, a row opened from a file only texts. The
// tables' figures are compared with the JSON output by
// tests/cli/export_read_back_test.py.

#include <gtest/gtest.h>

#include <vector>

#include "core/export/sheets.h"
#include "core/forms/comparison_table.h"

namespace amortix {
namespace {

ComparisonInputs RowInputs(Frequency frequency) {
    ComparisonInputs in;
    in.frequency = frequency;
    return in;
}

TEST(ExportComparison, RowsWithoutFiguresAreLeftOutTheOthersKeepTheirOrder) {
    ComparisonTable comparison;
    for (const Frequency f : {Frequency::Monthly, Frequency::OneWeek, Frequency::WeeklyAccelerated})
        comparison.Calculate(RowInputs(f));
    ComparisonState state = comparison.State();
    state.rowValues[1].reset();
    const std::vector<ComparisonRow> rows = ComparisonRowsOf(state);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[1].number, 3);
    const Table table = ComparisonRowsTable(rows);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1][0], Cell::Of(CellKind::Count, 3));
    // Without rate changes there is no sheet of them.
    EXPECT_EQ(ComparisonSheets(rows).size(), 2u);
}

}  // namespace
}  // namespace amortix
