#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

#include "cli_test_util.h"

namespace amortix {
namespace {

using nlohmann::json;
using testing::RunCli;

json Qualify(const std::string& args, int status = 0) {
    const auto run = RunCli("qualify --format json " + args);
    EXPECT_EQ(run.status, status) << args << run.err;
    return json::parse(run.out);
}

// The buyer of the engine's tests: 100,000 a year, tax 3,600, heating 120.
const std::string kBuyer = "--income 100000 --property-tax 3600 --heating 120 ";

// The figures are the engine's (qualify_test.cpp); here each option must
// reach it and the defaults must be the rule set's.
TEST(QualifyCli, OptionsReachTheCalculation) {
    const struct {
        std::string args;
        const char* key;
        json expected;
    } cases[] = {
        {kBuyer + "--down 150000", "max_mortgage", 404045.73},
        {kBuyer + "--down 150000", "binding_ratio", "gds"},
        {kBuyer + "--down 150000", "qualifying_rate", 7.0},
        {kBuyer + "--down 150000 --debts 450", "binding_ratio", "tds"},
        {kBuyer + "--down 150000 --debts 450", "max_mortgage", 399286.65},
        {kBuyer + "--down 150000 --card-balances 15000", "binding_ratio", "tds"},  // 450 a month
        {kBuyer + "--down 150000 --rate 3", "qualifying_rate", 5.25},
        {kBuyer + "--down 150000 --rate 3 --stress-floor 6", "qualifying_rate", 6.0},
        {kBuyer + "--down 150000 --rate 4 --stress-add 1", "qualifying_rate", 5.25},
        {kBuyer + "--down 150000 --rate 4 --no-stress", "max_mortgage", 538002.14},
        {kBuyer + "--down 95000", "insurance_premium", 11005.14},
        {kBuyer + "--down 95000", "max_price", 488040.59},
        {kBuyer + "--down 95000 --years 30", "max_mortgage", 429697.20},
        {"--income 50000 --income2 50000 --property-tax 3600 --heating 120 --down 150000", "max_mortgage",
         404045.73},
        {kBuyer + "--down 150000 --gds 30 --tds 30", "binding_ratio", "gds"},
        {"--rules us --income 100000 --property-tax 3600 --home-insurance 1200 --heating 500 --down 20000 "
         "--rate 6.5 --years 30",
         "max_mortgage", 286956.98},
        {"--rules us --income 100000 --property-tax 3600 --home-insurance 1200 --down 20000 --rate 6.5 "
         "--years 30",
         "mortgage_insurance", 119.57},
        {"--rules us --income 100000 --property-tax 3600 --home-insurance 1200 --down 150000 --rate 6.5 "
         "--years 30 --debts 800",
         "binding_ratio", "tds"},
        {"--rules us", "down_payment_needed", nullptr},
    };
    for (const auto& c : cases) {
        const json j = Qualify(c.args);
        if (c.expected.is_number())
            EXPECT_NEAR(j[c.key].get<double>(), c.expected.get<double>(), 0.001) << c.args;
        else
            EXPECT_EQ(j[c.key], c.expected) << c.args;
    }
}

TEST(QualifyCli, CompoundingFollowsTheRulesUnlessGiven) {
    // The same contract rate compounded monthly costs more than semiannually.
    const double canada = Qualify(kBuyer + "--down 150000 --no-stress")["max_mortgage"];
    const double monthly =
        Qualify(kBuyer + "--down 150000 --no-stress --compounding monthly")["max_mortgage"];
    EXPECT_LT(monthly, canada);
    // The US rules at the Canadian limits, the fees (counted whole) in place of the heating: the same
    // budget, compounded monthly by default.
    const double us = Qualify(
        "--rules us --gds 39 --tds 44 --property-tax 3600 --condo-fees 120 "
        "--income 100000 --down 150000")["max_mortgage"];
    EXPECT_DOUBLE_EQ(us, monthly);
}

TEST(QualifyCli, TheJsonNamesEveryFigureByMeaning) {
    const json j = Qualify(kBuyer + "--down 20000");
    EXPECT_EQ(j["schema"], json({{"name", "qualify"}, {"version", 2}}));
    EXPECT_EQ(j["messages"][0]["number"], 61);
    for (const char* key : {"max_mortgage", "max_price", "insurance_premium", "gds", "tds", "payment",
                            "qualifying_rate", "qualifying_payment", "down_payment_needed"})
        EXPECT_TRUE(j[key].is_number()) << key;
    EXPECT_NEAR(j["max_price"].get<double>(), 400000.09, 0.001);
    EXPECT_EQ(j["down_payment_limits"], true);
}

TEST(QualifyCli, NothingToQualifyForAndRefusals) {
    const json none = Qualify(kBuyer + "--debts 3500", 1);
    EXPECT_EQ(none["messages"][0]["number"], 60);
    EXPECT_TRUE(none["max_mortgage"].is_null());
    EXPECT_TRUE(none["binding_ratio"].is_null());

    const auto text = RunCli("qualify " + kBuyer + "--debts 3500");
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err.rfind("Message 60: ", 0), 0u) << text.err;

    for (const std::string args : {"--rate 101", "--years 41", "--years 0", "--gds 120", "--income 10000000",
                                   "--insurance-rate 1", "--rules uk", "--income -5", "--frequency daily"}) {
        const auto run = RunCli("qualify " + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << run.err;
    }
}

TEST(QualifyCli, TextShowsTheBoxesAndTheNotice) {
    const auto run = RunCli("qualify " + kBuyer + "--down 95000 --currency R");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Largest mortgage, premium included       R404,045.73"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Housing (GDS)"), std::string::npos);
    EXPECT_NE(run.out.find("R0.00"), std::string::npos);  // no US insurance
    EXPECT_NE(run.out.find("the lender decides"), std::string::npos);
}

}  // namespace
}  // namespace amortix
