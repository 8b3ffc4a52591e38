#include "cli/costs_options.h"

#include <sstream>

#include "cli/options.h"
#include "core/forms/costs_texts.h"

namespace amortix::cli {

namespace {

std::string MessageLine(Message m) {
    return "Message " + std::to_string(MessageNumber(m)) + ": " + MessageText(m);
}

// --fees-financed: which fees are added to the loan.
void FeesFinanced(const std::string& list, Costs& c) {
    std::stringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        if (item == "all") {
            c.pointsPaid = c.lenderFeesPaid = c.closingCostsPaid = FeePayment::Financed;
        } else if (item == "points") {
            c.pointsPaid = FeePayment::Financed;
        } else if (item == "fees") {
            c.lenderFeesPaid = FeePayment::Financed;
        } else if (item == "closing-costs") {
            c.closingCostsPaid = FeePayment::Financed;
        } else if (item != "none") {
            throw UsageError(
                "--fees-financed: expected all, none or a list of points, fees and "
                "closing-costs, got '" +
                list + "'");
        }
    }
}

void Insurance(const CostsOptions& o, Costs& c) {
    c.insurance = InsuranceKindNamed(o.insurance.value_or("none")).value_or(InsuranceKind::None);
    if (o.insuranceTax && c.insurance != InsuranceKind::Canada)
        throw UsageError(
            "--insurance-tax is the sales tax on the Canadian premium: it needs --insurance canada");
    if (c.insurance == InsuranceKind::None && o.insuranceRate)
        throw UsageError("--insurance-rate needs --insurance canada or us");
    if (c.insurance == InsuranceKind::UnitedStates) {
        if (!o.insuranceRate) throw UsageError("--insurance us needs --insurance-rate, the percent a year");
        c.usAnnualPercent = *o.insuranceRate;
    } else if (c.insurance == InsuranceKind::Canada) {
        c.canadianPremiumPercent = o.insuranceRate;
        c.premiumTaxPercent = o.insuranceTax.value_or(0);
    }
}

bool AnyGiven(const CostsOptions& o) {
    return o.price || o.down || o.points || o.fees || o.closingCosts || o.feesFinanced || o.insurance ||
           o.insuranceRate || o.insuranceTax || o.propertyTax || o.homeInsurance || o.condoFees ||
           o.heating || o.costTerm;
}

}  // namespace

void AddCostsOptions(CLI::App& app, CostsOptions& o) {
    app.add_option("--price", o.price, "Purchase price: the principal becomes the price less --down")
        ->check(NotNegative());
    app.add_option("--down", o.down, "Down payment (with --price)")->check(NotNegative());
    app.add_option("--points", o.points, "Points in percent of the loan (prepaid finance charge)")
        ->check(NotNegative());
    app.add_option("--fees", o.fees, "Lender and broker fees (prepaid finance charges)")
        ->check(NotNegative());
    app.add_option("--closing-costs", o.closingCosts, "Other closing costs: appraisal, legal, title")
        ->check(NotNegative());
    app.add_option(
        "--fees-financed", o.feesFinanced,
        "Fees added to the loan: all, none, or a list of points,fees,closing-costs (else paid in cash)");
    app.add_option("--insurance", o.insurance, "Default insurance: none, canada or us")
        ->check(CLI::IsMember({"none", "canada", "us"}));
    app.add_option(
           "--insurance-rate", o.insuranceRate,
           "Canada: premium in percent of the loan instead of the table's; us: percent of the loan a year")
        ->check(NotNegative());
    app.add_option("--insurance-tax", o.insuranceTax,
                   "Sales tax in percent on the Canadian premium, paid in cash")
        ->check(NotNegative());
    app.add_option("--property-tax", o.propertyTax, "Property tax a year")->check(NotNegative());
    app.add_option("--home-insurance", o.homeInsurance, "Home insurance a year")->check(NotNegative());
    app.add_option("--condo-fees", o.condoFees, "Condominium or association fees a month")
        ->check(NotNegative());
    app.add_option("--heating", o.heating, "Heating a month")->check(NotNegative());
    app.add_option("--cost-term", o.costTerm,
                   "Years of the term the cost of borrowing is shown for (1 to 10, 5)")
        ->check(CLI::Range(1, kCostTermLimit));
}

std::optional<Costs> CostsFrom(const CostsOptions& o) {
    if (!AnyGiven(o)) return std::nullopt;
    if (o.down && !o.price) throw UsageError("--down needs --price");
    Costs c;
    c.price = o.price;
    c.downPayment = o.down.value_or(0);
    c.pointsPercent = o.points.value_or(0);
    c.lenderFees = o.fees.value_or(0);
    c.closingCosts = o.closingCosts.value_or(0);
    if (o.feesFinanced) FeesFinanced(*o.feesFinanced, c);
    Insurance(o, c);
    c.propertyTaxYearly = o.propertyTax.value_or(0);
    c.homeInsuranceYearly = o.homeInsurance.value_or(0);
    c.condoFeesMonthly = o.condoFees.value_or(0);
    c.heatingMonthly = o.heating.value_or(0);
    c.termYears = static_cast<std::int16_t>(o.costTerm.value_or(c.termYears));
    if (const auto refusal = CostsRefusal(c)) throw UsageError(MessageLine(*refusal));
    return c;
}

CostsPrint PrepareCosts(const Costs& costs, bool principalGiven, ScheduleInputs& in) {
    if (costs.price && principalGiven)
        throw UsageError("--principal comes from --price and --down: give one or the other");
    const Purchase purchase = PurchaseFor(in, costs);
    if (!purchase.messages.empty()) {
        const std::string minimum = MinimumDownPaymentText(costs, purchase, in.currencySymbol);
        throw UsageError(MessageLine(purchase.messages.front()) + (minimum.empty() ? "" : " " + minimum));
    }
    in.principal = purchase.principal;
    return CostsPrint{costs, CalculateCosts(in, costs)};
}

}  // namespace amortix::cli
