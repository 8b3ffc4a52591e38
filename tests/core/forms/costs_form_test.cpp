#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "core/costs_samples.h"
#include "core/forms/costs_form.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

using B = CostsBox;

// The boxes as a new dialog shows them for no costs: the term only.
CostsEntries Blank() {
    return EntriesFor(Costs{}, "$");
}

// 5 % compounded semiannually, monthly over 25 years: the purchase of
// costs_samples.h, worked in tests/core/calc/costs_figures.py.
ScheduleInputs CanadianMortgage(double years = 25) {
    ScheduleInputs in;
    in.principal = 1;  // the price makes the principal
    in.ratePercent = 5;
    in.years = years;
    in.compounding = Compounding::Semiannual;
    return in;
}

TEST(CostsForm, BoxesReadAsCostsOrAreRefused) {
    // One box typed into the boxes of no costs; `reads` is what the box
    // shows for the costs read back, or the refusal's number.
    struct Case {
        const char* what;
        B box;
        const char* text;
        InsuranceKind insurance;
        std::variant<const char*, int> reads;
    };
    const Case cases[] = {
        {"a price as shown", B::Price, "$500,000.00", InsuranceKind::None, "$500,000.00"},
        {"a price as typed", B::Price, "1234.5", InsuranceKind::None, "$1,234.50"},
        {"a price of 0: no down payment is below it", B::Price, "0", InsuranceKind::None, 51},
        {"a down payment without a price", B::DownPayment, "1,000.00", InsuranceKind::None, 51},
        {"points at the limit", B::Points, "25%", InsuranceKind::None, "25.000%"},
        {"points above it", B::Points, "25.001", InsuranceKind::None, 50},
        {"fees above the largest amount", B::LenderFees, "10,000,000.00", InsuranceKind::None, 50},
        {"fees at it", B::LenderFees, "9,999,999.99", InsuranceKind::None, "$9,999,999.99"},
        {"the table's premium", B::InsuranceRate, "", InsuranceKind::Canada, ""},
        {"a premium of one's own", B::InsuranceRate, "3.5%", InsuranceKind::Canada, "3.500%"},
        {"the same box for the US insurance", B::InsuranceRate, "0.5", InsuranceKind::UnitedStates, "0.500%"},
        {"a rate without insurance is not kept", B::InsuranceRate, "3", InsuranceKind::None, ""},
        {"a premium above 25 %", B::InsuranceRate, "26", InsuranceKind::Canada, 50},
        {"the longest term", B::Term, "10", InsuranceKind::None, "10"},
        {"the shortest term", B::Term, "1", InsuranceKind::None, "1"},
        {"a term of 11 years", B::Term, "11", InsuranceKind::None, 50},
        {"a term of none", B::Term, "0", InsuranceKind::None, 50},
        {"an empty term", B::Term, "", InsuranceKind::None, 50},
        {"a term of a year and a half", B::Term, "1.5", InsuranceKind::None, 50},
        {"a term too large to count", B::Term, "40000", InsuranceKind::None, 50},
        {"heating a month", B::Heating, "$85.50", InsuranceKind::None, "$85.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CostsEntries entries = Blank();
        entries[c.box] = c.text;
        entries.insurance = c.insurance;
        const CostsRead read = ReadEntries(entries, "$");
        if (const int* refused = std::get_if<int>(&c.reads)) {
            EXPECT_EQ(MessageNumber(read.message), *refused);
            EXPECT_FALSE(read.costs);
            continue;
        }
        EXPECT_FALSE(read.message);
        ASSERT_TRUE(read.costs);
        EXPECT_EQ(EntriesFor(*read.costs, "$")[c.box], std::get<const char*>(c.reads));
    }
    // The boxes of no costs read as none given.
    const CostsRead none = ReadEntries(Blank(), "$");
    ASSERT_TRUE(none.costs);
    EXPECT_FALSE(none.costs->Given());
    EXPECT_EQ(*none.costs, Costs{});
}

TEST(CostsForm, DownPaymentMustBeBelowThePrice) {
    const struct {
        const char* price;
        const char* down;
        std::optional<int> message;
    } cases[] = {
        {"500000", "499999.99", {}}, {"500000", "500000", 51}, {"500000", "600000", 51}, {"", "", {}}};
    for (const auto& c : cases) {
        CostsEntries entries = Blank();
        entries[B::Price] = c.price;
        entries[B::DownPayment] = c.down;
        EXPECT_EQ(MessageNumber(ReadEntries(entries, "$").message), c.message) << c.price << " " << c.down;
    }
}

// What the boxes show reads back as the same costs, whatever the symbol.
TEST(CostsForm, TheBoxesShowTheCostsInForce) {
    Costs us;
    us.price = 400000;
    us.downPayment = 20000;
    us.insurance = InsuranceKind::UnitedStates;
    us.usAnnualPercent = 0.5;
    us.closingCosts = 2500.25;
    us.closingCostsPaid = FeePayment::Financed;
    us.termYears = 10;
    Costs ownPremium = testing::CanadianPurchase();
    ownPremium.canadianPremiumPercent = 3.75;
    for (const Costs& costs : {testing::CanadianPurchase(), us, ownPremium, Costs{}})
        for (const char* symbol : {"$", "Fr.", "€"}) {
            const CostsEntries entries = EntriesFor(costs, symbol);
            const CostsRead read = ReadEntries(entries, symbol);
            ASSERT_TRUE(read.costs) << symbol;
            EXPECT_EQ(*read.costs, costs) << symbol;
        }
    const CostsEntries shown = EntriesFor(testing::CanadianPurchase(), "$");
    EXPECT_EQ(shown[B::Price], "$500,000.00");
    EXPECT_EQ(shown[B::Points], "1.000%");
    EXPECT_EQ(shown[B::InsuranceRate], "");  // the table's premium
    EXPECT_EQ(shown[B::Term], "5");
    EXPECT_EQ(shown.lenderFeesPaid, FeePayment::Financed);
    EXPECT_EQ(Blank()[B::Price], "");
}

TEST(CostsForm, ALeftBoxShowsItsFigureOrStaysEmpty) {
    const struct {
        B box;
        const char* typed;
        const char* shown;
    } cases[] = {
        {B::Price, "500000", "$500,000.00"},
        {B::Price, "", ""},
        {B::Price, "$", ""},
        {B::Points, "1", "1.000%"},
        {B::PremiumTax, "13.5", "13.500%"},
        {B::Term, "7", "7"},
        {B::Heating, "0", "$0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(CostsBoxTextFor(c.box, c.typed, "$"), c.shown) << c.typed;
}

// Refusals of the purchase, with the figures of the rules worked by hand: the
// minimum down payment is 5 % of the first 500,000 and 10 % of the rest.
TEST(CostsForm, RefusedCostsSayWhy) {
    const auto canada = [](double price, double down) {
        Costs c;
        c.price = price;
        c.downPayment = down;
        c.insurance = InsuranceKind::Canada;
        return c;
    };
    Costs noPrice;
    noPrice.insurance = InsuranceKind::Canada;
    Costs allFees;
    allFees.lenderFees = 1;
    ScheduleInputs loan = CanadianMortgage();
    loan.mode = TableKind::PersonalLoan;
    loan.years = 4;
    ScheduleInputs small = CanadianMortgage();
    small.principal = 1;
    const struct {
        const char* what;
        ScheduleInputs in;
        Costs costs;
        int message;
        const char* detail;
    } cases[] = {
        {"500,000 needs 25,000 down", CanadianMortgage(), canada(500000, 24999.99), 52,
         "The minimum is $25,000.00 for a price of $500,000.00."},
        {"600,000 needs 25,000 + 10,000", CanadianMortgage(), canada(600000, 34999), 52,
         "The minimum is $35,000.00 for a price of $600,000.00."},
        {"no insurance at 1,500,000", CanadianMortgage(), canada(1500000, 200000), 53, ""},
        {"insurance needs a price", CanadianMortgage(), noPrice, 54, ""},
        {"30 years at most", CanadianMortgage(31), canada(500000, 25000), 55, ""},
        {"not on a personal loan", loan, canada(30000, 5000), 56, ""},
        {"fees that take the loan", small, allFees, 57, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CostsOutcome outcome = WorkOutCosts(c.in, c.costs);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(MessageNumber(outcome.messages.front()), c.message);
        EXPECT_EQ(outcome.detail, c.detail);
        EXPECT_FALSE(outcome.principal);
        EXPECT_TRUE(outcome.texts.apr.empty());
    }
    // 600,000 with exactly the minimum down is insured.
    EXPECT_TRUE(WorkOutCosts(CanadianMortgage(), canada(600000, 35000)).messages.empty());
}

// The figures of tests/core/calc/costs_figures.py ("A Canadian purchase,
// worked end to end"), as the result boxes show them.
TEST(CostsForm, ResultBoxesOfTheCanadianPurchase) {
    const CostsOutcome outcome = WorkOutCosts(CanadianMortgage(), testing::CanadianPurchase());
    ASSERT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.principal, 495000.0);
    EXPECT_EQ(outcome.principalNote,
              "The principal becomes $495,000.00: the price less the down payment, plus the premium and the "
              "fees added to the loan.");
    const CostsTexts& t = outcome.texts;
    EXPECT_EQ(t.apr, "5.506%");
    EXPECT_EQ(t.effectiveAnnualRate, "5.647%");
    EXPECT_EQ(t.amountFinanced, "$468,530.00");
    EXPECT_EQ(t.cashAtClosing, "$32,970.00");
    EXPECT_EQ(t.amortization.total, "$395,153.40");
    EXPECT_EQ(t.term.total, "$142,318.84");
    EXPECT_EQ(t.monthlyTotal, "$3,678.94");
    EXPECT_EQ(PremiumText(t), "$19,000.00 at 4.000%");
    EXPECT_EQ(TermCostCaption(outcome.result.termYears), "Cost of borrowing, 5-year term");
}

TEST(CostsForm, AScheduleWithoutAResultGivesItsOwnMessages) {
    ScheduleInputs in = CanadianMortgage();
    in.principal = 100000;
    in.years = 0;  // no period
    Costs costs;
    costs.heatingMonthly = 100;
    const CostsOutcome outcome = WorkOutCosts(in, costs);
    EXPECT_FALSE(outcome.result.calculated);
    EXPECT_FALSE(outcome.messages.empty());
    EXPECT_TRUE(outcome.texts.monthlyTotal.empty());
}

// The tables screen's form: a price makes the principal at every
// calculation, and costs no calculation takes refuse it.
TEST(CostsForm, TheTablesFormTakesThePrincipalFromThePrice) {
    TablesForm form;
    TablesForm::Shared shared;
    shared.compounding = Compounding::Semiannual;
    form.EnterPrincipal(100000);
    form.EnterRate(5);
    form.EnterTerm(TableKind::Mortgage, "25");
    form.CostsInForce() = testing::CanadianPurchase();
    const ScheduleResult& done = form.Calculate(shared);
    EXPECT_TRUE(done.calculated);
    EXPECT_EQ(form.Numbers().principal, 495000.0);

    // Over 25 years the premium is the 30-year column's: 4.20 % of 475,000.
    form.EnterTerm(TableKind::Mortgage, "30");
    EXPECT_TRUE(form.Calculate(shared).calculated);
    EXPECT_EQ(form.Numbers().principal, 475000 + 19950 + 1000.0);

    form.EnterTerm(TableKind::Mortgage, "35");
    const ScheduleResult& refused = form.Calculate(shared);
    EXPECT_FALSE(refused.calculated);
    EXPECT_EQ(MessageNumbers(refused.messages), std::vector<int>{55});
    EXPECT_EQ(form.Results(), nullptr);
    EXPECT_EQ(form.CostsInForce(), testing::CanadianPurchase());  // nothing lost

    form.EnterTerm(TableKind::Mortgage, "25");
    form.CostsInForce().downPayment = 20000;
    EXPECT_EQ(MessageNumbers(form.Calculate(shared).messages), std::vector<int>{52});
    EXPECT_EQ(form.CostsDetail(), "The minimum is $25,000.00 for a price of $500,000.00.");

    // Without a price the principal typed is the loan.
    Costs fees;
    fees.lenderFees = 1000;
    form.CostsInForce() = fees;
    form.EnterPrincipal(200000);
    EXPECT_TRUE(form.Calculate(shared).calculated);
    EXPECT_EQ(form.Numbers().principal, 200000.0);
    EXPECT_TRUE(form.CostsDetail().empty());
}

}  // namespace
}  // namespace amortix
