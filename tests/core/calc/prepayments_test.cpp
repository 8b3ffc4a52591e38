// Recurring and one-time prepayments, the recast that lowers the payment and
// the lender's limits. Unless a row says otherwise the expected figures come
// from prepayment_figures.py beside this file: a separate payment-by-payment
// simulation in 60-digit decimal arithmetic, written from the rules (annuity
// payment, interest on the balance before, prepayment up to what is owed,
// re-amortization over the months left), not from this engine.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "core/calc/comparison.h"
#include "core/calc/limits.h"
#include "core/calc/repayment.h"
#include "core/calc/schedule.h"
#include "core/forms/schedule_texts.h"

namespace amortix {
namespace {

ScheduleInputs Mortgage(double principal, double rate, Compounding compounding, double years) {
    ScheduleInputs in;
    in.principal = principal;
    in.ratePercent = rate;
    in.compounding = compounding;
    in.years = years;
    in.view = ScheduleView::AllPayments;
    in.extra.years = static_cast<std::int16_t>(years);
    for (int y = 1; y <= in.extra.years; ++y)
        in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    return in;
}

ScheduleInputs ThirtyYears() {
    return Mortgage(200000, 6, Compounding::Monthly, 30);
}
ScheduleInputs TwentyFiveYears() {
    return Mortgage(100000, 10.125, Compounding::Monthly, 25);
}
ScheduleInputs Semiannual() {
    return Mortgage(300000, 5, Compounding::Semiannual, 25);
}

OneTimePrepayment Once(int year, int month, double amount) {
    return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), Currency::FromDouble(amount)};
}

RecurringPrepayment Every(double amount, int fromYear = 1, int fromMonth = 1, int toYear = 0,
                          int toMonth = 12) {
    return {Currency::FromDouble(amount), static_cast<std::int16_t>(fromYear),
            static_cast<std::int16_t>(fromMonth), static_cast<std::int16_t>(toYear),
            static_cast<std::int16_t>(toMonth)};
}

double TotalInterest(const ScheduleResult& r) {
    return r.rows.back().cumulativeInterest.ToDouble();
}

TEST(Prepayments, TheMonthsPaymentsFallIn) {
    // Worked by hand: (year - 1) P + ceil((month - 1) P / 12) + 1, and back.
    const struct {
        int year, month, perYear;
        long first, monthIndex;
    } cases[] = {
        {1, 1, 12, 1, 0},        {3, 3, 12, 27, 26},  {3, 9, 12, 33, 32},
        {2, 7, 26, 40, 18},      {2, 7, 24, 37, 18},  {1, 2, 52, 6, 1},
        {40, 12, 52, 2077, 479}, {6, 1, 26, 131, 60}, {40, 12, 12, 480, 479},
    };
    for (const auto& c : cases) {
        const auto n = static_cast<std::int16_t>(c.perYear);
        EXPECT_EQ(FirstPaymentOfMonth(c.year, c.month, n), c.first)
            << c.year << "/" << c.month << " at " << n;
        EXPECT_EQ(MonthOfPayment(c.first, n), c.monthIndex) << c.first << " at " << n;
        // The payment before a month's first falls in the month before.
        if (c.first > 1) {
            EXPECT_EQ(MonthOfPayment(c.first - 1, n), c.monthIndex - 1) << c.first;
        }
    }
}

