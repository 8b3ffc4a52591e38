#pragma once
// Workbooks for spreadsheet programs, through libxlsxwriter: one sheet a
// table, its header row bold and frozen, amounts as numbers in a currency
// format of the user's symbol, rates as percentages, dates as dates, and
// columns wide enough for what they hold.

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/dates.h"
#include "core/export/table.h"

namespace amortix {

// The number format of an amount: the symbol, quoted so that none of its
// characters is read as a format code, before the amount with two decimals.
std::string CurrencyNumberFormat(std::string_view symbol);

// The number a workbook holds for a day: its 1900 date system counts a
// 29 February 1900 that never was, so the days before March 1900 are one
// lower than their serial (LibreOffice, which counts from 30 December 1899
// throughout, shows those a day early). Days before 1900 have no number a
// spreadsheet shows as a date.
double WorkbookDay(DaySerial serial);

// The width, in characters, that column `column` needs for its header and
// its widest cell as the workbook shows it.
double ColumnWidth(const Table& table, std::size_t column, std::string_view currencySymbol);

// Writes the tables as the sheets of a workbook at `path`, replacing what is
// there. False, with the reason in `error`, when the workbook could not be
// written whole; the caller removes what was left.
bool WriteWorkbook(const std::string& path, const std::vector<Table>& sheets, std::string_view currencySymbol,
                   std::string& error);

}  // namespace amortix
