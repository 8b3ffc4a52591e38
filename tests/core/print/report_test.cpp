#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include <string>
#include <vector>

#include "core/calc/schedule.h"
#include "core/format/numfmt.h"
#include "core/forms/comparison_texts.h"
#include "core/print/line_printer.h"
#include "core/print/report.h"

namespace amortix {
namespace {

using Item = PrintItem;

// ---------------------------------------------------------------------------
// The line printer.

struct Statement {
    std::vector<PrintItem> items;
    bool endLine = true;
};

struct PrinterCase {
    const char* name;
    std::vector<Statement> statements;
    std::vector<std::string> lines;
};

TEST(LinePrinter, PlacesItemsAtColumns) {
    const PrinterCase cases[] = {
        {"column from 1", {{{Item::At(5), Item::Text("ab")}}}, {"    ab"}},
        {"column 1 is the margin", {{{Item::At(1), Item::Text("ab")}}}, {"ab"}},
        {"left of the position: next line",
         {{{Item::Text("abcdef"), Item::At(3), Item::Text("x")}}},
         {"abcdef", "  x"}},
        {"at the position: same line",
         {{{Item::At(3), Item::Text("ab"), Item::At(5), Item::Text("c")}}},
         {"  abc"}},
        {"page number has blanks around it",
         {{{Item::At(40), Item::Text("Page"), Item::Number(3), Item::Text("x")}}},
         {std::string(39, ' ') + "Page 3 x"}},
        {"negative number", {{{Item::Text("n"), Item::Number(-3), Item::Text("x")}}}, {"n-3 x"}},
        {"empty statement: empty line", {{{}}, {{Item::Text("a")}}}, {"", "a"}},
        {"open statement continues", {{{Item::Text("ab")}, false}, {{Item::Text("cd")}}}, {"abcd"}},
        {"open statement then a column left of it",
         {{{Item::Text("abcd")}, false}, {{Item::At(2), Item::Text("x")}}},
         {"abcd", " x"}},
        {"line breaks inside a text restart at the margin",
         {{{Item::At(3), Item::Text("one\r\n\r\ntwo\r\n")}}},
         {"  one", "", "two", ""}},
        {"trailing blanks trimmed", {{{Item::Text("a   "), Item::At(20)}}}, {"a"}},
        {"columns count characters",
         {{{Item::Text("\u20ac5"), Item::At(4), Item::Text("x")}}},
         {"\u20ac5 x"}},
    };
    for (const auto& c : cases) {
        TextPrinter p;
        for (const auto& s : c.statements) p.Print(s.items, s.endLine);
        p.EndDocument();
        ASSERT_EQ(p.Pages().size(), 1u) << c.name;
        EXPECT_EQ(p.Pages()[0], c.lines) << c.name;
    }
}

TEST(LinePrinter, PagesAndDocuments) {
    TextPrinter p;
    EXPECT_EQ(p.PageNumber(), 1);
    p.Print({Item::Text("one")});
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.NewPage();  // nothing written: a blank page
    p.Print({Item::Text("three")}, false);
    EXPECT_EQ(p.PageNumber(), 3);
    p.NewPage();  // begun but never written to: not part of the document
    p.EndDocument();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(p.Pages(), (PrintedPages{{"one"}, {}, {"three"}}));
    EXPECT_EQ(PagesAsText(p.Pages()), "one\n\f\fthree\n");

    // The next document starts afresh at page 1.
    EXPECT_EQ(p.PageNumber(), 1);
    p.Print({Item::Text("again")});
    p.EndDocument();
    EXPECT_EQ(p.Pages(), (PrintedPages{{"again"}}));
}

TEST(PrintHeader, CancelAndTyping) {
    EXPECT_TRUE(HeaderCancelled("1"));
    EXPECT_FALSE(HeaderCancelled(""));
    EXPECT_FALSE(HeaderCancelled("11"));
    EXPECT_FALSE(HeaderCancelled(" 1"));
    EXPECT_EQ(HeaderAsTyped("Say \"hello\"\tnow\r\n\f"), "Say hellonow");
    EXPECT_EQ(HeaderAsTyped("\"1\""), "1");
}

// ---------------------------------------------------------------------------
// The tables report.

ScheduleInputs Mortgage() {
    ScheduleInputs in;
    in.compounding = Compounding::Semiannual;
    return in;
}

// Year numbers 1 to 25, with the first `count` of `amounts`.
void SetAmounts(ScheduleInputs& in, std::vector<std::pair<int, double>> amounts, int count = -1) {
    in.extra.years = 25;
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    if (count >= 0) amounts.resize(static_cast<std::size_t>(count));
    for (const auto& [year, amount] : amounts)
        in.extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
}

TablesPrintData DataFor(const ScheduleInputs& in) {
    return TablesPrintDataFor(in, "Header line");
}

TextReport Report(const ScheduleInputs& in, std::int16_t font = kPrinterFontCourierNew) {
    return RenderTablesReport(DataFor(in), CalculateSchedule(in), font);
}

// The text at a column (from 1) of a printed line, blank-padded past its end.
std::string Field(const std::string& line, int column, int width) {
    std::string padded = line;
    padded.resize(static_cast<std::size_t>(column - 1 + width), ' ');
    return padded.substr(static_cast<std::size_t>(column - 1), static_cast<std::size_t>(width));
}

std::string FooterLine(int page) {
    return std::string(39, ' ') + "Page " + std::to_string(page);
}

// The payment numbers of the schedule rows on a page of the all-payments view.
std::vector<int> PaymentNumbers(const PrintedPage& page) {
    std::vector<int> numbers;
    for (const std::string& line : page) {
        if (line.size() < 76 || line.substr(8, 4) != "    ") continue;
        const std::string first = line.substr(1, 7);
        if (first.find_first_not_of(" 0123456789") != std::string::npos || first == "       ") continue;
        numbers.push_back(std::stoi(line.substr(1, 4)));
    }
    return numbers;
}

const char* const kRule = "___________________________________________________________________________";
const char* const kColumnHeaders =
    "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative";

TEST(TablesReport, PagesBreakByTheFontsLineCount) {
    struct Case {
        std::int16_t font;
        int firstPage;
        int perPage;
    };
    ScheduleInputs in = Mortgage();
    in.view = ScheduleView::AllPayments;
    for (const Case c : {Case{kPrinterFontCourierNew, 32, 49}, Case{kPrinterFontStandard, 29, 46}}) {
        const TextReport report = Report(in, c.font);
        ASSERT_EQ(report.message, std::nullopt);
        int next = 1;
        for (std::size_t p = 0; p < report.pages.size(); ++p) {
            const PrintedPage& page = report.pages[p];
            const std::vector<int> numbers = PaymentNumbers(page);
            const int expected = std::min(p == 0 ? c.firstPage : c.perPage, 300 - next + 1);
            ASSERT_EQ(static_cast<int>(numbers.size()), expected) << "page " << p + 1;
            EXPECT_EQ(numbers.front(), next);
            next += expected;
            const bool last = p + 1 == report.pages.size();
            if (!last) {
                // Two empty lines and the footer close the page; the next one
                // opens with the empty line and the column headers.
                ASSERT_GE(page.size(), 3u);
                EXPECT_EQ(page[page.size() - 3], "");
                EXPECT_EQ(page[page.size() - 2], "");
                EXPECT_EQ(page.back(), FooterLine(static_cast<int>(p) + 1));
                const PrintedPage& following = report.pages[p + 1];
                ASSERT_GE(following.size(), 7u);
                EXPECT_EQ(PrintedPage(following.begin(), following.begin() + 3),
                          (PrintedPage{"", "", kColumnHeaders}));
                EXPECT_EQ(following[4], std::string(" ") + kRule);
            } else {
                EXPECT_EQ(page.back().find("Page"), std::string::npos);
                EXPECT_EQ(page[page.size() - 3], std::string(" ") + kRule);
                EXPECT_EQ(Field(page.back(), 2, 6), "Total:");
            }
        }
        EXPECT_EQ(next, 301);
    }
}

TEST(TablesReport, FirstPageBlocks) {
    struct Case {
        const char* name;
        ScheduleInputs inputs;
        std::vector<std::pair<std::size_t, std::string>> lines;  // line of page 1 (from 0), its text
    };
    ScheduleInputs loan;
    loan.mode = TableKind::PersonalLoan;
    loan.principal = 20000;
    loan.ratePercent = 9.5;
    loan.years = 4;
    loan.frequency = Frequency::TwoWeeks;
    loan.extra.increase = 0.05f;
    const Case cases[] = {
        {"mortgage",
         Mortgage(),
         {{3, "                                Mortgage Table"},
          {8, " mortgage.   rate(%).   years.         periods/year.  of payment.     0.000%"},
          {10, " $100,000.00 10.125%    25             Semiannual        Monthly           $"},
          {13, " Days   Interest    No. of     No. years  Principal   Total paid    Total of"},
          {15, " year   factor      each year  payment    payment     of mortgage   savings"},
          {17, " Normal 0.00826484  12.00      25.00      $902.91    $270,873.89        $.00"},
          {21, "   Year       Payment     Payment       Balance      Interest      Principal"}}},
        {"loan",
         loan,
         {{3, "                                Personal Loan Table"},
          {8, " the loan.   rate(%).   in months.     periods/year.  of payment.     5.000%"},
          {10, "  $20,000.00  9.500%    48                Monthly        2 Weeks      $11.60"},
          {13, " Days   Interest    No. of     No. months Principal   Total paid    Total of"},
          {15, " year   factor      each year  payment    payment     of the loan   savings"},
          {17, " 365    0.00363608  26.00      45.23      $243.50     $23,800.04     $318.17"}}},
    };
    for (const auto& c : cases) {
        const TextReport report = Report(c.inputs);
        ASSERT_EQ(report.message, std::nullopt) << c.name;
        const PrintedPage& page = report.pages.at(0);
        EXPECT_EQ(page[1], " Header line") << c.name;
        for (const std::size_t rule : {4, 11, 18, 22})
            EXPECT_EQ(page[rule], std::string(" ") + kRule) << c.name;
        for (const auto& [line, text] : c.lines) EXPECT_EQ(page.at(line), text) << c.name << " line " << line;
    }
}

TEST(TablesReport, TermTotalsLine) {
    ScheduleInputs in = Mortgage();
    in.view = ScheduleView::AllPayments;
    in.termYears = 5;
    const ScheduleResult result = CalculateSchedule(in);
    ASSERT_EQ(TablesReportRows(result), 60);
    const TextReport report = RenderTablesReport(DataFor(in), result, kPrinterFontCourierNew);
    ASSERT_EQ(report.pages.size(), 2u);
    std::vector<int> numbers = PaymentNumbers(report.pages[0]);
    const std::vector<int> more = PaymentNumbers(report.pages[1]);
    numbers.insert(numbers.end(), more.begin(), more.end());
    ASSERT_EQ(numbers.size(), 60u);
    EXPECT_EQ(numbers.back(), 60);
    const std::string& totals = report.pages[1].back();
    EXPECT_EQ(Field(totals, 1, 35), "  5 Year Term" + std::string(22, ' '));
    EXPECT_EQ(Field(totals, 36, 41), "  $94,094.39    $48,269.16      $5,905.61");
}

TEST(TablesReport, RowCountFollowsViewAndTerm) {
    struct Case {
        ScheduleView view;
        std::int16_t term;
        Frequency frequency;
        int rows;
    };
    const Case cases[] = {
        {ScheduleView::AllPayments, 0, Frequency::Monthly, 300},
        {ScheduleView::Annual, 0, Frequency::Monthly, 25},
        {ScheduleView::AllPayments, 2, Frequency::BiweeklyAccelerated, 52},
        {ScheduleView::Annual, 10, Frequency::BiweeklyAccelerated, 10},
        {ScheduleView::Annual, 0, Frequency::BiweeklyAccelerated, 19},  // 18.65 years
    };
    for (const Case& c : cases) {
        ScheduleInputs in = Mortgage();
        in.view = c.view;
        in.termYears = c.term;
        in.frequency = c.frequency;
        const ScheduleResult result = CalculateSchedule(in);
        EXPECT_EQ(TablesReportRows(result), c.rows) << c.frequency << " term " << c.term;
        EXPECT_EQ(TablesReportRows(result), result.gridRows);
    }
}

TEST(TablesReport, AFigureWiderThanItsFieldIsKeptWhole) {
    ScheduleInputs in = Mortgage();
    in.principal = 1000000;
    const TextReport report = Report(in);
    const std::string& line = report.pages.at(0).at(10);
    // The line grows: the principal whole, one blank, then the rate.
    EXPECT_EQ(line.substr(0, 22), " $1,000,000.00 10.125%");
}

TEST(TablesReport, AnnualDatesKeepTheAnnualHeader) {
    ScheduleInputs in = Mortgage();
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2024, 1, 31);
    in.formatDate = [](DaySerial s) {
        const CivilDate d = CivilFromSerial(s);
        return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year % 100);
    };
    const TextReport report = Report(in);
    const PrintedPage& page = report.pages.at(0);
    EXPECT_EQ(page[21].substr(0, 7), "   Year");
    EXPECT_EQ(page[24].substr(0, 12), " 1/31/24    ");
    EXPECT_EQ(page[25].substr(0, 12), " 1/31/25    ");
    EXPECT_EQ(page[48].substr(0, 12), " 1/31/48    ");
    EXPECT_EQ(page[49], std::string(" ") + kRule);
}

