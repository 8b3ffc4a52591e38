#include "cli/output.h"

#include <charconv>
#include <iostream>

#include "cli/options.h"
#include "core/files/text_file.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/schedule_texts.h"

namespace amortix::cli {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvLine(std::span<const std::string> cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) line += ',';
        line += CsvField(cells[i]);
    }
    return line;
}

double ShortestDouble(float value) {
    const std::string text = ShortestText(value);
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}

Json GraphJson(const GraphData& graph) {
    Json points = Json::array();
    for (const GraphPoint& p : graph.points) {
        Json label = p.label.empty() ? Json(p.labelNumber) : Json(p.label);
        points.push_back(Json::array({label, p.value}));
    }
    return Json{{"title", graph.title}, {"points", points}};
}

Json MessagesJson(const std::vector<Message>& messages) {
    return Json(MessageNumbers(messages));
}

Json NumberedMessagesJson(const std::vector<Message>& messages) {
    Json out = Json::array();
    for (const Message m : messages) out.push_back({{"number", MessageNumber(m)}, {"text", MessageText(m)}});
    return out;
}

Json SchemaJson(const std::string& name) {
    return {{"name", name}, {"version", 2}};
}

void PrintMessages(std::ostream& out, const std::vector<Message>& messages) {
    for (const Message m : messages) out << "Message " << MessageNumber(m) << ": " << MessageText(m) << '\n';
}

void OutputOptions::Add(CLI::App& app) {
    app.add_option("--output", path, "Write to this file instead of standard output (needed by xlsx)");
}

void OutputOptions::Check(const std::string& format) const {
    if (format == "xlsx" && !path) throw UsageError("--format xlsx writes a workbook: give --output FILE");
    if (path && path->empty()) throw UsageError("--output: no file name");
}

int ExportStatus(const ExportOutcome& outcome, const std::string& path) {
    if (outcome.ok()) return 0;
    PrintMessages(std::cerr, {*outcome.message});
    std::cerr << "amortix-cli: " << path << ": " << outcome.reason << '\n';
    return 1;
}

int Deliver(const std::optional<std::string>& path, const std::string& text) {
    if (!path) {
        std::cout << text;
        return 0;
    }
    std::string reason;
    if (WriteFileReplacing(*path, text, &reason)) return 0;
    return ExportStatus({Message::CannotExport, reason}, *path);
}

ExportFormat ExportFormatOption(const std::string& name) {
    for (const ExportFormatInfo& row : kExportFormats)
        if (row.cliName == name) return row.id;
    throw UsageError("--format: not an export format: " + name);
}

int EmitReport(const TextReport& report, const std::vector<Message>& messages,
               const std::optional<std::string>& path) {
    PrintMessages(std::cerr, messages);
    if (report.message) {
        PrintMessages(std::cerr, {*report.message});
        return 1;
    }
    return Deliver(path, PagesAsText(report.pages));
}

Json RateChangesJson(const std::vector<AppliedRateChange>& changes) {
    Json out = Json::array();
    for (const AppliedRateChange& c : changes)
        out.push_back({{"year", c.change.year},
                       {"month", c.change.month},
                       {"rate", c.change.ratePercent},
                       {"payment_change", Info(c.change.payment).cliName},
                       {"first_payment", c.firstPayment},
                       {"reached", c.reached},
                       {"payment", c.reached ? Json(c.payment) : Json(nullptr)}});
    return out;
}

Json LimitJson(const std::optional<LimitExceeded>& exceeded) {
    if (!exceeded) return nullptr;
    return {
        {"year", exceeded->year}, {"limit", exceeded->limit.ToDouble()}, {"over", exceeded->over.ToDouble()}};
}

Json LimitTextsJson(const PrepaymentSummary& p, std::string_view symbol) {
    return {
        {"yearly", p.yearlyLimit ? Json(YearlyLimitText(*p.yearlyLimit, symbol)) : Json(nullptr)},
        {"increase", p.increaseLimit ? Json(IncreaseLimitText(*p.increaseLimit, symbol)) : Json(nullptr)}};
}

void PrintLimits(std::ostream& out, const PrepaymentSummary& p, std::string_view symbol) {
    if (p.yearlyLimit) out << YearlyLimitText(*p.yearlyLimit, symbol) << '\n';
    if (p.increaseLimit) out << IncreaseLimitText(*p.increaseLimit, symbol) << '\n';
}

}  // namespace amortix::cli
