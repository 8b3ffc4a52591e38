#pragma once
// The fixed-pitch printed reports: the printer set-up and page footer they
// share, the tables report and the comparison report. Each field is placed at
// a fixed character column through a LinePrinter.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/calc/comparison.h"
#include "core/calc/listing.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"
#include "core/print/costs_section.h"
#include "core/print/line_printer.h"

namespace amortix {

// The printer font of the personal settings.
inline constexpr std::int16_t kPrinterFontStandard = 0;
inline constexpr std::int16_t kPrinterFontCourierNew = 1;  // Courier New 11 point

inline constexpr std::int16_t kCourierPageLines = 56;
inline constexpr std::int16_t kStandardPageLines = 53;

// A printout in progress.
struct PrintJob {
    LinePrinter& printer;
    std::int16_t fontChoice = kPrinterFontStandard;
    std::int16_t pageLines = 0;                    // lines counted before a page break; set by PrinterSetup
    const Catalogue* words = &EnglishCatalogue();  // the page footer's language
};

// Prints the empty line that opens each page and selects the font (and with
// it the lines a page holds). Any non-zero choice means Courier New 11 point.
void PrinterSetup(PrintJob& job);
// Two empty lines, "Page" and the page number at column 40, a new page and
// PrinterSetup. The printout then repeats its own column headers.
void PageBreak(PrintJob& job);
// A new page, then the end of the document: the last page has no footer.
void EndPrintout(PrintJob& job);

// A header of "1" stands for a cancellation: the header dialog takes it as
// Cancel and the command line refuses it.
bool HeaderCancelled(std::string_view headerText);
// The header as the one-line header box would hold it: double quotes cannot
// be typed there, nor line breaks or other control characters.
std::string HeaderAsTyped(std::string_view text);

// Message::NothingToPrint is returned, not printed, when a report has nothing
// to print; nullopt means the report was printed.

// ---------------------------------------------------------------------------
// Tables report.

// What the tables report reads besides the calculation result (which brings
// the view, dates and term it was made with): the inputs it was made from.
struct TablesPrintData {
    std::string header;  // the line the user typed
    TableKind mode = TableKind::Mortgage;
    double principal = 0.0;
    double ratePercent = 0.0;
    double years = 0.0;  // a loan's months / 12
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    float paymentIncrease = 0.0f;  // fraction: 0.05 for 5 %
    std::string currencySymbol = "$";
    DateFormatter formatDate;  // ISO when empty
    // The costs section after everything else, when costs were given (CostsPrintFor).
    std::optional<CostsPrint> costs;
};
// The report's data for the inputs a result was calculated from.
TablesPrintData TablesPrintDataFor(const ScheduleInputs& inputs, std::string header);

// The rows the schedule section prints: the rows in view, limited by the term.
int TablesReportRows(const ScheduleResult& result);

std::optional<Message> PrintTablesReport(LinePrinter& printer, const TablesPrintData& data,
                                         const ScheduleResult& result, std::int16_t fontChoice,
                                         const Catalogue& words = EnglishCatalogue());

// ---------------------------------------------------------------------------
// Comparison report.

// Everything the comparison report prints, as the comparison screen keeps it.
struct ComparisonPrintData {
    // The line the user typed in the header dialog (set by the caller).
    std::string header;
    // Every calculated row's four lines, each ended by CR LF, in row order
    // (see ComparisonRowLines); restored as is from a comparison file.
    std::string printoutText;
    // The additional payments applied, one listing index per comparison row
    // that applied any. Row 0 holds "Yr. Mth Row" (label) and the comparison
    // row number right-justified in 3 (amount); rows 1.. the entries: the year
    // under "##" in 2 followed by the month with one leading blank (label), and
    // the amount under "###,###.00" right-justified in 10 (amount).
    ListingTable labels;
    ListingTable amounts;
    // Greatest number of entries any listing index holds; 0: no listing.
    std::int16_t greatestEntryCount = 0;
    // Greatest entry count among listing indexes 0-4, 5-9 and 10-11.
    std::array<std::int16_t, 3> groupEntryCounts{};
    // Greatest listing index used.
    std::int16_t greatestListingIndex = 0;
    // The number of rows to graph: the comparison's row count after a
    // successful calculation, 0 when there is nothing to print.
    std::int16_t rowsToGraph = 0;
};

// What the comparison report prints from the comparison as it stands.
ComparisonPrintData PrintDataFor(const ComparisonState& state, std::string header);

std::optional<Message> PrintComparisonReport(LinePrinter& printer, const ComparisonPrintData& data,
                                             std::int16_t fontChoice,
                                             const Catalogue& words = EnglishCatalogue());

// ---------------------------------------------------------------------------
// Reports as text pages, for the command line and the tests.

struct TextReport {
    std::optional<Message> message;  // NothingToPrint, and no pages
    PrintedPages pages;
};

TextReport RenderTablesReport(const TablesPrintData& data, const ScheduleResult& result,
                              std::int16_t fontChoice, const Catalogue& words = EnglishCatalogue());
TextReport RenderComparisonReport(const ComparisonPrintData& data, std::int16_t fontChoice,
                                  const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
