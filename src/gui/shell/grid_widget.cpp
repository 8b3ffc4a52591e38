#include "shell/grid_widget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QSet>
#include <QStyle>

#include <algorithm>

#include "shell/grid_copy.h"
#include "shell/numeric_entry.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

Qt::Alignment ToQt(CellAlignment alignment) {
    switch (alignment) {
        case CellAlignment::Right:
            return Qt::AlignRight;
        case CellAlignment::Center:
            return Qt::AlignHCenter;
        case CellAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent),
      colAlignment_(2, CellAlignment::Left),
      fixedAlignment_(2, CellAlignment::Center) {}

void GridModel::SetRows(int rows) {
    rows = std::max(rows, 1);
    if (rows > rows_) {
        beginInsertRows({}, rows_ - 1, rows - 2);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows - 1, rows_ - 2);
        rows_ = rows;
        DropTextsOutside();
        endRemoveRows();
    }
}

void GridModel::SetCols(int cols) {
    cols = std::max(cols, 1);
    if (cols > cols_) {
        beginInsertColumns({}, cols_, cols - 1);
        cols_ = cols;
        colAlignment_.resize(static_cast<std::size_t>(cols), CellAlignment::Left);
        fixedAlignment_.resize(static_cast<std::size_t>(cols), CellAlignment::Center);
        endInsertColumns();
    } else if (cols < cols_) {
        beginRemoveColumns({}, cols, cols_ - 1);
        cols_ = cols;
        colAlignment_.resize(static_cast<std::size_t>(cols));
        fixedAlignment_.resize(static_cast<std::size_t>(cols));
        DropTextsOutside();
        endRemoveColumns();
    }
}

void GridModel::DropTextsOutside() {
    for (auto it = texts_.begin(); it != texts_.end();) {
        const int row = static_cast<int>(it.key() >> 32);
        const int column = static_cast<int>(it.key() & 0xffffffffu);
        it = (row >= rows_ || column >= cols_) ? texts_.erase(it) : std::next(it);
    }
}

QString GridModel::Text(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= cols_) return {};
    const auto it = texts_.constFind(Key(row, column));
    if (it != texts_.cend()) return *it;
    if (row >= 1 && function_) return function_(row, column);
    return {};
}

void GridModel::SetText(int row, int column, const QString& text) {
    if (row < 0 || row >= rows_ || column < 0 || column >= cols_) return;
    // An empty text must hide what the cell function would give.
    if (text.isEmpty() && !(row >= 1 && function_))
        texts_.remove(Key(row, column));
    else
        texts_.insert(Key(row, column), text);
    NotifyChanged(row, row, column, column);
}

void GridModel::Fill(int row1, int row2, int col1, int col2, const QString& text) {
    row1 = std::max(row1, 0);
    row2 = std::min(row2, rows_ - 1);
    col1 = std::max(col1, 0);
    col2 = std::min(col2, cols_ - 1);
    if (row1 > row2 || col1 > col2) return;
    const bool wholeData = row1 <= 1 && row2 == rows_ - 1 && col1 == 0 && col2 == cols_ - 1;
    if (wholeData) {
        // Every data cell gets the same text: the cell function is no longer wanted.
        function_ = nullptr;
        for (auto it = texts_.begin(); it != texts_.end();)
            it = (it.key() >> 32) >= 1 ? texts_.erase(it) : std::next(it);
    }
    for (int r = row1; r <= row2; ++r) {
        if (wholeData && r >= 1 && text.isEmpty()) break;
        for (int c = col1; c <= col2; ++c) {
            if (text.isEmpty() && !(r >= 1 && function_))
                texts_.remove(Key(r, c));
            else
                texts_.insert(Key(r, c), text);
        }
    }
    NotifyChanged(row1, row2, col1, col2);
}

void GridModel::NotifyChanged(int row1, int row2, int col1, int col2) {
    if (row1 == 0) emit headerDataChanged(Qt::Horizontal, col1, col2);
    const int first = std::max(row1, 1);
    if (first <= row2) emit dataChanged(index(first - 1, col1), index(row2 - 1, col2), {Qt::DisplayRole});
}

void GridModel::SetCellFunction(CellFunction function) {
    function_ = std::move(function);
    if (rows_ > 1) emit dataChanged(index(0, 0), index(rows_ - 2, cols_ - 1), {Qt::DisplayRole});
}

CellAlignment GridModel::ColAlignment(int column) const {
    return column >= 0 && column < cols_ ? colAlignment_[static_cast<std::size_t>(column)]
                                         : CellAlignment::Left;
}

