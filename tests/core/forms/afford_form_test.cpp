#include <gtest/gtest.h>

#include "core/forms/afford_form.h"
#include "core/forms/comparison_form.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

using B = AffordBox;

constexpr B kResults[] = {B::TotalInterest, B::PaymentsPerYear, B::YearsToFinal,
                          B::EachPayment,   B::InterestSaved,   B::AcceleratedTotalInterest};
const DayBasis k365 = DayBasis::Preset(DayBasisChoice::Days365);

TEST(AffordForm, TheFigureToFindDecidesTheAnswerBoxAndTheHighlightedLabels) {
    const struct {
        AffordSolve solve;
        B answer;
    } cases[] = {{AffordSolve::Principal, B::Principal},
                 {AffordSolve::Payment, B::Payment},
                 {AffordSolve::Years, B::Years}};
    for (const auto& c : cases) {
        AffordForm form;
        form.ChooseSolve(c.solve);
        for (const B box : {B::Principal, B::Rate, B::Years, B::Payment}) {
            const bool answer = box == c.answer;
            EXPECT_EQ(form.IsAnswerBox(box), answer);
            // The rate is always given but never highlighted.
            EXPECT_EQ(IsHighlightedLabel(c.solve, box), !answer && box != B::Rate);
        }
        for (const B box : kResults) EXPECT_FALSE(IsHighlightedLabel(c.solve, box));
    }
}

TEST(AffordForm, OpensWithItsOwnTextsAndEmptyResults) {
    const AffordForm form("£");
    EXPECT_EQ(form.Text(B::Principal), "   £100,000.00");
    EXPECT_EQ(form.Text(B::Rate), "        6.500%");
    EXPECT_EQ(form.Text(B::Years), "              25");
    EXPECT_EQ(form.Text(B::Payment), "");
    for (const B box : kResults) EXPECT_EQ(form.Text(box), "");
    EXPECT_EQ(form.Text(B::DaysInYear), "");
    EXPECT_EQ(form.Solve(), AffordSolve::Payment);
    EXPECT_FALSE(form.MessageShown());
}

// Every box after a run, byte for byte: the answer and total interest, then
// the accelerated panel. The monthly panel is the normal mortgage: its years
// have fixed decimals and nothing saved is two characters wider.
TEST(AffordForm, EveryBoxAfterARun) {
    const struct {
        Frequency frequency;
        const char* texts[kAffordBoxCount];
    } cases[] = {
        {Frequency::BiweeklyAccelerated,
         {"   $100,000.00", "        6.500%", "              25", "         $675.21", " $102,562.14",
          "      26", "365", "           20.68", "         $337.60", "      $21,004.87", "      $81,557.27"}},
        {Frequency::Monthly,
         {"   $100,000.00", "        6.500%", "              25", "         $675.21", " $102,562.14",
          "      12", "Normal", "           25.00", "         $675.21", "              $.00",
          "     $102,562.14"}},
    };
    for (const auto& c : cases) {
        AffordForm form;
        form.Calculate(Compounding::Monthly, c.frequency, k365);
        for (std::size_t i = 0; i < kAffordBoxCount; ++i)
            EXPECT_EQ(form.Text(static_cast<B>(i)), c.texts[i]) << i;
        EXPECT_FALSE(form.MessageShown());
    }
}

// Each choice of figure: the answer box shows the solved figure, the two
// given figures keep the texts they were entered with.
TEST(AffordForm, EachSolveChoiceWritesOnlyItsAnswer) {
    const struct {
        AffordSolve solve;
        B answer;
        const char* text;
        double value;
    } cases[] = {
        {AffordSolve::Principal, B::Principal, "     $148,102.70", 148102.70},
        {AffordSolve::Payment, B::Payment, "         $675.21", 675.21},
        {AffordSolve::Years, B::Years, "           22.93", 22.93},
    };
    for (const auto& c : cases) {
        AffordForm form;
        form.ChooseSolve(c.solve);
        const std::string given[] = {form.EnterPrincipal(100000), form.EnterYears(25).text,
                                     form.EnterPayment(c.solve == AffordSolve::Principal ? 1000 : 700)};
        const B givenBoxes[] = {B::Principal, B::Years, B::Payment};
        form.Calculate(Compounding::Monthly, Frequency::BiweeklyAccelerated, k365);
        ASSERT_FALSE(form.MessageShown());
        EXPECT_EQ(form.Text(c.answer), c.text);
        ASSERT_TRUE(form.Value(c.answer).has_value());
        EXPECT_NEAR(*form.Value(c.answer), c.value, 0.005);
        for (std::size_t i = 0; i < 3; ++i) {
            if (givenBoxes[i] != c.answer) {
                EXPECT_EQ(form.Text(givenBoxes[i]), given[i]);
            }
        }
    }
    // Choosing another figure recalculates nothing.
    AffordForm form;
    form.Calculate(Compounding::Monthly, Frequency::BiweeklyAccelerated, k365);
    form.ChooseSolve(AffordSolve::Years);
    EXPECT_EQ(form.Text(B::Payment), "         $675.21");
    EXPECT_EQ(form.Text(B::Years), "              25");
}

