#include <gtest/gtest.h>

#include "core/choice_printing.h"

#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"

namespace amortix {
namespace {

TEST(TablesForm, PeriodLimits) {
    struct Case {
        TableKind mode;
        const char* typed;
        double years;
        const char* text;
        std::optional<int> message;
    };
    const Case cases[] = {
        {TableKind::Mortgage, "40", 40, "              40", std::nullopt},
        {TableKind::Mortgage, "41", 40, "              40", 5},
        {TableKind::PersonalLoan, "480", 40, "             480", std::nullopt},
        {TableKind::PersonalLoan, "481", 40, "             480", 16},
        {TableKind::PersonalLoan, "30", 2.5, "              30", std::nullopt},
        {TableKind::Mortgage, "", 0, "                ", std::nullopt},
    };
    for (const auto& c : cases) {
        const TermEntry e = EnterTerm(c.mode, c.typed);
        EXPECT_DOUBLE_EQ(e.years, c.years) << c.typed;
        EXPECT_EQ(e.text, c.text) << c.typed;
        EXPECT_EQ(MessageNumber(e.message), c.message) << c.typed;
    }
}

TEST(TablesForm, DisplayFormsAndDefaults) {
    EXPECT_EQ(MoneyBoxText("$", 0), "            $.00");
    EXPECT_EQ(RateBoxText(10.125), "        10.125%");
    const TablesDefaults m = DefaultsFor(TableKind::Mortgage, "$");
    EXPECT_EQ(m.principalText, "   $100,000.00");
    EXPECT_EQ(m.years, 25);
    const TablesDefaults l = DefaultsFor(TableKind::PersonalLoan, "EUR");
    EXPECT_EQ(l.principalText, "   EUR20,000.00");
    EXPECT_EQ(l.years, 4);
    EXPECT_EQ(l.termList.size(), 4u);
    EXPECT_EQ(CompoundingForSetting(3), Compounding::Semiannual);
    EXPECT_EQ(CompoundingForSetting(0), Compounding::Monthly);
    EXPECT_EQ(CompoundingForSetting(9), Compounding::Monthly);
}

TEST(TermDialog, OptionsAndFit) {
    EXPECT_EQ(TermOptionIndex(10), 6);
    EXPECT_EQ(TermOptionIndex(3), 3);
    EXPECT_EQ(TermOptionIndex(7), 0);
    EXPECT_FALSE(TermFitsPeriod(10, 5));
    EXPECT_TRUE(TermFitsPeriod(10, 10));
    EXPECT_TRUE(TermFitsPeriod(0, 0.5));
}

TEST(DaysDialog, PresetsAndTypedValues) {
    struct Case {
        int choice;
        const char* typed;
        std::optional<int> message;
        float days;
    };
    const Case cases[] = {
        {0, "", std::nullopt, 365.25f},
        {3, "", std::nullopt, 363.0f},
        {4, "365", std::nullopt, 365.0f},
        {4, "364.5", std::nullopt, 364.5f},
        {4, "363", 19, 0},
        {4, "365.25", 19, 0},
        {4, "", 19, 0},
        {4, "400", 19, 0},
    };
    for (const auto& c : cases) {
        const DaysExit e = ExitDaysDialog(*DayBasisChoiceFromCode(c.choice), c.typed);
        EXPECT_EQ(MessageNumber(e.message), c.message) << c.typed;
        EXPECT_EQ(e.basis.has_value(), !c.message.has_value()) << c.typed;
        if (e.basis) {
            EXPECT_EQ(e.basis->days, c.days) << c.typed;
        }
    }
    EXPECT_NE(ExitDaysDialog(DayBasisChoice::Typed, "365").basis->biweeklyPeriods,
              ExitDaysDialog(DayBasisChoice::Days365, "").basis->biweeklyPeriods);
    EXPECT_EQ(DaysBoxText(364.5f), "364.50");
}

AdditionalPayments WithAmounts() {
    AdditionalPayments p;
    p.kind = ExtraPaymentKind::Both;
    p.month = Month{4};
    p.increase = 0.02f;
    p.amount[2] = Currency::FromDouble(700);
    return p;
}

TEST(PrePayForm, GridSizeFollowsThePeriod) {
    EXPECT_EQ(PrePayForm(AdditionalPayments(), 25).GridRows(), 26);
    EXPECT_EQ(PrePayForm(AdditionalPayments(), 5).GridRows(), 20);
    EXPECT_EQ(PrePayForm(AdditionalPayments(), 2.5).Payments().years, 2);  // 30 months
    EXPECT_EQ(PrePayForm(AdditionalPayments(), 3.5).Payments().years, 4);  // 42 months
    const PrePayForm f(AdditionalPayments(), 25);
    EXPECT_EQ(f.YearCell(25), "25");
    EXPECT_EQ(f.YearCell(26), "");
    EXPECT_EQ(f.AmountCell(1), ".00");
    EXPECT_EQ(f.PercentText(), "    0.000%");
}

TEST(PrePayForm, TypingAmounts) {
    PrePayForm f(AdditionalPayments(), 25);
    f.ChooseKind(ExtraPaymentKind::YearAmounts);
    f.SelectCell(3, 1);
    for (const char c : std::string("1500.505")) f.TypeInGrid(c);
    EXPECT_EQ(f.AmountCell(3), "1,500.50");
    EXPECT_TRUE(f.TypeInGrid('x').beep);
    EXPECT_FALSE(f.TypeInGrid('"').beep);
    f.TypeInGrid(kKeyBackspace);
    EXPECT_EQ(f.AmountCell(3), ".00");
    f.TypeInGrid('9');
    EXPECT_EQ(f.AmountCell(3), "9.00");
    f.DeleteInGrid();
    EXPECT_EQ(f.AmountCell(3), ".00");
    EXPECT_TRUE(f.TypeInGrid(kKeyEnter).moveDown);
    f.SelectCell(4, 0);  // the year column takes no typing
    f.TypeInGrid('5');
    EXPECT_EQ(f.AmountCell(4), ".00");
    f.SelectCell(5, 1);
    for (int i = 0; i < 20; ++i) f.TypeInGrid('9');
    EXPECT_EQ(f.AmountCell(5), "999,999,999,999.00");
}

TEST(PrePayForm, OptionsEraseAsTheyAnnounce) {
    PrePayForm both(WithAmounts(), 25);
    EXPECT_EQ(both.Payments().amount[2], Currency::FromDouble(700));
    EXPECT_EQ(both.PercentText(), "    2.000%");
    EXPECT_EQ(both.MonthOption(), 3);

    PrePayForm percentOnly(WithAmounts(), 25);
    percentOnly.ChooseKind(ExtraPaymentKind::Percentage);
    EXPECT_EQ(percentOnly.Payments().amount[2], Currency());
    EXPECT_EQ(percentOnly.MonthOption(), 0);  // the month goes back to the first
    EXPECT_FLOAT_EQ(percentOnly.Payments().increase, 0.02f);

    PrePayForm yearsOnly(WithAmounts(), 25);
    yearsOnly.ChooseKind(ExtraPaymentKind::YearAmounts);
    EXPECT_EQ(yearsOnly.PercentText(), "    0.000%");
    EXPECT_EQ(yearsOnly.Payments().amount[2], Currency::FromDouble(700));

    PrePayForm erased(WithAmounts(), 25);
    erased.EraseAll();
    EXPECT_FALSE(erased.Accept());
    EXPECT_EQ(erased.MonthOption(), 0);
    EXPECT_EQ(erased.Payments().kind, ExtraPaymentKind::Both);
}

TEST(PrePayForm, PercentageAndMonth) {
    PrePayForm f(AdditionalPayments(), 25);
    EXPECT_EQ(MessageNumber(f.EnterPercent("150")), 35);
    EXPECT_EQ(f.PercentText(), "  100.000%");
    EXPECT_EQ(f.EnterPercent("5.5"), std::nullopt);
    EXPECT_FLOAT_EQ(f.Payments().increase, 0.055f);
    f.ChooseMonth(0);
    EXPECT_EQ(f.Payments().month, Month{1});
    f.ChooseMonth(11);
    EXPECT_EQ(f.Payments().month, Month{12});
    EXPECT_TRUE(f.Accept());
    PrePayForm none(AdditionalPayments(), 25);
    EXPECT_FALSE(none.Accept());
    PrePayForm amounts(AdditionalPayments(), 25);
    amounts.ChooseKind(ExtraPaymentKind::YearAmounts);
    amounts.SelectCell(1, 1);
    amounts.TypeInGrid('5');
    EXPECT_TRUE(amounts.Accept());
    EXPECT_EQ(amounts.Payments().rowCount, 1);
}

// A refused calculation answers with its messages and leaves nothing on
// screen; a calculated one stays until the results are cleared.
TEST(TablesForm, KeepsOnlyACalculationThatWasMade) {
    struct Case {
        double ratePercent;
        double years;
        Message message;  // Message{} when calculated
    };
    const Case cases[] = {{6.5, 25, Message{}},
                          {0, 25, Message{}},
                          {6.5, 0, Message::PeriodRange},
                          {6.5, 41, Message::YearsLimit}};
    for (const auto& c : cases) {
        TablesForm form;
        TablesDefaults figures;
        figures.principal = 200000;
        figures.ratePercent = c.ratePercent;
        figures.years = c.years;
        form.ShowDefaults(figures);
        const ScheduleResult& answer = form.Calculate(TablesForm::Shared{});
        const bool calculated = c.message == Message{};
        EXPECT_EQ(answer.calculated, calculated) << c.ratePercent << " " << c.years;
        EXPECT_EQ(form.Results() != nullptr, calculated);
        if (!calculated) {
            EXPECT_EQ(answer.messages, std::vector<Message>{c.message});
        } else {
            EXPECT_EQ(form.Settings().gridRows, answer.gridRows);
            form.ClearResults();
            EXPECT_EQ(form.Results(), nullptr);
        }
    }
}

// The schedule the screen asks for takes the shared prepayments.
TEST(TablesForm, InputsCarryThePrepayments) {
    TablesForm form;
    TablesForm::Shared shared;
    shared.prepayments.recurring.amount = Currency::FromDouble(100);
    shared.prepayments.effect = PrepaymentEffect::LowerPayment;
    EXPECT_EQ(form.Inputs(shared).prepayments, shared.prepayments);
}

}  // namespace
}  // namespace amortix
