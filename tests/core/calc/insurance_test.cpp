#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/calc/insurance.h"

namespace amortix {
namespace {

// Minimum down payments worked by hand from the rule: 5 % of the first
// 500,000, 10 % of the rest, 20 % at or above 1,500,000.
TEST(DefaultInsurance, MinimumDownPaymentByPrice) {
    const struct {
        double price, minimum;
    } cases[] = {
        {400'000, 20'000},       {500'000, 25'000},    {750'000, 50'000},    {1'000'000, 75'000},
        {1'499'999, 124'999.90}, {1'500'000, 300'000}, {2'000'000, 400'000},
    };
    for (const auto& c : cases) EXPECT_NEAR(MinimumDownPayment(c.price), c.minimum, 0.005) << c.price;
}

// The premium at each band's edges, from the published table: the
// loan-to-value before the premium picks the band, the amortization the column.
TEST(DefaultInsurance, CanadianPremiumAtTheBandEdges) {
    const struct {
        double price, down, years;
        double ltv, rate, premium;
    } cases[] = {
        {500'000, 100'000, 25, 80.00, 0, 0},            // 20 % down: conventional
        {500'000, 99'950, 25, 80.01, 2.80, 11'201.40},  // 400,050 x 2.80 %
        {500'000, 50'000, 25, 90.00, 3.10, 13'950.00},
        {500'000, 49'950, 25, 90.01, 4.00, 18'002.00},
        {500'000, 25'000, 25, 95.00, 4.00, 19'000.00},
        {500'000, 25'000, 30, 95.00, 4.20, 19'950.00},  // the 30-year column
        {500'000, 75'000, 26, 85.00, 3.00, 12'750.00},
    };
    for (const auto& c : cases) {
        const auto p = CanadianPremiumFor(c.price, c.down, c.years);
        ASSERT_TRUE(p) << c.down;
        EXPECT_DOUBLE_EQ(p->ltvPercent, c.ltv) << c.down;
        EXPECT_DOUBLE_EQ(p->ratePercent, c.rate) << c.down;
        EXPECT_NEAR(p->premium, c.premium, 0.005) << c.down;
    }
    // Below the minimum down payment there is no insured mortgage at all.
    EXPECT_FALSE(CanadianPremiumFor(500'000, 24'999.99, 25));
    EXPECT_FALSE(CanadianPremiumFor(1'000'000, 74'999, 25));
    EXPECT_TRUE(CanadianPremiumFor(1'000'000, 75'000, 25));
    EXPECT_FALSE(CanadianPremiumFor(1'500'000, 299'999, 25));
    // An 8 % sales tax on the premium, paid in cash; a rate the user typed.
    const auto taxed = CanadianPremiumFor(500'000, 25'000, 25, 8.0);
    ASSERT_TRUE(taxed);
    EXPECT_NEAR(taxed->salesTax, 1'520.00, 0.005);
    const auto typed = CanadianPremiumFor(500'000, 25'000, 25, 0, 3.5);
    ASSERT_TRUE(typed);
    EXPECT_NEAR(typed->premium, 16'625.00, 0.005);
    // A typed percentage replaces the table's only where the table has one: a
    // conventional mortgage, or a home of 1,500,000 or more, has no premium.
    for (const auto& [price, down] : {std::pair{500'000.0, 100'000.0}, std::pair{1'500'000.0, 300'000.0}}) {
        const auto conventional = CanadianPremiumFor(price, down, 25, 8.0, 3.5);
        ASSERT_TRUE(conventional) << price;
        EXPECT_EQ(conventional->premium, 0) << price;
        EXPECT_EQ(conventional->salesTax, 0) << price;
    }
}

// The 30-year column at the same edges (from the published table; the
// premiums worked by hand as the loan times the percentage).
TEST(DefaultInsurance, CanadianPremiumThirtyYearColumn) {
    const struct {
        double down, ltv, rate, premium;
    } cases[] = {
        {100'000, 80.00, 0, 0},
        {99'950, 80.01, 3.00, 12'001.50},
        {50'000, 90.00, 3.30, 14'850.00},
        {25'000, 95.00, 4.20, 19'950.00},
    };
    for (const auto& c : cases) {
        const auto p = CanadianPremiumFor(500'000, c.down, 30);
        ASSERT_TRUE(p) << c.down;
        EXPECT_DOUBLE_EQ(p->ltvPercent, c.ltv) << c.down;
        EXPECT_DOUBLE_EQ(p->ratePercent, c.rate) << c.down;
        EXPECT_NEAR(p->premium, c.premium, 0.005) << c.down;
    }
}

std::vector<double> Balances(double loan, double ratePercent, int payments) {
    const double i = ratePercent / 1200.0;
    const double a = loan * i / (1 - std::pow(1 + i, -payments));
    std::vector<double> out;
    double b = loan;
    for (int k = 0; k < payments; ++k) out.push_back(b = b * (1 + i) - a);
    return out;
}

// 237,500 on a 250,000 home over 30 years, monthly. The payment numbers come
// from an independent iteration of the balance (b = b(1 + i) - a) in Python.
TEST(DefaultInsurance, UsInsuranceEndsAt78PercentOrTheMidpoint) {
    const struct {
        double rate;
        long onRequest, automatic;
    } cases[] = {
        {6, 118, 129},
        {11, 178, 181},  // 78 % only at 189: the midpoint comes first
        {13, 199, 181},
    };
    for (const auto& c : cases) {
        const std::vector<double> b = Balances(237'500, c.rate, 360);
        const UsInsuranceEnd end = UsInsuranceEnds(b, 250'000, 360);
        EXPECT_EQ(end.onRequest, c.onRequest) << c.rate;
        EXPECT_EQ(end.automatic, c.automatic) << c.rate;
    }
}

}  // namespace
}  // namespace amortix
