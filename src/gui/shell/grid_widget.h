#pragma once
// The grid the tables are shown in: a rectangle of text cells whose row 0 is
// a header that stays in view while the data rows scroll. Texts are written
// and read through a current cell; with GridFill::Selection a write changes
// the whole selected range. A grid can also take its data cells from a function that is
// asked only for the rows in view, so a schedule of 2,100 rows shows at once.
//
// Widths and heights are in twips (1/1440 inch), turned into pixels by the
// screen's logical DPI.

#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <vector>

namespace amortix::gui {

// How a column's texts sit in their cells.
enum class CellAlignment : std::uint8_t { Left, Right, Center };

// What a write through the current cell changes.
enum class GridFill : std::uint8_t {
    CurrentCell,
    Selection,  // every cell of the selected range
};

// Column width when nothing else is set.
inline constexpr int kDefaultColumnTwips = 720;

using CellFunction = std::function<QString(int row, int column)>;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);

    // Rows and columns of the grid, header row included.
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    QString Text(int row, int column) const;
    void SetText(int row, int column, const QString& text);
    // Writes `text` into every cell of the rectangle (inclusive bounds).
    void Fill(int row1, int row2, int col1, int col2, const QString& text);

    // Data cells (rows 1 and below) without a text of their own come from
    // `function`; an empty function removes it.
    void SetCellFunction(CellFunction function);
    bool HasCellFunction() const { return static_cast<bool>(function_); }
    // A data cell's tool tip, for notes a cell has no room for.
    void SetToolTipFunction(CellFunction function) { toolTip_ = std::move(function); }

    CellAlignment ColAlignment(int column) const;
    void SetColAlignment(int column, CellAlignment alignment);
    CellAlignment FixedAlignment(int column) const;
    void SetFixedAlignment(int column, CellAlignment alignment);

    // QAbstractTableModel: data rows only; row 0 is the horizontal header.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    static quint64 Key(int row, int column) {
        return (static_cast<quint64>(static_cast<quint32>(row)) << 32) | static_cast<quint32>(column);
    }
    void DropTextsOutside();
    void NotifyChanged(int row1, int row2, int col1, int col2);

    int rows_ = 2;
    int cols_ = 2;
    QHash<quint64, QString> texts_;
    CellFunction function_;
    CellFunction toolTip_;
    std::vector<CellAlignment> colAlignment_;
    std::vector<CellAlignment> fixedAlignment_;
};

class GridWidget : public QTableView {
    Q_OBJECT
  public:
    explicit GridWidget(QWidget* parent = nullptr);

    GridModel& Model() { return model_; }

    // Row and column counts, header row included (at least one row and one
    // column). Raising them keeps every text, the headers included.
    int Rows() const { return model_.Rows(); }
    int Cols() const { return model_.Cols(); }
    void SetRows(int rows);
    void SetCols(int cols);

    // The current cell, through which texts are written and read.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int column);

    // Text of the current cell; a write changes what the fill style says.
    QString Text() const;
    void SetText(const QString& text);
    // Direct access to one cell.
    QString TextAt(int row, int column) const { return model_.Text(row, column); }
    void SetTextAt(int row, int column, const QString& text) { model_.SetText(row, column, text); }

    // Data cells computed on demand (see GridModel::SetCellFunction).
    void SetCellFunction(CellFunction function) { model_.SetCellFunction(std::move(function)); }
    void SetToolTipFunction(CellFunction function) { model_.SetToolTipFunction(std::move(function)); }

    GridFill FillStyle() const { return fillStyle_; }
    void SetFillStyle(GridFill style) { fillStyle_ = style; }

    // The selected range (inclusive); rows and columns are put in order.
    void SetSelection(int startRow, int endRow, int startCol, int endCol);
    int SelStartRow() const { return selStartRow_; }
    int SelEndRow() const { return selEndRow_; }
    int SelStartCol() const { return selStartCol_; }
    int SelEndCol() const { return selEndCol_; }
    // Collapses the selection to one cell, which becomes the current cell.
    void CollapseSelection(int row, int column);

    // Column widths in twips; reading returns what was written (or the default).
    int ColWidth(int column) const;
    void SetColWidth(int column, int twips);
    // Twips a cell needs to show `text` whole in the grid's font.
    int CellTwipsFor(const QString& text) const;
    // Widens each column narrower than its widest text (never narrows one).
    void WidenColumnsToTexts();

    // Row heights in twips; row 0 is the header's height.
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);

    // Data alignment and header alignment of a column.
    CellAlignment ColAlignment(int column) const { return model_.ColAlignment(column); }
    void SetColAlignment(int column, CellAlignment alignment) { model_.SetColAlignment(column, alignment); }
    CellAlignment FixedAlignment(int column) const { return model_.FixedAlignment(column); }
    void SetFixedAlignment(int column, CellAlignment alignment) {
        model_.SetFixedAlignment(column, alignment);
    }

    // When on, moving the current cell from the program also moves the
    // highlighted cell (for grids the user types into).
    void SetTrackCurrentCell(bool on) { trackCurrentCell_ = on; }

    // Ctrl+C: the cells the user selected (dragging, Shift with the arrows)
    // or, with no more than one cell selected, the whole grid from its
    // header to its last row with a text, as tab-separated text and an HTML
    // table.
    void CopyCells() const;

  signals:
    // A key that types a character (see CharacterCode) while the grid has
    // the focus; the grid itself edits nothing.
    void keyPressed(int code);
    // Every key pressed while the grid has the focus (a Qt::Key code).
    void keyDown(int key);
    // The user moved to another cell (grid coordinates, row 1 and below).
    void currentCellChanged(int row, int column);
    void cellClicked(int row, int column);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ApplyColumnWidth(int column);
    void ApplyHeaderHeight();
    void MoveHighlight();

    GridModel model_;
    int row_ = 1;
    int col_ = 0;
    GridFill fillStyle_ = GridFill::CurrentCell;
    int selStartRow_ = 1, selEndRow_ = 1, selStartCol_ = 0, selEndCol_ = 0;
    std::vector<int> colWidth_;  // twips, 0 = default
    QHash<int, int> rowHeight_;  // twips by row
    bool trackCurrentCell_ = false;
    int appliedDpi_ = 0;
};

}  // namespace amortix::gui
