#pragma once
// The costs of a table file, as one tagged record after the rate changes and
// the rounding, the last record of the file:
//
//   "Costs",PRICE,DOWN,POINTS,POINTS PAID,FEES,FEES PAID,CLOSING COSTS,CLOSING COSTS PAID,
//       INSURANCE,CANADIAN PREMIUM,PREMIUM TAX,US INSURANCE,PROPERTY TAX,HOME INSURANCE,
//       CONDO FEES,HEATING,TERM
//
// on one line: amounts in currency units, percentages in percent, PRICE and
// CANADIAN PREMIUM empty when not given, the ways of paying and the insurance
// as their list texts ("Paid in cash", "Added to the loan"; "None", "Canada",
// "United States"), TERM in whole years. Written only when costs were given,
// so a file without them is the file of before, byte for byte; read as
// strictly as the older records.

#include <string_view>

#include "core/calc/costs.h"
#include "core/files/records.h"

namespace amortix {

inline constexpr std::string_view kCostsTag = "Costs";

// Reads the costs record and checks nothing follows it. Throws FormatError
// naming the line and the field.
Costs ReadCostsRecord(RecordReader& reader);

// Throws FormatError for costs the reader would refuse: outside the ranges a
// calculation takes (CostsRefusal), or none given.
void CheckCostsRecord(const Costs& costs);

// Appends the record. Check first.
void WriteCostsRecord(RecordWriter& writer, const Costs& costs);

}  // namespace amortix
