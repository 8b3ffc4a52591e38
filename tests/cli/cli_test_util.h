#pragma once
// Runs amortix-cli and captures what it prints.

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <string>

namespace amortix::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& arg) {
    std::string q = "'";
    for (const char c : arg) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// Runs a shell command line, capturing its standard output and error.
inline CliRun RunShell(const std::string& command) {
    CliRun run;
    // One file per test process: ctest runs the CLI tests in parallel.
    const std::string errFile =
        std::string(::testing::TempDir()) + "cli_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string cmd = command + " 2>" + ShellQuote(errFile);
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* f = fopen(errFile.c_str(), "rb")) {
        while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) run.err.append(buf.data(), n);
        fclose(f);
    }
    std::remove(errFile.c_str());
    return run;
}

inline CliRun RunCli(const std::string& args) {
    return RunShell(std::string(AMORTIX_CLI_PATH) + " " + args);
}

}  // namespace amortix::testing
