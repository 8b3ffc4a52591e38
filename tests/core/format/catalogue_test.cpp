#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "core/costs_samples.h"
#include "core/format/catalogue.h"
#include "core/format/messages.h"
#include "core/forms/schedule_texts.h"
#include "core/print/costs_section.h"

namespace amortix {
namespace {

struct FillCase {
    const char* pattern;
    std::vector<std::string> arguments;
    const char* text;
};

TEST(Fill, PutsEachArgumentWhereThePatternNamesIt) {
    const FillCase cases[] = {
        {"Year %1 over %2 by %3.", {"3", "$100.00", "$5.00"}, "Year 3 over $100.00 by $5.00."},
        {"%2 avant %1", {"a", "b"}, "b avant a"},  // a language may reorder
        {"%1 and %1", {"x"}, "x and x"},
        {"%1 and %2", {"x"}, "x and %2"},  // a missing argument leaves its mark
        {"100% limit.", {}, "100% limit."},
        {"ends with %", {"x"}, "ends with %"},
        {"%10", {"x"}, "x0"},  // one digit names an argument
        {"%0 %a %%1", {"x"}, "%0 %a %x"},
        {"P+I %1%", {"  5.000"}, "P+I   5.000%"},
        {"%1", {"%2"}, "%2"},  // an argument is not read again
    };
    for (const FillCase& c : cases) {
        std::vector<std::string_view> views(c.arguments.begin(), c.arguments.end());
        std::string text;
        switch (views.size()) {
            case 0:
                text = Fill(c.pattern, {});
                break;
            case 1:
                text = Fill(c.pattern, {views[0]});
                break;
            case 2:
                text = Fill(c.pattern, {views[0], views[1]});
                break;
            default:
                text = Fill(c.pattern, {views[0], views[1], views[2]});
        }
        EXPECT_EQ(text, c.text) << c.pattern;
    }
}

// Every text it is asked for comes back in capitals, so a text that skips
// the catalogue stays in lower case and shows.
class Capitals : public Catalogue {
  public:
    std::string Text(std::string_view english) const override {
        std::string text(english);
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return text;
    }
};

TEST(Catalogue, TheEngineAsksItForEveryTextItShows) {
    const Capitals capitals;
    struct Case {
        std::string shown, expected;
    };
    const LimitExceeded over{3, Currency::FromDouble(1000), Currency::FromDouble(250)};
    const Case cases[] = {
        {MessageText(Message::CannotCalculate, {}, capitals), "CANNOT CALCULATE."},
        {MessageText(Message::DateFormat, "2026-12-06", capitals), "CORRECT DATE FORMAT IS 2026-12-06"},
        {QuestionText(Question::PrintInColor, capitals), " PRINT IN COLOR."},
        {PayoffEarlierText(27, capitals), "2 YR 3 MO"},
        {YearlyLimitText(over, "$", capitals), "YEAR 3 GOES OVER THE YEARLY LIMIT OF $1,000.00 BY $250.00."},
        {GridHeader(1, ScheduleView::Annual, false, capitals), "INTEREST PAYMENT"},
        {Label16Text(0.05f, capitals), " P+I INCLUDES      5.000%"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shown, c.expected);
    // The English catalogue changes nothing.
    EXPECT_EQ(MessageText(Message::DateFormat, "2026-12-06"), "Correct date format is 2026-12-06");
}

// A language with longer labels: the figures move right, all in one column.
class LongLabels : public Catalogue {
  public:
    std::string Text(std::string_view english) const override {
        static const std::map<std::string_view, std::string> longer = {
            {"Purchase price", "Prix d'achat de la propriété résidentielle"},  // 42 characters, 44 bytes
            {"Interest", "Intérêts payés"},
        };
        const auto found = longer.find(english);
        return found == longer.end() ? std::string(english) : found->second;
    }
};

TEST(Catalogue, APrintoutLinesItsFiguresUpPastTheLongestLabel) {
    ScheduleInputs in;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    const auto print = CostsPrintFor(in, testing::CanadianPurchase());
    ASSERT_TRUE(print);
    const std::vector<std::string> lines =
        CostsSectionLines(*print, TableKind::Mortgage, "$", {}, LongLabels());
    const auto line = [&](std::string_view start) {
        for (const std::string& l : lines)
            if (l.starts_with(start)) return l;
        return std::string();
    };
    // Characters, not bytes: "é" takes two bytes and one column.
    const auto column = [](const std::string& l, std::string_view figure) {
        const std::string head = l.substr(0, l.find(figure) + figure.size());
        return std::count_if(head.begin(), head.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(column(line("Prix d'achat"), "$500,000.00"), 42 + 1 + 13);
    EXPECT_EQ(column(line("Principal  "), "$495,000.00"), 42 + 1 + 13);
    // The borrowing cost's columns widen for a longer head, the figures under it.
    const std::string head = line("Borrowing cost");
    const std::string amortization = line("Amortization");
    ASSERT_GT(amortization.size(), 31u);
    EXPECT_EQ(column(head, "Intérêts payés"), 15 + 15);
    EXPECT_NE(amortization[29], ' ');  // the interest ends under its head
    EXPECT_EQ(amortization[30], ' ');
}

}  // namespace
}  // namespace amortix