// Payments to payoff, total interest, and what the prepayments saved against
// the same mortgage without them.
TEST(Prepayments, FiguresOfAnIndependentSimulation) {
    const struct {
        const char* what;
        std::function<ScheduleInputs()> inputs;
        long payments;
        double interest, saved;
        long sooner;  // months
    } cases[] = {
        // Closed form as well: n = -ln(1 - P i / (A + 100)) / ln(1 + i) = 294.5, so 295 payments.
        {"100 more every payment from the first",
         [] {
             ScheduleInputs in = ThirtyYears();
             in.prepayments.recurring = Every(100);
             return in;
         },
         295, 182537.969798, 49138.408312, 65},
        {"the same rounded as lenders do",
         [] {
             ScheduleInputs in = ThirtyYears();
             in.prepayments.recurring = Every(100);
             in.rounding = Rounding::Lender;
             return in;
         },
         295, 182538.19, 49138.85, 65},
        {"100 more in years 2 to 5",
         [] {
             ScheduleInputs in = ThirtyYears();
             in.prepayments.recurring = Every(100, 2, 1, 5, 12);
             return in;
         },
         341, 213405.364807, 18271.013303, 19},
        {"two lump sums in one year",
         [] {
             ScheduleInputs in = TwentyFiveYears();
             in.prepayments.oneTime = {Once(3, 9, 8000), Once(3, 3, 8000)};  // any order
             return in;
         },
         195, 94633.017399, 80625.178830, 105},
        {"two lump sums in the same month",
         [] {
             ScheduleInputs in = TwentyFiveYears();
             in.prepayments.oneTime = {Once(3, 3, 8000), Once(3, 3, 8000)};
             return in;
         },
         193, 93028.223786, 82229.972443, 107},
        {"an amount above the balance pays it off",
         [] {
             ScheduleInputs in = TwentyFiveYears();
             in.prepayments.oneTime = {Once(9, 4, 500000)};
             return in;
         },
         100, 80238.186740, 95020.009489, 200},
        {"a recast keeps the end",
         [] {
             ScheduleInputs in = Semiannual();
             in.prepayments.oneTime = {Once(5, 1, 20000)};
             in.prepayments.effect = PrepaymentEffect::LowerPayment;
             return in;
         },
         300, 211301.097990, 12143.388543, 0},
        {"shortening instead",
         [] {
             ScheduleInputs in = Semiannual();
             in.prepayments.oneTime = {Once(5, 1, 20000)};
             return in;
         },
         270, 190578.732185, 32865.754348, 30},
        {"the year before and the year of a renewal",
         [] {
             ScheduleInputs in = Semiannual();
             in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}};
             in.prepayments.oneTime = {Once(5, 7, 10000), Once(6, 7, 10000)};
             return in;
         },
         284, 230774.143247, 27759.724326, 16},
        {"the same, lowering the payment",
         [] {
             ScheduleInputs in = Semiannual();
             in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}};
             in.prepayments.oneTime = {Once(5, 7, 10000), Once(6, 7, 10000)};
             in.prepayments.effect = PrepaymentEffect::LowerPayment;
             return in;
         },
         300, 244465.394049, 14068.473524, 0},
        {"with the renewal's first payment",
         [] {
             ScheduleInputs in = Semiannual();
             in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}};
             in.prepayments.oneTime = {Once(6, 1, 10000)};
             return in;
         },
         284, 237300.832564, 21233.035009, 16},
        // Found by property runs: in whole cents the mortgage ends 2 payments
        // before its period, and a recast re-amortizes over the months left of
        // the period, so a small amount costs more interest than none.
        {"a recast back to the period's end",
         [] {
             ScheduleInputs in = Mortgage(26725.27, 26.013, Compounding::Quarterly, 34);
             in.rounding = Rounding::Lender;
             in.prepayments.oneTime = {Once(22, 1, 2.67)};
             in.prepayments.effect = PrepaymentEffect::LowerPayment;
             return in;
         },
         408, 202205.36, -982.42, -2},
        // And the payment rounded up to 34.98, the recast's down to 34.97.
        {"a recast's payment rounded down",
         [] {
             ScheduleInputs in = Mortgage(12908.96, 0.898, Compounding::Quarterly, 36);
             in.rounding = Rounding::Lender;
             in.prepayments.oneTime = {Once(1, 1, 1.29)};
             in.prepayments.effect = PrepaymentEffect::LowerPayment;
             return in;
         },
         432, 2201.11, -0.26, 0},
    };
    for (const auto& c : cases) {
        const ScheduleResult r = CalculateSchedule(c.inputs());
        ASSERT_TRUE(r.calculated) << c.what;
        EXPECT_TRUE(r.messages.empty()) << c.what;
        EXPECT_EQ(r.payments, c.payments) << c.what;
        // To a tenth of a cent: the rows keep four decimals.
        EXPECT_NEAR(TotalInterest(r), c.interest, 0.001) << c.what;
        ASSERT_TRUE(r.summary.prepayments.interestSaved) << c.what;
        EXPECT_NEAR(*r.summary.prepayments.interestSaved, c.saved, 0.001) << c.what;
        EXPECT_EQ(r.summary.prepayments.payoffEarlierMonths, c.sooner) << c.what;
        EXPECT_EQ(r.rows.back().balance, Currency()) << c.what;
        EXPECT_NEAR(r.rows.back().cumulativePrincipal.ToDouble(), c.inputs().principal, 0.01) << c.what;
    }
}

