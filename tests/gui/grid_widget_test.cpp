#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>

#include <cmath>

#include "gui_test_util.h"
#include "shell/grid_widget.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// A schedule-like grid: six columns, a header row, widened columns.
void LayOutSchedule(GridWidget& grid) {
    grid.SetCols(6);
    grid.SetRows(26);
    grid.SetRow(0);
    for (int c = 0; c < 6; ++c) {
        grid.SetCol(c);
        grid.SetText(QString("Header %1").arg(c));
        grid.SetColWidth(c, grid.ColWidth(c) + 700);
        grid.SetColAlignment(c, c == 0 ? CellAlignment::Center : CellAlignment::Right);
        grid.SetFixedAlignment(c, CellAlignment::Center);
    }
    grid.SetRowHeight(0, 510);
}

void FillData(GridWidget& grid) {
    for (int r = 1; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) grid.SetTextAt(r, c, QString("%1/%2").arg(r).arg(c));
}

TEST(GridWidget, FillingTheSelectionEmptiesTheDataCellsAndKeepsTheHeaders) {
    GridWidget grid;
    LayOutSchedule(grid);
    FillData(grid);
    grid.SetSelection(1, grid.Rows() - 1, 0, grid.Cols() - 1);
    grid.SetFillStyle(GridFill::Selection);
    grid.SetText("");
    grid.SetFillStyle(GridFill::CurrentCell);
    grid.CollapseSelection(1, 0);
    for (int r = 1; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) ASSERT_EQ(grid.TextAt(r, c), "") << r << "," << c;
    EXPECT_EQ(grid.TextAt(0, 3), "Header 3");
    EXPECT_EQ(grid.Model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Header 5");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 0);
    EXPECT_EQ(grid.SelStartRow(), 1);
    EXPECT_EQ(grid.SelEndRow(), 1);
}

TEST(GridWidget, FillModeOneOverPartOfTheGridChangesOnlyThatRange) {
    GridWidget grid;
    grid.SetCols(3);
    grid.SetRows(5);
    FillData(grid);
    grid.SetSelection(3, 2, 2, 1);  // given in any order
    grid.SetFillStyle(GridFill::Selection);
    grid.SetText("x");
    for (int r = 1; r < 5; ++r)
        for (int c = 0; c < 3; ++c) {
            const bool inside = r >= 2 && r <= 3 && c >= 1;
            EXPECT_EQ(grid.TextAt(r, c), inside ? QString("x") : QString("%1/%2").arg(r).arg(c));
        }
}

TEST(GridWidget, ChangingTheRowCountKeepsTheHeader) {
    GridWidget grid;
    LayOutSchedule(grid);
    FillData(grid);
    grid.SetRows(304);
    EXPECT_EQ(grid.Model().rowCount(), 303);
    EXPECT_EQ(grid.TextAt(0, 1), "Header 1");
    EXPECT_EQ(grid.TextAt(25, 5), "25/5");
    EXPECT_EQ(grid.TextAt(300, 2), "");
    grid.SetRows(23);
    EXPECT_EQ(grid.TextAt(0, 1), "Header 1");
    EXPECT_EQ(grid.TextAt(22, 0), "22/0");
    grid.SetRows(30);
    EXPECT_EQ(grid.TextAt(25, 0), "");  // cells beyond a lower count are gone
}

TEST(GridWidget, TextsGoThroughTheCurrentCell) {
    GridWidget grid;
    grid.SetCols(2);
    grid.SetRows(4);
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetText("Amount");
    EXPECT_EQ(grid.Text(), "Amount");
    EXPECT_EQ(grid.TextAt(2, 1), "Amount");
    EXPECT_EQ(grid.Model().data(grid.Model().index(1, 1), Qt::DisplayRole).toString(), "Amount");
    grid.SetRow(99);  // kept inside the grid
    EXPECT_EQ(grid.Row(), 3);
}

TEST(GridWidget, WidthsHeightsAndAlignmentsInTwips) {
    GridWidget grid;
    LayOutSchedule(grid);
    EXPECT_EQ(grid.columnWidth(3), TwipsToPixelsX(&grid, kDefaultColumnTwips + 700));
    EXPECT_EQ(grid.horizontalHeader()->height(), TwipsToPixelsY(&grid, 510));

    const auto alignment = [&](int column) {
        return grid.Model().data(grid.Model().index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    EXPECT_TRUE(alignment(0) & Qt::AlignHCenter);
    EXPECT_TRUE(alignment(2) & Qt::AlignRight);
    const auto header =
        grid.Model().headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
    EXPECT_TRUE(header & Qt::AlignHCenter);
    EXPECT_TRUE(header & Qt::TextWordWrap);  // two-word headers wrap onto two lines
}

TEST(GridWidget, ALargeScheduleFormatsOnlyTheRowsInView) {
    GridWidget grid;
    LayOutSchedule(grid);
    int calls = 0;
    grid.SetRows(2101);
    grid.SetCellFunction([&calls](int row, int column) {
        ++calls;
        return QString("%1:%2").arg(row).arg(column);
    });
    grid.resize(700, 400);
    grid.show();
    QApplication::processEvents();
    grid.grab();  // paint once
    EXPECT_GT(calls, 0);
    EXPECT_LT(calls, 2100 * 6 / 10);
    grid.SetRow(2100);
    grid.SetCol(4);
    EXPECT_EQ(grid.Text(), "2100:4");

    // An explicit text wins over the function; emptying the whole data area
    // drops the function.
    grid.SetTextAt(5, 1, "own");
    EXPECT_EQ(grid.TextAt(5, 1), "own");
    grid.SetTextAt(6, 1, "");
    EXPECT_EQ(grid.TextAt(6, 1), "");
    grid.SetSelection(1, 2100, 0, 5);
    grid.SetFillStyle(GridFill::Selection);
    grid.SetText("");
    EXPECT_FALSE(grid.Model().HasCellFunction());
    EXPECT_EQ(grid.TextAt(2100, 4), "");
    EXPECT_EQ(grid.TextAt(0, 4), "Header 4");
}

TEST(GridWidget, TypedKeysAreHandedToTheScreenAndMoveNothing) {
    GridWidget grid;
    grid.SetCols(2);
    grid.SetRows(20);
    FillData(grid);
    grid.SetTrackCurrentCell(true);
    std::vector<int> typed;
    std::vector<std::pair<int, int>> moves;
    QObject::connect(&grid, &GridWidget::keyPressed, [&](int code) { typed.push_back(code); });
    QObject::connect(&grid, &GridWidget::currentCellChanged,
                     [&](int row, int column) { moves.emplace_back(row, column); });
    test::ShowActive(&grid);
    grid.setFocus();
    grid.CollapseSelection(1, 1);
    QTest::keyClicks(&grid, "15");
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(typed, (std::vector<int>{'1', '5', 13}));
    EXPECT_EQ(grid.Row(), 1);  // no search by typed text
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), std::make_pair(2, 1));
}

}  // namespace
}  // namespace amortix::gui

