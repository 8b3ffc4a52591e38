// Table files against the inputs of the tables screen: what a save stores,
// what an open gives back, and the first payment date in either form.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/files/table_file.h"

namespace amortix {
namespace {

// A reader of the day-first short form d/m/yyyy, standing in for a locale.
std::optional<DaySerial> DayFirst(std::string_view text) {
    int d = 0, m = 0, y = 0;
    if (std::sscanf(std::string(text).c_str(), "%d/%d/%d", &d, &m, &y) != 3) return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    return SerialFromCivil(y, m, d);
}

ScheduleInputs EveryFieldSet(TableKind mode) {
    ScheduleInputs in;
    in.mode = mode;
    in.principal = 123456.78;
    in.ratePercent = 7.375;
    in.years = mode == TableKind::PersonalLoan ? 2.5 : 17;
    in.compounding = Compounding::Semiannual;
    in.frequency = Frequency::BiweeklyAccelerated;
    in.dayBasis = DayBasis::Typed(364.5f);
    in.view = ScheduleView::AllPayments;
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2026, 5, 6);
    in.extra.kind = ExtraPaymentKind::Both;
    in.extra.increase = 0.025f;
    in.extra.years = 17;
    for (int y = 1; y <= 17; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    in.extra.amount[3] = Currency::FromDouble(1500.5);
    in.extra.amount[9] = Currency::FromDouble(250);
    in.extra.rowCount = 2;
    return in;
}

TEST(TableFileInputs, SavedInputsOpenAsTheyWere) {
    for (const TableKind mode : {TableKind::Mortgage, TableKind::PersonalLoan}) {
        const ScheduleInputs saved = EveryFieldSet(mode);
        const TableFileData file = TableFileFromInputs(saved);
        EXPECT_EQ(file.firstPaymentDate, "2026-05-06");
        const auto reread = ParseTableFile(FormatTableFile(file));
        ASSERT_TRUE(reread.ok()) << reread.error();

        // Opened over the defaults, with the month kept from the screen.
        ScheduleInputs current;
        current.extra.month = Month{5};
        const auto opened = InputsFromTableFile(reread.value(), current);
        ASSERT_TRUE(opened.ok()) << opened.error();
        // Everything the file holds came back when saving again gives the same
        // file; what follows from it must be worked out again.
        EXPECT_EQ(TableFileFromInputs(opened.value()), file);
        EXPECT_EQ(opened->dayBasis.biweeklyPeriods, saved.dayBasis.biweeklyPeriods);
        EXPECT_EQ(opened->extra.month, Month{5});
    }
}

TEST(TableFileInputs, NoYearRecordsEmptiesTheAmounts) {
    ScheduleInputs saved = EveryFieldSet(TableKind::Mortgage);
    saved.extra = {};
    const TableFileData file = TableFileFromInputs(saved);
    EXPECT_TRUE(file.yearRecords.empty());
    const auto opened = InputsFromTableFile(file, EveryFieldSet(TableKind::PersonalLoan));
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened->extra.years, 0);
    EXPECT_EQ(opened->extra.rowCount, 0);
    EXPECT_EQ(opened->extra.amount, decltype(saved.extra.amount){});
    EXPECT_EQ(opened->mode, TableKind::Mortgage);
}

TEST(TableFileInputs, PreviousLayoutKeepsDaysOptionAndPercentage) {
    const auto file = ParseTableFile(
        "20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"2024-03-04\",1,4,1,1,1,2\r\n1,500\r\n");
    ASSERT_TRUE(file.ok()) << file.error();
    ScheduleInputs current;
    current.dayBasis = DayBasis::Typed(363.5f);
    current.extra.kind = ExtraPaymentKind::YearAmounts;
    current.extra.increase = 0.1f;
    const auto opened = InputsFromTableFile(file.value(), current);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_EQ(opened->dayBasis.choice, DayBasisChoice::Typed);
    EXPECT_EQ(opened->dayBasis.days, 363.5f);
    EXPECT_EQ(opened->extra.kind, ExtraPaymentKind::YearAmounts);
    EXPECT_EQ(opened->extra.increase, 0.1f);
    EXPECT_EQ(opened->extra.amount[1], Currency::FromDouble(500));
    EXPECT_EQ(opened->mode, TableKind::PersonalLoan);
}

TEST(TableFileInputs, FirstPaymentDateReadsAsIsoOrTheShortForm) {
    const struct {
        const char* text;
        bool withShortForm;
        std::optional<DaySerial> date;
    } cases[] = {
        {"2026-05-06", false, SerialFromCivil(2026, 5, 6)},
        {"2026-05-06", true, SerialFromCivil(2026, 5, 6)},  // ISO first, whatever the locale
        {"05/06/2026", true, SerialFromCivil(2026, 6, 5)},
        {"05/06/2026", false, std::nullopt},
        {"2026-02-30", true, std::nullopt},
        {"", true, std::nullopt},
        {"tomorrow", true, std::nullopt},
    };
    for (const auto& c : cases) {
        const DateReader reader = c.withShortForm ? DateReader(DayFirst) : DateReader();
        EXPECT_EQ(ReadTableFileDate(c.text, reader), c.date) << c.text;
    }
}

TEST(TableFileInputs, RefusesWhatTheScreenCannotShow) {
    const struct {
        const char* what;
        void (*spoil)(TableFileData&);
    } cases[] = {
        {"date", [](TableFileData& f) { f.firstPaymentDate = "13/13/13"; }},
        {"compounding", [](TableFileData& f) { f.compounding = "Monthly"; }},
        {"frequency", [](TableFileData& f) { f.frequency = "Daily"; }},
        {"typed days", [](TableFileData& f) { f.daysInYear = 0.0f; }},
        {"percentage", [](TableFileData& f) { f.paymentIncrease = -0.5f; }},
        {"percentage above 100", [](TableFileData& f) { f.paymentIncrease = 1.5f; }},
        // Figures the boxes would refuse.
        {"negative principal", [](TableFileData& f) { f.principal = -5; }},
        {"principal above the limit", [](TableFileData& f) { f.principal = 10'000'000; }},
        {"principal not a number", [](TableFileData& f) { f.principal = std::nan(""); }},
        {"negative rate", [](TableFileData& f) { f.ratePercent = -1; }},
        {"rate of 500 %", [](TableFileData& f) { f.ratePercent = 500; }},
        {"99 years", [](TableFileData& f) { f.years = 99; }},
        {"negative years", [](TableFileData& f) { f.years = -1; }},
    };
    for (const auto& c : cases) {
        TableFileData file = TableFileFromInputs(EveryFieldSet(TableKind::Mortgage));
        c.spoil(file);
        EXPECT_FALSE(InputsFromTableFile(file, {}, DayFirst).ok()) << c.what;
    }
}

// The message quotes the first figure that is out of range, and the range.
TEST(TableFileInputs, NamesTheFirstFigureOutOfRange) {
    TableFileData file = TableFileFromInputs(EveryFieldSet(TableKind::Mortgage));
    file.principal = -5;
    file.ratePercent = 500;
    const auto opened = InputsFromTableFile(file, {}, DayFirst);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error(), "the principal -5 is outside 0 to 9999999.99");
    // The edges of every range open.
    for (const auto& [principal, rate, years] : {std::tuple{0.0, 0.0, 0.0}, {9'999'999.99, 100.0, 40.0}}) {
        file.principal = principal;
        file.ratePercent = rate;
        file.years = years;
        EXPECT_TRUE(InputsFromTableFile(file, {}, DayFirst).ok()) << principal;
    }
}

}  // namespace
}  // namespace amortix
