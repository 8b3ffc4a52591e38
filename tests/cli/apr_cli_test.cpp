#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

// Figures of Regulation Z (12 CFR 1026), Appendix J (c)(1)(i), (c)(1)(v) and
// (c)(5)(i), through the command line.
TEST(AprCli, JsonGivesTheAprInPercent) {
    const struct {
        const char* args;
        double apr;
    } cases[] = {
        {"--amount-financed 5000 --payment 230 --count 24", 9.69},
        {"--amount-financed 500 --payment 17.60 --count 30 --frequency 1-week --loan-date 1978-03-20 "
         "--first-payment-date 1978-04-21",
         14.96},
        {"--amount-financed 1000 --payment 1080 --count 1 --loan-date 1978-01-03 --first-payment-date "
         "1978-09-15",
         11.45},
        {"--amount-financed 10000 --payment 385 --count 40 --frequency quarterly --loan-date 1978-05-23 "
         "--first-payment-date 1978-10-01",
         8.97},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("apr --format json ") + c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        const auto j = nlohmann::json::parse(run.out);
        EXPECT_EQ(j["schema"]["name"], "apr");
        EXPECT_DOUBLE_EQ(std::round(j["apr"].get<double>() * 100) / 100, c.apr) << c.args;
    }
    const auto text = RunCli("apr --amount-financed 5000 --payment 230 --count 24");
    EXPECT_EQ(text.out.substr(0, 31), "Annual percentage rate   9.686%");
}

TEST(AprCli, RefusalsSayWhyOnStandardError) {
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"--payment 230 --count 24", 2},
        {"--amount-financed 5000 --payment 230 --count 24 --frequency hourly", 2},
        {"--amount-financed 5000 --payment 230 --count 24 --loan-date 1978-01-10", 2},
        {"--amount-financed 5000 --payment 230 --count 24 --loan-date 1978-02-10 --first-payment-date "
         "1978-01-10",
         2},
        {"--amount-financed 5000 --payment 230 --count 24 --loan-date 10/1/78 --first-payment-date "
         "1978-02-10",
         2},
        {"--amount-financed 5000 --payment 100 --count 24", 1},  // repays less than it lends
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("apr ") + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_TRUE(run.out.empty()) << c.args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
    }
}

}  // namespace
}  // namespace amortix
