#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
#include "core/files/records.h"
#include "core/files/table_file.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

using testing::SampleComparison;
using testing::SampleTable;

std::size_t Count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (auto p = text.find(what); p != std::string_view::npos; p = text.find(what, p + what.size())) ++n;
    return n;
}

// ---- table files ---------------------------------------------------------------

TEST(TableFile, EverySavedTableOpensToTheSameData) {
    std::vector<TableFileData> tables;
    tables.push_back(SampleTable());
    TableFileData loan = SampleTable();
    loan.mode = TableKind::PersonalLoan;
    loan.years = 2.5;  // a 30-month loan
    loan.principal = 20000;
    loan.compounding = "       Annual";
    loan.frequency = "      1 Week";
    loan.firstPaymentDate = "";
    loan.yearRecords.resize(2);
    tables.push_back(loan);
    TableFileData none = SampleTable();
    none.yearRecords.clear();
    none.yearsWithAmounts = 0;
    none.dayBasisChoice = 0;
    none.daysInYear = 365.25f;
    none.paymentIncrease = 0.0f;
    none.ratePercent = 7.0000000001;
    tables.push_back(none);
    TableFileData full = SampleTable();
    full.yearRecords.resize(45, {Currency::FromDouble(45), Currency::FromTicks(-1)});
    tables.push_back(full);
    TableFileData changes = SampleTable();
    changes.rateChanges = {{40, 12, 100, RateChangePayment::Keep}, {1, 2, 1e-7}, {2, 1, 7.0000000001}};
    changes.rounding = Rounding::Lender;
    tables.push_back(changes);

    testing::TempDir dir;
    for (const TableFileData& t : tables) {
        const std::string path = dir.File("table.qmd");
        std::string error;
        ASSERT_TRUE(SaveTableFile(path, t, &error)) << error;
        const auto back = LoadTableFile(path);
        ASSERT_TRUE(back.ok()) << back.error();
        EXPECT_EQ(back.value(), t);
    }
}

TEST(TableFile, WritesTheFifteenFieldLayout) {
    TableFileData t = SampleTable();
    t.yearRecords.resize(3);
    EXPECT_EQ(FormatTableFile(t),
              "100000,10.125,25,\"   Semiannual\",\" Biweekly(Acc)\",\"6/1/24\",1,4,2,3,2,1,364.5,2,0.05\r\n"
              "1,0\r\n2,0\r\n3,1500.5\r\n");
    t.yearRecords.clear();
    t.yearsWithAmounts = 0;
    // N = 0: record 1 only.
    EXPECT_EQ(
        FormatTableFile(t),
        "100000,10.125,25,\"   Semiannual\",\" Biweekly(Acc)\",\"6/1/24\",1,4,2,0,0,1,364.5,2,0.05\r\n");
}

TEST(TableFile, PreviousLayoutOpensWithoutDaysOptionAndPercentage) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"100000,10.125,25,\"      Monthly\",\"      Monthly\",\"1/1/99\",0,1,1,0,0,1\r\n", 0},
        {"20000,9.5,2.5,\"      Monthly\",\"  "
         "Semimonthly\",\"1/1/99\",0,2,2,3,1,2\r\n1,0\r\n2,500\r\n3,0\r\n",
         3},
        {"20000,9.5,2.5,\"      Monthly\",\"  Semimonthly\",\"1/1/99\",0,2,2,1,1,2\n1,500",
         1},  // LF, no final line end
    };
    for (const auto& [bytes, years] : cases) {
        const auto t = ParseTableFile(bytes);
        ASSERT_TRUE(t.ok()) << t.error();
        EXPECT_FALSE(t->daysInYear);
        EXPECT_FALSE(t->extraPaymentType);
        EXPECT_FALSE(t->paymentIncrease);
        EXPECT_EQ(t->yearRecords.size(), years);
    }
    const auto loan = ParseTableFile(cases[1].first);
    EXPECT_EQ(loan->mode, TableKind::PersonalLoan);
    EXPECT_EQ(loan->years, 2.5);
    EXPECT_EQ(loan->frequency, "  Semimonthly");
    EXPECT_EQ(loan->yearRecords[1].amount, Currency::FromDouble(500));
    // Saving always needs the full layout.
    EXPECT_THROW(FormatTableFile(loan.value()), FormatError);
}

