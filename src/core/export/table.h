#pragma once
// What an exported file holds: tables of values, each cell a number by its
// meaning (an amount, a rate, a date) or a word. The CSV and the spreadsheet
// writers decide how each kind is written; nothing here is formatted.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/dates.h"

namespace amortix {

enum class CellKind : std::int8_t {
    Empty,
    Text,
    Amount,   // currency units
    Percent,  // in percent: 10.125 for 10.125 %
    Date,     // a day serial
    Count,    // a whole number
    Years,    // a period, shown with two decimals
    Factor,   // a rate factor, shown with ten decimals
    Number,   // any other figure
};

struct Cell {
    CellKind kind = CellKind::Empty;
    double number = 0;
    std::string text;  // CellKind::Text

    static Cell Of(CellKind kind, double number) { return {kind, number, {}}; }
    static Cell Words(std::string_view text) { return {CellKind::Text, 0, std::string(text)}; }
    static Cell Day(DaySerial serial) { return {CellKind::Date, static_cast<double>(serial), {}}; }
    bool operator==(const Cell&) const = default;
};

// One table: a header row, then rows of as many cells. A workbook gives each
// its own sheet, named `name`; a CSV file holds one.
struct Table {
    std::string name;
    std::vector<std::string> headers;
    std::vector<std::vector<Cell>> rows;
};

// A single-precision figure as the shortest number that reads back to it
// (365.25, not 365.2500000001): what was typed, not its binary neighbour.
double FloatFigure(float value);

// A record of labelled values (the inputs and results of a screen).
struct Field {
    std::string label;
    Cell value;
};
using Record = std::vector<Field>;

// The record as two columns, Item and Value, one field a row: for reading.
Table ItemsTable(std::string_view name, const Record& record);
// The record as one row under a header row of its labels: for programs.
Table RowTable(std::string_view name, const Record& record);

}  // namespace amortix
