#include "core/calc/limits.h"

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

HeldFigure HoldPrincipal(double principal) {
    if (principal > kPrincipalLimit) return {kPrincipalLimit, Message::PrincipalRange};
    return {principal, std::nullopt};
}

HeldFigure HoldRate(double ratePercent) {
    if (ratePercent > kRatePercentLimit) return {kRatePercentLimit, Message::RateRange};
    return {ratePercent, std::nullopt};
}

}  // namespace amortix
