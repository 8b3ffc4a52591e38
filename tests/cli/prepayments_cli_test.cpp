// --extra-every, --extra-once, --prepayment, --prepay-limit and
// --increase-limit on schedule and on each comparison row. The figures are
// those of tests/core/calc/prepayment_figures.py, a separate decimal
// simulation; the limits are worked by hand.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

std::vector<int> Numbers(const nlohmann::json& messages) {
    std::vector<int> numbers;
    for (const auto& m : messages) numbers.push_back(m["number"].get<int>());
    return numbers;
}

// The JSON summary and rows of each kind of prepayment.
TEST(PrepaymentsCli, ScheduleJson) {
    const struct {
        const char* args;
        std::size_t payments;
        double saved;
        long sooner;
        double firstExtra, total;
    } cases[] = {
        {"--principal 200000 --rate 6 --years 30 --extra-every 100", 295, 49138.408312, 65, 100, 29400},
        {"--principal 200000 --rate 6 --years 30 --extra-every 100:2:5", 341, 18271.013303, 19, 0, 4800},
        {"--extra-once 3/9:8000 --extra-once 3/3:8000", 195, 80625.178830, 105, 0, 16000},
        {"--principal 300000 --rate 5 --compounding semiannual --extra-once 5/1:20000 --prepayment "
         "lower-payment",
         300, 12143.388543, 0, 0, 20000},
        {"--principal 300000 --rate 5 --compounding semiannual --rate-change 6:6 --extra-once 5/7:10000 "
         "--extra-once 6/7:10000",
         284, 27759.724326, 16, 0, 20000},
        {"--principal 200000 --rate 6 --years 30 --extra-every 100 --rounding lender", 295, 49138.85, 65, 100,
         29400},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("schedule --view all --format json ") + c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        const auto j = nlohmann::json::parse(run.out);
        EXPECT_EQ(Numbers(j["messages"]), std::vector<int>{}) << c.args;
        EXPECT_EQ(j["rows"].size(), c.payments) << c.args;
        const auto& s = j["summary"];
        EXPECT_NEAR(s["interest_saved_by_prepayments"].get<double>(), c.saved, 0.01) << c.args;
        EXPECT_EQ(s["payoff_earlier_months"], c.sooner) << c.args;
        EXPECT_EQ(j["rows"][0]["extra"], c.firstExtra) << c.args;
        EXPECT_NEAR(s["prepayments"]["total"].get<double>(), c.total, 1e-9) << c.args;
        EXPECT_TRUE(j["texts"]["interest_saved_by_prepayments"].is_string()) << c.args;
    }
    // The recast's new payment and the recurring amount's span, by meaning.
    auto j = nlohmann::json::parse(RunCli("schedule --principal 300000 --rate 5 --compounding semiannual "
                                          "--extra-once 5/1:20000 --prepayment lower-payment --format json")
                                       .out);
    const auto& once = j["summary"]["prepayments"]["one_time"];
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0]["year"], 5);
    EXPECT_NEAR(once[0]["new_payment"].get<double>(), 1616.753646, 1e-5);
    EXPECT_TRUE(j["summary"]["prepayments"]["recurring"].is_null());
    j = nlohmann::json::parse(RunCli("schedule --principal 200000 --rate 6 --years 30 --extra-every 100:2/3 "
                                     "--format json")
                                  .out);
    const auto& recurring = j["summary"]["prepayments"]["recurring"];
    EXPECT_EQ(recurring["first_payment"], 15);
    EXPECT_TRUE(recurring["to_year"].is_null());
    // Without prepayments: nothing saved, nothing sooner, and nothing listed.
    j = nlohmann::json::parse(RunCli("schedule --format json").out);
    EXPECT_EQ(j["summary"]["interest_saved_by_prepayments"], 0.0);
    EXPECT_EQ(j["summary"]["payoff_earlier_months"], 0);
    EXPECT_EQ(j["texts"]["extra_payments_note"], "");
}

