#pragma once
// The payment-by-payment run of repayment.h: one run's state and its step
// for payment k. A schedule's run and the runs it is measured against (the
// same mortgage without prepayments, the normal monthly mortgage) step in one
// loop, so their independent recurrences overlap in the processor. This loop
// is the hot path of every calculation: most payments are plain (nothing but
// the arithmetic, a recurring amount and the row) and run in a loop of their
// own (RunPlain); Step makes the others.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/calc/repayment.h"

namespace amortix {

// The final payment clears what rounding left over: a balance after this
// payment below `residue` (and below half a payment) is paid with it, rather
// than by a payment of a fraction of a cent, or for payments in whole cents
// of a few cents, after the period. A branch, not a selection: it is taken
// once a run, and the loop's chain of balances must not wait on it.
inline bool LeavesResidue(double balance, double principal, double payment, double residue) {
    const double left = balance - principal;
    return __builtin_expect(left > 0 && left < std::min(residue, payment / 2), 0);
}

// As much of `amount` as is still owed; all of it, the rule, by a branch.
inline double TakeOwed(double amount, double& owed) {
    double taken = amount;
    if (__builtin_expect(!(amount <= owed), 0)) taken = std::max(owed, 0.0);
    owed -= taken;
    return taken;
}

class Repayment {
  public:
    // `out` receives what the run met as it goes; Finish completes it.
    Repayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table, RepaymentOutcome& out)
        : plan_(plan),
          table_(table),
          out_(out),
          extra_(plan.extra ? *plan.extra : NoExtra()),
          steps_(plan.steps ? *plan.steps : NoSteps()),
          prepay_(plan.prepay),
          n_(plan.paymentsPerYear),
          cents_(plan.roundInterest),
          A_(plan.payment),
          i_(plan.rate),
          percent_(plan.ratePercent),
          monthly_(plan.monthlyRate),
          B_(plan.principal) {
        nextChange_ = steps_.empty() ? -1 : steps_[0].fromPayment;
        if (prepay_) {
            recurring_ = prepay_->recurring;
            recurringFrom_ = prepay_->recurringFrom;
            recurringTo_ = prepay_->recurringTo;
            nextOnce_ = prepay_->once.empty() ? kNever : prepay_->once[0].payment;
        }
        firstMonth_ = extra_.month.number == 1;
        anniversary_ = FirstAnniversary(plan.paymentsPerYear, extra_.month);
        if (anniversary_ == 0 || n_ <= 0) throw CalcError("no anniversary");
        // Without interest nothing turns negative: stop once nothing is owed
        // (to the fourth decimal the rows keep). Whole-cent interest never
        // turns negative either (stop once less than half a cent is owed),
        // and a renewal's payments, or an amount that pays the balance off,
        // end with a residue of rounding that must not make a payment, or
        // meet a later change, of its own. (A rate only changes with steps.)
        stopWhenRepaid_ = i_ == 0.0 || cents_ || !steps_.empty() || prepay_;
        clearResidue_ = cents_ || prepay_ || !steps_.empty();
        I_ = Checked(InterestOn(B_));
        Q_ = A_ - I_;
    }

    // Payment k, the one after the last made; false once the run has ended
    // (row k is not written). Inlined into the loop, so the run's state
    // stays in registers.
    [[gnu::always_inline]] bool Step(long k) {
        if (stopWhenRepaid_ && B_ < (cents_ ? 0.005 : 0.00005)) return false;
        while (k == nextChange_) [[unlikely]] {
                if (!ChangeRate(k)) return false;
            }
        if (k == 1 ? firstMonth_ : k - 1 == anniversary_) YearAmount(k);
        const bool recast = prepay_ && Prepay(k);
        // Rounding leaves up to half a cent for each payment in whole cents
        // since the payment was set, and less than half a cent otherwise.
        if (clearResidue_ &&
            LeavesResidue(B_, Q_, A_, cents_ ? 0.005 * static_cast<double>(k - paymentSet_) : 0.005))
            Q_ = B_;
        const double Ik = I_, Qk = Q_;
        B_ = B_ - Q_;
        // A recast re-amortizes what is left over the years left, at the rate in force.
        if (recast && B_ >= 0.00005) [[unlikely]] {
            A_ = plan_.repay(B_, k + 1, RateStep{k + 1, i_, percent_, monthly_, true});
            paymentSet_ = k;
            out_.prepaid.back().newPayment = A_;
        }
        I_ = InterestOn(B_);
        Q_ = A_ - I_;
        if (Ik < 0) return false;
        interestBefore_ = SI_;
        lastInterest_ = Ik;
        SI_ += Ik;
        SQ_ += Qk;
        lastQ_ = Qk;
        payments_ = k;
        if (rows_) WriteRow(TableRow(table_, k), k, Ik, Qk, B_, SI_, SQ_, extraTicks_);
        extraTotal_ += extraTicks_;
        extraTicks_ = 0;
        return true;
    }

