#include "core/calc/limits.h"

namespace amortix {

std::optional<Message> RangeRefusal(TableKind mode, double principal, double ratePercent, double years) {
    // Written so that a NaN, which no comparison holds for, is refused too.
    if (!(principal > 0 && principal <= kPrincipalLimit)) return Message::PrincipalRange;
    if (!(ratePercent >= 0 && ratePercent <= kRatePercentLimit)) return Message::RateRange;
    if (!(years > 0))
        return mode == TableKind::PersonalLoan ? Message::LoanPeriodRange : Message::PeriodRange;
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
