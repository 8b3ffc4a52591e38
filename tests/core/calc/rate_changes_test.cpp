// Rate changes over a mortgage's life and payments rounded as lenders round
// them. The expected figures come from closed-form annuity formulas worked
// independently (balance B_k = P(1+i)^k - A((1+i)^k - 1)/i, payment
// A = B i / (1 - (1+i)^-n)) in double precision, or from a separate
// cent-by-cent simulation in decimal arithmetic; each test says which.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/calc/repayment.h"
#include "core/calc/schedule.h"
#include "core/forms/schedule_texts.h"

namespace amortix {
namespace {

// 300,000 at 5 % compounded semiannually over 25 years, all payments.
ScheduleInputs Canadian(Frequency frequency = Frequency::Monthly) {
    ScheduleInputs in;
    in.principal = 300000;
    in.ratePercent = 5;
    in.compounding = Compounding::Semiannual;
    in.frequency = frequency;
    in.view = ScheduleView::AllPayments;
    in.extra.years = 25;
    for (int y = 1; y <= 25; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    return in;
}

RateChange Change(int year, int month, double rate,
                  RateChangePayment payment = RateChangePayment::Recalculate) {
    return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), rate, payment};
}

TEST(RateChanges, FirstPaymentOfEachChange) {
    const struct {
        int year, month, perYear;
        long first;
    } cases[] = {
        {2, 1, 12, 13}, {6, 1, 12, 61}, {3, 7, 12, 31}, {1, 2, 12, 2},      {6, 1, 26, 131},
        {2, 7, 26, 40}, {2, 7, 52, 79}, {2, 2, 24, 27}, {40, 12, 52, 2077},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstPaymentOfChange(Change(c.year, c.month, 5), static_cast<std::int16_t>(c.perYear)),
                  c.first)
            << c.year << "/" << c.month << " at " << c.perYear;
}

// A renewal after 5 years at 6 %: the balance after 60 payments (265,522.52)
// over the 20 years left. Closed form: A = 1,744.814955, B_60 = 265,522.521593,
// new payment 1,891.020709; total paid 60 A + 240 A' = 558,533.87.
TEST(RateChanges, ARenewalReamortizesTheBalanceOverTheYearsLeft) {
    ScheduleInputs in = Canadian();
    in.rateChanges = {Change(6, 1, 6)};
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_NEAR(r.summary.payment, 1744.814955, 1e-6);
    EXPECT_NEAR(r.rows[60].balance.ToDouble(), 265522.5216, 0.0002);
    ASSERT_EQ(r.summary.rateChanges.size(), 1u);
    const AppliedRateChange& c = r.summary.rateChanges[0];
    EXPECT_TRUE(c.reached);
    EXPECT_EQ(c.firstPayment, 61);
    EXPECT_NEAR(c.payment, 1891.020709, 1e-5);
    EXPECT_EQ(r.payments, 300);
    EXPECT_NEAR(r.summary.totalPaid.ToDouble(), 558533.87, 0.01);
    EXPECT_EQ(r.rows[60].ratePercent, 5);
    EXPECT_EQ(r.rows[61].ratePercent, 6);
    EXPECT_EQ(r.rows[300].balance, Currency());
    // The interest of the first period at the new rate: B_60 times i at 6 %.
    const double i6 = std::pow(1.03, 1.0 / 6.0) - 1.0;
    EXPECT_NEAR(r.rows[61].interest.ToDouble(), 265522.521593 * i6, 0.0001);
}

// Accelerated biweekly pays half the monthly payment 26 times a year; the
// renewal from payment 131 recalculates the monthly payment over the
// 25 - 130/26 = 20 years left and pays half of it. Closed form at the rate of
// a 14-day period in a 365-day year, 1.025^(2 / (365/14)) - 1:
// B_130 = 255,290.097474, new payment 909.073284.
TEST(RateChanges, AcceleratedBiweeklyAcrossARenewal) {
    ScheduleInputs in = Canadian(Frequency::BiweeklyAccelerated);
    in.rateChanges = {Change(6, 1, 6)};
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    EXPECT_NEAR(r.summary.payment, 1744.814955 / 2, 1e-6);
    EXPECT_NEAR(r.rows[130].balance.ToDouble(), 255290.0975, 0.0002);
    ASSERT_EQ(r.summary.rateChanges.size(), 1u);
    EXPECT_EQ(r.summary.rateChanges[0].firstPayment, 131);
    EXPECT_NEAR(r.summary.rateChanges[0].payment, 909.073284, 1e-5);
    // Accelerated still ends before the 25 years.
    EXPECT_LT(r.summary.yearsToFinal, 25.0f);
}

// Two changes in one year, the second keeping the payment; "Keep" moves the
// end later at a higher rate and sooner at a lower one, the renewal keeps it.
TEST(RateChanges, KeptPaymentsMoveTheEnd) {
    const struct {
        const char* what;
        std::vector<RateChange> changes;
        long payments;  // 0: only the direction is known
        int direction;  // against 300 payments
    } cases[] = {
        {"renewal", {Change(6, 1, 7)}, 300, 0},
        {"kept at a higher rate", {Change(6, 1, 6, RateChangePayment::Keep)}, 0, 1},
        {"kept at a lower rate", {Change(6, 1, 4, RateChangePayment::Keep)}, 0, -1},
        {"two in one year", {Change(3, 1, 6), Change(3, 7, 7, RateChangePayment::Keep)}, 0, 1},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Canadian();
        in.rateChanges = c.changes;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated) << c.what;
        EXPECT_TRUE(r.messages.empty()) << c.what;
        if (c.payments) {
            EXPECT_EQ(r.payments, c.payments) << c.what;
        }
        EXPECT_EQ(r.payments > 300 ? 1 : r.payments < 300 ? -1 : 0, c.direction) << c.what;
        EXPECT_EQ(r.rows[static_cast<std::size_t>(r.payments)].balance, Currency()) << c.what;
        // Every row's interest is its balance before times the rate in force.
        for (std::size_t k = 1; k < r.rows.size(); ++k) {
            const double i = std::pow(1.0 + r.rows[k].ratePercent / 200.0, 1.0 / 6.0) - 1.0;  // monthly
            const double before = k == 1 ? in.principal : r.rows[k - 1].balance.ToDouble();
            EXPECT_NEAR(r.rows[k].interest.ToDouble(), before * i, 0.0002) << c.what << " payment " << k;
        }
    }
    // The kept payment after two changes in one year is the first change's.
    ScheduleInputs in = Canadian();
    in.rateChanges = {Change(3, 7, 7, RateChangePayment::Keep), Change(3, 1, 6)};  // any order
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_EQ(r.summary.rateChanges.size(), 2u);
    EXPECT_EQ(r.summary.rateChanges[0].firstPayment, 25);
    EXPECT_EQ(r.summary.rateChanges[1].firstPayment, 31);
    EXPECT_EQ(r.summary.rateChanges[1].payment, r.summary.rateChanges[0].payment);
}

