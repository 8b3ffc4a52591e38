#pragma once
// The costs options of amortix-cli schedule: the purchase, the fees, default
// insurance and the costs of the home.

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "core/calc/costs.h"
#include "core/print/costs_section.h"

namespace amortix::cli {

struct CostsOptions {
    std::optional<double> price, down, points, fees, closingCosts;
    std::optional<std::string> feesFinanced;  // "all", "none" or a list of points,fees,closing-costs
    std::optional<std::string> insurance;
    std::optional<double> insuranceRate, insuranceTax;
    std::optional<double> propertyTax, homeInsurance, condoFees, heating;
    std::optional<int> costTerm;
};

void AddCostsOptions(CLI::App& app, CostsOptions& options);

// The costs the options give; nothing when no costs option is given. Throws
// UsageError for options that do not go together and for costs the
// calculation refuses (its numbered message, on one line).
std::optional<Costs> CostsFrom(const CostsOptions& options);

// With a price, the principal becomes the purchase's; --principal then may
// not be given too. A refusal of the purchase is a UsageError naming its
// message. The costs are then calculated for the inputs.
CostsPrint PrepareCosts(const Costs& costs, bool principalGiven, ScheduleInputs& in);

}  // namespace amortix::cli
