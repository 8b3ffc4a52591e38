#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <string_view>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;

// Numbers where numbers are, by meaning; the screen's texts beside them under
// the same names.
TEST(ScheduleCli, JsonCarriesNumbersByMeaningAndTheTextsBesideThem) {
    const auto run = RunCli("schedule --compounding semiannual --view all --extra 1:5000 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["schema"]["name"], "schedule");
    EXPECT_EQ(j["schema"]["version"], 2);
    for (const char* key : {"messages", "summary", "rows", "rows_shown", "graph_points",
                            "extra_payments_note", "graph", "texts"})
        EXPECT_TRUE(j.contains(key)) << key;
    for (const char* name :
         {"days_in_year", "rate_factor", "payments_per_year", "payment", "increase_caption",
          "increase_amount", "years_to_final", "total_paid", "interest_saved"}) {
        EXPECT_TRUE(j["summary"].contains(name)) << name;
        EXPECT_TRUE(j["texts"][name].is_string()) << name;
    }
    // The options reached the calculation: semiannual, every payment, one amount.
    EXPECT_EQ(j["texts"]["payment"], "     $902.91");
    EXPECT_NEAR(j["summary"]["payment"].get<double>(), 902.91, 0.005);
    EXPECT_EQ(j["summary"]["payments_per_year"], 12);
    EXPECT_TRUE(j["summary"]["days_in_year"].is_null());  // monthly: "Normal"
    EXPECT_EQ(j["texts"]["days_in_year"], "Normal");
    EXPECT_EQ(j["rows_shown"], 248);
    ASSERT_EQ(j["rows"].size(), 248u);
    const auto& first = j["rows"][0];
    EXPECT_EQ(first["number"], 1);
    EXPECT_EQ(first["year"], 1);
    EXPECT_TRUE(first["date"].is_null());
    EXPECT_DOUBLE_EQ(first["extra"].get<double>(), 5000);
    // The additional amount is part of the first payment's principal.
    EXPECT_NEAR(first["balance"].get<double>(), 100000 - first["principal"].get<double>(), 1e-9);
    EXPECT_GT(first["principal"].get<double>(), 5000);
    EXPECT_NEAR(j["rows"][247]["balance"].get<double>(), 0, 1e-9);
    EXPECT_EQ(j["texts"]["grid"].size(), 257u);
    EXPECT_EQ(j["messages"].size(), 0u);
}

// --rate-change and --rounding: the JSON carries each change with its first
// payment and new payment, every row its rate; bad plans and bad changes are
// the calculation's numbered messages, a malformed option a usage error.
TEST(ScheduleCli, RateChangesAndLenderRounding) {
    const std::string mortgage = "schedule --principal 300000 --rate 5 --compounding semiannual --view all ";
    {
        const auto run = RunCli(mortgage + "--rate-change 6:6 --rate-change 3/7:5.5:keep --format json");
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::json::parse(run.out);
        const auto& changes = j["summary"]["rate_changes"];
        ASSERT_EQ(changes.size(), 2u);
        EXPECT_EQ(changes[0]["first_payment"], 31);
        EXPECT_EQ(changes[0]["payment_change"], "keep");
        EXPECT_NEAR(changes[0]["payment"].get<double>(), 1744.814955, 1e-6);  // kept
        EXPECT_EQ(changes[1]["first_payment"], 61);
        EXPECT_EQ(j["rows"][29]["rate"], 5.0);
        EXPECT_EQ(j["rows"][30]["rate"], 5.5);
        EXPECT_EQ(j["rows"][60]["rate"], 6.0);
        EXPECT_EQ(j["uncovered_interest"], nullptr);
    }
    const struct {
        const char* args;
        int status;
        std::vector<int> messages;
        const char* error;  // on standard error
    } cases[] = {
        {"--rate-change 4:19:keep", 1, {44}, "Payment 37 at 19.000%"},
        {"--rate-change 1:6", 1, {46}, "Message 46"},
        {"--rate-change 41:6", 1, {46}, "Message 46"},
        {"--rate-change 2/13:6", 1, {46}, "Message 46"},
        {"--rate-change 2:6:hold", 2, {}, "expected YEAR[/MONTH]:RATE[:keep]"},
        {"--rate-change 2", 2, {}, "expected YEAR[/MONTH]:RATE[:keep]"},
        {"--rate-change a/b:c", 2, {}, "expected YEAR[/MONTH]:RATE[:keep]"},
        {"--rounding nearest", 2, {}, "--rounding"},
        {"--rounding lender", 0, {}, ""},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(mortgage + c.args);
        EXPECT_EQ(run.status, c.status) << c.args << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << c.args << ": " << run.err;
        if (c.status == 2) continue;
        const auto j = nlohmann::json::parse(RunCli(mortgage + c.args + " --format json").out);
        std::vector<int> numbers;
        for (const auto& m : j["messages"]) numbers.push_back(m["number"].get<int>());
        EXPECT_EQ(numbers, c.messages) << c.args;
    }
    // Lender rounding: whole-cent payment and interest.
    const auto j = nlohmann::json::parse(
        RunCli("schedule --principal 100000 --rate 6 --view all --rounding lender --format json").out);
    EXPECT_EQ(j["summary"]["payment"], 644.30);
    EXPECT_EQ(j["rows"][0]["interest"], 500.0);
}

TEST(ScheduleCli, MessagesAndOptions) {
    struct Case {
        const char* args;
        std::vector<int> messages;
        const char* endYear;
    };
    const Case cases[] = {
        {"--rate 0", {}, "       25.00"},  // no interest, still a schedule
        {"--years 0", {41}, ""},
        {"--principal 10000000", {39}, ""},
        {"--rate 101", {40}, ""},
        {"--years 41", {5}, ""},
        // Counter-examples of the refusal and period properties.
        {"--principal 0.01 --rate 0 --years 40.01", {5}, ""},
        {"--years 40.99 --frequency 1-week --rate 0", {5}, ""},
        {"--years 0.01", {41}, ""},
        {"--mode loan --months 0.5", {42}, ""},
        {"--years 5 --term-years 10", {34}, "        5.00"},
        {"--mode loan --months 481", {16}, "      480.00"},
        {"--increase 150", {35}, "        6.17"},
        {"--mode loan --months 30", {}, "       30.00"},
        {"--frequency biweekly-acc --compounding semiannual --days 364", {}, "       18.77"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(std::string("schedule --format json ") + c.args);
        // The object is printed either way; nothing calculated is status 1.
        ASSERT_EQ(run.status, std::string_view(c.endYear).empty() ? 1 : 0) << c.args << run.err;
        const auto j = nlohmann::json::parse(run.out);
        std::vector<int> numbers;
        for (const auto& m : j["messages"]) {
            numbers.push_back(m["number"].get<int>());
            EXPECT_FALSE(m["text"].get<std::string>().empty()) << c.args;
        }
        EXPECT_EQ(numbers, c.messages) << c.args;
        EXPECT_EQ(j["texts"]["years_to_final"], c.endYear) << c.args;
    }
}

// Refused inputs: the reason on standard error, nothing on standard output
// (no empty table or header), status 1, in every format but json.
TEST(ScheduleCli, NothingCalculatedIsStatusOneWithTheMessageOnStandardError) {
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"--years 41", "Message 5: Wrong entry, 40 Years limit."},
        {"--years 0", "Message 41: Amortization period: from 1 to 40 years."},
        {"--mode loan --months 0", "Message 42: Payback period: from 1 to 480 months."},
        {"--principal 0", "Message 39: Principal amount: from 0.01 to 9,999,999.99."},
    };
    for (const auto& c : cases) {
        for (const char* format : {"text", "csv", "report"}) {
            const auto run = RunCli(std::string("schedule --format ") + format + " " + c.args);
            EXPECT_EQ(run.status, 1) << c.args << " " << format;
            EXPECT_EQ(run.out, "") << c.args << " " << format;
            EXPECT_NE(run.err.find(c.message), std::string::npos)
                << c.args << " " << format << ": " << run.err;
        }
    }
}

