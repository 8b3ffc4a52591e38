#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

TEST(CompareCli, JsonCarriesGridsPrintoutAndGraph) {
    const auto run = RunCli(
        "compare --row '' --row '--frequency biweekly-acc --extra 1:5000 --extra 2:1000 --extra-month 4' "
        "--format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["messages"].size(), 0u);
    ASSERT_EQ(j["MCGrid1"].size(), 9u);
    EXPECT_EQ(j["MCGrid1"][0][0], " #  of Row");
    EXPECT_EQ(j["MCGrid1"][1][9], "$917.53");
    EXPECT_EQ(j["MCGrid1"][1][11], "$175,258.20");
    EXPECT_EQ(j["MCGrid1"][2][0], "02");
    EXPECT_EQ(j["MCGrid1"][2][1], "365");
    EXPECT_EQ(j["MCGrid1"][2][5].get<std::string>().front(), '*');
    EXPECT_EQ(j["MCGrid1"][3][0], "");
    ASSERT_EQ(j["MCGrid2"].size(), 10u);
    EXPECT_EQ(j["MCGrid2"][0].size(), 8u);
    EXPECT_EQ(j["MCGrid2"][0][1], " Row     2");
    EXPECT_EQ(j["MCGrid2"][1][0], " 1    4");
    EXPECT_EQ(j["MCGrid2"][2][1], "  1,000.00");
    EXPECT_EQ(j["InDays"], "365");
    EXPECT_EQ(j["PeriodicR"], "0.00387476");
    const std::string printout = j["printout"];
    EXPECT_EQ(printout.rfind(" 01  Normal  Monthly  Monthly  0.000% Was added", 0), 0u);
    EXPECT_NE(printout.find("\r\n 02  365.00  Monthly  Biweekly(Acc)"), std::string::npos);
    EXPECT_EQ(j["graph"]["title"], " Total mortgage interest paid");
    ASSERT_EQ(j["graph"]["points"].size(), 2u);
    EXPECT_EQ(j["graph"]["points"][0][0], "Row  1");
    EXPECT_NEAR(j["graph"]["points"][0][1].get<double>(), 175258.20, 0.005);
}

TEST(CompareCli, RowsAreCalculatedInOrderWithTheirMessages) {
    std::string args = "compare --format json --row '--years 41'";
    for (int i = 0; i < 9; ++i) args += " --row '--rate 8'";
    args += " --row '--rate 0'";
    const auto run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["messages"], nlohmann::json({5, 22, 22}));
    EXPECT_EQ(j["MCGrid1"][8][0], "08");
    EXPECT_EQ(j["MCGrid1"][8][8], "8.000");
    EXPECT_EQ(j["graph"]["points"].size(), 8u);  // a refused ninth row keeps the graph
}

TEST(CompareCli, ZeroRateAddsNoRowAndClearsTheGraph) {
    const auto run = RunCli("compare --row '' --row '--rate 0' --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["messages"], nlohmann::json({4}));
    EXPECT_EQ(j["MCGrid1"][2][0], "");
    EXPECT_EQ(j["graph"]["points"].size(), 0u);
}

TEST(CompareCli, TextShowsBothGrids) {
    const auto run = RunCli("compare --row '--extra 3:2500' --row '--frequency weekly-acc' --currency £");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Total interest"), std::string::npos);
    EXPECT_NE(run.out.find("£120,239.46"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Weekly(Acc)"), std::string::npos);
    EXPECT_NE(run.out.find("* Additional payments applied"), std::string::npos);
    EXPECT_NE(run.out.find("2,500.00"), std::string::npos);
}

TEST(CompareCli, BadOptionsExitWithStatus2) {
    const char* cases[] = {
        "compare",
        "compare --row '--frequency fortnightly'",
        "compare --row '--bogus 1'",
        "compare --row '--currency €'",
        "compare --row '--extra 30:100'",
        "compare --row '--years 1e9'",
        "compare --row '--years nan'",
        "compare --row '' --format csv",
    };
    for (const char* args : cases) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err, "") << args;
    }
}

}  // namespace
}  // namespace amortix
