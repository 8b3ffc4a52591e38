#pragma once
// Small output helpers shared by the commands.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/schedule.h"
#include "core/export/export.h"
#include "core/print/report.h"

namespace amortix::cli {

using Json = nlohmann::ordered_json;

// Rate changes as a calculation met them.
Json RateChangesJson(const std::vector<AppliedRateChange>& changes);

// A figure the calculation may leave unknown: null then.
template <class T>
Json OptionalJson(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}
// A lender's limit gone over: year, limit and over, or null.
Json LimitJson(const std::optional<LimitExceeded>& exceeded);
// What messages 47 and 48 report, as sentences: yearly and increase, null
// when not gone over.
Json LimitTextsJson(const PrepaymentSummary& prepayments, std::string_view currencySymbol);
// The same, one line each, after the messages.
void PrintLimits(std::ostream& out, const PrepaymentSummary& prepayments, std::string_view currencySymbol);

// A cell as a spreadsheet reads it: quoted when it holds a comma or a quote.
std::string CsvField(const std::string& text);
std::string CsvLine(std::span<const std::string> cells);

// A single-precision value as the shortest number that reads back to it.
double ShortestDouble(float value);

Json GraphJson(const GraphData& graph);

// The messages by number, as the JSON output lists them.
Json MessagesJson(const std::vector<Message>& messages);
// The layout of the JSON's version 2: each message as its number and text,
// and the name and version of the layout.
Json NumberedMessagesJson(const std::vector<Message>& messages);
Json SchemaJson(const std::string& name);
// One "Message N: text" line per message.
void PrintMessages(std::ostream& out, const std::vector<Message>& messages);

// --output FILE: the command's output goes to the file, written whole or not
// at all, instead of standard output.
struct OutputOptions {
    std::optional<std::string> path;

    void Add(CLI::App& app);
    // A workbook is no text for a terminal: --format xlsx needs --output.
    void Check(const std::string& format) const;
};

// Writes `text` to standard output, or to `path` in place of any file there.
// A file that cannot be written is message 47 and its reason on standard
// error, status 1; otherwise 0.
int Deliver(const std::optional<std::string>& path, const std::string& text);
// The status of an export to `path`: 0, or 1 with message 47 and the reason
// on standard error.
int ExportStatus(const ExportOutcome& outcome, const std::string& path);
// The format of --format csv or xlsx.
ExportFormat ExportFormatOption(const std::string& name);

// Delivers a report's pages and prints the calculation's messages on
// standard error; nothing to print is Message::NothingToPrint and exit
// status 1.
int EmitReport(const TextReport& report, const std::vector<Message>& messages,
               const std::optional<std::string>& path);

}  // namespace amortix::cli
