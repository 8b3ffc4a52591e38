#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include "core/calc/schedule.h"
#include "core/forms/rate_changes_form.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

using P = RateChangePayment;

// The grid's rows as "year/month rate payment".
std::vector<std::string> Rows(const RateChangesForm& form) {
    std::vector<std::string> rows;
    for (int r = 1; r <= form.Count(); ++r)
        rows.push_back(form.Cell(r, 0) + "/" + form.Cell(r, 1) + " " + form.Cell(r, 2) + " " +
                       form.Cell(r, 3));
    return rows;
}

TEST(RateChangesForm, TypedChangesAreCheckedAndListedInTheOrderTheyApply) {
    struct Case {
        const char* year;
        const char* month;
        const char* rate;
        P payment;
        std::optional<int> message;  // 46 refuses the boxes
        int row;                     // where the change is listed
    };
    // Applied one after another to the same list.
    const Case cases[] = {
        {"6", "1", "6", P::Recalculate, std::nullopt, 1},
        {"2", "7", "4.5", P::Keep, std::nullopt, 1},   // earlier: listed first
        {"6", "1", "6.25", P::Keep, std::nullopt, 2},  // same year and month: replaces
        {"6", "2", "6.5", P::Recalculate, std::nullopt, 3},
        {"1", "1", "5", P::Recalculate, 46, 0},   // the first rate itself
        {"41", "1", "5", P::Recalculate, 46, 0},  // past the longest period
        {"3", "13", "5", P::Recalculate, 46, 0},  // no such month
        {"3", "0", "5", P::Recalculate, 46, 0},
        {"3", "1", "100.001", P::Recalculate, 46, 0},  // above 100 %
        {"3", "1", "", P::Recalculate, 46, 0},         // an empty box
        {"", "1", "5", P::Recalculate, 46, 0},
        {"2.5", "1", "5", P::Recalculate, 46, 0},   // a year is whole
        {"1", "2", "0", P::Keep, std::nullopt, 1},  // 0 % is a rate; year 1 month 2 a change
        {"40", "12", "100", P::Recalculate, std::nullopt, 5},
    };
    RateChangesForm form;
    for (const Case& c : cases) {
        const auto outcome = form.Add({c.year, c.month, c.rate, c.payment});
        EXPECT_EQ(MessageNumber(outcome.message), c.message) << c.year << "/" << c.month << " " << c.rate;
        EXPECT_EQ(outcome.row, c.row) << c.year << "/" << c.month << " " << c.rate;
    }
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"1/2 .000 Keep", "2/7 4.500 Keep", "6/1 6.250 Keep",
                                                    "6/2 6.500 Recalculate", "40/12 100.000 Recalculate"}));
    EXPECT_EQ(form.Cell(0, 2), "New rate %");
}

TEST(RateChangesForm, TwentyChangesAtMostButAChangeOfTheSameMonthStillReplaces) {
    RateChangesForm form;
    for (int year = 2; year <= 21; ++year)
        EXPECT_FALSE(form.Add({std::to_string(year), "1", "5", P::Recalculate}).message) << year;
    EXPECT_EQ(MessageNumber(form.Add({"22", "1", "5", P::Recalculate}).message), 46);
    EXPECT_FALSE(form.Add({"21", "1", "7", P::Keep}).message);
    EXPECT_EQ(form.Count(), 20);
    EXPECT_EQ(form.Changes().back().ratePercent, 7);
}

TEST(RateChangesForm, ReplaceMovesTheChangeAndRemoveAndEraseEmpty) {
    RateChangesForm form({{11, 1, 7, P::Recalculate}, {6, 1, 6, P::Recalculate}});
    ASSERT_EQ(Rows(form), (std::vector<std::string>{"6/1 6.000 Recalculate", "11/1 7.000 Recalculate"}));
    // The first change moved after the second.
    const auto moved = form.Replace(0, {"16", "3", "8", P::Keep});
    EXPECT_FALSE(moved.message);
    EXPECT_EQ(moved.row, 2);
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"11/1 7.000 Recalculate", "16/3 8.000 Keep"}));
    // A refused replacement leaves the list as it was.
    EXPECT_EQ(MessageNumber(form.Replace(0, {"16", "3", "", P::Keep}).message), 46);
    EXPECT_EQ(form.Count(), 2);
    const auto texts = form.TextsOf(1);
    EXPECT_EQ(texts.year + "/" + texts.month + " " + texts.rate, "16/3 8.000");
    EXPECT_EQ(texts.payment, P::Keep);
    // A new entry offers a renewal five years after the last change.
    EXPECT_EQ(form.NewEntry().year, "21");
    EXPECT_FALSE(form.Remove(2));
    EXPECT_TRUE(form.Remove(0));
    EXPECT_EQ(form.Count(), 1);
    form.EraseAll();
    EXPECT_EQ(form.Count(), 0);
    EXPECT_EQ(form.NewEntry().year, "6");
}

TEST(RateChangesForm, TheTablesFormHandsItsChangesAndRoundingToTheCalculation) {
    TablesForm form;
    form.ShowDefaults(DefaultsFor(TableKind::Mortgage, "$"));
    form.RateChanges() = {{6, 1, 6.0, P::Recalculate}};
    TablesForm::Shared shared;
    shared.rounding = Rounding::Lender;
    const ScheduleInputs in = form.Inputs(shared);
    EXPECT_EQ(in.rateChanges, form.RateChanges());
    EXPECT_EQ(in.rounding, Rounding::Lender);
    // An opened table brings its own changes; a closed screen keeps none.
    ScheduleInputs opened = in;
    opened.rateChanges = {{3, 1, 4.0, P::Keep}};
    form.Restore(opened);
    EXPECT_EQ(form.RateChanges(), opened.rateChanges);
    form.Reset();
    EXPECT_TRUE(form.RateChanges().empty());
}

}  // namespace
}  // namespace amortix
