#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

// The schedule rows of a page: lines whose payment number column holds digits.
int ScheduleLines(const std::string& page) {
    int count = 0;
    for (const std::string& line : Split(page, '\n'))
        if (line.size() > 12 && line.substr(8, 4) == "    " && line[4] >= '0' && line[4] <= '9') ++count;
    return count;
}

TEST(ReportCli, PagesSeparatedByFormFeeds) {
    struct Case {
        const char* font;
        int firstPage;
        int perPage;
    };
    for (const Case c : {Case{"courier", 32, 49}, Case{"standard", 29, 46}}) {
        const auto run =
            RunCli(std::string("schedule --view all --format report --header 'My house' --font ") + c.font);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find('\r'), std::string::npos);
        ASSERT_EQ(run.out.back(), '\n');
        const std::vector<std::string> pages = Split(run.out, '\f');
        ASSERT_EQ(pages.size(), 7u) << c.font;
        EXPECT_EQ(pages[0].substr(0, 11), "\n My house\n");
        EXPECT_EQ(ScheduleLines(pages[0]), c.firstPage) << c.font;
        EXPECT_EQ(ScheduleLines(pages[1]), c.perPage) << c.font;
    }
}

TEST(ReportCli, RefusalsPrintNothing) {
    struct Case {
        const char* args;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"schedule --format report --years 45", 1, "Message 1: No data to print. Calculate."},
        {"schedule --format report --header 1", 2, "--header"},
        {"schedule --format report --font bold", 2, "--font"},
        {"schedule --format json --font courier", 2, "--format report"},
        {"compare --row '--years 41' --format report", 1, "Message 1:"},
        {"compare --row '' --header x", 2, "--header"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
    }
}

TEST(ReportCli, CalculationMessagesGoToStandardError) {
    // A 10-year term on a 5-year mortgage is reset to all years (message 34) and the report still prints.
    const auto run = RunCli("schedule --format report --years 5 --term-years 10");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Message 34:"), std::string::npos);
    EXPECT_NE(run.out.find(" Total:"), std::string::npos);
}

// A symbol of several bytes is one character: every line keeps the columns it
// has with "$".
TEST(SymbolCli, OneCharacterSymbolsKeepTheColumns) {
    const char* const commands[] = {
        "schedule --principal 100000 --rate 10.125 --years 25 --format report",
        "schedule --principal 100000 --rate 10.125 --years 3 --view all",
        "compare --row '' --row '--extra 2:3000'",
        "compare --row '' --row '--rate 8' --format report",
    };
    const auto withDollar = [](std::string text, const std::string& symbol) {
        for (auto at = text.find(symbol); at != std::string::npos; at = text.find(symbol, at + 1))
            text.replace(at, symbol.size(), "$");
        return text;
    };
    for (const char* command : commands) {
        const auto dollar = RunCli(std::string(command) + " --currency '$'");
        ASSERT_EQ(dollar.status, 0) << command << dollar.err;
        for (const std::string symbol : {"\u20ac", "\u20b9", "\u00a3"}) {
            const auto other = RunCli(std::string(command) + " --currency " + symbol);
            ASSERT_EQ(other.status, 0) << command << other.err;
            EXPECT_NE(other.out.find(symbol), std::string::npos) << command;
            EXPECT_EQ(withDollar(other.out, symbol), dollar.out) << command << " " << symbol;
        }
    }
}

}  // namespace
}  // namespace amortix
