#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

TEST(AffordCli, DefaultsSolveThePaymentForBiweeklyAccelerated) {
    const auto run = RunCli("afford --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["MFInPrincipal"], "   $100,000.00");
    EXPECT_EQ(j["MFInMthPayment"], "         $675.21");
    EXPECT_EQ(j["MFInTerm"], "              25");
    EXPECT_EQ(j["TotalPmts"], " $102,562.14");
    EXPECT_EQ(j["MFNumPmts"], "      26");
    EXPECT_EQ(j["MFDaysinYear"], "365");
    EXPECT_EQ(j["MFNumYrs"], "           20.68");
    EXPECT_EQ(j["MFPiPmt"], "         $337.60");
    EXPECT_EQ(j["MFTotIntSaved"], "      $21,004.87");
    EXPECT_EQ(j["MFTotIntPaid"], "      $81,557.27");
    EXPECT_EQ(j["MsgText"], "");
}

TEST(AffordCli, SolvesEachFigure) {
    struct Case {
        const char* args;
        const char* box;
        const char* text;
    };
    const Case cases[] = {
        {"--solve principal --payment 1000", "MFInPrincipal", "     $148,102.70"},
        {"--solve years --payment 700", "MFInTerm", "           22.93"},
        {"--compounding semiannual", "MFInMthPayment", "         $669.82"},
        {"--frequency monthly", "MFTotIntSaved", "              $.00"},
        {"--days 365.25 --frequency weekly-acc", "MFDaysinYear", "365.25"},
        {"--solve years --payment 560", "MsgText",
         "Payment is too small, repayment would take over 40 years."},
        {"--principal 0", "MsgText", "Check for a missing entry in green input boxes and replace it."},
        {"--principal 0", "MFInMthPayment", ""},
        // Figures not given are those of the screen as opened.
        {"--solve principal", "MFInPrincipal", "     $100,000.00"},
        {"--solve years --payment 560", "MFDaysinYear", "365"},
        {"--currency R --principal 5000", "MFInPrincipal", "       R5,000.00"},
    };
    for (const Case& c : cases) {
        const auto run = RunCli(std::string("afford --format json ") + c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)[c.box], c.text) << c.args;
    }
}

TEST(AffordCli, PeriodOver40BecomesFortyWithMessage5) {
    const auto run = RunCli("afford --years 45 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["MFInTerm"], "              40");
    EXPECT_EQ(j["messages"], nlohmann::json({5}));
}

TEST(AffordCli, TextNamesTheBoxes) {
    const auto run = RunCli("afford --solve years --payment 541");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Payment is too small"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("$541.00"), std::string::npos);
}

TEST(AffordCli, BadOptionsExitWithStatus2) {
    for (const char* args : {"afford --solve rate", "afford --rate -1", "afford --years 2.5",
                             "afford --days-typed 400", "afford --extra 1:100"}) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

}  // namespace
}  // namespace amortix
