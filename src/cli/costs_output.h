#pragma once
// The costs in amortix-cli schedule's output: the JSON summary's keys and the
// text output's section.

#include <iosfwd>
#include <optional>

#include "cli/output.h"
#include "core/print/costs_section.h"

namespace amortix::cli {

// Adds apr, effective_annual_rate, amount_financed, cost_of_borrowing,
// insurance_premium, monthly_home_cost, insurance_ends and costs to a
// summary: null each when no costs were given or they have no result.
void AddCostsJson(Json& summary, const std::optional<CostsPrint>& costs);

// The costs section after the text output's grid, when there is one.
void PrintCostsText(std::ostream& out, const std::optional<CostsPrint>& costs, const ScheduleInputs& in);

}  // namespace amortix::cli
