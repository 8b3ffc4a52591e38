// amortix-cli afford: the affordability screen's solver from the command line.

#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/afford.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
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
};

AffordSolve SolveFrom(const std::string& name) {
    if (name == "principal") return AffordSolve::Principal;
    if (name == "years") return AffordSolve::Years;
    return AffordSolve::Payment;
}

struct Prepared {
    AffordInputs inputs;
    AffordTexts shown;
    std::vector<Message> messages;  // raised by the input boxes
};

// The screen as opened and its lists chosen (each choice recalculates the
// payment, so the figures not given are the opening ones), then each given
// figure typed into its box and the box left.
Prepared Prepare(const AffordOptions& o) {
    Prepared p;
    const AffordResult opened =
        SolveAfford(AffordInputs{}, AffordSolve::Payment, CompoundingOption(o.lists.compounding),
                    FrequencyOption(o.lists.frequency), DayBasisFrom(o.lists), o.currency,
                    InitialAffordTexts(o.currency));
    p.inputs = opened.inputs;
    p.shown = opened.texts;
    if (o.principal) {
        p.inputs.principal = *o.principal;
        p.shown.MFInPrincipal = MoneyBoxText(o.currency, *o.principal);
    }
    if (o.rate) p.inputs.ratePercent = *o.rate;
    if (o.years) {
        const TermEntry term = ClampTerm(TableKind::Mortgage, *o.years);
        if (term.message) p.messages.push_back(*term.message);
        p.inputs.years = term.years;
        p.shown.MFInTerm = term.text;
    }
    if (o.payment) {
        p.inputs.payment = *o.payment;
        p.shown.MFInMthPayment = MoneyBoxText(o.currency, *o.payment);
    }
    return p;
}

}  // namespace

Runner AddAffordCommand(CLI::App& app) {
    auto options = std::make_shared<AffordOptions>();
    options->lists.frequency = "biweekly-acc";
    CLI::App* cmd = app.add_subcommand("afford", "Solve for the principal, the payment or the years");
    cmd->add_option("--solve", options->solve, "The figure to find")
        ->check(CLI::IsMember({"principal", "payment", "years"}));
    cmd->add_option("--principal", options->principal, "Principal amount")->check(CLI::NonNegativeNumber);
    cmd->add_option("--rate", options->rate, "Annual interest rate in percent")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--years", options->years, "Amortization period in whole years")
        ->check(CLI::NonNegativeNumber);
    cmd->add_option("--payment", options->payment, "Monthly payment, principal and interest")
        ->check(CLI::NonNegativeNumber);
    AddListOptions(*cmd, options->lists);
    AddDayBasisOptions(*cmd, options->lists);
    cmd->add_option("--currency", options->currency, "Currency symbol");
    cmd->add_option("--format", options->format, "text or json")->check(CLI::IsMember({"text", "json"}));
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const AffordOptions& o = *options;
        const Prepared p = Prepare(o);
        const AffordResult r =
            SolveAfford(p.inputs, SolveFrom(o.solve), CompoundingOption(o.lists.compounding),
                        FrequencyOption(o.lists.frequency), DayBasisFrom(o.lists), o.currency, p.shown);
        const AffordTexts& t = r.texts;
        const std::pair<const char*, const std::string*> boxes[] = {{"MFInPrincipal", &t.MFInPrincipal},
                                                                    {"MFInMthPayment", &t.MFInMthPayment},
                                                                    {"MFInTerm", &t.MFInTerm},
                                                                    {"TotalPmts", &t.TotalPmts},
                                                                    {"MFNumPmts", &t.MFNumPmts},
                                                                    {"MFDaysinYear", &t.MFDaysinYear},
                                                                    {"MFNumYrs", &t.MFNumYrs},
                                                                    {"MFPiPmt", &t.MFPiPmt},
                                                                    {"MFTotIntSaved", &t.MFTotIntSaved},
                                                                    {"MFTotIntPaid", &t.MFTotIntPaid},
                                                                    {"MsgText", &t.MsgText}};
        if (o.format == "json") {
            Json j = Json::object();
            for (const auto& [name, text] : boxes) j[name] = *text;
            j["messages"] = MessagesJson(p.messages);
            std::cout << j.dump(2) << '\n';
            return 0;
        }
        const std::pair<const char*, const std::string*> labelled[] = {
            {"Principal amount", &t.MFInPrincipal},        {"Monthly payment", &t.MFInMthPayment},
            {"Amortization period in years", &t.MFInTerm}, {"Total interest paid", &t.TotalPmts},
            {"Payments each year", &t.MFNumPmts},          {"Days in year", &t.MFDaysinYear},
            {"Years to final payment", &t.MFNumYrs},       {"Each payment", &t.MFPiPmt},
            {"Interest saved", &t.MFTotIntSaved},          {"Accelerated total interest", &t.MFTotIntPaid}};
        for (const auto& [label, text] : labelled)
            std::cout << RightJustify(label, 30) << "  " << *text << '\n';
        PrintMessages(std::cout, p.messages);
        if (!t.MsgText.empty()) std::cout << t.MsgText << '\n';
        return 0;
    };
}

}  // namespace amortix::cli