// A kept payment below the new rate's interest is a bad plan: no results,
// the payment number and the rate named. A change after the final payment
// is reported, the schedule still shown.
TEST(RateChanges, BadPlansAndChangesNeverReached) {
    ScheduleInputs in = Canadian();
    in.rateChanges = {Change(4, 1, 9, RateChangePayment::Keep)};
    ScheduleResult r = CalculateSchedule(in);
    EXPECT_FALSE(r.calculated);
    EXPECT_EQ(MessageNumbers(r.messages), std::vector<int>{44});
    ASSERT_TRUE(r.uncovered);
    EXPECT_EQ(r.uncovered->payment, 37);
    EXPECT_EQ(r.uncovered->ratePercent, 9);

    in = Canadian(Frequency::BiweeklyAccelerated);  // over before year 25
    in.rateChanges = {Change(3, 1, 6), Change(25, 1, 8)};
    r = CalculateSchedule(in);
    EXPECT_TRUE(r.calculated);
    EXPECT_EQ(MessageNumbers(r.messages), std::vector<int>{43});
    ASSERT_EQ(r.summary.rateChanges.size(), 2u);
    EXPECT_TRUE(r.summary.rateChanges[0].reached);
    EXPECT_FALSE(r.summary.rateChanges[1].reached);
}

