#pragma once
// Small output helpers shared by the commands.

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "core/schedule.h"

namespace amortix::cli {

using Json = nlohmann::ordered_json;

// A cell as a spreadsheet reads it: quoted when it holds a comma or a quote.
std::string CsvField(const std::string& text);
std::string CsvLine(const std::vector<std::string>& cells);

// A single-precision value as the shortest number that reads back to it.
double ShortestDouble(float value);

Json GraphJson(const GraphData& graph);

}  // namespace amortix::cli
