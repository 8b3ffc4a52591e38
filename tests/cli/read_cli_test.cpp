#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string_view>

#include "cli_test_util.h"
#include "core/files/file_samples.h"
#include "core/files/settings_file.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

using testing::RunCli;
using testing::ShellQuote;

// What `read` shows of a file, or null where it fails.
nlohmann::json Read(const std::string& path) {
    const auto run = RunCli("read " + ShellQuote(path));
    EXPECT_EQ(run.status, 0) << path << ": " << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json();
}

TEST(ReadCli, ShowsEveryKindByItsName) {
    testing::TempDir dir;
    const std::string table = dir.File("House.QMD");
    const std::string loan = dir.File("car.qld");
    const std::string comparison = dir.File("five.qcd");
    const std::string settings = dir.File("Personal.Mtg");
    TableFileData loanData = testing::SampleTable();
    loanData.mode = TableKind::PersonalLoan;
    loanData.years = 2.5;
    ASSERT_TRUE(SaveTableFile(table, testing::SampleTable()));
    ASSERT_TRUE(SaveTableFile(loan, loanData));
    ASSERT_TRUE(SaveComparisonFile(comparison, testing::SampleComparison(3)));
    ASSERT_TRUE(SavePersonalSettings(settings, {1, "Home Owner", "EUR", 3}));

    auto j = Read(table);
    EXPECT_EQ(j["kind"], "table");
    EXPECT_EQ(j["mode"], "mortgage");
    EXPECT_EQ(j["layout"], "current");
    EXPECT_EQ(j["frequency"], " Biweekly(Acc)");
    EXPECT_EQ(j["daysInYear"], 364.5);
    EXPECT_EQ(j["paymentIncrease"], 0.05);
    EXPECT_EQ(j["extraYears"], 25);
    EXPECT_EQ(j["yearRecords"][2]["amount"], 1500.5);

    j = Read(loan);
    EXPECT_EQ(j["mode"], "loan");
    EXPECT_EQ(j["years"], 2.5);

    j = Read(comparison);
    EXPECT_EQ(j["kind"], "comparison");
    EXPECT_EQ(j["rowCount"], 3);
    EXPECT_EQ(j["grid1"][2][5], "*25.00");
    EXPECT_EQ(j["grid2"].size(), 10u);
    EXPECT_EQ(j["graph"][1]["label"], "Row  2");
    EXPECT_EQ(j["printout"], testing::SampleComparison(3).state.printout);
    EXPECT_EQ(j["listingLabels"][0][0], "Yr. Mth Row");

    EXPECT_EQ(Read(settings),
              nlohmann::json::parse(R"({"kind":"settings","printerFontChoice":1,"userName":"Home Owner",
                                        "currencySymbol":"EUR","compoundSetting":3})"));
}

// The rate changes and the rounding by meaning, with the command line's names
// for the choices; a file without them shows none and exact rounding.
TEST(ReadCli, ShowsRateChangesAndRounding) {
    testing::TempDir dir;
    TableFileData table = testing::SampleTable();
    table.rateChanges = {{6, 1, 5.25, RateChangePayment::Recalculate}, {3, 7, 12.5, RateChangePayment::Keep}};
    table.rounding = Rounding::Lender;
    ComparisonFile comparison = testing::SampleComparison(2);
    comparison.inputs.rateChanges = {{2, 12, 0, RateChangePayment::Keep}};
    const std::string withChanges = dir.File("renewals.qmd");
    const std::string nextRow = dir.File("next.qcd");
    const std::string plain = dir.File("plain.qmd");
    const std::string plainComparison = dir.File("plain.qcd");
    ASSERT_TRUE(SaveTableFile(withChanges, table));
    ASSERT_TRUE(SaveComparisonFile(nextRow, comparison));
    ASSERT_TRUE(SaveTableFile(plain, testing::SampleTable()));
    ASSERT_TRUE(SaveComparisonFile(plainComparison, testing::SampleComparison(2)));

    auto j = Read(withChanges);
    EXPECT_EQ(j["rateChanges"], nlohmann::json::parse(R"([
        {"year": 6, "month": 1, "rate": 5.25, "paymentChange": "recalculate"},
        {"year": 3, "month": 7, "rate": 12.5, "paymentChange": "keep"}])"));
    EXPECT_EQ(j["rounding"], "lender");
    j = Read(nextRow);
    EXPECT_EQ(j["rateChanges"],
              nlohmann::json::parse(R"([{"year": 2, "month": 12, "rate": 0, "paymentChange": "keep"}])"));
    EXPECT_EQ(j["rounding"], "exact");
    for (const std::string& path : {plain, plainComparison}) {
        j = Read(path);
        EXPECT_EQ(j["rateChanges"], nlohmann::json::array()) << path;
        EXPECT_EQ(j["rounding"], "exact") << path;
    }
}

