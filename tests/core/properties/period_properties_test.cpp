// Periods as the command line and the files take them, not only the whole
// years and months the boxes take: whatever period the calculation accepts,
// its schedule repays the principal; one it cannot amortize it refuses with
// a numbered message instead of showing an empty schedule.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cmath>

#include "core/calc/schedule.h"
#include "core/properties/any_inputs.h"

namespace amortix {
namespace {

using testing::AnyTableInputs;

RC_GTEST_PROP(PeriodProperties, AnyPeriodTakenRepaysThePrincipal, ()) {
    ScheduleInputs in = AnyTableInputs();
    // To the hundredth of a year or of a month, from nothing to past the limit.
    const int hundredths = *rc::gen::inRange(1, in.mode == TableKind::Mortgage ? 4101 : 48'001);
    in.years = in.mode == TableKind::Mortgage ? hundredths / 100.0 : hundredths / 1200.0;
    in.extra = testing::AnyAdditionalPayments(in.years, in.principal, true);
    in.view = ScheduleView::AllPayments;
    const ScheduleResult r = CalculateSchedule(in);
    RC_LOG() << "years " << in.years << ", messages";
    for (const Message m : r.messages) RC_LOG() << ' ' << static_cast<int>(m);
    if (!r.calculated) {
        RC_ASSERT(!r.messages.empty());
        return;
    }
    RC_ASSERT(in.years <= kMortgageYearLimit);
    RC_ASSERT(r.payments >= 1);
    RC_ASSERT(r.rows.back().balance == Currency());
    RC_ASSERT(std::abs(r.rows.back().cumulativePrincipal.ToDouble() - in.principal) <= 0.01);
    RC_ASSERT(r.summary.totalPaid.ToDouble() >= in.principal - 0.01);
}

}  // namespace
}  // namespace amortix
