#include "core/export/table.h"

#include <charconv>

#include "core/export/labels.h"
#include "core/format/numfmt.h"

namespace amortix {

double FloatFigure(float value) {
    const std::string text = ShortestText(value);
    double out = 0;
    std::from_chars(text.data(), text.data() + text.size(), out);
    return out;
}

Table ItemsTable(std::string_view name, const Record& record) {
    Table table{std::string(name), {std::string(labels::kItem), std::string(labels::kValue)}, {}};
    table.rows.reserve(record.size());
    for (const Field& field : record) table.rows.push_back({Cell::Words(field.label), field.value});
    return table;
}

Table RowTable(std::string_view name, const Record& record) {
    Table table{std::string(name), {}, {{}}};
    for (const Field& field : record) {
        table.headers.push_back(field.label);
        table.rows[0].push_back(field.value);
    }
    return table;
}

}  // namespace amortix