TEST(TableFile, RefusesWhatIsNotATableFile) {
    const std::string head = "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"1/1/99\",0,1,1,";
    const std::pair<std::string, const char*> cases[] = {
        {head + "46,0,1,365,0,0\r\n", "line 1, field 10: outside 0 to 45"},
        {head + "0,46,1,365,0,0\r\n", "line 1, field 11: outside 0 to 45"},
        {head + "0,0,3,365,0,0\r\n", "line 1, field 12: outside 1 to 2"},
        {head + "0,0,1,365,3,0\r\n", "line 1, field 14: outside 0 to 2"},
        {head + "0,0,1,365,0\r\n",
         "line 1: 14 fields where a table file has 15 (or 12 in the previous layout)"},
        {head + "0,0,1,365,0,0,0\r\n", "line 1: a record holds too many fields"},
        {head + "2,0,1,365,0,0\r\n1,0\r\n", "line 3: the file ends too early"},
        {head + "1,0,1,365,0,0\r\n1,0,0\r\n", "line 2: a record holds too many fields"},
        {head + "1,0,1,365,0,0\r\n1\r\n", "line 2: a year record holds a year number and an amount"},
        {head + "1,0,1,365,0,0\r\n1,x\r\n", "line 2, field 2: not a number"},
        {head + "0,0,1,365,0,0\r\n1,0\r\n", "line 2: more data after the last year record"},
        {head + "0,0,1,1E+39,0,0\r\n", "line 1, field 13: number out of range"},
        {"100000,10.125,25,\"      Monthly\r\n", "line 1: a text has no closing quote"},
        {"", "line 1: the file ends too early"},
    };
    for (const auto& [bytes, message] : cases) EXPECT_EQ(ParseTableFile(bytes).error(), message) << bytes;
    EXPECT_TRUE(ParseTableFile(head + "0,0,1,365,0,0\r\n\r\n  \r\n").ok());

    testing::TempDir dir;
    EXPECT_FALSE(LoadTableFile(dir.File("missing.qmd")).ok());
    EXPECT_FALSE(LoadTableFile(dir.File("missing.qmd")).error().empty());
}

// Each spoiled copy of `good` is refused with a reason, and the file saved
// from `good` before is left as it was.
template <class Data>
void ExpectRefusedSavesKeepTheFile(bool (*save)(const std::string&, const Data&, std::string*),
                                   const Data& good,
                                   std::initializer_list<std::pair<const char*, void (*)(Data&)>> spoils) {
    testing::TempDir dir;
    const std::string path = dir.File("keep");
    ASSERT_TRUE(save(path, good, nullptr));
    const std::string before = testing::ReadBytes(path);
    for (const auto& [why, spoil] : spoils) {
        Data data = good;
        spoil(data);
        std::string error;
        EXPECT_FALSE(save(path, data, &error)) << why;
        EXPECT_FALSE(error.empty()) << why;
        EXPECT_EQ(testing::ReadBytes(path), before) << why;
    }
    EXPECT_FALSE(save(dir.File("no/folder/x"), good, nullptr));
}

TEST(TableFile, RefusedSaveKeepsThePreviousFile) {
    ExpectRefusedSavesKeepTheFile<TableFileData>(
        SaveTableFile, SampleTable(),
        {
            {"46 years", [](TableFileData& t) { t.yearRecords.resize(46); }},
            {"quote in a text", [](TableFileData& t) { t.firstPaymentDate = "1\"2"; }},
            {"no days in year", [](TableFileData& t) { t.daysInYear.reset(); }},
            {"principal not finite", [](TableFileData& t) { t.principal = 1.0 / 0.0; }},
            {"kind 3", [](TableFileData& t) { t.mode = static_cast<TableKind>(3); }},
            {"option 3", [](TableFileData& t) { t.extraPaymentType = 3; }},
            // Rate changes the calculation refuses (message 46), and choices no list has.
            {"21 rate changes",
             [](TableFileData& t) {
                 t.rateChanges.resize(21, {2, 1, 5});
             }},
            {"a change in year 0",
             [](TableFileData& t) {
                 t.rateChanges = {{0, 5, 5}};
             }},
            {"a change in month 13",
             [](TableFileData& t) {
                 t.rateChanges = {{2, 13, 5}};
             }},
            {"a change at the first payment",
             [](TableFileData& t) {
                 t.rateChanges = {{1, 1, 5}};
             }},
            {"a change to 101 %",
             [](TableFileData& t) {
                 t.rateChanges = {{2, 1, 101}};
             }},
            {"a change to no rate",
             [](TableFileData& t) {
                 t.rateChanges = {{2, 1, std::nan("")}};
             }},
            {"a change's payment 2",
             [](TableFileData& t) {
                 t.rateChanges = {{2, 1, 5, static_cast<RateChangePayment>(2)}};
             }},
            {"rounding 2", [](TableFileData& t) { t.rounding = static_cast<Rounding>(2); }},
        });
}

