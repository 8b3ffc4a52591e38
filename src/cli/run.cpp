#include "cli/run.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/format/money.h"

namespace amortix::cli {

namespace {

// A refusal is one line, whatever the arguments it quotes hold: a control
// character (a line end typed into an option) is shown escaped.
void PrintRefusal(const std::string& what) {
    std::string line = "amortix-cli: ";
    for (const char c : what) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            static constexpr char kHex[] = "0123456789abcdef";
            line.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xf]);
        } else {
            line += c;
        }
    }
    std::cerr << line << '\n';
}

}  // namespace

int RunCommandLine(int argc, char** argv) {
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
        PrintRefusal(e.what());
        return 2;
    }
    try {
        for (const Runner& run : runners) {
            const int status = run();
            if (status >= 0) return status;
        }
    } catch (const UsageError& e) {
        PrintRefusal(e.what());
        return 2;
    } catch (const amortix::CalcError& e) {
        PrintRefusal(std::string("option out of range (") + e.what() + ")");
        return 2;
    }
    PrintRefusal("no command ran");
    return 2;
}

}  // namespace amortix::cli
