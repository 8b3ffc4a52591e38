#pragma once
// The comparison the screen shows: up to eight variants of one mortgage, one
// row per Calculate, with the additional payments each row applied listed
// under its row number, the printout lines and the graph points. A row's
// texts are made from its figures as it is added and kept beside them.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/comparison.h"
#include "core/format/messages.h"
#include "core/forms/comparison_texts.h"

namespace amortix {

// What one Calculate changed.
struct ComparisonRun {
    // YearsLimit, RowLimit, WrongEntry or a refusal of the inputs (39 to 42,
    // 46, 49): no row; a rate change not reached (43) or a lender's limit
    // gone over (47, 48): the row stands.
    std::vector<Message> messages;
    bool added = false;
    std::int16_t row = 0;       // number of the new row; its figures and texts are in the state
    bool grid1Cleared = false;  // the data rows were emptied before row 1
    // What the InDays and PeriodicR boxes show: set once the rates are known,
    // also when the run fails further on.
    std::optional<ComparisonRates> rates;
    bool listed = false;  // MCGrid2 was laid out again and got this row's entries
    int grid2Rows = 0, grid2Columns = 0;
    std::int16_t rowsToGraph = 0;
};

class ComparisonTable {
  public:
    // The screen as it loads: empty grids, no rows.
    ComparisonTable();

    // The Calculate button: appends one row for these inputs, or raises
    // message 5 (a period beyond 40 years), 22 (a ninth row) or 4 (an
    // arithmetic fault, nothing added).
    ComparisonRun Calculate(const ComparisonInputs& inputs);

    const ComparisonState& State() const { return state_; }
    // Replaces the whole state, as opening a comparison file does; the header
    // row and the minimum MCGrid2 size are laid out again. Refuses (returns
    // false, nothing changed) a state that CanRestoreComparison refuses.
    bool Restore(ComparisonState state);

    // Removes row `number` (1..rowCount): the rows after it move up and are
    // renumbered in the grid, the printout, the listing of additional
    // payments and the graph, as if the others had been calculated alone.
    // False, nothing changed, for a number the comparison does not hold.
    bool DeleteRow(int number);

    // Empties the data rows of MCGrid1 and the figures beside them; the
    // header row stays.
    void ClearGrid1Rows();
    // The screen's CloseQuickHelp with no rows yet: the data cells are emptied.
    void ClearIfEmpty() {
        if (state_.rowCount == 0) ClearGrid1Rows();
    }
    void SetGraphTitle(std::string title) { state_.graphTitle = std::move(title); }

    // One point per row to graph: label "Row  n", value the total interest.
    GraphData Graph() const;

  private:
    void LayoutGrid1();
    void LayoutGrid2();
    void AddRow(const ComparisonInputs& in, ComparisonRun& run);
    std::optional<Message> Refusal(const ComparisonInputs& in);
    bool ListingFits(const std::vector<ListingTexts>& listing) const;
    void StoreRow(ComparisonRow row, const Grid1Row& cells, const std::string& lines, ComparisonRun& run);
    void StoreListing(const std::vector<ListingTexts>& listing);
    // The listing row `number` added, read back from the state; empty when it had none.
    std::vector<ListingTexts> ListingOf(int number) const;

    ComparisonState state_;
};

}  // namespace amortix
