#include <gtest/gtest.h>

#include "core/forms/comparison_form.h"

namespace amortix {
namespace {

TEST(ComparisonForm, PeriodLimitHoldsForAnyTextLeftInTheBox) {
    const struct {
        const char* text;
        std::optional<int> message;
    } cases[] = {{"40", std::nullopt},
                 {"              40", std::nullopt},
                 {"41", 5},
                 {"            45", 5},
                 {"", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(MessageNumber(ComparisonForm::TermLimit(c.text)), c.message) << c.text;
}

TEST(ComparisonForm, BoxesShowWhatTheNextRowUses) {
    ComparisonForm form("EUR");
    EXPECT_EQ(form.EnterPrincipal(150000), "   EUR150,000.00");
    EXPECT_EQ(form.EnterRate(10.125), ComparisonStartFor("$").rateText);
    EXPECT_EQ(form.EnterRate(7.5), "          7.500%");
    EXPECT_EQ(form.EnterTerm(30), "              30");
    form.Extra().increase = 0.02f;
    EXPECT_TRUE(form.AdditionalPaymentsInForce());

    const ComparisonRun run =
        form.Calculate({Compounding::Semiannual, Frequency::BiweeklyAccelerated, Rounding::Exact,
                        DayBasis::Preset(amortix::DayBasisChoice::Days365)});
    ASSERT_TRUE(run.added);
    const Grid1Row& cells = form.Table().State().grid1[1];
    EXPECT_EQ(cells[7], "EUR150,000.00");
    EXPECT_EQ(cells[8], "7.500");
    EXPECT_EQ(cells[4], "30");
    EXPECT_EQ(cells[10], " 2.000");
    EXPECT_EQ(cells[5].front(), '*');
    ASSERT_TRUE(form.Table().State().rowValues[0]);
    EXPECT_EQ(form.Table().State().rowValues[0]->frequency, Frequency::BiweeklyAccelerated);
    EXPECT_EQ(form.Table().State().rowValues[0]->compounding, Compounding::Semiannual);
    EXPECT_EQ(form.Table().State().rowCount, 1);

    // Leaving the period box ends the percentage with the year amounts; the
    // month stays.
    form.Extra().month = Month{5};
    form.EraseAdditionalPayments();
    EXPECT_FALSE(form.AdditionalPaymentsInForce());
    EXPECT_EQ(form.Extra().month, Month{5});
}

// The prepayments reach the next rows and come back with an opened
// comparison; they alone turn the indicator red.
TEST(ComparisonForm, PrepaymentsForTheNextRows) {
    ComparisonForm form;
    EXPECT_FALSE(form.AdditionalPaymentsInForce());
    form.Prepays().oneTime = {{3, 3, Currency::FromDouble(8000)}};
    form.Prepays().yearlyLimitPercent = 5;
    EXPECT_TRUE(form.AdditionalPaymentsInForce());
    const ComparisonRun run = form.Calculate({});
    ASSERT_TRUE(run.added);
    EXPECT_EQ(MessageNumbers(run.messages), std::vector<int>{47});  // 8,000 over 5,000
    ASSERT_TRUE(form.Table().State().rowValues[0]);
    EXPECT_EQ(form.Table().State().rowValues[0]->oneTimePayments.size(), 1u);
    form.EraseAdditionalPayments();  // the period's own amounts only
    EXPECT_TRUE(form.AdditionalPaymentsInForce());

    ComparisonForm opened;
    ComparisonInputs inputs = form.Inputs({});
    ASSERT_TRUE(opened.Restore(inputs, form.Table().State()));
    EXPECT_EQ(opened.Prepays(), form.Prepays());
}

}  // namespace
}  // namespace amortix