namespace amortix::gui {
namespace {

// Ctrl+C puts the cells on the clipboard as a spreadsheet pastes them: tab
// separated lines and an HTML table, without the padding the grid aligns with.
TEST(GridWidget, CtrlCCopiesTheSelectionOrTheWholeTableAsTextAndHtml) {
    GridWidget grid;
    grid.SetCols(3);
    grid.SetRows(6);
    grid.SetTextAt(0, 0, " Year");
    grid.SetTextAt(0, 1, "Interest & fees");
    grid.SetTextAt(0, 2, "Balance");
    for (int r = 1; r <= 3; ++r) {
        grid.SetTextAt(r, 0, QString("  %1").arg(r));
        grid.SetTextAt(r, 1, QString("   $%1.25").arg(r * 100));
        grid.SetTextAt(r, 2, QString("%1,000.00   ").arg(10 - r));
    }
    test::ShowActive(&grid);
    grid.setFocus();
    QGuiApplication::clipboard()->clear();

    // One cell current and nothing more selected: the whole table, without
    // the two empty rows below it.
    grid.CollapseSelection(1, 0);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* all = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->text(),
              "Year\tInterest & fees\tBalance\n"
              "1\t$100.25\t9,000.00\n"
              "2\t$200.25\t8,000.00\n"
              "3\t$300.25\t7,000.00\n");
    EXPECT_TRUE(all->html().contains("<th>Interest &amp; fees</th>"));
    EXPECT_TRUE(all->html().contains("<tr><td>3</td><td>$300.25</td><td>7,000.00</td></tr>"));

    // A range chosen with Shift and the arrows: just those cells.
    grid.CollapseSelection(2, 1);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "$200.25\t8,000.00\n$300.25\t7,000.00\n");
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->html().count("<tr>"), 2);
}

}  // namespace
}  // namespace amortix::gui
