// The prepayments in table and comparison files: the records' bytes, files
// without them unchanged, the schedule after a save and an open, and every
// record the readers refuse.

#include <gtest/gtest.h>

#include <string>

#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
#include "core/files/prepayment_records.h"
#include "core/files/table_file.h"
#include "core/forms/comparison_table.h"

namespace amortix {
namespace {

using testing::SampleComparison;
using testing::SampleTable;

Currency Money(double amount) {
    return Currency::FromDouble(amount);
}

// ---- the bytes ------------------------------------------------------------------

// Worked by hand from the record layout: each record only when it holds
// something, after the rate changes and rounding and before the costs.
TEST(PrepaymentRecords, FilesWithoutThemAreTheFilesOfBefore) {
    Prepayments everything;
    everything.recurring = {Money(100), 2, 1, 0, 12};
    everything.oneTime = {{3, 3, Money(8000)}, {3, 9, Money(8000.25)}};
    everything.effect = PrepaymentEffect::LowerPayment;
    everything.yearlyLimitPercent = 15;
    Prepayments limitOnly;
    limitOnly.increaseLimitPercent = 12.5;
    Prepayments spanned;
    spanned.recurring = {Money(0.01), 1, 6, 40, 12};
    spanned.oneTime = {{40, 12, Money(0)}};
    const struct {
        const char* what;
        Prepayments p;
        const char* records;
    } cases[] = {
        {"nothing", {}, ""},
        {"everything", everything,
         "\"Every payment\",100,2,1,,\r\n"
         "\"One-time amount\",3,3,8000\r\n"
         "\"One-time amount\",3,9,8000.25\r\n"
         "\"Prepayment terms\",\"Lower the payment\",15,\r\n"},
        {"a limit alone", limitOnly, "\"Prepayment terms\",\"Shorten the term\",,12.5\r\n"},
        {"a span to the last month, and an amount of nothing", spanned,
         "\"Every payment\",0.01,1,6,40,12\r\n\"One-time amount\",40,12,0\r\n"},
    };
    for (const auto& c : cases) {
        TableFileData table = SampleTable();
        const std::string tableBefore = FormatTableFile(table);
        table.prepayments = c.p;
        EXPECT_EQ(FormatTableFile(table), tableBefore + c.records) << c.what;
        const auto read = ParseTableFile(FormatTableFile(table));
        ASSERT_TRUE(read.ok()) << c.what << ": " << read.error();
        EXPECT_EQ(read->prepayments, c.p) << c.what;

        ComparisonFile comparison = SampleComparison(3);
        const std::string comparisonBefore = FormatComparisonFile(comparison);
        comparison.inputs.prepayments = c.p;
        EXPECT_EQ(FormatComparisonFile(comparison), comparisonBefore + c.records) << c.what;
        const auto opened = ParseComparisonFile(FormatComparisonFile(comparison), 365);
        ASSERT_TRUE(opened.ok()) << c.what << ": " << opened.error();
        EXPECT_EQ(opened->inputs.prepayments, c.p) << c.what;
    }
}

TEST(PrepaymentRecords, TheyComeBetweenTheRoundingAndTheCosts) {
    TableFileData t = SampleTable();
    t.rateChanges = {{6, 1, 5.25, RateChangePayment::Recalculate}};
    t.rounding = Rounding::Lender;
    t.prepayments.oneTime = {{2, 1, Money(1000)}};
    Costs costs;
    costs.propertyTaxYearly = 3600;
    t.costs = costs;
    const std::string bytes = FormatTableFile(t);
    const auto rounding = bytes.find("\"Rounding\"");
    const auto once = bytes.find("\"One-time amount\"");
    const auto costsAt = bytes.find("\"Costs\"");
    EXPECT_LT(rounding, once);
    EXPECT_LT(once, costsAt);
    const auto read = ParseTableFile(bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value(), t);
}

// ---- save and open: the same schedule -------------------------------------------

TEST(PrepaymentRecords, TableSavedAndOpenedGivesTheSameSchedule) {
    ScheduleInputs saved;
    saved.years = 25;
    saved.view = ScheduleView::AllPayments;
    saved.firstPaymentDate = SerialFromCivil(2026, 1, 15);
    saved.rateChanges = {{6, 1, 7.5, RateChangePayment::Recalculate}};
    saved.prepayments.recurring = {Money(100), 2, 1, 10, 6};
    saved.prepayments.oneTime = {{3, 9, Money(8000)}, {3, 3, Money(8000)}};
    saved.prepayments.effect = PrepaymentEffect::LowerPayment;
    saved.prepayments.yearlyLimitPercent = 10;
    const auto file = ParseTableFile(FormatTableFile(TableFileFromInputs(saved)));
    ASSERT_TRUE(file.ok()) << file.error();
    // Opened over a screen with prepayments of its own: the file's replace them.
    ScheduleInputs current;
    current.prepayments.oneTime = {{1, 1, Money(5)}};
    const auto opened = InputsFromTableFile(file.value(), current);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->prepayments, saved.prepayments);
    const ScheduleResult a = CalculateSchedule(saved);
    const ScheduleResult b = CalculateSchedule(opened.value());
    EXPECT_EQ(a.messages, b.messages);
    EXPECT_EQ(a.summary.totalPaid, b.summary.totalPaid);
    EXPECT_EQ(a.summary.prepayments.interestSaved, b.summary.prepayments.interestSaved);
    EXPECT_EQ(a.payments, b.payments);

