// amortix-cli schedule: the tables screen's Calculate from the command line.

#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/schedule.h"
#include "core/format/masks.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
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
};

struct Prepared {
    ScheduleInputs inputs;
    std::vector<Message> messages;  // raised before Calculate, by the input boxes
};

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
    in.currencySymbol = o.table.currency;
    in.formatDate = IsoDate;
    return p;
}

void PrintText(const ScheduleInputs& in, const ScheduleResult& r) {
    const bool loan = in.mode == TableKind::PersonalLoan;
    const std::pair<const char*, const std::string*> boxes[] = {
        {"Days in year", &r.InDays},
        {"Interest rate factor", &r.PeriodicR},
        {"No. of payments each year", &r.NumPmtsYear},
        {"Principal + Interest payment", &r.InMonthPI},
        {"Added by the increase", &r.PPpercent},
        {loan ? "No. months to final payment" : "No. of years to final payment", &r.EndMortYear},
        {loan ? "Total paid over life of the loan" : "Total paid over life of mortgage", &r.AllPayments},
        {"Total interest savings", &r.TotSavd},
    };
    for (const auto& [label, text] : boxes) std::cout << RightJustify(label, 34) << "  " << *text << '\n';
    std::cout << RightJustify(r.Label16, 34) << '\n';
    PrintMessages(std::cout, r.messages);
    std::cout << '\n';
    for (int row = 0; row < r.GridRowCount(); ++row) {
        std::string line = r.GridCell(row, 0);
        line.resize(22, ' ');
        for (int c = 1; c < kGridColumns; ++c) line += RightJustify(r.GridCell(row, c), 21);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << line << '\n';
    }
}

// The printed report as the printer gets it.
int PrintReport(const ScheduleOptions& o, const ScheduleInputs& in, const ScheduleResult& r,
                const std::vector<Message>& messages) {
    TablesPrintData data;
    data.header = o.report.HeaderLine();
    data.mode = in.mode;
    data.principal = in.principal;
    data.ratePercent = in.ratePercent;
    const bool loan = in.mode == TableKind::PersonalLoan;
    data.termText = FormatNumber(loan ? in.years * 12.0 : in.years, kCountMask);
    data.compounding = in.compounding;
    data.frequency = in.frequency;
    data.paymentIncrease = in.extra.increase;
    return EmitReport(RenderTablesReport(data, r, o.report.FontChoice()), messages);
}

Json ResultJson(const ScheduleInputs& in, const ScheduleResult& r, const std::vector<Message>& messages) {
    Json results = {
        {"InDays", r.InDays},           {"PeriodicR", r.PeriodicR},     {"NumPmtsYear", r.NumPmtsYear},
        {"InMonthPI", r.InMonthPI},     {"Label16", r.Label16},         {"PPpercent", r.PPpercent},
        {"EndMortYear", r.EndMortYear}, {"AllPayments", r.AllPayments}, {"TotSavd", r.TotSavd}};
    Json schedule = Json::array();
    for (int row = 1; row <= r.gridRows; ++row) {
        Json values = Json::array();
        for (const Currency c : r.schedule[static_cast<std::size_t>(row)]) values.push_back(c.ToDouble());
        schedule.push_back(values);
    }
    return Json{{"messages", MessagesJson(messages)},
                {"results", results},
                {"grid", r.GridCells()},
                {"schedule", schedule},
                {"GridRows", r.gridRows},
                {"ResultsReady", r.resultsReady},
                {"YearsToFinal", ShortestDouble(r.yearsToFinal)},
                {"PaymentsPerYear", r.paymentsPerYear},
                {"AdditionalNotes", r.additionalNotes},
                {"graph", GraphJson(BuildBalanceByYear(r, in.principal))}};
}

}  // namespace

Runner AddScheduleCommand(CLI::App& app) {
    auto options = std::make_shared<ScheduleOptions>();
    CLI::App* cmd = app.add_subcommand("schedule", "Amortization schedule of a mortgage or loan");
    AddTableOptions(*cmd, options->table);
    cmd->add_option("--mode", options->mode, "mortgage or loan")->check(CLI::IsMember({"mortgage", "loan"}));
    cmd->add_option("--months", options->table.months, "Payback period of a loan in months")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--view", options->view, "all payments or annual totals")
        ->check(CLI::IsMember({"all", "annual"}));
    cmd->add_option("--dates", options->dates,
                    "Show payment dates from this first payment date (YYYY-MM-DD)");
    cmd->add_option("--term-years", options->termYears, "Years to show (0 = all)")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 5, 10}));
    cmd->add_option("--format", options->format, "text, csv, json or report (the printed report)")
        ->check(CLI::IsMember({"text", "csv", "json", "report"}));
    options->report.Add(*cmd);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        options->report.Check(options->format);
        Prepared p = Prepare(*options);
        const ScheduleResult r = CalculateSchedule(p.inputs);
        std::vector<Message> messages = p.messages;
        messages.insert(messages.end(), r.messages.begin(), r.messages.end());
        if (options->format == "report") return PrintReport(*options, p.inputs, r, messages);
        if (options->format == "json") {
            std::cout << ResultJson(p.inputs, r, messages).dump(2) << '\n';
        } else if (options->format == "csv") {
            for (const auto& row : r.GridCells()) std::cout << CsvLine(row) << "\r\n";
        } else {
            ScheduleResult shown = r;
            shown.messages = messages;
            PrintText(p.inputs, shown);
        }
        return 0;
    };
}

}  // namespace amortix::cli