TEST(TablesReport, AdditionalPaymentsSection) {
    ScheduleInputs in = Mortgage();
    in.extra.month = Month{4};
    SetAmounts(in, {{1, 5000}, {3, 1234.5}});
    const TextReport report = Report(in);
    ASSERT_EQ(report.pages.size(), 1u);
    const PrintedPage& page = report.pages[0];
    const std::vector<std::string> tail(page.end() - 6, page.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"", " Additional  Payments     Applied", "",
                                              " Year   1    Month  4    5,000.00",
                                              " Year   3    Month  4    1,234.50", ""}));
    EXPECT_EQ(Field(page[page.size() - 7], 2, 6), "Total:");
}

TEST(TablesReport, AdditionalPaymentsMoveToANewPageWhenTheyDoNotFit) {
    // Two years of monthly rows leave the line counter at 48; five listed
    // years reach 57 and still fit, six move to the next page.
    for (const int years : {5, 6}) {
        ScheduleInputs in = Mortgage();
        in.view = ScheduleView::AllPayments;
        in.termYears = 2;
        SetAmounts(in, {{1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 100}, {6, 100}}, years);
        const ScheduleResult result = CalculateSchedule(in);
        ASSERT_EQ(result.listing.size(), static_cast<std::size_t>(years));
        const TextReport report = RenderTablesReport(DataFor(in), result, kPrinterFontCourierNew);
        if (years == 5) {
            ASSERT_EQ(report.pages.size(), 1u);
            continue;
        }
        ASSERT_EQ(report.pages.size(), 2u);
        EXPECT_EQ(report.pages[0].back(), FooterLine(1));
        EXPECT_EQ(Field(report.pages[0][report.pages[0].size() - 4], 1, 13), "  2 Year Term");
        const PrintedPage& next = report.pages[1];
        EXPECT_EQ(next[2], kColumnHeaders);
        EXPECT_EQ(PrintedPage(next.begin() + 6, next.begin() + 8),
                  (PrintedPage{"", " Additional  Payments     Applied"}));
        EXPECT_EQ(next.size(), 8u + 1u + 6u + 1u);
    }
}