// The prepayments by meaning; a file without them shows none.
TEST(ReadCli, ShowsPrepayments) {
    testing::TempDir dir;
    TableFileData table = testing::SampleTable();
    table.prepayments.recurring = {Currency::FromDouble(100), 2, 1, 0, 12};
    table.prepayments.oneTime = {{3, 3, Currency::FromDouble(8000)}, {3, 9, Currency::FromDouble(8000.5)}};
    table.prepayments.effect = PrepaymentEffect::LowerPayment;
    table.prepayments.yearlyLimitPercent = 15;
    ComparisonFile comparison = testing::SampleComparison(2);
    comparison.inputs.prepayments.recurring = {Currency::FromDouble(50), 1, 6, 5, 12};
    const std::string withPrepayments = dir.File("prepaid.qmd");
    const std::string nextRow = dir.File("next.qcd");
    const std::string plain = dir.File("plain.qmd");
    ASSERT_TRUE(SaveTableFile(withPrepayments, table));
    ASSERT_TRUE(SaveComparisonFile(nextRow, comparison));
    ASSERT_TRUE(SaveTableFile(plain, testing::SampleTable()));

    EXPECT_EQ(Read(withPrepayments)["prepayments"], nlohmann::json::parse(R"({
        "recurring": {"amount": 100, "fromYear": 2, "fromMonth": 1, "toYear": null, "toMonth": null},
        "oneTime": [{"year": 3, "month": 3, "amount": 8000}, {"year": 3, "month": 9, "amount": 8000.5}],
        "effect": "lower-payment", "yearlyLimit": 15, "increaseLimit": null})"));
    EXPECT_EQ(Read(nextRow)["prepayments"]["recurring"],
              nlohmann::json::parse(
                  R"({"amount": 50, "fromYear": 1, "fromMonth": 6, "toYear": 5, "toMonth": 12})"));
    EXPECT_EQ(Read(plain)["prepayments"], nlohmann::json::parse(R"({"recurring": null, "oneTime": [],
        "effect": "shorten", "yearlyLimit": null, "increaseLimit": null})"));
}

// A qualifying file by meaning, with the command line's names for the choices.
TEST(ReadCli, ShowsAQualifyingFile) {
    testing::TempDir dir;
    const std::string path = dir.File("Buyer.QQD");
    testing::WriteBytes(path,
                        "\"Qualifying\",1\r\n"
                        "\"Rules\",\"United States\",28,36,0,2,5.25,3,0.5\r\n"
                        "\"Borrowers\",85000,40000,350,2000\r\n"
                        "\"Home\",4800,1500,0,250,60000\r\n"
                        "\"Mortgage\",6.5,\"      Monthly\",\"      Monthly\",30\r\n");
    const auto j = Read(path);
    EXPECT_EQ(j["kind"], "qualifying");
    EXPECT_EQ(j["rules"], "us");
    EXPECT_EQ(j["income2"], 40000);
    EXPECT_EQ(j["cardBalances"], 2000);
    EXPECT_EQ(j["condoFees"], 250);
    EXPECT_EQ(j["downPayment"], 60000);
    EXPECT_EQ(j["rate"], 6.5);
    EXPECT_EQ(j["compounding"], "monthly");
    EXPECT_EQ(j["years"], 30);
    EXPECT_EQ(j["limits"]["tds"], 36);
    EXPECT_EQ(j["limits"]["stressTest"], false);
    EXPECT_EQ(j["limits"]["mortgageInsurance"], 0.5);
}

TEST(ReadCli, UnknownNamesAreTriedWithEveryReader) {
    testing::TempDir dir;
    const std::string path = dir.File("backup.dat");
    ASSERT_TRUE(SaveComparisonFile(path, testing::SampleComparison(1)));
    EXPECT_EQ(Read(path)["kind"], "comparison");
    testing::WriteBytes(path, "0,\"Ren\xe9\",\"\x80\",0\r\n");
    EXPECT_EQ(Read(path)["kind"], "settings");
}

TEST(ReadCli, AFileItCannotReadGivesOneLineAndStatusOne) {
    testing::TempDir dir;
    const std::string good = dir.File("good.qmd");
    ASSERT_TRUE(SaveTableFile(good, testing::SampleTable()));
    const std::string bytes = testing::ReadBytes(good);
    // Comparison files the window refuses to open: `read` refuses them alike.
    const std::string comparison = FormatComparisonFile(testing::SampleComparison(2));
    const auto spoiled = [&comparison](std::string_view what, std::string_view with) {
        std::string out = comparison;
        return out.replace(out.find(what), what.size(), with);
    };
    const std::pair<const char*, std::string> files[] = {
        {"hourly.qcd", spoiled("\"      Monthly\"", "\"      Hourly\"")},
        {"graphs.qcd", spoiled(",2,12,\"O\"", ",3,12,\"O\"")},
        {"cut.qmd", bytes.substr(0, bytes.size() / 2)},
        {"binary.qmd", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"empty.qcd", ""},
        {"Personal.Mtg", "0,\"x\",\"$\",9\r\n"},
        {"noise.txt", "\xff\xfe\x01,,,\"\r\n"},
    };
    std::vector<std::string> args;
    for (const auto& [name, content] : files) {
        testing::WriteBytes(dir.File(name), content);
        args.push_back("read " + ShellQuote(dir.File(name)));
    }
    args.push_back("read " + ShellQuote(dir.File("missing.qmd")));
    args.push_back("read " + ShellQuote(dir.Path().string()));
    args.push_back("read --kind comparison " + ShellQuote(good));
    for (const std::string& arg : args) {
        const auto run = RunCli(arg);
        EXPECT_EQ(run.status, 1) << arg;
        EXPECT_TRUE(run.out.empty()) << arg;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arg << ": " << run.err;
        EXPECT_TRUE(run.err.starts_with("amortix-cli: ")) << run.err;
    }
    const std::pair<const char*, const char*> reasons[] = {
        {"cut.qmd", "the file ends too early"},
        {"hourly.qcd", "line 1, field 4: not a compounding the lists offer"},
        {"graphs.qcd", "counts that no comparison can have"},
    };
    for (const auto& [name, reason] : reasons) {
        const auto run = RunCli("read " + ShellQuote(dir.File(name)));
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCli("read --kind pie " + ShellQuote(good)).status, 2);
}

}  // namespace
}  // namespace amortix
