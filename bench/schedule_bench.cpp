// The largest schedule the tables screen makes: weekly payments over 40
// years, every payment shown with its date, with additional payments, rate
// changes and prepayments.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/calc/schedule.h"
#include "core/forms/schedule_texts.h"
#include "largest_schedule.h"

namespace {

amortix::ScheduleInputs LargestSchedule() {
    using namespace amortix;
    ScheduleInputs in = bench::WeeklyOverFortyYears();
    in.extra.years = 40;
    for (int y = 1; y <= 40; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (const int y : {2, 5, 9, 14, 20})
        in.extra.amount[static_cast<std::size_t>(y)] = Currency::FromDouble(1000);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    in.extra.month = Month{4};
    in.formatDate = IsoDate;
    return in;
}

// The same with an additional payment every year and 20 rate changes, every
// other one keeping the payment: goal 50 us for the calculation, 2 ms with
// every text.
amortix::ScheduleInputs LargestWithRateChanges() {
    using namespace amortix;
    ScheduleInputs in = LargestSchedule();
    for (int y = 1; y <= 40; ++y) in.extra.amount[static_cast<std::size_t>(y)] = Currency::FromDouble(500);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    for (int c = 0; c < kRateChangeLimit; ++c)
        in.rateChanges.push_back({static_cast<std::int16_t>(2 + c), static_cast<std::int16_t>(1 + c % 12),
                                  5.0 + 0.1 * c,
                                  c % 2 == 0 ? RateChangePayment::Recalculate : RateChangePayment::Keep});
    return in;
}

// The same with a recurring amount added to every payment and 100 one-time
// amounts, each lowering the payment over the years left: the same goals.
amortix::ScheduleInputs LargestWithPrepayments() {
    using namespace amortix;
    ScheduleInputs in = LargestWithRateChanges();
    in.prepayments.recurring.amount = Currency::FromDouble(5);
    for (int k = 0; k < kOneTimePrepaymentLimit; ++k)
        in.prepayments.oneTime.push_back({static_cast<std::int16_t>(1 + k * 39 / kOneTimePrepaymentLimit),
                                          static_cast<std::int16_t>(1 + k % 12), Currency::FromDouble(200)});
    in.prepayments.effect = PrepaymentEffect::LowerPayment;
    in.prepayments.yearlyLimitPercent = 15;
    in.prepayments.increaseLimitPercent = 10;
    return in;
}

// The calculation alone, and with every text the screen shows.
void Calculation(benchmark::State& state, const amortix::ScheduleInputs& in) {
    for (auto _ : state) {
        auto r = amortix::CalculateSchedule(in);
        if (!r.calculated) state.SkipWithError("not calculated");
        benchmark::DoNotOptimize(r.rows.data());
    }
}

void CalculationAndTexts(benchmark::State& state, const amortix::ScheduleInputs& in) {
    for (auto _ : state) {
        auto r = std::make_shared<const amortix::ScheduleResult>(amortix::CalculateSchedule(in));
        const amortix::ScheduleBoxTexts boxes = amortix::BoxTexts(*r, in.currencySymbol);
        auto cells = amortix::ScheduleGrid(r, in.currencySymbol, in.formatDate).Cells();
        benchmark::DoNotOptimize(cells.texts.data());
        benchmark::DoNotOptimize(boxes.interestSaved.data());
        const std::string notes = amortix::AdditionalNotesText(*r);
        benchmark::DoNotOptimize(notes.data());
    }
}

void BM_ScheduleWithRateChanges(benchmark::State& state) {
    Calculation(state, LargestWithRateChanges());
}
BENCHMARK(BM_ScheduleWithRateChanges)->Unit(benchmark::kMicrosecond);

void BM_ScheduleWithRateChangesTexts(benchmark::State& state) {
    CalculationAndTexts(state, LargestWithRateChanges());
}
BENCHMARK(BM_ScheduleWithRateChangesTexts)->Unit(benchmark::kMicrosecond);

void BM_ScheduleWithPrepayments(benchmark::State& state) {
    Calculation(state, LargestWithPrepayments());
}
BENCHMARK(BM_ScheduleWithPrepayments)->Unit(benchmark::kMicrosecond);

void BM_ScheduleWithPrepaymentsTexts(benchmark::State& state) {
    CalculationAndTexts(state, LargestWithPrepayments());
}
BENCHMARK(BM_ScheduleWithPrepaymentsTexts)->Unit(benchmark::kMicrosecond);

void BM_Schedule(benchmark::State& state) {
    Calculation(state, LargestSchedule());
}
BENCHMARK(BM_Schedule)->Unit(benchmark::kMicrosecond);

void BM_ScheduleTexts(benchmark::State& state) {
    CalculationAndTexts(state, LargestSchedule());
}
BENCHMARK(BM_ScheduleTexts)->Unit(benchmark::kMicrosecond);

// The floor under BM_Schedule: the bare recurrence of the same work, 2,100
// payments of balance, interest and principal with six values a payment
// stored as four-decimal fixed point, ties to even, and nothing else.
void BM_BareRecurrence(benchmark::State& state) {
    using amortix::Currency;
    constexpr int kPayments = 2100;
    struct Row {
        Currency number, interest, principal, balance, cumulativeInterest, cumulativePrincipal;
    };
    std::vector<Row> rows(kPayments);
    // The level payment that repays the loan in exactly kPayments, so the
    // balance runs down to zero rather than past it.
    const double loan = 250000, rate = 0.065 / 52;
    const double payment = loan * rate / (1 - std::pow(1 + rate, -kPayments));
    for (auto _ : state) {
        double balance = loan, sumInterest = 0, sumPrincipal = 0;
        for (int k = 0; k < kPayments; ++k) {
            const double interest = balance * rate;
            const double principal = payment - interest;
            balance -= principal;
            sumInterest += interest;
            sumPrincipal += principal;
            Row& row = rows[static_cast<std::size_t>(k)];
            row.number = Currency::FromDouble(k + 1);
            row.interest = Currency::FromDouble(interest);
            row.principal = Currency::FromDouble(principal);
            row.balance = Currency::FromDouble(balance);
            row.cumulativeInterest = Currency::FromDouble(sumInterest);
            row.cumulativePrincipal = Currency::FromDouble(sumPrincipal);
        }
        benchmark::DoNotOptimize(rows.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareRecurrence)->Unit(benchmark::kMicrosecond);

}  // namespace
