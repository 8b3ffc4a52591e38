#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

#include "cli_test_util.h"
#include "core/files/file_samples.h"
#include "core/files/table_file.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

using testing::RunCli;
using testing::ShellQuote;

// The Canadian purchase of costs_figures.py.
const std::string kCanada =
    "schedule --rate 5 --compounding semiannual --years 25 --price 500000 --down 25000 --insurance canada "
    "--insurance-tax 8 --points 1 --fees 1000 --fees-financed fees --closing-costs 1500 --property-tax 3600 "
    "--home-insurance 1200 --condo-fees 300 --heating 100";

nlohmann::json Summary(const std::string& args) {
    const auto run = RunCli(args + " --format json");
    EXPECT_EQ(run.status, 0) << args << ": " << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out)["summary"] : nlohmann::json();
}

// The summary's keys, rates in percent; the figures from costs_figures.py.
TEST(CostsCli, JsonSummaryCarriesTheCosts) {
    const auto s = Summary(kCanada);
    const struct {
        const char* key;
        nlohmann::json value;
        double expected;
    } cases[] = {
        {"apr", s["apr"], 5.506291145},
        {"effective_annual_rate", s["effective_annual_rate"], 5.647401922},
        {"amount_financed", s["amount_financed"], 468530},
        {"cost_of_borrowing.total", s["cost_of_borrowing"]["total"], 395153.40},
        {"insurance_premium", s["insurance_premium"], 19000},
        {"monthly_home_cost.total", s["monthly_home_cost"]["total"], 3678.94},
        {"costs.cash_at_closing", s["costs"]["cash_at_closing"], 32970},
        {"monthly_payment", s["monthly_payment"], 2878.94},  // the schedule of the 495,000 principal
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.value.is_number()) << c.key;
        EXPECT_NEAR(c.value.get<double>(), c.expected, 0.006) << c.key;
    }
    EXPECT_TRUE(s["insurance_ends"].is_null());
}

// US insurance ends at a payment number; without costs options every key is
// there, null.
TEST(CostsCli, InsuranceEndsAndNullsWithoutCosts) {
    const auto us = Summary(
        "schedule --rate 6.5 --years 30 --price 400000 --down 20000 --insurance us --insurance-rate 0.5");
    EXPECT_EQ(us["insurance_ends"], 135);
    EXPECT_EQ(us["costs"]["insurance_ends_on_request"]["payment"], 124);
    EXPECT_NEAR(us["insurance_premium"].get<double>(), 158.33, 1e-9);
    EXPECT_NEAR(us["apr"].get<double>(), 6.885609052, 1e-6);

    const auto plain = Summary("schedule --rate 6 --years 25");
    for (const char* key : {"apr", "effective_annual_rate", "amount_financed", "cost_of_borrowing",
                            "insurance_premium", "monthly_home_cost", "insurance_ends", "costs"}) {
        ASSERT_TRUE(plain.contains(key)) << key;
        EXPECT_TRUE(plain[key].is_null()) << key;
    }
    // Any costs option gives the costs: without fees the APR is the note rate.
    const auto heating = Summary("schedule --rate 6 --years 25 --heating 80");
    EXPECT_NEAR(heating["apr"].get<double>(), 6.0, 1e-7);
}

// HP 12C Owner's Handbook, section 12, APR with fees, example 1: 60,000 at
// 11.5 % over 30 years with 2 points is 11.76 %.
TEST(CostsCli, TextShowsTheSectionAfterTheGrid) {
    const auto run = RunCli("schedule --principal 60000 --rate 11.5 --years 30 --points 2");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto at = run.out.find("Costs (estimates: the lender's disclosure governs)");
    ASSERT_NE(at, std::string::npos);
    EXPECT_GT(at, run.out.find("Total"));
    EXPECT_NE(run.out.find("Annual percentage rate (estimate)       11.764%"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Points 2.000%                         $1,200.00   paid in cash"),
              std::string::npos);

    const auto report =
        RunCli("schedule --principal 60000 --rate 11.5 --years 30 --points 2 --format report");
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find(" Annual percentage rate (estimate)       11.764%"), std::string::npos);
    const auto csv = RunCli("schedule --principal 60000 --rate 11.5 --years 30 --points 2 --format csv");
    EXPECT_EQ(csv.out.find("Costs"), std::string::npos);  // the grid only
}

// Options that do not go together, values out of range and purchases the
// rules refuse: status 2, nothing on standard output, one line on standard
// error saying why (the minimum worked by hand: 5 % of 500,000).
TEST(CostsCli, RefusalsAreStatusTwoWithOneLine) {
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"--down 10000", "--down needs --price"},
        {"--price 300000 --principal 200000", "--principal comes from --price"},
        {"--insurance us", "--insurance us needs --insurance-rate"},
        {"--price 300000 --down 30000 --insurance us --insurance-rate 0.5 --insurance-tax 8",
         "--insurance-tax"},
        {"--price 500000 --down 20000 --insurance canada",
         "Message 52: The down payment is below the minimum for an insured mortgage: 5% of the first "
         "$500,000 of "
         "the price and 10% of the rest. The minimum is $25,000.00 for a price of $500,000.00."},
        {"--mode loan --price 30000 --down 3000 --insurance us --insurance-rate 1", "Message 56"},
        {"--points 30", "Message 50"},
        {"--fees -5", "must be 0 or more"},
        {"--fees-financed points,loan", "--fees-financed"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("schedule --rate 6 ") + c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_TRUE(run.out.empty()) << c.args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
    }
}

// A table file saved with costs: read shows them by meaning.
TEST(CostsCli, ReadShowsTheCostsOfATableFile) {
    testing::TempDir dir;
    const std::string with = dir.File("with.qmd"), without = dir.File("without.qmd");
    TableFileData t = testing::SampleTable();
    ASSERT_TRUE(SaveTableFile(without, t));
    Costs c;
    c.price = 420000;
    c.downPayment = 42000;
    c.insurance = InsuranceKind::Canada;
    c.canadianPremiumPercent = 3.25;
    c.closingCosts = 2100;
    c.closingCostsPaid = FeePayment::Financed;
    c.termYears = 3;
    t.costs = c;
    ASSERT_TRUE(SaveTableFile(with, t));
    const auto run = RunCli("read " + ShellQuote(with));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto costs = nlohmann::json::parse(run.out)["costs"];
    EXPECT_EQ(costs["price"], 420000);
    EXPECT_EQ(costs["insurance"], "canada");
    EXPECT_EQ(costs["canadianPremium"], 3.25);
    EXPECT_EQ(costs["closingCostsPaid"], "financed");
    EXPECT_EQ(costs["termYears"], 3);
    const auto none = RunCli("read " + ShellQuote(without));
    EXPECT_TRUE(nlohmann::json::parse(none.out)["costs"].is_null());
}

}  // namespace
}  // namespace amortix
