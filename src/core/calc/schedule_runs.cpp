#include "core/calc/schedule_runs.h"

#include <algorithm>
#include <utility>

namespace amortix {

Terms PaymentTerms(const ScheduleInputs& in, ScheduleSummary& summary) {
    Terms t;
    t.frequency = PeriodsOf(in.frequency, in.dayBasis);
    const RateFactorsResult rates = RateFactors(in.ratePercent, in.compounding, t.frequency.periodsPerYear);
    summary.daysInYear = in.dayBasis.days;
    summary.normalDays = t.frequency.paymentsPerYear == 12 || t.frequency.paymentsPerYear == 24;
    summary.rateFactor = rates.period;
    const MonthlyPaymentResult monthly =
        MonthlyPayment(in.principal, rates.monthly, in.ratePercent, in.compounding, in.years);
    t.normalTotal = Checked(monthly.payment * 12.0 * in.years);
    const double before = PeriodPayment(monthly.payment, in.frequency);
    t.payment = before;
    if (in.extra.increase > 0.0f)
        t.payment = Checked(t.payment + t.payment * static_cast<double>(in.extra.increase));
    if (in.rounding == Rounding::Lender) t.payment = RoundCents(t.payment);
    t.rate = RatePerPeriod(t.frequency, rates);
    t.monthlyRate = rates.monthly;
    summary.monthlyPayment = monthly.payment;
    summary.payment = t.payment;
    summary.increase = in.extra.increase;
    summary.increaseAmount = t.payment - before;
    summary.paymentsPerYear = t.frequency.paymentsPerYear;
    return t;
}

PaymentRun::PaymentRun(const ScheduleInputs& in, const Terms& t, const std::vector<RateStep>* given) {
    plan.principal = in.principal;
    plan.payment = t.payment;
    plan.rate = t.rate;
    plan.monthlyRate = t.monthlyRate;
    plan.paymentsPerYear = t.frequency.paymentsPerYear;
    plan.bound = PaymentBound(t.frequency.frequencyClass, in.years);
    frequencyClass = t.frequency.frequencyClass;
    plan.extra = &in.extra;
    plan.currencyExtraSum = true;
    plan.ratePercent = in.ratePercent;
    plan.roundInterest = in.rounding == Rounding::Lender;
    const LoanTerms terms{in.years,    in.compounding,    in.frequency,
                          t.frequency, in.extra.increase, plan.roundInterest};
    steps = given ? *given : RateSteps(in.rateChanges, terms);
    keeps = PlanRateSteps(plan, steps, terms);
    prepay = PlanPrepayments(in.prepayments, t.frequency.paymentsPerYear);
    PlanPrepaymentRun(plan, prepay, terms);
}

bool AnyPrepayment(const ScheduleInputs& in) {
    return in.extra.increase > 0.0f || in.prepayments.HasAmounts() ||
           std::any_of(in.extra.amount.begin() + 1, in.extra.amount.end(),
                       [](Currency a) { return a > Currency(); });
}

namespace {

// The mortgage of `in`, with its rate changes and rounding, and nothing else:
// no additional payment, no texts (copying the rest would cost the run's
// time over again).
ScheduleInputs WithoutAnyPrepayment(const ScheduleInputs& in) {
    ScheduleInputs base;
    base.mode = in.mode;
    base.principal = in.principal;
    base.ratePercent = in.ratePercent;
    base.years = in.years;
    base.compounding = in.compounding;
    base.frequency = in.frequency;
    base.dayBasis = in.dayBasis;
    base.rateChanges = in.rateChanges;
    base.rounding = in.rounding;
    // The month of the yearly amounts: the schedule forms each anniversary
    // payment's principal in currency, amount or not.
    base.extra.month = in.extra.month;
    return base;
}

}  // namespace

Yardsticks::Yardsticks(const ScheduleInputs& in) {
    const bool prepaid = AnyPrepayment(in);
    if (prepaid) Plan(unprepaid_, WithoutAnyPrepayment(in));
    if (in.rateChanges.empty() && in.rounding == Rounding::Exact) return;
    if (prepaid && in.frequency == Frequency::Monthly) {
        normalIsUnprepaid_ = true;
        return;
    }
    ScheduleInputs normal = WithoutAnyPrepayment(in);
    normal.frequency = Frequency::Monthly;
    Plan(normal_, std::move(normal));
}

void Yardsticks::Plan(Yardstick& y, ScheduleInputs inputs) {
    y.inputs = std::move(inputs);
    ScheduleSummary scratch;
    y.run.emplace(y.inputs, PaymentTerms(y.inputs, scratch));
    y.run->plan.totalsOnly = true;
}

void Yardsticks::RunTheRest() {
    if (!normal_.run) return;
    std::vector<ScheduleRow> none;
    normal_.outcome = RunRepayment(normal_.run->plan, none);
}

const RepaymentOutcome* Yardsticks::Outcome(const Yardstick& y) {
    if (!y.run || y.run->Failed(y.outcome)) return nullptr;
    return &y.outcome;
}

std::optional<Unprepaid> Yardsticks::WithoutPrepayments() const {
    const RepaymentOutcome* o = Outcome(unprepaid_);
    if (!o) return std::nullopt;
    return Unprepaid{TotalInterest(*o, unprepaid_.run->TakesWhatIsLeft(*o)), o->payments};
}

std::optional<Currency> Yardsticks::NormalTotalPaid() const {
    const Yardstick& y = normalIsUnprepaid_ ? unprepaid_ : normal_;
    const RepaymentOutcome* o = Outcome(y);
    if (!o) return std::nullopt;
    const bool left = y.run->TakesWhatIsLeft(*o);
    return TotalInterest(*o, left) + TotalPrincipal(*o, left);
}

}  // namespace amortix
