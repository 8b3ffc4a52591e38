#include "core/calc/comparison.h"

#include <algorithm>
#include <utility>

#include "core/calc/repayment.h"

namespace amortix {

namespace {

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// The days matter only where the periods a year follow from them.
std::optional<float> DaysApplied(std::int16_t paymentsPerYear, float days) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return std::nullopt;
    return days;
}

// What a row keeps of its repayment; the payment table itself stays here.
struct Repaid {
    long payments = 0;
    double totalInterest = 0;
    std::vector<AppliedAmount> applied;
    std::vector<double> stepPayments;
    std::vector<AppliedPrepayment> prepaid;
    PrepaymentSummary prepayments;
    std::optional<Message> refusal;  // 44 or 45: no row
};

Repaid Repay(const ComparisonInputs& in, const FrequencyPeriods& freq, const RateFactorsResult& rates,
             double payment, const LimitBasis& basis) {
    RepaymentPlan plan;
    plan.principal = in.principal;
    plan.payment = payment;
    plan.rate = RatePerPeriod(freq, rates);
    plan.monthlyRate = rates.monthly;
    plan.paymentsPerYear = freq.paymentsPerYear;
    plan.bound = PaymentBound(freq.frequencyClass, in.years);
    plan.extra = &in.extra;
    plan.ratePercent = in.ratePercent;
    plan.roundInterest = in.rounding == Rounding::Lender;
    const LoanTerms terms{in.years, in.compounding,    in.frequency,
                          freq,     in.extra.increase, plan.roundInterest};
    const std::vector<RateStep> steps = RateSteps(in.rateChanges, terms);
    const bool keeps = PlanRateSteps(plan, steps, terms);
    const PrepaymentPlan prepay = PlanPrepayments(in.prepayments, freq.paymentsPerYear);
    PlanPrepaymentRun(plan, prepay, terms);
    std::vector<ScheduleRow> table(kScheduleRows);
    RepaymentOutcome outcome = RunRepayment(plan, table);
    Repaid refused;
    if (outcome.uncoveredAt > 0)
        refused.refusal = Message::PaymentBelowInterest;
    else if (keeps && outcome.balance >= 6.0)
        refused.refusal = Message::NotRepaidInLimit;
    if (refused.refusal) return refused;
    CorrectFinalPayment(table, outcome,
                        LastPaymentTakesWhatIsLeft(plan, outcome, freq.frequencyClass, keeps));
    Repaid repaid;
    repaid.payments = outcome.payments;
    repaid.totalInterest = TableRow(table, outcome.payments).cumulativeInterest.ToDouble();
    repaid.prepayments = SummarizePrepayments(in.prepayments, table, outcome, freq.paymentsPerYear, basis);
    repaid.applied = std::move(outcome.applied);
    repaid.stepPayments = std::move(outcome.stepPayments);
    repaid.prepaid = std::move(outcome.prepaid);
    return repaid;
}

// The one-time amounts a row paid, with the year and month they were entered for.
std::vector<ComparisonOneTimePayment> OneTimePayments(const ComparisonInputs& in,
                                                      const std::vector<AppliedPrepayment>& prepaid) {
    std::vector<ComparisonOneTimePayment> out;
    out.reserve(prepaid.size());
    for (const AppliedPrepayment& a : prepaid) {
        const OneTimePrepayment& o = in.prepayments.oneTime.at(static_cast<std::size_t>(a.source));
        out.push_back({o.year, Month{o.month}, a.amount, a.newPayment});
    }
    return out;
}

// The row's figures, or the message of rate changes that leave no row.
ComparisonRowOutcome RowFigures(const ComparisonInputs& in, const FrequencyPeriods& freq,
                                const RateFactorsResult& rates) {
    const MonthlyPaymentResult monthly =
        MonthlyPayment(in.principal, rates.monthly, in.ratePercent, in.compounding, in.years);
    const double before = PeriodPayment(monthly.payment, in.frequency);
    double payment = before;
    const bool increased = in.extra.increase > 0.0f;
    if (increased) payment = Checked(payment + payment * static_cast<double>(in.extra.increase));
    if (in.rounding == Rounding::Lender) payment = RoundCents(payment);
    Repaid repaid = Repay(in, freq, rates, payment, LimitBasis{in.principal, before, payment - before});
    if (repaid.refusal) {
        ComparisonRowOutcome refused;
        refused.rateChangeMessage = repaid.refusal;
        return refused;
    }

    ComparisonRow row;
    row.compounding = in.compounding;
    row.frequency = in.frequency;
    row.years = in.years;
    row.payments = repaid.payments;
    row.paymentsPerYear = freq.paymentsPerYear;
    row.retiredYear = static_cast<double>(repaid.payments) / freq.paymentsPerYear;
    row.principal = in.principal;
    row.ratePercent = in.ratePercent;
    row.payment = payment;
    row.increase = in.extra.increase;
    row.totalInterest = repaid.totalInterest;
    for (const AppliedAmount& a : repaid.applied)
        row.extraPayments.push_back({ToInt16(static_cast<double>(a.year)), in.extra.month, a.amount});
    row.oneTimePayments = OneTimePayments(in, repaid.prepaid);
    row.recurringTotal = repaid.prepayments.recurringTotal;
    row.prepaymentEffect = in.prepayments.effect;
    row.yearlyLimit = repaid.prepayments.yearlyLimit;
    row.increaseLimit = repaid.prepayments.increaseLimit;
    row.starred = increased || !row.extraPayments.empty() || !row.oneTimePayments.empty() ||
                  row.recurringTotal > Currency();
    row.rateChanges = AppliedRateChanges(in.rateChanges, freq.paymentsPerYear, repaid.stepPayments);
    row.rounding = in.rounding;
    ComparisonRowOutcome out;
    if (repaid.stepPayments.size() < row.rateChanges.size())
        out.rateChangeMessage = Message::RateChangeNotReached;
    out.row = std::move(row);
    return out;
}

}  // namespace

