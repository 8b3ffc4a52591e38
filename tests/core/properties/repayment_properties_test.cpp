// The run's two ways of making a payment agree. Most payments are plain and
// run in stretches of their own (RunPlain); Step makes the rest. Over inputs
// anywhere in the screens' ranges, a schedule's run, the mortgage without
// prepayments beside it and a run on its own make the same rows and totals,
// to the last bit, as Step making every payment.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/calc/repayment.h"
#include "core/calc/schedule.h"
#include "core/calc/schedule_runs.h"
#include "core/properties/any_inputs.h"

namespace amortix {
namespace {

struct Ran {
    std::vector<ScheduleRow> rows;
    RepaymentOutcome outcome;
    std::optional<RepaymentOutcome> beside;
};

// The schedule's run of `in` as RunPayments makes it, with the mortgage
// without prepayments beside it when `beside`; none when it faults.
std::optional<Ran> Run(const ScheduleInputs& in, bool beside, bool stepEveryPayment) {
    try {
        ScheduleSummary summary;
        const Terms t = PaymentTerms(in, summary);
        Yardsticks yardsticks(in);
        PaymentRun planned(in, t);
        planned.plan.stepEveryPayment = stepEveryPayment;
        Ran ran;
        ran.rows.assign(static_cast<std::size_t>(std::min<int>(planned.plan.bound, kScheduleRows - 1)) + 1,
                        ScheduleRow{});
        if (beside && yardsticks.Beside()) {
            ran.outcome =
                RunRepayment(planned.plan, ran.rows, *yardsticks.Beside(), yardsticks.BesideOutcome());
            ran.beside = yardsticks.BesideOutcome();
        } else {
            ran.outcome = RunRepayment(planned.plan, ran.rows);
        }
        return ran;
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

void AssertSame(const RepaymentOutcome& a, const RepaymentOutcome& b) {
    RC_ASSERT(a.payments == b.payments);
    RC_ASSERT(a.balance == b.balance);
    RC_ASSERT(a.interest == b.interest);
    RC_ASSERT(a.principal == b.principal);
    RC_ASSERT(a.lastInterest == b.lastInterest);
    RC_ASSERT(a.interestBefore == b.interestBefore);
    RC_ASSERT(a.uncoveredAt == b.uncoveredAt);
    RC_ASSERT(a.uncoveredRatePercent == b.uncoveredRatePercent);
    RC_ASSERT(a.stepPayments == b.stepPayments);
    RC_ASSERT(a.extraTotal == b.extraTotal);
    RC_ASSERT(a.recurringPaid == b.recurringPaid);
    RC_ASSERT(a.recurringFirst == b.recurringFirst);
    RC_ASSERT(a.recurringLast == b.recurringLast);
    RC_ASSERT(a.applied.size() == b.applied.size());
    for (std::size_t j = 0; j < a.applied.size(); ++j) {
        RC_ASSERT(a.applied[j].payment == b.applied[j].payment);
        RC_ASSERT(a.applied[j].amount == b.applied[j].amount);
    }
    RC_ASSERT(a.prepaid.size() == b.prepaid.size());
    for (std::size_t j = 0; j < a.prepaid.size(); ++j) {
        RC_ASSERT(a.prepaid[j].payment == b.prepaid[j].payment);
        RC_ASSERT(a.prepaid[j].amount == b.prepaid[j].amount);
        RC_ASSERT(a.prepaid[j].newPayment == b.prepaid[j].newPayment);
    }
}

void AssertSame(const Ran& a, const Ran& b) {
    AssertSame(a.outcome, b.outcome);
    RC_ASSERT(a.beside.has_value() == b.beside.has_value());
    if (a.beside) AssertSame(*a.beside, *b.beside);
    RC_ASSERT(a.rows.size() == b.rows.size());
    for (std::size_t k = 0; k < a.rows.size(); ++k) {
        const ScheduleRow &x = a.rows[k], &y = b.rows[k];
        RC_ASSERT(x.number == y.number);
        RC_ASSERT(x.interest == y.interest);
        RC_ASSERT(x.principal == y.principal);
        RC_ASSERT(x.balance == y.balance);
        RC_ASSERT(x.cumulativeInterest == y.cumulativeInterest);
        RC_ASSERT(x.cumulativePrincipal == y.cumulativePrincipal);
        RC_ASSERT(x.extra == y.extra);
        RC_ASSERT(x.ratePercent == y.ratePercent);
    }
}

RC_GTEST_PROP(RepaymentProperties, StretchesMakeThePaymentsStepMakes, ()) {
    const ScheduleInputs in = testing::AnyTableInputs();
    const bool beside = *rc::gen::arbitrary<bool>();
    const std::optional<Ran> stretched = Run(in, beside, false);
    const std::optional<Ran> stepped = Run(in, beside, true);
    RC_ASSERT(stretched.has_value() == stepped.has_value());
    if (stretched) AssertSame(*stretched, *stepped);
}

}  // namespace
}  // namespace amortix