// A refused option says its limit in a few words.
TEST(ScheduleCli, AnOptionOutOfRangeNamesItsLimitBriefly) {
    const struct {
        const char* args;
        const char* says;
    } cases[] = {
        {"schedule --principal -5", "--principal: Value -5 must be 0 or more"},
        {"schedule --increase -1", "--increase: Value -1 must be 0 or more"},
        {"afford --payment -10", "--payment: Value -10 must be 0 or more"},
        {"apr --amount-financed 1000 --payment 0 --count 12", "--payment: Value 0 must be more than 0"},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
        EXPECT_LT(run.err.size(), 120u) << c.args << ": " << run.err;
    }
}

TEST(ScheduleCli, DatesAreIso) {
    const auto run = RunCli("schedule --view all --dates 2024-01-31 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["texts"]["grid"][0][0], " Payment  Date");
    EXPECT_EQ(j["texts"]["grid"][2][0], "2024-02-29");
    EXPECT_EQ(j["rows"][1]["date"], "2024-02-29");
    // The grid shows dates instead of years; the rows still say which year.
    EXPECT_EQ(j["rows"][1]["year"], 1);
    EXPECT_EQ(j["rows"][12]["year"], 2);
}

// The text forms of every command, by a few figures each must show.
TEST(Cli, TextFormsShowTheFigures) {
    const struct {
        const char* args;
        std::vector<const char*> shown;
    } cases[] = {
        {"schedule --format csv", {"Year,Interest,Principal,", "\r\n1,10082.7376,"}},
        {"schedule", {"$917.53", "Total:"}},
        {"schedule --format report --header 'The \"Smith\" house'", {"\n The Smith house\n"}},
        {"afford --solve years --payment 541", {"Payment is too small", "$541.00"}},
        {"compare --row '--extra 3:2500' --row '--frequency weekly-acc' --currency \u00a3",
         {"Total interest", "\u00a3120,239.46", "Weekly(Acc)", "* Additional payments applied", "2,500.00"}},
        {"compare --row '' --row '--extra 2:3000' --format report --header 'Which plan?' --font courier",
         {" Which plan?\n", "* Additional Payments Applied", "Yr. Mth Row   2"}},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.args);
        ASSERT_EQ(run.status, 0) << c.args << run.err;
        for (const char* text : c.shown)
            EXPECT_NE(run.out.find(text), std::string::npos) << c.args << ": " << text;
    }
}

