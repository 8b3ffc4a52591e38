#pragma once
// The costs section of the tables report, after the schedule's totals: the
// purchase and the fees, the annual percentage rate, the cost of borrowing
// and the monthly cost. The command line's text output shows the same lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/costs.h"

namespace amortix {

// What the section is printed from.
struct CostsPrint {
    Costs costs;
    CostsResult result;
};

// Nothing when no costs were given; otherwise the costs calculated for `in`.
std::optional<CostsPrint> CostsPrintFor(const ScheduleInputs& in, const Costs& costs);

// The section's lines, at most 75 characters each (more only for amounts
// beyond the widths the section sets); none for a result not calculated.
std::vector<std::string> CostsSectionLines(const CostsPrint& print, TableKind mode,
                                           std::string_view currencySymbol,
                                           const DateFormatter& formatDate = {},
                                           const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