TEST(TablesReport, PrepaymentNotesCountEveryLine) {
    // The line counter stands at 48 after two years of monthly rows. Each
    // one-time amount is a line, and the notes add an empty line, what was
    // saved and how much sooner: two amounts reach 57 and fit, three move.
    for (const int amounts : {2, 3}) {
        ScheduleInputs in = Mortgage();
        in.view = ScheduleView::AllPayments;
        in.termYears = 2;
        for (int k = 0; k < amounts; ++k)
            in.prepayments.oneTime.push_back(
                {1, static_cast<std::int16_t>(k + 2), Currency::FromDouble(100)});
        const TextReport report = Report(in);
        const std::string text = PagesAsText(report.pages);
        EXPECT_NE(text.find(" Interest saved by prepayments"), std::string::npos) << amounts;
        ASSERT_EQ(report.pages.size(), amounts == 2 ? 1u : 2u) << amounts;
        if (amounts == 2) continue;
        const PrintedPage& next = report.pages[1];
        EXPECT_EQ(PrintedPage(next.begin() + 6, next.begin() + 8),
                  (PrintedPage{"", " Additional  Payments     Applied"}));
        EXPECT_EQ(next[9], " Year   1    Month  2      100.00  one-time");
    }
}

TEST(TablesReport, NothingToPrintGivesMessage1) {
    ScheduleInputs tooLong = Mortgage();
    tooLong.years = 45;  // message 5
    ScheduleInputs zeroYears = Mortgage();
    zeroYears.years = 0;  // message 4
    ScheduleInputs shortAnnual = Mortgage();
    shortAnnual.years = 0.25;  // under half a year: nothing for the annual view
    for (const ScheduleInputs& in : {tooLong, zeroYears, shortAnnual}) {
        const TextReport report = Report(in);
        EXPECT_EQ(MessageNumber(report.message), 1);
        EXPECT_TRUE(report.pages.empty());
    }
}

