// The costs in table files: the record's bytes, files without costs
// unchanged, the costs and their figures after a save and an open, and every
// record the reader refuses.

#include <gtest/gtest.h>

#include <string>

#include "core/costs_samples.h"
#include "core/files/costs_records.h"
#include "core/files/file_samples.h"
#include "core/files/table_file.h"

namespace amortix {
namespace {

using testing::SampleTable;

Costs FeesOnly() {
    Costs c;
    c.pointsPercent = 0.375;
    c.pointsPaid = FeePayment::Financed;
    c.closingCostsPaid = FeePayment::Financed;
    c.insurance = InsuranceKind::UnitedStates;  // kept as entered, even without a price
    c.canadianPremiumPercent = 2.75;
    c.usAnnualPercent = 0.45;
    c.termYears = 10;
    return c;
}

// Worked by hand from the record's layout: after everything else, one line.
const std::string kCanadaRecord =
    "\"Costs\",500000,25000,1,\"Paid in cash\",1000,\"Added to the loan\",1500,\"Paid in cash\","
    "\"Canada\",,8,0,3600,1200,300,100,5\r\n";

TEST(CostsRecord, TheRecordFollowsTheRateChangesAndTheRounding) {
    const struct {
        const char* what;
        Costs costs;
        std::string record;
    } cases[] = {
        {"a Canadian purchase", testing::CanadianPurchase(), kCanadaRecord},
        {"fees without a price", FeesOnly(),
         "\"Costs\",,0,0.375,\"Added to the loan\",0,\"Paid in cash\",0,\"Added to the loan\","
         "\"United States\",2.75,0,0.45,0,0,0,0,10\r\n"},
    };
    for (const auto& c : cases) {
        TableFileData t = SampleTable();
        t.rateChanges = {{3, 1, 5.25, RateChangePayment::Recalculate}};
        t.rounding = Rounding::Lender;
        const std::string before = FormatTableFile(t);
        t.costs = c.costs;
        const std::string bytes = FormatTableFile(t);
        EXPECT_EQ(bytes, before + c.record) << c.what;
        const auto back = ParseTableFile(bytes);
        ASSERT_TRUE(back.ok()) << c.what << ": " << back.error();
        EXPECT_EQ(back.value(), t) << c.what;
        EXPECT_EQ(FormatTableFile(back.value()), bytes) << c.what;
        EXPECT_TRUE(CostsFromTableFile(back.value()).value() == c.costs) << c.what;
    }
}

// Without costs, or with only the term changed, not a byte changes.
TEST(CostsRecord, FilesWithoutCostsAreTheFilesOfBefore) {
    ScheduleInputs in;
    in.rateChanges = {{2, 1, 7, RateChangePayment::Keep}};
    const std::string before = FormatTableFile(TableFileFromInputs(in));
    Costs onlyTerm;
    onlyTerm.termYears = 2;
    for (const Costs& none : {Costs{}, onlyTerm}) {
        const TableFileData data = TableFileFromInputs(in, none);
        EXPECT_FALSE(data.costs);
        EXPECT_EQ(FormatTableFile(data), before);
    }
    // A file without the record opens with no costs.
    const auto opened = ParseTableFile(before);
    ASSERT_TRUE(opened.ok()) << opened.error();
    const auto costs = CostsFromTableFile(opened.value());
    ASSERT_TRUE(costs.ok()) << costs.error();
    EXPECT_EQ(costs.value(), Costs{});
}

// Record 1 of a table with no year records; the records under test start on line 2.
const std::string kTableHead =
    "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"1/1/99\",0,1,1,0,0,1,365,0,0\r\n";

// The Canadian purchase's record with `field` (1 the first after the tag) replaced.
std::string CostsWith(int field, const std::string& text) {
    std::string out;
    std::size_t from = 0;
    for (int k = 0; k < 18; ++k) {
        const std::size_t end = kCanadaRecord.find_first_of(",\r", from);
        out += (k ? "," : "") + (k == field ? text : kCanadaRecord.substr(from, end - from));
        from = end + 1;
    }
    return out + "\r\n";
}

TEST(CostsRecord, EveryMalformedRecordRefusesTheTable) {
    const std::string& good = kCanadaRecord;
    const std::string change = "\"Rate change\",3,1,5,\"Keep\"\r\n";
    const struct {
        std::string records;  // after record 1
        const char* reason;
    } cases[] = {
        {"\"Costs\",1,0\r\n", "line 2: a costs record holds its tag and 17 fields"},
        {CostsWith(1, "10000000"), "line 2, field 2: outside 0 to 9999999.99"},
        {CostsWith(1, "\"500000\""), "line 2, field 2: a text where a number belongs"},
        {CostsWith(2, "500000"), "line 2, field 3: a down payment not below the price"},
        {CostsWith(3, "25.5"), "line 2, field 4: outside 0 to 25"},
        {CostsWith(6, "Added to the loan"),
         "line 2, field 7: neither \"Paid in cash\" nor \"Added to the loan\""},
        {CostsWith(9, "\"canada\""), "line 2, field 10: no such insurance"},
        {CostsWith(10, "-0.5"), "line 2, field 11: outside 0 to 25"},
        {CostsWith(16, ""), "line 2, field 17: empty where a number belongs"},
        {CostsWith(17, "2.5"), "line 2, field 18: not a whole number from 1 to 10"},
        {"\"Costs\",,5,0,\"Paid in cash\",0,\"Paid in cash\",0,\"Paid in cash\",\"None\",,0,0,0,0,0,0,5\r\n",
         "line 2, field 3: a down payment without a price"},
        {"\"Costs\",,0,0,\"Paid in cash\",0,\"Paid in cash\",0,\"Paid in cash\",\"None\",,0,0,0,0,0,0,5\r\n",
         "line 2, field 18: a costs record without any cost"},
        {good + change, "line 3: more data after the costs"},
        {"\"costs\",1\r\n", "line 2: unknown record \"costs\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTableFile(kTableHead + c.records).error(), c.reason) << c.records;

    // After the rate changes and the rounding, with blank lines and LF line ends after it.
    const std::string rounding = "\"Rounding\",\"Rounded as lenders do\"\r\n";
    for (const std::string& records : {change + rounding + good + "\r\n \r\n", change + good, good}) {
        const auto t = ParseTableFile(kTableHead + records);
        ASSERT_TRUE(t.ok()) << t.error();
        EXPECT_EQ(t->costs, testing::CanadianPurchase());
    }
    // A file of the previous layout was never written with them.
    EXPECT_EQ(
        ParseTableFile("20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"1/1/99\",0,2,2,0,0,2\r\n" + good)
            .error(),
        "line 2: more data after the last year record");
}

// A save refuses what would not open again, whoever built the data.
TEST(CostsRecord, ASaveRefusesCostsTheReaderWould) {
    Costs outside = testing::CanadianPurchase();
    outside.termYears = 0;
    Costs downTooLarge = testing::CanadianPurchase();
    downTooLarge.downPayment = 600000;
    for (const Costs& costs : {Costs{}, outside, downTooLarge}) {
        TableFileData t = SampleTable();
        t.costs = costs;
        EXPECT_THROW(FormatTableFile(t), FormatError);
        EXPECT_FALSE(CostsFromTableFile(t).ok());
    }
}

}  // namespace
}  // namespace amortix
