#pragma once
// The prepayments, as tagged records of a table or a comparison file after
// the rate changes and the rounding (and before a table's costs):
//
//   "Every payment",AMOUNT,FROM_YEAR,FROM_MONTH,TO_YEAR,TO_MONTH   at most once; TO_YEAR and
//                                                                  TO_MONTH empty: to the end
//   "One-time amount",YEAR,MONTH,AMOUNT                            0 to 100, in the order paid
//   "Prepayment terms","Lower the payment",YEARLY %,INCREASE %     at most once; a limit empty
//                                                                  when not checked
//
// in that order. Each is written only when it holds something (an amount, a
// limit, or the payment lowered), so a file without prepayments is the file
// of before, byte for byte. The reader is as strict as for the older
// records: whatever is not exactly these records, within the ranges a
// calculation takes (message 49), refuses the whole file.

#include <array>
#include <span>
#include <string_view>

#include "core/calc/prepayments.h"
#include "core/files/records.h"

namespace amortix {

inline constexpr std::string_view kRecurringPrepaymentTag = "Every payment";
inline constexpr std::string_view kOneTimePrepaymentTag = "One-time amount";
inline constexpr std::string_view kPrepaymentTermsTag = "Prepayment terms";
inline constexpr std::array<std::string_view, 3> kPrepaymentTags = {
    kRecurringPrepaymentTag, kOneTimePrepaymentTag, kPrepaymentTermsTag};

// Reads the prepayment records at the reader, up to the end of the data or a
// record tagged with one of `laterTags`, which it leaves to the caller.
// Throws FormatError naming the line.
Prepayments ReadPrepaymentRecords(RecordReader& reader, std::string_view lastRecord,
                                  std::span<const std::string_view> laterTags = {});

// Throws FormatError for what the reader would refuse, so every saved file
// opens again.
void CheckPrepaymentRecords(const Prepayments& prepayments);

// Appends the records; none for no prepayments. Check first.
void WritePrepaymentRecords(RecordWriter& writer, const Prepayments& prepayments);

}  // namespace amortix
