#pragma once
// The grid's cells as a spreadsheet takes them from the clipboard: tab-separated
// lines and an HTML table, so a paste lands in cells.

#include <QString>

namespace amortix::gui {

class GridModel;

// A rectangle of grid cells, bounds included (row 0 is the header).
struct CellRange {
    int row1 = 0, row2 = 0, col1 = 0, col2 = 0;
};

// Each cell's text without the padding the grid aligns with.
QString CellsAsTabText(const GridModel& model, const CellRange& range);
QString CellsAsHtml(const GridModel& model, const CellRange& range);

}  // namespace amortix::gui
