// An exported schedule reads back to the engine's own numbers: every figure
// of every payment in the CSV file and in the workbook is the row's figure
// exactly, whatever the inputs (a spreadsheet then sums what the screen shows),
// and a workbook's date is the day a spreadsheet shows.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/dates.h"
#include "core/calc/schedule.h"
#include "core/export/export.h"
#include "core/properties/any_inputs.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

using testing::AnyTableInputs;

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
    return cells;
}

double Number(const std::string& cell) {
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    RC_ASSERT(end != cell.c_str());
    RC_ASSERT(*end == '\0');
    return value;
}

RC_GTEST_PROP(ExportProperties, TheScheduleCsvReadsBackToTheEnginesNumbers, ()) {
    ScheduleInputs in = AnyTableInputs();
    in.view = ScheduleView::AllPayments;
    in.showDates = false;
    in.termYears = 0;  // the whole schedule: a term exports only its years
    const ScheduleResult r = CalculateSchedule(in);
    RC_PRE(r.calculated);
    std::stringstream csv(ScheduleCsv(r));
    std::string line;
    std::getline(csv, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    RC_ASSERT(line ==
              std::string("Payment,Year,Interest,Principal,Additional payment,Balance,Cumulative interest,"
                          "Cumulative principal,Rate %"));
    std::size_t k = 0;
    while (std::getline(csv, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++k;
        RC_ASSERT(k < r.rows.size());
        const ScheduleRow& row = r.rows[k];
        const std::vector<std::string> cells = Cells(line);
        RC_ASSERT(cells.size() == 9u);
        RC_ASSERT(Number(cells[0]) == static_cast<double>(row.number));
        RC_ASSERT(Number(cells[1]) == static_cast<double>(row.year));
        const Currency* amounts[] = {&row.interest, &row.principal,          &row.extra,
                                     &row.balance,  &row.cumulativeInterest, &row.cumulativePrincipal};
        for (std::size_t c = 0; c < 6; ++c) RC_ASSERT(Number(cells[c + 2]) == amounts[c]->ToDouble());
        RC_ASSERT(std::fabs(Number(cells[8]) - row.ratePercent) < 5e-7);
    }
    RC_ASSERT(k + 1 == r.rows.size());
}

// Members of the zip archive a workbook is, one after another, through
// unzip: fewer lines than a zip reader of our own, and quick enough with one
// process a case.
std::string Members(const std::string& archive, const std::string& names) {
    FILE* pipe = popen(("unzip -p '" + archive + "' " + names).c_str(), "r");
    RC_ASSERT(pipe != nullptr);
    std::string text;
    std::array<char, 65536> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        text.append(buffer.data(), n);
    RC_ASSERT(pclose(pipe) == 0);
    return text;
}

// The text from after the next `open` at or after `at` to the `close` that
// follows; `at` moves past the close, or to npos when there is none.
std::string_view Between(std::string_view xml, std::string_view open, std::string_view close,
                         std::size_t& at) {
    const std::size_t start = xml.find(open, at);
    at = start == std::string_view::npos ? start : xml.find(close, start + open.size());
    if (at == std::string_view::npos) return {};
    const std::string_view text = xml.substr(start + open.size(), at - start - open.size());
    at += close.size();
    return text;
}

// A sheet's cells in the order libxlsxwriter writes them, row by row:
// <c r="C2" s="3"><v>843.75</v></c>, and t="s" on a text, whose value is its
// index among the shared strings, <si><t>Payment</t></si>. The sheet and the
// strings may come in one text: neither holds the other's elements.
struct SheetCell {
    std::string ref;
    bool text = false;
    std::string value;
};

std::vector<SheetCell> SheetCells(std::string_view xml) {
    std::vector<std::string> strings;
    for (std::size_t at = 0;;) {
        const std::string_view item = Between(xml, "<si>", "</si>", at);
        if (at == std::string_view::npos) break;
        std::size_t t = 0;
        strings.emplace_back(Between(item, ">", "</t>", t));  // <t> or <t xml:space="preserve">
    }
    std::vector<SheetCell> cells;
    for (std::size_t at = 0;;) {
        const std::string_view ref = Between(xml, "<c r=\"", "\"", at);
        if (at == std::string_view::npos) return cells;
        const std::string_view rest = Between(xml, "", ">", at);  // of the start tag
        SheetCell& cell =
            cells.emplace_back(SheetCell{std::string(ref), rest.find(" t=\"") != rest.npos, {}});
        if (!rest.ends_with("/")) cell.value = Between(xml, "<v>", "</v>", at);
        if (rest.find(" t=\"s\"") == rest.npos) continue;
        const auto index = static_cast<std::size_t>(Number(cell.value));
        RC_ASSERT(index < strings.size());
        cell.value = strings[index];
    }
}

// The number a spreadsheet shows as `date`: it counts 1 January 1900 as day 1
// and, as the first spreadsheet programs did, a 29 February 1900.
double SpreadsheetDay(DaySerial date) {
    const DaySerial day = date - SerialFromCivil(1899, 12, 31);
    return date > SerialFromCivil(1900, 2, 28) ? day + 1 : day;
}

// A column of the Schedule sheet: its header, whether the view has it, and
// the row's figure in it (how far the read-back may be from it).
struct Column {
    std::string_view header;
    bool shown;
    double (*figure)(const ScheduleRow&);
    double within = 0;
};

RC_GTEST_PROP(ExportProperties, TheScheduleWorkbookHoldsTheEnginesNumbers, ()) {
    ScheduleInputs in = AnyTableInputs();
    in.termYears = 0;  // the whole schedule, as above
    const ScheduleResult r = CalculateSchedule(in);
    RC_PRE(r.calculated);
    const bool payments = r.view == ScheduleView::AllPayments;
    const Column all[] = {
        {"Payment", payments, [](const ScheduleRow& row) { return static_cast<double>(row.number); }},
        {"Year", payments, [](const ScheduleRow& row) { return static_cast<double>(row.year); }},
        {"Year", !payments, [](const ScheduleRow& row) { return static_cast<double>(row.number); }},
        {"Date", r.showDates, [](const ScheduleRow& row) { return SpreadsheetDay(row.date); }},
        {"Interest", true, [](const ScheduleRow& row) { return row.interest.ToDouble(); }},
        {"Principal", true, [](const ScheduleRow& row) { return row.principal.ToDouble(); }},
        {"Additional payment", true, [](const ScheduleRow& row) { return row.extra.ToDouble(); }},
        {"Balance", true, [](const ScheduleRow& row) { return row.balance.ToDouble(); }},
        {"Cumulative interest", true,
         [](const ScheduleRow& row) { return row.cumulativeInterest.ToDouble(); }},
        {"Cumulative principal", true,
         [](const ScheduleRow& row) { return row.cumulativePrincipal.ToDouble(); }},
        // A percentage cell holds 0.10125 for 10.125 %.
        {"Rate %", true, [](const ScheduleRow& row) { return row.ratePercent / 100.0; }, 5e-9},
    };
    std::vector<Column> columns;
    for (const Column& column : all)
        if (column.shown) columns.push_back(column);

    const testing::TempDir dir;
    const std::string path = dir.File("schedule.xlsx");
    RC_ASSERT(ExportSchedule(path, ExportFormat::Xlsx, {in, r, {}}).ok());
    // The second sheet; the first, the Summary, has other headers.
    const std::vector<SheetCell> cells =
        SheetCells(Members(path, "xl/worksheets/sheet2.xml xl/sharedStrings.xml"));
    std::size_t next = 0;
    const auto cellAt = [&](std::size_t row, std::size_t column) -> const SheetCell& {
        RC_ASSERT(next < cells.size());
        RC_ASSERT(cells[next].ref == static_cast<char>('A' + column) + std::to_string(row + 1));
        return cells[next++];
    };
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const SheetCell& cell = cellAt(0, c);
        RC_ASSERT(cell.text);
        RC_ASSERT(cell.value == columns[c].header);
    }
    for (std::size_t k = 1; k < r.rows.size(); ++k) {  // row 0 is the start, not a payment
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const SheetCell& cell = cellAt(k, c);
            RC_ASSERT(!cell.text);  // a number, not the text of one
            RC_ASSERT(std::fabs(Number(cell.value) - columns[c].figure(r.rows[k])) <= columns[c].within);
        }
    }
    RC_ASSERT(next == cells.size());  // and no more rows
}

}  // namespace
}  // namespace amortix
