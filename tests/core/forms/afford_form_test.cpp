#include <gtest/gtest.h>

#include "core/forms/afford_form.h"
#include "core/forms/comparison_form.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

TEST(AffordForm, TheFigureToFindDecidesTheAnswerBoxAndTheHighlightedLabels) {
    using B = AffordBox;
    const struct {
        AffordSolve solve;
        B answer;
    } cases[] = {{AffordSolve::Principal, B::Principal},
                 {AffordSolve::Payment, B::Payment},
                 {AffordSolve::Years, B::Term}};
    for (const auto& c : cases) {
        for (const B box : {B::Principal, B::Rate, B::Term, B::Payment}) {
            const bool answer = box == c.answer;
            EXPECT_EQ(IsAnswerBox(c.solve, box), answer);
            // The rate is always given but never highlighted.
            EXPECT_EQ(IsHighlightedLabel(c.solve, box), !answer && box != B::Rate);
        }
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