// The new payment after a one-time amount, and after the renewal that
// follows it. Closed form for the first: the balance after payment 49,
// 243,727.226..., over the 251 months left at 1.025^(1/6) - 1 a month.
TEST(Prepayments, ARecastsNewPayment) {
    ScheduleInputs in = Semiannual();
    in.prepayments.oneTime = {Once(5, 1, 20000)};
    in.prepayments.effect = PrepaymentEffect::LowerPayment;
    ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    EXPECT_NEAR(r.summary.payment, 1744.814955, 1e-6);  // the first payment is the summary's
    ASSERT_EQ(r.listing.size(), 1u);
    EXPECT_TRUE(r.listing[0].oneTime);
    EXPECT_NEAR(r.listing[0].newPayment, 1616.753646, 1e-5);
    const ScheduleRow& after = r.rows[50];
    EXPECT_NEAR((after.interest + after.principal).ToDouble(), 1616.753646, 0.0002);
    const double i = std::pow(1.025, 1.0 / 6.0) - 1.0;
    const double b49 = r.rows[49].balance.ToDouble();
    EXPECT_NEAR(r.listing[0].newPayment, b49 * i / (1 - std::pow(1 + i, -251)), 0.0002);

    in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}};
    in.prepayments.oneTime = {Once(5, 7, 10000), Once(6, 7, 10000)};
    r = CalculateSchedule(in);
    ASSERT_EQ(r.listing.size(), 2u);
    EXPECT_NEAR(r.listing[0].newPayment, 1679.887216, 1e-5);
    EXPECT_NEAR(r.summary.rateChanges[0].payment, 1820.652388, 1e-5);
    EXPECT_NEAR(r.listing[1].newPayment, 1748.311454, 1e-5);
    // A renewal re-amortizes the balance left after the prepayments: shortening, 1,818.321201.
    in.prepayments.effect = PrepaymentEffect::ShortenTerm;
    r = CalculateSchedule(in);
    EXPECT_NEAR(r.summary.rateChanges[0].payment, 1818.321201, 1e-5);
    EXPECT_EQ(r.listing[1].newPayment, 0.0);
}

// What each payment carries and what the listing shows: an amount above the
// balance is listed as paid (what is owed after the regular principal,
// 82,559.3203 by the simulation), the recurring amount stops where it ends.
TEST(Prepayments, AmountsAsPaid) {
    ScheduleInputs in = TwentyFiveYears();
    in.prepayments.oneTime = {Once(9, 4, 500000), Once(12, 1, 1000)};
    in.prepayments.recurring = Every(50, 2, 6, 9, 3);
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    ASSERT_EQ(r.payments, 100);
    EXPECT_EQ(r.rows[17].extra, Currency());
    EXPECT_EQ(r.rows[18].extra, Currency::FromDouble(50));  // year 2 month 6
    EXPECT_EQ(r.rows[99].extra, Currency::FromDouble(50));  // year 9 month 3
    EXPECT_NEAR(r.rows[100].extra.ToDouble(), 82559.320283, 0.0002);
    EXPECT_NEAR(TotalInterest(r), 78412.052359, 0.01);
    ASSERT_EQ(r.listing.size(), 1u);  // the amount of year 12 is never reached
    EXPECT_EQ(r.listing[0].year, 9);
    EXPECT_EQ(r.listing[0].month, 4);
    EXPECT_EQ(r.listing[0].amount, r.rows[100].extra);
    const PrepaymentSummary& p = r.summary.prepayments;
    EXPECT_EQ(p.recurringFirst, 18);
    EXPECT_EQ(p.recurringLast, 99);
    EXPECT_EQ(p.recurringTotal, Currency::FromDouble(82 * 50));
    EXPECT_EQ(p.total, p.recurringTotal + r.rows[100].extra);
}