// A change and an additional amount in the same year: the amount is paid
// with the first payment of its month at the rate then in force, and the
// renewal re-amortizes what is left after it. More prepayment never pays
// more interest.
TEST(RateChanges, WithAnAdditionalPaymentInTheSameYear) {
    ScheduleInputs in = Canadian();
    in.rateChanges = {Change(6, 1, 6)};
    const ScheduleResult without = CalculateSchedule(in);
    in.extra.amount[6] = Currency::FromDouble(10000);
    in.extra.month = Month{1};
    in.extra.rowCount = in.extra.CountYearsWithAmounts();
    in.extra.kind = ExtraPaymentKind::YearAmounts;
    const ScheduleResult with = CalculateSchedule(in);
    ASSERT_TRUE(with.calculated);
    EXPECT_EQ(with.rows[61].extra, Currency::FromDouble(10000));
    EXPECT_EQ(with.rows[61].ratePercent, 6);
    // The renewal is quoted on the balance before the amount, as at renewal.
    EXPECT_NEAR(with.summary.rateChanges[0].payment, without.summary.rateChanges[0].payment, 1e-9);
    EXPECT_LT(with.rows.back().cumulativeInterest, without.rows.back().cumulativeInterest);
    EXPECT_LT(with.payments, without.payments);
    EXPECT_GT(with.summary.interestSaved, 0.0);
    // Measured against the same mortgage, with its renewal, without the amount.
    EXPECT_NEAR(without.summary.interestSaved, 0.0, 0.02);
}

// 100,000 at 6 % compounded monthly over 25 years, rounded as lenders do:
// the payment 644.30 (644.3014 exact) and each interest in whole cents. A
// separate cent-by-cent simulation in decimal arithmetic gives the first
// interest 500.00, 0.89 left after the 300th regular payment, so the final
// payment is 645.19, and 93,290.89 of interest in all.
TEST(LenderRounding, CentsAsOnAStatement) {
    ScheduleInputs in;
    in.principal = 100000;
    in.ratePercent = 6;
    in.compounding = Compounding::Monthly;
    in.view = ScheduleView::AllPayments;
    in.rounding = Rounding::Lender;
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    EXPECT_EQ(r.summary.payment, 644.30);
    EXPECT_EQ(r.payments, 300);
    EXPECT_EQ(r.rows[1].interest, Currency::FromDouble(500.00));
    EXPECT_EQ(r.rows[1].principal, Currency::FromDouble(144.30));
    const ScheduleRow& last = r.rows[300];
    EXPECT_EQ((last.interest + last.principal).ToDouble(), 645.19);
    EXPECT_EQ(last.cumulativeInterest, Currency::FromDouble(93290.89));
    EXPECT_EQ(last.balance, Currency());
    for (std::size_t k = 1; k < r.rows.size(); ++k) {
        const double before = k == 1 ? in.principal : r.rows[k - 1].balance.ToDouble();
        EXPECT_EQ(r.rows[k].interest, Currency::FromDouble(RoundCents(before * 0.005))) << k;
    }
    // Exact arithmetic keeps the fraction of a cent.
    in.rounding = Rounding::Exact;
    EXPECT_NEAR(CalculateSchedule(in).summary.payment, 644.3014, 0.0001);
}

// The lender's rule: whole cents, halves away from zero, also where the
// binary rate misses the half by a few units in the last place. Worked by
// hand: 6 % a year is 0.5 % a month, so 1.00 and 3.00 owe exactly half a cent.
TEST(LenderRounding, CentsAtAnExactHalf) {
    const double monthly6 = (1.0 + 0.06 / 12.0) - 1.0;  // 0.004999999999999893
    const struct {
        double x, cents;
    } cases[] = {
        {1.00 * monthly6, 0.01}, {3.00 * monthly6, 0.02},   {123457.00 * monthly6, 617.29},
        {-0.005, -0.01},         {0.0049996, 0.00},         {617.28391, 617.28},
        {644.301401, 644.30},    {9999999.994, 9999999.99},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundCents(c.x), c.cents) << c.x;
}

