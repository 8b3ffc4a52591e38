#pragma once
// Comparison files (.qcd): a whole comparison as displayed, so that an opened
// comparison shows, prints and graphs its rows without recalculating them.
//
// Record 1 holds 24 fields (inputs, texts, codes, the comparison counters);
// then, one record each: the R x 12 cell texts of the upper grid, the GR x GC
// cell texts of the lower grid (header row included), R graph rows (label and
// total interest), the printout text (one quoted text spanning lines), and the
// 41 x 12 label and amount pairs of the listing tables. After them, the rate
// changes and the rounding of the screen's next row when there are any
// (rate_change_records.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/comparison.h"
#include "core/calc/listing.h"
#include "core/files/text_file.h"

namespace amortix {

struct ComparisonGraphRow {
    std::string label;  // "Row " and the row number with one leading blank
    double totalInterest = 0;
    bool operator==(const ComparisonGraphRow&) const = default;
};

struct ComparisonFileData {
    double principal = 0;
    double ratePercent = 0;
    double years = 0;
    std::string compounding;  // list texts, leading blanks included
    std::string frequency;
    std::int16_t dayBasisChoice = 1;    // 0..4; the days themselves are not stored
    std::int16_t view = 2;              // schedule view setting
    std::int16_t extraYears = 0;        // years of the additional-payments table (0..45)
    std::int16_t yearsWithAmounts = 0;  // 0..45

    // The comparison counters (single precision in the file, whole numbers).
    // The row count R is grid1.size() and the lower grid's row count is
    // grid2.size().
    std::int16_t grid2Columns = 8;              // 0..24
    std::int16_t listingIndex = 0;              // 0..12
    std::int16_t listingColumn = 0;             // 0..24
    std::int16_t greatestEntryCount = 0;        // 0..40 (rows of the listing tables)
    std::int16_t greatestEntryCount0to4 = 0;    // 0..40
    std::int16_t greatestEntryCount5to9 = 0;    // 0..40
    std::int16_t greatestEntryCount10to11 = 0;  // 0..40
    std::int16_t greatestListingIndex = 0;      // 0..11
    std::int16_t graphRows = 0;                 // 0..8, rows to graph
    std::int16_t extraMonth = 12;               // 0..12: 12 for the first month, else month - 1

    std::vector<Grid1Row> grid1;                  // rows 1..R of the upper grid (R 0..8)
    std::vector<std::vector<std::string>> grid2;  // rows 0..GR-1, each of grid2Columns texts (GR 0..42)
    std::vector<ComparisonGraphRow> graph;        // one per comparison row: R
    std::string printout;                         // the rows' lines, each ended by CR LF
    ListingTable listingLabels;
    ListingTable listingAmounts;

    // The inputs of the next row; none, and exact rounding, in a file
    // without their records.
    std::vector<RateChange> rateChanges;  // in the user's order
    Rounding rounding = Rounding::Exact;

    bool operator==(const ComparisonFileData&) const = default;
};

LoadResult<ComparisonFileData> LoadComparisonFile(const std::string& path);
LoadResult<ComparisonFileData> ParseComparisonFile(std::string_view bytes);

// Writes through a temporary file; false (with the reason in `error`) when
// the data is inconsistent or out of bounds, or the file cannot be written.
bool SaveComparisonFile(const std::string& path, const ComparisonFileData& data,
                        std::string* error = nullptr);
// The file's bytes; throws FormatError for data that cannot be stored.
std::string FormatComparisonFile(const ComparisonFileData& data);

// What a save stores of the comparison screen: the inputs on screen and the
// comparison as displayed.
ComparisonFileData ComparisonFileFrom(const ComparisonInputs& inputs, const ComparisonState& state);

// What an opened file shows: its rows' texts, without figures beside them.
// The file holds no additional payments: they come back empty, with the
// file's month and years. The rate changes and the rounding come back as
// saved (none and exact for a file without them). `typedDays` is the days
// in year kept for day-basis code 4. Fails for a file the screen cannot show:
// a list text the lists do not offer, counts no comparison can have, rate
// changes the calculation refuses.
struct OpenedComparison {
    ComparisonInputs inputs;
    ComparisonState state;
};
LoadResult<OpenedComparison> ComparisonFromFile(const ComparisonFileData& file, float typedDays);

// The graph title after a save or an open.
inline constexpr const char* kSavedComparisonGraphTitle = kComparisonGraphTitle + 1;  // without its blank

}  // namespace amortix
