#pragma once
// The subcommands of amortix-cli. Each registers its options and returns the
// function that runs it once the command line has been parsed.

#include <CLI/CLI.hpp>

#include <functional>

namespace amortix::cli {

using Runner = std::function<int()>;

Runner AddScheduleCommand(CLI::App& app);
Runner AddCompareCommand(CLI::App& app);
Runner AddAffordCommand(CLI::App& app);
Runner AddReadCommand(CLI::App& app);
Runner AddAprCommand(CLI::App& app);
Runner AddQualifyCommand(CLI::App& app);

}  // namespace amortix::cli
