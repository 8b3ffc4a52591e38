// amortix-cli afford: the affordability screen's solver from the command line.

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/afford.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/afford_form.h"
#include "core/forms/tables_form.h"

namespace amortix::cli {

namespace {

struct AffordOptions {
    std::string solve = "payment";
    std::optional<double> principal;
    std::optional<double> rate;
    std::optional<int> years;
    std::optional<double> payment;
    TableOptions lists;  // compounding, frequency and days in year
    std::string currency = "$";
    std::string format = "text";
    OutputOptions output;
};

constexpr std::pair<AffordSolve, const char*> kSolveNames[] = {
    {AffordSolve::Principal, "principal"}, {AffordSolve::Payment, "payment"}, {AffordSolve::Years, "years"}};

AffordSolve SolveFrom(const std::string& name) {
    for (const auto& [solve, solveName] : kSolveNames)
        if (name == solveName) return solve;
    return AffordSolve::Payment;
}

const char* SolveName(AffordSolve solve) {
    for (const auto& [id, solveName] : kSolveNames)
        if (id == solve) return solveName;
    return "payment";
}

// Every box the output shows, with its key in the JSON and its label in the
// text form, in the order both list them.
struct BoxRow {
    AffordBox box;
    const char* key;
    const char* label;
};
constexpr BoxRow kBoxes[] = {
    {AffordBox::Principal, "principal", "Principal amount"},
    {AffordBox::Payment, "payment", "Monthly payment"},
    {AffordBox::Years, "years", "Amortization period in years"},
    {AffordBox::TotalInterest, "total_interest", "Total interest paid"},
    {AffordBox::PaymentsPerYear, "payments_per_year", "Payments each year"},
    {AffordBox::DaysInYear, "days_in_year", "Days in year"},
    {AffordBox::YearsToFinal, "years_to_final", "Years to final payment"},
    {AffordBox::EachPayment, "each_payment", "Each payment"},
    {AffordBox::InterestSaved, "interest_saved", "Interest saved"},
    {AffordBox::AcceleratedTotalInterest, "accelerated_total_interest", "Accelerated total interest"},
};

// The screen as opened and its lists chosen (each choice recalculates the
// payment, so the figures not given are the opening ones), then each given
// figure typed into its box and the box left; the messages are the boxes'.
std::vector<Message> Enter(AffordForm& form, const AffordOptions& o) {
    std::vector<Message> messages;
    if (o.principal) form.EnterPrincipal(*o.principal);
    if (o.rate) form.EnterRate(*o.rate);
    if (o.years) {
        const TermEntry term = form.EnterYears(*o.years);
        if (term.message) messages.push_back(*term.message);
    }
    if (o.payment) form.EnterPayment(*o.payment);
    return messages;
}

Json NumberJson(const AffordForm& form, AffordBox box) {
    const std::optional<double> value = form.Value(box);
    if (!value) return nullptr;
    if (box == AffordBox::PaymentsPerYear) return static_cast<int>(*value);
    // The days are single precision: the number they were typed as.
    if (box == AffordBox::DaysInYear) return ShortestDouble(static_cast<float>(*value));
    return *value;
}

Json ResultJson(const AffordForm& form, const std::vector<Message>& messages) {
    Json summary = Json::object();
    Json texts = Json::object();
    for (const BoxRow& row : kBoxes) {
        summary[row.key] = NumberJson(form, row.box);
        texts[row.key] = form.Text(row.box);
    }
    return Json{{"schema", SchemaJson("afford")},
                {"messages", NumberedMessagesJson(messages)},
                {"solved", SolveName(form.LastRun().solved)},
                {"summary", summary},
                {"message_line", form.MessageShown() ? Json(form.MessageLine()) : Json(nullptr)},
                {"texts", texts}};
}

std::string Text(const AffordForm& form, const std::vector<Message>& messages) {
    std::ostringstream out;
    for (const BoxRow& row : kBoxes) out << RightJustify(row.label, 30) << "  " << form.Text(row.box) << '\n';
    PrintMessages(out, messages);
    if (form.MessageShown()) out << form.MessageLine() << '\n';
    return out.str();
}

}  // namespace

Runner AddAffordCommand(CLI::App& app) {
    auto options = std::make_shared<AffordOptions>();
    options->lists.frequency = "biweekly-acc";
    CLI::App* cmd = app.add_subcommand("afford", "Solve for the principal, the payment or the years");
    cmd->add_option("--solve", options->solve, "The figure to find")
        ->check(CLI::IsMember({"principal", "payment", "years"}));
    cmd->add_option("--principal", options->principal, "Principal amount")->check(NotNegative());
    cmd->add_option("--rate", options->rate, "Annual interest rate in percent")->check(NotNegative());
    cmd->add_option("--years", options->years, "Amortization period in whole years")->check(NotNegative());
    cmd->add_option("--payment", options->payment, "Monthly payment, principal and interest")
        ->check(NotNegative());
    AddListOptions(*cmd, options->lists);
    AddDayBasisOptions(*cmd, options->lists);
    cmd->add_option("--currency", options->currency, "Currency symbol")->check(Utf8Text());
    cmd->add_option("--format", options->format, "text, csv, json or xlsx (a workbook, with --output)")
        ->check(CLI::IsMember({"text", "csv", "json", "xlsx"}));
    options->output.Add(*cmd);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const AffordOptions& o = *options;
        o.output.Check(o.format);
        const Compounding compounding = CompoundingOption(o.lists.compounding);
        const Frequency frequency = FrequencyOption(o.lists.frequency);
        const DayBasis basis = DayBasisFrom(o.lists);
        AffordForm form(o.currency);
        form.Calculate(compounding, frequency, basis);
        form.ChooseSolve(SolveFrom(o.solve));
        const std::vector<Message> messages = Enter(form, o);
        form.Calculate(compounding, frequency, basis);
        const std::optional<std::string>& file = o.output.path;
        if (o.format == "json") return Deliver(file, ResultJson(form, messages).dump(2) + "\n");
        if (o.format == "text") return Deliver(file, Text(form, messages));
        PrintMessages(std::cerr, messages);
        const AffordExport figures{{form.Figures(), form.Solve(), compounding, frequency, basis},
                                   form.LastRun()};
        if (!file) return Deliver(std::nullopt, AffordCsv(figures));
        return ExportStatus(ExportAfford(*file, ExportFormatOption(o.format), figures, o.currency), *file);
    };
}

}  // namespace amortix::cli