// Over a limit the schedule stands and message 47 or 48 names the first year
// over it and by how much. Worked by hand: 15 % of 100,000 is 15,000 a year;
// the payment of 100,000 at 6 % over 25 years is 644.301401 (closed-form
// annuity), so 10 % of it is 64.43 and a 5 % increase adds 32.215070.
TEST(Prepayments, LimitsAtAndJustOver) {
    const struct {
        const char* what;
        std::function<void(Prepayments&, AdditionalPayments&)> set;
        std::vector<int> messages;
        int year;
        double limit, over;
    } cases[] = {
        {"one-time amounts at the yearly limit",
         [](Prepayments& p, AdditionalPayments&) {
             p.oneTime = {Once(2, 1, 10000), Once(2, 6, 5000)};
         },
         {},
         0,
         0,
         0},
        {"a cent over it",
         [](Prepayments& p, AdditionalPayments&) {
             p.oneTime = {Once(2, 1, 10000), Once(2, 6, 5000.01)};
         },
         {47},
         2,
         15000,
         0.01},
        {"recurring and one-time at it",
         [](Prepayments& p, AdditionalPayments&) {
             p.recurring = Every(100, 2);
             p.oneTime = {Once(3, 5, 13800)};
         },
         {},
         0,
         0,
         0},
        {"a cent over it in year 3",
         [](Prepayments& p, AdditionalPayments&) {
             p.recurring = Every(100, 2);
             p.oneTime = {Once(3, 5, 13800.01)};
         },
         {47},
         3,
         15000,
         0.01},
        {"a yearly amount counts too",
         [](Prepayments& p, AdditionalPayments& extra) {
             p.oneTime = {Once(4, 12, 5000)};
             extra.amount[4] = Currency::FromDouble(10000.01);
         },
         {47},
         4,
         15000,
         0.01},
        {"a recurring amount at the increase limit",
         [](Prepayments& p, AdditionalPayments&) {
             p.increaseLimitPercent = 10;
             p.recurring = Every(64.43, 3, 7);
         },
         {},
         0,
         0,
         0},
        {"a cent over it, from year 3",
         [](Prepayments& p, AdditionalPayments&) {
             p.increaseLimitPercent = 10;
             p.recurring = Every(64.44, 3, 7);
         },
         {48},
         3,
         64.43,
         0.01},
        {"the percentage increase and a recurring amount",
         [](Prepayments& p, AdditionalPayments& extra) {
             p.increaseLimitPercent = 10;
             p.recurring = Every(32.22, 2);
             extra.increase = 0.05f;
         },
         {48},
         2,
         64.43,
         0.00507},
        {"the percentage alone over it: year 1",
         [](Prepayments& p, AdditionalPayments& extra) {
             p.increaseLimitPercent = 4;
             extra.increase = 0.05f;
         },
         {48},
         1,
         25.77,
         6.44507},
        {"both limits",
         [](Prepayments& p, AdditionalPayments&) {
             p.increaseLimitPercent = 0;
             p.recurring = Every(1300, 5);
         },
         {47, 48},
         0,
         0,
         0},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Mortgage(100000, 6, Compounding::Monthly, 25);
        in.prepayments.yearlyLimitPercent = 15;
        c.set(in.prepayments, in.extra);
        in.extra.rowCount = in.extra.CountYearsWithAmounts();
        in.extra.kind = ExtraPaymentKind::Both;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated) << c.what;
        EXPECT_EQ(MessageNumbers(r.messages), c.messages) << c.what;
        const auto& p = r.summary.prepayments;
        const auto& exceeded = c.messages == std::vector<int>{48} ? p.increaseLimit : p.yearlyLimit;
        if (c.year == 0) continue;
        ASSERT_TRUE(exceeded) << c.what;
        EXPECT_EQ(exceeded->year, c.year) << c.what;
        EXPECT_EQ(exceeded->limit, Currency::FromDouble(c.limit)) << c.what;
        EXPECT_NEAR(exceeded->over.ToDouble(), c.over, 0.00005) << c.what;
    }
}

