#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include "core/calc/schedule.h"
#include "core/forms/prepayments_form.h"

namespace amortix {
namespace {

using E = PrepaymentEffect;

// The grid's rows as "year/month amount".
std::vector<std::string> Rows(const PrepaymentsForm& form) {
    std::vector<std::string> rows;
    for (int r = 1; r <= form.Count(); ++r)
        rows.push_back(form.Cell(r, 0) + "/" + form.Cell(r, 1) + " " + form.Cell(r, 2));
    return rows;
}

TEST(PrepaymentsForm, OneTimeAmountsAreCheckedAndListedInTheOrderTheyArePaid) {
    struct Case {
        const char* year;
        const char* month;
        const char* amount;
        std::optional<int> message;  // 49 refuses the boxes
        int row;                     // where the amount is listed
    };
    // Applied one after another to the same list.
    const Case cases[] = {
        {"3", "9", "8000", std::nullopt, 1},
        {"3", "3", "8000", std::nullopt, 1},   // earlier in the year: listed first
        {"3", "9", "500.5", std::nullopt, 3},  // the same month again: both are paid
        {"1", "1", "0", std::nullopt, 1},      // nothing paid, but a valid entry
        {"40", "12", "9999999.99", std::nullopt, 5},
        {"41", "1", "100", 49, 0},  // past the longest period
        {"0", "1", "100", 49, 0},
        {"3", "13", "100", 49, 0},  // no such month
        {"3", "0", "100", 49, 0},
        {"3", "1", "10000000", 49, 0},  // above the largest amount
        {"3", "1", "", 49, 0},          // an empty box
        {"", "1", "100", 49, 0},
        {"2.5", "1", "100", 49, 0},  // a year is whole
        {"3", "1", "-5", 49, 0},
    };
    PrepaymentsForm form;
    for (const Case& c : cases) {
        const auto outcome = form.Add({c.year, c.month, c.amount});
        EXPECT_EQ(MessageNumber(outcome.message), c.message) << c.year << "/" << c.month << " " << c.amount;
        EXPECT_EQ(outcome.row, c.row) << c.year << "/" << c.month << " " << c.amount;
    }
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"1/1 .00", "3/3 8,000.00", "3/9 8,000.00", "3/9 500.50",
                                                    "40/12 9,999,999.99"}));
    EXPECT_EQ(form.Cell(0, 2), "Amount");
    // The boxes take back what a row holds, without grouping.
    EXPECT_EQ(form.TextsOf(1), (PrepaymentsForm::OneTimeTexts{"3", "3", "8000.00"}));
}

TEST(PrepaymentsForm, AHundredAmountsAtMostAndReplaceOrRemoveEditTheList) {
    PrepaymentsForm form;
    for (int k = 0; k < kOneTimePrepaymentLimit; ++k)
        ASSERT_FALSE(form.Add({std::to_string(k % 40 + 1), "6", "100"}).message) << k;
    EXPECT_EQ(MessageNumber(form.Add({"1", "1", "100"}).message), 49);
    EXPECT_EQ(form.Count(), kOneTimePrepaymentLimit);

    // Replace may move the amount; it never counts as a 101st.
    const auto replaced = form.Replace(0, {"40", "12", "250"});
    EXPECT_FALSE(replaced.message);
    EXPECT_EQ(replaced.row, kOneTimePrepaymentLimit);
    EXPECT_EQ(form.Cell(kOneTimePrepaymentLimit, 2), "250.00");
    // A refused replacement keeps the amount it would have replaced.
    EXPECT_EQ(MessageNumber(form.Replace(0, {"1", "13", "5"}).message), 49);
    EXPECT_EQ(form.Count(), kOneTimePrepaymentLimit);

    EXPECT_TRUE(form.Remove(0));
    EXPECT_FALSE(form.Remove(kOneTimePrepaymentLimit - 1));  // no such amount any more
    EXPECT_FALSE(form.Remove(-1));
    EXPECT_EQ(form.Count(), kOneTimePrepaymentLimit - 1);
    form.EraseAll();
    EXPECT_EQ(form.Value(), Prepayments{});
}

TEST(PrepaymentsForm, NewEntryOffersTheSameMonthAYearOn) {
    PrepaymentsForm form;
    EXPECT_EQ(form.NewEntry(), (PrepaymentsForm::OneTimeTexts{"1", "1", ""}));
    form.Add({"3", "9", "8000"});
    EXPECT_EQ(form.NewEntry(), (PrepaymentsForm::OneTimeTexts{"4", "9", ""}));
    form.Add({"40", "2", "1"});
    EXPECT_EQ(form.NewEntry(), (PrepaymentsForm::OneTimeTexts{"40", "2", ""}));  // the last year there is
}

