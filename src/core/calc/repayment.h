#pragma once
// The payment-by-payment repayment the tables and the comparison screens
// share: the run with the yearly additional amounts and the correction of the
// final payment.

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

struct RepaymentPlan {
    double principal = 0;
    double payment = 0;  // per period, increase included
    double rate = 0;     // applied to the balance each period
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
    bool roundInterest = false;  // each period's interest in whole cents
};

// An additional amount above 0 that was added to a payment.
struct AppliedAmount {
    long payment = 0;  // payment number k
    long year = 0;     // year in which the payment falls
    Currency amount;
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
    bool notRepaid = false;  // kept payments reached the longest schedule with a balance left
};

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

template <class AfterRow>
RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                              AfterRow&& afterRow) {
    static const AdditionalPayments kNone;
    const AdditionalPayments& extra = plan.extra ? *plan.extra : kNone;
    const long n = plan.paymentsPerYear;
    double A = plan.payment, i = plan.rate, percent = plan.ratePercent;
    const bool cents = plan.roundInterest;
    long paymentSet = 0;  // the payments before the first at the payment in force
    // Runs that may end with a residue of rounding; the others end as they always have.
    const bool clearResidue = cents || (plan.steps && !plan.steps->empty());
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
        if ((i == 0.0 || cents || !steps.empty()) && B < (cents ? 0.005 : 0.00005)) break;
        // A new rate from this payment on: this period's interest at it, and
        // a renewal's payment for the balance over the years left.
        while (k == nextChange) [[unlikely]] {
                const RateStep& s = steps[step];
                i = s.rate;
                percent = s.ratePercent;
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

        // Rounding leaves up to half a cent for each payment in whole cents
        // since the payment was set, and less than half a cent otherwise.
        if (clearResidue)
            Q = ClearResidue(B, Q, A, cents ? 0.005 * static_cast<double>(k - paymentSet) : 0.005);
        const double Ik = I, Qk = Q;
        B = B - Q;
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