// ---------------------------------------------------------------------------
// The comparison report.

ComparisonRow MonthlyRow(std::int16_t number) {
    ComparisonRow row;
    row.number = number;
    row.compounding = Compounding::Monthly;
    row.frequency = Frequency::Monthly;
    row.years = 25;
    row.retiredYear = 25;
    row.paymentsPerYear = 12;
    row.principal = 100000;
    row.ratePercent = 10.125;
    row.payment = 917.53;
    row.totalInterest = 175258.20;
    return row;
}

const std::string kComparisonRule(77, '_');
const std::string kListingTitle = std::string(24, ' ') + "* Additional Payments Applied";

TEST(ComparisonReport, RowLines) {
    EXPECT_EQ(ComparisonRowLines(MonthlyRow(1), "$"),
              " 01  Normal  Monthly  Monthly  0.000% Was added to regular P+I payment\r\n\r\n"
              "               25     25.00   12   $100,000.00  10.125    $917.53  $175,258.20\r\n\r\n");

    ComparisonRow row = MonthlyRow(3);
    row.daysInYear = 365.0f;
    row.frequency = Frequency::BiweeklyAccelerated;
    row.increase = 0.05f;
    row.starred = true;
    row.retiredYear = 17.8846;
    row.paymentsPerYear = 26;
    const std::string lines = ComparisonRowLines(row, "$");
    EXPECT_EQ(lines.substr(0, 48), " 03  365.00  Monthly  Biweekly(Acc)  5.000% Was ");
    EXPECT_EQ(lines.substr(lines.find("\r\n\r\n") + 4, 32), "               25    *17.88   26");
    // Days with decimals as the grid rounds them, then with two decimals.
    const std::pair<float, const char*> days[] = {
        {365.25f, "365.25"}, {364.5f, "364.50"}, {363.125f, "363.13"}};
    for (const auto& [value, shown] : days) {
        row.daysInYear = value;
        EXPECT_EQ(ComparisonRowLines(row, "$").substr(5, 6), shown) << value;
    }
    row.compounding = Compounding::Semiannual;
    EXPECT_EQ(ComparisonRowLines(row, "EUR").substr(11, 25), "  Semiannual  Biweekly(Ac");
    EXPECT_NE(ComparisonRowLines(row, "EUR").find("EUR100,000.00"), std::string::npos);
}