// The final payment clears what the cents left over, rather than a payment
// of a few cents after the period. Worked by hand: at 0.001 % every interest
// rounds to 0.00 and 1,001 over 8 years is 10.4271 a month; the payment is
// its share in whole cents, and the last one takes the rest.
TEST(LenderRounding, TheFinalPaymentClearsWhatTheCentsLeft) {
    const struct {
        Frequency frequency;
        double payment;
        long payments;
        double last;
    } cases[] = {
        {Frequency::Monthly, 10.43, 96, 1001 - 95 * 10.43},      // 10.15
        {Frequency::Semimonthly, 5.21, 192, 1001 - 191 * 5.21},  // 5.89, not 0.68 as a 193rd
        {Frequency::TwoWeeks, 4.81, 208, 1001 - 207 * 4.81},     // 5.33, not 0.52 as a 209th
    };
    for (const auto& c : cases) {
        ScheduleInputs in;
        in.principal = 1001;
        in.ratePercent = 0.001;
        in.years = 8;
        in.frequency = c.frequency;
        in.view = ScheduleView::AllPayments;
        in.rounding = Rounding::Lender;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated);
        EXPECT_EQ(r.summary.payment, c.payment) << Info(c.frequency).cliName;
        EXPECT_EQ(r.payments, c.payments) << Info(c.frequency).cliName;
        EXPECT_NEAR(r.rows.back().principal.ToDouble(), c.last, 1e-9) << Info(c.frequency).cliName;
        EXPECT_EQ(r.rows.back().cumulativeInterest, Currency()) << Info(c.frequency).cliName;
    }
}

// Changes no mortgage can have are refused whole with message 46.
TEST(RateChanges, RefusedOutsideTheirRanges) {
    const struct {
        const char* what;
        std::vector<RateChange> changes;
        bool refused;
    } cases[] = {
        {"year 1 month 1 is the first rate", {Change(1, 1, 6)}, true},
        {"year 1 month 2", {Change(1, 2, 6)}, false},
        {"year 41", {Change(41, 1, 6)}, true},
        {"month 13", {Change(2, 13, 6)}, true},
        {"month 0", {Change(2, 0, 6)}, true},
        {"negative rate", {Change(2, 1, -1)}, true},
        {"rate above 100", {Change(2, 1, 100.5)}, true},
        {"rate 0", {Change(2, 1, 0)}, false},
        {"21 changes", std::vector<RateChange>(21, Change(2, 1, 6)), true},
        {"20 changes", std::vector<RateChange>(20, Change(2, 1, 6)), false},
    };
    for (const auto& c : cases) {
        ScheduleInputs in = Canadian();
        in.rateChanges = c.changes;
        const ScheduleResult r = CalculateSchedule(in);
        EXPECT_EQ(r.calculated, !c.refused) << c.what;
        EXPECT_EQ(MessageNumbers(r.messages), c.refused ? std::vector<int>{46} : std::vector<int>{})
            << c.what;
    }
}

// Each interest in whole cents of the balance as the row before shows it.
// The schedule property's shrunk cases: a balance of 496,395.50 at 1 % a
// month owes 4,963.955, a half cent a lender rounds up, and the balance
// carried in binary fractions just below it rounded it down to 4,963.95;
// and a balance holding fractions of a cent from additional amounts, whose
// interest worked out from the balance in cents was a cent off the row's.
TEST(LenderRounding, EachInterestIsThatOfTheBalanceShown) {
    const struct {
        const char* what;
        double principal, rate, years;
        Frequency frequency;
        DayBasisChoice days;
        Month month;
        float increase;
        std::vector<std::pair<int, double>> amounts;  // year, amount
        long payment;                                 // one to pin, with its interest
        double interest;
    } cases[] = {
        {"half a cent up",
         1201321.75,
         12,
         10,
         Frequency::Monthly,
         DayBasisChoice::Days365_25,
         Month{2},
         0.01f,
         {},
         85,
         4963.96},
        {"fractions of a cent",
         200650.84,
         17.203,
         24,
         Frequency::OneWeek,
         DayBasisChoice::Days365,
         Month{3},
         0.0f,
         {{5, 201 * 200650.84 / 20000}, {11, 333 * 200650.84 / 20000}},
         0,
         0},
    };
    for (const auto& c : cases) {
        ScheduleInputs in;
        in.principal = c.principal;
        in.ratePercent = c.rate;
        in.years = c.years;
        in.compounding = Compounding::Monthly;
        in.frequency = c.frequency;
        in.dayBasis = DayBasis::Preset(c.days);
        in.view = ScheduleView::AllPayments;
        in.rounding = Rounding::Lender;
        in.extra.years = static_cast<std::int16_t>(c.years);
        for (int y = 1; y <= in.extra.years; ++y)
            in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
        for (const auto& [year, amount] : c.amounts)
            in.extra.amount[static_cast<std::size_t>(year)] = Currency::FromDouble(amount);
        in.extra.rowCount = in.extra.CountYearsWithAmounts();
        in.extra.month = c.month;
        in.extra.increase = c.increase;
        in.extra.kind = ExtraPaymentKind::Both;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated) << c.what;
        if (c.payment) {
            EXPECT_EQ(r.rows[static_cast<std::size_t>(c.payment)].interest, Currency::FromDouble(c.interest))
                << c.what;
        }
        const FrequencyPeriods f = PeriodsOf(in.frequency, in.dayBasis);
        const double rate = RatePerPeriod(f, RateFactors(c.rate, in.compounding, f.periodsPerYear));
        for (std::size_t k = 2; k < r.rows.size(); ++k)
            EXPECT_EQ(r.rows[k].interest,
                      Currency::FromDouble(RoundCents(r.rows[k - 1].balance.ToDouble() * rate)))
                << c.what << ", payment " << k;
    }
}

