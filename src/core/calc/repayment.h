#pragma once
// The payment-by-payment repayment the tables and the comparison screens
// share: the run with the yearly additional amounts, the prepayments and the
// rate changes, and the correction of the final payment.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/calc/schedule.h"
#include "core/format/money.h"

namespace amortix {

// Checked access to a schedule or year table: an index outside it is a fault.
[[noreturn, gnu::noinline, gnu::cold]] void ThrowRowOutOfRange();

inline ScheduleRow& TableRow(std::vector<ScheduleRow>& table, long index) {
    if (index < 0 || index >= static_cast<long>(table.size())) [[unlikely]]
        ThrowRowOutOfRange();
    return table[static_cast<std::size_t>(index)];
}
inline const ScheduleRow& TableRow(const std::vector<ScheduleRow>& table, long index) {
    if (index < 0 || index >= static_cast<long>(table.size())) [[unlikely]]
        ThrowRowOutOfRange();
    return table[static_cast<std::size_t>(index)];
}

// The additional amount of `year`; a year outside the table is a fault.
Currency YearAmount(const AdditionalPayments& extra, long year);

// Upper bound on the number of payments for a period of `years`.
std::int16_t PaymentBound(std::int16_t frequencyClass, double years);

// Payment number of the first anniversary the yearly amounts fall on after
// the first year's (the first month's falls on payment 1 as well).
int FirstAnniversary(std::int16_t paymentsPerYear, Month month);

// A rate in force from a payment on.
struct RateStep {
    long fromPayment = 0;
    double rate = 0;  // per period
    double ratePercent = 0;
    double monthlyRate = 0;  // for a recalculated payment
    bool recalculate = true;
};

// The new payment of a recalculating step, from the balance before payment k.
using Repay = std::function<double(double balance, long k, const RateStep& step)>;

// A whole cent, halves away from zero. A balance in cents times a rate such
// as 0.5 % a month can be an exact half cent that the binary figures miss by
// a few units in the last place (6 % / 12 is 0.004999999999999893): the
// figure is first taken to nine decimals, beyond any the payments carry.
inline double RoundCents(double x) {
    return std::round(std::round(x * 1e9) / 1e7) / 100.0;
}

// The recurring and one-time amounts by payment number, for a run.
struct PlannedPrepayment {
    long payment = 0;
    Currency amount;
    std::int16_t source = 0;  // index in Prepayments::oneTime
};
struct PrepaymentPlan {
    double recurring = 0;  // added to payments recurringFrom..recurringTo
    long recurringFrom = 0;
    long recurringTo = 0;
    std::vector<PlannedPrepayment> once;  // by payment, then as entered
    bool recast = false;                  // a one-time amount lowers the payment
};
PrepaymentPlan PlanPrepayments(const Prepayments& prepayments, std::int16_t paymentsPerYear);

struct RepaymentPlan {
    double principal = 0;
    double payment = 0;      // per period, increase included
    double rate = 0;         // applied to the balance each period
    double monthlyRate = 0;  // of the first rate, for a recast payment
    std::int16_t paymentsPerYear = 12;
    std::int16_t bound = 0;
    const AdditionalPayments* extra = nullptr;
    // The tables screen forms principal part + amount in currency; the
    // comparison adds it in double precision.
    bool currencyExtraSum = false;
    double ratePercent = 0;  // of the first rate, for the rows
    // Later rates by first payment; `repay` gives a recalculated payment.
    const std::vector<RateStep>* steps = nullptr;
    Repay repay;
    bool roundInterest = false;              // each period's interest in whole cents
    const PrepaymentPlan* prepay = nullptr;  // none: no recurring or one-time amounts
    // Only the outcome's totals, no row written (the table may be empty): for
    // a run without additional amounts, whose rows nobody reads.
    bool totalsOnly = false;
    // Step makes every payment, without the plain stretches (and any run
    // beside it likewise): for the tests that hold the two to the same figures.
    bool stepEveryPayment = false;
};

// An additional amount above 0 that was added to a payment.
struct AppliedAmount {
    long payment = 0;  // payment number k
    long year = 0;     // year in which the payment falls
    Currency amount;
};

// A one-time amount as a run paid it (less than entered when it paid the
// balance off).
struct AppliedPrepayment {
    long payment = 0;
    std::int16_t source = 0;  // index in Prepayments::oneTime
    Currency amount;
    double newPayment = 0;  // a recast: each payment from the next on; else 0
};

// What a renewal's payment is worked out from, as the first payment was.
struct LoanTerms {
    double years = 0;  // the amortization period
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::Monthly;
    FrequencyPeriods periods;
    float increase = 0.0f;  // fraction added to every payment
    bool roundCents = false;
};

// A payment that repays `balance` over the period's years left from payment
// k at the step's rate, worked out as the first payment was: a renewal's, or
// a recast's after a one-time amount.
Repay RepaymentOver(const LoanTerms& terms);
// Points `plan` at `prepay`, which must outlive the run, when it pays anything.
void PlanPrepaymentRun(RepaymentPlan& plan, const PrepaymentPlan& prepay, const LoanTerms& terms);

// The rates after the first, by the payment they apply from (a later entry
// wins at the same payment).
std::vector<RateStep> RateSteps(const std::vector<RateChange>& changes, const LoanTerms& terms);
// Points `plan` at `steps`, which must outlive the run: a renewal's payment
// repays the balance over the period's years left at the new rate, and a kept
// payment may end the loan after its period, up to the longest schedule there
// is. True when a payment is kept.
bool PlanRateSteps(RepaymentPlan& plan, const std::vector<RateStep>& steps, const LoanTerms& terms);
// The changes in the order they apply, with the payments a run gave the
// steps it reached (RepaymentOutcome::stepPayments).
std::vector<AppliedRateChange> AppliedRateChanges(const std::vector<RateChange>& changes,
                                                  std::int16_t paymentsPerYear,
                                                  const std::vector<double>& stepPayments);

struct RepaymentOutcome {
    long payments = 0;   // last row written
    double balance = 0;  // balance after the loop, before the final correction
    std::vector<AppliedAmount> applied;
    // By step: the payment from then on; steps not reached are left out.
    std::vector<double> stepPayments;
    // Set when a step's payment no longer covers the interest: the run
    // stopped there.
    long uncoveredAt = 0;
    double uncoveredRatePercent = 0;
    bool notRepaid = false;                  // kept payments reached the longest schedule with a balance left
    std::vector<AppliedPrepayment> prepaid;  // the one-time amounts paid, in order
    Currency extraTotal;                     // every additional amount paid, of every kind
    double recurringPaid = 0;
    long recurringFirst = 0;  // first and last payment the recurring amount was added to
    long recurringLast = 0;
    // The running sums after the last row, and that row's interest and the
    // sum before it: the totals without the rows.
    double interest = 0;
    double principal = 0;
    double lastInterest = 0;
    double interestBefore = 0;
};

// Fills rows 1.. of `table` (number, interest, principal, balance and the two
// running sums) until the interest part turns negative (without interest:
// until nothing is owed) or the bound is reached. Throws CalcError on any
// fault. Defined in repayment_run.h, inline: this loop is the hot path of
// every calculation.
inline RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table);