ComparisonPrintData TwoRows() {
    ComparisonPrintData d;
    d.header = "Two rows";
    d.printoutText = ComparisonRowLines(MonthlyRow(1), "$");
    d.printoutText.append(ComparisonRowLines(MonthlyRow(2), "$"));
    d.rowsToGraph = 2;
    return d;
}

TEST(ComparisonReport, TwoRowsWithoutAdditionalPayments) {
    const TextReport report = RenderComparisonReport(TwoRows(), kPrinterFontCourierNew);
    ASSERT_EQ(report.message, std::nullopt);
    ASSERT_EQ(report.pages.size(), 1u);
    const PrintedPage& page = report.pages[0];
    EXPECT_EQ(page[1], " Two rows");
    EXPECT_EQ(page[3], "                                Mortgage Comparisons");
    for (const std::size_t rule : {4, 9}) EXPECT_EQ(page[rule], " " + kComparisonRule);
    ASSERT_EQ(page.size(), 11u + 8u + 1u);
    EXPECT_EQ(page[11].substr(0, 4), " 01 ");
    EXPECT_EQ(page[12], "");
    EXPECT_EQ(page[13].substr(0, 20), "               25   ");
    EXPECT_EQ(page[15].substr(0, 4), " 02 ");
    EXPECT_EQ(page[19], "");
}

