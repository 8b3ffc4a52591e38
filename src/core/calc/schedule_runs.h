#pragma once
// The runs behind a schedule (engine-internal, for schedule.cpp): the payment
// and rate of its inputs, the plan of their run, and the mortgages the
// schedule is measured against, run beside its own payments.

#include <optional>
#include <vector>

#include "core/calc/repayment.h"
#include "core/calc/schedule.h"

namespace amortix {

// The payment and its parts, before any payment is made.
struct Terms {
    FrequencyPeriods frequency;
    double payment = 0;  // each payment, the increase included
    double rate = 0;     // per period
    double monthlyRate = 0;
    double normalTotal = 0;
};
// Also fills the summary's figures that follow from them.
Terms PaymentTerms(const ScheduleInputs& in, ScheduleSummary& summary);

// What a run of the inputs' payments follows: the plan and the rate steps and
// prepayments it points to (and the inputs' additional payments), kept in place.
struct PaymentRun {
    RepaymentPlan plan;
    std::vector<RateStep> steps;
    PrepaymentPlan prepay;
    bool keeps = false;  // a rate change keeps the payment
    std::int16_t frequencyClass = 0;

    // `steps`: the rate steps of the same changes, frequency and compounding,
    // worked out already (none: worked out here).
    PaymentRun(const ScheduleInputs& in, const Terms& t, const std::vector<RateStep>* steps = nullptr);
    PaymentRun(const PaymentRun&) = delete;
    PaymentRun& operator=(const PaymentRun&) = delete;
    // The run could not be worked out: a payment below a new rate's interest,
    // or kept payments that never repay the loan.
    bool Failed(const RepaymentOutcome& outcome) const {
        return outcome.uncoveredAt > 0 || (keeps && outcome.balance >= 6.0) || outcome.payments < 1;
    }
    // Whether the final payment of this run takes whatever is left.
    bool TakesWhatIsLeft(const RepaymentOutcome& outcome) const {
        return LastPaymentTakesWhatIsLeft(plan, outcome, frequencyClass, keeps);
    }
};

// Any additional payment of any kind: an increase, a yearly amount, a
// recurring or one-time amount.
bool AnyPrepayment(const ScheduleInputs& in);

// The same mortgage without prepayments: its total interest and final payment.
struct Unprepaid {
    Currency interest;
    long payments = 0;
};

// The mortgages a schedule is measured against, their totals only: the same
// mortgage without any prepayment (what the prepayments saved) and the
// normal monthly mortgage with the same rate changes and rounding (the
// interest saved; its fixed total serves without them). Kept in place: the
// plans point into it.
class Yardsticks {
  public:
    explicit Yardsticks(const ScheduleInputs& in);
    Yardsticks(const Yardsticks&) = delete;
    Yardsticks& operator=(const Yardsticks&) = delete;

    // The same mortgage without prepayments, paid as often as the schedule:
    // to run beside its own payments (RunRepayment). None when not needed.
    const RepaymentPlan* Beside() const { return unprepaid_.run ? &unprepaid_.run->plan : nullptr; }
    // Its rate steps, the schedule's own: the same changes, frequency and
    // compounding. None when it is not needed.
    const std::vector<RateStep>* BesideSteps() const {
        return unprepaid_.run ? &unprepaid_.run->steps : nullptr;
    }
    RepaymentOutcome& BesideOutcome() { return unprepaid_.outcome; }
    // Runs the normal monthly mortgage, when it is not that one.
    void RunTheRest();

    // Once run. Nothing when it was not needed or cannot be worked out.
    std::optional<Unprepaid> WithoutPrepayments() const;
    std::optional<Currency> NormalTotalPaid() const;

  private:
    struct Yardstick {
        ScheduleInputs inputs;
        std::optional<PaymentRun> run;
        RepaymentOutcome outcome;
    };
    static void Plan(Yardstick& y, ScheduleInputs inputs);
    static const RepaymentOutcome* Outcome(const Yardstick& y);

    Yardstick unprepaid_, normal_;
    bool normalIsUnprepaid_ = false;  // monthly payments: one run serves both
};

}  // namespace amortix
