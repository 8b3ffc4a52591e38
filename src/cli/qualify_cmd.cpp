// amortix-cli qualify: the largest mortgage the income qualifies for, by the
// debt-service ratios.

#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calc/qualify.h"
#include "core/format/messages.h"
#include "core/format/numfmt.h"
#include "core/forms/qualify_form.h"

namespace amortix::cli {

namespace {

struct QualifyOptions {
    std::string rules = "canada";
    std::optional<double> income, income2, debts, cardBalances, propertyTax, homeInsurance, heating,
        condoFees, down, rate, gds, tds, stressAdd, stressFloor, insuranceRate;
    std::optional<std::string> compounding;
    std::string frequency = "monthly";
    std::optional<int> years;
    bool noStress = false;
    std::string currency = "$";
    std::string format = "text";
    OutputOptions output;
};

void Set(double& field, const std::optional<double>& option) {
    if (option) field = *option;
}

QualifyInputs InputsFrom(const QualifyOptions& o) {
    const QualifyRules rules = QualifyRulesNamed(o.rules).value_or(QualifyRules::Canada);
    QualifyInputs in = WithRules(QualifyInputs{}, rules);
    Set(in.income, o.income);
    Set(in.income2, o.income2);
    Set(in.debtsMonthly, o.debts);
    Set(in.cardBalances, o.cardBalances);
    Set(in.propertyTaxYearly, o.propertyTax);
    Set(in.homeInsuranceYearly, o.homeInsurance);
    Set(in.heatingMonthly, o.heating);
    Set(in.condoFeesMonthly, o.condoFees);
    Set(in.downPayment, o.down);
    Set(in.ratePercent, o.rate);
    if (o.years) in.years = *o.years;
    if (o.compounding) in.compounding = CompoundingOption(*o.compounding);
    in.frequency = FrequencyOption(o.frequency);
    Set(in.limits.gdsPercent, o.gds);
    Set(in.limits.tdsPercent, o.tds);
    Set(in.limits.stressAddPoints, o.stressAdd);
    Set(in.limits.stressFloorPercent, o.stressFloor);
    if (o.insuranceRate) {
        if (rules != QualifyRules::UnitedStates)
            throw UsageError("--insurance-rate is the US mortgage insurance: it needs --rules us");
        in.limits.mortgageInsurancePercent = *o.insuranceRate;
    }
    if (o.noStress) in.limits.stressTest = false;
    return in;
}

Json Number(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json ResultJson(const QualifyInputs& in, const QualifyResult& r) {
    const auto figure = [&r](double value) { return r.qualified ? Json(value) : Json(nullptr); };
    return Json{{"schema", SchemaJson("qualify")},
                {"messages", NumberedMessagesJson(r.messages)},
                {"rules", Info(in.rules).cliName},
                {"max_mortgage", figure(r.maxMortgage)},
                {"max_price", figure(r.maxPrice)},
                {"insurance_premium", figure(r.premium)},
                {"mortgage_insurance", figure(r.mortgageInsuranceMonthly)},
                {"binding_ratio", r.qualified ? Json(Info(r.binding).cliName) : Json(nullptr)},
                {"gds", figure(r.gdsPercent)},
                {"tds", figure(r.tdsPercent)},
                {"payment", figure(r.payment)},
                {"qualifying_rate", figure(r.qualifyingRatePercent)},
                {"qualifying_payment", figure(r.qualifyingPayment)},
                {"down_payment_needed", r.qualified ? Number(r.downPaymentNeeded) : Json(nullptr)},
                {"down_payment_limits", r.qualified ? Json(r.downPaymentLimits) : Json(nullptr)},
                {"monthly_income", r.monthlyIncome},
                {"housing_costs", r.housingCosts},
                {"other_debts", r.otherDebts}};
}

std::string Text(const QualifyForm& form) {
    std::ostringstream out;
    for (const QualifyBoxInfo& box : kQualifyBoxes)
        out << RightJustify(box.caption, 36) << "  " << form.Text(box.id) << '\n';
    out << kQualifyNotice << '\n';
    return out.str();
}

void AddFigures(CLI::App& cmd, QualifyOptions& o) {
    const struct {
        const char* name;
        std::optional<double>* field;
        const char* help;
    } figures[] = {
        {"--income", &o.income, "Gross income a year"},
        {"--income2", &o.income2, "A second borrower's gross income a year"},
        {"--debts", &o.debts, "Other debt payments a month"},
        {"--card-balances", &o.cardBalances, "Card and credit-line balances (counted at 3 % a month)"},
        {"--property-tax", &o.propertyTax, "Property tax a year"},
        {"--home-insurance", &o.homeInsurance, "Home insurance a year (US rules)"},
        {"--heating", &o.heating, "Heating a month (Canadian rules)"},
        {"--condo-fees", &o.condoFees, "Condominium or association fees a month"},
        {"--down", &o.down, "Down payment"},
        {"--rate", &o.rate, "Contract rate in percent"},
        {"--gds", &o.gds, "Housing ratio limit in percent"},
        {"--tds", &o.tds, "Total ratio limit in percent"},
        {"--stress-add", &o.stressAdd, "Points added to the contract rate for the qualifying rate"},
        {"--stress-floor", &o.stressFloor, "Lowest qualifying rate in percent"},
        {"--insurance-rate", &o.insuranceRate, "US mortgage insurance a year, percent of the loan"},
    };
    for (const auto& f : figures) cmd.add_option(f.name, *f.field, f.help)->check(NotNegative());
}

}  // namespace

Runner AddQualifyCommand(CLI::App& app) {
    auto options = std::make_shared<QualifyOptions>();
    CLI::App* cmd = app.add_subcommand("qualify", "The largest mortgage the income qualifies for");
    cmd->add_option("--rules", options->rules, "canada or us")->check(CLI::IsMember({"canada", "us"}));
    AddFigures(*cmd, *options);
    cmd->add_option("--years", options->years, "Amortization in whole years")->check(NotNegative());
    cmd->add_option("--compounding", options->compounding,
                    "monthly, bimonthly, quarterly, semiannual or annual (semiannual under the Canadian "
                    "rules, monthly under the US ones)")
        ->check(CLI::IsMember({"monthly", "bimonthly", "quarterly", "semiannual", "annual"}));
    cmd->add_option("--frequency", options->frequency, "Payment frequency")
        ->check(CLI::IsMember({"monthly", "semimonthly", "2-weeks", "1-week", "biweekly-acc", "weekly-acc"}));
    cmd->add_flag("--no-stress", options->noStress, "Test the payment at the contract rate");
    cmd->add_option("--currency", options->currency, "Currency symbol");
    cmd->add_option("--format", options->format, "text or json")->check(CLI::IsMember({"text", "json"}));
    options->output.Add(*cmd);
    return [cmd, options]() -> int {
        if (!*cmd) return -1;
        const QualifyOptions& o = *options;
        o.output.Check(o.format);
        QualifyForm form(o.currency);
        form.Restore(InputsFrom(o));
        const QualifyResult& r = form.Calculate();
        if (r.messages == std::vector<Message>{Message::QualifyRange})
            throw UsageError("Message 59: " + MessageText(Message::QualifyRange));
        const std::optional<std::string>& file = o.output.path;
        const int status = r.qualified ? 0 : 1;
        if (o.format == "json") {
            const int delivered = Deliver(file, ResultJson(form.Inputs(), r).dump(2) + "\n");
            return delivered != 0 ? delivered : status;
        }
        PrintMessages(std::cerr, r.messages);
        if (!r.qualified) return status;
        return Deliver(file, Text(form));
    };
}

}  // namespace amortix::cli
