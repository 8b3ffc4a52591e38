// amortix-cli compare: rows of the comparison screen, calculated one after
// another as if each were entered and Calculate pressed.

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/comparison_table.h"
#include "core/forms/schedule_texts.h"
#include "core/print/line_printer.h"
#include "core/print/report.h"

namespace amortix::cli {

namespace {

struct CompareOptions {
    std::vector<std::string> rows;
    std::string currency = "$";
    std::string format = "text";
    ReportOptions report;
    OutputOptions output;
};

// One --row's options, read by a parser of their own.
TableOptions ParseRow(const std::string& text) {
    TableOptions o;
    CLI::App parser{"comparison row", "--row"};
    parser.set_help_flag();
    AddTableOptions(parser, o);
    parser.remove_option(parser.get_option("--currency"));  // one symbol for the whole comparison
    try {
        parser.parse(text, false);
    } catch (const CLI::ParseError& e) {
        throw UsageError("--row '" + text + "': " + e.what());
    }
    return o;
}

ComparisonInputs RowInputs(const TableOptions& o, const std::string& currency,
                           std::vector<Message>& messages) {
    ComparisonInputs in;  // the screen's opening figures
    in.principal = o.principal.value_or(in.principal);
    in.ratePercent = o.rate.value_or(in.ratePercent);
    in.years = MortgageYears(o.years.value_or(in.years));
    in.compounding = CompoundingOption(o.compounding);
    in.frequency = FrequencyOption(o.frequency);
    in.dayBasis = DayBasisFrom(o);
    in.extra = AdditionalPaymentsFrom(o, in.years, messages);
    in.rateChanges = RateChangesFrom(o);
    in.prepayments = PrepaymentsFrom(o);
    in.rounding = *RoundingNamed(o.rounding);
    in.currencySymbol = currency;
    return in;
}

// Short column titles for a terminal; the grid's own headers wrap in a tall row.
constexpr std::array<const char*, kGrid1Columns> kTextHeaders = {
    "Row",     "Days",      "Compounding", "Frequency", "Period", "Retired",
    "Pmts/yr", "Principal", "Rate",        "Payment",   "Incr %", "Total interest"};

// The rows that hold any text, as right-aligned columns.
void PrintGrid(std::ostream& out, const TextTable& cells) {
    std::vector<const std::vector<std::string>*> shown;
    for (const auto& row : cells)
        if (std::any_of(row.begin(), row.end(), [](const std::string& c) { return !c.empty(); }))
            shown.push_back(&row);
    std::vector<std::size_t> widths;
    for (const auto* row : shown)
        for (std::size_t c = 0; c < row->size(); ++c) {
            if (widths.size() <= c) widths.push_back(0);
            widths[c] = std::max(widths[c], static_cast<std::size_t>(TextColumns((*row)[c])));
        }
    for (const auto* row : shown) {
        std::string line;
        for (std::size_t c = 0; c < row->size(); ++c) {
            if (widths[c] == 0) continue;
            line.append("  ");
            line.append(RightJustify((*row)[c], static_cast<int>(widths[c])));
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
}

TextTable Grid1Cells(const ComparisonState& s) {
    TextTable cells;
    for (const auto& row : s.grid1) cells.emplace_back(row.begin(), row.end());
    return cells;
}

// The names of MCGrid1's columns in the JSON, for a row's figures and texts alike.
constexpr std::array<const char*, kGrid1Columns> kRowNames = {
    "number", "days_in_year", "compounding",       "frequency",
    "years",  "retired_year", "payments_per_year", "principal",
    "rate",   "payment",      "increase",          "total_interest"};

Json DaysJson(std::optional<float> days) {
    return days ? Json(ShortestDouble(*days)) : Json(nullptr);
}

Json OneTimeJson(const std::vector<ComparisonOneTimePayment>& payments) {
    Json out = Json::array();
    for (const ComparisonOneTimePayment& p : payments)
        out.push_back({{"year", p.year},
                       {"month", p.month.number},
                       {"amount", p.amount.ToDouble()},
                       {"new_payment", p.newPayment > 0 ? Json(p.newPayment) : Json(nullptr)}});
    return out;
}

Json RowJson(const ComparisonRow& r) {
    return Json{{"number", r.number},
                {"days_in_year", DaysJson(r.daysInYear)},
                {"compounding", std::string(Info(r.compounding).cliName)},
                {"frequency", std::string(Info(r.frequency).cliName)},
                {"years", r.years},
                {"retired_year", r.retiredYear},
                {"starred", r.starred},
                {"payments", r.payments},
                {"payments_per_year", r.paymentsPerYear},
                {"principal", r.principal},
                {"rate", r.ratePercent},
                {"payment", r.payment},
                {"increase", ShortestDouble(r.increase * 100.0f)},
                {"total_interest", r.totalInterest},
                {"rate_changes", RateChangesJson(r.rateChanges)},
                {"rounding", std::string(Info(r.rounding).cliName)},
                {"prepayment", std::string(Info(r.prepaymentEffect).cliName)},
                {"one_time_payments", OneTimeJson(r.oneTimePayments)},
                {"recurring_total", r.recurringTotal.ToDouble()},
                {"yearly_limit", LimitJson(r.yearlyLimit)},
                {"increase_limit", LimitJson(r.increaseLimit)}};
}

// The rows' figures and their cell texts, and each amount a row applied.
struct ComparisonRowsJson {
    Json rows = Json::array(), texts = Json::array(), extraPayments = Json::array();
};

ComparisonRowsJson RowsJsonOf(const ComparisonState& s) {
    ComparisonRowsJson out;
    for (int r = 1; r <= s.rowCount; ++r) {
        const auto& values = s.rowValues[static_cast<std::size_t>(r - 1)];
        out.rows.push_back(values ? RowJson(*values) : Json(nullptr));
        Json texts = Json::object();
        for (std::size_t c = 0; c < kRowNames.size(); ++c)
            texts[kRowNames[c]] = s.grid1[static_cast<std::size_t>(r)][c];
        out.texts.push_back(std::move(texts));
        if (!values) continue;
        for (const ComparisonExtraPayment& e : values->extraPayments)
            out.extraPayments.push_back(
                {{"row", r}, {"year", e.year}, {"month", e.month.number}, {"amount", e.amount.ToDouble()}});
    }
    return out;
}

// The InDays and PeriodicR boxes after the last run that reached the rates.
struct ComparisonBoxTexts {
    std::string days, factor;
};

ComparisonBoxTexts BoxTextsOf(const std::optional<ComparisonRates>& rates) {
    if (!rates) return {};
    return {ComparisonDaysText(rates->paymentsPerYear, rates->daysInYear),
            ComparisonRateFactorText(rates->rateFactor)};
}

Json CompareJson(const ComparisonTable& comparison, const std::optional<ComparisonRates>& rates,
                 const std::vector<Message>& messages) {
    const ComparisonState& s = comparison.State();
    ComparisonRowsJson rows = RowsJsonOf(s);
    const ComparisonBoxTexts boxes = BoxTextsOf(rates);
    Json summary = {{"days_in_year", rates ? DaysJson(rates->daysInYear) : Json(nullptr)},
                    {"rate_factor", rates ? Json(rates->rateFactor) : Json(nullptr)}};
    Json texts = {{"summary", {{"days_in_year", boxes.days}, {"rate_factor", boxes.factor}}},
                  {"rows", std::move(rows.texts)},
                  {"extra_payments", s.grid2}};
    return Json{{"schema", SchemaJson("compare")},
                {"messages", NumberedMessagesJson(messages)},
                {"summary", std::move(summary)},
                {"rows", std::move(rows.rows)},
                {"extra_payments", std::move(rows.extraPayments)},
                {"printout", s.printout},
                {"graph", GraphJson(comparison.Graph())},
                {"texts", std::move(texts)}};
}

// What messages 47 and 48 report, row by row.
void PrintRowLimits(std::ostream& out, const ComparisonState& s, std::string_view currency) {
    for (const auto& values : s.rowValues) {
        if (!values) continue;
        const std::string row = "Row " + std::to_string(values->number) + ": ";
        if (values->yearlyLimit) out << row << YearlyLimitText(*values->yearlyLimit, currency) << '\n';
        if (values->increaseLimit) out << row << IncreaseLimitText(*values->increaseLimit, currency) << '\n';
    }
}

void PrintText(std::ostream& out, const ComparisonState& s, const std::optional<ComparisonRates>& rates,
               const std::vector<Message>& messages, std::string_view currency) {
    TextTable grid1 = Grid1Cells(s);
    grid1[0].assign(kTextHeaders.begin(), kTextHeaders.end());
    PrintGrid(out, grid1);
    if (s.listingIndex > 0) {
        out << "\n* Additional payments applied\n";
        PrintGrid(out, s.grid2);
    }
    const ComparisonBoxTexts boxes = BoxTextsOf(rates);
    out << '\n' << "Days in year: " << boxes.days << '\n' << "Interest rate factor: " << boxes.factor << '\n';
    PrintMessages(out, messages);
    PrintRowLimits(out, s, currency);
}

// The comparison in the format asked for, to standard output or the file.
int Emit(const CompareOptions& o, const ComparisonTable& comparison,
         const std::optional<ComparisonRates>& rates, const std::vector<Message>& messages) {
    const ComparisonState& s = comparison.State();
    const std::optional<std::string>& file = o.output.path;
    if (o.format == "report")
        return EmitReport(
            RenderComparisonReport(PrintDataFor(s, o.report.HeaderLine()), o.report.FontChoice()), messages,
            file);
    if (o.format == "json") return Deliver(file, CompareJson(comparison, rates, messages).dump(2) + "\n");
    if (o.format == "text") {
        std::ostringstream text;
        PrintText(text, s, rates, messages, o.currency);
        return Deliver(file, text.str());
    }
    PrintMessages(std::cerr, messages);
    const std::vector<ComparisonRow> figures = ComparisonRowsOf(s);
    if (!file) return Deliver(std::nullopt, ComparisonCsv(figures));
    return ExportStatus(ExportComparison(*file, ExportFormatOption(o.format), figures, o.currency), *file);
}

}  // namespace

Runner AddCompareCommand(CLI::App& app) {
    auto options = std::make_shared<CompareOptions>();
    CLI::App* cmd = app.add_subcommand("compare", "Mortgage comparison, one row per --row");
    cmd->add_option(
           "--row", options->rows,
           "Options of one row (repeatable): --principal --rate --years --compounding --frequency "
           "--days/--days-typed --extra --extra-month --increase --extra-every --extra-once --prepayment "
           "--prepay-limit --increase-limit --rate-change --rounding")
        ->required()
        ->allow_extra_args(false);
    cmd->add_option("--currency", options->currency, "Currency symbol")->check(Utf8Text());
    cmd->add_option("--format", options->format,
                    "text, csv, json, report (the printed report) or xlsx (a workbook, with --output)")
        ->check(CLI::IsMember({"text", "csv", "json", "report", "xlsx"}));
    options->report.Add(*cmd);
    options->output.Add(*cmd);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const CompareOptions& o = *options;
        o.report.Check(o.format);
        o.output.Check(o.format);
        // Every row is read before any is calculated, so a bad one prints nothing.
        std::vector<Message> messages;
        std::vector<ComparisonInputs> rows;
        std::vector<std::vector<Message>> rowMessages;
        for (const std::string& text : o.rows) {
            std::vector<Message> before;
            rows.push_back(RowInputs(ParseRow(text), o.currency, before));
            rowMessages.push_back(std::move(before));
        }

        ComparisonTable comparison;
        std::optional<ComparisonRates> rates;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            messages.insert(messages.end(), rowMessages[r].begin(), rowMessages[r].end());
            const ComparisonRun run = comparison.Calculate(rows[r]);
            messages.insert(messages.end(), run.messages.begin(), run.messages.end());
            if (run.rates) rates = run.rates;
        }
        return Emit(o, comparison, rates, messages);
    };
}

}  // namespace amortix::cli
