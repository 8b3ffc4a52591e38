#include "core/forms/comparison_table.h"

#include <algorithm>

#include "core/calc/limits.h"
#include "core/format/masks.h"
#include "core/format/numfmt.h"

namespace amortix {

ComparisonTable::ComparisonTable() {
    LayoutGrid1();
    // The form starts MCGrid2 at 5 x 9; the layout raises it to the minimum.
    state_.grid2Columns = 5;
    state_.grid2Rows = 9;
    LayoutGrid2();
}

void ComparisonTable::LayoutGrid1() {
    for (int c = 0; c < kGrid1Columns; ++c)
        state_.grid1[0][static_cast<std::size_t>(c)] =
            std::string(kGrid1Headers[static_cast<std::size_t>(c)]);
}

void ComparisonTable::LayoutGrid2() {
    state_.grid2Rows = std::max(state_.grid2Rows, kGrid2MinRows);
    state_.grid2Columns = std::max(state_.grid2Columns, kGrid2MinColumns);
    state_.grid2.resize(static_cast<std::size_t>(state_.grid2Rows));
    for (auto& row : state_.grid2) row.resize(static_cast<std::size_t>(state_.grid2Columns));
}

void ComparisonTable::ClearGrid1Rows() {
    for (int r = 1; r < kGrid1Rows; ++r)
        for (auto& cell : state_.grid1[static_cast<std::size_t>(r)]) cell.clear();
    state_.rowValues.fill(std::nullopt);
}

bool ComparisonTable::Restore(ComparisonState state) {
    if (!CanRestoreComparison(state)) return false;
    state_ = std::move(state);
    LayoutGrid1();
    LayoutGrid2();
    return true;
}

namespace {

// The printout's lines of each row: four CR LF ended lines apiece, and a
// line more for each rate change or the lender's rounding, indented, before
// the last. A row's block starts with its label in the second column.
// Nothing when the text does not split into `rows` such blocks.
std::optional<std::vector<std::string>> PrintoutBlocks(const std::string& printout, int rows) {
    const std::string indent(14, ' ');
    std::vector<std::string> blocks;
    std::size_t at = 0;
    const auto nextLine = [&printout](std::size_t from) -> std::optional<std::size_t> {
        const std::size_t end = printout.find("\r\n", from);
        if (end == std::string::npos) return std::nullopt;
        return end + 2;
    };
    for (int r = 1; r <= rows; ++r) {
        if (printout.compare(at, 3, " " + FormatNumber(static_cast<double>(r), kRowLabelMask)) != 0)
            return std::nullopt;
        std::optional<std::size_t> end = at;
        // The row's line, an empty line and the figures.
        for (int line = 0; line < 3 && end; ++line) end = nextLine(*end);
        // The changes' indented lines, then the empty line that ends the block.
        while (end && printout.compare(*end, indent.size(), indent) == 0) end = nextLine(*end);
        if (!end || printout.compare(*end, 2, "\r\n") != 0) return std::nullopt;
        blocks.push_back(printout.substr(at, *end + 2 - at));
        at = *end + 2;
    }
    if (at != printout.size()) return std::nullopt;
    return blocks;
}

std::string RowLabel(int number) {
    return FormatNumber(static_cast<double>(number), kRowLabelMask);
}

}  // namespace

std::vector<ListingTexts> ComparisonTable::ListingOf(int number) const {
    std::vector<ListingTexts> listing;
    for (int index = 0; index < state_.listingIndex && index < kListingIndexes; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (ParseNumber(state_.listingAmounts[0][i]) != number) continue;
        for (std::size_t j = 0; j < kListingRows && !state_.listingLabels[j][i].empty(); ++j)
            listing.push_back({state_.listingLabels[j][i], state_.listingAmounts[j][i]});
        break;
    }
    return listing;
}

bool ComparisonTable::DeleteRow(int number) {
    const int rows = state_.rowCount;
    if (number < 1 || number > rows) return false;
    const auto blocks = PrintoutBlocks(state_.printout, rows);
    if (!blocks) return false;

    // The remaining rows, renumbered, are added again to an empty comparison.
    const ComparisonState old = state_;
    std::vector<std::vector<ListingTexts>> listings;
    for (int r = 1; r <= rows; ++r) listings.push_back(ListingOf(r));
    ComparisonTable rebuilt;
    rebuilt.ClearGrid1Rows();
    ComparisonState& s = rebuilt.state_;
    for (int r = 1, n = 0; r <= rows; ++r) {
        if (r == number) continue;
        ++n;
        const auto at = static_cast<std::size_t>(n);
        const auto from = static_cast<std::size_t>(r);
        s.rowCount = static_cast<std::int16_t>(n);
        s.grid1[at] = old.grid1[from];
        s.grid1[at][0] = RowLabel(n);
        std::string lines = (*blocks)[from - 1];
        lines.replace(1, 2, RowLabel(n));
        s.printout.append(lines);
        if (auto values = old.rowValues[from - 1]) {
            values->number = static_cast<std::int16_t>(n);
            s.rowValues[at - 1] = std::move(values);
        }
        const double interest = from - 1 < old.graphPoints.size() ? old.graphPoints[from - 1].value : 0.0;
        s.graphPoints.push_back({ComparisonGraphLabel(n), 0.0, interest});
        std::vector<ListingTexts>& listing = listings[from - 1];
        if (!listing.empty()) {
            listing[0].amount = RightJustify(FormatNumber(static_cast<double>(n), kCountMask), 3);
            rebuilt.StoreListing(listing);
        }
    }
    s.graphTitle = old.graphTitle;
    s.rowsToGraph = s.rowCount;
    state_ = std::move(s);
    return true;
}

GraphData ComparisonTable::Graph() const {
    GraphData g;
    g.title = state_.graphTitle;
    g.count = state_.rowsToGraph;
    for (int i = 0; i < state_.rowsToGraph; ++i)
        g.points.push_back(static_cast<std::size_t>(i) < state_.graphPoints.size()
                               ? state_.graphPoints[static_cast<std::size_t>(i)]
                               : GraphPoint{});
    return g;
}

ComparisonRun ComparisonTable::Calculate(const ComparisonInputs& in) {
    ComparisonRun run;
    state_.rowsToGraph = 0;
    try {
        AddRow(in, run);
    } catch (const CalcError&) {
        // Nothing is stored before the last step can fail, so the comparison
        // stays as it was; only the two boxes may show this run's rates.
        run.messages.push_back(Message::WrongEntry);
        run.added = false;
        run.listed = false;
        run.grid1Cleared = false;
    }
    run.rowsToGraph = state_.rowsToGraph;
    run.grid2Rows = state_.grid2Rows;
    run.grid2Columns = state_.grid2Columns;
    return run;
}

std::optional<Message> ComparisonTable::Refusal(const ComparisonInputs& in) {
    if (in.years > kMortgageYearLimit) return Message::YearsLimit;
    if (state_.rowCount >= kComparisonRowLimit) {
        // The rows so far stay printable and graphable.
        state_.rowsToGraph = state_.rowCount;
        return Message::RowLimit;
    }
    return std::nullopt;
}

// A row's entries need a listing index and a column pair of MCGrid2 of their
// own, and room in the listing; counters an opened file left at their end
// leave none.
bool ComparisonTable::ListingFits(const std::vector<ListingTexts>& listing) const {
    const auto entries = static_cast<int>(listing.size()) - 1;  // below the head
    if (entries <= 0) return true;
    return entries < kListingRows && state_.listingIndex >= 0 && state_.listingIndex < kListingIndexes &&
           state_.listingColumn >= 0 && state_.listingColumn + 2 <= kGrid2MaxColumns;
}

void ComparisonTable::AddRow(const ComparisonInputs& in, ComparisonRun& run) {
    if (const auto refusal = Refusal(in)) {
        run.messages.push_back(*refusal);
        return;
    }
    ComparisonRowOutcome outcome = CalculateComparisonRow(in, static_cast<std::int16_t>(state_.rowCount + 1));
    run.rates = outcome.rates;
    // The two rate boxes still show what the figures give.
    if (auto refusal = RangeRefusal(TableKind::Mortgage, in.principal, in.ratePercent, in.years)) {
        run.messages.push_back(*refusal);
        return;
    }
    if (auto refusal = RateChangeRefusal(in.rateChanges)) {
        run.messages.push_back(*refusal);
        return;
    }
    if (auto refusal = PrepaymentRefusal(in.prepayments)) {
        run.messages.push_back(*refusal);
        return;
    }
    if (outcome.rateChangeMessage) {
        run.messages.push_back(*outcome.rateChangeMessage);
        if (!outcome.row) return;
    }
    if (!outcome.row) throw CalcError("no row");

    // Every text is made before anything is stored, so a fault leaves the
    // comparison as it was.
    const ComparisonRow& row = *outcome.row;
    const Grid1Row cells = ComparisonRowCells(row, in.currencySymbol);
    const std::string lines = ComparisonRowLines(row, in.currencySymbol);
    const std::vector<ListingTexts> listing = ComparisonListing(row);
    if (!ListingFits(listing)) throw CalcError("no room in the listing");
    // Over a lender's limit the row still stands.
    if (row.yearlyLimit) run.messages.push_back(Message::YearlyPrepaymentLimit);
    if (row.increaseLimit) run.messages.push_back(Message::PaymentIncreaseLimit);

    // From here on nothing can fail.
    StoreRow(std::move(*outcome.row), cells, lines, run);
    if (listing.empty()) return;
    StoreListing(listing);
    run.listed = true;
}

void ComparisonTable::StoreRow(ComparisonRow row, const Grid1Row& cells, const std::string& lines,
                               ComparisonRun& run) {
    if (state_.rowCount == 0) {
        ClearGrid1Rows();
        run.grid1Cleared = true;
    }
    const std::int16_t number = row.number;
    const auto at = static_cast<std::size_t>(number);
    state_.rowCount = number;
    state_.grid1[at] = cells;
    if (state_.graphPoints.size() < at) state_.graphPoints.resize(at);
    state_.graphPoints[at - 1] = {ComparisonGraphLabel(number), 0.0, row.totalInterest};
    state_.rowValues[at - 1] = std::move(row);
    state_.graphTitle = kComparisonGraphTitle;
    state_.rowsToGraph = state_.rowCount;
    state_.printout.append(lines);
    run.added = true;
    run.row = number;
}

void ComparisonTable::StoreListing(const std::vector<ListingTexts>& listing) {
    const int index = state_.listingIndex;
    const int column = state_.listingColumn;
    const int entries = static_cast<int>(listing.size()) - 1;  // below the head
    for (std::size_t j = 0; j < listing.size(); ++j) {
        state_.listingLabels[j][static_cast<std::size_t>(index)] = listing[j].label;
        state_.listingAmounts[j][static_cast<std::size_t>(index)] = listing[j].amount;
    }
    state_.grid2Columns = column + 2;
    if (entries >= state_.greatestEntries) {
        state_.greatestEntries = entries;
        state_.grid2Rows = entries + 2;
    }
    const std::size_t group = index <= 4 ? 0 : index <= 9 ? 1 : 2;
    state_.greatestEntriesByGroup[group] = state_.greatestEntries;
    state_.greatestListingIndex = std::max(state_.greatestListingIndex, index);
    LayoutGrid2();

    const auto left = static_cast<std::size_t>(column), right = left + 1;
    state_.grid2[0][left] = kGrid2LabelHead;
    state_.grid2[0][right] = Grid2RowHead(listing[0].amount);
    for (std::size_t j = 1; j < listing.size(); ++j) {
        state_.grid2[j][left] = Grid2LabelCell(listing[j].label);
        state_.grid2[j][right] = listing[j].amount;
    }
    state_.listingIndex = index + 1;
    state_.listingColumn = column + 2;
}

}  // namespace amortix
