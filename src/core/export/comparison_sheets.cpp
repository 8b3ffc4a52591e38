#include <string>

#include "core/export/labels.h"
#include "core/export/sheets.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

Cell Count(double value) {
    return Cell::Of(CellKind::Count, value);
}

std::vector<Cell> RowCells(const ComparisonRow& r) {
    double extra = 0;
    for (const ComparisonExtraPayment& e : r.extraPayments) extra += e.amount.ToDouble();
    return {Count(r.number),
            Cell::Of(CellKind::Amount, r.principal),
            Cell::Of(CellKind::Percent, r.ratePercent),
            Cell::Of(CellKind::Years, r.years),
            Cell::Words(TrimLeft(Info(r.compounding).listText)),
            Cell::Words(TrimLeft(Info(r.frequency).listText)),
            r.daysInYear ? Cell::Of(CellKind::Number, FloatFigure(*r.daysInYear))
                         : Cell::Words(labels::kNormalDays),
            Count(r.paymentsPerYear),
            Cell::Of(CellKind::Amount, r.payment),
            Cell::Of(CellKind::Percent, FloatFigure(r.increase * 100.0f)),
            Count(static_cast<double>(r.payments)),
            Cell::Of(CellKind::Years, r.retiredYear),
            Cell::Of(CellKind::Amount, r.totalInterest),
            Cell::Of(CellKind::Amount, extra),
            Cell::Words(Info(r.rounding).listText)};
}

std::vector<std::string> Headers(std::initializer_list<std::string_view> names) {
    return {names.begin(), names.end()};
}

}  // namespace

std::vector<ComparisonRow> ComparisonRowsOf(const ComparisonState& state) {
    std::vector<ComparisonRow> rows;
    for (int r = 0; r < state.rowCount && r < kComparisonRowLimit; ++r)
        if (const auto& values = state.rowValues[static_cast<std::size_t>(r)]) rows.push_back(*values);
    return rows;
}

Table ComparisonRowsTable(const std::vector<ComparisonRow>& rows) {
    Table table{
        std::string(labels::kComparisonSheet),
        Headers({labels::kRow, labels::kPrincipal, labels::kRate, labels::kYears, labels::kCompounding,
                 labels::kFrequency, labels::kDaysInYear, labels::kPaymentsPerYear, labels::kPayment,
                 labels::kIncrease, labels::kPayments, labels::kRetiredYear, labels::kTotalInterest,
                 labels::kExtraTotal, labels::kRounding}),
        {}};
    for (const ComparisonRow& r : rows) table.rows.push_back(RowCells(r));
    return table;
}

std::vector<Table> ComparisonSheets(const std::vector<ComparisonRow>& rows) {
    std::vector<Table> sheets;
    sheets.push_back(ComparisonRowsTable(rows));
    Table& extra = sheets.emplace_back();
    extra.name = labels::kExtraPaymentsSheet;
    extra.headers = Headers({labels::kRow, labels::kYear, labels::kMonth, labels::kAmount});
    Table changes{std::string(labels::kRateChangesSheet), Headers({labels::kRow}), {}};
    for (const std::string& header : RateChangeHeaders()) changes.headers.push_back(header);
    for (const ComparisonRow& r : rows) {
        for (const ComparisonExtraPayment& e : r.extraPayments)
            extra.rows.push_back({Count(r.number), Count(e.year), Count(e.month.number),
                                  Cell::Of(CellKind::Amount, e.amount.ToDouble())});
        for (const AppliedRateChange& c : r.rateChanges) {
            std::vector<Cell>& cells = changes.rows.emplace_back(1, Count(r.number));
            for (Cell& cell : RateChangeCells(c)) cells.push_back(std::move(cell));
        }
    }
    if (!changes.rows.empty()) sheets.push_back(std::move(changes));
    return sheets;
}

}  // namespace amortix
