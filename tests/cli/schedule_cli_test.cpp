#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

TEST(ScheduleCli, JsonCarriesEveryPromisedKey) {
    const auto run = RunCli("schedule --compounding semiannual --view all --extra 1:5000 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    for (const char* key : {"messages", "results", "grid", "schedule", "GridRows", "ResultsReady",
                            "YearsToFinal", "PaymentsPerYear", "AdditionalNotes", "graph"})
        EXPECT_TRUE(j.contains(key)) << key;
    for (const char* box : {"InDays", "PeriodicR", "NumPmtsYear", "InMonthPI", "Label16", "PPpercent",
                            "EndMortYear", "AllPayments", "TotSavd"})
        EXPECT_TRUE(j["results"].contains(box)) << box;
    // The options reached the calculation: semiannual, every payment, one amount.
    EXPECT_EQ(j["results"]["InMonthPI"], "     $902.91");
    EXPECT_EQ(j["GridRows"], 248);
    EXPECT_EQ(j["schedule"].size(), 248u);
    EXPECT_EQ(j["grid"].size(), 257u);
}

TEST(ScheduleCli, MessagesAndOptions) {
    struct Case {
        const char* args;
        std::vector<int> messages;
        const char* endYear;
    };
    const Case cases[] = {
        {"--rate 0", {4}, ""},
        {"--years 41", {5}, ""},
        {"--years 5 --term-years 10", {34}, "        5.00"},
        {"--mode loan --months 481", {16}, "      480.00"},
        {"--increase 150", {35}, "        6.17"},
        {"--mode loan --months 30", {}, "       30.00"},
        {"--frequency biweekly-acc --compounding semiannual --days 364", {}, "       18.77"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("schedule --format json ") + c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        const auto j = nlohmann::json::parse(run.out);
        EXPECT_EQ(j["messages"].get<std::vector<int>>(), c.messages) << c.args;
        EXPECT_EQ(j["results"]["EndMortYear"], c.endYear) << c.args;
    }
}

TEST(ScheduleCli, DatesAreIso) {
    const auto run = RunCli("schedule --view all --dates 2024-01-31 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["grid"][0][0], " Payment  Date");
    EXPECT_EQ(j["grid"][2][0], "2024-02-29");
}

TEST(ScheduleCli, CsvAndTextShowTheGrid) {
    const auto csv = RunCli("schedule --format csv");
    ASSERT_EQ(csv.status, 0);
    EXPECT_NE(csv.out.find(" Payment  Year,Interest Payment,"), std::string::npos);
    EXPECT_NE(csv.out.find("\"10,082.74\""), std::string::npos);
    const auto text = RunCli("schedule");
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("$917.53"), std::string::npos);
    EXPECT_NE(text.out.find("Total:"), std::string::npos);
}

TEST(ScheduleCli, BadOptionsExitTwoAndPrintNothing) {
    for (const char* args : {"--frequency fortnightly", "--rate abc", "--compounding daily", "--view weekly",
                             "--term-years 7", "--dates 2024-13-01", "--extra 3", "--extra 99:100",
                             "--days 366", "--days-typed 363", "--extra-month 13", "--mode lease",
                             "--months 12", "--mode loan --years 2", "--principal -5", "--bogus"}) {
        const auto run = RunCli(std::string("schedule ") + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
}

}  // namespace
}  // namespace amortix
