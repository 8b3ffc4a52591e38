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
#include <utility>

#include "core/calc/comparison.h"
#include "core/files/text_file.h"

namespace amortix {

// A comparison as its file holds it: the comparison screen's own inputs and
// state, and the two numbers a file stores that the screen does not keep.
//
// What the file does not hold comes back empty from a read: the additional
// payments (the inputs keep the file's years and month, and count no years
// with amounts), the figures beside each row's texts (`state.rowValues`), the
// header row of the upper grid, the currency symbol. The stored day-basis
// code is that of `inputs.dayBasis.choice`; code 4 takes the typed days the
// reader is given. The graph title is the saved one.
struct ComparisonFile {
    ComparisonFile() = default;
    // The screen's comparison, as a save stores it.
    ComparisonFile(ComparisonInputs screenInputs, ComparisonState screenState)
        : inputs(std::move(screenInputs)),
          state(std::move(screenState)),
          yearsWithAmounts(inputs.extra.rowCount) {}

    ComparisonInputs inputs;
    ComparisonState state;
    // The schedule view stored: the comparison's rows are all-payment schedules.
    std::int16_t view = static_cast<std::int16_t>(ScheduleView::AllPayments);
    // The count of years with amounts stored (0..45); a read keeps it here,
    // as its amounts are not stored and the inputs count none.
    std::int16_t yearsWithAmounts = 0;

    bool operator==(const ComparisonFile&) const = default;
};

// A whole comparison file, or what is wrong and where; also for a file the
// screen cannot show: a list text the lists do not offer, counts no
// comparison can have. `typedDays` are the days in year that day-basis code 4
// stands for, which the file does not hold.
LoadResult<ComparisonFile> LoadComparisonFile(const std::string& path, float typedDays);
LoadResult<ComparisonFile> ParseComparisonFile(std::string_view bytes, float typedDays);

// Writes through a temporary file; false (with the reason in `error`) when
// the comparison is inconsistent or out of bounds, or the file cannot be
// written.
bool SaveComparisonFile(const std::string& path, const ComparisonFile& comparison,
                        std::string* error = nullptr);
// The file's bytes; throws FormatError for a comparison that cannot be
// stored, or whose file would not open again.
std::string FormatComparisonFile(const ComparisonFile& comparison);

// The graph title after a save or an open.
inline constexpr const char* kSavedComparisonGraphTitle = kComparisonGraphTitle + 1;  // without its blank

}  // namespace amortix
