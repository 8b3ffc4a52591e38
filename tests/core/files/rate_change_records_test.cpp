// The rate changes and the rounding in table and comparison files: the
// records' bytes, files without them unchanged, the inputs and the schedule
// they give after a save and an open, and every record the readers refuse.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calc/limits.h"
#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
#include "core/files/rate_change_records.h"
#include "core/files/table_file.h"
#include "core/forms/comparison_table.h"

namespace amortix {
namespace {

using testing::SampleComparison;
using testing::SampleTable;

constexpr RateChangePayment kRecalc = RateChangePayment::Recalculate;
constexpr RateChangePayment kKeep = RateChangePayment::Keep;

// The line the next record of `bytes` starts on.
int NextLine(const std::string& bytes) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

// ---- the bytes ------------------------------------------------------------------

// Worked by hand from the record layout: the table's records as before, then
// one record per change in the user's order, then the rounding.
TEST(RateChangeRecords, TableRecordsFollowTheYearRecords) {
    TableFileData t = SampleTable();
    t.yearRecords.resize(2);
    t.rateChanges = {{7, 6, 6.5, kKeep}, {3, 1, 5.25, kRecalc}};
    t.rounding = Rounding::Lender;
    EXPECT_EQ(FormatTableFile(t),
              "100000,10.125,25,\"   Semiannual\",\" Biweekly(Acc)\",\"6/1/24\",1,4,2,2,2,1,364.5,2,0.05\r\n"
              "1,0\r\n2,0\r\n"
              "\"Rate change\",7,6,6.5,\"Keep\"\r\n"
              "\"Rate change\",3,1,5.25,\"Recalculate\"\r\n"
              "\"Rounding\",\"Rounded as lenders do\"\r\n");
}

// A file with the new inputs is the file without them and the records after
// it; without them, not a byte changes (the pinned layouts are in files_test.cpp).
TEST(RateChangeRecords, FilesWithoutThemAreTheFilesOfBefore) {
    const struct {
        const char* what;
        std::vector<RateChange> changes;
        Rounding rounding;
        const char* records;  // worked by hand
    } cases[] = {
        {"nothing", {}, Rounding::Exact, ""},
        {"rounding alone", {}, Rounding::Lender, "\"Rounding\",\"Rounded as lenders do\"\r\n"},
        {"a change alone",
         {{2, 12, 0.125, kKeep}},
         Rounding::Exact,
         "\"Rate change\",2,12,0.125,\"Keep\"\r\n"},
        {"the edges",
         {{40, 12, 100, kRecalc}, {1, 2, 0, kKeep}},
         Rounding::Exact,
         "\"Rate change\",40,12,100,\"Recalculate\"\r\n\"Rate change\",1,2,0,\"Keep\"\r\n"},
    };
    for (const auto& c : cases) {
        TableFileData table = SampleTable();
        const std::string tableBefore = FormatTableFile(table);
        table.rateChanges = c.changes;
        table.rounding = c.rounding;
        EXPECT_EQ(FormatTableFile(table), tableBefore + c.records) << c.what;

        ComparisonFile comparison = SampleComparison(3);
        const std::string comparisonBefore = FormatComparisonFile(comparison);
        comparison.inputs.rateChanges = c.changes;
        comparison.inputs.rounding = c.rounding;
        EXPECT_EQ(FormatComparisonFile(comparison), comparisonBefore + c.records) << c.what;
    }
}

// ---- save and open: the same inputs, the same schedule ---------------------------

void ExpectSameSchedule(const ScheduleResult& a, const ScheduleResult& b, const char* what) {
    EXPECT_EQ(a.messages, b.messages) << what;
    EXPECT_EQ(a.summary.payment, b.summary.payment) << what;
    EXPECT_EQ(a.summary.totalPaid, b.summary.totalPaid) << what;
    EXPECT_EQ(a.summary.interestSaved, b.summary.interestSaved) << what;
    EXPECT_EQ(a.summary.rateChanges, b.summary.rateChanges) << what;
    ASSERT_EQ(a.rows.size(), b.rows.size()) << what;
    for (std::size_t k = 0; k < a.rows.size(); ++k) {
        EXPECT_EQ(a.rows[k].interest, b.rows[k].interest) << what << " row " << k;
        EXPECT_EQ(a.rows[k].balance, b.rows[k].balance) << what << " row " << k;
        EXPECT_EQ(a.rows[k].ratePercent, b.rows[k].ratePercent) << what << " row " << k;
    }
}

struct Plan {
    const char* what;
    TableKind mode;
    std::vector<RateChange> changes;
    Rounding rounding;
};

std::vector<Plan> Plans() {
    std::vector<RateChange> twenty;
    for (int k = 0; k < kRateChangeLimit; ++k)
        twenty.push_back({static_cast<std::int16_t>(2 + k), static_cast<std::int16_t>(1 + k % 12),
                          5.0 + 0.375 * k, k % 3 == 0 ? kKeep : kRecalc});
    return {
        {"renewals with lender rounding",
         TableKind::Mortgage,
         {{6, 1, 5.25, kRecalc}, {11, 1, 7.5, kRecalc}},
         Rounding::Lender},
        {"a variable rate moving mid-year",
         TableKind::Mortgage,
         {{4, 3, 9, kKeep}, {3, 7, 12, kKeep}},
         Rounding::Exact},
        {"rounding alone", TableKind::Mortgage, {}, Rounding::Lender},
        {"the twenty a file holds", TableKind::Mortgage, twenty, Rounding::Lender},
        {"a loan", TableKind::PersonalLoan, {{2, 6, 8.1, kKeep}}, Rounding::Lender},
        {"the edges of the ranges",
         TableKind::Mortgage,
         {{40, 12, 100, kKeep}, {1, 2, 0, kRecalc}},
         Rounding::Exact},
    };
}

ScheduleInputs TableInputs(const Plan& plan) {
    ScheduleInputs in;
    in.mode = plan.mode;
    in.years = plan.mode == TableKind::PersonalLoan ? 5 : 25;
    in.view = ScheduleView::AllPayments;
    in.frequency = Frequency::BiweeklyAccelerated;
    in.firstPaymentDate = SerialFromCivil(2026, 1, 15);
    in.rateChanges = plan.changes;
    in.rounding = plan.rounding;
    return in;
}

TEST(RateChangeRecords, TableSavedAndOpenedGivesTheSameInputsAndSchedule) {
    for (const Plan& plan : Plans()) {
        const ScheduleInputs saved = TableInputs(plan);
        const auto file = ParseTableFile(FormatTableFile(TableFileFromInputs(saved)));
        ASSERT_TRUE(file.ok()) << plan.what << ": " << file.error();
        // Opened over a screen with a plan of its own: the file's replaces it.
        ScheduleInputs current;
        current.rateChanges = {{5, 1, 3, kKeep}};
        current.rounding = plan.rounding == Rounding::Lender ? Rounding::Exact : Rounding::Lender;
        const auto opened = InputsFromTableFile(file.value(), current);
        ASSERT_TRUE(opened.ok()) << plan.what << ": " << opened.error();
        EXPECT_EQ(opened->rateChanges, plan.changes) << plan.what;
        EXPECT_EQ(opened->rounding, plan.rounding) << plan.what;
        ExpectSameSchedule(CalculateSchedule(saved), CalculateSchedule(opened.value()), plan.what);
    }
}

TEST(RateChangeRecords, ComparisonSavedAndOpenedGivesTheSameNextRow) {
    for (const Plan& plan : Plans()) {
        if (plan.mode != TableKind::Mortgage) continue;
        ComparisonInputs in;
        in.frequency = Frequency::WeeklyAccelerated;
        in.rateChanges = plan.changes;
        in.rounding = plan.rounding;
        ComparisonTable table;
        ASSERT_TRUE(table.Calculate(in).added) << plan.what;
        const auto opened =
            ParseComparisonFile(FormatComparisonFile(ComparisonFile(in, table.State())), in.dayBasis.days);
        ASSERT_TRUE(opened.ok()) << plan.what << ": " << opened.error();
        EXPECT_EQ(opened->inputs.rateChanges, plan.changes) << plan.what;
        EXPECT_EQ(opened->inputs.rounding, plan.rounding) << plan.what;
        // The row the opened screen calculates next is the one it would have.
        const ComparisonRowOutcome before = CalculateComparisonRow(in, 2);
        const ComparisonRowOutcome after = CalculateComparisonRow(opened->inputs, 2);
        ASSERT_TRUE(before.row && after.row) << plan.what;
        EXPECT_EQ(*after.row, *before.row) << plan.what;
        EXPECT_EQ(after.rateChangeMessage, before.rateChangeMessage) << plan.what;
    }
}

// Files written before the records existed open with no changes and exact
// rounding, whatever the screen held.
TEST(RateChangeRecords, AnOldFileOpensWithoutChanges) {
    const auto table = ParseTableFile(
        "100000,10.125,25,\"      Monthly\",\"      "
        "Monthly\",\"2024-03-04\",0,1,1,1,1,1,365,1,0\r\n3,500\r\n");
    ASSERT_TRUE(table.ok()) << table.error();
    EXPECT_TRUE(table->rateChanges.empty());
    ScheduleInputs current;
    current.rateChanges = {{5, 1, 3, kKeep}};
    current.rounding = Rounding::Lender;
    const auto inputs = InputsFromTableFile(table.value(), current);
    ASSERT_TRUE(inputs.ok()) << inputs.error();
    EXPECT_TRUE(inputs->rateChanges.empty());
    EXPECT_EQ(inputs->rounding, Rounding::Exact);

    const auto previous = ParseTableFile(
        "20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"2024-03-04\",0,2,2,1,1,2\r\n1,500\r\n");
    ASSERT_TRUE(previous.ok()) << previous.error();
    const auto previousInputs = InputsFromTableFile(previous.value(), current);
    ASSERT_TRUE(previousInputs.ok()) << previousInputs.error();
    EXPECT_TRUE(previousInputs->rateChanges.empty());
    EXPECT_EQ(previousInputs->rounding, Rounding::Exact);

    const auto comparison = ParseComparisonFile(FormatComparisonFile(SampleComparison(2)), 365.0f);
    ASSERT_TRUE(comparison.ok()) << comparison.error();
    EXPECT_TRUE(comparison->inputs.rateChanges.empty());
    EXPECT_EQ(comparison->inputs.rounding, Rounding::Exact);
}

// ---- what the readers refuse ----------------------------------------------------

// Record 1 of a table with no year records; the records under test start on line 2.
const std::string kTableHead =
    "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"1/1/99\",0,1,1,0,0,1,365,0,0\r\n";
const std::string kChange = "\"Rate change\",3,1,5,\"Keep\"\r\n";
const std::string kRounding = "\"Rounding\",\"Rounded as lenders do\"\r\n";

std::string Repeat(const std::string& record, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += record;
    return out;
}

TEST(RateChangeRecords, EveryMalformedRecordRefusesTheTable) {
    const struct {
        std::string records;  // after record 1
        const char* reason;
    } cases[] = {
        {"\"Rate change\",3,1,5\r\n",
         "line 2: a rate change holds its tag, a year, a month, a rate and \"Recalculate\" or \"Keep\""},
        {"\"Rate change\",3,1,5,\"Keep\",1\r\n", "line 2: a record holds too many fields"},
        {"\"Rate change\",0,5,5,\"Keep\"\r\n", "line 2, field 2: not a whole number from 1 to 40"},
        {"\"Rate change\",41,1,5,\"Keep\"\r\n", "line 2, field 2: not a whole number from 1 to 40"},
        {"\"Rate change\",2.5,1,5,\"Keep\"\r\n", "line 2, field 2: not a whole number from 1 to 40"},
        {"\"Rate change\",\"3\",1,5,\"Keep\"\r\n", "line 2, field 2: a text where a number belongs"},
        {"\"Rate change\",3,0,5,\"Keep\"\r\n", "line 2, field 3: not a whole number from 1 to 12"},
        {"\"Rate change\",3,13,5,\"Keep\"\r\n", "line 2, field 3: not a whole number from 1 to 12"},
        {"\"Rate change\",1,1,5,\"Keep\"\r\n", "line 2, field 3: year 1 month 1 is the first rate itself"},
        {"\"Rate change\",3,1,-0.001,\"Keep\"\r\n", "line 2, field 4: outside 0 to 100"},
        {"\"Rate change\",3,1,100.001,\"Keep\"\r\n", "line 2, field 4: outside 0 to 100"},
        {"\"Rate change\",3,1,,\"Keep\"\r\n", "line 2, field 4: empty where a number belongs"},
        {"\"Rate change\",3,1,1E+999,\"Keep\"\r\n", "line 2, field 4: number out of range"},
        {"\"Rate change\",3,1,5,\"keep\"\r\n", "line 2, field 5: neither \"Recalculate\" nor \"Keep\""},
        {"\"Rate change\",3,1,5,Keep\r\n", "line 2, field 5: neither \"Recalculate\" nor \"Keep\""},
        {"\"Rate change\",3,1,5,\"\"\r\n", "line 2, field 5: neither \"Recalculate\" nor \"Keep\""},
        {Repeat(kChange, 21), "line 22: more than 20 rate changes"},
        {kRounding + kChange, "line 3: a rate change after the rounding record"},
        {kRounding + kRounding, "line 3: a second rounding record"},
        {"\"Rounding\",\"Exact\"\r\n", "line 2, field 2: not \"Rounded as lenders do\""},
        {"\"Rounding\",\"lender\"\r\n", "line 2, field 2: not \"Rounded as lenders do\""},
        {"\"Rounding\",Rounded as lenders do\r\n", "line 2, field 2: not \"Rounded as lenders do\""},
        {"\"Rounding\"\r\n", "line 2: a rounding record holds its tag and \"Rounded as lenders do\""},
        {"\"Rounding\",\"Rounded as lenders do\",\"\"\r\n",
         "line 2: a rounding record holds its tag and \"Rounded as lenders do\""},
        {"\"Rate Change\",3,1,5,\"Keep\"\r\n", "line 2: unknown record \"Rate Change\""},
        {kChange + "\"Rate\r\nchange\",3,1,5,\"Keep\"\r\n", "line 3: unknown record"},
        {"Rate change,3,1,5,\"Keep\"\r\n", "line 2: more data after the last year record"},
        {kChange + "1,0\r\n", "line 3: more data after the last year record"},
        {kChange + "\r\n" + kRounding, "line 3: more data after the last year record"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTableFile(kTableHead + c.records).error(), c.reason) << c.records;

    // Twenty, blank lines at the end and LF line ends are all fine.
    for (const std::string& records : {Repeat(kChange, 20) + kRounding + "\r\n \r\n",
                                       std::string("\"Rounding\",\"Rounded as lenders do\"\n")}) {
        const auto t = ParseTableFile(kTableHead + records);
        ASSERT_TRUE(t.ok()) << t.error();
        EXPECT_EQ(t->rounding, Rounding::Lender);
    }
    // A file of the previous layout was never written with them.
    EXPECT_EQ(ParseTableFile("20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"1/1/99\",0,2,2,0,0,2\r\n" +
                             kChange)
                  .error(),
              "line 2: more data after the last year record");
}

TEST(RateChangeRecords, TheComparisonReaderRefusesThemAlike) {
    const std::string good = FormatComparisonFile(SampleComparison(2));
    const int line = NextLine(good);
    const struct {
        std::string records;
        std::string reason;
    } cases[] = {
        {"\"Rate change\",41,1,5,\"Keep\"\r\n",
         "line " + std::to_string(line) + ", field 2: not a whole number from 1 to 40"},
        {kRounding + kChange,
         "line " + std::to_string(line + 1) + ": a rate change after the rounding record"},
        {Repeat(kChange, 21), "line " + std::to_string(line + 20) + ": more than 20 rate changes"},
        // A listing pair too many: two texts, like a rounding record, but no tag.
        {"\"\",\"\"\r\n", "line " + std::to_string(line) + ": unknown record \"\""},
        {"1\r\n", "line " + std::to_string(line) + ": more data after the listing tables"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseComparisonFile(good + c.records, 365.0f).error(), c.reason) << c.records;
    const auto ok = ParseComparisonFile(good + kChange + kRounding, 365.0f);
    ASSERT_TRUE(ok.ok()) << ok.error();
    EXPECT_EQ(ok->inputs.rateChanges, (std::vector<RateChange>{{3, 1, 5, kKeep}}));
}

// The reader takes exactly the changes the calculation takes (message 46).
TEST(RateChangeRecords, TheReaderHoldsChangesToTheCalculationsRanges) {
    const struct {
        int year, month;
        double rate;
        bool taken;  // worked by hand from the ranges: years 1..40, months 1..12, not 1/1, rates 0..100
    } cases[] = {
        {1, 2, 5, true},   {40, 12, 5, true},          {2, 1, 0, true},
        {2, 1, 100, true}, {1, 1, 5, false},           {0, 6, 5, false},
        {41, 1, 5, false}, {2, 0, 5, false},           {2, 13, 5, false},
        {2, 1, -1, false}, {2, 1, 100.0000001, false},
    };
    for (const auto& c : cases) {
        const RateChange change{static_cast<std::int16_t>(c.year), static_cast<std::int16_t>(c.month), c.rate,
                                kRecalc};
        EXPECT_EQ(!RateChangeRefusal({change}).has_value(), c.taken) << c.year << "/" << c.month;
        const std::string record = "\"Rate change\"," + std::to_string(c.year) + "," +
                                   std::to_string(c.month) + "," + DoubleText(c.rate) +
                                   ",\"Recalculate\"\r\n";
        EXPECT_EQ(ParseTableFile(kTableHead + record).ok(), c.taken) << record;
    }
}

}  // namespace
}  // namespace amortix