// The schedule property's shrunk case against a balance kept in cents:
// additional amounts in fractions of a cent (as a file may hold them) must
// still leave principal parts that sum to the principal.
TEST(LenderRounding, AmountsInFractionsOfACentStillRepayThePrincipal) {
    ScheduleInputs in;
    in.principal = 5062916.01;
    in.ratePercent = 0.001;
    in.years = 5;
    in.compounding = Compounding::Monthly;
    in.view = ScheduleView::AllPayments;
    in.rounding = Rounding::Lender;
    in.extra.years = 5;
    for (int y = 1; y <= 5; ++y) in.extra.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    in.extra.amount[1] = Currency::FromDouble(1866 * in.principal / 20000);
    in.extra.amount[2] = Currency::FromDouble(9 * in.principal / 20000);
    in.extra.amount[3] = Currency::FromDouble(930 * in.principal / 20000);
    in.extra.rowCount = 3;
    in.extra.kind = ExtraPaymentKind::Both;
    const ScheduleResult r = CalculateSchedule(in);
    ASSERT_TRUE(r.calculated);
    EXPECT_EQ(r.appliedCount, 3);
    EXPECT_EQ(r.rows.back().balance, Currency());
    EXPECT_NEAR(r.rows.back().cumulativePrincipal.ToDouble(), in.principal, 0.005);
}

