#include "core/calc/repayment.h"

#include <algorithm>
#include <limits>

namespace amortix {

void ThrowRowOutOfRange() {
    throw CalcError("row out of range");
}

Currency YearAmount(const AdditionalPayments& extra, long year) {
    if (year < 0 || year >= kYearRows) throw CalcError("year out of range");
    return extra.amount[static_cast<std::size_t>(year)];
}

std::int16_t PaymentBound(std::int16_t frequencyClass, double years) {
    const double months = years * 12.0;
    // Monthly payments have no room to spare: a part of a month (a period
    // typed to the hundredth of a year) takes one payment more, the last of
    // it, or the balance would be left owing. Whole months, also as a loan's
    // months / 12 * 12 gives them back, keep their count.
    constexpr double kWholeMonth = 1e-6;
    return ToInt16(frequencyClass == 0   ? std::ceil(months - kWholeMonth)
                   : frequencyClass == 2 ? (months / 12.0) * 26.0 + 50.0
                                         : (months / 12.0) * 52.0 + 50.0);
}

int FirstAnniversary(std::int16_t n, Month month) {
    // The payments before the month, or a whole year for the first month.
    const int m = month.StoredCode();
    return n == 12 ? m : n == 24 ? 2 * m : n == 26 ? 2 * m + 2 : 4 * m + 4;
}

std::vector<RateStep> RateSteps(const std::vector<RateChange>& changes, const LoanTerms& terms) {
    std::vector<RateStep> steps;
    for (const RateChange& c : changes) {
        const RateFactorsResult rates =
            RateFactors(c.ratePercent, terms.compounding, terms.periods.periodsPerYear);
        steps.push_back({FirstPaymentOfChange(c, terms.periods.paymentsPerYear),
                         RatePerPeriod(terms.periods, rates), c.ratePercent, rates.monthly,
                         c.payment == RateChangePayment::Recalculate});
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const RateStep& a, const RateStep& b) { return a.fromPayment < b.fromPayment; });
    return steps;
}

Repay RepaymentOver(const LoanTerms& terms) {
    const double n = terms.periods.paymentsPerYear;
    return [terms, n](double balance, long k, const RateStep& step) {
        const double left = std::max(terms.years - static_cast<double>(k - 1) / n, 1.0 / n);
        const MonthlyPaymentResult monthly =
            MonthlyPayment(balance, step.monthlyRate, step.ratePercent, terms.compounding, left);
        double a = PeriodPayment(monthly.payment, terms.frequency);
        if (terms.increase > 0.0f) a = Checked(a + a * static_cast<double>(terms.increase));
        return terms.roundCents ? RoundCents(a) : a;
    };
}

bool PlanRateSteps(RepaymentPlan& plan, const std::vector<RateStep>& steps, const LoanTerms& terms) {
    if (steps.empty()) return false;
    plan.steps = &steps;
    const bool keeps =
        std::any_of(steps.begin(), steps.end(), [](const RateStep& s) { return !s.recalculate; });
    if (keeps)
        plan.bound = std::max(
            plan.bound, std::min<std::int16_t>(PaymentBound(terms.periods.frequencyClass, kMortgageYearLimit),
                                               kScheduleRows - 1));
    plan.repay = RepaymentOver(terms);
    return keeps;
}

PrepaymentPlan PlanPrepayments(const Prepayments& p, std::int16_t n) {
    PrepaymentPlan plan;
    const RecurringPrepayment& r = p.recurring;
    if (r.amount > Currency()) {
        plan.recurring = r.amount.ToDouble();
        plan.recurringFrom = FirstPaymentOfMonth(r.fromYear, r.fromMonth, n);
        // Up to the payment before the first of the month after the last.
        plan.recurringTo = r.toYear == 0 ? std::numeric_limits<long>::max()
                                         : FirstPaymentOfMonth(r.toYear, r.toMonth + 1, n) - 1;
    }
    for (std::size_t j = 0; j < p.oneTime.size(); ++j) {
        const OneTimePrepayment& o = p.oneTime[j];
        if (o.amount > Currency())
            plan.once.push_back(
                {FirstPaymentOfMonth(o.year, o.month, n), o.amount, static_cast<std::int16_t>(j)});
    }
    // By payment, then as entered (without the buffer a stable sort allocates).
    std::sort(plan.once.begin(), plan.once.end(), [](const PlannedPrepayment& a, const PlannedPrepayment& b) {
        return a.payment != b.payment ? a.payment < b.payment : a.source < b.source;
    });
    plan.recast = p.effect == PrepaymentEffect::LowerPayment;
    return plan;
}

void PlanPrepaymentRun(RepaymentPlan& plan, const PrepaymentPlan& prepay, const LoanTerms& terms) {
    if (prepay.recurring <= 0 && prepay.once.empty()) return;
    plan.prepay = &prepay;
    if (prepay.recast && !plan.repay) plan.repay = RepaymentOver(terms);
}

std::vector<AppliedRateChange> AppliedRateChanges(const std::vector<RateChange>& changes,
                                                  std::int16_t paymentsPerYear,
                                                  const std::vector<double>& stepPayments) {
    std::vector<AppliedRateChange> applied;
    applied.reserve(changes.size());
    for (const RateChange& c : changes)
        applied.push_back({c, FirstPaymentOfChange(c, paymentsPerYear), false, 0.0});
    // In the order RateSteps runs them.
    std::stable_sort(applied.begin(), applied.end(),
                     [](const AppliedRateChange& a, const AppliedRateChange& b) {
                         return a.firstPayment < b.firstPayment;
                     });
    for (std::size_t j = 0; j < applied.size() && j < stepPayments.size(); ++j) {
        applied[j].reached = true;
        applied[j].payment = stepPayments[j];
    }
    return applied;
}

Currency TotalInterest(const RepaymentOutcome& outcome, bool whateverIsLeft) {
    if (!(outcome.balance < 6.0) && !whateverIsLeft) return Currency::FromDouble(outcome.interest);
    if (outcome.payments < 1) throw CalcError("no payment");
    // As CorrectFinalPayment sums them: the row before's total and the last interest.
    return Currency::FromDouble(outcome.interestBefore) + Currency::FromDouble(outcome.lastInterest);
}

Currency TotalPrincipal(const RepaymentOutcome& outcome, bool whateverIsLeft) {
    const Currency sum = Currency::FromDouble(outcome.principal);
    if (!(outcome.balance < 6.0) && !whateverIsLeft) return sum;
    // As CorrectFinalPayment adds what the last payment left or overpaid.
    return sum + Currency::FromDouble(outcome.balance);
}

bool LastPaymentTakesWhatIsLeft(const RepaymentPlan& plan, const RepaymentOutcome& outcome,
                                std::int16_t frequencyClass, bool keeps) {
    if (plan.roundInterest) return true;
    return frequencyClass == 0 && !keeps && outcome.payments == plan.bound;
}

void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome,
                         bool whateverIsLeft) {
    if (!(outcome.balance < 6.0) && !whateverIsLeft) return;
    const long L = outcome.payments;
    if (L < 1) throw CalcError("no payment");
    ScheduleRow& last = TableRow(table, L);
    const ScheduleRow& before = TableRow(table, L - 1);
    last.principal = before.balance;
    last.cumulativeInterest = before.cumulativeInterest + last.interest;
    last.cumulativePrincipal = last.cumulativePrincipal + last.balance;
    last.balance = before.balance - last.principal;
}

}  // namespace amortix
