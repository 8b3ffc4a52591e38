#pragma once
// The comparison screen's calculation: up to eight variants of one mortgage,
// one row per Calculate, with the additional payments each row applied listed
// under its row number, the printout lines and the graph points.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calc/listing.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"

namespace amortix {

inline constexpr int kComparisonRowLimit = 8;
inline constexpr int kGrid1Rows = 9;  // a header row and 8 data rows
inline constexpr int kGrid1Columns = 12;
inline constexpr int kGrid2MinRows = 10;
inline constexpr int kGrid2MinColumns = 8;
// The most MCGrid2 can grow to: the listing's rows (the header included) and
// a spare row, and a label and an amount column per listing index.
inline constexpr int kGrid2MaxRows = kListingRows + 1;
inline constexpr int kGrid2MaxColumns = 2 * kListingIndexes;
inline constexpr const char* kComparisonGraphTitle = " Total mortgage interest paid";

inline constexpr std::array<std::string_view, kGrid1Columns> kGrid1Headers = {
    " #  of Row",
    "  Days       in      Year",
    " Interest Compound Periods",
    "Frequency, type of Payment",
    "Amort- ization Period",
    "Retired at end of Year",
    "Number Annual Payments",
    "     Amount               of         Mortgage",
    "Annual Interest Rate",
    " Principal  + Interest  Payment",
    "P + I inclu- des %",
    "       Total              Interest   Payments"};

// What the screen holds when Calculate is pressed.
struct ComparisonInputs {
    double principal = 100000.0;
    double ratePercent = 10.125;
    double years = 25.0;
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    DayBasis dayBasis;
    AdditionalPayments extra;
    std::string currencySymbol = "$";
};

using TextTable = std::vector<std::vector<std::string>>;
using Grid1Row = std::array<std::string, kGrid1Columns>;

// Everything the comparison keeps between runs, as a comparison file stores
// it. Plain data: read it to save or print, replace it through Restore.
struct ComparisonState {
    std::int16_t rowCount = 0;                 // rows in MCGrid1, 0..8
    std::array<Grid1Row, kGrid1Rows> grid1{};  // row 0: headers
    int grid2Rows = kGrid2MinRows;
    int grid2Columns = kGrid2MinColumns;
    TextTable grid2;  // grid2Rows x grid2Columns; row 0 heads each row's listing

    // The applied amounts by listing row (0 heads the column) and listing index.
    ListingTable listingLabels{};
    ListingTable listingAmounts{};
    int listingIndex = 0;   // next listing index
    int listingColumn = 0;  // next column pair of MCGrid2
    int greatestEntries = 0;
    std::array<int, 3> greatestEntriesByGroup{};  // listing indexes 0-4, 5-9, 10-11
    int greatestListingIndex = 0;

    std::string printout;                 // four lines per row, CR LF ended
    std::vector<GraphPoint> graphPoints;  // one per row, row 1 first
    std::string graphTitle;
    std::int16_t rowsToGraph = 0;
};

// What one Calculate changed.
struct ComparisonRun {
    std::vector<Message> messages;  // YearsLimit, RowLimit or WrongEntry; empty when a row was added
    bool added = false;
    std::int16_t row = 0;       // number of the new row
    Grid1Row cells{};           // its MCGrid1 texts
    bool grid1Cleared = false;  // the data rows were emptied before row 1
    // InDays and PeriodicR: set once the rates are known, also when the run
    // fails further on.
    bool labelsSet = false;
    std::string InDays, PeriodicR;
    bool listed = false;  // MCGrid2 was laid out again and got this row's entries
    int grid2Rows = 0, grid2Columns = 0;
    TextTable grid2;
    std::int16_t rowsToGraph = 0;
};

// One comparison row as the printout lists it.
struct ComparisonRowPrint {
    std::int16_t rowNumber = 1;
    std::string daysText;      // the InDays label: "Normal" or the days in year
    std::string compounding;   // the ComPeriod list text
    std::string frequency;     // the FreqPmt list text
    float increase = 0.0f;     // fraction: 0.05 for 5 %
    double years = 0.0;        // amortization period
    bool starred = false;      // an additional amount was applied or the payment increased
    double retiredYear = 0.0;  // payments made / payments per year
    std::int16_t paymentsPerYear = 12;
    double principal = 0.0;
    double ratePercent = 0.0;
    double payment = 0.0;  // increase included
    double totalInterest = 0.0;
    std::string currencySymbol = "$";
};

// The four lines a calculated row appends to the printout text, each ended by CR LF.
std::string ComparisonRowLines(const ComparisonRowPrint& row);

class Comparison {
  public:
    // The screen as it loads: empty grids, no rows.
    Comparison();

    // The Calculate button: appends one row for these inputs, or raises
    // message 5 (period of 41 years or more), 22 (a ninth row) or 4 (an
    // arithmetic fault, nothing added).
    ComparisonRun Calculate(const ComparisonInputs& inputs);

    const ComparisonState& State() const { return state_; }
    // Replaces the whole state, as opening a comparison file does; the header
    // row and the minimum MCGrid2 size are laid out again. Refuses (returns
    // false, nothing changed) a state that CanRestore refuses.
    bool Restore(ComparisonState state);
    // False for counts that no comparison can have.
    static bool CanRestore(const ComparisonState& state);

    // Empties the data rows of MCGrid1; the header row stays.
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

    ComparisonState state_;
};

}  // namespace amortix