// One comparison row per entry; row k (from 0) lists `entries[k]` additional payments.
ComparisonPrintData WithListing(const std::vector<int>& entries) {
    ComparisonPrintData d;
    d.header = "Listing";
    for (std::size_t k = 0; k < entries.size(); ++k) {
        d.printoutText.append(ComparisonRowLines(MonthlyRow(static_cast<std::int16_t>(k + 1)), "$"));
        d.labels[0][k] = "Yr. Mth Row";
        d.amounts[0][k] = RightJustify(std::to_string(k + 1), 3);
        for (int e = 1; e <= entries[k]; ++e) {
            d.labels[static_cast<std::size_t>(e)][k] = RightJustify(std::to_string(e), 2) + " 4";
            d.amounts[static_cast<std::size_t>(e)][k] =
                RightJustify(FormatNumber(1000.0 * e, "###,###.00"), 10);
        }
        const auto count = static_cast<std::int16_t>(entries[k]);
        d.greatestEntryCount = std::max(d.greatestEntryCount, count);
        auto& group = d.groupEntryCounts[k < 5 ? 0 : k < 10 ? 1 : 2];
        group = std::max(group, count);
        d.greatestListingIndex = static_cast<std::int16_t>(k);
    }
    d.rowsToGraph = static_cast<std::int16_t>(entries.size());
    return d;
}

// With rate changes the report lists them below the schedule, each with its
// first payment, its rate, what it does to the payment and the payment after.
TEST(TablesReport, ListsTheRateChanges) {
    ScheduleInputs in;
    in.principal = 300000;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate},
                      {30, 1, 7, RateChangePayment::Recalculate},
                      {11, 4, 4.5, RateChangePayment::Keep}};
    const TextReport report = RenderTablesReport(DataFor(in), CalculateSchedule(in), kPrinterFontCourierNew);
    std::vector<std::string> lines;
    for (const PrintedPage& page : report.pages) lines.insert(lines.end(), page.begin(), page.end());
    const auto head = std::find(lines.begin(), lines.end(),
                                " Rate change       From payment     Rate     Payment is    New payment");
    ASSERT_NE(head, lines.end());
    EXPECT_EQ(*(head + 2), " Year  6  Month  1           61     6.000%  Recalculate       $1,891.02");
    EXPECT_EQ(*(head + 3), " Year 11  Month  4          124     4.500%  Keep              $1,891.02");
    EXPECT_EQ(*(head + 4), " Year 30  Month  1          349     7.000%  Recalculate     not reached");
    // The schedule marks the first year of each new rate (the page has no
    // room for the screen's rate column); the change never reached has none.
    std::vector<std::string> marks;
    for (auto line = lines.begin(); line != lines.end(); ++line)
        if (line->rfind(" New rate", 0) == 0) marks.push_back(*line + " /" + (line + 1)->substr(0, 6));
    EXPECT_EQ(marks, (std::vector<std::string>{" New rate   6.000% /     6", " New rate   4.500% /    11"}));
    // Without changes nothing is added.
    in.rateChanges.clear();
    for (const PrintedPage& page :
         RenderTablesReport(DataFor(in), CalculateSchedule(in), kPrinterFontCourierNew).pages)
        EXPECT_EQ(
            std::find_if(page.begin(), page.end(),
                         [](const std::string& l) { return l.find("Rate change") != std::string::npos; }),
            page.end());
}

TEST(ComparisonReport, ListingInGroupsWithRules) {
    const TextReport report = RenderComparisonReport(WithListing({1, 2, 1, 1, 1, 2}), kPrinterFontCourierNew);
    ASSERT_EQ(report.pages.size(), 1u);
    const PrintedPage& page = report.pages[0];
    const std::size_t title = 11 + 6 * 4 + 1;
    EXPECT_EQ(PrintedPage(page.begin() + title, page.begin() + title + 3),
              (PrintedPage{kListingTitle, " " + kComparisonRule, ""}));
    // First group: listing indexes 0 to 4 at columns 1, 17, 33, 49, 65; rows 0 to 2.
    std::size_t at = title + 3;
    // The year under "Yr", the month ending under the "M" of "Mth", the amount
    // ending under the row number, whatever the widths of month and amount.
    EXPECT_EQ(page[at], "Yr. Mth Row   1 Yr. Mth Row   2 Yr. Mth Row   3 Yr. Mth Row   4 Yr. Mth Row   5");
    EXPECT_EQ(page[at + 3],
              " 1  4  1,000.00  1  4  1,000.00  1  4  1,000.00  1  4  1,000.00  1  4  1,000.00");
    EXPECT_EQ(page[at + 6], "                 2  4  2,000.00");
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(page[at + 3 * r + 1], " " + kComparisonRule);
        EXPECT_EQ(page[at + 3 * r + 2], "");
    }
    // Second group: listing index 5 only, rows 0 to 2. The lines used reach
    // the page's 56 with its last row, and no further page follows.
    at += 9;
    EXPECT_EQ(page[at], "Yr. Mth Row   6");
    EXPECT_EQ(page[at + 6], " 2  4  2,000.00");
    EXPECT_EQ(page.size(), at + 9);
}

