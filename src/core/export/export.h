#pragma once
// Exporting a calculation's figures to a file another program reads: a
// spreadsheet workbook or comma-separated values. One call a screen: it
// writes the whole file or, on failure, leaves no part of it behind (any file
// it was to replace stays as it was) and names the message to show.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/export/sheets.h"
#include "core/format/messages.h"

namespace amortix {

enum class ExportFormat : std::int8_t { Csv, Xlsx };

struct ExportFormatInfo {
    ExportFormat id;
    std::string_view cliName;
    std::string_view extension;
    std::string_view filter;  // a file dialog's filter
};

inline constexpr std::array<ExportFormatInfo, 2> kExportFormats = {{
    {ExportFormat::Xlsx, "xlsx", ".xlsx", "Spreadsheet workbook (*.xlsx)"},
    {ExportFormat::Csv, "csv", ".csv", "Comma-separated values (*.csv)"},
}};

constexpr const ExportFormatInfo& Info(ExportFormat format) {
    for (const ExportFormatInfo& row : kExportFormats)
        if (row.id == format) return row;
    return kExportFormats[0];
}

// The format a file name's extension asks for (any case), if any.
std::optional<ExportFormat> ExportFormatOfPath(std::string_view path);

struct ExportOutcome {
    std::optional<Message> message;  // Message::CannotExport when nothing was written
    std::string reason;              // the system's words for why, for a log or standard error
    bool ok() const { return !message.has_value(); }
};

// The schedule: a workbook of its Summary (inputs and results), Schedule and,
// with rate changes, Rate changes; a CSV file of the schedule's rows. Amounts
// are in the inputs' currency symbol.
ExportOutcome ExportSchedule(const std::string& path, ExportFormat format, const ScheduleExport& schedule);

// The comparison: a workbook of the Comparison rows, their Additional
// payments and, when any row has some, Rate changes; a CSV file of the rows.
// ComparisonRowsOf gives the rows of a comparison as the screen keeps it.
ExportOutcome ExportComparison(const std::string& path, ExportFormat format,
                               const std::vector<ComparisonRow>& rows, std::string_view currencySymbol);

// The affordability figures: a workbook of one sheet, a figure a row; a CSV
// file of one row under a header row of the figures' names.
ExportOutcome ExportAfford(const std::string& path, ExportFormat format, const AffordExport& afford,
                           std::string_view currencySymbol);

// The bytes of a CSV export, for a caller that writes them itself.
std::string ScheduleCsv(const ScheduleResult& result);
std::string ComparisonCsv(const std::vector<ComparisonRow>& rows);
std::string AffordCsv(const AffordExport& afford);

}  // namespace amortix
