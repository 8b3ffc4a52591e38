#pragma once
// What the user is told about a printout's destination: the name proposed for
// a PDF when there is no printer, where it was written, and a failure.

#include <string>
#include <string_view>

#include "core/calc/dates.h"
#include "core/format/catalogue.h"

namespace amortix {

// Document titles: the printer's job name and the start of a PDF's name.
inline constexpr std::string_view kMortgageTablePrintout = AMX_TEXT("Mortgage table");
inline constexpr std::string_view kLoanTablePrintout = AMX_TEXT("Personal loan table");
inline constexpr std::string_view kComparisonPrintout = AMX_TEXT("Mortgage comparison");
inline constexpr std::string_view kAffordabilityPrintout = AMX_TEXT("Mortgage affordability");
inline constexpr std::string_view kGraphPrintout = AMX_TEXT("Mortgage graph");

// "Mortgage table 2026-12-06.pdf": the title and the day, sorting by date in a
// folder; the caller passes the title in the language of the file dialog.
std::string PrintoutFileName(std::string_view title, DaySerial today);

// Said after a printout went to a PDF because no printer is set up.
std::string PrintoutSavedText(std::string_view path, const Catalogue& words = EnglishCatalogue());

// Said when the printer or the file refused the printout; `where` is the
// printer's name or the file's path.
std::string PrintoutFailedText(std::string_view where, const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
