// amortix-cli apr: the annual percentage rate of a regular loan, as the US
// Truth in Lending rules compute it.

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/apr.h"

namespace amortix::cli {

namespace {

struct AprOptions {
    double amountFinanced = 0;
    double payment = 0;
    int count = 0;
    std::string frequency = "monthly";
    std::optional<std::string> loanDate;
    std::optional<std::string> firstPaymentDate;
    std::string format = "text";
};

// The payment frequencies of the other commands, and quarterly.
const std::map<std::string, UnitPeriod> kUnits = {
    {"monthly", UnitPeriod::Month},     {"semimonthly", UnitPeriod::SemiMonth},
    {"2-weeks", UnitPeriod::TwoWeeks},  {"biweekly-acc", UnitPeriod::TwoWeeks},
    {"1-week", UnitPeriod::Week},       {"weekly-acc", UnitPeriod::Week},
    {"quarterly", UnitPeriod::Quarter},
};

DaySerial DateOption(const char* name, const std::string& text) {
    const auto serial = ParseIsoDate(text);
    if (!serial) throw UsageError(std::string(name) + ": not a date in the form YYYY-MM-DD: " + text);
    return *serial;
}

AprFlows FlowsFrom(const AprOptions& o) {
    if (o.loanDate.has_value() != o.firstPaymentDate.has_value())
        throw UsageError("--loan-date and --first-payment-date go together");
    const UnitPeriod unit = kUnits.at(o.frequency);
    if (!o.loanDate) return RegularFlows(o.amountFinanced, o.payment, o.count, unit);
    const DaySerial loan = DateOption("--loan-date", *o.loanDate);
    const DaySerial first = DateOption("--first-payment-date", *o.firstPaymentDate);
    if (first <= loan) throw UsageError("--first-payment-date must come after --loan-date");
    if (o.count == 1) return SinglePaymentFlows(o.amountFinanced, o.payment, loan, first);
    return RegularFlows(o.amountFinanced, o.payment, o.count, unit, CountFirstPeriod(loan, first, unit));
}

std::string Percent(double fraction, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, fraction * 100.0);
    return text;
}

}  // namespace

Runner AddAprCommand(CLI::App& app) {
    auto o = std::make_shared<AprOptions>();
    CLI::App* cmd = app.add_subcommand("apr", "Annual percentage rate of a regular loan (actuarial method)");
    cmd->add_option("--amount-financed", o->amountFinanced, "Amount financed: the loan less prepaid charges")
        ->required()
        ->check(Positive());
    cmd->add_option("--payment", o->payment, "Each payment")->required()->check(Positive());
    cmd->add_option("--count", o->count, "Number of payments")->required()->check(CLI::Range(1, 100000));
    std::vector<std::string> names;
    names.reserve(kUnits.size());
    for (const auto& [name, unit] : kUnits) names.push_back(name);
    cmd->add_option("--frequency", o->frequency, "Payment frequency")->check(CLI::IsMember(names));
    cmd->add_option("--loan-date", o->loanDate,
                    "Date the loan is made (YYYY-MM-DD), for an odd first period");
    cmd->add_option("--first-payment-date", o->firstPaymentDate, "Date of the first payment (YYYY-MM-DD)");
    cmd->add_option("--format", o->format, "text or json")->check(CLI::IsMember({"text", "json"}));
    return [cmd, o]() -> int {
        if (!*cmd) return -1;
        const AprFlows flows = FlowsFrom(*o);
        const auto result = SolveApr(flows);
        if (!result) {
            std::cerr << "amortix-cli: no rate makes these payments repay the amount financed\n";
            return 1;
        }
        if (o->format == "json") {
            const Json out = {
                {"schema", {{"name", "apr"}, {"version", 2}}},
                {"apr", result->apr * 100.0},
                {"effective_annual_rate", result->effectiveAnnual * 100.0},
                {"rate_per_period", result->ratePerPeriod * 100.0},
                {"unit_periods_per_year", flows.unitPeriodsPerYear},
                {"first_period",
                 {{"full_unit_periods", flows.first.fullUnitPeriods}, {"fraction", flows.first.fraction}}}};
            std::cout << out.dump(2) << '\n';
        } else {
            std::cout << "Annual percentage rate   " << Percent(result->apr, 3) << '\n'
                      << "Effective annual rate    " << Percent(result->effectiveAnnual, 3) << '\n';
        }
        return 0;
    };
}

}  // namespace amortix::cli