void GridModel::SetColAlignment(int column, CellAlignment alignment) {
    if (column < 0 || column >= cols_) return;
    colAlignment_[static_cast<std::size_t>(column)] = alignment;
    if (rows_ > 1) emit dataChanged(index(0, column), index(rows_ - 2, column), {Qt::TextAlignmentRole});
}

CellAlignment GridModel::FixedAlignment(int column) const {
    return column >= 0 && column < cols_ ? fixedAlignment_[static_cast<std::size_t>(column)]
                                         : CellAlignment::Center;
}

void GridModel::SetFixedAlignment(int column, CellAlignment alignment) {
    if (column < 0 || column >= cols_) return;
    fixedAlignment_[static_cast<std::size_t>(column)] = alignment;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return Text(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ToQt(ColAlignment(index.column())) | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && toolTip_) {
        const QString tip = toolTip_(index.row() + 1, index.column());
        if (!tip.isEmpty()) return tip;
    }
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return Text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ToQt(FixedAlignment(section)) | Qt::AlignVCenter | Qt::TextWordWrap);
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// ---------------------------------------------------------------------------

GridWidget::GridWidget(QWidget* parent) : QTableView(parent), model_(this) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A range can be selected to be copied; the current cell stays one cell.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setTextElideMode(Qt::ElideNone);
    header->setSectionResizeMode(QHeaderView::Interactive);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (!current.isValid()) return;
                row_ = current.row() + 1;
                col_ = current.column();
                emit currentCellChanged(row_, col_);
            });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row() + 1, index.column()); });

    appliedDpi_ = logicalDpiX();
    colWidth_.assign(static_cast<std::size_t>(Cols()), 0);
    for (int c = 0; c < Cols(); ++c) ApplyColumnWidth(c);
}

void GridWidget::SetRows(int rows) {
    model_.SetRows(rows);
    row_ = std::min(row_, Rows() - 1);
    SetSelection(selStartRow_, selEndRow_, selStartCol_, selEndCol_);
}

void GridWidget::SetCols(int cols) {
    model_.SetCols(cols);
    colWidth_.resize(static_cast<std::size_t>(Cols()), 0);
    for (int c = 0; c < Cols(); ++c) ApplyColumnWidth(c);
    col_ = std::min(col_, Cols() - 1);
    SetSelection(selStartRow_, selEndRow_, selStartCol_, selEndCol_);
}

void GridWidget::SetRow(int row) {
    row_ = std::clamp(row, 0, Rows() - 1);
    MoveHighlight();
}

void GridWidget::SetCol(int column) {
    col_ = std::clamp(column, 0, Cols() - 1);
    MoveHighlight();
}

void GridWidget::MoveHighlight() {
    if (!trackCurrentCell_ || row_ < 1) return;
    const QModelIndex target = model_.index(row_ - 1, col_);
    if (target != currentIndex()) setCurrentIndex(target);
}

QString GridWidget::Text() const {
    return model_.Text(row_, col_);
}

void GridWidget::SetText(const QString& text) {
    if (fillStyle_ == GridFill::Selection)
        model_.Fill(selStartRow_, selEndRow_, selStartCol_, selEndCol_, text);
    else
        model_.SetText(row_, col_, text);
}

void GridWidget::SetSelection(int startRow, int endRow, int startCol, int endCol) {
    const int lastRow = Rows() - 1, lastCol = Cols() - 1;
    selStartRow_ = std::clamp(std::min(startRow, endRow), 0, lastRow);
    selEndRow_ = std::clamp(std::max(startRow, endRow), 0, lastRow);
    selStartCol_ = std::clamp(std::min(startCol, endCol), 0, lastCol);
    selEndCol_ = std::clamp(std::max(startCol, endCol), 0, lastCol);
}

void GridWidget::CollapseSelection(int row, int column) {
    SetSelection(row, row, column, column);
    row_ = std::clamp(row, 0, Rows() - 1);
    col_ = std::clamp(column, 0, Cols() - 1);
    // The highlighted cell follows, so no cell the user clicked in an earlier
    // table stays marked.
    if (row_ >= 1)
        selectionModel()->setCurrentIndex(model_.index(row_ - 1, col_), QItemSelectionModel::ClearAndSelect);
    else
        selectionModel()->clearSelection();
}

int GridWidget::ColWidth(int column) const {
    if (column < 0 || column >= Cols()) return 0;
    const int twips = colWidth_[static_cast<std::size_t>(column)];
    return twips > 0 ? twips : kDefaultColumnTwips;
}

