#include <gtest/gtest.h>

#include "core/forms/costs_texts.h"

namespace amortix {
namespace {

// The texts the costs dialog, the report and the command line show, from the
// Canadian purchase of costs_figures.py.
TEST(CostsTexts, EachFigureAsItIsShown) {
    ScheduleInputs in;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    Costs c;
    c.price = 500000;
    c.downPayment = 25000;
    c.insurance = InsuranceKind::Canada;
    c.premiumTaxPercent = 8;
    c.pointsPercent = 1;
    c.lenderFees = 1000;
    c.lenderFeesPaid = FeePayment::Financed;
    const CostsResult r = CalculateCosts(in, c);
    const CostsTexts t = CostsTextsFor(r, c, "$");
    const struct {
        const char* what;
        std::string text, expected;
    } cases[] = {
        {"price", t.purchasePrice, "$500,000.00"},
        {"loan-to-value", t.loanToValue, "95.00%"},
        {"premium percent", t.premiumPercent, "4.000%"},
        {"premium", t.premium, "$19,000.00"},
        {"principal", t.principal, "$495,000.00"},
        {"amount financed", t.amountFinanced, "$468,530.00"},
        {"apr", t.apr, "5.506%"},
        {"effective", t.effectiveAnnualRate, "5.647%"},
        {"term", t.termCaption, "5-year term"},
        {"closing costs", t.closingCosts, "$0.00"},
        {"no US insurance", t.insuranceEnds, ""},
        {"principal from the price", PrincipalFromPriceText(c, r.purchase, "$"),
         "The principal becomes $495,000.00: the price less the down payment, plus the premium and the fees "
         "added to the loan."},
    };
    for (const auto& k : cases) EXPECT_EQ(k.text, k.expected) << k.what;

    // Below the minimum (5 % of 500,000 worked by hand) the message is told the minimum.
    c.downPayment = 20000;
    const Purchase refused = PurchaseFor(in, c);
    ASSERT_EQ(MessageNumbers(refused.messages), std::vector<int>{52});
    EXPECT_EQ(MinimumDownPaymentText(c, refused, "$"),
              "The minimum is $25,000.00 for a price of $500,000.00.");
    EXPECT_EQ(PrincipalFromPriceText(c, refused, "$"), "");
    EXPECT_EQ(CostsTextsFor(CalculateCosts(in, c), c, "$").apr, "");
}

}  // namespace
}  // namespace amortix
