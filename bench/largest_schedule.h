#pragma once
// The largest schedule the tables screen makes, which the benchmarks build
// on: weekly payments over 40 years, every payment shown with its date.

#include "core/calc/schedule.h"

namespace amortix::bench {

inline ScheduleInputs WeeklyOverFortyYears() {
    ScheduleInputs in;
    in.principal = 250000;
    in.ratePercent = 6.5;
    in.years = 40;
    in.frequency = Frequency::OneWeek;
    in.view = ScheduleView::AllPayments;
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2027, 1, 15);
    return in;
}

}  // namespace amortix::bench
