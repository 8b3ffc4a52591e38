#include "core/calc/costs.h"

#include <algorithm>
#include <cmath>

#include "core/calc/apr.h"
#include "core/calc/insurance.h"
#include "core/calc/limits.h"

namespace amortix {

namespace {

double Cents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

bool InRange(double value, double high) {
    return value >= 0 && value <= high;  // false for NaN
}

template <class Table, class Id>
bool InTable(const Table& table, Id id) {
    return std::any_of(table.begin(), table.end(), [id](const auto& row) { return row.id == id; });
}

bool Financed(FeePayment paid) {
    return paid == FeePayment::Financed;
}

// The insurance's own refusals, before any figure is worked out.
std::optional<Message> InsuranceRefusal(const ScheduleInputs& in, const Costs& c) {
    if (c.insurance == InsuranceKind::None) return std::nullopt;
    if (in.mode != TableKind::Mortgage) return Message::InsuranceForMortgages;
    if (!c.price) return Message::InsuranceNeedsPrice;
    if (c.insurance != InsuranceKind::Canada) return std::nullopt;
    if (in.years > kInsuredYearLimit) return Message::InsuredPeriodLimit;
    if (*c.price >= kCanadianInsuredPriceLimit && c.downPayment < MinimumDownPayment(*c.price))
        return Message::InsuredPriceLimit;
    return std::nullopt;
}

// From a price: the loan before the premium, the Canadian premium and the
// fees added to the loan make the principal. Points added to the loan are a
// share of the whole principal, so it is what the rest needs over 1 - points.
std::optional<Message> PrincipalFromPrice(const ScheduleInputs& in, const Costs& c, Purchase& p) {
    const double price = *c.price;
    const double loan = price - c.downPayment;
    p.ltvPercent = std::round(loan / price * 10000.0) / 100.0;
    if (c.insurance == InsuranceKind::Canada) {
        p.minimumDownPayment = MinimumDownPayment(price);
        const auto premium =
            CanadianPremiumFor(price, c.downPayment, in.years, c.premiumTaxPercent, c.canadianPremiumPercent);
        if (!premium) return Message::DownPaymentBelowMinimum;
        p.premiumPercent = premium->ratePercent;
        p.premium = premium->premium;
        p.premiumTax = premium->salesTax;
    }
    double base = loan + p.premium;
    if (Financed(c.lenderFeesPaid)) base += p.lenderFees;
    if (Financed(c.closingCostsPaid)) base += p.closingCosts;
    if (Financed(c.pointsPaid)) {
        p.principal = Cents(base / (1.0 - c.pointsPercent / 100.0));
        p.points = Cents(p.principal - base);
    } else {
        p.principal = Cents(base);
        p.points = Cents(p.principal * c.pointsPercent / 100.0);
    }
    return std::nullopt;
}

double CashAtClosing(const Costs& c, const Purchase& p) {
    double cash = c.downPayment + p.premiumTax;
    if (!Financed(c.pointsPaid)) cash += p.points;
    if (!Financed(c.lenderFeesPaid)) cash += p.lenderFees;
    if (!Financed(c.closingCostsPaid)) cash += p.closingCosts;
    return Cents(cash);
}

Purchase Refused(Message message) {
    Purchase p;
    p.messages.push_back(message);
    return p;
}

InsuranceEnd EndAt(long payment, const ScheduleResult& s) {
    InsuranceEnd end;
    if (payment <= 0 || payment >= static_cast<long>(s.rows.size())) return end;
    end.payment = payment;
    // The month of the mortgage the payment falls in: 1 for the first payment's.
    end.month = static_cast<int>((payment - 1) * 12 / s.summary.paymentsPerYear) + 1;
    if (s.showDates) end.date = s.rows[static_cast<std::size_t>(payment)].date;
    return end;
}

// US insurance: a share of the loan a year with each payment, while the loan
// is above 80 % of the price at the start, until the payment it ends at.
// Returns the payments that carry it.
long UsInsurance(const Costs& c, const ScheduleResult& s, CostsResult& out) {
    const double principal = out.purchase.principal;
    if (c.insurance != InsuranceKind::UnitedStates || !c.price || !(c.usAnnualPercent > 0) ||
        principal <= kConventionalLtvPercent / 100.0 * *c.price)
        return 0;
    std::vector<double> balances;
    balances.reserve(s.rows.size());
    for (std::size_t k = 1; k < s.rows.size(); ++k) balances.push_back(s.rows[k].balance.ToDouble());
    const UsInsuranceEnd end = UsInsuranceEnds(balances, *c.price, s.payments);
    out.insurancePerPayment = Cents(principal * c.usAnnualPercent / 100.0 / s.summary.paymentsPerYear);
    out.insuranceEnds = EndAt(end.automatic, s);
    out.insuranceEndsOnRequest = EndAt(end.onRequest, s);
    // The premiums are paid with the payments before the one it ends at.
    return std::clamp<long>(end.automatic - 1, 0, s.payments);
}

// The actuarial rate that discounts every payment, with the insurance it
// carries, to the amount financed, one unit-period apart.
std::optional<AprResult> AprOf(const ScheduleResult& s, const CostsResult& out, long insured) {
    AprFlows flows;
    flows.amountFinanced = out.purchase.amountFinanced;
    flows.unitPeriodsPerYear = s.summary.paymentsPerYear;
    flows.payments.reserve(static_cast<std::size_t>(s.payments));
    for (long k = 1; k <= s.payments; ++k) {
        const ScheduleRow& row = s.rows[static_cast<std::size_t>(k)];
        const double insurance = k <= insured ? out.insurancePerPayment : 0;
        flows.payments.push_back(row.interest.ToDouble() + row.principal.ToDouble() + insurance);
    }
    return SolveApr(flows);
}

BorrowingCost CostOver(long payments, const ScheduleResult& s, const CostsResult& out, long insured) {
    const Purchase& p = out.purchase;
    const long last = std::clamp<long>(payments, 0, s.payments);
    BorrowingCost cost;
    cost.interest = s.rows[static_cast<std::size_t>(last)].cumulativeInterest.ToDouble();
    cost.financeCharges = p.points + p.lenderFees;
    cost.insurance =
        p.premium + p.premiumTax + out.insurancePerPayment * static_cast<double>(std::min(last, insured));
    return cost;
}

MonthlyHomeCost MonthlyCost(const Costs& c, const ScheduleResult& s, const CostsResult& out, long insured) {
    const double perMonth = s.summary.paymentsPerYear / 12.0;
    MonthlyHomeCost m;
    m.principalAndInterest = s.summary.payment * perMonth;
    m.propertyTax = c.propertyTaxYearly / 12.0;
    m.homeInsurance = c.homeInsuranceYearly / 12.0;
    m.condoFees = c.condoFeesMonthly;
    m.heating = c.heatingMonthly;
    m.mortgageInsurance = insured > 0 ? out.insurancePerPayment * perMonth : 0;
    return m;
}

}  // namespace

bool Costs::Given() const {
    return price || downPayment != 0 || pointsPercent != 0 || lenderFees != 0 || closingCosts != 0 ||
           insurance != InsuranceKind::None || propertyTaxYearly != 0 || homeInsuranceYearly != 0 ||
           condoFeesMonthly != 0 || heatingMonthly != 0;
}

double MonthlyHomeCost::Total() const {
    return principalAndInterest + propertyTax + homeInsurance + condoFees + heating + mortgageInsurance;
}

std::optional<Message> CostsRefusal(const Costs& c) {
    const double amounts[] = {c.downPayment,       c.lenderFees,          c.closingCosts,
                              c.propertyTaxYearly, c.homeInsuranceYearly, c.condoFeesMonthly,
                              c.heatingMonthly,    c.price.value_or(0)};
    for (const double amount : amounts)
        if (!InRange(amount, kPrincipalLimit)) return Message::CostsRange;
    const double percents[] = {c.pointsPercent, c.premiumTaxPercent, c.usAnnualPercent,
                               c.canadianPremiumPercent.value_or(0)};
    for (const double percent : percents)
        if (!InRange(percent, kCostPercentLimit)) return Message::CostsRange;
    if (c.termYears < 1 || c.termYears > kCostTermLimit) return Message::CostsRange;
    if (!InTable(kFeePayments, c.pointsPaid) || !InTable(kFeePayments, c.lenderFeesPaid) ||
        !InTable(kFeePayments, c.closingCostsPaid) || !InTable(kInsuranceKinds, c.insurance))
        return Message::CostsRange;
    if (c.price ? !(c.downPayment < *c.price) : c.downPayment != 0) return Message::DownPaymentRange;
    return std::nullopt;
}

Purchase PurchaseFor(const ScheduleInputs& in, const Costs& c) {
    if (const auto refusal = CostsRefusal(c)) return Refused(*refusal);
    if (const auto refusal = InsuranceRefusal(in, c)) return Refused(*refusal);
    Purchase p;
    p.lenderFees = c.lenderFees;
    p.closingCosts = c.closingCosts;
    if (c.price) {
        if (const auto refusal = PrincipalFromPrice(in, c, p)) {
            Purchase refused = Refused(*refusal);
            refused.minimumDownPayment = p.minimumDownPayment;
            return refused;
        }
    } else {
        // The typed principal is the whole loan, whatever was added to it.
        p.principal = in.principal;
        p.points = Cents(in.principal * c.pointsPercent / 100.0);
    }
    p.prepaidFinanceCharges = Cents(p.points + p.lenderFees + p.premium + p.premiumTax);
    p.amountFinanced = Cents(p.principal - p.prepaidFinanceCharges);
    if (!(p.amountFinanced > 0)) return Refused(Message::FeesTakeTheLoan);
    p.cashAtClosing = CashAtClosing(c, p);
    return p;
}

CostsResult CalculateCosts(const ScheduleInputs& in, const Costs& costs) {
    CostsResult out;
    out.termYears = costs.termYears;
    out.purchase = PurchaseFor(in, costs);
    out.messages = out.purchase.messages;
    if (!out.messages.empty()) return out;
    ScheduleInputs all = in;
    all.principal = out.purchase.principal;
    all.view = ScheduleView::AllPayments;
    all.termYears = 0;
    const ScheduleResult s = CalculateSchedule(all);
    if (!s.calculated || s.payments < 1) return out;
    out.paymentsPerYear = s.summary.paymentsPerYear;
    out.payments = s.payments;
    const long insured = UsInsurance(costs, s, out);
    const auto apr = AprOf(s, out, insured);
    if (!apr) {
        out.messages.push_back(Message::CannotCalculate);
        return out;
    }
    out.aprPercent = apr->apr * 100.0;
    out.effectiveAnnualPercent = apr->effectiveAnnual * 100.0;
    out.amortization = CostOver(s.payments, s, out, insured);
    out.term = CostOver(static_cast<long>(costs.termYears) * s.summary.paymentsPerYear, s, out, insured);
    out.monthly = MonthlyCost(costs, s, out, insured);
    out.calculated = true;
    return out;
}

}  // namespace amortix
