#include <gtest/gtest.h>

#include "core/calc/schedule.h"
#include "core/format/numfmt.h"
#include "core/forms/afford_form.h"
#include "core/forms/comparison_form.h"
#include "core/forms/result_lines.h"

namespace amortix {
namespace {

TEST(ResultLines, ACaptionLosesItsLayoutBlanksAndItsLineBreakHyphen) {
    const struct {
        const char* caption;
        const char* plain;
    } cases[] = {
        {" Principal + Interest   payment.", "Principal + Interest payment."},
        {" Number of pay-     ments each year.", "Number of payments each year."},
        {" Each payment. Principal        and  interest.", "Each payment. Principal and interest."},
        {" P+I includes      2.500%", "P+I includes 2.500%"},
        // A hyphen without blanks after it is part of the text.
        {"Semi-annual", "Semi-annual"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainCaption(c.caption), c.plain) << c.caption;
}

TEST(ResultLines, TheTablesBoxesInTheScreensOrder) {
    // The screen's opening mortgage: 100,000 at 10.125 % over 25 years,
    // monthly. Worked by hand: i = 0.10125 / 12 = 0.0084375, payment
    // 100,000 i / (1 - (1 + i)^-300) = 917.5273, paid 300 times = 275,258.20.
    const ScheduleResult result = CalculateSchedule(ScheduleInputs{});
    ASSERT_TRUE(result.calculated);
    const std::vector<ResultLine> expected{
        {"Principal + Interest payment.", "$917.53"},
        // The money mask shows no digit before the point for less than 1.
        {"P+I includes 0.000%", "$.00"},
        {"Interest rate factor.", "0.0084375"},
        {"Days in year.", "Normal"},
        {"No. of payments each year.", "12"},
        {"No. of years to final payment.", "25.00"},
        {"Total paid over life of mortgage.", "$275,258.20"},
        {"Total interest savings.", "$.00"},
    };
    EXPECT_EQ(TablesResultLines(result, "$"), expected);

    ScheduleInputs loan;
    loan.mode = TableKind::PersonalLoan;
    loan.years = 4;
    const std::vector<ResultLine> loanLines = TablesResultLines(CalculateSchedule(loan), "€");
    ASSERT_EQ(loanLines.size(), 8u);
    EXPECT_EQ(loanLines[5].caption, "No. months to final payment.");
    EXPECT_EQ(loanLines[5].value, "48.00");
    EXPECT_EQ(loanLines[6].caption, "Total paid over life of the loan.");
    EXPECT_EQ(loanLines[6].value.rfind("€", 0), 0u);
}

TEST(ResultLines, NoResultsGiveNoLines) {
    ScheduleInputs refused;
    refused.years = 41;  // message 5
    const ScheduleResult result = CalculateSchedule(refused);
    ASSERT_FALSE(result.calculated);
    EXPECT_TRUE(TablesResultLines(result, "$").empty());
    EXPECT_TRUE(ComparisonResultLines("", "   ").empty());
    const std::vector<ResultLine> shown{{"Interest rate factor.", "0.0084375"}, {"Days in year.", "Normal"}};
    EXPECT_EQ(ComparisonResultLines(" 0.0084375", "      Normal"), shown);
}

TEST(ResultLines, TheAffordabilityPanelsUnderTheirTitlesWithTheListsAndTheMessageLine) {
    AffordForm form;
    const DayBasis days = DayBasis::Preset(DayBasisChoice::Days365);
    form.Calculate(Compounding::Semiannual, Frequency::BiweeklyAccelerated, days);
    std::vector<ResultLine> lines =
        AffordResultLines(form, Compounding::Semiannual, Frequency::BiweeklyAccelerated);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], (ResultLine{"Conventional Mortgage", "", true}));
    EXPECT_EQ(lines[1], (ResultLine{"Principal amount of the mortgage.", "$100,000.00"}));
    EXPECT_EQ(lines[2], (ResultLine{"Annual interest rate in percent.", "6.500%"}));
    EXPECT_EQ(lines[5], (ResultLine{"Interest compounding periods per year.", "Semiannual"}));
    EXPECT_EQ(lines[7], (ResultLine{"Accelerated Mortgage", "", true}));
    EXPECT_EQ(lines[8], (ResultLine{"Frequency and type of payment.", "Biweekly(Acc)"}));
    EXPECT_EQ(lines[9], (ResultLine{"Number of payments each year.", "26"}));
    // Each figure is the box's text.
    EXPECT_EQ(lines[4],
              (ResultLine{"Monthly payment. Principal and interest.", Trim(form.Text(AffordBox::Payment))}));

    // A payment below the interest: the message line follows the panels.
    form.ChooseSolve(AffordSolve::Years);
    form.EnterPayment(100);
    form.Calculate(Compounding::Semiannual, Frequency::BiweeklyAccelerated, days);
    ASSERT_TRUE(form.MessageShown());
    lines = AffordResultLines(form, Compounding::Semiannual, Frequency::BiweeklyAccelerated);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.back(), (ResultLine{form.MessageLine(), "", false}));
}

TEST(ResultLines, TextIsCaptionTabValueAndHtmlATwoColumnTable) {
    const std::vector<ResultLine> lines{
        {"Panel", "", true}, {"Total <paid> & \"kept\"", "$1,000.00"}, {"A line\twith a tab", ""}};
    EXPECT_EQ(ResultLinesText(lines), "Panel\nTotal <paid> & \"kept\"\t$1,000.00\nA line with a tab\n");
    EXPECT_EQ(ResultLinesHtml(lines),
              "<table>\n"
              "<tr><th colspan=\"2\">Panel</th></tr>\n"
              "<tr><td>Total &lt;paid&gt; &amp; &quot;kept&quot;</td><td>$1,000.00</td></tr>\n"
              "<tr><td colspan=\"2\">A line\twith a tab</td></tr>\n"
              "</table>\n");
    EXPECT_EQ(ResultLinesText({}), "");
}

}  // namespace
}  // namespace amortix