// The counter-examples the property tests shrank to, each once a fault.
TEST(RateChanges, CounterExamplesFoundByTheProperties) {
    const struct {
        const char* what;
        double principal, rate, years;
        Compounding compounding;
        Frequency frequency;
        Rounding rounding;
        std::vector<RateChange> changes;
        long payments;
        int reached;  // changes met
    } cases[] = {
        // Whole-cent interest of a tiny rate rounds to 0 and never turned negative.
        {"cents at 0.001 %",
         1000,
         0.001,
         1,
         Compounding::Monthly,
         Frequency::Semimonthly,
         Rounding::Lender,
         {},
         24,
         0},
        // The rounded-down payment left 6.27 after the last regular payment.
        {"lender's final payment",
         1000.34,
         8.721,
         27,
         Compounding::Quarterly,
         Frequency::Monthly,
         Rounding::Lender,
         {},
         324,
         0},
        // Paid off in year 5: the renewal in year 6 was met with a negative payment.
        {"change after the payoff",
         1000,
         24.882,
         6,
         Compounding::Monthly,
         Frequency::BiweeklyAccelerated,
         Rounding::Exact,
         {Change(6, 1, 0)},
         0,
         0},
        // A residue of rounding after the 84th payment made an 85th of nothing.
        {"residue after a renewal",
         1016.77,
         0.332,
         7,
         Compounding::Monthly,
         Frequency::Monthly,
         Rounding::Exact,
         {Change(3, 2, 0.148), Change(4, 4, 0, RateChangePayment::Keep)},
         0,
         2},
        // Found on the window: at 100 % a renewal's payment covers the
        // interest by less than a cent, and whole cents made that message 44.
        {"renewal covering the interest by less than a cent",
         9999999.99,
         100,
         25,
         Compounding::Semiannual,
         Frequency::Monthly,
         Rounding::Lender,
         {Change(2, 12, 100)},
         0,
         1},
        // Monthly payments that hardly exceed the interest: the last digits
        // of the arithmetic left a balance after the last month of the
        // period (the period property's shrunk case, 6.03 owing), 79,155.45
        // at 80 % over 30 years, and at 100 % over 40 years all of it.
        {"a high rate over part of a year",
         9.88,
         62.231,
         32.15,
         Compounding::Monthly,
         Frequency::Monthly,
         Rounding::Exact,
         {},
         386,
         0},
        {"80 % over 30 years",
         250000,
         80,
         30,
         Compounding::Monthly,
         Frequency::Monthly,
         Rounding::Exact,
         {},
         360,
         0},
        {"100 % over 40 years",
         9999999.99,
         100,
         40,
         Compounding::Monthly,
         Frequency::Monthly,
         Rounding::Exact,
         {},
         480,
         0},
    };
    for (const auto& c : cases) {
        ScheduleInputs in;
        in.principal = c.principal;
        in.ratePercent = c.rate;
        in.years = c.years;
        in.compounding = c.compounding;
        in.frequency = c.frequency;
        in.rounding = c.rounding;
        in.rateChanges = c.changes;
        in.view = ScheduleView::AllPayments;
        const ScheduleResult r = CalculateSchedule(in);
        ASSERT_TRUE(r.calculated) << c.what;
        if (c.payments) {
            EXPECT_EQ(r.payments, c.payments) << c.what;
        }
        EXPECT_EQ(r.rows.back().balance, Currency()) << c.what;
        EXPECT_GT((r.rows.back().principal + r.rows.back().interest).ToDouble(), 0.0) << c.what;
        EXPECT_NEAR(r.rows.back().cumulativePrincipal.ToDouble(), c.principal, 0.005) << c.what;
        int reached = 0;
        for (const AppliedRateChange& a : r.summary.rateChanges) reached += a.reached ? 1 : 0;
        EXPECT_EQ(reached, c.reached) << c.what;
        for (const AppliedRateChange& a : r.summary.rateChanges)
            EXPECT_TRUE(!a.reached || a.payment > 0.0) << c.what;
    }
}

// With changes the grid gains a Rate column and lists the changes with
// their new payments below the schedule; without, it keeps its six columns.
TEST(RateChanges, TheGridShowsTheRateInForceAndListsTheChanges) {
    ScheduleInputs in = Canadian();
    in.view = ScheduleView::Annual;
    const ScheduleGrid plain(std::make_shared<const ScheduleResult>(CalculateSchedule(in)), "$");
    EXPECT_EQ(plain.ColumnCount(), 6);
    EXPECT_EQ(plain.Cells().columns, 6);

    in.rateChanges = {Change(6, 1, 6), Change(30, 1, 7)};  // the second never reached
    const auto result = std::make_shared<const ScheduleResult>(CalculateSchedule(in));
    const ScheduleGrid grid(result, "$");
    ASSERT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.Cell(0, 6), "Rate %");
    EXPECT_EQ(grid.Cell(5, 6), "5.000");
    EXPECT_EQ(grid.Cell(6, 6), "6.000");
    const int title = result->gridRows + 4;
    EXPECT_EQ(grid.Cell(title, 0), "Rate ");
    EXPECT_EQ(grid.Cell(title + 2, 0), "Year    6");
    EXPECT_EQ(grid.Cell(title + 2, 2), "6.000%");
    EXPECT_EQ(grid.Cell(title + 2, 3), "$1,891.02");
    EXPECT_EQ(grid.Cell(title + 2, 4), "Recalculate");
    EXPECT_EQ(grid.Cell(title + 3, 3), "not reached");
    EXPECT_GE(grid.RowCount(), title + 4);
    const auto cells = grid.Cells();
    EXPECT_EQ(cells.Row(6)[6], "6.000");
}

}  // namespace
}  // namespace amortix