// At a limit nothing is said; a cent over it is message 47 or 48, the
// schedule shown (status 0) and the year and amount on standard error.
// Worked by hand: 15 % of 100,000 is 15,000; 10 % of the payment of
// 100,000 at 6 % over 25 years (644.3014, closed-form annuity) is 64.43.
TEST(PrepaymentsCli, LimitsAtAndJustOver) {
    const std::string mortgage = "schedule --rate 6 --prepay-limit 15 --increase-limit 10 ";
    const struct {
        const char* args;
        std::vector<int> messages;
        const char* error;
    } cases[] = {
        {"--extra-once 2/1:10000 --extra-once 2/6:5000", {}, ""},
        {"--extra-once 2/1:10000 --extra-once 2/6:5000.01",
         {47},
         "Year 2 goes over the yearly limit of $15,000.00 by $.01."},
        {"--extra-every 64.43:3/7", {}, ""},
        {"--extra-every 64.44:3/7",
         {48},
         "From year 3 each payment goes over the increase limit of $64.43 by $.01."},
        {"--extra-every 1300:5 --extra 5:1",
         {47, 48},
         "Year 5 goes over the yearly limit of $15,000.00 by $601.00."},
    };
    for (const auto& c : cases) {
        const auto text = RunCli(mortgage + c.args);
        EXPECT_EQ(text.status, 0) << c.args << text.err;
        if (*c.error) {
            EXPECT_NE(text.err.find(c.error), std::string::npos) << c.args << ": " << text.err;
        } else {
            EXPECT_EQ(text.err, "") << c.args;
        }
        const auto j = nlohmann::json::parse(RunCli(mortgage + c.args + " --format json").out);
        EXPECT_EQ(Numbers(j["messages"]), c.messages) << c.args;
        const auto& yearly = j["summary"]["prepayments"]["yearly_limit"];
        if (c.messages.empty() || c.messages[0] != 47) continue;
        EXPECT_EQ(yearly["limit"], 15000.0) << c.args;
        EXPECT_EQ(j["texts"]["prepayment_limits"]["yearly"], std::string(c.error)) << c.args;
    }
}

// A malformed option is a usage error (status 2, one line on standard
// error, nothing on standard output); one out of its range is the
// calculation's message 49 (status 1), as the window raises it.
TEST(PrepaymentsCli, BadOptions) {
    std::string many;
    for (int k = 0; k < 101; ++k) many += " --extra-once 2/1:10";
    const struct {
        std::string args;
        int status;
        const char* error;
    } cases[] = {
        {"--extra-every abc", 2, "--extra-every: expected AMOUNT[:FROM_YEAR[/MONTH][:TO_YEAR[/MONTH]]]"},
        {"--extra-every 100:2/3:4:5", 2, "--extra-every: expected"},
        {"--extra-every 100:x", 2, "--extra-every: expected"},
        {"--extra-every nan", 2, "--extra-every: expected"},
        {"--extra-once 3:100", 2, "--extra-once: expected YEAR/MONTH:AMOUNT"},
        {"--extra-once 3/1", 2, "--extra-once: expected"},
        {"--extra-once 3/1:1e400", 2, "--extra-once: expected"},
        {"--prepayment sooner", 2, "--prepayment"},
        {"--prepay-limit -1", 2, "--prepay-limit"},
        {"--increase-limit x", 2, "--increase-limit"},
        {"--extra-once 41/1:100", 1, "Message 49"},
        {"--extra-once 2/13:100", 1, "Message 49"},
        {"--extra-once 2/1:-5", 1, "Message 49"},
        {"--extra-once 2/1:10000000", 1, "Message 49"},
        {"--extra-every 100:5:3", 1, "Message 49"},
        {"--extra-every 100:1:0", 1, "Message 49"},
        {"--prepay-limit 100.5", 1, "Message 49"},
        {many, 1, "Message 49"},
        {many.substr(20), 0, ""},  // 100
    };
    for (const auto& c : cases) {
        const auto run = RunCli("schedule " + c.args);
        EXPECT_EQ(run.status, c.status) << c.args.substr(0, 60) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << c.args.substr(0, 60) << ": " << run.err;
        if (c.status != 0) {
            EXPECT_EQ(run.out, "") << c.args.substr(0, 60);
        }
        if (c.status == 2) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args;
        }
    }
}

