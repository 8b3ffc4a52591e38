#pragma once
// Inputs anywhere in the ranges the screens and the files take, drawn inside
// a RapidCheck property: figures as the boxes hold them (cents, thousandths
// of a percent, whole years or months), every list choice, typed days, dates,
// the additional payments, rate changes of both kinds and prepayments.

#include <rapidcheck.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/calc/comparison.h"
#include "core/calc/dates.h"
#include "core/calc/prepayments.h"
#include "core/calc/rates.h"
#include "core/calc/schedule.h"
#include "core/format/money.h"

namespace amortix::testing {

template <class Table>
const auto& AnyRowOf(const Table& table) {
    return table[*rc::gen::inRange<std::size_t>(0, table.size())];
}

// 0.01 to 9,999,999.99 as typed, to the cent.
inline double AnyPrincipal() {
    return static_cast<double>(*rc::gen::inRange<std::int64_t>(1, 1'000'000'000)) / 100.0;
}

// 0 to 100 %, three decimals; the ends come up often.
inline double AnyRatePercent() {
    return *rc::gen::weightedOneOf<int>({{1, rc::gen::element(0, 100'000)},
                                         {8, rc::gen::inRange(1, 30'000)},
                                         {1, rc::gen::inRange(1, 100'001)}}) /
           1000.0;
}

// The four presets, or days typed to the hundredth strictly between 363 and 365.25.
inline DayBasis AnyDayBasis() {
    const DayBasisChoice choice = AnyRowOf(kDayBases).id;
    if (choice != DayBasisChoice::Typed) return DayBasis::Preset(choice);
    return DayBasis::Typed(static_cast<float>(*rc::gen::inRange(36'301, 36'525) / 100.0));
}

inline std::vector<RateChange> AnyRateChanges() {
    const int count =
        *rc::gen::weightedOneOf<int>({{4, rc::gen::inRange(0, 4)}, {1, rc::gen::inRange(4, 21)}});
    std::vector<RateChange> changes;
    for (int c = 0; c < count; ++c) {
        RateChange change;
        change.year = static_cast<std::int16_t>(*rc::gen::inRange(1, 41));
        change.month = static_cast<std::int16_t>(*rc::gen::inRange(change.year == 1 ? 2 : 1, 13));
        change.ratePercent = AnyRatePercent();
        change.payment = *rc::gen::element(RateChangePayment::Recalculate, RateChangePayment::Keep);
        changes.push_back(change);
    }
    return changes;
}

// The additional-payments dialog for a period of `periodYears`: a row per
// year of the period (rounded as the dialog rounds it), amounts to the cent
// in some of them, a percentage to the hundredth, the option and the month.
inline AdditionalPayments AnyAdditionalPayments(double periodYears, double principal, bool amounts) {
    AdditionalPayments extra;
    extra.years = static_cast<std::int16_t>(std::clamp(RoundHalfEven(periodYears), 0.0, kYearRows - 1.0));
    for (int y = 1; y <= extra.years; ++y)
        extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    extra.kind = AnyRowOf(kExtraPaymentKinds).id;
    extra.month = Month{static_cast<std::int16_t>(*rc::gen::inRange(1, 13))};
    if (!amounts) return extra;
    const int years = extra.years > 0 ? *rc::gen::inRange(0, std::min<int>(extra.years, 6) + 1) : 0;
    const auto most =
        std::max<std::int64_t>(2, static_cast<std::int64_t>(principal * 20));  // to a fifth of it
    for (int a = 0; a < years; ++a) {
        const auto year = static_cast<std::size_t>(*rc::gen::inRange(1, extra.years + 1));
        extra.amount[year] =
            Currency::FromDouble(static_cast<double>(*rc::gen::inRange<std::int64_t>(1, most)) / 100.0);
    }
    extra.increase = static_cast<float>(
        *rc::gen::weightedOneOf<int>({{1, rc::gen::just(0)}, {1, rc::gen::inRange(1, 10'001)}}) / 10'000.0);
    extra.rowCount = extra.CountYearsWithAmounts();
    return extra;
}

// The prepayments dialog's page: now and then a recurring amount over any
// span of the 40 years (to the end or to a year), up to 100 one-time amounts
// (several in a month may come), either effect, and limits to the
// thousandth of a percent or none. Amounts to the cent up to the top of the
// range, most of them a fraction of the principal.
inline Prepayments AnyPrepayments(double principal) {
    Prepayments p;
    const auto amount = [principal] {
        const auto most = std::max<std::int64_t>(2, static_cast<std::int64_t>(principal * 10));
        return Currency::FromDouble(static_cast<double>(*rc::gen::weightedOneOf<std::int64_t>(
                                        {{9, rc::gen::inRange<std::int64_t>(1, most)},
                                         {1, rc::gen::inRange<std::int64_t>(1, 1'000'000'000)}})) /
                                    100.0);
    };
    if (*rc::gen::weightedOneOf<int>({{1, rc::gen::just(0)}, {1, rc::gen::just(1)}}) == 1) {
        p.recurring.amount = amount();
        p.recurring.fromYear = static_cast<std::int16_t>(*rc::gen::inRange(1, 41));
        p.recurring.fromMonth = static_cast<std::int16_t>(*rc::gen::inRange(1, 13));
        if (*rc::gen::arbitrary<bool>()) {
            p.recurring.toYear = static_cast<std::int16_t>(*rc::gen::inRange<int>(p.recurring.fromYear, 41));
            p.recurring.toMonth = static_cast<std::int16_t>(*rc::gen::inRange<int>(
                p.recurring.toYear == p.recurring.fromYear ? p.recurring.fromMonth : 1, 13));
        }
    }
    const int count =
        *rc::gen::weightedOneOf<int>({{6, rc::gen::inRange(0, 4)}, {1, rc::gen::inRange(4, 101)}});
    for (int o = 0; o < count; ++o)
        p.oneTime.push_back({static_cast<std::int16_t>(*rc::gen::inRange(1, 41)),
                             static_cast<std::int16_t>(*rc::gen::inRange(1, 13)), amount()});
    p.effect = AnyRowOf(kPrepaymentEffects).id;
    const auto limit = []() -> std::optional<double> {
        if (*rc::gen::arbitrary<bool>()) return std::nullopt;
        return *rc::gen::inRange(0, 100'001) / 1000.0;
    };
    p.yearlyLimitPercent = limit();
    p.increaseLimitPercent = limit();
    return p;
}

// What the tables screen can hold: a mortgage of whole years (and, as files
// may hold, now and then to the hundredth) or a loan of whole months.
inline ScheduleInputs AnyTableInputs() {
    ScheduleInputs in;
    in.mode = *rc::gen::element(TableKind::Mortgage, TableKind::PersonalLoan);
    in.principal = AnyPrincipal();
    in.ratePercent = AnyRatePercent();
    if (in.mode == TableKind::Mortgage)
        in.years = *rc::gen::weightedOneOf<int>(
                       {{4, rc::gen::map(rc::gen::inRange(1, 41), [](int y) { return y * 100; })},
                        {1, rc::gen::inRange(1, 4001)}}) /
                   100.0;
    else
        in.years = *rc::gen::inRange(1, 481) / 12.0;
    in.compounding = AnyRowOf(kCompoundings).id;
    in.frequency = AnyRowOf(kFrequencies).id;
    in.dayBasis = AnyDayBasis();
    in.view = *rc::gen::element(ScheduleView::Annual, ScheduleView::AllPayments);
    in.termYears = *rc::gen::element<std::int16_t>(0, 1, 2, 3, 4, 5, 10);
    in.showDates = *rc::gen::arbitrary<bool>();
    in.firstPaymentDate = *rc::gen::inRange(SerialFromCivil(1900, 1, 1), SerialFromCivil(2101, 1, 1));
    in.extra = AnyAdditionalPayments(in.years, in.principal, true);
    in.rateChanges = AnyRateChanges();
    in.rounding = *rc::gen::element(Rounding::Exact, Rounding::Lender);
    if (*rc::gen::arbitrary<bool>()) in.prepayments = AnyPrepayments(in.principal);
    return in;
}

// The comparison screen's inputs: whole years, and additional amounts and a
// percentage only when `amounts` (a comparison file holds neither).
inline ComparisonInputs AnyComparisonInputs(bool amounts) {
    ComparisonInputs in;
    in.principal = AnyPrincipal();
    in.ratePercent = AnyRatePercent();
    in.years = *rc::gen::inRange(1, 41);
    in.compounding = AnyRowOf(kCompoundings).id;
    in.frequency = AnyRowOf(kFrequencies).id;
    in.dayBasis = AnyDayBasis();
    in.extra = AnyAdditionalPayments(in.years, in.principal, amounts);
    in.rateChanges = AnyRateChanges();
    in.rounding = *rc::gen::element(Rounding::Exact, Rounding::Lender);
    if (*rc::gen::arbitrary<bool>()) in.prepayments = AnyPrepayments(in.principal);
    return in;
}

}  // namespace amortix::testing
