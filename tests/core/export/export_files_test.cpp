// The rules of the exported files that other programs rely on: CSV fields and
// numbers, the workbook's currency format and column widths, and the format a
// file name asks for. The files themselves are read back by
// tests/cli/export_read_back_test.py.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/export/csv.h"
#include "core/export/export.h"
#include "core/export/xlsx.h"

namespace amortix {
namespace {

TEST(Csv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        const char* text;
        const char* field;
    } cases[] = {
        {"Interest", "Interest"},
        {"", ""},
        {"1,234.50", "\"1,234.50\""},
        {"The \"Smith\" house", "\"The \"\"Smith\"\" house\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"\u00a3 and \u20ac", "\u00a3 and \u20ac"},  // UTF-8 as it is
        {" padded ", " padded "},                    // blanks are data
    };
    for (const auto& c : cases) EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

// Plain numbers: shortest round trip, never an exponent, grouping or a "-0".
TEST(Csv, NumbersArePlainAndReadBackExactly) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {843.75, "843.75"},
        {100000, "100000"},
        {0.1 + 0.2, "0.30000000000000004"},
        {-12.5, "-12.5"},
        {1e-7, "0.0000001"},
        {1e21, "1000000000000000000000"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& c : cases) {
        const std::string text = PlainNumber(c.value);
        EXPECT_EQ(text, c.text) << c.value;
        if (std::isfinite(c.value)) {
            EXPECT_EQ(std::stod(text), c.value) << text;
        }
    }
    EXPECT_EQ(PlainNumber(std::numeric_limits<double>::denorm_min()).size(), 326u);  // 0. and 324 digits
}

TEST(Xlsx, CurrencyFormatQuotesTheSymbol) {
    const struct {
        const char* symbol;
        const char* format;
    } cases[] = {
        {"$", "\"$\"#,##0.00"},
        {"\u20ac", "\"\u20ac\"#,##0.00"},
        {"R ", "\"R \"#,##0.00"},
        {"0#", "\"0#\"#,##0.00"},  // format codes in a symbol stay literal
        {"a\"b", "\"a\"\\\"\"b\"#,##0.00"},
        {"", "#,##0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(CurrencyNumberFormat(c.symbol), c.format) << c.symbol;
}

// The day numbers of Office Open XML's 1900 date system (ECMA-376), where
// 1 is 1 January 1900 and 60 the 29 February 1900 that never was.
TEST(Xlsx, DaysAreTheWorkbooksDayNumbers) {
    const struct {
        int year, month, day;
        double number;
    } cases[] = {
        {1900, 1, 1, 1},  // the export property's shrunk case: a first payment on 1 January 1900
        {1900, 1, 31, 31}, {1900, 2, 28, 59}, {1900, 3, 1, 61}, {1999, 12, 31, 36525}, {2025, 3, 1, 45717},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorkbookDay(SerialFromCivil(c.year, c.month, c.day)), c.number)
            << c.year << "-" << c.month << "-" << c.day;
}

TEST(Xlsx, ColumnsAreWideEnoughForTheirWidestCell) {
    const auto width = [](Cell cell, const char* header = "A", const char* symbol = "$") {
        return ColumnWidth(Table{"T", {header}, {{std::move(cell)}}}, 0, symbol);
    };
    EXPECT_EQ(width(Cell::Of(CellKind::Amount, 1234567.891)), 15);             // "$1,234,567.89" and 2
    EXPECT_EQ(width(Cell::Of(CellKind::Amount, -1234.5), "A", "\u20ac"), 12);  // "-€1,234.50": characters
    EXPECT_EQ(width(Cell::Of(CellKind::Percent, 10.125)), 9);                  // "10.125%"
    EXPECT_EQ(width(Cell::Day(45000)), 12);
    EXPECT_EQ(width(Cell::Of(CellKind::Count, 7), "Cumulative principal"), 23);  // the bold header
    EXPECT_EQ(width(Cell::Of(CellKind::Count, 7)), 6);                           // at least
    EXPECT_EQ(width(Cell::Words(std::string(200, 'x'))), 60);                    // at most
}

TEST(ExportFormat, FromTheFileName) {
    const struct {
        const char* path;
        std::optional<ExportFormat> format;
    } cases[] = {
        {"plan.xlsx", ExportFormat::Xlsx},
        {"/a/b/PLAN.XLSX", ExportFormat::Xlsx},
        {"rows.csv", ExportFormat::Csv},
        {"rows.Csv", ExportFormat::Csv},
        {"plan.xls", std::nullopt},
        {"xlsx", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ExportFormatOfPath(c.path), c.format) << c.path;
}

}  // namespace
}  // namespace amortix
