#include "core/export/export.h"

#include <algorithm>
#include <cctype>

#include "core/export/csv.h"
#include "core/export/labels.h"
#include "core/export/xlsx.h"
#include "core/files/text_file.h"

namespace amortix {

namespace {

ExportOutcome Outcome(bool written, std::string reason) {
    if (written) return {};
    return {Message::CannotExport, std::move(reason)};
}

ExportOutcome WriteCsv(const std::string& path, const std::string& text) {
    std::string reason;
    const bool written = WriteFileReplacing(path, text, &reason);
    return Outcome(written, std::move(reason));
}

ExportOutcome WriteXlsx(const std::string& path, const std::vector<Table>& sheets, std::string_view symbol) {
    std::string reason;
    const bool written = ReplaceFileWith(
        path,
        [&](int, const std::string& newPath, std::string& error) {
            return WriteWorkbook(newPath, sheets, symbol, error);
        },
        &reason);
    return Outcome(written, std::move(reason));
}

bool EndsWithNoCase(std::string_view text, std::string_view end) {
    if (text.size() < end.size()) return false;
    return std::equal(
        end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
}

}  // namespace

std::optional<ExportFormat> ExportFormatOfPath(std::string_view path) {
    for (const ExportFormatInfo& row : kExportFormats)
        if (EndsWithNoCase(path, row.extension)) return row.id;
    return std::nullopt;
}

ExportOutcome ExportSchedule(const std::string& path, ExportFormat format, const ScheduleExport& schedule) {
    if (format == ExportFormat::Csv) return WriteCsv(path, ScheduleCsv(schedule.result));
    return WriteXlsx(path, ScheduleSheets(schedule), schedule.inputs.currencySymbol);
}

ExportOutcome ExportComparison(const std::string& path, ExportFormat format,
                               const std::vector<ComparisonRow>& rows, std::string_view currencySymbol) {
    if (format == ExportFormat::Csv) return WriteCsv(path, ComparisonCsv(rows));
    return WriteXlsx(path, ComparisonSheets(rows), currencySymbol);
}

ExportOutcome ExportAfford(const std::string& path, ExportFormat format, const AffordExport& afford,
                           std::string_view currencySymbol) {
    if (format == ExportFormat::Csv) return WriteCsv(path, AffordCsv(afford));
    return WriteXlsx(path, {ItemsTable(labels::kAffordSheet, AffordRecord(afford))}, currencySymbol);
}

std::string ScheduleCsv(const ScheduleResult& result) {
    return CsvText(ScheduleRowsTable(result));
}

std::string ComparisonCsv(const std::vector<ComparisonRow>& rows) {
    return CsvText(ComparisonRowsTable(rows));
}

std::string AffordCsv(const AffordExport& afford) {
    return CsvText(RowTable(labels::kAffordSheet, AffordRecord(afford)));
}

}  // namespace amortix