// The same run, with the run of `beside` (its totals only, no rows)
// advancing in the same loop: an independent recurrence the processor
// overlaps with this one, for less than it costs on its own.
inline RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                                     const RepaymentPlan& beside, RepaymentOutcome& besideOutcome);

// The last payment takes what is left, so the balance ends at exactly 0. Only
// when the run ended with a few cents left or an overshoot (balance below 6),
// or, for payments in whole cents, whatever is left.
void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome,
                         bool whateverIsLeft = false);
// The total interest and principal the last row holds after
// CorrectFinalPayment, from the outcome alone.
Currency TotalInterest(const RepaymentOutcome& outcome, bool whateverIsLeft = false);
Currency TotalPrincipal(const RepaymentOutcome& outcome, bool whateverIsLeft = false);

// What the limits are measured against.
struct LimitBasis {
    double principal = 0;       // the original principal
    double payment = 0;         // the original payment, before the percentage increase
    double increaseAmount = 0;  // the percentage increase of each payment
};
// The totals of a run's additional amounts (rows 1..run.payments of `table`)
// and the limits they went over; the comparison with the mortgage without
// them is the caller's.
PrepaymentSummary SummarizePrepayments(const Prepayments& prepayments, const std::vector<ScheduleRow>& table,
                                       const RepaymentOutcome& run, std::int16_t paymentsPerYear,
                                       const LimitBasis& basis);
// When the last payment takes whatever is left: payments in whole cents, and
// monthly payments that reached the period's last month (without a kept
// payment, whose loan may run on). A monthly payment has no payment to spare
// after the period: where it hardly exceeds the interest (a high rate over a
// long period) the arithmetic's last digits leave a balance there, which was
// shown as owing after the final payment.
bool LastPaymentTakesWhatIsLeft(const RepaymentPlan& plan, const RepaymentOutcome& outcome,
                                std::int16_t frequencyClass, bool keeps);

}  // namespace amortix

#include "core/calc/repayment_run.h"