// Months of one or two digits and amounts of every width line up the same:
// month digits end in one column, amounts in another, a blank before each.
TEST(ComparisonReport, ListingCellsLineUpWhateverTheirWidths) {
    const struct {
        const char* label;
        double amount;
        const char* printed;
    } cases[] = {
        {" 2 1", 5000, " 2  1  5,000.00"},      {" 1 12", 2000, " 1 12  2,000.00"},
        {"10 12", 10000, "10 12 10,000.00"},    {"40 6", 99999.99, "40  6 99,999.99"},
        {" 1 1", 125000, " 1  1 125000.00"},  // the separator gives way to the blank
        {" 3 9", 999999.99, " 3  9 999999.99"},
    };
    for (const auto& c : cases) {
        ComparisonPrintData d = WithListing({1});
        d.labels[1][0] = c.label;
        d.amounts[1][0] = RightJustify(FormatNumber(c.amount, "###,###.00"), 10);
        const TextReport report = RenderComparisonReport(d, kPrinterFontCourierNew);
        const PrintedPage& page = report.pages[0];
        const auto head = std::find(page.begin(), page.end(), "Yr. Mth Row   1");
        ASSERT_NE(head, page.end()) << c.label;
        EXPECT_EQ(*(head + 3), c.printed) << c.label;
    }
}

// A header longer than the rules is shortened with a visible mark, never
// within a character; one that fits is printed as typed.
TEST(ComparisonReport, ALongHeaderIsShortenedWithAMark) {
    const std::string fits(77, 'x');
    const std::string accented =
        "Smith and Tremblay, 12 Rue des \u00c9rables: renewal options from the bank "
        "\u00e9\u00e9\u00e9\u00e9 and the broker";
    const struct {
        std::string header;
        std::string printed;
    } cases[] = {
        {"Which plan?", " Which plan?"},
        {fits, " " + fits},
        {fits + "y", " " + std::string(74, 'x') + "..."},
        // 89 characters, 94 bytes: cut after the 74th character.
        {accented,
         " Smith and Tremblay, 12 Rue des \u00c9rables: renewal options from the bank "
         "\u00e9\u00e9\u00e9\u00e9..."},
    };
    for (const auto& c : cases) {
        ComparisonPrintData d = WithListing({1});
        d.header = c.header;
        EXPECT_EQ(RenderComparisonReport(d, kPrinterFontCourierNew).pages[0][1], c.printed) << c.header;
    }
}

TEST(ComparisonReport, LongListingRepeatsItsTitleOnTheNextPage) {
    // One row: lines used start at 18 and grow by 3 per listing row; with 56
    // lines a page the 13th listing row (57) breaks the page.
    const TextReport report = RenderComparisonReport(WithListing({20}), kPrinterFontCourierNew);
    ASSERT_EQ(report.pages.size(), 2u);
    const PrintedPage& first = report.pages[0];
    EXPECT_EQ(first.size(), 11u + 4u + 1u + 3u + 13u * 3u);
    EXPECT_EQ(first[first.size() - 3].substr(0, 6), "12  4 ");
    EXPECT_EQ(first.back(), "");  // no footer on comparison pages
    const PrintedPage& second = report.pages[1];
    EXPECT_EQ(PrintedPage(second.begin(), second.begin() + 6),
              (PrintedPage{"", "", kListingTitle, "", " " + kComparisonRule, ""}));
    EXPECT_EQ(second[6].substr(0, 6), "13  4 ");
    EXPECT_EQ(second.size(), 6u + 8u * 3u);

    // A break due after the last listing row opens no page of its own.
    EXPECT_EQ(RenderComparisonReport(WithListing({12}), kPrinterFontCourierNew).pages.size(), 1u);
}

TEST(ComparisonReport, NothingToPrintGivesMessage1) {
    ComparisonPrintData d = TwoRows();
    d.rowsToGraph = 0;
    const TextReport report = RenderComparisonReport(d, kPrinterFontStandard);
    EXPECT_EQ(MessageNumber(report.message), 1);
    EXPECT_TRUE(report.pages.empty());
}

}  // namespace
}  // namespace amortix