    // The outcome once the run has ended.
    void Finish() {
        out_.payments = payments_;
        out_.balance = B_;
        out_.interest = SI_;
        out_.principal = SQ_;
        out_.interestBefore = interestBefore_;
        out_.lastInterest = lastInterest_;
        out_.extraTotal = Currency::FromTicks(extraTotal_);
        out_.recurringPaid = recurringPaid_;
        out_.recurringFirst = recurringFirst_;
        out_.recurringLast = recurringLast_;
    }

    // A plain payment is one Step makes without a rate change, a yearly
    // amount or a one-time amount, and neither stops before nor ends the
    // run at. RunPlain makes a stretch of them on a copy of the figures
    // each carries to the next, which stay in registers there: in Step's
    // loop, past the calls of its rare cases, they went through memory.
    struct Chain {
        double B, I, Q, SI, SQ, recurringPaid;
    };
    Chain Load() const { return {B_, I_, Q_, SI_, SQ_, recurringPaid_}; }
    void Store(const Chain& c) {
        B_ = c.B;
        I_ = c.I;
        Q_ = c.Q;
        SI_ = c.SI;
        SQ_ = c.SQ;
        recurringPaid_ = c.recurringPaid;
    }
    // The first payment from k on, up to the last, `bound`, that Step must
    // make: k itself when it is not plain. Stopping is left to Ready.
    long PlainUntil(long k, long bound) const {
        long end = std::min(bound + 1, nextOnce_);
        if (nextChange_ >= 0) end = std::min(end, nextChange_);
        // Step checks each row against the table's end; a stretch stays within it.
        if (rows_) end = std::min(end, static_cast<long>(table_.size()));
        const long nextYear = k == 1 && firstMonth_ ? 1 : anniversary_ + 1;
        if (nextYear < k) return k;  // never: Step meets each anniversary in turn
        return std::min(end, nextYear);
    }
    // Step makes the payment rather than stopping: the loan is not repaid
    // and the interest carried to it is not negative.
    [[gnu::always_inline]] bool Ready(const Chain& c) const {
        return !(stopWhenRepaid_ && c.B < (cents_ ? 0.005 : 0.00005)) && !(c.I < 0);
    }
    // Neither rows nor a recurring amount: a plain payment is the arithmetic alone.
    bool Bare() const { return !rows_ && (recurring_ == 0 || recurringFrom_ > recurringTo_); }
    // Plain payment k, as Step makes it. `bare` leaves out what a Bare run lacks.
    template <bool bare>
    [[gnu::always_inline]] void Plain(Chain& c, long k) {
        double Q = c.Q;
        std::int64_t extraTicks = 0;
        if (!bare && k >= recurringFrom_ && k <= recurringTo_) {
            double owed = c.B - Q;
            const double sum = TakeOwed(recurring_, owed);
            if (sum > 0) {
                if (recurringFirst_ == 0) recurringFirst_ = k;
                recurringLast_ = k;
                c.recurringPaid += sum;
                Q += sum;
                extraTicks = Currency::FromDouble(sum).Ticks();
            }
        }
        if (clearResidue_ &&
            LeavesResidue(c.B, Q, A_, cents_ ? 0.005 * static_cast<double>(k - paymentSet_) : 0.005))
            Q = c.B;
        const double Ik = c.I, Qk = Q;
        c.B = c.B - Q;
        c.I = InterestOn(c.B);
        c.Q = A_ - c.I;
        interestBefore_ = c.SI;
        lastInterest_ = Ik;
        c.SI += Ik;
        c.SQ += Qk;
        lastQ_ = Qk;
        payments_ = k;
        if (!bare && rows_)
            WriteRow(table_[static_cast<std::size_t>(k)], k, Ik, Qk, c.B, c.SI, c.SQ, extraTicks);
        extraTotal_ += extraTicks;
    }

  private:
    static const AdditionalPayments& NoExtra() {
        static const AdditionalPayments kNone;
        return kNone;
    }
    static const std::vector<RateStep>& NoSteps() {
        static const std::vector<RateStep> kOneRate;
        return kOneRate;
    }

