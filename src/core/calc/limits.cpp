#include "core/calc/limits.h"

#include <algorithm>

namespace amortix {

std::optional<Message> RangeRefusal(TableKind mode, double principal, double ratePercent, double years) {
    // Written so that a NaN, which no comparison holds for, is refused too.
    if (!(principal > 0 && principal <= kPrincipalLimit)) return Message::PrincipalRange;
    if (!(ratePercent >= 0 && ratePercent <= kRatePercentLimit)) return Message::RateRange;
    // Less than a month leaves no payment to make: the schedule would be empty.
    if (!(years >= kShortestPeriodYears))
        return mode == TableKind::PersonalLoan ? Message::LoanPeriodRange : Message::PeriodRange;
    return std::nullopt;
}

std::optional<Message> RateChangeRefusal(const std::vector<RateChange>& changes) {
    if (changes.size() > static_cast<std::size_t>(kRateChangeLimit)) return Message::RateChangeRange;
    for (const RateChange& c : changes) {
        const bool first = c.year == 1 && c.month == 1;
        if (c.year < 1 || c.year > kMortgageYearLimit || !Month::Valid(c.month) || first ||
            !(c.ratePercent >= 0 && c.ratePercent <= kRatePercentLimit))
            return Message::RateChangeRange;
    }
    return std::nullopt;
}

namespace {

bool AmountInRange(Currency amount) {
    return amount >= Currency() && amount <= Currency::FromDouble(kPrepaymentAmountLimit);
}

bool MonthInRange(int year, int month) {
    return year >= 1 && year <= kPrepaymentYearLimit && Month::Valid(month);
}

bool PercentInRange(const std::optional<double>& percent) {
    return !percent || (*percent >= 0 && *percent <= kPrepaymentLimitPercentLimit);
}

}  // namespace

std::optional<Message> PrepaymentRefusal(const Prepayments& p) {
    const RecurringPrepayment& r = p.recurring;
    const bool open = r.toYear == 0;
    const bool recurring = AmountInRange(r.amount) && MonthInRange(r.fromYear, r.fromMonth) &&
                           (open || (MonthInRange(r.toYear, r.toMonth) &&
                                     r.toYear * 12 + r.toMonth >= r.fromYear * 12 + r.fromMonth));
    const bool oneTime = p.oneTime.size() <= static_cast<std::size_t>(kOneTimePrepaymentLimit) &&
                         std::all_of(p.oneTime.begin(), p.oneTime.end(), [](const OneTimePrepayment& o) {
                             return AmountInRange(o.amount) && MonthInRange(o.year, o.month);
                         });
    if (!recurring || !oneTime || !PercentInRange(p.yearlyLimitPercent) ||
        !PercentInRange(p.increaseLimitPercent))
        return Message::PrepaymentRange;
    return std::nullopt;
}

HeldFigure HoldPrincipal(double principal) {
    if (principal > kPrincipalLimit) return {kPrincipalLimit, Message::PrincipalRange};
    return {principal, std::nullopt};
}

HeldFigure HoldRate(double ratePercent) {
    if (ratePercent > kRatePercentLimit) return {kRatePercentLimit, Message::RateRange};
    return {ratePercent, std::nullopt};
}

}  // namespace amortix
