#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

// The figures themselves are the engine's; here each option must reach it,
// and the figures not given must be those of the screen as opened.
TEST(AffordCli, OptionsReachTheSolver) {
    struct Case {
        const char* args;
        const char* box;
        const char* text;
    };
    const Case cases[] = {
        {"", "MFInMthPayment", "         $675.21"},
        {"", "MFNumPmts", "      26"},
        {"--solve principal --payment 1000", "MFInPrincipal", "     $148,102.70"},
        {"--solve years --payment 700", "MFInTerm", "           22.93"},
        {"--compounding semiannual", "MFInMthPayment", "         $669.82"},
        {"--frequency monthly", "MFTotIntSaved", "              $.00"},
        {"--days 365.25 --frequency weekly-acc", "MFDaysinYear", "365.25"},
        {"--solve years --payment 560", "MsgText",
         "Payment is too small, repayment would take over 40 years."},
        {"--principal 0", "MsgText", "Check for a missing entry in green input boxes and replace it."},
        {"--solve principal", "MFInPrincipal", "     $100,000.00"},
        {"--currency R --principal 5000", "MFInPrincipal", "       R5,000.00"},
        {"--years 45", "MFInTerm", "              40"},
    };
    for (const Case& c : cases) {
        const auto run = RunCli(std::string("afford --format json ") + c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)[c.box], c.text) << c.args;
    }
    EXPECT_EQ(nlohmann::json::parse(RunCli("afford --years 45 --format json").out)["messages"],
              nlohmann::json({5}));
}

}  // namespace
}  // namespace amortix
