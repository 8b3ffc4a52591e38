#pragma once
// The rate changes and the rounding, as records after the last record of a
// table or a comparison file. Each starts with a quoted tag:
//
//   "Rate change",YEAR,MONTH,RATE,"Recalculate"   (or "Keep"): 0 to 20, in the user's order
//   "Rounding","Rounded as lenders do"             at most once, only for lender rounding
//
// Both kinds share this one reader and writer. A file with no changes and
// exact rounding holds none of them, so it is the file of before, byte for
// byte. The reader is as strict as for the older records: whatever is not
// exactly these records refuses the whole file.

#include <span>
#include <string_view>
#include <vector>

#include "core/calc/choices.h"
#include "core/calc/schedule.h"
#include "core/files/records.h"

namespace amortix {

inline constexpr std::string_view kRateChangeTag = "Rate change";
inline constexpr std::string_view kRoundingTag = "Rounding";

struct RateChangeRecords {
    std::vector<RateChange> changes;
    Rounding rounding = Rounding::Exact;
    bool operator==(const RateChangeRecords&) const = default;
};

// Reads records to the end of the data, or up to a record tagged with one of
// `laterTags`, which it leaves to the caller (the records a file kind keeps
// after these). `lastRecord` names what the file kind ends with, for a record
// that has no tag ("more data after the last year record"). Throws
// FormatError naming the line.
RateChangeRecords ReadRateChangeRecords(RecordReader& reader, std::string_view lastRecord,
                                        std::span<const std::string_view> laterTags = {});

// Throws FormatError for what the reader would refuse, so every saved file
// opens again: the changes are held to the calculation's own ranges.
void CheckRateChangeRecords(const std::vector<RateChange>& changes, Rounding rounding);

// Appends the records; none for no changes and exact rounding. Check first.
void WriteRateChangeRecords(RecordWriter& writer, const std::vector<RateChange>& changes, Rounding rounding);

}  // namespace amortix
