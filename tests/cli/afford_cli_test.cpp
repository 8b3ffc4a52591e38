#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "cli_test_util.h"

namespace amortix {
namespace {

using nlohmann::json;
using testing::RunCli;

json Afford(const std::string& args) {
    const auto run = RunCli("afford --format json " + args);
    EXPECT_EQ(run.status, 0) << args << run.err;
    return json::parse(run.out);
}

// The figures themselves are the engine's; here each option must reach it,
// and the figures not given must be those of the screen as opened.
TEST(AffordCli, OptionsReachTheSolver) {
    struct Case {
        const char* args;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {"", "payment", "         $675.21"},
        {"", "payments_per_year", "      26"},
        {"--solve principal --payment 1000", "principal", "     $148,102.70"},
        {"--solve years --payment 700", "years", "           22.93"},
        {"--compounding semiannual", "payment", "         $669.82"},
        {"--frequency monthly", "interest_saved", "              $.00"},
        {"--days 365.25 --frequency weekly-acc", "days_in_year", "365.25"},
        {"--solve principal", "principal", "     $100,000.00"},
        {"--currency R --principal 5000", "principal", "       R5,000.00"},
        {"--years 45", "years", "              40"},
    };
    for (const Case& c : cases) EXPECT_EQ(Afford(c.args)["texts"][c.key], c.text) << c.args;
}

TEST(AffordCli, TheLayoutNamesItsVersionAndTheFiguresByMeaning) {
    const json j = Afford("--years 45");
    EXPECT_EQ(j["schema"], json({{"name", "afford"}, {"version", 2}}));
    EXPECT_EQ(j["messages"], json::parse(R"([{"number": 5, "text": "Wrong entry, 40 Years limit."}])"));
    EXPECT_EQ(j["solved"], "payment");
    EXPECT_TRUE(j["message_line"].is_null());
    const json& s = j["summary"];
    EXPECT_EQ(s["principal"], 100000.0);
    EXPECT_EQ(s["years"], 40.0);
    EXPECT_NEAR(s["payment"].get<double>(), 585.46, 0.005);
    EXPECT_NEAR(s["each_payment"].get<double>(), s["payment"].get<double>() / 2, 1e-9);
    EXPECT_EQ(s["payments_per_year"], 26);
    EXPECT_EQ(s["days_in_year"], 365.0);
    EXPECT_NEAR(s["interest_saved"].get<double>(),
                s["total_interest"].get<double>() - s["accelerated_total_interest"].get<double>(), 1e-6);
    // Every figure has its box's text under the same name.
    ASSERT_EQ(s.size(), j["texts"].size());
    for (const auto& [key, value] : s.items()) EXPECT_TRUE(j["texts"].contains(key)) << key;
}

// An empty box or a word is null among the numbers; its text stays.
TEST(AffordCli, EmptyBoxesAndWordsAreNull) {
    const struct {
        const char* args;
        const char* messageLine;
        std::vector<std::string> nulls;
    } cases[] = {
        {"--principal 0",
         "Check for a missing entry in green input boxes and replace it.",
         {"payment", "total_interest", "payments_per_year", "years_to_final", "each_payment",
          "interest_saved", "accelerated_total_interest"}},
        {"--solve years --payment 560",
         "Payment is too small, repayment would take over 40 years.",
         {"years", "total_interest", "payments_per_year", "years_to_final", "each_payment", "interest_saved",
          "accelerated_total_interest"}},
        {"--frequency semimonthly", nullptr, {"days_in_year"}},
    };
    for (const auto& c : cases) {
        const json j = Afford(c.args);
        EXPECT_EQ(j["message_line"], c.messageLine ? json(c.messageLine) : json(nullptr)) << c.args;
        for (const auto& item : j["summary"].items()) {
            const std::string& key = item.key();
            const bool null = std::find(c.nulls.begin(), c.nulls.end(), key) != c.nulls.end();
            EXPECT_EQ(item.value().is_null(), null) << c.args << " " << key;
            if (null && key != "days_in_year") {
                EXPECT_EQ(j["texts"][key], "") << c.args << " " << key;
            }
        }
    }
    EXPECT_EQ(Afford("--frequency semimonthly")["texts"]["days_in_year"], "Normal");
}

}  // namespace
}  // namespace amortix