    // A lender works each interest out from the balance as the row shows it
    // (in whole cents, unless an amount held fractions of a cent): from the
    // balance carried in binary fractions, a half-cent interest rounded the
    // wrong way.
    [[gnu::always_inline]] double InterestOn(double balance) const {
        return cents_ ? RoundCents(i_ * Currency::FromDouble(balance).ToDouble()) : i_ * balance;
    }

    // A new rate from payment k on: this period's interest at it, and a
    // renewal's payment for the balance over the years left. False when the
    // payment no longer covers the interest: the run stops there.
    [[gnu::always_inline]] bool ChangeRate(long k) {
        const RateStep& s = steps_[step_];
        i_ = s.rate;
        percent_ = s.ratePercent;
        monthly_ = s.monthlyRate;
        if (s.recalculate) {
            A_ = plan_.repay(B_, k, s);
            paymentSet_ = k - 1;
        }
        I_ = Checked(InterestOn(B_));
        Q_ = A_ - I_;
        // A renewal's payment always covers the interest, if only by less
        // than a cent, which whole cents may round away: only a kept payment
        // can leave the interest uncovered.
        if (!s.recalculate && !(Q_ > 0) && B_ > 0.00005) {
            out_.uncoveredAt = k;
            out_.uncoveredRatePercent = percent_;
            return false;
        }
        out_.stepPayments.push_back(double{A_});  // a copy: the run's state stays its own
        ++step_;
        nextChange_ = step_ < steps_.size() ? steps_[step_].fromPayment : -1;
        return true;
    }

    // The yearly additional amount falls on the anniversary payment: payment
    // k - 1 closes a year of amounts when it is a multiple of the
    // anniversary. The anniversary only grows, by a year at each one met, so
    // below it the only multiple is 0 (payment 1 in the first month): the
    // test is an equality, without a division.
    [[gnu::always_inline]] void YearAmount(long k) {
        const long year = (k + n_ - 1) / n_;  // the year payment k falls in
        if (k > 1) anniversary_ += n_;
        const Currency amount = amortix::YearAmount(extra_, year);
        if (!(amount.ToDouble() < B_ - Currency::FromDouble(lastQ_).ToDouble())) return;
        Q_ = plan_.currencyExtraSum ? Currency::FromDouble(Q_ + amount.ToDouble()).ToDouble()
                                    : Checked(Q_ + amount.ToDouble());
        if (amount > Currency()) {
            out_.applied.push_back({k, year, amount});
            extraTicks_ = amount.Ticks();
        }
    }

    // Payment k's recurring and one-time amounts, each up to what is still
    // owed after the regular principal, so an amount above the balance pays
    // it off. True when a one-time amount lowers the payment.
    [[gnu::always_inline]] bool Prepay(long k) {
        double owed = B_ - Q_, sum = 0;
        if (k >= recurringFrom_ && k <= recurringTo_) {
            sum = TakeOwed(recurring_, owed);
            if (sum > 0) {
                if (recurringFirst_ == 0) recurringFirst_ = k;
                recurringLast_ = k;
                recurringPaid_ += sum;
            }
        }
        const bool once = k >= nextOnce_ && PayOnce(k, owed, sum);
        if (sum > 0) {
            // Added exactly: unlike the yearly amounts, which the tables screen
            // always formed in currency, nothing is to be reproduced here, and
            // a rounding in every payment would lengthen the loop's chain.
            Q_ += sum;
            extraTicks_ += Currency::FromDouble(sum).Ticks();
        }
        return once && prepay_->recast;
    }

    // The one-time amounts of payment k, in the order entered. True when one was paid.
    [[gnu::always_inline]] bool PayOnce(long k, double& owed, double& sum) {
        const std::vector<PlannedPrepayment>& once = prepay_->once;
        bool paid = false;
        for (; onceIndex_ < once.size() && once[onceIndex_].payment <= k; ++onceIndex_) {
            const PlannedPrepayment& o = once[onceIndex_];
            const double taken = TakeOwed(o.amount.ToDouble(), owed);
            if (!(taken > 0)) continue;
            out_.prepaid.push_back({k, o.source, Currency::FromDouble(taken), 0.0});
            paid = true;
            sum += taken;
        }
        nextOnce_ = onceIndex_ < once.size() ? once[onceIndex_].payment : kNever;
        return paid;
    }

    [[gnu::always_inline]] void WriteRow(ScheduleRow& row, long k, double Ik, double Qk, double B, double SI,
                                         double SQ, std::int64_t extraTicks) {
        row.number = k;
        row.interest = Currency::FromDouble(Ik);
        row.principal = Currency::FromDouble(Qk);
        row.balance = Currency::FromDouble(B);
        row.cumulativeInterest = Currency::FromDouble(SI);
        row.cumulativePrincipal = Currency::FromDouble(SQ);
        row.ratePercent = percent_;
        if (extraTicks != 0) row.extra = Currency::FromTicks(extraTicks);
    }

