#pragma once
// Small output helpers shared by the commands.

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/schedule.h"
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

// Prints a report's pages on standard output and the calculation's messages
// on standard error; nothing to print is Message::NothingToPrint and exit
// status 1.
int EmitReport(const TextReport& report, const std::vector<Message>& messages);

}  // namespace amortix::cli
