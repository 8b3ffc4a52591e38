#include <gtest/gtest.h>

#include "core/schedule_shown.h"

#include "core/choice_printing.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/calc/repayment.h"
#include "core/calc/schedule.h"

namespace amortix {
namespace {

using testing::Cell;
using testing::Grid;
using testing::Texts;

using Amounts = std::initializer_list<std::pair<int, double>>;

void AddAmounts(AdditionalPayments& extra, Amounts amounts, std::int16_t monthSetting) {
    extra.years = 40;
    extra.month = Month::FromStoredCode(monthSetting);
    for (int y = 1; y <= 40; ++y) extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    for (const auto& [year, amount] : amounts)
        extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
    extra.rowCount = extra.CountYearsWithAmounts();
}

struct Loan {
    double principal, ratePercent, years;
    Compounding compounding;
    Frequency frequency;
    int dayBasisPreset;
    float increase;
    std::int16_t monthSetting;
    Amounts amounts;
};

ScheduleInputs InputsFor(const Loan& loan) {
    ScheduleInputs in;
    in.view = ScheduleView::AllPayments;
    in.principal = loan.principal;
    in.ratePercent = loan.ratePercent;
    in.years = loan.years;
    in.compounding = loan.compounding;
    in.frequency = loan.frequency;
    in.dayBasis = DayBasis::Preset(*DayBasisChoiceFromCode(loan.dayBasisPreset));
    in.extra.increase = loan.increase;
    AddAmounts(in.extra, loan.amounts, loan.monthSetting);
    return in;
}

// Rows of a schedule to the fourth decimal: interest, principal, balance,
// cumulative interest, cumulative principal. The anniversary rows carry an
// additional amount; the last two show the final payment's correction.
struct PinnedRow {
    long payment;
    std::array<double, 5> cells;
};

struct PinnedCase {
    const char* name;
    Loan loan;
    int payments;
    std::vector<PinnedRow> rows;
};

TEST(Repayment, ScheduleRowsToTheFourthDecimal) {
    const PinnedCase cases[] = {
        {"semimonthly, month 5, 365.25 days",
         {137129.50,
          15.846,
          11,
          Compounding::Semiannual,
          Frequency::Semimonthly,
          0,
          0.0f,
          4,
          {{3, 5000}, {9, 1000}}},
         245,
         {
             // The year-1 anniversary carries no amount, yet the principal part
             // is still formed in currency there.
             {9, {863.4405, 214.9313, 135243.4088, 7819.2557, 1886.0912}},
             {57, {786.7932, 5291.5787, 118142.1661, 47479.8636, 18987.3339}},
             {201, {271.3156, 1807.0563, 40757.4968, 126380.7460, 96372.0032}},
             {244, {9.4218, 1068.9501, 409.1603, 132402.4006, 136720.3397}},
             {245, {2.6081, 409.1603, 0.0, 132405.0087, 137129.5000}},
         }},
        {"monthly, first month, 2.5 % increase",
         {250000,
          6.75,
          30,
          Compounding::Quarterly,
          Frequency::Monthly,
          1,
          0.025f,
          12,
          {{2, 10000}, {5, 20000}}},
         258,
         {
             {13, {1376.7332, 10275.7350, 236532.3569, 18014.4437, 13467.6431}},
             {49, {1247.8275, 20404.6407, 203294.4327, 64265.3752, 46705.5673}},
             {257, {12.6617, 1639.8066, 630.0595, 205314.3908, 249369.9405}},
             {258, {3.5146, 630.0595, 0.0, 205317.9054, 250000.0000}},
         }},
        {"weekly accelerated, month 7, 363 days, 1 % increase",
         {80000,
          8.5,
          15,
          Compounding::Monthly,
          Frequency::WeeklyAccelerated,
          3,
          0.01f,
          6,
          {{1, 2000}, {4, 3000}}},
         599,
         {
             {29, {127.5852, 2071.3322, 75977.9442, 3746.5486, 4022.0558}},
             {185, {102.6730, 3096.2444, 59713.1826, 21512.8999, 20286.8174}},
             {598, {0.3598, 198.5576, 21.5312, 43974.1308, 79978.4688}},
             {599, {0.0352, 21.5312, 0.0, 43974.1660, 80000.0000}},
         }},
        {"2 weeks, first month, 364 days",
         {150000, 7.25, 20, Compounding::Semiannual, Frequency::TwoWeeks, 2, 0.0f, 12, {{2, 4000}}},
         491,
         {
             {27, {401.7402, 4140.9579, 142326.4374, 10979.2867, 7673.5626}},
             {490, {2.7755, 539.9227, 471.9656, 120394.0459, 149528.0344}},
             {491, {1.2945, 471.9656, 0.0, 120395.3404, 150000.0000}},
         }},
    };
    for (const auto& c : cases) {
        const ScheduleResult r = CalculateSchedule(InputsFor(c.loan));
        ASSERT_TRUE(r.calculated) << c.name;
        EXPECT_EQ(r.payments, c.payments) << c.name;
        for (const auto& row : c.rows)
            for (int col = 2; col <= 6; ++col)
                EXPECT_EQ(Cell(r, row.payment, col), row.cells[static_cast<std::size_t>(col - 2)])
                    << c.name << ", payment " << row.payment << ", column " << col;
    }
}

// An amount equal to the balance less the previous payment's principal part
// would pay the loan off with the wrong split; it is skipped. Each case is
// one where that difference is exactly a four-decimal amount.
TEST(Repayment, AnAmountEqualToTheBalanceLessThePreviousPrincipalIsSkipped) {
    const struct {
        const char* name;
        Loan loan;
        int year;
        long before;  // the payment before the year's anniversary
    } cases[] = {
        {"2 weeks, year 4",
         {150315.00, 7.25, 25, Compounding::Semiannual, Frequency::TwoWeeks, 1, 0.0f, 12, {}},
         4,
         78},
        {"monthly, year 1: the whole principal",
         {100000, 10.125, 25, Compounding::Monthly, Frequency::Monthly, 1, 0.0f, 12, {}},
         1,
         0},
        {"weekly, year 1: the whole principal",
         {64250.75, 9.5, 10, Compounding::Quarterly, Frequency::OneWeek, 1, 0.0f, 12, {}},
         1,
         0},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = InputsFor(c.loan);
        const ScheduleResult plain = CalculateSchedule(in);
        const double balance = c.before == 0 ? c.loan.principal : Cell(plain, c.before, 4);
        const double difference = balance - Cell(plain, c.before, 3);

        AddAmounts(in.extra, {{c.year, difference}}, 12);
        const ScheduleResult equal = CalculateSchedule(in);
        EXPECT_EQ(equal.appliedCount, 0) << c.name;
        EXPECT_EQ(equal.payments, plain.payments) << c.name;
        // Skipping leaves the part unrounded where a zero amount would round it.
        EXPECT_NEAR(Cell(equal, c.before + 1, 3), Cell(plain, c.before + 1, 3), 0.0001) << c.name;

        // A ten-thousandth less is applied: the case sits right on the edge.
        AddAmounts(in.extra, {{c.year, difference - 0.0001}}, 12);
        EXPECT_EQ(CalculateSchedule(in).appliedCount, 1) << c.name;
    }
}

// A plain repayment plan of `payments` a year, for checking where amounts fall.
RepaymentPlan Plan(std::int16_t paymentsPerYear, const AdditionalPayments& extra) {
    RepaymentPlan plan;
    plan.principal = 100000;
    plan.payment = 12000.0 / paymentsPerYear;
    plan.rate = 0.06 / paymentsPerYear;
    plan.paymentsPerYear = paymentsPerYear;
    plan.bound = static_cast<std::int16_t>(paymentsPerYear * 5);
    plan.extra = &extra;
    plan.currencyExtraSum = true;
    return plan;
}

TEST(Repayment, EachYearsAmountFallsOnItsAnniversaryPayment) {
    const struct {
        std::int16_t paymentsPerYear;
        std::int16_t monthSetting;
        std::vector<long> payments;  // that carry the amounts of years 1, 2 and 3
    } cases[] = {
        {12, 12, {1, 13, 25}},   // the first month: before the first regular payment
        {12, 3, {4, 16, 28}},    // April
        {12, 11, {12, 24, 36}},  // December: the last payment of each year
        {24, 12, {1, 25, 49}},  {24, 4, {9, 33, 57}},   {26, 12, {1, 27, 53}},
        {26, 6, {15, 41, 67}},  {52, 12, {1, 53, 105}}, {52, 3, {17, 69, 121}},
    };
    for (const auto& c : cases) {
        AdditionalPayments extra;
        AddAmounts(extra, {{1, 100}, {2, 200}, {3, 300}}, c.monthSetting);
        std::vector<ScheduleRow> table(kScheduleRows);
        const RepaymentOutcome out = RunRepayment(Plan(c.paymentsPerYear, extra), table);
        ASSERT_EQ(out.applied.size(), 3u) << c.paymentsPerYear << "/" << c.monthSetting;
        for (std::size_t y = 0; y < 3; ++y) {
            EXPECT_EQ(out.applied[y].payment, c.payments[y]) << c.paymentsPerYear << "/" << c.monthSetting;
            EXPECT_EQ(out.applied[y].year, static_cast<long>(y) + 1)
                << c.paymentsPerYear << "/" << c.monthSetting;
            EXPECT_EQ(out.applied[y].amount, Currency::FromDouble(100.0 * (static_cast<double>(y) + 1)));
        }
    }
}

TEST(Repayment, FinalPaymentTakesWhatIsLeftBelowSix) {
    // No interest, ten payments of 10: the balance after the bound is exact.
    const struct {
        double principal;
        bool corrected;
        double lastPrincipal, lastCumulative;
    } cases[] = {
        {110.0, false, 10, 100},                                // the bound comes first: left as computed
        {106.0, false, 10, 100},                                // 6 left: still a real balance
        {105.99, true, 15.99, 105.99}, {100.0, true, 10, 100},  // paid off exactly
        {95.0, true, 5, 95},                                    // overshoot: the last payment shrinks
    };
    for (const auto& c : cases) {
        RepaymentPlan plan;
        plan.principal = c.principal;
        plan.payment = 10;
        plan.rate = 0;
        plan.paymentsPerYear = 12;
        plan.bound = 10;
        std::vector<ScheduleRow> table(kScheduleRows);
        const RepaymentOutcome out = RunRepayment(plan, table);
        ASSERT_EQ(out.payments, 10) << c.principal;
        CorrectFinalPayment(table, out);
        const ScheduleRow& last = table[10];
        EXPECT_EQ(last.principal.ToDouble(), c.lastPrincipal) << c.principal;
        EXPECT_EQ(last.cumulativePrincipal.ToDouble(), c.lastCumulative) << c.principal;
        EXPECT_EQ(last.balance.ToDouble(), c.corrected ? 0.0 : c.principal - 100) << c.principal;
        EXPECT_EQ(last.cumulativeInterest.ToDouble(), 0.0) << c.principal;
    }
}

}  // namespace
}  // namespace amortix
