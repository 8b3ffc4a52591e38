// The command line's option parser: argument vectors from the fuzzer (the
// input split at its NUL bytes) run through amortix-cli's own parsing and
// commands. Besides "no crash, leak or hang": no fault the commands did not
// foresee escapes them, the status is 0, 1 or 2, and every refusal (status
// 2) is exactly one line on standard error with nothing on standard output.

#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"
#include "fuzz_check.h"

namespace {

// Standard output and standard error into strings while alive, and the
// streams' formatting as it was afterwards, so that one run cannot change the next.
class Captured {
  public:
    Captured() {
        format_.copyfmt(std::cout);
        out_ = std::cout.rdbuf(outText_.rdbuf());
        err_ = std::cerr.rdbuf(errText_.rdbuf());
    }
    ~Captured() {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
        std::cout.copyfmt(format_);
        std::cout.clear();
        std::cerr.clear();
    }
    Captured(const Captured&) = delete;
    Captured& operator=(const Captured&) = delete;

    std::string Out() const { return outText_.str(); }
    std::string Err() const { return errText_.str(); }

  private:
    std::ostringstream outText_, errText_;
    std::ios format_{nullptr};
    std::streambuf* out_ = nullptr;
    std::streambuf* err_ = nullptr;
};

// The program's name, then the input's pieces between NUL bytes (empty ones
// included: an empty argument is an argument).
std::vector<std::string> Arguments(std::string_view input) {
    std::vector<std::string> args{"amortix-cli"};
    if (input.empty()) return args;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = input.find('\0', start);
        args.emplace_back(input.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return args;
}

bool OneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args = Arguments(amortix::fuzz::Bytes(data, size));
    // --output writes wherever it is told: a fuzz run must not scatter files.
    for (const std::string& arg : args)
        if (arg.find("--output") != std::string::npos) return 0;
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    int status = -1;
    std::string out, err, fault;
    {
        const Captured captured;
        try {
            status = amortix::cli::RunCommandLine(static_cast<int>(args.size()), argv.data());
        } catch (const std::exception& e) {
            fault = e.what();
        }
        out = captured.Out();
        err = captured.Err();
    }
    if (!fault.empty()) {
        std::fprintf(stderr, "escaped: %s\n", fault.c_str());
        amortix::fuzz::Check(false, "an exception escaped the commands");
    }
    amortix::fuzz::Check(status >= 0 && status <= 2, "an exit status other than 0, 1 or 2");
    if (status == 2) {
        if (!out.empty() || !OneLine(err)) std::fprintf(stderr, "standard error: [%s]\n", err.c_str());
        amortix::fuzz::Check(out.empty(), "a refusal printed on standard output");
        amortix::fuzz::Check(OneLine(err), "a refusal is not one line on standard error");
    }
    return 0;
}