// Prepayments no mortgage can have are refused whole with message 49.
TEST(Prepayments, RefusedOutsideTheirRanges) {
    const struct {
        const char* what;
        std::function<void(Prepayments&)> set;
        bool refused;
    } cases[] = {
        {"nothing", [](Prepayments&) {}, false},
        {"year 40 month 12", [](Prepayments& p) { p.oneTime = {Once(40, 12, 1)}; }, false},
        {"year 41", [](Prepayments& p) { p.oneTime = {Once(41, 1, 1)}; }, true},
        {"year 0", [](Prepayments& p) { p.oneTime = {Once(0, 1, 1)}; }, true},
        {"month 13", [](Prepayments& p) { p.oneTime = {Once(2, 13, 1)}; }, true},
        {"a negative amount", [](Prepayments& p) { p.oneTime = {Once(2, 1, -1)}; }, true},
        {"9,999,999.99", [](Prepayments& p) { p.oneTime = {Once(2, 1, 9999999.99)}; }, false},
        {"10,000,000", [](Prepayments& p) { p.oneTime = {Once(2, 1, 10000000)}; }, true},
        {"100 amounts", [](Prepayments& p) { p.oneTime.assign(100, Once(2, 1, 1)); }, false},
        {"101 amounts", [](Prepayments& p) { p.oneTime.assign(101, Once(2, 1, 1)); }, true},
        {"recurring over one month", [](Prepayments& p) { p.recurring = Every(5, 3, 4, 3, 4); }, false},
        {"recurring ending before it starts", [](Prepayments& p) { p.recurring = Every(5, 3, 4, 3, 3); },
         true},
        {"recurring to month 13", [](Prepayments& p) { p.recurring = Every(5, 3, 4, 4, 13); }, true},
        {"recurring from year 0", [](Prepayments& p) { p.recurring = Every(5, 0, 1); }, true},
        {"recurring above the top", [](Prepayments& p) { p.recurring = Every(10000000); }, true},
        {"limits 0 and 100", [](Prepayments& p) { p.yearlyLimitPercent = 0, p.increaseLimitPercent = 100; },
         false},
        {"a limit above 100", [](Prepayments& p) { p.yearlyLimitPercent = 100.001; }, true},
        {"a negative limit", [](Prepayments& p) { p.increaseLimitPercent = -1; }, true},
        {"a limit not a number", [](Prepayments& p) { p.increaseLimitPercent = std::nan(""); }, true},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = TwentyFiveYears();
        c.set(in.prepayments);
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(r.calculated, !c.refused) << c.what;
        EXPECT_EQ(MessageNumbers(r.messages), c.refused ? std::vector<int>{49} : std::vector<int>{})
            << c.what;
        ComparisonInputs row;
        row.prepayments = in.prepayments;
        EXPECT_EQ(PrepaymentRefusal(row.prepayments).has_value(), c.refused) << c.what;
    }
}