    // A file without prepayments opens without them, whatever the screen held.
    ScheduleInputs without = saved;
    without.prepayments = {};
    const auto plain =
        InputsFromTableFile(ParseTableFile(FormatTableFile(TableFileFromInputs(without))).value(), current);
    ASSERT_TRUE(plain.ok()) << plain.error();
    EXPECT_EQ(plain->prepayments, Prepayments{});
}

TEST(PrepaymentRecords, ComparisonSavedAndOpenedGivesTheSameNextRow) {
    ComparisonInputs in;
    in.prepayments.recurring = {Money(250), 1, 1, 0, 12};
    in.prepayments.oneTime = {{5, 6, Money(20000)}};
    in.prepayments.effect = PrepaymentEffect::LowerPayment;
    ComparisonTable table;
    ASSERT_TRUE(table.Calculate(in).added);
    const auto opened =
        ParseComparisonFile(FormatComparisonFile(ComparisonFile(in, table.State())), in.dayBasis.days);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->inputs.prepayments, in.prepayments);
    const ComparisonRowOutcome before = CalculateComparisonRow(in, 2);
    const ComparisonRowOutcome after = CalculateComparisonRow(opened->inputs, 2);
    ASSERT_TRUE(before.row && after.row);
    EXPECT_EQ(*after.row, *before.row);
}

// ---- what the readers refuse ----------------------------------------------------

