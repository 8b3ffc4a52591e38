#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/costs.h"

namespace amortix {
namespace {

// A mortgage compounded and paid monthly, as the rows below give it.
ScheduleInputs Mortgage(double principal, double ratePercent, double years,
                        Compounding compounding = Compounding::Monthly,
                        Frequency frequency = Frequency::Monthly) {
    ScheduleInputs in;
    in.principal = principal;
    in.ratePercent = ratePercent;
    in.years = years;
    in.compounding = compounding;
    in.frequency = frequency;
    return in;
}

Costs Purchased(double price, double down, InsuranceKind insurance = InsuranceKind::None) {
    Costs c;
    c.price = price;
    c.downPayment = down;
    c.insurance = insurance;
    return c;
}

// Annual percentage rates with fees from a published calculator manual,
// worked through the whole calculation (the schedule's payments, the fees
// taken from the amount financed), to 0.01 percentage point.
TEST(Costs, AprWithFeesMatchesTheHp12cHandbook) {
    const struct {
        const char* source;
        double principal, rate, points, fee, apr;
    } cases[] = {
        {"HP 12C Owner's Handbook, section 12, APR with fees, example 1: 2 points", 60000, 11.5, 2, 0, 11.76},
        {"HP 12C Owner's Handbook, section 12, APR with fees, example 2: $150 fee", 60000, 11.5, 0, 150,
         11.53},
        {"HP 12c Platinum Owner's Handbook, section 12, APR with fees, example 2: $750 fee", 160000, 5.5, 0,
         750, 5.54},
    };
    for (const auto& c : cases) {
        Costs costs;
        costs.pointsPercent = c.points;
        costs.lenderFees = c.fee;
        const CostsResult r = CalculateCosts(Mortgage(c.principal, c.rate, 30), costs);
        ASSERT_TRUE(r.calculated) << c.source;
        EXPECT_NEAR(r.aprPercent, c.apr, 0.005) << c.source;
    }
}

// Without fees the APR is the rate the schedule charges each payment period,
// times the payment periods a year (12, 24, 26, 52): the quoted rate itself
// only where the interest is compounded as often as it is paid. 6 %
// compounded semiannually and paid monthly is 12((1.03)^(1/6) - 1) = 5.926 %;
// 2-week and weekly payments on a 365-day year count 26.0714 and 52.1429
// periods for the rate but 26 and 52 unit-periods for the APR. Expected
// figures from costs_figures.py (decimal, independent of the program).
TEST(Costs, WithoutFeesTheAprIsTheNoteRatePerPaymentPeriod) {
    const struct {
        Compounding compounding;
        Frequency frequency;
        double apr;
    } cases[] = {
        {Compounding::Monthly, Frequency::Monthly, 6.0},
        {Compounding::Monthly, Frequency::Semimonthly, 5.992518691611},
        {Compounding::Monthly, Frequency::TwoWeeks, 5.975508587566},
        {Compounding::Monthly, Frequency::OneWeek, 5.972079190465},
        {Compounding::Monthly, Frequency::BiweeklyAccelerated, 5.975508587566},
        {Compounding::Monthly, Frequency::WeeklyAccelerated, 5.972079190465},
        {Compounding::Semiannual, Frequency::Monthly, 5.926346437436},
        {Compounding::Semiannual, Frequency::Semimonthly, 5.919047453529},
        {Compounding::Semiannual, Frequency::TwoWeeks, 5.902253067594},
        {Compounding::Semiannual, Frequency::WeeklyAccelerated, 5.898907192012},
        {Compounding::Annual, Frequency::Monthly, 5.841060678412},
        {Compounding::Annual, Frequency::OneWeek, 5.814174752429},
    };
    for (const auto& c : cases) {
        const ScheduleInputs in = Mortgage(250000, 6, 25, c.compounding, c.frequency);
        Costs costs;
        costs.propertyTaxYearly = 1200;  // a home cost is no finance charge
        const CostsResult r = CalculateCosts(in, costs);
        ASSERT_TRUE(r.calculated);
        EXPECT_NEAR(r.aprPercent, c.apr, 1e-6)
            << Info(c.compounding).cliName << " " << Info(c.frequency).cliName;
        const double i = c.apr / 100 / r.paymentsPerYear;
        EXPECT_NEAR(r.effectiveAnnualPercent, (std::pow(1 + i, r.paymentsPerYear) - 1) * 100, 1e-6);
        EXPECT_DOUBLE_EQ(r.purchase.amountFinanced, 250000);
    }
}

// A Canadian purchase worked end to end in costs_figures.py: 500,000 with
// 25,000 down (95 %: premium 4.00 %, 8 % sales tax in cash), 5 % compounded
// semiannually over 25 years; 1 point in cash, a 1,000 lender fee added to
// the loan, 1,500 of closing costs in cash, and the costs of the home.
TEST(Costs, ACanadianPurchaseWorkedEndToEnd) {
    Costs c = Purchased(500000, 25000, InsuranceKind::Canada);
    c.premiumTaxPercent = 8;
    c.pointsPercent = 1;
    c.lenderFees = 1000;
    c.lenderFeesPaid = FeePayment::Financed;
    c.closingCosts = 1500;
    c.propertyTaxYearly = 3600;
    c.homeInsuranceYearly = 1200;
    c.condoFeesMonthly = 300;
    c.heatingMonthly = 100;
    const CostsResult r = CalculateCosts(Mortgage(0, 5, 25, Compounding::Semiannual), c);
    ASSERT_TRUE(r.calculated);
    const Purchase& p = r.purchase;
    const struct {
        const char* figure;
        double value, expected;
    } figures[] = {
        {"loan-to-value", p.ltvPercent, 95.00},
        {"premium percent", p.premiumPercent, 4.00},
        {"premium", p.premium, 19000.00},
        {"premium tax", p.premiumTax, 1520.00},
        {"principal", p.principal, 495000.00},
        {"points", p.points, 4950.00},
        {"prepaid finance charges", p.prepaidFinanceCharges, 26470.00},
        {"amount financed", p.amountFinanced, 468530.00},
        {"cash at closing", p.cashAtClosing, 32970.00},
        {"interest", r.amortization.interest, 368683.40},
        {"finance charges", r.amortization.financeCharges, 5950.00},
        {"insurance", r.amortization.insurance, 20520.00},
        {"cost of borrowing", r.amortization.Total(), 395153.40},
        {"5-year interest", r.term.interest, 115848.84},
        {"5-year cost of borrowing", r.term.Total(), 142318.84},
        {"principal and interest a month", r.monthly.principalAndInterest, 2878.94},
        {"property tax a month", r.monthly.propertyTax, 300.00},
        {"home insurance a month", r.monthly.homeInsurance, 100.00},
        {"monthly cost", r.monthly.Total(), 3678.94},
    };
    for (const auto& f : figures) EXPECT_NEAR(f.value, f.expected, 0.006) << f.figure;
    EXPECT_NEAR(r.aprPercent, 5.506291145, 1e-6);
    EXPECT_NEAR(r.effectiveAnnualPercent, 5.647401922, 1e-6);
    EXPECT_EQ(r.insuranceEnds.payment, 0);
    EXPECT_EQ(r.termYears, 5);
}

// A US purchase worked in costs_figures.py: 400,000 with 20,000 down, 6.5 %
// monthly over 30 years, mortgage insurance 0.5 % a year of the loan paid
// monthly (158.33) until the payment at whose date the scheduled balance is
// at 78 % of the price.
TEST(Costs, AUsPurchaseWithMonthlyInsurance) {
    Costs c = Purchased(400000, 20000, InsuranceKind::UnitedStates);
    c.usAnnualPercent = 0.5;
    c.termYears = 10;
    const CostsResult r = CalculateCosts(Mortgage(0, 6.5, 30), c);
    ASSERT_TRUE(r.calculated);
    EXPECT_DOUBLE_EQ(r.purchase.principal, 380000);
    EXPECT_DOUBLE_EQ(r.insurancePerPayment, 158.33);
    EXPECT_EQ(r.insuranceEnds.payment, 135);
    EXPECT_EQ(r.insuranceEnds.month, 135);
    EXPECT_EQ(r.insuranceEndsOnRequest.payment, 124);
    EXPECT_NEAR(r.amortization.insurance, 21216.22, 0.005);  // 134 premiums
    EXPECT_NEAR(r.amortization.interest, 484669.06, 0.006);
    EXPECT_NEAR(r.term.interest, 230372.30, 0.006);
    EXPECT_NEAR(r.term.insurance, 18999.60, 0.005);  // 120 premiums
    EXPECT_NEAR(r.aprPercent, 6.885609052, 1e-6);
    EXPECT_NEAR(r.monthly.mortgageInsurance, 158.33, 1e-9);
    EXPECT_DOUBLE_EQ(r.purchase.amountFinanced, 380000);  // monthly premiums are not prepaid
}

// 237,500 on a 250,000 home over 30 years, monthly: the payment numbers of
// the existing UsInsuranceEnds rows, now through the whole calculation
// (costs_figures.py iterates the balance independently).
TEST(Costs, UsInsuranceEndsAt78PercentOrAfterTheMidpoint) {
    const struct {
        double rate;
        long onRequest, automatic;
    } cases[] = {
        {6, 118, 129},
        {11, 178, 181},  // 78 % only at 189: after the midpoint payment 180
        {13, 199, 181},
    };
    for (const auto& c : cases) {
        Costs costs = Purchased(250000, 12500, InsuranceKind::UnitedStates);
        costs.usAnnualPercent = 0.6;
        const CostsResult r = CalculateCosts(Mortgage(0, c.rate, 30), costs);
        ASSERT_TRUE(r.calculated) << c.rate;
        EXPECT_EQ(r.insuranceEndsOnRequest.payment, c.onRequest) << c.rate;
        EXPECT_EQ(r.insuranceEnds.payment, c.automatic) << c.rate;
        EXPECT_NEAR(r.amortization.insurance, 118.75 * static_cast<double>(c.automatic - 1), 1e-6) << c.rate;
    }
}

// Worked by hand: payment k of P a year falls in month (k - 1) * 12 / P + 1,
// and a payment with a date names it. At 80 % of the price or less there is
// no US insurance at all.
TEST(Costs, UsInsuranceEndsByMonthAndDateAndNotBelow80Percent) {
    ScheduleInputs in = Mortgage(0, 6, 30, Compounding::Monthly, Frequency::TwoWeeks);
    in.showDates = true;
    in.firstPaymentDate = SerialFromCivil(2026, 1, 2);
    Costs c = Purchased(250000, 12500, InsuranceKind::UnitedStates);
    c.usAnnualPercent = 0.52;
    const CostsResult r = CalculateCosts(in, c);
    ASSERT_TRUE(r.calculated);
    const long k = r.insuranceEnds.payment;
    ASSERT_GT(k, 0);
    EXPECT_EQ(r.insuranceEnds.month, static_cast<int>((k - 1) * 12 / 26) + 1);
    EXPECT_EQ(r.insuranceEnds.date, in.firstPaymentDate + 14 * (k - 1));
    EXPECT_DOUBLE_EQ(r.insurancePerPayment, 47.5);  // 237,500 x 0.52 % / 26
    // 26 payments of 47.50 a year: 102.92 a month.
    EXPECT_NEAR(r.monthly.mortgageInsurance, 47.5 * 26 / 12, 1e-9);

    Costs twentyDown = Purchased(250000, 50000, InsuranceKind::UnitedStates);
    twentyDown.usAnnualPercent = 0.52;
    const CostsResult conventional = CalculateCosts(in, twentyDown);
    ASSERT_TRUE(conventional.calculated);
    EXPECT_EQ(conventional.insuranceEnds.payment, 0);
    EXPECT_EQ(conventional.amortization.insurance, 0);
}

// Points added to the loan are a share of the whole loan: the principal is
// what the purchase needs over 1 - points (costs_figures.py). Points paid in
// cash are a share of the principal the price makes.
TEST(Costs, ThePrincipalAPurchaseMakes) {
    const struct {
        const char* what;
        FeePayment points, fees, closing;
        double principal, points$, cash;
    } cases[] = {
        {"all in cash", FeePayment::Cash, FeePayment::Cash, FeePayment::Cash, 240000, 4800,
         60000 + 4800 + 900 + 700},
        {"points added", FeePayment::Financed, FeePayment::Cash, FeePayment::Cash, 244897.96, 4897.96,
         60000 + 900 + 700},
        {"fees added", FeePayment::Cash, FeePayment::Financed, FeePayment::Financed, 241600, 4832,
         60000 + 4832},
        {"all added", FeePayment::Financed, FeePayment::Financed, FeePayment::Financed, 246530.61, 4930.61,
         60000},
    };
    for (const auto& c : cases) {
        Costs costs = Purchased(300000, 60000);
        costs.pointsPercent = 2;
        costs.pointsPaid = c.points;
        costs.lenderFees = 900;
        costs.lenderFeesPaid = c.fees;
        costs.closingCosts = 700;
        costs.closingCostsPaid = c.closing;
        const Purchase p = PurchaseFor(Mortgage(0, 6, 25), costs);
        ASSERT_TRUE(p.messages.empty()) << c.what;
        EXPECT_NEAR(p.principal, c.principal, 0.001) << c.what;
        EXPECT_NEAR(p.points, c.points$, 0.001) << c.what;
        EXPECT_NEAR(p.cashAtClosing, c.cash, 0.001) << c.what;
        // The closing costs are no finance charge: they stay in the amount financed.
        EXPECT_NEAR(p.amountFinanced, c.principal - c.points$ - 900, 0.001) << c.what;
    }
    // Without a price the typed principal is the whole loan, fees added or not.
    Costs typed;
    typed.pointsPercent = 1.5;
    typed.pointsPaid = FeePayment::Financed;
    const Purchase p = PurchaseFor(Mortgage(200000, 6, 25), typed);
    EXPECT_DOUBLE_EQ(p.principal, 200000);
    EXPECT_DOUBLE_EQ(p.points, 3000);
    EXPECT_DOUBLE_EQ(p.cashAtClosing, 0);
}

// Each refusal and its message, worked by hand from the rules: the ranges,
// the down payment, the minimum down payment (5 % of the first 500,000 and
// 10 % of the rest), no insured home at 1,500,000 or more without 20 % down,
// insured amortizations of 30 years at most.
TEST(Costs, RefusalsNameTheirMessage) {
    const auto canada = [](double price, double down) {
        return Purchased(price, down, InsuranceKind::Canada);
    };
    const auto with = [](auto change) {
        Costs c;
        change(c);
        return c;
    };
    const struct {
        const char* what;
        Costs costs;
        double years;
        TableKind mode;
        std::optional<Message> message;
    } cases[] = {
        {"minimum at 500,000", canada(500000, 25000), 25, TableKind::Mortgage, std::nullopt},
        {"a cent under it", canada(500000, 24999.99), 25, TableKind::Mortgage,
         Message::DownPaymentBelowMinimum},
        {"minimum at 1,000,000", canada(1000000, 75000), 25, TableKind::Mortgage, std::nullopt},
        {"a cent under it", canada(1000000, 74999.99), 25, TableKind::Mortgage,
         Message::DownPaymentBelowMinimum},
        {"20 % at 1,500,000", canada(1500000, 300000), 25, TableKind::Mortgage, std::nullopt},
        {"under 20 % at 1,500,000", canada(1500000, 299999.99), 25, TableKind::Mortgage,
         Message::InsuredPriceLimit},
        {"just under 1,500,000", canada(1499999, 124999.90), 25, TableKind::Mortgage, std::nullopt},
        {"30 years insured", canada(500000, 25000), 30, TableKind::Mortgage, std::nullopt},
        {"31 years insured", canada(500000, 25000), 31, TableKind::Mortgage, Message::InsuredPeriodLimit},
        {"31 years uninsured", Purchased(500000, 25000), 31, TableKind::Mortgage, std::nullopt},
        {"insured car loan", canada(50000, 10000), 5, TableKind::PersonalLoan,
         Message::InsuranceForMortgages},
        {"insurance without a price", with([](Costs& c) { c.insurance = InsuranceKind::UnitedStates; }), 25,
         TableKind::Mortgage, Message::InsuranceNeedsPrice},
        {"down payment = price", Purchased(500000, 500000), 25, TableKind::Mortgage,
         Message::DownPaymentRange},
        {"down payment without price", with([](Costs& c) { c.downPayment = 5; }), 25, TableKind::Mortgage,
         Message::DownPaymentRange},
        {"points 25 %", with([](Costs& c) { c.pointsPercent = 25; }), 25, TableKind::Mortgage, std::nullopt},
        {"points 25.01 %", with([](Costs& c) { c.pointsPercent = 25.01; }), 25, TableKind::Mortgage,
         Message::CostsRange},
        {"negative fee", with([](Costs& c) { c.lenderFees = -1; }), 25, TableKind::Mortgage,
         Message::CostsRange},
        {"fee not a number", with([](Costs& c) { c.closingCosts = std::nan(""); }), 25, TableKind::Mortgage,
         Message::CostsRange},
        {"heating above 9,999,999.99", with([](Costs& c) { c.heatingMonthly = 1e7; }), 25,
         TableKind::Mortgage, Message::CostsRange},
        {"term 0", with([](Costs& c) { c.termYears = 0; }), 25, TableKind::Mortgage, Message::CostsRange},
        {"term 11", with([](Costs& c) { c.termYears = 11; }), 25, TableKind::Mortgage, Message::CostsRange},
        {"fees take the loan", with([](Costs& c) { c.lenderFees = 100000; }), 25, TableKind::Mortgage,
         Message::FeesTakeTheLoan},
        {"no such insurance", with([](Costs& c) { c.insurance = static_cast<InsuranceKind>(7); }), 25,
         TableKind::Mortgage, Message::CostsRange},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Mortgage(100000, 6, c.years);
        in.mode = c.mode;
        const CostsResult r = CalculateCosts(in, c.costs);
        if (c.message) {
            EXPECT_EQ(MessageNumbers(r.messages), std::vector<int>{MessageNumber(*c.message)}) << c.what;
            EXPECT_FALSE(r.calculated) << c.what;
        } else {
            EXPECT_TRUE(r.messages.empty()) << c.what << ": message " << MessageNumber(r.messages.front());
            EXPECT_TRUE(r.calculated) << c.what;
        }
    }
    // The refusal still tells the minimum.
    EXPECT_DOUBLE_EQ(PurchaseFor(Mortgage(0, 6, 25), canada(500000, 20000)).minimumDownPayment, 25000);
}

// Worked by hand: a payment of another frequency is the payments a year over
// 12 a month; the cost of borrowing over a term longer than the loan is the
// whole; no schedule, no costs (the schedule's own message says why).
TEST(Costs, MonthlyCostTermAndNoSchedule) {
    const struct {
        Frequency frequency;
        double perMonth;
    } cases[] = {{Frequency::Monthly, 1},
                 {Frequency::Semimonthly, 2},
                 {Frequency::BiweeklyAccelerated, 26.0 / 12},
                 {Frequency::WeeklyAccelerated, 52.0 / 12}};
    for (const auto& c : cases) {
        ScheduleInputs in = Mortgage(100000, 6, 25, Compounding::Monthly, c.frequency);
        Costs costs;
        costs.heatingMonthly = 50;
        const ScheduleResult s = CalculateSchedule(in);
        const CostsResult r = CalculateCosts(in, costs);
        ASSERT_TRUE(r.calculated);
        EXPECT_NEAR(r.monthly.principalAndInterest, s.summary.payment * c.perMonth, 1e-9);
        EXPECT_NEAR(r.monthly.Total(), s.summary.payment * c.perMonth + 50, 1e-9);
    }
    ScheduleInputs loan = Mortgage(10000, 8, 3);
    loan.mode = TableKind::PersonalLoan;
    Costs costs;
    costs.lenderFees = 200;
    costs.termYears = 10;
    const CostsResult r = CalculateCosts(loan, costs);
    ASSERT_TRUE(r.calculated);
    EXPECT_EQ(r.payments, 36);
    EXPECT_DOUBLE_EQ(r.term.Total(), r.amortization.Total());

    const CostsResult none = CalculateCosts(Mortgage(2e7, 6, 25), costs);  // message 39 from the schedule
    EXPECT_FALSE(none.calculated);
    EXPECT_TRUE(none.messages.empty());
}

TEST(Costs, OnlyTheTermIsNoCosts) {
    Costs c;
    EXPECT_FALSE(c.Given());
    c.termYears = 3;
    EXPECT_FALSE(c.Given());
    c.heatingMonthly = 0.01;
    EXPECT_TRUE(c.Given());
    EXPECT_TRUE(Purchased(100, 0).Given());
}

}  // namespace
}  // namespace amortix
