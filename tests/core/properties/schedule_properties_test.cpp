// Properties of every schedule, searched over random inputs in the whole
// allowed range: principal, rate (0 and the top included), period, every
// compounding and frequency, day bases, increases, yearly amounts, recurring
// and one-time prepayments shortening the term or lowering the payment, rate
// changes of both kinds and both roundings. A counter-example RapidCheck
// shrinks to belongs in a table-driven test beside the figures it broke.

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/calc/limits.h"
#include "core/calc/rates.h"
#include "core/calc/repayment.h"
#include "core/calc/schedule.h"

namespace amortix {
namespace {

template <class Table>
auto OneOf(const Table& table) {
    return *rc::gen::inRange<std::size_t>(0, table.size());
}

// A mortgage anywhere in the allowed ranges, shown payment by payment.
ScheduleInputs AnyMortgage() {
    ScheduleInputs in;
    in.principal = *rc::gen::inRange(100'000, 999'999'999) / 100.0;  // 1,000.00 to 9,999,999.99
    in.ratePercent = *rc::gen::weightedOneOf<int>({{1, rc::gen::just(0)}, {9, rc::gen::inRange(1, 30'000)}}) /
                     1000.0;  // up to 30 %, three decimals
    in.years = *rc::gen::inRange(1, 41);
    in.compounding = kCompoundings[OneOf(kCompoundings)].id;
    in.frequency = kFrequencies[OneOf(kFrequencies)].id;
    in.dayBasis = DayBasis::Preset(kDayBases[*rc::gen::inRange<std::size_t>(0, 4)].id);
    in.view = ScheduleView::AllPayments;
    in.rounding = *rc::gen::element(Rounding::Exact, Rounding::Lender);
    in.extra.years = static_cast<std::int16_t>(in.years);
    for (int y = 1; y <= in.extra.years; ++y)
        in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    return in;
}

void AddPrepayments(ScheduleInputs& in) {
    const int amounts = *rc::gen::inRange(0, 4);
    for (int a = 0; a < amounts; ++a) {
        const auto year = static_cast<std::size_t>(*rc::gen::inRange(1, static_cast<int>(in.years) + 1));
        in.extra.amount[year] = Currency::FromDouble(*rc::gen::inRange(1, 2000) * in.principal / 20000.0);
    }
    in.extra.month = Month{static_cast<std::int16_t>(*rc::gen::inRange(1, 13))};
    in.extra.increase = static_cast<float>(*rc::gen::inRange(0, 11)) / 100.0f;
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    in.extra.kind = ExtraPaymentKind::Both;
}

// A one-time amount anywhere in the period, up to a tenth of the principal.
OneTimePrepayment AnyOneTime(const ScheduleInputs& in) {
    return {static_cast<std::int16_t>(*rc::gen::inRange(1, static_cast<int>(in.years) + 1)),
            static_cast<std::int16_t>(*rc::gen::inRange(1, 13)),
            Currency::FromDouble(*rc::gen::inRange(1, 1000) * in.principal / 10000.0)};
}

// A recurring amount over some months and a few one-time amounts.
void AddNewPrepayments(ScheduleInputs& in, PrepaymentEffect effect) {
    Prepayments& p = in.prepayments;
    if (*rc::gen::arbitrary<bool>()) {
        const auto from = static_cast<std::int16_t>(*rc::gen::inRange(1, static_cast<int>(in.years) + 1));
        const auto to = static_cast<std::int16_t>(*rc::gen::inRange<int>(from, 41));
        p.recurring = {Currency::FromDouble(*rc::gen::inRange(1, 100) * in.principal / 100000.0), from,
                       static_cast<std::int16_t>(*rc::gen::inRange(1, 13)),
                       *rc::gen::arbitrary<bool>() ? std::int16_t{0} : to, 12};
    }
    const int amounts = *rc::gen::inRange(0, 6);
    for (int a = 0; a < amounts; ++a) p.oneTime.push_back(AnyOneTime(in));
    p.effect = effect;
}

void AddRateChanges(ScheduleInputs& in) {
    const int changes = *rc::gen::inRange(0, 4);
    for (int c = 0; c < changes && in.years >= 2; ++c)
        in.rateChanges.push_back(
            {static_cast<std::int16_t>(*rc::gen::inRange(2, static_cast<int>(in.years) + 1)),
             static_cast<std::int16_t>(*rc::gen::inRange(1, 13)), *rc::gen::inRange(0, 30'000) / 1000.0,
             *rc::gen::element(RateChangePayment::Recalculate, RateChangePayment::Keep)});
}

double PeriodRate(const ScheduleInputs& in, double ratePercent) {
    const FrequencyPeriods f = PeriodsOf(in.frequency, in.dayBasis);
    return RatePerPeriod(f, RateFactors(ratePercent, in.compounding, f.periodsPerYear));
}

// The principal parts repay the principal to the cent and the balance ends at
// 0, never below; the cumulative columns are running sums of their columns;
// every period's interest is the balance before it times the rate in force
// (in whole cents when rounded as lenders do).
RC_GTEST_PROP(ScheduleProperties, PaymentsRepayThePrincipalWithTheInterestOfTheRateInForce, ()) {
    ScheduleInputs in = AnyMortgage();
    AddPrepayments(in);
    AddNewPrepayments(in, *rc::gen::element(PrepaymentEffect::ShortenTerm, PrepaymentEffect::LowerPayment));
    AddRateChanges(in);
    const ScheduleResult r = CalculateSchedule(in);
    RC_PRE(r.calculated);
    const auto& rows = r.rows;
    RC_ASSERT(rows.size() == static_cast<std::size_t>(r.payments) + 1);
    const ScheduleRow& last = rows.back();
    RC_ASSERT(last.balance == Currency());
    RC_ASSERT(std::abs(last.cumulativePrincipal.ToDouble() - in.principal) <= 0.01);
    double interest = 0, principal = 0;
    const double tolerance = 0.0001 * static_cast<double>(rows.size());
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const ScheduleRow& row = rows[k];
        RC_ASSERT(row.balance >= Currency());
        interest += row.interest.ToDouble();
        principal += row.principal.ToDouble();
        RC_ASSERT(std::abs(row.cumulativeInterest.ToDouble() - interest) <= tolerance);
        RC_ASSERT(std::abs(row.cumulativePrincipal.ToDouble() - principal) <= tolerance + 0.01);
        const double before = k == 1 ? in.principal : rows[k - 1].balance.ToDouble();
        const double expected = before * PeriodRate(in, row.ratePercent);
        if (in.rounding == Rounding::Lender)
            RC_ASSERT(std::abs(row.interest.ToDouble() - RoundCents(expected)) <= 0.01);
        else
            RC_ASSERT(std::abs(row.interest.ToDouble() - expected) <= 0.0002);
    }
}

// The annual view's rows are the sums of the same years' payments.
RC_GTEST_PROP(ScheduleProperties, AnnualRowsSumTheYearsPayments, ()) {
    ScheduleInputs in = AnyMortgage();
    AddPrepayments(in);
    AddNewPrepayments(in, *rc::gen::element(PrepaymentEffect::ShortenTerm, PrepaymentEffect::LowerPayment));
    AddRateChanges(in);
    const ScheduleResult all = CalculateSchedule(in);
    in.view = ScheduleView::Annual;
    const ScheduleResult annual = CalculateSchedule(in);
    RC_PRE(all.calculated && annual.calculated);
    const long n = all.summary.paymentsPerYear;
    for (std::size_t y = 1; y < annual.rows.size(); ++y) {
        Currency interest, principal;
        const long first = (static_cast<long>(y) - 1) * n + 1;
        for (long k = first; k < first + n && k < static_cast<long>(all.rows.size()); ++k) {
            interest = interest + all.rows[static_cast<std::size_t>(k)].interest;
            principal = principal + all.rows[static_cast<std::size_t>(k)].principal;
        }
        RC_ASSERT(annual.rows[y].interest == interest);
        RC_ASSERT(annual.rows[y].principal == principal);
    }
}

// Paying more ahead, the term shortened, never pays more interest or ends
// later. Rate changes keep their payments here: a renewal re-amortizes the
// smaller balance over the same years left, which lowers the payment instead.
RC_GTEST_PROP(ScheduleProperties, MorePrepaymentNeverMoreInterestOrALaterEnd, ()) {
    ScheduleInputs in = AnyMortgage();
    in.rounding = Rounding::Exact;
    AddRateChanges(in);
    for (RateChange& c : in.rateChanges) c.payment = RateChangePayment::Keep;
    const ScheduleResult before = CalculateSchedule(in);
    const auto year = static_cast<std::size_t>(*rc::gen::inRange(1, static_cast<int>(in.years) + 1));
    in.extra.amount[year] = Currency::FromDouble(*rc::gen::inRange(1, 1000) * in.principal / 10000.0);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    in.extra.kind = ExtraPaymentKind::YearAmounts;
    const ScheduleResult after = CalculateSchedule(in);
    RC_PRE(before.calculated && after.calculated);
    RC_ASSERT(after.rows.back().cumulativeInterest.ToDouble() <=
              before.rows.back().cumulativeInterest.ToDouble() + 0.01);
    RC_ASSERT(after.payments <= before.payments);
}

// The same with the new kinds: one more one-time amount, or a larger
// recurring amount, shortening the term, never costs more interest or ends
// later, and what the prepayments saved is never below 0.
RC_GTEST_PROP(ScheduleProperties, MoreNewPrepaymentNeverMoreInterestOrALaterEnd, ()) {
    ScheduleInputs in = AnyMortgage();
    in.rounding = Rounding::Exact;
    AddRateChanges(in);
    for (RateChange& c : in.rateChanges) c.payment = RateChangePayment::Keep;
    AddNewPrepayments(in, PrepaymentEffect::ShortenTerm);
    const ScheduleResult before = CalculateSchedule(in);
    if (*rc::gen::arbitrary<bool>())
        in.prepayments.oneTime.push_back(AnyOneTime(in));
    else
        in.prepayments.recurring.amount =
            in.prepayments.recurring.amount +
            Currency::FromDouble(*rc::gen::inRange(1, 100) * in.principal / 100000.0);
    const ScheduleResult after = CalculateSchedule(in);
    RC_PRE(before.calculated && after.calculated);
    RC_ASSERT(after.rows.back().cumulativeInterest.ToDouble() <=
              before.rows.back().cumulativeInterest.ToDouble() + 0.01);
    RC_ASSERT(after.payments <= before.payments);
    RC_ASSERT(after.summary.prepayments.interestSaved.value_or(0) >= -0.01);
    RC_ASSERT(after.summary.prepayments.payoffEarlierMonths.value_or(0) >= 0);
}

// Monthly payments end with the period; lowering the payment after a
// one-time amount re-amortizes the rest over the months left, so it never
// ends later or costs more interest than no prepayment. (Paid more often, a
// schedule ends a little before its period, and a recast, which
// re-amortizes over the years left, gives up what the first years gained.)
// In whole cents the bound on interest does not hold: the mortgage may end a
// few payments before its period, and a recast then takes it back to the
// period's last payment; or the payment rounds up and the recast's down, and
// a cent less a month for years costs more than a small amount saved.
RC_GTEST_PROP(ScheduleProperties, AMonthlyRecastNeverEndsLaterOrCostsMore, ()) {
    ScheduleInputs in = AnyMortgage();
    in.frequency = Frequency::Monthly;
    const ScheduleResult plain = CalculateSchedule(in);
    in.prepayments.oneTime = {AnyOneTime(in)};
    in.prepayments.effect = PrepaymentEffect::LowerPayment;
    const ScheduleResult recast = CalculateSchedule(in);
    RC_PRE(plain.calculated && recast.calculated);
    const long period = std::lround(in.years * 12);
    RC_ASSERT(recast.payments <= (in.rounding == Rounding::Exact ? plain.payments : period));
    if (in.rounding == Rounding::Exact)
        RC_ASSERT(recast.summary.prepayments.interestSaved.value_or(0) >= -0.01);
}

// What the prepayments saved is the total interest of the same schedule
// calculated without any of them, less its own, to the currency's last
// decimal, and the months sooner those between the two final payments.
RC_GTEST_PROP(ScheduleProperties, InterestSavedIsTheScheduleWithoutPrepayments, ()) {
    ScheduleInputs in = AnyMortgage();
    AddPrepayments(in);
    AddNewPrepayments(in, *rc::gen::element(PrepaymentEffect::ShortenTerm, PrepaymentEffect::LowerPayment));
    AddRateChanges(in);
    const ScheduleResult with = CalculateSchedule(in);
    in.extra.EraseAmounts();
    in.prepayments = {};
    const ScheduleResult without = CalculateSchedule(in);
    RC_PRE(with.calculated && without.calculated);
    const auto& p = with.summary.prepayments;
    RC_ASSERT(p.interestSaved.has_value());
    RC_ASSERT(Currency::FromDouble(*p.interestSaved) ==
              without.rows.back().cumulativeInterest - with.rows.back().cumulativeInterest);
    const std::int16_t n = with.summary.paymentsPerYear;
    RC_ASSERT(*p.payoffEarlierMonths ==
              MonthOfPayment(without.payments, n) - MonthOfPayment(with.payments, n));
}

// With rate changes or whole cents, the interest saved is measured against
// what the normal monthly mortgage with the same changes and rounding pays
// over its life, as that schedule calculated on its own shows it.
RC_GTEST_PROP(ScheduleProperties, InterestSavedIsAgainstTheNormalMonthlySchedule, ()) {
    ScheduleInputs in = AnyMortgage();
    AddPrepayments(in);
    AddNewPrepayments(in, *rc::gen::element(PrepaymentEffect::ShortenTerm, PrepaymentEffect::LowerPayment));
    AddRateChanges(in);
    RC_PRE(!in.rateChanges.empty() || in.rounding == Rounding::Lender);
    const ScheduleResult r = CalculateSchedule(in);
    ScheduleInputs normal = in;
    normal.frequency = Frequency::Monthly;
    normal.extra.EraseAmounts();
    normal.prepayments = {};
    normal.view = ScheduleView::Annual;
    const ScheduleResult base = CalculateSchedule(normal);
    RC_PRE(r.calculated && base.calculated);
    const double saved = base.summary.totalPaid.ToDouble() - r.summary.totalPaid.ToDouble();
    RC_ASSERT(r.summary.interestSaved == std::max(saved, 0.0));
}

// A higher rate at a renewal never lowers the recalculated payment.
RC_GTEST_PROP(ScheduleProperties, AHigherRenewalRateNeverLowersThePayment, ()) {
    ScheduleInputs in = AnyMortgage();
    RC_PRE(in.years >= 2);
    const auto year = static_cast<std::int16_t>(*rc::gen::inRange(2, static_cast<int>(in.years) + 1));
    const double low = *rc::gen::inRange(0, 20'000) / 1000.0;
    const double high = low + *rc::gen::inRange(1, 10'000) / 1000.0;
    in.rateChanges = {{year, 1, low, RateChangePayment::Recalculate}};
    const ScheduleResult a = CalculateSchedule(in);
    in.rateChanges[0].ratePercent = high;
    const ScheduleResult b = CalculateSchedule(in);
    RC_PRE(a.calculated && b.calculated);
    RC_PRE(a.summary.rateChanges[0].reached && b.summary.rateChanges[0].reached);
    RC_ASSERT(b.summary.rateChanges[0].payment >= a.summary.rateChanges[0].payment);
}

}  // namespace
}  // namespace amortix
