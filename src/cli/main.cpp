// amortix-cli: the calculation engine from the command line.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/format/money.h"

namespace {

int Run(int argc, char** argv) {
    using namespace amortix::cli;
    CLI::App app{"Amortix mortgage and loan calculator, command-line front"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("amortix-cli ") + AMORTIX_VERSION);
    app.footer(
        "Each command takes --help for its options. Exit status: 0 done (calculation messages go to\n"
        "standard error), 1 a report with nothing to print or a file that cannot be read or written\n"
        "(--output), 2 bad options. The manual page amortix-cli(1) has every option and examples.");
    std::vector<Runner> runners;
    runners.push_back(AddScheduleCommand(app));
    runners.push_back(AddCompareCommand(app));
    runners.push_back(AddAffordCommand(app));
    runners.push_back(AddReadCommand(app));
    runners.push_back(AddAprCommand(app));
    runners.push_back(AddQualifyCommand(app));
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "amortix-cli: " << e.what() << '\n';
        return 2;
    }
    try {
        for (const Runner& run : runners) {
            const int status = run();
            if (status >= 0) return status;
        }
    } catch (const UsageError& e) {
        std::cerr << "amortix-cli: " << e.what() << '\n';
        return 2;
    } catch (const amortix::CalcError& e) {
        std::cerr << "amortix-cli: option out of range (" << e.what() << ")\n";
        return 2;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing may escape to the runtime's terminate: a fault the commands did
    // not foresee still ends with a message and a failure status.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "amortix-cli: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "amortix-cli: unexpected failure\n";
    }
    return 1;
}
