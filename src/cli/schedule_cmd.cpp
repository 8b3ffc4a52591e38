// amortix-cli schedule: the tables screen's Calculate from the command line.

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/costs_options.h"
#include "cli/costs_output.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/schedule.h"
#include "core/format/masks.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/schedule_texts.h"
#include "core/forms/tables_form.h"
#include "core/print/report.h"

namespace amortix::cli {

namespace {

struct ScheduleOptions {
    TableOptions table;
    std::string mode = "mortgage";
    std::string view = "annual";
    std::optional<std::string> dates;
    int termYears = 0;
    std::string format = "text";
    ReportOptions report;
    OutputOptions output;
    CostsOptions costs;
};

struct Prepared {
    ScheduleInputs inputs;
    std::vector<Message> messages;    // raised before Calculate, by the input boxes
    std::optional<CostsPrint> costs;  // when costs options were given
};

// The grid's texts of a result, kept alive by a copy the grid shares.
ScheduleGrid GridOf(const ScheduleInputs& in, const ScheduleResult& r) {
    return ScheduleGrid(std::make_shared<const ScheduleResult>(r), in.currencySymbol, in.formatDate);
}

Prepared Prepare(const ScheduleOptions& o) {
    Prepared p;
    ScheduleInputs& in = p.inputs;
    const bool loan = o.mode == "loan";
    in.mode = loan ? TableKind::PersonalLoan : TableKind::Mortgage;
    // The figures the screen opens with stand in for those not given.
    const TablesDefaults opened = DefaultsFor(in.mode, o.table.currency);
    in.principal = o.table.principal.value_or(opened.principal);
    in.ratePercent = o.table.rate.value_or(opened.ratePercent);
    if (loan) {
        if (o.table.years) throw UsageError("--years is for mortgages; a loan's period is --months");
        // The period box corrects a loan's months to its limit.
        const TermEntry term = ClampTerm(in.mode, o.table.months.value_or(opened.years * 12.0));
        if (term.message) p.messages.push_back(*term.message);
        in.years = term.years;
    } else {
        if (o.table.months) throw UsageError("--months is for loans; a mortgage's period is --years");
        in.years = MortgageYears(o.table.years.value_or(opened.years));
    }
    in.compounding = CompoundingOption(o.table.compounding);
    in.frequency = FrequencyOption(o.table.frequency);
    in.dayBasis = DayBasisFrom(o.table);
    in.view = o.view == "all" ? ScheduleView::AllPayments : ScheduleView::Annual;
    in.termYears = static_cast<std::int16_t>(o.termYears);
    if (o.dates) {
        const auto serial = ParseIsoDate(*o.dates);
        if (!serial) throw UsageError("--dates: not a date in the form YYYY-MM-DD: " + *o.dates);
        in.showDates = true;
        in.firstPaymentDate = *serial;
    }
    in.extra = AdditionalPaymentsFrom(o.table, in.years, p.messages);
    in.rateChanges = RateChangesFrom(o.table);
    in.prepayments = PrepaymentsFrom(o.table);
    in.rounding = *RoundingNamed(o.table.rounding);
    in.currencySymbol = o.table.currency;
    in.formatDate = IsoDate;
    if (const auto costs = CostsFrom(o.costs))
        p.costs = PrepareCosts(*costs, o.table.principal.has_value(), in);
    return p;
}

void PrintText(std::ostream& out, const ScheduleInputs& in, const ScheduleResult& r,
               const std::vector<Message>& messages) {
    const bool loan = in.mode == TableKind::PersonalLoan;
    const ScheduleBoxTexts t = BoxTexts(r, in.currencySymbol);
    const std::pair<const char*, const std::string*> boxes[] = {
        {"Days in year", &t.daysInYear},
        {"Interest rate factor", &t.rateFactor},
        {"No. of payments each year", &t.paymentsPerYear},
        {"Principal + Interest payment", &t.payment},
        {"Added by the increase", &t.increaseAmount},
        {loan ? "No. months to final payment" : "No. of years to final payment", &t.yearsToFinal},
        {loan ? "Total paid over life of the loan" : "Total paid over life of mortgage", &t.totalPaid},
        {"Total interest savings", &t.interestSaved},
    };
    for (const auto& [label, text] : boxes) out << RightJustify(label, 34) << "  " << *text << '\n';
    if (r.prepaymentsInForce) {
        out << RightJustify("Interest saved by prepayments", 34) << "  " << t.interestSavedByPrepayments
            << '\n'
            << RightJustify("Paid off sooner by", 34) << "  " << t.payoffEarlier << '\n';
    }
    out << RightJustify(t.increaseCaption, 34) << '\n';
    PrintMessages(std::cerr, messages);
    PrintLimits(std::cerr, r.summary.prepayments, in.currencySymbol);
    out << '\n';
    // The grid's empty rows below a short schedule fill the window, not the page.
    const ScheduleGrid grid = GridOf(in, r);
    std::vector<std::string> lines;
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::string line = grid.Cell(row, 0);
        line.resize(22, ' ');
        for (int c = 1; c < grid.ColumnCount(); ++c)
            line += RightJustify(grid.Cell(row, c), c < kGridColumns ? 21 : 10);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(std::move(line));
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    for (const std::string& line : lines) out << line << '\n';
}

// The printed report as the printer gets it.
int PrintReport(const ScheduleOptions& o, const Prepared& p, const ScheduleResult& r,
                const std::vector<Message>& messages) {
    TablesPrintData data = TablesPrintDataFor(p.inputs, o.report.HeaderLine());
    data.costs = p.costs;
    const int status =
        EmitReport(RenderTablesReport(data, r, o.report.FontChoice()), messages, o.output.path);
    PrintLimits(std::cerr, r.summary.prepayments, p.inputs.currencySymbol);
    return status;
}

Json Number(double value, bool shown) {
    return shown ? Json(value) : Json(nullptr);
}

// The one-time amounts paid, the recurring amount and the limits gone over.
Json PrepaymentsJson(const ScheduleResult& r) {
    const PrepaymentSummary& p = r.summary.prepayments;
    Json once = Json::array();
    for (const ListingEntry& e : r.listing)
        if (e.oneTime)
            once.push_back({{"year", e.year},
                            {"month", e.month},
                            {"amount", e.amount.ToDouble()},
                            {"new_payment", e.newPayment > 0 ? Json(e.newPayment) : Json(nullptr)}});
    const RecurringPrepayment& rec = r.recurring;
    const Json recurring = p.recurringFirst == 0
                               ? Json(nullptr)
                               : Json{{"amount", rec.amount.ToDouble()},
                                      {"from_year", rec.fromYear},
                                      {"from_month", rec.fromMonth},
                                      {"to_year", rec.toYear == 0 ? Json(nullptr) : Json(rec.toYear)},
                                      {"to_month", rec.toYear == 0 ? Json(nullptr) : Json(rec.toMonth)},
                                      {"first_payment", p.recurringFirst},
                                      {"last_payment", p.recurringLast},
                                      {"total", p.recurringTotal.ToDouble()}};
    return {{"total", p.total.ToDouble()},
            {"one_time", std::move(once)},
            {"recurring", recurring},
            {"yearly_limit", LimitJson(p.yearlyLimit)},
            {"increase_limit", LimitJson(p.increaseLimit)}};
}

Json SummaryJson(const ScheduleResult& r) {
    const ScheduleSummary& s = r.summary;
    const bool shown = r.calculated;
    const double years = s.paymentsPerYear > 0 ? static_cast<double>(r.payments) / s.paymentsPerYear : 0;
    return {
        {"days_in_year", Number(static_cast<double>(s.daysInYear), shown && !s.normalDays)},
        {"rate_factor", Number(s.rateFactor, shown)},
        {"payments_per_year", shown ? Json(s.paymentsPerYear) : Json(nullptr)},
        {"payment", Number(s.payment, shown)},
        {"increase_caption", ShortestDouble(s.increase * 100.0f)},
        {"increase_amount", Number(s.increaseAmount, shown)},
        {"years_to_final", Number(r.mode == TableKind::Mortgage ? years : years * 12.0, shown)},
        {"total_paid", Number(s.totalPaid.ToDouble(), shown)},
        {"interest_saved", Number(s.interestSaved, shown)},
        {"monthly_payment", Number(s.monthlyPayment, shown)},
        {"rate_changes", RateChangesJson(s.rateChanges)},
        {"interest_saved_by_prepayments", shown ? OptionalJson(s.prepayments.interestSaved) : Json(nullptr)},
        {"payoff_earlier_months", shown ? OptionalJson(s.prepayments.payoffEarlierMonths) : Json(nullptr)},
        {"prepayments", shown ? PrepaymentsJson(r) : Json(nullptr)}};
}

Json RowsJson(const ScheduleResult& r) {
    Json rows = Json::array();
    if (!r.calculated) return rows;
    for (int k = 1; k <= r.gridRows; ++k) {
        const ScheduleRow& row = r.rows[static_cast<std::size_t>(k)];
        const bool payments = r.view == ScheduleView::AllPayments;
        rows.push_back({{"number", row.number},
                        {"year", payments ? row.year : row.number},
                        {"date", r.showDates ? Json(IsoDate(row.date)) : Json(nullptr)},
                        {"interest", row.interest.ToDouble()},
                        {"principal", row.principal.ToDouble()},
                        {"balance", row.balance.ToDouble()},
                        {"cumulative_interest", row.cumulativeInterest.ToDouble()},
                        {"cumulative_principal", row.cumulativePrincipal.ToDouble()},
                        {"extra", row.extra.ToDouble()},
                        {"rate", row.ratePercent}});
    }
    return rows;
}

Json GridJson(const ScheduleGrid& grid) {
    const auto cells = grid.Cells();
    Json rows = Json::array();
    for (int row = 0; row < cells.rows; ++row) {
        Json texts = Json::array();
        for (const std::string& text : cells.Row(row)) texts.push_back(text);
        rows.push_back(std::move(texts));
    }
    return rows;
}

Json ResultJson(const ScheduleInputs& in, const ScheduleResult& r, const std::vector<Message>& messages) {
    const ScheduleBoxTexts t = BoxTexts(r, in.currencySymbol);
    const Json texts = {{"days_in_year", t.daysInYear},
                        {"rate_factor", t.rateFactor},
                        {"payments_per_year", t.paymentsPerYear},
                        {"payment", t.payment},
                        {"increase_caption", t.increaseCaption},
                        {"increase_amount", t.increaseAmount},
                        {"years_to_final", t.yearsToFinal},
                        {"total_paid", t.totalPaid},
                        {"interest_saved", t.interestSaved},
                        {"extra_payments_note", AdditionalNotesText(r)},
                        {"interest_saved_by_prepayments", t.interestSavedByPrepayments},
                        {"payoff_earlier", t.payoffEarlier},
                        {"prepayment_limits", LimitTextsJson(r.summary.prepayments, in.currencySymbol)},
                        {"grid", GridJson(GridOf(in, r))}};
    return Json{{"schema", SchemaJson("schedule")},
                {"messages", NumberedMessagesJson(messages)},
                {"summary", SummaryJson(r)},
                {"rows", RowsJson(r)},
                {"uncovered_interest",
                 r.uncovered ? Json{{"payment", r.uncovered->payment}, {"rate", r.uncovered->ratePercent}}
                             : Json(nullptr)},
                {"rows_shown", r.gridRows},
                {"graph_points", r.resultsReady},
                {"extra_payments_note", AdditionalNotesText(r)},
                {"graph", GraphJson(BuildBalanceByYear(r, in.principal))},
                {"texts", texts}};
}

}  // namespace

Runner AddScheduleCommand(CLI::App& app) {
    auto options = std::make_shared<ScheduleOptions>();
    CLI::App* cmd = app.add_subcommand("schedule", "Amortization schedule of a mortgage or loan");
    AddTableOptions(*cmd, options->table);
    cmd->add_option("--mode", options->mode, "mortgage or loan")->check(CLI::IsMember({"mortgage", "loan"}));
    cmd->add_option("--months", options->table.months, "Payback period of a loan in months")
        ->check(NotNegative());
    cmd->add_option("--view", options->view, "all payments or annual totals")
        ->check(CLI::IsMember({"all", "annual"}));
    cmd->add_option("--dates", options->dates,
                    "Show payment dates from this first payment date (YYYY-MM-DD)");
    cmd->add_option("--term-years", options->termYears, "Years to show (0 = all)")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 5, 10}));
    cmd->add_option("--format", options->format,
                    "text, csv, json, report (the printed report) or xlsx (a workbook, with --output)")
        ->check(CLI::IsMember({"text", "csv", "json", "report", "xlsx"}));
    options->report.Add(*cmd);
    options->output.Add(*cmd);
    AddCostsOptions(*cmd, options->costs);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const ScheduleOptions& o = *options;
        o.report.Check(o.format);
        o.output.Check(o.format);
        Prepared p = Prepare(o);
        const ScheduleResult r = CalculateSchedule(p.inputs);
        std::vector<Message> messages = p.messages;
        messages.insert(messages.end(), r.messages.begin(), r.messages.end());
        if (o.format == "report") return PrintReport(o, p, r, messages);
        if (o.format == "json") {
            Json json = ResultJson(p.inputs, r, messages);
            AddCostsJson(json["summary"], p.costs);
            const int status = Deliver(o.output.path, json.dump(2) + "\n");
            return status != 0 ? status : (r.calculated ? 0 : 1);
        }
        if (!r.calculated) {
            // Nothing to show: the reason on standard error, no empty table or file.
            PrintMessages(std::cerr, messages);
            if (r.uncovered)
                std::cerr << "Payment " << r.uncovered->payment << " at "
                          << FormatNumber(r.uncovered->ratePercent, kRateMask) << "%\n";
            return 1;
        }
        if (o.format == "text") {
            std::ostringstream text;
            PrintText(text, p.inputs, r, messages);
            PrintCostsText(text, p.costs, p.inputs);
            return Deliver(o.output.path, text.str());
        }
        PrintMessages(std::cerr, messages);
        PrintLimits(std::cerr, r.summary.prepayments, p.inputs.currencySymbol);
        if (!o.output.path) return Deliver(std::nullopt, ScheduleCsv(r));
        const ExportOutcome outcome =
            ExportSchedule(*o.output.path, ExportFormatOption(o.format), {p.inputs, r, messages});
        return ExportStatus(outcome, *o.output.path);
    };
}

}  // namespace amortix::cli
