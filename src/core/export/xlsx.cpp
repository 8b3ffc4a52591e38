#include "core/export/xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/export/csv.h"

namespace amortix {

namespace {

constexpr const char* kPercentFormat = "0.000%";
constexpr const char* kDateFormat = "yyyy-mm-dd";
constexpr const char* kCountFormat = "0";
constexpr const char* kYearsFormat = "0.00";
constexpr const char* kFactorFormat = "0.0000000000";

// Characters, not bytes: the symbol or a label may be "€" or "é".
double Characters(std::string_view text) {
    return static_cast<double>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

double IntegerDigits(double value) {
    const double whole = std::floor(std::fabs(value));
    return whole < 10 ? 1 : std::floor(std::log10(whole)) + 1;
}

double CellWidth(const Cell& cell, double symbolWidth) {
    const double sign = cell.number < 0 ? 1 : 0;
    switch (cell.kind) {
        case CellKind::Empty:
            return 0;
        case CellKind::Text:
            return Characters(cell.text);
        case CellKind::Amount: {
            const double digits = IntegerDigits(cell.number);
            return sign + symbolWidth + digits + std::floor((digits - 1) / 3) + 3;
        }
        case CellKind::Percent:
            return sign + IntegerDigits(cell.number) + 5;
        case CellKind::Date:
            return 10;
        case CellKind::Count:
            return sign + IntegerDigits(cell.number);
        case CellKind::Years:
            return sign + IntegerDigits(cell.number) + 3;
        case CellKind::Factor:
            return sign + IntegerDigits(cell.number) + 11;
        case CellKind::Number:
            break;
    }
    return Characters(PlainNumber(cell.number));
}

// The formats of one workbook, by cell kind; the general format is none.
struct Formats {
    lxw_format* header = nullptr;
    std::array<lxw_format*, static_cast<std::size_t>(CellKind::Number) + 1> byKind{};

    lxw_format* Of(CellKind kind) const { return byKind[static_cast<std::size_t>(kind)]; }
};

Formats MakeFormats(lxw_workbook* book, std::string_view currencySymbol) {
    Formats f;
    f.header = workbook_add_format(book);
    format_set_bold(f.header);
    format_set_bottom(f.header, LXW_BORDER_THIN);
    const auto numeric = [book](const std::string& code) {
        lxw_format* format = workbook_add_format(book);
        format_set_num_format(format, code.c_str());
        return format;
    };
    f.byKind[static_cast<std::size_t>(CellKind::Amount)] = numeric(CurrencyNumberFormat(currencySymbol));
    f.byKind[static_cast<std::size_t>(CellKind::Percent)] = numeric(kPercentFormat);
    f.byKind[static_cast<std::size_t>(CellKind::Date)] = numeric(kDateFormat);
    f.byKind[static_cast<std::size_t>(CellKind::Count)] = numeric(kCountFormat);
    f.byKind[static_cast<std::size_t>(CellKind::Years)] = numeric(kYearsFormat);
    f.byKind[static_cast<std::size_t>(CellKind::Factor)] = numeric(kFactorFormat);
    return f;
}

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const Cell& cell, const Formats& f) {
    switch (cell.kind) {
        case CellKind::Empty:
            return LXW_NO_ERROR;
        case CellKind::Text:
            return worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
        case CellKind::Percent:
            // A percentage format shows 0.10125 as 10.125%.
            return worksheet_write_number(sheet, row, col, cell.number / 100.0, f.Of(cell.kind));
        case CellKind::Date:
            return worksheet_write_number(sheet, row, col, WorkbookDay(static_cast<DaySerial>(cell.number)),
                                          f.Of(cell.kind));
        default:
            return worksheet_write_number(sheet, row, col, cell.number, f.Of(cell.kind));
    }
}

lxw_error WriteSheet(lxw_worksheet* sheet, const Table& table, const Formats& f, std::string_view symbol) {
    for (std::size_t c = 0; c < table.headers.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        lxw_error error = worksheet_set_column(sheet, col, col, ColumnWidth(table, c, symbol), nullptr);
        if (error == LXW_NO_ERROR)
            error = worksheet_write_string(sheet, 0, col, table.headers[c].c_str(), f.header);
        if (error != LXW_NO_ERROR) return error;
    }
    worksheet_freeze_panes(sheet, 1, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<Cell>& row = table.rows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const lxw_error error =
                WriteCell(sheet, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c), row[c], f);
            if (error != LXW_NO_ERROR) return error;
        }
    }
    return LXW_NO_ERROR;
}

}  // namespace

std::string CurrencyNumberFormat(std::string_view symbol) {
    if (symbol.empty()) return "#,##0.00";
    std::string out = "\"";
    for (const char c : symbol) {
        if (c == '"')
            out += "\"\\\"\"";  // a quote cannot stand inside quotes: close, escape it, reopen
        else
            out += c;
    }
    return out + "\"#,##0.00";
}

double WorkbookDay(DaySerial serial) {
    return serial < SerialFromCivil(1900, 3, 1) ? serial - 1 : serial;
}

double ColumnWidth(const Table& table, std::size_t column, std::string_view currencySymbol) {
    constexpr double kPadding = 2, kNarrowest = 6, kWidest = 60;
    // Bold headers take about a character more.
    double widest = column < table.headers.size() ? Characters(table.headers[column]) + 1 : 0;
    const double symbolWidth = Characters(currencySymbol);
    for (const std::vector<Cell>& row : table.rows)
        if (column < row.size()) widest = std::max(widest, CellWidth(row[column], symbolWidth));
    return std::clamp(widest + kPadding, kNarrowest, kWidest);
}

bool WriteWorkbook(const std::string& path, const std::vector<Table>& sheets, std::string_view currencySymbol,
                   std::string& error) {
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) {
        error = "the workbook could not be started";
        return false;
    }
    const Formats formats = MakeFormats(book, currencySymbol);
    lxw_error failure = LXW_NO_ERROR;
    for (const Table& table : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, table.name.c_str());
        if (!sheet) {
            error = "bad sheet name: " + table.name;
            workbook_close(book);
            return false;
        }
        failure = WriteSheet(sheet, table, formats, currencySymbol);
        if (failure != LXW_NO_ERROR) break;
    }
    // Closing writes the file, and frees the workbook whatever happened before.
    const lxw_error closed = workbook_close(book);
    if (failure == LXW_NO_ERROR) failure = closed;
    if (failure != LXW_NO_ERROR) error = lxw_strerror(failure);
    return failure == LXW_NO_ERROR;
}

}  // namespace amortix
