#include "core/export/csv.h"

#include <array>
#include <charconv>
#include <cmath>

namespace amortix {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string PlainNumber(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";  // also -0, which reads as a stray minus
    // The shortest round trip in fixed notation is at most a sign, 309
    // integer digits or 0. and 323 zeros before 17 digits.
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc()) return {};
    return {buffer.data(), end};
}

std::string CsvCell(const Cell& cell) {
    switch (cell.kind) {
        case CellKind::Empty:
            return {};
        case CellKind::Text:
            return CsvField(cell.text);
        case CellKind::Date:
            return IsoDate(static_cast<DaySerial>(cell.number));
        case CellKind::Count:
            return PlainNumber(std::round(cell.number));
        case CellKind::Amount:
        case CellKind::Percent:
        case CellKind::Years:
        case CellKind::Factor:
        case CellKind::Number:
            break;
    }
    return PlainNumber(cell.number);
}

std::string CsvText(const Table& table) {
    std::string out;
    out.reserve((table.rows.size() + 1) * table.headers.size() * 12);
    for (std::size_t c = 0; c < table.headers.size(); ++c) {
        if (c) out += ',';
        out += CsvField(table.headers[c]);
    }
    out += "\r\n";
    for (const std::vector<Cell>& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c) out += ',';
            out += CsvCell(row[c]);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace amortix
