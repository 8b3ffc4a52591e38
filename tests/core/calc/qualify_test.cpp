#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/calc/qualify.h"

namespace amortix {
namespace {

// The buyer of most rows: 100,000 a year, property tax 3,600 a year,
// heating 120 a month, 5 % compounded semiannually over 25 years, paid
// monthly.
QualifyInputs Buyer(double debts, double down, double rate = 5, int years = 25) {
    QualifyInputs in;
    in.income = 100000;
    in.debtsMonthly = debts;
    in.propertyTaxYearly = 3600;
    in.heatingMonthly = 120;
    in.downPayment = down;
    in.ratePercent = rate;
    in.years = years;
    return in;
}

QualifyInputs UsBuyer(double debts, double down) {
    QualifyInputs in = WithRules(Buyer(debts, down, 6.5, 30), QualifyRules::UnitedStates);
    in.homeInsuranceYearly = 1200;
    in.heatingMonthly = 500;  // not a housing cost under these rules
    return in;
}

struct Expected {
    const char* name;
    QualifyInputs in;
    QualifyBinding binding;
    double qualifyingRate, loan, price, premium, gds, tds, payment, qualifyingPayment;
};

void ExpectFigures(const Expected& e) {
    SCOPED_TRACE(e.name);
    const QualifyResult r = Qualify(e.in);
    ASSERT_TRUE(r.qualified);
    EXPECT_EQ(r.binding, e.binding);
    EXPECT_DOUBLE_EQ(r.qualifyingRatePercent, e.qualifyingRate);
    // The loan to the cent: the largest that fits, not one cent less.
    EXPECT_NEAR(r.maxMortgage, e.loan, 0.001);
    EXPECT_NEAR(r.maxPrice, e.price, 0.001);
    EXPECT_NEAR(r.premium, e.premium, 0.001);
    EXPECT_NEAR(r.gdsPercent, e.gds, 0.00001);
    EXPECT_NEAR(r.tdsPercent, e.tds, 0.00001);
    EXPECT_NEAR(r.payment, e.payment, 0.00001);
    EXPECT_NEAR(r.qualifyingPayment, e.qualifyingPayment, 0.00001);
}

// Every figure from qualify_figures.py (decimal arithmetic, the largest loan
// found band by band in closed form; independent of the program).
TEST(Qualify, TheBindingRatioSwitchesFromHousingToTotalAsDebtsGrow) {
    const Expected cases[] = {
        // Canada: total debt service binds once the debts pass 5 % of the
        // income a month (416.67): 44 % - 39 %.
        {"canada, no debts", Buyer(0, 150000), QualifyBinding::Gds, 7, 404045.73, 554045.73, 0, 38.999999,
         38.999999, 2349.950108, 2829.999947},
        {"canada, debts 400", Buyer(400, 150000), QualifyBinding::Gds, 7, 404045.73, 554045.73, 0, 38.999999,
         43.799999, 2349.950108, 2829.999947},
        {"canada, debts 450", Buyer(450, 150000), QualifyBinding::Tds, 7, 399286.65, 549286.65, 0, 38.599999,
         43.999999, 2322.271061, 2796.666601},
        {"canada, debts 1000", Buyer(1000, 150000), QualifyBinding::Tds, 7, 320761.86, 470761.86, 0,
         31.999999, 43.999999, 1865.566968, 2246.666601},
        // United States: at 8 % of the income (666.67), at the contract rate,
        // home insurance counted and heating not.
        {"us, debts 600", UsBuyer(600, 150000), QualifyBinding::Gds, 6.5, 305874.25, 455874.25, 0, 28.0, 35.2,
         1933.333326, 1933.333326},
        {"us, debts 800", UsBuyer(800, 150000), QualifyBinding::Tds, 6.5, 284779.47, 434779.47, 0, 26.4, 36.0,
         1799.999967, 1799.999967},
    };
    for (const Expected& e : cases) ExpectFigures(e);
}

TEST(Qualify, CardBalancesCountAtThreePercentAMonth) {
    QualifyInputs cards = Buyer(0, 150000);
    cards.cardBalances = 10000;
    const QualifyResult r = Qualify(cards);
    ASSERT_TRUE(r.qualified);
    EXPECT_DOUBLE_EQ(r.otherDebts, 300);
    EXPECT_NEAR(r.tdsPercent - r.gdsPercent, 3.6, 1e-9);  // 300 of 8,333.33
}

TEST(Qualify, TheQualifyingRateIsTheFloorOrTheContractRatePlusTwo) {
    QualifyInputs noStress = Buyer(0, 150000, 4);
    noStress.limits.stressTest = false;
    const Expected cases[] = {
        {"3 % + 2 is below the floor of 5.25 %", Buyer(0, 150000, 3), QualifyBinding::Gds, 5.25, 474897.53,
         624897.53, 0, 38.999999, 38.999999, 2247.431183, 2829.999950},
        {"4 % + 2 is above it", Buyer(0, 150000, 4), QualifyBinding::Gds, 6, 442321.14, 592321.14, 0,
         38.999999, 38.999999, 2326.698569, 2829.999952},
        {"without the test the contract rate", noStress, QualifyBinding::Gds, 4, 538002.14, 688002.14, 0,
         39.0, 39.0, 2829.999961, 2829.999961},
    };
    for (const Expected& e : cases) ExpectFigures(e);
}

TEST(Qualify, ADownPaymentJustUnderTwentyPercentAddsThePremium) {
    const Expected cases[] = {
        // 95,000 of 488,040.59 is 19.47 %: loan-to-value 80.53, the 2.80 %
        // band, and the premium takes part of what the income carries.
        {"19.5 % down", Buyer(0, 95000), QualifyBinding::Gds, 7, 404045.73, 488040.59, 11005.14, 38.999999,
         38.999999, 2349.950108, 2829.999947},
        {"20.01 % down", Buyer(0, 101100), QualifyBinding::Gds, 7, 404045.73, 505145.73, 0, 38.999999,
         38.999999, 2349.950108, 2829.999947},
        // Over 25 years the band's 3.00 %.
        {"19.5 % down over 30 years", Buyer(0, 95000, 5, 30), QualifyBinding::Gds, 7, 429697.20, 512181.75,
         12515.45, 38.999999, 38.999999, 2293.253904, 2829.999951},
        // United States: 20,000 down, the insurance of 0.5 % a year with the
        // payments (119.57 a month) instead of a premium.
        {"us, 6.5 % down", UsBuyer(0, 20000), QualifyBinding::Gds, 6.5, 286956.98, 306956.98, 0, 28.0, 28.0,
         1813.763312, 1813.763312},
    };
    for (const Expected& e : cases) ExpectFigures(e);
    const QualifyResult canada = Qualify(Buyer(0, 95000));
    EXPECT_DOUBLE_EQ(canada.premiumPercent, 2.80);
    ASSERT_TRUE(canada.downPaymentNeeded);
    EXPECT_NEAR(*canada.downPaymentNeeded, 24402.03, 0.001);
    const QualifyResult us = Qualify(UsBuyer(0, 20000));
    EXPECT_NEAR(us.mortgageInsuranceMonthly, 119.57, 0.001);
    EXPECT_FALSE(us.downPaymentNeeded);
}

TEST(Qualify, TheDownPaymentLimitsThePriceToItsMinimum) {
    // 20,000 is 5 % of 400,000 (to the cent of the minimum: 400,000.09); the
    // 4.00 % band. qualify_figures.py.
    const QualifyResult r = Qualify(Buyer(0, 20000));
    ASSERT_TRUE(r.qualified);
    EXPECT_TRUE(r.downPaymentLimits);
    EXPECT_EQ(r.messages, std::vector<Message>{Message::DownPaymentLimitsPrice});
    EXPECT_NEAR(r.maxPrice, 400000.09, 0.001);
    EXPECT_NEAR(r.premium, 15200.00, 0.001);
    EXPECT_NEAR(r.maxMortgage, 395200.09, 0.001);
    EXPECT_NEAR(r.gdsPercent, 38.256524, 0.00001);
    // Beyond 30 years no insurance: a conventional mortgage, 80 % of the price.
    const QualifyResult longer = Qualify(Buyer(0, 20000, 5, 35));
    EXPECT_EQ(longer.messages, std::vector<Message>{Message::InsuredPeriodLimit});
    EXPECT_NEAR(longer.maxMortgage, 80025.00, 0.001);  // band_cap: 80.005 % rounds to 80.00
}

TEST(Qualify, IncomeThatQualifiesForNothing) {
    QualifyInputs noIncome = Buyer(0, 150000);
    noIncome.income = 0;
    QualifyInputs noDown = Buyer(0, 0);
    const struct {
        const char* name;
        QualifyInputs in;
        Message message;
    } cases[] = {
        {"debts alone over 44 %", Buyer(3500, 150000), Message::QualifiesForNothing},
        {"no income", noIncome, Message::QualifiesForNothing},
        {"us debts alone over 36 %", UsBuyer(3000, 150000), Message::QualifiesForNothing},
        {"no down payment buys nothing in Canada", noDown, Message::DownPaymentLimitsPrice},
    };
    for (const auto& c : cases) {
        const QualifyResult r = Qualify(c.in);
        EXPECT_FALSE(r.qualified) << c.name;
        EXPECT_EQ(r.messages, std::vector<Message>{c.message}) << c.name;
        EXPECT_EQ(r.maxMortgage, 0) << c.name;
    }
    // The US rules have no minimum: all of the price is borrowed.
    EXPECT_TRUE(Qualify(UsBuyer(0, 0)).qualified);
}

TEST(Qualify, InputsOutOfRangeAreRefused) {
    const auto refused = [](auto change) {
        QualifyInputs in = Buyer(0, 150000);
        change(in);
        return Qualify(in).messages == std::vector<Message>{Message::QualifyRange};
    };
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.income = -1; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.income2 = 10'000'000; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.cardBalances = std::nan(""); }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.ratePercent = 100.5; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.years = 0; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.years = 41; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.limits.gdsPercent = 101; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.limits.stressFloorPercent = -0.5; }));
    EXPECT_TRUE(refused([](QualifyInputs& in) { in.rules = static_cast<QualifyRules>(7); }));
    EXPECT_FALSE(refused([](QualifyInputs& in) { in.years = 40; }));
}

// One cent more than the answer does not fit: the payment at the qualifying
// rate of the loan one cent larger leaves the limit.
TEST(Qualify, TheLargestLoanIsExactToTheCent) {
    for (const double down : {20000.0, 95000.0, 150000.0, 1'000'000.0}) {
        QualifyInputs in = Buyer(250, down);
        in.income2 = 35500;
        const QualifyResult r = Qualify(in);
        ASSERT_TRUE(r.qualified) << down;
        QualifyInputs more = in;
        more.income = in.income + 1;  // a little more income buys a little more
        EXPECT_GE(Qualify(more).maxPrice, r.maxPrice) << down;
        EXPECT_LE(r.tdsPercent, in.limits.tdsPercent) << down;
        EXPECT_LE(r.gdsPercent, in.limits.gdsPercent) << down;
        EXPECT_NEAR(std::round(r.maxMortgage * 100), r.maxMortgage * 100, 1e-6) << down;
    }
}

}  // namespace
}  // namespace amortix