TEST(TableFile, DayBasisComesFromTheCode) {
    EXPECT_EQ(DayBasisFromCode(0, 300.0f).days, 365.25f);
    EXPECT_EQ(DayBasisFromCode(2, 300.0f).biweeklyPeriods, 26.0);
    const DayBasis typed = DayBasisFromCode(4, 364.5f);
    EXPECT_EQ(typed.choice, DayBasisChoice::Typed);
    EXPECT_DOUBLE_EQ(typed.biweeklyPeriods, 364.5 / 14);
}

// ---- comparison files ------------------------------------------------------------

// A comparison as the screen leaves it is saved and opened in
// comparison_file_state_test.cpp; here the edges: no rows, and every count at
// its greatest.
TEST(ComparisonFile, EverySavedComparisonOpensToTheSameData) {
    constexpr float kTypedDays = 364.5f;
    std::vector<ComparisonFile> comparisons = {SampleComparison(0)};
    ComparisonFile bounds = SampleComparison(8);
    bounds.inputs.dayBasis = DayBasis::Typed(kTypedDays);
    bounds.inputs.extra.years = bounds.yearsWithAmounts = kMaxTableFileYears;
    bounds.inputs.extra.month = Month{12};
    bounds.view = 1;
    ComparisonState& s = bounds.state;
    s.grid1[1][3] = "  \r\n text with lines \n";
    s.listingLabels[40][11] = " 3  6";
    s.grid2Rows = kGrid2MaxRows;
    s.grid2Columns = kGrid2MaxColumns;
    s.grid2.assign(kGrid2MaxRows, std::vector<std::string>(kGrid2MaxColumns, "x"));
    s.greatestEntries = s.greatestEntriesByGroup[1] = s.greatestEntriesByGroup[2] = 40;
    s.listingIndex = 12;
    s.greatestListingIndex = 11;
    comparisons.push_back(bounds);
    ComparisonFile changes = SampleComparison(2);
    changes.inputs.rateChanges.resize(kRateChangeLimit, {3, 7, 4.875, RateChangePayment::Keep});
    changes.inputs.rounding = Rounding::Lender;
    comparisons.push_back(changes);

    testing::TempDir dir;
    for (const ComparisonFile& c : comparisons) {
        const std::string path = dir.File("cmp.qcd");
        std::string error;
        ASSERT_TRUE(SaveComparisonFile(path, c, &error)) << error;
        const auto back = LoadComparisonFile(path, kTypedDays);
        ASSERT_TRUE(back.ok()) << back.error();
        EXPECT_EQ(back.value(), c);
    }
}

TEST(ComparisonFile, ThreeRowsWithoutAdditionalPaymentsHaveTheDocumentedSections) {
    const ComparisonFile c = SampleComparison(3);
    const std::string bytes = FormatComparisonFile(c);
    EXPECT_TRUE(
        bytes.starts_with("100000,10.125,25,\"      Monthly\",\"   Weekly(Acc)\",1,2,25,0,3,10,8,,0,0,0,0,"
                          "0,0,0,3,12,\"O\",0\r\n"));
    // Records after record 1: 36 upper-grid cells, 80 lower-grid cells, 3 graph
    // rows, the printout, 492 listing pairs.
    RecordReader reader(bytes);
    std::vector<std::vector<RecordField>> records;
    while (!reader.AtEnd()) {
        const auto record = reader.Next(30);
        records.emplace_back(record.begin(), record.end());
    }
    ASSERT_EQ(records.size(), 1u + 36 + 80 + 3 + 1 + 492);
    const auto fieldsIn = [&](std::size_t from, std::size_t count) {
        std::vector<std::size_t> sizes;
        for (std::size_t k = from; k < from + count; ++k) sizes.push_back(records[k].size());
        return sizes;
    };
    EXPECT_EQ(fieldsIn(1, 116), std::vector<std::size_t>(116, 1));
    EXPECT_EQ(fieldsIn(117, 3), std::vector<std::size_t>(3, 2));
    EXPECT_EQ(records[117][0].text, "Row  1");
    // The printout's 12 lines each end with CR LF inside the quotes, so the
    // closing quote starts one more line of the file.
    EXPECT_EQ(records[120].size(), 1u);
    EXPECT_EQ(Count(records[120][0].text, "\r\n"), 12u);
    EXPECT_EQ(Count(bytes, "\r\n"), 1u + 36 + 80 + 3 + 12 + 1 + 492);
    EXPECT_EQ(fieldsIn(121, 492), std::vector<std::size_t>(492, 2));
    // The "*" before a retirement year is cell text and survives.
    EXPECT_EQ(ParseComparisonFile(bytes, 365.0f)->state.grid1[3][5], "*25.00");
}