TEST(PrepaymentsForm, TermsBoxesReadAsTheEngineTakesThem) {
    using T = PrepaymentsForm::TermsTexts;
    RecurringPrepayment every100From2;
    every100From2.amount = Currency::FromDouble(100);
    every100From2.fromYear = 2;
    RecurringPrepayment span = every100From2;
    span.fromMonth = 7;
    span.toYear = 5;
    span.toMonth = 12;  // an empty end month is the year's last
    struct Case {
        const char* name;
        T typed;
        std::optional<int> message;
        RecurringPrepayment recurring;  // when taken
        std::optional<double> yearly, increase;
    };
    const Case cases[] = {
        {"nothing", {}, std::nullopt, {}, {}, {}},
        {"from year 2 to the end",
         {"100", "2", "", "", "", E::ShortenTerm, "", ""},
         std::nullopt,
         every100From2,
         {},
         {}},
        {"a span", {"100", "2", "7", "5", "", E::ShortenTerm, "", ""}, std::nullopt, span, {}, {}},
        {"limits", {"", "", "", "", "", E::ShortenTerm, "15", "0"}, std::nullopt, {}, 15.0, 0.0},
        {"100 %", {"", "", "", "", "", E::LowerPayment, "100", "100"}, std::nullopt, {}, 100.0, 100.0},
        // No amount: the span means nothing and is not kept.
        {"a span without an amount",
         {"0", "3", "1", "4", "1", E::ShortenTerm, "", ""},
         std::nullopt,
         {},
         {},
         {}},
        {"an end before the start", {"100", "5", "2", "5", "1", E::ShortenTerm, "", ""}, 49, {}, {}, {}},
        {"an end month without its year", {"100", "1", "1", "", "6", E::ShortenTerm, "", ""}, 49, {}, {}, {}},
        {"month 13", {"100", "1", "13", "", "", E::ShortenTerm, "", ""}, 49, {}, {}, {}},
        {"year 41", {"100", "41", "1", "", "", E::ShortenTerm, "", ""}, 49, {}, {}, {}},
        {"an amount too large", {"10000000", "1", "1", "", "", E::ShortenTerm, "", ""}, 49, {}, {}, {}},
        {"a limit over 100 %", {"", "", "", "", "", E::ShortenTerm, "100.001", ""}, 49, {}, {}, {}},
        {"a limit that is no number", {"", "", "", "", "", E::ShortenTerm, ".", ""}, 49, {}, {}, {}},
    };
    for (const Case& c : cases) {
        PrepaymentsForm form;
        form.Add({"3", "9", "8000"});
        const Prepayments before = form.Value();
        EXPECT_EQ(MessageNumber(form.EnterTerms(c.typed)), c.message) << c.name;
        if (c.message) {
            EXPECT_EQ(form.Value(), before) << c.name << ": nothing changes";
            continue;
        }
        EXPECT_EQ(form.Value().recurring, c.recurring) << c.name;
        EXPECT_EQ(form.Value().yearlyLimitPercent, c.yearly) << c.name;
        EXPECT_EQ(form.Value().increaseLimitPercent, c.increase) << c.name;
        EXPECT_EQ(form.Value().effect, c.typed.effect) << c.name;
        EXPECT_EQ(form.Value().oneTime, before.oneTime) << c.name;
    }
}

TEST(PrepaymentsForm, TheBoxesShowWhatWasTakenAndReadBackTheSame) {
    const PrepaymentsForm::TermsTexts typed{"125.5", "2", "3", "10", "6", E::LowerPayment, "15", "10"};
    PrepaymentsForm form;
    ASSERT_FALSE(form.EnterTerms(typed));
    const auto shown = form.Texts();
    EXPECT_EQ(shown, (PrepaymentsForm::TermsTexts{"125.50", "2", "3", "10", "6", E::LowerPayment, "15.000",
                                                  "10.000"}));
    PrepaymentsForm again;
    ASSERT_FALSE(again.EnterTerms(shown));
    EXPECT_EQ(again.Value(), form.Value());
    // An opened plan shows its one-time amounts in the order they are paid.
    Prepayments p;
    p.oneTime = {{5, 1, Currency::FromDouble(1)}, {2, 3, Currency::FromDouble(2)}};
    EXPECT_EQ(Rows(PrepaymentsForm(p)), (std::vector<std::string>{"2/3 2.00", "5/1 1.00"}));
}

TEST(PrepaymentsForm, ResultBoxesAndLimitDetailsOnlyWithPrepayments) {
    ScheduleInputs in;
    in.principal = 100000;
    in.ratePercent = 6;
    in.years = 25;
    const ScheduleResult without = CalculateSchedule(in);
    ASSERT_TRUE(without.calculated);
    const PrepaymentBoxTexts none = PrepaymentResultTexts(without, "$");
    EXPECT_EQ(none.interestSaved, "");
    EXPECT_EQ(none.payoffEarlier, "");

    in.prepayments.oneTime = {{1, 1, Currency::FromDouble(20000)}};
    in.prepayments.yearlyLimitPercent = 15;
    const ScheduleResult with = CalculateSchedule(in);
    ASSERT_TRUE(with.calculated);
    const PrepaymentBoxTexts boxes = PrepaymentResultTexts(with, "$");
    EXPECT_NE(boxes.interestSaved.find('$'), std::string::npos);
    EXPECT_NE(boxes.payoffEarlier.find(" yr "), std::string::npos);
    // 15 % of 100,000 is 15,000 a year: year 1 goes over by 5,000.
    EXPECT_EQ(LimitMessageDetail(with, Message::YearlyPrepaymentLimit, "$"),
              "Year 1 goes over the yearly limit of $15,000.00 by $5,000.00.");
    EXPECT_EQ(LimitMessageDetail(with, Message::PaymentIncreaseLimit, "$"), "");
    EXPECT_EQ(LimitMessageDetail(with, Message::RateRange, "$"), "");
}

}  // namespace
}  // namespace amortix
