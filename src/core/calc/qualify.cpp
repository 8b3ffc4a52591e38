#include "core/calc/qualify.h"

#include <algorithm>
#include <cmath>

#include "core/calc/costs.h"
#include "core/calc/insurance.h"
#include "core/calc/limits.h"
#include "core/calc/rates.h"
#include "core/format/money.h"

namespace amortix {

namespace {

bool InRange(double value, double low, double high) {
    return value >= low && value <= high;  // false for NaN
}

template <class Table, class Id>
bool InTable(const Table& table, Id id) {
    return std::any_of(table.begin(), table.end(), [id](const auto& row) { return row.id == id; });
}

double Cents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

// A loan-to-value as insurers state it, to the hundredth of a percent.
double LtvPercent(double loan, double price) {
    return price > 0 ? std::round(loan / price * 10000.0) / 100.0 : 0;
}

// Why a loan does not fit: the ratios, the down payment's minimum (or its
// 20 % where no insurance is to be had), the insured period, the largest
// amount the boxes hold.
enum class Fit : std::int8_t { Yes, OverBudget, DownPayment, InsuredPeriod, OverLimit };

struct Candidate {
    double loan = 0;  // the premium included
    double price = 0;
    double premium = 0;
    double premiumPercent = 0;
    double ltvPercent = 0;
    double mortgageInsurance = 0;  // a month
};

struct Setting {
    const QualifyInputs& in;
    const QualifyRulesInfo& rules;
    double qualifyingRate = 0;
    double budget = 0;    // a month for the payment and mortgage insurance
    double perMonth = 1;  // payments a month of the chosen frequency
};

double EachPayment(double loan, double ratePercent, const QualifyInputs& in) {
    const FrequencyPeriods f = PeriodsOf(in.frequency, DayBasis{});
    const RateFactorsResult rates = RateFactors(ratePercent, in.compounding, f.periodsPerYear);
    const double monthly = MonthlyPayment(loan, rates.monthly, ratePercent, in.compounding, in.years).payment;
    return PeriodPayment(monthly, in.frequency);
}

// The premium (Canada) or the mortgage insurance (US) of a loan before the
// premium of `base`.
Fit Insure(double base, const Setting& s, Candidate& c) {
    const QualifyInputs& in = s.in;
    c.price = base + in.downPayment;
    c.ltvPercent = LtvPercent(base, c.price);
    c.loan = base;
    if (base <= 0) return Fit::Yes;
    if (s.rules.premiumAdded) {
        const auto premium = CanadianPremiumFor(c.price, in.downPayment, in.years);
        // A price of a few cents passes the minimum to the cent with nothing
        // down; no band insures it.
        if (!premium || premium->ltvPercent > kCanadianPremiums.back().ltvPercent) return Fit::DownPayment;
        if (premium->ratePercent > 0 && in.years > kInsuredYearLimit) return Fit::InsuredPeriod;
        c.premium = premium->premium;
        c.premiumPercent = premium->ratePercent;
        c.loan = base + c.premium;
    } else if (c.ltvPercent > kConventionalLtvPercent) {
        c.mortgageInsurance = Cents(base * in.limits.mortgageInsurancePercent / 1200.0);
    }
    return Fit::Yes;
}

// Whether a loan before the premium of `cents` fits every limit. The answer
// turns from yes to no once and stays no as the loan grows: the premium's
// band, the minimum down payment and the payment all rise with it.
Fit Try(long long cents, const Setting& s, Candidate& c) {
    c = Candidate{};
    const Fit insured = Insure(static_cast<double>(cents) / 100.0, s, c);
    if (insured != Fit::Yes) return insured;
    if (c.price > kPrincipalLimit || c.loan > kPrincipalLimit) return Fit::OverLimit;
    if (c.loan <= 0) return Fit::Yes;
    const double monthly = EachPayment(c.loan, s.qualifyingRate, s.in) * s.perMonth + c.mortgageInsurance;
    return monthly <= s.budget ? Fit::Yes : Fit::OverBudget;
}

// The largest loan before the premium, to the cent, by halving: the fit is
// a prefix of the cents (see Try). Returns why one cent more does not fit.
Fit Largest(const Setting& s, Candidate& best) {
    long long fits = 0;
    long long fails = std::llround(kPrincipalLimit * 100.0) + 1;  // above every limit
    Candidate c;
    while (fails - fits > 1) {
        const long long mid = fits + (fails - fits) / 2;
        if (Try(mid, s, c) == Fit::Yes)
            fits = mid;
        else
            fails = mid;
    }
    Try(fits, s, best);
    return Try(fits + 1, s, c);
}

void Fill(const Setting& s, const Candidate& c, QualifyResult& out) {
    const QualifyInputs& in = s.in;
    out.maxMortgage = c.loan;
    out.maxPrice = c.price;
    out.premium = c.premium;
    out.premiumPercent = c.premiumPercent;
    out.ltvPercent = c.ltvPercent;
    out.mortgageInsuranceMonthly = c.mortgageInsurance;
    out.payment = EachPayment(c.loan, in.ratePercent, in);
    out.qualifyingPayment = EachPayment(c.loan, s.qualifyingRate, in);
    const double housing = out.qualifyingPayment * s.perMonth + c.mortgageInsurance + out.housingCosts;
    out.gdsPercent = housing / out.monthlyIncome * 100.0;
    out.tdsPercent = (housing + out.otherDebts) / out.monthlyIncome * 100.0;
    if (s.rules.premiumAdded) out.downPaymentNeeded = Cents(MinimumDownPayment(c.price));
}

}  // namespace

std::optional<QualifyRules> FindQualifyRules(std::string_view listText) {
    for (const QualifyRulesInfo& row : kQualifyRules)
        if (row.listText == listText) return row.id;
    return std::nullopt;
}

std::optional<QualifyRules> QualifyRulesNamed(std::string_view cliName) {
    for (const QualifyRulesInfo& row : kQualifyRules)
        if (row.cliName == cliName) return row.id;
    return std::nullopt;
}

QualifyInputs WithRules(QualifyInputs inputs, QualifyRules rules) {
    inputs.rules = rules;
    inputs.limits = Info(rules).defaults;
    inputs.compounding = Info(rules).compounding;
    return inputs;
}

std::optional<Message> QualifyRefusal(const QualifyInputs& in) {
    const double amounts[] = {in.income,         in.income2,           in.debtsMonthly,
                              in.cardBalances,   in.propertyTaxYearly, in.homeInsuranceYearly,
                              in.heatingMonthly, in.condoFeesMonthly,  in.downPayment};
    for (const double amount : amounts)
        if (!InRange(amount, 0, kPrincipalLimit)) return Message::QualifyRange;
    const QualifyLimits& l = in.limits;
    const double percents[] = {in.ratePercent,
                               l.gdsPercent,
                               l.tdsPercent,
                               l.stressAddPoints,
                               l.stressFloorPercent,
                               l.balancePercent,
                               l.mortgageInsurancePercent};
    for (const double percent : percents)
        if (!InRange(percent, 0, kRatePercentLimit)) return Message::QualifyRange;
    if (in.years < 1 || in.years > kQualifyYearLimit) return Message::QualifyRange;
    if (!InTable(kQualifyRules, in.rules) || !InTable(kCompoundings, in.compounding) ||
        !InTable(kFrequencies, in.frequency))
        return Message::QualifyRange;
    return std::nullopt;
}

QualifyResult Qualify(const QualifyInputs& in) {
    QualifyResult out;
    if (const auto refusal = QualifyRefusal(in)) {
        out.messages.push_back(*refusal);
        return out;
    }
    const QualifyRulesInfo& rules = Info(in.rules);
    const QualifyLimits& l = in.limits;
    out.monthlyIncome = (in.income + in.income2) / 12.0;
    out.housingCosts = in.propertyTaxYearly / 12.0 + in.condoFeesMonthly * rules.condoShare;
    if (rules.heatingCounted) out.housingCosts += in.heatingMonthly;
    if (rules.homeInsuranceCounted) out.housingCosts += in.homeInsuranceYearly / 12.0;
    out.otherDebts = in.debtsMonthly + in.cardBalances * l.balancePercent / 100.0;
    out.qualifyingRatePercent =
        l.stressTest ? std::max(in.ratePercent + l.stressAddPoints, l.stressFloorPercent) : in.ratePercent;

    const double gdsRoom = l.gdsPercent / 100.0 * out.monthlyIncome - out.housingCosts;
    const double tdsRoom = l.tdsPercent / 100.0 * out.monthlyIncome - out.housingCosts - out.otherDebts;
    out.binding = tdsRoom < gdsRoom ? QualifyBinding::Tds : QualifyBinding::Gds;
    const Setting s{in, rules, out.qualifyingRatePercent, std::min(gdsRoom, tdsRoom),
                    Info(in.frequency).paymentsPerYear / 12.0};
    if (!(s.budget > 0)) {
        out.messages.push_back(Message::QualifiesForNothing);
        return out;
    }
    try {
        Candidate best;
        const Fit stop = Largest(s, best);
        if (stop == Fit::DownPayment) out.messages.push_back(Message::DownPaymentLimitsPrice);
        if (stop == Fit::InsuredPeriod) out.messages.push_back(Message::InsuredPeriodLimit);
        out.downPaymentLimits = stop == Fit::DownPayment || stop == Fit::InsuredPeriod;
        if (!(best.loan > 0)) {
            if (!out.downPaymentLimits) out.messages.push_back(Message::QualifiesForNothing);
            return out;
        }
        Fill(s, best, out);
        out.qualified = true;
    } catch (const CalcError&) {
        out = QualifyResult{};
        out.messages.push_back(Message::WrongEntry);
    }
    return out;
}

}  // namespace amortix