    const RepaymentPlan& plan_;
    std::vector<ScheduleRow>& table_;
    RepaymentOutcome& out_;
    const AdditionalPayments& extra_;
    const std::vector<RateStep>& steps_;
    const PrepaymentPlan* prepay_;
    const long n_;
    const bool cents_;
    const bool rows_ = !plan_.totalsOnly;
    bool firstMonth_ = false;
    bool stopWhenRepaid_ = false;
    bool clearResidue_ = false;
    long anniversary_ = 0;
    std::size_t step_ = 0;
    long nextChange_ = -1;
    static constexpr long kNever = std::numeric_limits<long>::max();
    double recurring_ = 0;  // added to payments recurringFrom_..recurringTo_
    long recurringFrom_ = kNever, recurringTo_ = 0;
    long nextOnce_ = kNever;  // the payment of the next one-time amount
    std::size_t onceIndex_ = 0;
    std::int64_t extraTicks_ = 0;  // this payment's additional amounts
    std::int64_t extraTotal_ = 0;  // at most 2,100 amounts below 10^7 each: no overflow
    double recurringPaid_ = 0;
    long recurringFirst_ = 0, recurringLast_ = 0;
    long paymentSet_ = 0;  // the payments before the first at the payment in force
    double A_, i_, percent_, monthly_;
    double B_, I_ = 0, Q_ = 0;
    double SI_ = 0, SQ_ = 0;
    double lastQ_ = 0;  // the principal part of the payment before
    double interestBefore_ = 0, lastInterest_ = 0;
    long payments_ = 0;
};

// The plain payments of a run from payment k on: the first payment left to
// Step. Not inlined: the loop's figures keep the registers of a function of
// their own.
template <class Run>
[[gnu::noinline]] long RunPlain(Run& run, long k, long bound) {
    const long end = run.PlainUntil(k, bound);
    if (k >= end) return k;
    typename Run::Chain c = run.Load();
    if (run.Bare())
        for (; k < end && run.Ready(c); ++k) run.template Plain<true>(c, k);
    else
        for (; k < end && run.Ready(c); ++k) run.template Plain<false>(c, k);
    run.Store(c);
    return k;
}

// The same for two runs in step, the other one bare (else Step makes every
// payment of both): the mortgage without prepayments beside a schedule.
template <class Run, class Other>
[[gnu::noinline]] long RunPlain(Run& run, long bound, Other& other, long otherBound, long k) {
    const long end = std::min(run.PlainUntil(k, bound), other.PlainUntil(k, otherBound));
    if (k >= end || !other.Bare()) return k;
    typename Run::Chain c = run.Load();
    typename Other::Chain d = other.Load();
    for (; k < end && run.Ready(c) && other.Ready(d); ++k) {
        run.template Plain<false>(c, k);
        other.template Plain<true>(d, k);
    }
    run.Store(c);
    other.Store(d);
    return k;
}

inline RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table) {
    RepaymentOutcome out;
    Repayment run(plan, table, out);
    const bool stretches = !plan.stepEveryPayment;
    for (long k = 1; k <= plan.bound; ++k) {
        if (stretches && (k = RunPlain(run, k, plan.bound)) > plan.bound) break;
        if (!run.Step(k)) break;
    }
    run.Finish();
    return out;
}

inline RepaymentOutcome RunRepayment(const RepaymentPlan& plan, std::vector<ScheduleRow>& table,
                                     const RepaymentPlan& beside, RepaymentOutcome& besideOutcome) {
    if (!beside.totalsOnly) throw CalcError("a run beside writes no rows");
    std::vector<ScheduleRow> none;
    RepaymentOutcome out;
    Repayment run(plan, table, out);
    Repayment other(beside, none, besideOutcome);
    const bool stretches = !plan.stepEveryPayment;
    bool runs = true, otherRuns = true;
    for (long k = 1; runs || otherRuns; ++k) {
        if (stretches)
            k = runs && otherRuns ? RunPlain(run, plan.bound, other, beside.bound, k)
                : runs            ? RunPlain(run, k, plan.bound)
                                  : RunPlain(other, k, beside.bound);
        runs = runs && k <= plan.bound && run.Step(k);
        otherRuns = otherRuns && k <= beside.bound && other.Step(k);
    }
    run.Finish();
    other.Finish();
    return out;
}

}  // namespace amortix
