#pragma once
// Comma-separated values as RFC 4180 has them: UTF-8, lines ended by CR LF,
// a header row, a field quoted when it holds a comma, a quote or a line end
// (its quotes doubled). Figures are plain numbers with a "." decimal point
// and no grouping or currency symbol, rates in percent, dates ISO, so that
// any program reads them back without guessing.

#include <string>
#include <string_view>

#include "core/export/table.h"

namespace amortix {

std::string CsvField(std::string_view text);
// The shortest plain decimal that reads back to `value` (no exponent): 843.75,
// 0.0081, 100000. Not a number or infinite: empty.
std::string PlainNumber(double value);
std::string CsvCell(const Cell& cell);
std::string CsvText(const Table& table);

}  // namespace amortix