// A comparison row takes the same prepayments as the schedule: the
// simulation's figures again, the amounts as paid and the star.
TEST(Prepayments, ComparisonRowsTakeThem) {
    const struct {
        const char* what;
        std::function<void(ComparisonInputs&)> set;
        long payments;
        double interest, newPayment;
    } cases[] = {
        {"two lump sums in one year",
         [](ComparisonInputs& in) {
             in.prepayments.oneTime = {Once(3, 3, 8000), Once(3, 9, 8000)};
         },
         195, 94633.017399, 0},
        {"100 more every payment",
         [](ComparisonInputs& in) {
             in.principal = 200000, in.ratePercent = 6, in.years = 30;
             in.prepayments.recurring = Every(100);
         },
         295, 182537.969798, 0},
        {"a recast",
         [](ComparisonInputs& in) {
             in.principal = 300000, in.ratePercent = 5, in.compounding = Compounding::Semiannual;
             in.prepayments.oneTime = {Once(5, 1, 20000)};
             in.prepayments.effect = PrepaymentEffect::LowerPayment;
         },
         300, 211301.097990, 1616.753646},
        {"in the year of a renewal",
         [](ComparisonInputs& in) {
             in.principal = 300000, in.ratePercent = 5, in.compounding = Compounding::Semiannual;
             in.rateChanges = {{6, 1, 6, RateChangePayment::Recalculate}};
             in.prepayments.oneTime = {Once(5, 7, 10000), Once(6, 7, 10000)};
         },
         284, 230774.143247, 0},
    };
    for (const auto& c : cases) {
        ComparisonInputs in;
        c.set(in);
        const ComparisonRowOutcome out = CalculateComparisonRow(in, 1);
        ASSERT_TRUE(out.row) << c.what;
        const ComparisonRow& row = *out.row;
        EXPECT_EQ(row.payments, c.payments) << c.what;
        EXPECT_NEAR(row.totalInterest, c.interest, 0.01) << c.what;
        EXPECT_TRUE(row.starred) << c.what;
        EXPECT_EQ(row.prepaymentEffect, in.prepayments.effect) << c.what;
        ASSERT_EQ(row.oneTimePayments.size(), in.prepayments.oneTime.size()) << c.what;
        for (std::size_t j = 0; j < row.oneTimePayments.size(); ++j) {
            EXPECT_EQ(row.oneTimePayments[j].year, in.prepayments.oneTime[j].year) << c.what;
            EXPECT_EQ(row.oneTimePayments[j].amount, in.prepayments.oneTime[j].amount) << c.what;
        }
        if (c.newPayment > 0) {
            EXPECT_NEAR(row.oneTimePayments[0].newPayment, c.newPayment, 1e-5) << c.what;
        }
        const bool recurring = in.prepayments.recurring.amount > Currency();
        EXPECT_EQ(row.recurringTotal, Currency::FromDouble(recurring ? 29400 : 0))
            << c.what;  // 294 payments of 100
    }
}