// A failed run empties the answer and the results; a box it does not reach
// keeps the text of the run before, however the choices changed since.
TEST(AffordForm, AFailedRunKeepsTheBoxesItDoesNotReach) {
    AffordForm form;
    form.Calculate(Compounding::Monthly, Frequency::BiweeklyAccelerated, k365);
    ASSERT_EQ(form.Text(B::DaysInYear), "365");

    const struct {
        const char* name;
        AffordSolve solve;
        double principal, payment;
        const char* message;
        bool focusPayment;
    } cases[] = {
        {"no principal", AffordSolve::Payment, 0, 0, kAffordMissingEntry, false},
        {"no payment", AffordSolve::Principal, 100000, 0, kAffordMissingEntry, false},
        {"too small a payment", AffordSolve::Years, 100000, 560, kAffordTooSmall, true},
    };
    for (const auto& c : cases) {
        form.ChooseSolve(c.solve);
        const std::string principal = form.EnterPrincipal(c.principal);
        const std::string payment = form.EnterPayment(c.payment);
        const std::string years = form.Text(B::Years);
        // New days and frequency: a run that reached the days box would show them.
        form.Calculate(Compounding::Monthly, Frequency::Monthly,
                       DayBasis::Preset(DayBasisChoice::Days365_25));
        EXPECT_EQ(form.MessageLine(), c.message) << c.name;
        EXPECT_EQ(form.FocusPayment(), c.focusPayment) << c.name;
        EXPECT_EQ(form.Text(B::DaysInYear), "365") << c.name;
        EXPECT_EQ(form.Value(B::DaysInYear), 365.0) << c.name;
        for (const B box : kResults) {
            EXPECT_EQ(form.Text(box), "") << c.name;
            EXPECT_FALSE(form.Value(box).has_value()) << c.name;
        }
        const std::pair<B, std::string> inputs[] = {
            {B::Principal, principal}, {B::Payment, payment}, {B::Years, years}};
        for (const auto& [box, entered] : inputs)
            EXPECT_EQ(form.Text(box), form.IsAnswerBox(box) ? "" : entered) << c.name;
        EXPECT_EQ(form.Text(B::Rate), "        6.500%");
    }

    // A good run hides the message again and reaches the days box.
    form.ChooseSolve(AffordSolve::Years);
    form.EnterPayment(700);
    form.Calculate(Compounding::Monthly, Frequency::WeeklyAccelerated,
                   DayBasis::Preset(DayBasisChoice::Days365_25));
    EXPECT_FALSE(form.MessageShown());
    EXPECT_EQ(form.MessageLine(), "");
    EXPECT_EQ(form.Text(B::Years), "           22.93");
    EXPECT_EQ(form.Text(B::DaysInYear), "365.25");
}

// "Normal" is a word, not a figure; the payments a year are a figure.
TEST(AffordForm, NormalDaysHaveNoFigure) {
    AffordForm form;
    form.Calculate(Compounding::Monthly, Frequency::Semimonthly, DayBasis::Preset(DayBasisChoice::Days364));
    EXPECT_EQ(form.Text(B::DaysInYear), "Normal");
    EXPECT_FALSE(form.Value(B::DaysInYear).has_value());
    EXPECT_EQ(form.Value(B::PaymentsPerYear), 24.0);
    form.Calculate(Compounding::Monthly, Frequency::OneWeek, DayBasis::Preset(DayBasisChoice::Days364));
    EXPECT_EQ(form.Text(B::DaysInYear), "364");
    EXPECT_EQ(form.Value(B::DaysInYear), 364.0);
}

TEST(AffordForm, ThePeriodBoxHoldsAtMost40Years) {
    const struct {
        const char* typed;
        bool message;
        const char* text;
    } cases[] = {{"45", true, "              40"},
                 {"40", false, "              40"},
                 {"12", false, "              12"}};
    for (const auto& c : cases) {
        const TermEntry left = AffordForm::YearsLimit(c.typed);
        EXPECT_EQ(left.message.has_value(), c.message) << c.typed;
        EXPECT_EQ(left.text, c.text) << c.typed;
        AffordForm form;
        const TermEntry entered = form.EnterYears(ParseNumber(c.typed));
        EXPECT_EQ(entered.message, left.message) << c.typed;
        EXPECT_EQ(form.Text(B::Years), c.text) << c.typed;
        EXPECT_EQ(form.Figures().years, ParseNumber(c.text)) << c.typed;
    }
}

// The help boxes show these texts as they are: a lone LF or CR would show as
// a stray character, and a text cut short loses its last paragraph.
TEST(QuickHelp, EveryScreensTextBreaksLinesWithCrLfAndEndsWhole) {
    const struct {
        std::string text;
        const char* begins;
        const char* ends;
    } cases[] = {
        {AffordQuickHelp(), "Calculations are automatic", "Press F1 key for more detailed information."},
        {TablesQuickHelp(TableKind::Mortgage), "Click on green box", "numbers."},
        {TablesQuickHelp(TableKind::PersonalLoan), "                          How to use for Car",
         "numbers."},
        {ComparisonQuickHelp(), "Click on green box", " payments."},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.text.starts_with(c.begins)) << c.text;
        EXPECT_TRUE(c.text.ends_with(c.ends)) << c.text;
        for (std::size_t i = 0; i < c.text.size(); ++i) {
            const bool pairedCr = c.text[i] == '\r' && i + 1 < c.text.size() && c.text[i + 1] == '\n';
            const bool pairedLf = c.text[i] == '\n' && i > 0 && c.text[i - 1] == '\r';
            ASSERT_TRUE((c.text[i] != '\r' || pairedCr) && (c.text[i] != '\n' || pairedLf))
                << c.begins << " at " << i;
        }
    }
}

}  // namespace
}  // namespace amortix
