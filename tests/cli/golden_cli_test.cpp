// The text, CSV and report forms of amortix-cli are read by scripts and
// printers: these runs must print exactly what they printed when recorded.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

struct Recorded {
    std::string name;
    std::string args;
};

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<Recorded> RecordedRuns() {
    std::vector<Recorded> runs;
    std::istringstream list(ReadWhole(AMORTIX_GOLDEN_DIR "/commands.txt"));
    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto bar = line.find('|');
        if (bar != std::string::npos) runs.push_back({line.substr(0, bar), line.substr(bar + 1)});
    }
    return runs;
}

TEST(GoldenCli, TextCsvAndReportOutputIsAsRecorded) {
    const std::vector<Recorded> runs = RecordedRuns();
    ASSERT_GE(runs.size(), 20u);
    for (const Recorded& r : runs) {
        const auto run = RunCli(r.args);
        EXPECT_EQ(run.status, 0) << r.name << ": " << run.err;
        // Compared whole, so a difference shows where it starts.
        const std::string expected = ReadWhole(AMORTIX_GOLDEN_DIR "/" + r.name + ".out");
        ASSERT_FALSE(expected.empty()) << r.name;
        if (run.out == expected) continue;
        std::size_t at = 0;
        while (at < run.out.size() && at < expected.size() && run.out[at] == expected[at]) ++at;
        ADD_FAILURE() << r.name << " differs from byte " << at << ": expected \""
                      << expected.substr(at > 40 ? at - 40 : 0, 120) << "\", got \""
                      << run.out.substr(at > 40 ? at - 40 : 0, 120) << "\"";
    }
}

}  // namespace
}  // namespace amortix