ComparisonRowOutcome CalculateComparisonRow(const ComparisonInputs& in, std::int16_t number) {
    ComparisonRowOutcome out;
    try {
        const FrequencyPeriods freq = PeriodsOf(in.frequency, in.dayBasis);
        const RateFactorsResult rates = RateFactors(in.ratePercent, in.compounding, freq.periodsPerYear);
        out.rates = ComparisonRates{freq.paymentsPerYear, DaysApplied(freq.paymentsPerYear, in.dayBasis.days),
                                    rates.period};
        ComparisonRowOutcome figures = RowFigures(in, freq, rates);
        out.rateChangeMessage = figures.rateChangeMessage;
        if (figures.row) {
            figures.row->number = number;
            figures.row->daysInYear = out.rates->daysInYear;
            out.row = std::move(figures.row);
        }
    } catch (const CalcError&) {
        out.row.reset();
    }
    return out;
}

bool CanRestoreComparison(const ComparisonState& state) {
    for (std::size_t i = 0; i < state.rowValues.size(); ++i) {
        const auto& values = state.rowValues[i];
        if (values && (values->number != static_cast<int>(i) + 1 || values->number > state.rowCount))
            return false;
    }
    return InRange(state.rowCount, 0, kComparisonRowLimit) && InRange(state.rowsToGraph, 0, state.rowCount) &&
           InRange(state.grid2Rows, 0, kGrid2MaxRows) && InRange(state.grid2Columns, 0, kGrid2MaxColumns) &&
           InRange(state.listingIndex, 0, kListingIndexes) &&
           InRange(state.listingColumn, 0, kGrid2MaxColumns) &&
           InRange(state.greatestEntries, 0, kListingRows - 1) &&
           InRange(state.greatestListingIndex, 0, kListingIndexes - 1) &&
           std::all_of(state.greatestEntriesByGroup.begin(), state.greatestEntriesByGroup.end(),
                       [](int g) { return InRange(g, 0, kListingRows - 1); }) &&
           std::max(state.grid2Rows, kGrid2MinRows) > state.greatestEntries &&
           state.graphPoints.size() <= static_cast<std::size_t>(kYearRows);
}

}  // namespace amortix
