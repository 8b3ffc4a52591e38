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
    double recurringPaid = 0;
    long recurringFirst = 0;  // first and last payment the recurring amount was added to
    long recurringLast = 0;
};

// The final payment clears what rounding left over: a balance after this
// payment below `residue` (and below half a payment) is paid with it, rather
// than by a payment of a fraction of a cent, or for payments in whole cents
// of a few cents, after the period. Returns the principal part.
inline double ClearResidue(double balance, double principal, double payment, double residue) {
    const double left = balance - principal;
    if (left > 0 && left < std::min(residue, payment / 2)) [[unlikely]]
        return balance;
    return principal;
}

// Adds payment k's recurring and one-time amounts, each up to what is still
// owed after the regular principal (`owed`), so an amount above the balance
// pays it off; `next` walks the one-time amounts. Returns the sum; `paidOnce`
// tells that a one-time amount was paid.
double Prepay(const PrepaymentPlan& plan, long k, double owed, std::size_t& next, RepaymentOutcome& out,
              bool& paidOnce);

// Fills rows 1.. of `table` (number, interest, principal, balance and the two
// running sums) until the interest part turns negative (without interest:
// until nothing is owed) or the bound is reached, calling afterRow(k, table) once row k is written. Throws
// CalcError on any fault. A template so the per-payment hook inlines: this loop is the hot path of every
// calculation.
template <class AfterRow>
RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                              AfterRow&& afterRow);

inline RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table) {
    return RunRepayment(plan, table, [](long, std::vector<ScheduleRow>&) {});
}

// The last payment takes what is left, so the balance ends at exactly 0. Only
// when the run ended with a few cents left or an overshoot (balance below 6),
// or, for payments in whole cents, whatever is left.
void CorrectFinalPayment(std::vector<ScheduleRow>& table, const RepaymentOutcome& outcome,
                         bool whateverIsLeft = false);

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

template <class AfterRow>
RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                              AfterRow&& afterRow) {
    static const AdditionalPayments kNone;
    const AdditionalPayments& extra = plan.extra ? *plan.extra : kNone;
    const long n = plan.paymentsPerYear;
    double A = plan.payment, i = plan.rate, percent = plan.ratePercent;
    const bool cents = plan.roundInterest;
    const PrepaymentPlan* const prepay = plan.prepay;
    std::size_t nextOnce = 0;
    double monthly = plan.monthlyRate;
    long paymentSet = 0;  // the payments before the first at the payment in force
    // Runs that may end with a residue of rounding; the others end as they always have.
    const bool clearResidue = cents || prepay || (plan.steps && !plan.steps->empty());
    static const std::vector<RateStep> kOneRate;
    const std::vector<RateStep>& steps = plan.steps ? *plan.steps : kOneRate;
    std::size_t step = 0;
    long nextChange = steps.empty() ? -1 : steps[0].fromPayment;
    const bool firstMonth = extra.month.number == 1;
    long anniversary = FirstAnniversary(plan.paymentsPerYear, extra.month);
    if (anniversary == 0 || n <= 0) throw CalcError("no anniversary");

    RepaymentOutcome out;
    double B = plan.principal;
    double I = Checked(B * i);
    if (cents) I = RoundCents(I);
    double Q = A - I;
    double SI = 0.0, SQ = 0.0;

    for (long k = 1; k <= plan.bound; ++k) {
        // Without interest nothing turns negative: stop once nothing is owed
        // (to the fourth decimal the rows keep). Whole-cent interest never
        // turns negative either (stop once less than half a cent is owed),
        // and a renewal's payments end with a residue of rounding that must
        // not make a payment, or meet a later change, of its own.
        // An amount that pays the balance off leaves the same residue.
        if ((i == 0.0 || cents || !steps.empty() || prepay) && B < (cents ? 0.005 : 0.00005)) break;
        // A new rate from this payment on: this period's interest at it, and
        // a renewal's payment for the balance over the years left.
        while (k == nextChange) [[unlikely]] {
                const RateStep& s = steps[step];
                i = s.rate;
                percent = s.ratePercent;
                monthly = s.monthlyRate;
                if (s.recalculate) {
                    A = plan.repay(B, k, s);
                    paymentSet = k - 1;
                }
                I = Checked(B * i);
                if (cents) I = RoundCents(I);
                Q = A - I;
                // A renewal's payment always covers the interest, if only by
                // less than a cent, which whole cents may round away: only a
                // kept payment can leave the interest uncovered.
                if (!s.recalculate && !(Q > 0) && B > 0.00005) {
                    out.uncoveredAt = k;
                    out.uncoveredRatePercent = percent;
                    out.balance = B;
                    return out;
                }
                out.stepPayments.push_back(A);
                ++step;
                nextChange = step < steps.size() ? steps[step].fromPayment : -1;
            }
        // The yearly additional amount falls on the anniversary payment.
        if (k > 1 || firstMonth) {
            // Payment k - 1 closes a year of amounts when it is a multiple of
            // the anniversary. The anniversary only grows, by a year at each
            // one met, so below it the only multiple is 0 (payment 1 in the
            // first month): the test is an equality, without a division.
            if (k == 1 || k - 1 == anniversary) {
                // The year payment k falls in: k/n rounded up.
                const long year = (k + n - 1) / n;
                if (k > 1) anniversary += n;
                const Currency amount = YearAmount(extra, year);
                if (amount.ToDouble() < B - TableRow(table, k - 1).principal.ToDouble()) {
                    Q = plan.currencyExtraSum ? Currency::FromDouble(Q + amount.ToDouble()).ToDouble()
                                              : Checked(Q + amount.ToDouble());
                    if (amount > Currency()) {
                        out.applied.push_back({k, year, amount});
                        TableRow(table, k).extra = amount;
                    }
                }
            }
        }

        bool recast = false;
        if (prepay) {
            const double e = Prepay(*prepay, k, B - Q, nextOnce, out, recast);
            recast = recast && prepay->recast;
            if (e > 0) {
                Q = plan.currencyExtraSum ? Currency::FromDouble(Q + e).ToDouble() : Checked(Q + e);
                ScheduleRow& paid = TableRow(table, k);
                paid.extra = paid.extra + Currency::FromDouble(e);
            }
        }

        // Rounding leaves up to half a cent for each payment in whole cents
        // since the payment was set, and less than half a cent otherwise.
        if (clearResidue)
            Q = ClearResidue(B, Q, A, cents ? 0.005 * static_cast<double>(k - paymentSet) : 0.005);
        const double Ik = I, Qk = Q;
        B = B - Q;
        // A recast re-amortizes what is left over the years left, at the rate in force.
        if (recast && B >= 0.00005) [[unlikely]] {
            A = plan.repay(B, k + 1, RateStep{k + 1, i, percent, monthly, true});
            paymentSet = k;
            out.prepaid.back().newPayment = A;
        }
        I = cents ? RoundCents(i * B) : i * B;
        Q = A - I;
        if (Ik < 0) break;

        SI += Ik;
        SQ += Qk;
        ScheduleRow& row = TableRow(table, k);
        row.number = k;
        row.interest = Currency::FromDouble(Ik);
        row.principal = Currency::FromDouble(Qk);
        row.balance = Currency::FromDouble(B);
        row.cumulativeInterest = Currency::FromDouble(SI);
        row.cumulativePrincipal = Currency::FromDouble(SQ);
        row.ratePercent = percent;
        out.payments = k;
        afterRow(k, table);
    }
    out.balance = B;
    return out;
}

}  // namespace amortix
