#include <gtest/gtest.h>

#include "core/forms/qualify_form.h"

namespace amortix {
namespace {

TEST(QualifyForm, BoxesShowTheirFiguresInTheBoxForms) {
    QualifyForm form("$");
    EXPECT_EQ(form.Enter(QualifyInput::Income, 100000), "     $100,000.00");
    EXPECT_EQ(form.Enter(QualifyInput::PropertyTax, 3600), "       $3,600.00");
    EXPECT_EQ(form.Enter(QualifyInput::Heating, 120), "         $120.00");
    EXPECT_EQ(form.Enter(QualifyInput::DownPayment, 95000), "      $95,000.00");
    EXPECT_EQ(form.Enter(QualifyInput::Rate, 5), "         5.000%");
    EXPECT_EQ(form.Enter(QualifyInput::Years, 25.9), "              25");  // whole years
    EXPECT_EQ(form.Text(QualifyBox::MaxMortgage), "");                     // nothing calculated yet
    form.Calculate();
    ASSERT_TRUE(form.HasResults());
    // Figures of qualify_test.cpp (qualify_figures.py).
    const struct {
        QualifyBox box;
        const char* text;
    } rows[] = {
        {QualifyBox::MaxMortgage, "     $404,045.73"},
        {QualifyBox::MaxPrice, "     $488,040.59"},
        {QualifyBox::Premium, "      $11,005.14"},
        {QualifyBox::MortgageInsurance, "           $0.00"},
        {QualifyBox::Binding, "   Housing (GDS)"},
        {QualifyBox::Gds, "          39.00%"},
        {QualifyBox::QualifyingRate, "         7.000%"},
        {QualifyBox::QualifyingPayment, "       $2,830.00"},
        {QualifyBox::DownPaymentNeeded, "      $24,402.03"},
    };
    for (const auto& r : rows) EXPECT_EQ(form.Text(r.box), r.text) << Info(r.box).objectName;
    // Any change clears the results.
    form.Enter(QualifyInput::Debts, 10);
    EXPECT_EQ(form.Text(QualifyBox::MaxMortgage), "");
}

TEST(QualifyForm, AnotherRuleSetBringsItsLimitsAndCompounding) {
    QualifyForm form;
    form.Enter(QualifyInput::Gds, 35);
    form.ChooseRules(QualifyRules::UnitedStates);
    EXPECT_EQ(form.Value(QualifyInput::Gds), 28);
    EXPECT_EQ(form.Value(QualifyInput::Tds), 36);
    EXPECT_FALSE(form.Inputs().limits.stressTest);
    EXPECT_EQ(form.Inputs().compounding, Compounding::Monthly);
    form.Calculate();
    EXPECT_EQ(form.Text(QualifyBox::DownPaymentNeeded), "            None");
    form.ChooseRules(QualifyRules::Canada);
    EXPECT_EQ(form.Value(QualifyInput::Gds), 39);
    EXPECT_EQ(form.Inputs().compounding, Compounding::Semiannual);
}

TEST(QualifyForm, RefusalsLeaveTheResultsEmpty) {
    QualifyForm form;
    form.Enter(QualifyInput::Years, 45);
    EXPECT_EQ(form.Calculate().messages, std::vector<Message>{Message::QualifyRange});
    EXPECT_EQ(form.Text(QualifyBox::MaxPrice), "");
    EXPECT_FALSE(form.Value(QualifyBox::MaxPrice));
}

}  // namespace
}  // namespace amortix
