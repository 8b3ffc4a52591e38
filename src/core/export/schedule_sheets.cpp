#include <algorithm>
#include <string>

#include "core/export/labels.h"
#include "core/export/sheets.h"
#include "core/format/numfmt.h"

namespace amortix {

namespace {

Cell Amount(double value) {
    return Cell::Of(CellKind::Amount, value);
}
Cell Amount(Currency value) {
    return Cell::Of(CellKind::Amount, value.ToDouble());
}
Cell Count(double value) {
    return Cell::Of(CellKind::Count, value);
}

bool NormalDays(Frequency frequency) {
    const std::int16_t perYear = Info(frequency).paymentsPerYear;
    return perYear == 12 || perYear == 24;
}

void AddInputs(const ScheduleExport& e, Record& out) {
    const ScheduleInputs& in = e.inputs;
    const bool loan = in.mode == TableKind::PersonalLoan;
    out.push_back({std::string(labels::kTable), Cell::Words(loan ? labels::kLoan : labels::kMortgage)});
    out.push_back({std::string(labels::kPrincipal), Amount(in.principal)});
    out.push_back({std::string(labels::kAnnualRate), Cell::Of(CellKind::Percent, in.ratePercent)});
    if (loan)
        out.push_back({std::string(labels::kPeriodMonths), Cell::Of(CellKind::Number, in.years * 12.0)});
    else
        out.push_back({std::string(labels::kPeriodYears), Cell::Of(CellKind::Number, in.years)});
    out.push_back({std::string(labels::kCompounding), Cell::Words(TrimLeft(Info(in.compounding).listText))});
    out.push_back({std::string(labels::kFrequency), Cell::Words(TrimLeft(Info(in.frequency).listText))});
    out.push_back({std::string(labels::kDaysInYear),
                   NormalDays(in.frequency) ? Cell::Words(labels::kNormalDays)
                                            : Cell::Of(CellKind::Number, FloatFigure(in.dayBasis.days))});
    if (in.showDates) out.push_back({std::string(labels::kFirstPaymentDate), Cell::Day(in.firstPaymentDate)});
    out.push_back({std::string(labels::kPaymentIncrease),
                   Cell::Of(CellKind::Percent, FloatFigure(e.result.summary.increase * 100.0f))});
    if (e.result.extraRowCount > 0)
        out.push_back({std::string(labels::kExtraMonth), Count(in.extra.month.number)});
    out.push_back({std::string(labels::kRounding), Cell::Words(Info(in.rounding).listText)});
    if (e.result.termYears > 0) out.push_back({std::string(labels::kYearsShown), Count(e.result.termYears)});
}

void AddResults(const ScheduleResult& r, Record& out) {
    if (!r.calculated) return;
    const ScheduleSummary& s = r.summary;
    const double years = s.paymentsPerYear > 0 ? static_cast<double>(r.payments) / s.paymentsPerYear : 0;
    const bool loan = r.mode == TableKind::PersonalLoan;
    out.push_back({std::string(labels::kRateFactor), Cell::Of(CellKind::Factor, s.rateFactor)});
    out.push_back({std::string(labels::kPaymentsPerYear), Count(s.paymentsPerYear)});
    out.push_back({std::string(labels::kEachPayment), Amount(s.payment)});
    out.push_back({std::string(labels::kMonthlyPayment), Amount(s.monthlyPayment)});
    out.push_back({std::string(labels::kIncreaseAmount), Amount(s.increaseAmount)});
    out.push_back({std::string(loan ? labels::kMonthsToFinal : labels::kYearsToFinal),
                   Cell::Of(CellKind::Years, loan ? years * 12.0 : years)});
    out.push_back({std::string(labels::kTotalPaid), Amount(s.totalPaid)});
    out.push_back({std::string(labels::kInterestSaved), Amount(s.interestSaved)});
}

}  // namespace

std::vector<Cell> RateChangeCells(const AppliedRateChange& c) {
    return {Count(c.change.year),
            Count(c.change.month),
            Cell::Of(CellKind::Percent, c.change.ratePercent),
            Cell::Words(Info(c.change.payment).listText),
            Count(static_cast<double>(c.firstPayment)),
            Cell::Words(c.reached ? labels::kYes : labels::kNo),
            c.reached ? Amount(c.payment) : Cell{}};
}

std::vector<std::string> RateChangeHeaders() {
    return {std::string(labels::kYear),         std::string(labels::kMonth),
            std::string(labels::kRate),         std::string(labels::kPaymentChange),
            std::string(labels::kFirstPayment), std::string(labels::kReached),
            std::string(labels::kNewPayment)};
}

Record MessageFields(const std::vector<Message>& messages) {
    Record out;
    for (const Message m : messages)
        out.push_back({std::string(labels::kMessage) + " " + std::to_string(MessageNumber(m)),
                       Cell::Words(MessageText(m))});
    return out;
}

Table ScheduleSummaryTable(const ScheduleExport& e) {
    Record record;
    AddInputs(e, record);
    AddResults(e.result, record);
    const Record messages = MessageFields(e.messages);
    record.insert(record.end(), messages.begin(), messages.end());
    return ItemsTable(labels::kSummarySheet, record);
}

Table ScheduleRowsTable(const ScheduleResult& r) {
    const bool payments = r.view == ScheduleView::AllPayments;
    Table table{std::string(labels::kScheduleSheet), {}, {}};
    if (payments) table.headers.emplace_back(labels::kPayment);
    table.headers.emplace_back(labels::kYear);
    if (r.showDates) table.headers.emplace_back(labels::kDate);
    for (const std::string_view header :
         {labels::kInterest, labels::kPrincipal, labels::kExtra, labels::kBalance,
          labels::kCumulativeInterest, labels::kCumulativePrincipal, labels::kRate})
        table.headers.emplace_back(header);
    if (!r.calculated || r.rows.empty()) return table;

    const std::size_t last =
        std::min<std::size_t>(static_cast<std::size_t>(std::max<int>(r.gridRows, 0)), r.rows.size() - 1);
    table.rows.reserve(last);
    for (std::size_t k = 1; k <= last; ++k) {
        const ScheduleRow& row = r.rows[k];
        std::vector<Cell>& cells = table.rows.emplace_back();
        cells.reserve(table.headers.size());
        cells.push_back(Count(static_cast<double>(row.number)));
        if (payments) cells.push_back(Count(row.year));
        if (r.showDates) cells.push_back(Cell::Day(row.date));
        cells.push_back(Amount(row.interest));
        cells.push_back(Amount(row.principal));
        cells.push_back(Amount(row.extra));
        cells.push_back(Amount(row.balance));
        cells.push_back(Amount(row.cumulativeInterest));
        cells.push_back(Amount(row.cumulativePrincipal));
        cells.push_back(Cell::Of(CellKind::Percent, row.ratePercent));
    }
    return table;
}

std::vector<Table> ScheduleSheets(const ScheduleExport& e) {
    std::vector<Table> sheets;
    sheets.push_back(ScheduleSummaryTable(e));
    sheets.push_back(ScheduleRowsTable(e.result));
    const auto& changes = e.result.summary.rateChanges;
    if (!changes.empty()) {
        Table& table = sheets.emplace_back();
        table.name = labels::kRateChangesSheet;
        table.headers = RateChangeHeaders();
        for (const AppliedRateChange& c : changes) table.rows.push_back(RateChangeCells(c));
    }
    return sheets;
}

}  // namespace amortix
