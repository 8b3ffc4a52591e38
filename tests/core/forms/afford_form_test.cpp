#include <gtest/gtest.h>

#include "core/forms/afford_form.h"

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

TEST(AffordForm, QuickHelpIsSevenParagraphsJoinedByCrLf) {
    const std::string help = AffordQuickHelp();
    std::size_t blanks = 0;
    for (auto at = help.find("\r\n\r\n"); at != std::string::npos; at = help.find("\r\n\r\n", at + 4))
        ++blanks;
    EXPECT_EQ(blanks, 6u);
    // Every break is a CR LF pair.
    for (std::size_t i = 0; i < help.size(); ++i) {
        if (help[i] == '\n') {
            ASSERT_TRUE(i > 0 && help[i - 1] == '\r') << i;
        }
    }
    EXPECT_NE(help.find("Monthly payment. Click 'Principal' option, then type"), std::string::npos);
    EXPECT_TRUE(help.ends_with("Press F1 key for more detailed information."));
}

}  // namespace
}  // namespace amortix