// The text and the printed report list the new kinds below the schedule;
// without them the boxes are the same as before.
TEST(PrepaymentsCli, TextAndReport) {
    const std::string args = "schedule --extra-once 3/3:8000 --extra-once 3/9:8000 --extra-every 100:2:5 ";
    auto run = RunCli(args + "--format text");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("     Interest saved by prepayments"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Paid off sooner by"), std::string::npos);
    EXPECT_NE(run.out.find("one-time"), std::string::npos);
    EXPECT_NE(run.out.find("Every payment"), std::string::npos);
    run = RunCli(args + "--format report");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" Year   3    Month  9    8,000.00  one-time"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" Every payment             100.00  from Year   2 Month  1 to Year   5 Month 12"),
              std::string::npos);
    EXPECT_NE(run.out.find(" Interest saved by prepayments"), std::string::npos);
    run = RunCli("schedule --format text");
    EXPECT_EQ(run.out.find("prepayments"), std::string::npos);
}

// Each comparison row takes its own prepayments.
TEST(PrepaymentsCli, CompareRows) {
    const auto run = RunCli(
        "compare --row '' --row '--extra-once 3/3:8000 --extra-once 3/9:8000' "
        "--row '--extra-once 3/3:8000 --extra-once 3/3:8000 --prepay-limit 15' "
        "--row '--principal 300000 --rate 5 --compounding semiannual --extra-once 5/1:20000 "
        "--prepayment lower-payment' --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(Numbers(j["messages"]), std::vector<int>{47});
    const auto& rows = j["rows"];
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_FALSE(rows[0]["starred"].get<bool>());
    EXPECT_NEAR(rows[1]["total_interest"].get<double>(), 94633.017399, 0.01);
    EXPECT_EQ(rows[1]["payments"], 195);
    EXPECT_TRUE(rows[1]["starred"].get<bool>());
    EXPECT_EQ(rows[1]["one_time_payments"].size(), 2u);
    EXPECT_NEAR(rows[2]["total_interest"].get<double>(), 93028.223786, 0.01);
    EXPECT_EQ(rows[2]["yearly_limit"]["year"], 3);
    EXPECT_EQ(rows[2]["yearly_limit"]["over"], 1000.0);
    EXPECT_EQ(rows[3]["prepayment"], "lower-payment");
    EXPECT_NEAR(rows[3]["one_time_payments"][0]["new_payment"].get<double>(), 1616.753646, 1e-5);
    // The listing: one entry per month, the two of row 3 as one.
    const auto& grid2 = j["texts"]["extra_payments"];
    EXPECT_EQ(grid2[1][2], " 3    3");
    EXPECT_EQ(grid2[1][3], " 16,000.00");
    EXPECT_EQ(grid2[2][2], "");
    // Each limit gone over on a line of its own, named by its row.
    const auto text = RunCli(
        "compare --row '--extra-once 3/3:8000 --extra-once 3/3:8000 --prepay-limit 15 --increase-limit 0 "
        "--extra-every 1' --format text");
    EXPECT_NE(text.out.find("Row 1: Year 3 goes over the yearly limit of $15,000.00 by $1,012.00.\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(
        text.out.find("Row 1: From year 1 each payment goes over the increase limit of $.00 by $1.00.\n"),
        std::string::npos)
        << text.out;
}

}  // namespace
}  // namespace amortix
