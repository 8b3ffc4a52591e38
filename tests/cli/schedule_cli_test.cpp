#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

TEST(ScheduleCli, JsonCarriesTheResultBoxes) {
    const auto run = RunCli("schedule --compounding semiannual --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["results"]["InMonthPI"], "     $902.91");
    EXPECT_EQ(j["results"]["EndMortYear"], "       25.00");
    EXPECT_EQ(j["GridRows"], 25);
    EXPECT_EQ(j["grid"].size(), 29u);
    EXPECT_EQ(j["messages"].size(), 0u);
}

}  // namespace
}  // namespace amortix
