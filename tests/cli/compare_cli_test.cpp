#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

std::vector<int> Numbers(const nlohmann::json& messages) {
    std::vector<int> out;
    for (const auto& m : messages) out.push_back(m["number"].get<int>());
    return out;
}

// The figures are the comparison's own; here a row's options must reach it
// and every part of the state must reach the output, figures as numbers and
// the boxes' texts beside them.
TEST(CompareCli, JsonCarriesRowsExtraPaymentsPrintoutAndGraph) {
    const auto run = RunCli(
        "compare --row '' --row '--frequency biweekly-acc --extra 1:5000 --extra 2:1000 --extra-month 4' "
        "--format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(nlohmann::ordered_json::parse(run.out).begin().key(), "schema");
    EXPECT_EQ(j["schema"], (nlohmann::json{{"name", "compare"}, {"version", 2}}));
    EXPECT_EQ(j["messages"].size(), 0u);

    ASSERT_EQ(j["rows"].size(), 2u);
    const auto& first = j["rows"][0];
    EXPECT_EQ(first["number"], 1);
    EXPECT_TRUE(first["days_in_year"].is_null());  // "Normal"
    EXPECT_EQ(first["compounding"], "monthly");
    EXPECT_EQ(first["payments"], 300);
    EXPECT_NEAR(first["total_interest"].get<double>(), 175258.20, 0.005);
    EXPECT_NEAR(first["payment"].get<double>(), 917.53, 0.005);
    EXPECT_EQ(first["rate"], 10.125);
    EXPECT_EQ(first["increase"], 0);
    EXPECT_FALSE(first["starred"].get<bool>());
    const auto& second = j["rows"][1];
    EXPECT_EQ(second["frequency"], "biweekly-acc");
    EXPECT_EQ(second["days_in_year"], 365);
    EXPECT_EQ(second["payments_per_year"], 26);
    EXPECT_TRUE(second["starred"].get<bool>());
    EXPECT_DOUBLE_EQ(second["retired_year"].get<double>(), second["payments"].get<double>() / 26);

    const auto& texts = j["texts"];
    ASSERT_EQ(texts["rows"].size(), 2u);
    EXPECT_EQ(texts["rows"][0]["total_interest"], "$175,258.20");
    EXPECT_EQ(texts["rows"][0]["days_in_year"], "Normal");
    EXPECT_EQ(texts["rows"][1]["frequency"], "Biweekly(Acc)");
    EXPECT_EQ(texts["rows"][1]["retired_year"].get<std::string>().front(), '*');

    EXPECT_EQ(j["extra_payments"],
              (nlohmann::json::array({{{"row", 2}, {"year", 1}, {"month", 4}, {"amount", 5000.0}},
                                      {{"row", 2}, {"year", 2}, {"month", 4}, {"amount", 1000.0}}})));
    ASSERT_EQ(texts["extra_payments"].size(), 10u);
    EXPECT_EQ(texts["extra_payments"][0][1], " Row     2");
    EXPECT_EQ(texts["extra_payments"][1][0], " 1    4");
    EXPECT_EQ(texts["extra_payments"][2][1], "  1,000.00");

    EXPECT_EQ(j["summary"]["days_in_year"], 365);
    EXPECT_NEAR(j["summary"]["rate_factor"].get<double>(), 0.00387476, 5e-9);
    EXPECT_EQ(texts["summary"]["rate_factor"], "0.00387476");
    EXPECT_EQ(texts["summary"]["days_in_year"], "365");
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
        std::size_t graphPoints, rowCount;
        const char* factor;  // of the last run that reached the rates
    } cases[] = {
        // A refused ninth row keeps the graph; a failed row clears it.
        {"--row '--years 41'" + nine + " --row '--years 0'", {5, 22, 22}, 8, 8, "0.00666667"},
        {"--row '' --row '--years 0'", {41}, 0, 1, "0.0084375"},
        {"--row '--years 41'", {5}, 0, 0, ""},
        // Fractions of a year beyond the limit, or too short for a payment.
        {"--row '--years 40.01'", {5}, 0, 0, ""},
        {"--row '--years 0.01'", {41}, 0, 0, "0.0084375"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli("compare --format json " + c.rows);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::json::parse(run.out);
        EXPECT_EQ(Numbers(j["messages"]), c.messages) << c.rows;
        for (const auto& m : j["messages"]) EXPECT_FALSE(m["text"].get<std::string>().empty()) << c.rows;
        EXPECT_EQ(j["graph"]["points"].size(), c.graphPoints) << c.rows;
        EXPECT_EQ(j["rows"].size(), c.rowCount) << c.rows;
        EXPECT_EQ(j["texts"]["rows"].size(), c.rowCount) << c.rows;
        EXPECT_EQ(j["texts"]["summary"]["rate_factor"], c.factor) << c.rows;
        EXPECT_EQ(j["summary"]["rate_factor"].is_null(), std::string(c.factor).empty()) << c.rows;
    }
}

// Each --row takes its own --rate-change; the JSON row lists its changes.
TEST(CompareCli, RowsCarryTheirOwnRateChanges) {
    const auto run = RunCli(
        "compare --row '--rate-change 6:6' --row '--rate-change 6:8 --rate-change 11/7:7:keep' --format "
        "json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    ASSERT_EQ(j["rows"].size(), 2u);
    EXPECT_EQ(j["rows"][0]["rate_changes"].size(), 1u);
    const auto& second = j["rows"][1]["rate_changes"];
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0]["first_payment"], 61);
    EXPECT_EQ(second[1]["first_payment"], 127);
    EXPECT_EQ(second[1]["payment_change"], "keep");
    EXPECT_EQ(second[1]["payment"], second[0]["payment"]);
    EXPECT_EQ(RunCli("compare --row '--rate-change 6'").status, 2);
}

}  // namespace
}  // namespace amortix
