#pragma once
// The ranges the figures of a calculation are held to. The boxes, the file
// readers and the command line all check these, so a figure one of them
// refuses, every one refuses with the same numbered message.

#include <optional>
#include <vector>

#include "core/calc/choices.h"
#include "core/calc/schedule.h"
#include "core/format/messages.h"

namespace amortix {

// The largest principal every box, grid column and report shows whole.
inline constexpr double kPrincipalLimit = 9'999'999.99;
inline constexpr double kRatePercentLimit = 100;
// A month: the boxes take whole years and months, files and the command line
// fractions of them too.
inline constexpr double kShortestPeriodYears = 1.0 / 12.0;

// The message that names the first figure outside its range (a principal
// above 0, a rate from 0, a period of a month or more up to its limit), if any. A period
// above the limit keeps its own older messages (5 and 16), which the caller
// raises.
std::optional<Message> RangeRefusal(TableKind mode, double principal, double ratePercent, double years);

// Message 46 for a list of rate changes no mortgage can have: more than 20, a
// year or month out of range, year 1 month 1 (the first rate itself), or a
// rate outside 0 to 100.
std::optional<Message> RateChangeRefusal(const std::vector<RateChange>& changes);

// Message 49 for prepayments no mortgage can have: an amount outside 0 to
// 9,999,999.99, a year outside 1 to 40 or a month outside 1 to 12, a
// recurring amount that ends before it starts, more than 100 one-time
// amounts, a limit outside 0 to 100 %.
std::optional<Message> PrepaymentRefusal(const Prepayments& prepayments);

// A box holds a figure typed above its range to the top of it, and the
// message says so (none when the figure is in range).
struct HeldFigure {
    double value = 0;
    std::optional<Message> message;
};
HeldFigure HoldPrincipal(double principal);
HeldFigure HoldRate(double ratePercent);

}  // namespace amortix
