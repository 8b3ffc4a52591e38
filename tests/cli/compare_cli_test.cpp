#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

// The grids' figures are the comparison's own; here a row's options must
// reach it and every part of the state must reach the output.
TEST(CompareCli, JsonCarriesGridsPrintoutAndGraph) {
    const auto run = RunCli(
        "compare --row '' --row '--frequency biweekly-acc --extra 1:5000 --extra 2:1000 --extra-month 4' "
        "--format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["messages"].size(), 0u);
    ASSERT_EQ(j["MCGrid1"].size(), 9u);
    EXPECT_EQ(j["MCGrid1"][1][11], "$175,258.20");
    EXPECT_EQ(j["MCGrid1"][2][3], "Biweekly(Acc)");
    EXPECT_EQ(j["MCGrid1"][2][5].get<std::string>().front(), '*');
    ASSERT_EQ(j["MCGrid2"].size(), 10u);
    EXPECT_EQ(j["MCGrid2"][1][0], " 1    4");
    EXPECT_EQ(j["MCGrid2"][2][1], "  1,000.00");
    EXPECT_EQ(j["PeriodicR"], "0.00387476");
    EXPECT_NE(j["printout"].get<std::string>().find("\r\n 02  365.00  Monthly  Biweekly(Acc)"),
              std::string::npos);
    ASSERT_EQ(j["graph"]["points"].size(), 2u);
    EXPECT_EQ(j["graph"]["points"][0][0], "Row  1");
}

TEST(CompareCli, RowsAreCalculatedInOrderWithTheirMessages) {
    std::string nine;
    for (int i = 0; i < 9; ++i) nine += " --row '--rate 8'";
    const struct {
        std::string rows;
        std::vector<int> messages;
        std::size_t graphPoints;
        const char* row8Rate;
    } cases[] = {
        // A refused ninth row keeps the graph; a failed row clears it.
        {"--row '--years 41'" + nine + " --row '--rate 0'", {5, 22, 22}, 8, "8.000"},
        {"--row '' --row '--rate 0'", {4}, 0, ""},
    };
    for (const auto& c : cases) {
        const auto run = RunCli("compare --format json " + c.rows);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::json::parse(run.out);
        EXPECT_EQ(j["messages"].get<std::vector<int>>(), c.messages) << c.rows;
        EXPECT_EQ(j["graph"]["points"].size(), c.graphPoints) << c.rows;
        EXPECT_EQ(j["MCGrid1"][8][8], c.row8Rate) << c.rows;
    }
}

}  // namespace
}  // namespace amortix
