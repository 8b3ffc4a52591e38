#include "cli/costs_output.h"

#include <ostream>

namespace amortix::cli {

namespace {

Json CostJson(const BorrowingCost& cost) {
    return {{"interest", cost.interest},
            {"finance_charges", cost.financeCharges},
            {"insurance", cost.insurance},
            {"total", cost.Total()}};
}

Json EndJson(const InsuranceEnd& end) {
    if (end.payment <= 0) return nullptr;
    return {{"payment", end.payment},
            {"month", end.month},
            {"date", end.date != 0 ? Json(IsoDate(end.date)) : Json(nullptr)}};
}

Json MonthlyJson(const MonthlyHomeCost& m) {
    return {{"principal_and_interest", m.principalAndInterest},
            {"property_tax", m.propertyTax},
            {"home_insurance", m.homeInsurance},
            {"condo_fees", m.condoFees},
            {"heating", m.heating},
            {"mortgage_insurance", m.mortgageInsurance},
            {"total", m.Total()}};
}

// The figures behind the summary's keys.
Json DetailsJson(const CostsPrint& print) {
    const Costs& c = print.costs;
    const CostsResult& r = print.result;
    const Purchase& p = r.purchase;
    Json term = CostJson(r.term);
    term["years"] = r.termYears;
    return {{"principal", p.principal},
            {"purchase_price", c.price ? Json(*c.price) : Json(nullptr)},
            {"down_payment", c.downPayment},
            {"minimum_down_payment", p.minimumDownPayment > 0 ? Json(p.minimumDownPayment) : Json(nullptr)},
            {"loan_to_value", c.price ? Json(p.ltvPercent) : Json(nullptr)},
            {"insurance", Info(c.insurance).cliName},
            {"premium_rate", p.premiumPercent},
            {"premium_tax", p.premiumTax},
            {"insurance_per_payment", r.insurancePerPayment},
            {"insurance_ends", EndJson(r.insuranceEnds)},
            {"insurance_ends_on_request", EndJson(r.insuranceEndsOnRequest)},
            {"points", p.points},
            {"lender_fees", p.lenderFees},
            {"closing_costs", p.closingCosts},
            {"prepaid_finance_charges", p.prepaidFinanceCharges},
            {"cash_at_closing", p.cashAtClosing},
            {"term_cost_of_borrowing", term}};
}

}  // namespace

void AddCostsJson(Json& summary, const std::optional<CostsPrint>& costs) {
    const char* keys[] = {"apr",
                          "effective_annual_rate",
                          "amount_financed",
                          "cost_of_borrowing",
                          "insurance_premium",
                          "monthly_home_cost",
                          "insurance_ends",
                          "costs"};
    if (!costs || !costs->result.calculated) {
        for (const char* key : keys) summary[key] = nullptr;
        return;
    }
    const CostsResult& r = costs->result;
    summary["apr"] = r.aprPercent;
    summary["effective_annual_rate"] = r.effectiveAnnualPercent;
    summary["amount_financed"] = r.purchase.amountFinanced;
    summary["cost_of_borrowing"] = CostJson(r.amortization);
    // The premium added to the loan, or the US insurance with each payment.
    summary["insurance_premium"] = r.purchase.premium > 0 ? r.purchase.premium : r.insurancePerPayment;
    summary["monthly_home_cost"] = MonthlyJson(r.monthly);
    summary["insurance_ends"] = r.insuranceEnds.payment > 0 ? Json(r.insuranceEnds.payment) : Json(nullptr);
    summary["costs"] = DetailsJson(*costs);
}

void PrintCostsText(std::ostream& out, const std::optional<CostsPrint>& costs, const ScheduleInputs& in) {
    if (!costs) return;
    const auto lines = CostsSectionLines(*costs, in.mode, in.currencySymbol, in.formatDate);
    if (lines.empty()) return;
    out << '\n';
    for (const std::string& line : lines) out << line << '\n';
}

}  // namespace amortix::cli
