// The figures of one comparison row. The texts made from them are tested
// with the comparison table (tests/core/forms/comparison_table_test.cpp).

#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include <optional>
#include <string>

#include "core/calc/comparison.h"

namespace amortix {
namespace {

ComparisonInputs Inputs(Frequency frequency = Frequency::Monthly) {
    ComparisonInputs in;
    in.frequency = frequency;
    return in;
}

// Additional amounts for the given years, in the given month of each year.
ComparisonInputs WithAmounts(std::initializer_list<std::pair<int, double>> amounts, int month = 1) {
    ComparisonInputs in = Inputs();
    in.extra.years = 25;
    in.extra.month = Month{static_cast<std::int16_t>(month)};
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (const auto& [year, amount] : amounts)
        in.extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    return in;
}

ComparisonInputs WithPrincipal(double principal, ComparisonInputs in) {
    in.principal = principal;
    return in;
}

ComparisonRow RowOf(const ComparisonInputs& in, std::int16_t number = 1) {
    const ComparisonRowOutcome outcome = CalculateComparisonRow(in, number);
    if (!outcome.row) ADD_FAILURE() << "no row";
    return outcome.row.value_or(ComparisonRow{});
}

// Each frequency on the default mortgage; the days in the year set the rate
// of the week frequencies and are none where they play no part.
TEST(ComparisonRow, EachFrequencyAndDaysInYear) {
    struct Case {
        Frequency frequency;
        DayBasisChoice basis;
        std::int16_t perYear;
        std::optional<float> days;
        double factor;
        double retired;
        double payment = 0;  // 0: not checked
        double totalInterest = 0;
        long payments = 0;
    };
    const Case cases[] = {
        {Frequency::Monthly, DayBasisChoice::Days365, 12, std::nullopt, 0.0084375, 25.00, 917.53, 175258.20,
         300},
        {Frequency::Semimonthly, DayBasisChoice::Days365, 24, std::nullopt, 0.00420989, 24.79, 458.76,
         172666.12, 595},
        {Frequency::TwoWeeks, DayBasisChoice::Days365, 26, 365.0f, 0.00387476, 24.54, 423.47, 169924.71, 638},
        {Frequency::OneWeek, DayBasisChoice::Days365, 52, 365.0f, 0.00193551, 24.42, 211.74, 168790.91, 1270},
        {Frequency::BiweeklyAccelerated, DayBasisChoice::Days365, 26, 365.0f, 0.00387476, 18.54, 458.76,
         120861.40, 482},
        {Frequency::WeeklyAccelerated, DayBasisChoice::Days365, 52, 365.0f, 0.00193551, 18.48, 229.38,
         120239.46, 961},
        {Frequency::BiweeklyAccelerated, DayBasisChoice::Days365_25, 26, 365.25f, 0.0038721, 18.50},
        {Frequency::TwoWeeks, DayBasisChoice::Days364, 26, 364.0f, 0.00388542, 24.77},
        {Frequency::WeeklyAccelerated, DayBasisChoice::Days363, 52, 363.0f, 0.00194618, 18.67},
    };
    for (const Case& c : cases) {
        const std::string what =
            std::string(Info(c.frequency).cliName) + " " + std::string(Info(c.basis).caption);
        ComparisonInputs in = Inputs(c.frequency);
        in.dayBasis = DayBasis::Preset(c.basis);
        const ComparisonRowOutcome outcome = CalculateComparisonRow(in, 3);
        ASSERT_TRUE(outcome.rates && outcome.row) << what;
        EXPECT_EQ(outcome.rates->paymentsPerYear, c.perYear) << what;
        EXPECT_EQ(outcome.rates->daysInYear, c.days) << what;
        EXPECT_NEAR(outcome.rates->rateFactor, c.factor, 5e-9) << what;
        const ComparisonRow& row = *outcome.row;
        EXPECT_EQ(row.number, 3) << what;
        EXPECT_EQ(row.daysInYear, c.days) << what;
        EXPECT_EQ(row.frequency, c.frequency) << what;
        EXPECT_EQ(row.paymentsPerYear, c.perYear) << what;
        EXPECT_NEAR(row.retiredYear, c.retired, 0.005) << what;
        EXPECT_DOUBLE_EQ(row.retiredYear, static_cast<double>(row.payments) / c.perYear) << what;
        EXPECT_FALSE(row.starred) << what;
        EXPECT_TRUE(row.extraPayments.empty()) << what;
        if (c.payment == 0) continue;
        EXPECT_NEAR(row.payment, c.payment, 0.005) << what;
        EXPECT_NEAR(row.totalInterest, c.totalInterest, 0.005) << what;
        EXPECT_EQ(row.payments, c.payments) << what;
    }
}

// The inputs a row shows come through unchanged.
TEST(ComparisonRow, KeepsItsInputs) {
    ComparisonInputs in = Inputs(Frequency::OneWeek);
    in.principal = 185000;
    in.ratePercent = 7.25;
    in.years = 30;
    in.compounding = Compounding::Semiannual;
    const ComparisonRow row = RowOf(in);
    EXPECT_EQ(row.principal, 185000);
    EXPECT_EQ(row.ratePercent, 7.25);
    EXPECT_EQ(row.years, 30);
    EXPECT_EQ(row.compounding, Compounding::Semiannual);
    EXPECT_EQ(row.frequency, Frequency::OneWeek);
}

TEST(ComparisonRow, StarMarksIncreasedOrAppliedRowsOnly) {
    struct Case {
        const char* name;
        ComparisonInputs inputs;
        bool starred;
        std::size_t applied;
    };
    ComparisonInputs increased = Inputs();
    increased.extra.increase = 0.05f;
    const Case cases[] = {
        {"increase only", increased, true, 0},
        {"one amount", WithAmounts({{1, 5000}}), true, 1},
        {"amount not below the balance is skipped", WithAmounts({{2, 100000}}), false, 0},
        {"skipped amount beside an applied one", WithAmounts({{1, 5000}, {2, 100000}}), true, 1},
        {"amount of 0", WithAmounts({{1, 0}}), false, 0},
        // 1,960,520.5097 is the balance after payment 24 less that payment's
        // principal part, exactly: the year-3 amount on the edge of being applied.
        {"amount equal to the balance less the previous principal",
         WithPrincipal(2001411.10, WithAmounts({{3, 1960520.5097}})), false, 0},
        {"a ten-thousandth less", WithPrincipal(2001411.10, WithAmounts({{3, 1960520.5096}})), true, 1},
    };
    for (const Case& c : cases) {
        const ComparisonRow row = RowOf(c.inputs);
        EXPECT_EQ(row.starred, c.starred) << c.name;
        EXPECT_EQ(row.extraPayments.size(), c.applied) << c.name;
    }
}

TEST(ComparisonRow, IncreaseRaisesThePayment) {
    ComparisonInputs in = Inputs();
    in.extra.increase = 0.05f;
    const ComparisonRow row = RowOf(in);
    const ComparisonRow plain = RowOf(Inputs());
    EXPECT_DOUBLE_EQ(row.payment, plain.payment + plain.payment * static_cast<double>(0.05f));
    EXPECT_NEAR(row.payment, 963.40, 0.005);  // 917.5273 x 1.05
    EXPECT_EQ(row.increase, 0.05f);
    EXPECT_LT(row.payments, plain.payments);
}

TEST(ComparisonRow, AppliedAmountsWithTheirYearAndMonth) {
    const ComparisonRow row = RowOf(WithAmounts({{1, 5000}, {3, 2000}, {10, 750.5}, {24, 50000}}, 4), 2);
    const std::vector<ComparisonExtraPayment> expected = {
        {1, Month{4}, Currency::FromDouble(5000)},
        {3, Month{4}, Currency::FromDouble(2000)},
        {10, Month{4}, Currency::FromDouble(750.5)},
    };  // the mortgage is repaid before year 24
    EXPECT_EQ(row.extraPayments, expected);
    EXPECT_LT(row.retiredYear, 24);
    EXPECT_TRUE(row.starred);
}

// The comparison adds an anniversary's amount to the principal part in double
// precision, not in currency: here that moves the total interest by a cent.
TEST(ComparisonRow, AnniversaryAmountsAddInDoublePrecision) {
    EXPECT_NEAR(RowOf(WithPrincipal(100035.00, WithAmounts({{3, 5000}, {9, 1000}}, 5))).totalInterest,
                137249.36, 0.005);
}

// A fault gives no row; the rates are there once they were known.
TEST(ComparisonRow, FaultsGiveNoRow) {
    struct Case {
        const char* name;
        double principal, rate, years;
        bool rates;
    };
    const Case cases[] = {
        {"period 0", 100000, 10.125, 0, true},
        {"overflowing principal", 1e18, 10.125, 25, true},
        // A negative base to a fractional power: no rate factor at all.
        {"rate below -400 % compounded quarterly", 100000, -1500, 25, false},
    };
    for (const Case& c : cases) {
        ComparisonInputs in = Inputs();
        in.principal = c.principal;
        in.ratePercent = c.rate;
        in.years = c.years;
        in.compounding = Compounding::Quarterly;
        const ComparisonRowOutcome outcome = CalculateComparisonRow(in, 1);
        EXPECT_FALSE(outcome.row) << c.name;
        EXPECT_EQ(outcome.rates.has_value(), c.rates) << c.name;
    }
}

TEST(ComparisonRow, StateKeepsFiguresOnlyForItsRows) {
    ComparisonState good;
    good.rowCount = 2;
    good.rowValues[0] = RowOf(Inputs(), 1);
    good.rowValues[1] = RowOf(Inputs(), 2);
    EXPECT_TRUE(CanRestoreComparison(good));
    const std::pair<const char*, void (*)(ComparisonState&)> cases[] = {
        {"figures beyond the row count", [](ComparisonState& s) { s.rowCount = 1; }},
        {"figures under another number", [](ComparisonState& s) { s.rowValues[1]->number = 1; }},
        {"row count 9", [](ComparisonState& s) { s.rowCount = 9; }},
        {"listing index beyond the tables", [](ComparisonState& s) { s.listingIndex = 13; }},
    };
    for (const auto& [name, spoil] : cases) {
        ComparisonState bad = good;
        spoil(bad);
        EXPECT_FALSE(CanRestoreComparison(bad)) << name;
    }
    ComparisonState textsOnly = good;
    textsOnly.rowValues = {};
    EXPECT_TRUE(CanRestoreComparison(textsOnly));
}

}  // namespace
}  // namespace amortix