void GridWidget::SetColWidth(int column, int twips) {
    if (column < 0 || column >= Cols()) return;
    colWidth_[static_cast<std::size_t>(column)] = std::max(twips, 1);
    ApplyColumnWidth(column);
}

int GridWidget::CellTwipsFor(const QString& text) const {
    // The cell's text margins on both sides, and its grid line.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    return PixelsToTwipsX(this, fontMetrics().horizontalAdvance(text) + margins) + 1;
}

void GridWidget::WidenColumnsToTexts() {
    const QFontMetrics metrics = fontMetrics();
    // Measuring thousands of texts takes longer than the whole calculation.
    // Each digit stands in for the widest one, so a column of figures comes
    // down to a handful of shapes, each measured once; a shape is never
    // narrower than the texts it stands for.
    QChar widestDigit('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(digit);
    QSet<QString> shapes;
    for (int c = 0; c < Cols(); ++c) {
        shapes.clear();
        for (int r = 1; r < Rows(); ++r) {
            QString shape = model_.Text(r, c);
            for (QChar& ch : shape)
                if (ch.isDigit()) ch = widestDigit;
            shapes.insert(shape);
        }
        int widest = 0;
        for (const QString& shape : shapes) widest = std::max(widest, metrics.horizontalAdvance(shape));
        const int twips = CellTwipsFor(QString()) + PixelsToTwipsX(this, widest);
        if (twips > ColWidth(c)) SetColWidth(c, twips);
    }
}

void GridWidget::ApplyColumnWidth(int column) {
    setColumnWidth(column, TwipsToPixelsX(this, ColWidth(column)));
}

int GridWidget::RowHeight(int row) const {
    if (const auto it = rowHeight_.constFind(row); it != rowHeight_.cend()) return *it;
    const int pixels =
        row == 0 ? horizontalHeader()->sizeHint().height() : verticalHeader()->defaultSectionSize();
    return PixelsToTwipsY(this, pixels);
}

void GridWidget::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) return;
    rowHeight_.insert(row, std::max(twips, 1));
    if (row == 0)
        ApplyHeaderHeight();
    else
        verticalHeader()->resizeSection(row - 1, TwipsToPixelsY(this, twips));
}

void GridWidget::ApplyHeaderHeight() {
    if (const auto it = rowHeight_.constFind(0); it != rowHeight_.cend())
        horizontalHeader()->setFixedHeight(TwipsToPixelsY(this, *it));
}

void GridWidget::CopyCells() const {
    CellRange range{0, Rows() - 1, 0, Cols() - 1};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.size() > 1) {
        range = {Rows(), 0, Cols(), 0};
        for (const QModelIndex& index : selected) {
            range.row1 = std::min(range.row1, index.row() + 1);
            range.row2 = std::max(range.row2, index.row() + 1);
            range.col1 = std::min(range.col1, index.column());
            range.col2 = std::max(range.col2, index.column());
        }
    } else {
        // The empty rows a grid keeps below its table are not part of it.
        const auto blank = [this](int row) {
            for (int c = 0; c < Cols(); ++c)
                if (!model_.Text(row, c).trimmed().isEmpty()) return false;
            return true;
        };
        while (range.row2 > 0 && blank(range.row2)) --range.row2;
    }
    auto* copied = new QMimeData;
    copied->setText(CellsAsTabText(model_, range));
    copied->setHtml(CellsAsHtml(model_, range));
    QGuiApplication::clipboard()->setMimeData(copied);
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopyCells();
        event->accept();
        return;
    }
    emit keyDown(event->key());
    const int code = CharacterCode(*event);
    if (code != 0) {
        // Typed characters belong to the screen's own editing, never to the
        // view's search or edit triggers.
        emit keyPressed(code);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridWidget::keyboardSearch(const QString&) {}

void GridWidget::showEvent(QShowEvent* event) {
    // The screen (and with it the DPI) is known for sure once shown; widths
    // the user dragged stay unless the DPI changed.
    if (logicalDpiX() != appliedDpi_) {
        appliedDpi_ = logicalDpiX();
        for (int c = 0; c < Cols(); ++c) ApplyColumnWidth(c);
        ApplyHeaderHeight();
        for (auto it = rowHeight_.cbegin(); it != rowHeight_.cend(); ++it)
            if (it.key() >= 1 && it.key() < Rows())
                verticalHeader()->resizeSection(it.key() - 1, TwipsToPixelsY(this, *it));
    }
    QTableView::showEvent(event);
}

}  // namespace amortix::gui