TEST(ComparisonFile, RefusesWhatIsNotAComparisonFile) {
    const std::string good = FormatComparisonFile(SampleComparison(3));
    const std::size_t firstEnd = good.find("\r\n");
    // The file with field `field` (from 1) of its first record replaced.
    const auto withField = [&](std::size_t field, const char* value) {
        std::string first = good.substr(0, firstEnd);
        std::size_t from = 0;
        for (std::size_t k = 1; k < field; ++k) from = first.find(',', from) + 1;
        first.replace(from, first.find(',', from) - from, value);
        return first + good.substr(firstEnd);
    };
    const std::pair<std::string, const char*> cases[] = {
        {withField(10, "9"), "line 1, field 10: not a whole number from 0 to 8"},
        {withField(10, "2.5"), "line 1, field 10: not a whole number from 0 to 8"},
        {withField(11, "43"), "line 1, field 11: not a whole number from 0 to 42"},
        {withField(12, "25"), "line 1, field 12: not a whole number from 0 to 24"},
        {withField(16, "41"), "line 1, field 16: not a whole number from 0 to 40"},
        {withField(20, "12"), "line 1, field 20: not a whole number from 0 to 11"},
        {withField(21, "9"), "line 1, field 21: outside 0 to 8"},
        {withField(22, "13"), "line 1, field 22: outside 0 to 12"},
        {good.substr(0, firstEnd - 2) + good.substr(firstEnd),
         "line 1: expected 24 fields in the first record"},
        // Two rows fewer than the file holds: the sections no longer line up.
        {withField(10, "1"), "line 94: expected a graph label and a total interest"},
        {good.substr(0, good.size() - 35), "line 621: the file ends too early"},
        {good.substr(0, good.size() - 40), "line 620: expected a label and an amount of the listing"},
        {good + "1\r\n", "line 626: more data after the listing tables"},
        {good + "\"\"\r\n", "line 626: unknown record \"\""},
    };
    for (const auto& [bytes, message] : cases)
        EXPECT_EQ(ParseComparisonFile(bytes, 365.0f).error(), message) << message;
}

TEST(ComparisonFile, RefusedSaveKeepsThePreviousFile) {
    ExpectRefusedSavesKeepTheFile<ComparisonFile>(
        SaveComparisonFile, SampleComparison(2),
        {
            {"nine rows", [](ComparisonFile& c) { c = SampleComparison(8), c.state.rowCount = 9; }},
            {"more rows to graph than rows", [](ComparisonFile& c) { c.state.rowsToGraph = 3; }},
            {"listing longer than the lower grid", [](ComparisonFile& c) { c.state.greatestEntries = 10; }},
            {"lower grid too wide", [](ComparisonFile& c) { c.state.grid2Columns = 25; }},
            {"quote in the printout", [](ComparisonFile& c) { c.state.printout = "\""; }},
            {"listing index", [](ComparisonFile& c) { c.state.greatestListingIndex = 12; }},
            {"interest not finite", [](ComparisonFile& c) { c.state.graphPoints[0].value = 0.0 / 0.0; }},
            {"compounding", [](ComparisonFile& c) { c.inputs.compounding = static_cast<Compounding>(9); }},
            {"frequency", [](ComparisonFile& c) { c.inputs.frequency = static_cast<Frequency>(-1); }},
            {"day basis",
             [](ComparisonFile& c) { c.inputs.dayBasis.choice = static_cast<DayBasisChoice>(5); }},
            {"month 13", [](ComparisonFile& c) { c.inputs.extra.month = Month{13}; }},
            {"46 years of amounts", [](ComparisonFile& c) { c.inputs.extra.years = 46; }},
            {"46 years with amounts", [](ComparisonFile& c) { c.yearsWithAmounts = 46; }},
            {"21 rate changes",
             [](ComparisonFile& c) {
                 c.inputs.rateChanges.resize(21, {2, 1, 5});
             }},
            {"a change to -1 %",
             [](ComparisonFile& c) {
                 c.inputs.rateChanges = {{2, 1, -1}};
             }},
            {"rounding 2", [](ComparisonFile& c) { c.inputs.rounding = static_cast<Rounding>(2); }},
        });
}

TEST(ComparisonFile, GraphVariantsReadAsWritten) {
    std::string bytes = FormatComparisonFile(SampleComparison(1));
    // Another writer left the total interest of row 1 empty: it reads as 0.
    const std::string row = "\"Row  1\",175257.2\r\n";
    const auto at = bytes.find(row);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, row.size(), "\"Row  1\",\r\n");
    const auto c = ParseComparisonFile(bytes, 365.0f);
    ASSERT_TRUE(c.ok()) << c.error();
    EXPECT_EQ(c->state.graphPoints[0].value, 0.0);
}

}  // namespace
}  // namespace amortix