TEST(PrepaymentRecords, MalformedRecordsRefuseTheWholeFile) {
    const std::string table = FormatTableFile(SampleTable());
    const std::string comparison = FormatComparisonFile(SampleComparison(2));
    const std::string costs =
        "\"Costs\",,0,0,\"Paid in cash\",0,\"Paid in cash\",0,\"Paid in cash\","
        "\"None\",,0,0,3600,0,0,0,5\r\n";
    std::string hundredAndOne;
    for (int k = 0; k <= kOneTimePrepaymentLimit; ++k) hundredAndOne += "\"One-time amount\",1,1,1\r\n";
    const struct {
        const char* what;
        std::string records;
        bool tableOnly = false;
    } cases[] = {
        {"too few fields", "\"Every payment\",100,1,1,\r\n"},
        {"too many fields", "\"One-time amount\",1,1,1,1\r\n"},
        {"an amount of nothing every payment", "\"Every payment\",0,1,1,,\r\n"},
        {"an amount above the largest", "\"One-time amount\",1,1,10000000\r\n"},
        {"a negative amount", "\"One-time amount\",1,1,-1\r\n"},
        {"an amount that is text", "\"One-time amount\",1,1,\"100\"\r\n"},
        {"year 0", "\"One-time amount\",0,1,1\r\n"},
        {"year 41", "\"Every payment\",1,41,1,,\r\n"},
        {"month 13", "\"One-time amount\",1,13,1\r\n"},
        {"a fraction of a year", "\"One-time amount\",1.5,1,1\r\n"},
        {"an end before the start", "\"Every payment\",1,5,2,5,1\r\n"},
        {"an end year without its month", "\"Every payment\",1,1,1,5,\r\n"},
        {"two every-payment records", "\"Every payment\",1,1,1,,\r\n\"Every payment\",1,1,1,,\r\n"},
        {"every payment after a one-time amount",
         "\"One-time amount\",1,1,1\r\n\"Every payment\",1,1,1,,\r\n"},
        {"a one-time amount after the terms",
         "\"Prepayment terms\",\"Lower the payment\",,\r\n\"One-time amount\",1,1,1\r\n"},
        {"two terms",
         "\"Prepayment terms\",\"Lower the payment\",,\r\n\"Prepayment terms\",\"Lower the payment\",,\r\n"},
        {"terms that say nothing", "\"Prepayment terms\",\"Shorten the term\",,\r\n"},
        {"no such effect", "\"Prepayment terms\",\"Lower the term\",,\r\n"},
        {"an effect not quoted", "\"Prepayment terms\",1,,\r\n"},
        {"a limit above 100 %", "\"Prepayment terms\",\"Shorten the term\",100.5,\r\n"},
        {"a negative limit", "\"Prepayment terms\",\"Shorten the term\",,-1\r\n"},
        {"a tag misspelt", "\"One-time amounts\",1,1,1\r\n"},
        {"101 one-time amounts", hundredAndOne},
        {"a rate change after the prepayments",
         "\"One-time amount\",1,1,1\r\n\"Rate change\",3,1,5,\"Keep\"\r\n"},
        {"the rounding after the prepayments",
         "\"One-time amount\",1,1,1\r\n\"Rounding\",\"Rounded as lenders do\"\r\n"},
        {"the prepayments after the costs", costs + "\"One-time amount\",1,1,1\r\n", true},
    };
    for (const auto& c : cases) {
        const auto t = ParseTableFile(table + c.records);
        EXPECT_FALSE(t.ok()) << c.what;
        if (c.tableOnly) continue;
        const auto k = ParseComparisonFile(comparison + c.records, 365);
        EXPECT_FALSE(k.ok()) << c.what;
    }
    // The costs after the prepayments are where they belong.
    const auto both = ParseTableFile(table + "\"One-time amount\",1,1,1\r\n" + costs);
    EXPECT_TRUE(both.ok()) << both.error();
}

// A save refuses what would not open again.
TEST(PrepaymentRecords, ASaveRefusesWhatWouldNotOpen) {
    Prepayments tooMany;
    tooMany.oneTime.assign(kOneTimePrepaymentLimit + 1, {1, 1, Money(1)});
    Prepayments month13;
    month13.oneTime = {{1, 13, Money(1)}};
    Prepayments backwards;
    backwards.recurring = {Money(1), 5, 2, 5, 1};
    Prepayments overLimit;
    overLimit.yearlyLimitPercent = 101;
    for (const Prepayments& p : {tooMany, month13, backwards, overLimit}) {
        TableFileData t = SampleTable();
        t.prepayments = p;
        EXPECT_THROW(FormatTableFile(t), FormatError);
        ComparisonFile c = SampleComparison(1);
        c.inputs.prepayments = p;
        EXPECT_THROW(FormatComparisonFile(c), FormatError);
    }
}

}  // namespace
}  // namespace amortix