// Every kind at once, as the result boxes, the printout's listing and the
// grid show it. The figures saved (107,720.06, 145 months sooner) are the
// simulation's; the layout is the listing's, lined up by hand.
TEST(PrepaymentTexts, ListingBoxesAndGrid) {
    ScheduleInputs in = TwentyFiveYears();
    in.extra.amount[1] = Currency::FromDouble(5000);
    in.extra.rowCount = 1;
    in.extra.kind = ExtraPaymentKind::YearAmounts;
    in.prepayments.oneTime = {Once(3, 9, 8000), Once(3, 3, 8000)};
    in.prepayments.recurring = Every(100, 2, 1, 5, 12);
    in.prepayments.yearlyLimitPercent = 15;
    const auto r = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
    ASSERT_TRUE(r->calculated);
    EXPECT_EQ(r->payments, 155);
    EXPECT_EQ(MessageNumbers(r->messages), std::vector<int>{47});
    const ScheduleBoxTexts boxes = BoxTexts(*r, "$");
    EXPECT_EQ(boxes.interestSavedByPrepayments, " $107,720.06");
    EXPECT_EQ(boxes.payoffEarlier, "  12 yr 1 mo");
    EXPECT_EQ(AdditionalNotesText(*r),
              "Additional  Payments     Applied\r\n\r\n"
              " Year   1    Month  1    5,000.00\r\n"
              " Year   3    Month  3    8,000.00  one-time\r\n"
              " Year   3    Month  9    8,000.00  one-time\r\n"
              " Every payment             100.00  from Year   2 Month  1 to Year   5 Month 12\r\n"
              " In all                  4,800.00\r\n"
              "\r\n"
              " Interest saved by prepayments   107,720.06\r\n"
              " Paid off sooner by 12 yr 1 mo\r\n"
              " Year 3 goes over the yearly limit of 15,000.00 by 2,200.00.\r\n");
    EXPECT_EQ(YearlyLimitText(*r->summary.prepayments.yearlyLimit, "$"),
              "Year 3 goes over the yearly limit of $15,000.00 by $2,200.00.");

    const ScheduleGrid grid(r, "$");
    const int g = r->gridRows;
    EXPECT_EQ(grid.RowCount(), g + 4 + 4 + 4);  // totals, the listing's title and 4 rows
    const struct {
        int row, column;
        const char* text;
    } cells[] = {
        {g + 4, 0, "Additional "},
        {g + 6, 0, "Year    1"},
        {g + 6, 3, ""},
        {g + 7, 0, "Year    3"},
        {g + 7, 1, " Month   3 "},
        {g + 7, 2, "8,000.00"},
        {g + 7, 3, "one-time"},
        {g + 8, 1, " Month   9 "},
        {g + 9, 0, "Every payment"},
        {g + 9, 2, "100.00"},
        {g + 9, 3, "from 2/1"},
        {g + 9, 4, "to 5/12"},
        {g + 9, 5, "$4,800.00 in all"},
        {g + 4, 4, ""},
    };
    for (const auto& c : cells) EXPECT_EQ(grid.Cell(c.row, c.column), c.text) << c.row - g << "," << c.column;
}

// A recast's new payment heads its own column; an open recurring amount runs to the end.
TEST(PrepaymentTexts, NewPaymentsAndAnOpenEnd) {
    ScheduleInputs in = Semiannual();
    in.prepayments.oneTime = {Once(5, 1, 20000)};
    in.prepayments.effect = PrepaymentEffect::LowerPayment;
    in.prepayments.recurring = Every(10, 24, 1);
    const auto r = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
    ASSERT_TRUE(r->calculated);
    const ScheduleGrid grid(r, "$");
    const int g = r->gridRows;
    EXPECT_EQ(grid.Cell(g + 4, 4), "New Payment");
    EXPECT_EQ(grid.Cell(g + 6, 4), "$1,616.75");  // the simulation's 1,616.753646
    EXPECT_EQ(grid.Cell(g + 7, 4), "to the end");
    const std::string notes = AdditionalNotesText(*r);
    EXPECT_NE(notes.find(" Year   5    Month  1   20,000.00  one-time  new payment 1,616.75\r\n"),
              std::string::npos)
        << notes;
    EXPECT_NE(notes.find("from Year  24 Month  1 to the end\r\n"), std::string::npos) << notes;
}

// Limits alone show what the additional payments saved, with nothing listed.
TEST(PrepaymentTexts, LimitsAloneListNothing) {
    ScheduleInputs in = TwentyFiveYears();
    in.extra.increase = 0.05f;
    in.prepayments.increaseLimitPercent = 10;
    const auto r = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
    ASSERT_TRUE(r->calculated);
    EXPECT_EQ(r->ListingRows(), 0);
    const std::string notes = AdditionalNotesText(*r);
    EXPECT_EQ(notes.rfind("Additional  Payments     Applied\r\n\r\n\r\n Interest saved by prepayments", 0),
              0u)
        << notes;
    EXPECT_EQ(ScheduleGrid(r, "$").RowCount(), std::max(r->gridRows + 4, 23));
}

}  // namespace
}  // namespace amortix