// A refusal is status 2 and one line on standard error, also when the
// option it quotes holds a line end, and nothing on standard output.
TEST(Cli, BadOptionsExitTwoAndPrintNothing) {
    const char* const cases[] = {
        "schedule --frequency fortnightly",
        "schedule --rate abc",
        "schedule --compounding daily",
        "schedule --view weekly",
        "schedule --term-years 7",
        "schedule --dates 2024-13-01",
        "schedule --extra 3",
        "schedule --extra 99:100",
        "schedule --days 366",
        "schedule --days-typed 363",
        "schedule --extra-month 13",
        "schedule --mode lease",
        "schedule --months 12",
        "schedule --mode loan --years 2",
        "schedule --principal -5",
        "schedule --bogus",
        "afford --solve rate",
        "afford --rate -1",
        "afford --years 2.5",
        "afford --days-typed 400",
        "afford --extra 1:100",
        "compare",
        "compare --row '--frequency fortnightly'",
        "compare --row '--bogus 1'",
        "compare --row '--currency \u20ac'",
        "compare --row '--extra 30:100'",
        "compare --row '--years 1e9'",
        "compare --row '--years nan'",
        "compare --row '' --format xlsx",
        "afford --format report",
        // Found with the option parser's fuzz target's checks: a line end in
        // a refused value made two lines, and a symbol that is not UTF-8
        // stopped the JSON output with an exception (status 1).
        "schedule --rate '1\n2'",
        "schedule --extra 'a\nb'",
        "'sched\nule'",
        "compare --row '--rate 1\n2'",
        "schedule --currency '\xff' --format json",
        "afford --currency '\xff' --format json",
        "compare --row '' --currency '\xff' --format json",
    };
    for (const char* args : cases) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
        EXPECT_EQ(run.err.back(), '\n') << args;
    }
}

}  // namespace
}  // namespace amortix
