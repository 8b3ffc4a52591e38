// The largest schedule the tables screen makes: weekly payments over 40
// years, every payment shown with its date, with additional payments.

#include <benchmark/benchmark.h>

#include "core/calc/schedule.h"

namespace {

amortix::ScheduleInputs LargestSchedule() {
    using namespace amortix;
    ScheduleInputs in;
    in.principal = 250000;
    in.ratePercent = 6.5;
    in.years = 40;
    in.frequency = Frequency::OneWeek;
    in.view = ScheduleView::AllPayments;
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2027, 1, 15);
    in.extra.years = 40;
    for (int y = 1; y <= 40; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (const int y : {2, 5, 9, 14, 20})
        in.extra.amount[static_cast<std::size_t>(y)] = Currency::FromDouble(1000);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    in.extra.month = Month{4};
    in.formatDate = IsoDate;
    return in;
}

void BM_Schedule(benchmark::State& state) {
    const auto in = LargestSchedule();
    for (auto _ : state) {
        auto r = amortix::CalculateSchedule(in);
        benchmark::DoNotOptimize(r.schedule.data());
    }
}
BENCHMARK(BM_Schedule)->Unit(benchmark::kMicrosecond);

void BM_ScheduleTexts(benchmark::State& state) {
    const auto in = LargestSchedule();
    for (auto _ : state) {
        auto r = amortix::CalculateSchedule(in);
        auto cells = r.GridCells();
        benchmark::DoNotOptimize(cells.data());
        benchmark::DoNotOptimize(r.TotSavd.data());
    }
}
BENCHMARK(BM_ScheduleTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
