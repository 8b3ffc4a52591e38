// The additional-payments form and the days-in-year form, on their own and
// opened from the tables screen.

#include <QGroupBox>

#include "dialogs/additional_payments_dialog.h"
#include "dialogs/days_in_year_dialog.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using test::Red;
using test::TablesProgram;
using test::WhenModal;

// The tables screen open, under a dialog of its own.
template <class Dialog>
class OnTheTablesScreen : public TablesProgram {
  protected:
    void SetUp() override {
        TablesProgram::SetUp();
        Open();
    }
    void TearDown() override { dialog.reset(); }
    Dialog& ShowDialog(std::unique_ptr<Dialog> made) {
        dialog = std::move(made);
        test::ShowActive(dialog.get());
        return *dialog;
    }

    std::unique_ptr<Dialog> dialog;
};

class PrePay : public OnTheTablesScreen<AdditionalPaymentsDialog> {
  protected:
    AdditionalPaymentsDialog& Show(double periodYears = 25) {
        period = periodYears;
        return ShowDialog(std::make_unique<AdditionalPaymentsDialog>(
            Context(), State().ExtraPayments, State().Prepayments, period, s->AddPmtsOn, s));
    }
    // Selects a cell of the year grid as a click does.
    void SelectCell(int row, int column) {
        GridWidget* grid = dialog->PGrid;
        Enter(grid);
        grid->setCurrentIndex(grid->model()->index(row - 1, column));
    }
    Currency Amount(int year) { return State().ExtraPayments.amount[static_cast<std::size_t>(year)]; }
    double period = 25;
};

// An access key clicks its button a moment later; a dialog opened in that
// moment must not be deleted under its own loop by the late exit.
TEST_F(PrePay, ALateExitClickLeavesTheOpenDialogAlone) {
    QTest::keyClick(s, Qt::Key_X, Qt::AltModifier);  // "E&xit to Menu", clicked after a short delay
    bool answered = false;
    WhenModal([&](QWidget* modal) {
        QTest::qWait(300);  // the delayed exit click arrives now
        answered = true;
        static_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(s->MAddPrePay, Qt::LeftButton);
    EXPECT_TRUE(answered);
    EXPECT_EQ(app->Frame().ActiveForm(), s);  // the stale exit was dropped
}

TEST_F(PrePay, YearRowsFollowThePeriod) {
    const struct {
        double years;
        int rows;
        int yearRows;
    } cases[] = {{25, 26, 25}, {5, 20, 5}, {2.5, 20, 2}, {3.5, 20, 4}, {40, 41, 40}};
    for (const auto& c : cases) {
        AdditionalPaymentsDialog& d = Show(c.years);
        EXPECT_EQ(d.PGrid->Rows(), c.rows) << c.years;
        EXPECT_EQ(State().ExtraPayments.years, c.yearRows);
        EXPECT_EQ(d.PGrid->TextAt(c.yearRows, 0), QString::number(c.yearRows));
        EXPECT_EQ(d.PGrid->TextAt(c.yearRows, 1), ".00");
        EXPECT_TRUE(d.PGrid->TextAt(c.yearRows + 1, 0).isEmpty());
        d.reject();
    }
}

TEST_F(PrePay, TypingAnAmountIntoTheGrid) {
    AdditionalPaymentsDialog& d = Show();
    Click(d.PPOption[1]);
    SelectCell(1, 1);
    QTest::keyClicks(d.PGrid, "1500.505");
    EXPECT_EQ(d.PGrid->TextAt(1, 1), "1,500.50");
    EXPECT_EQ(Amount(1), Currency::FromDouble(1500.50));
    EXPECT_EQ(Recorded().beeps, 0);

    QTest::keyClick(d.PGrid, Qt::Key_Backspace);
    EXPECT_EQ(d.PGrid->TextAt(1, 1), ".00");
    EXPECT_EQ(Amount(1), Currency());

    QTest::keyClick(d.PGrid, Qt::Key_X);
    EXPECT_EQ(Recorded().beeps, 1);
    QTest::keyClicks(d.PGrid, "250");
    QTest::keyClick(d.PGrid, Qt::Key_Return);  // down one row, a new amount starts
    EXPECT_EQ(d.PGrid->Row(), 2);
    QTest::keyClicks(d.PGrid, "75");
    EXPECT_EQ(Amount(1), Currency::FromDouble(250));
    EXPECT_EQ(Amount(2), Currency::FromDouble(75));
    QTest::keyClick(d.PGrid, Qt::Key_Delete);
    EXPECT_EQ(Amount(2), Currency());
    EXPECT_EQ(d.PGrid->TextAt(2, 1), ".00");

    // The year column takes no typing.
    SelectCell(3, 0);
    QTest::keyClicks(d.PGrid, "9");
    EXPECT_EQ(Amount(3), Currency());
    EXPECT_EQ(d.PGrid->TextAt(3, 0), "3");
}

TEST_F(PrePay, TheOptionsEraseAsTheyAnnounce) {
    AdditionalPaymentsDialog& d = Show();
    Click(d.PPOption[2]);
    EXPECT_TRUE(d.Frame3->isEnabled());
    EXPECT_TRUE(d.Frame4->isEnabled());
    Type(d.InPercent, "5");
    QTest::keyClick(d.InPercent, Qt::Key_Return);
    EXPECT_TRUE(d.UsePrePay->hasFocus());
    EXPECT_EQ(d.InPercent->text(), "    5.000%");
    SelectCell(3, 1);
    QTest::keyClicks(d.PGrid, "1000");
    Click(d.InMth[3]);
    EXPECT_EQ(State().ExtraPayments.month, amortix::Month{4});

    // Both: everything stays.
    Click(d.PPOption[2]);
    EXPECT_EQ(State().ExtraPayments.increase, 0.05f);
    EXPECT_EQ(Amount(3), Currency::FromDouble(1000));

    // Year payments only: the percentage goes.
    Click(d.PPOption[1]);
    EXPECT_EQ(State().ExtraPayments.kind, amortix::ExtraPaymentKind::YearAmounts);
    EXPECT_EQ(State().ExtraPayments.increase, 0.0f);
    EXPECT_EQ(d.InPercent->text(), "    0.000%");
    EXPECT_EQ(Amount(3), Currency::FromDouble(1000));
    EXPECT_FALSE(d.Frame3->isEnabled());
    EXPECT_TRUE(d.Frame4->isEnabled());

    // Percentage only: the year amounts and the month go.
    Click(d.PPOption[0]);
    EXPECT_EQ(State().ExtraPayments.kind, amortix::ExtraPaymentKind::Percentage);
    EXPECT_EQ(Amount(3), Currency());
    EXPECT_EQ(d.PGrid->TextAt(3, 1), ".00");
    EXPECT_EQ(State().ExtraPayments.month, amortix::Month{1});
    EXPECT_TRUE(d.InMth[0]->isChecked());
    EXPECT_TRUE(d.Frame3->isEnabled());
    EXPECT_FALSE(d.Frame4->isEnabled());
}

TEST_F(PrePay, MonthsAndEraseAll) {
    AdditionalPaymentsDialog& d = Show();
    const struct {
        int option;
        std::int16_t month;
    } cases[] = {{0, 1}, {1, 2}, {3, 4}, {11, 12}};
    for (const auto& c : cases) {
        Click(d.InMth[static_cast<std::size_t>(c.option)]);
        EXPECT_EQ(State().ExtraPayments.month.number, c.month) << c.option;
    }
    Click(d.PPOption[2]);
    Type(d.InPercent, "2.5");
    SelectCell(1, 1);
    QTest::keyClicks(d.PGrid, "300");
    // Erase all asks first: No keeps everything, Yes erases.
    Recorded().answers = {amortix::kAnswerNo, amortix::kAnswerYes};
    Click(d.DoNotUse);
    EXPECT_EQ(Amount(1), Currency::FromDouble(300));
    EXPECT_EQ(State().ExtraPayments.increase, 0.025f);
    Click(d.DoNotUse);
    EXPECT_EQ(Recorded().questions, (std::vector<int>{4, 4}));
    EXPECT_EQ(Amount(1), Currency());
    EXPECT_EQ(State().ExtraPayments.increase, 0.0f);
    EXPECT_EQ(State().ExtraPayments.month, amortix::Month{1});
    EXPECT_TRUE(d.InMth[0]->isChecked());  // the option follows the setting
    EXPECT_EQ(d.InPercent->text(), "    0.000%");
    EXPECT_TRUE(d.PPOption[2]->isChecked());
    // With nothing left to erase it does not ask.
    Click(d.DoNotUse);
    EXPECT_EQ(Recorded().questions.size(), 2u);
}

// Enter after choosing a month accepts what was typed; it never erases.
TEST_F(PrePay, EnterAfterAMonthOptionAcceptsAndKeepsTheAmounts) {
    AdditionalPaymentsDialog& d = Show();
    Click(d.PPOption[2]);
    Type(d.InPercent, "2");
    QTest::keyClick(d.InPercent, Qt::Key_Return);
    SelectCell(3, 1);
    QTest::keyClicks(d.PGrid, "900");
    Click(d.InMth[5]);
    QTest::keyClick(d.InMth[5], Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(Recorded().questions.empty());
    EXPECT_EQ(Amount(3), Currency::FromDouble(900));
    EXPECT_EQ(State().ExtraPayments.increase, 0.02f);
    EXPECT_EQ(State().ExtraPayments.month, amortix::Month{6});
    EXPECT_TRUE(Red(s->AddPmtsOn));
}

TEST_F(PrePay, APercentageAboveOneHundredIsCut) {
    AdditionalPaymentsDialog& d = Show();
    Type(d.InPercent, "150");
    Enter(d.UsePrePay);
    EXPECT_EQ(Recorded().messages, std::vector<int>{35});
    EXPECT_EQ(d.InPercent->text(), "  100.000%");
    EXPECT_EQ(State().ExtraPayments.increase, 1.0f);
    // Three decimals at most.
    Type(d.InPercent, "1.2345");
    EXPECT_EQ(d.InPercent->text(), "1.234");
    EXPECT_EQ(Recorded().beeps, 1);
}

TEST_F(PrePay, OKSetsTheIndicatorAndEscapePutsBackWhatWasThere) {
    AdditionalPaymentsDialog& d = Show();
    Click(d.PPOption[1]);
    SelectCell(2, 1);
    QTest::keyClicks(d.PGrid, "400");
    Click(d.UsePrePay);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(State().ExtraPayments.rowCount, 1);
    EXPECT_TRUE(Red(s->AddPmtsOn));

    // Reopened, it shows what was kept.
    AdditionalPaymentsDialog& again = Show();
    EXPECT_EQ(again.PGrid->TextAt(2, 1), "400.00");
    EXPECT_TRUE(again.PPOption[1]->isChecked());
    Recorded().answers = {amortix::kAnswerYes};
    Click(again.DoNotUse);
    Click(again.UsePrePay);
    EXPECT_EQ(State().ExtraPayments.rowCount, 0);
    EXPECT_FALSE(Red(s->AddPmtsOn));

    // A percentage alone is in force too.
    AdditionalPaymentsDialog& third = Show();
    Click(third.PPOption[0]);
    Type(third.InPercent, "3");
    Click(third.UsePrePay);
    EXPECT_EQ(State().ExtraPayments.increase, 0.03f);
    EXPECT_TRUE(Red(s->AddPmtsOn));

    // Escape closes it as a cancel: what was there when it opened comes back.
    const amortix::AdditionalPayments before = State().ExtraPayments;
    AdditionalPaymentsDialog& fourth = Show();
    Click(fourth.PPOption[2]);
    SelectCell(4, 1);
    QTest::keyClicks(fourth.PGrid, "800");
    Type(fourth.InPercent, "1.5");
    QTest::keyClick(&fourth, Qt::Key_Escape);
    EXPECT_FALSE(fourth.isVisible());
    EXPECT_EQ(State().ExtraPayments.amount, before.amount);
    EXPECT_EQ(State().ExtraPayments.kind, before.kind);
    EXPECT_EQ(State().ExtraPayments.rowCount, 0);
    EXPECT_EQ(State().ExtraPayments.increase, 0.03f);
    EXPECT_TRUE(Red(s->AddPmtsOn));
}

TEST_F(PrePay, FromTheScreenToTheSchedule) {
    Choose(s->Comperiod, 3);  // the worked mortgage: semiannual compounding
    Click(s->Option1);
    Calculate();
    ASSERT_EQ(s->View().gridRows, 300);
    bool shown = false;
    WhenModal([&](QWidget* modal) {
        auto* form = qobject_cast<AdditionalPaymentsDialog*>(modal);
        ASSERT_NE(form, nullptr);
        shown = true;
        // The results were emptied before the form came up.
        EXPECT_EQ(State().ResultsReady, 0);
        Click(form->PPOption[1]);
        form->PGrid->setFocus();
        form->PGrid->setCurrentIndex(form->PGrid->model()->index(0, 1));
        QTest::keyClicks(form->PGrid, "5000");
        Click(form->UsePrePay);
    });
    Click(s->MAddPrePay);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(Red(s->AddPmtsOn));
    Calculate();
    EXPECT_EQ(s->View().gridRows, 248);
    const GridWidget& grid = *s->MGrid;
    EXPECT_EQ(grid.TextAt(252, 0), "Additional ");
    EXPECT_EQ(grid.TextAt(254, 0), "Year    1");
    EXPECT_EQ(grid.TextAt(254, 1), " Month   1 ");
    EXPECT_EQ(grid.TextAt(254, 2), "5,000.00");
    EXPECT_EQ(grid.Rows(), 248 + 4 + 1 + 4);
}

class DaysInYear : public OnTheTablesScreen<DaysInYearDialog> {
  protected:
    DaysInYearDialog& Show() { return ShowDialog(std::make_unique<DaysInYearDialog>(Context(), s)); }
    // Chooses "Type in year" and types into the box as a user does.
    void TypeDays(const QString& days) {
        Click(dialog->IRFactor[4]);
        Click(dialog->InIRFDays);
        QTest::keyClicks(dialog->InIRFDays, days);
    }
};

TEST_F(DaysInYear, OpensOnTheCurrentChoiceAndEscapeKeepsIt) {
    DaysInYearDialog& d = Show();
    EXPECT_TRUE(d.IRFactor[1]->isChecked());
    EXPECT_FALSE(d.InIRFDays->isEnabled());
    Click(d.IRFactor[4]);
    EXPECT_TRUE(d.InIRFDays->isEnabled());
    Click(d.IRFactor[2]);
    EXPECT_FALSE(d.InIRFDays->isEnabled());
    EXPECT_TRUE(d.InIRFDays->text().isEmpty());
    // Escape keeps the day basis.
    TypeDays("364");
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Days365);
    EXPECT_EQ(State().DayBasis.days, 365.0f);

    State().DayBasis = amortix::DayBasis::Typed(364.5f);
    DaysInYearDialog& again = Show();
    EXPECT_TRUE(again.IRFactor[4]->isChecked());
    EXPECT_TRUE(again.InIRFDays->isEnabled());
    EXPECT_EQ(again.InIRFDays->text(), "364.50");
}

// A preset or typed days, from the usual 365: refused, the dialog stays up
// with message 19 and the day basis as it was.
TEST_F(DaysInYear, PresetsAndTypedDaysWithinTheLimits) {
    const struct {
        int option;
        const char* typed;  // for option 4, "Type in year"
        bool accepted;
        float days = 365.0f;
        double biweekly = 26.07142857;
    } cases[] = {
        {0, "", true, 365.25f, 26.08928571},
        {3, "", true, 363.0f, 25.92857143},
        {2, "", true, 364.0f, 26.0},
        {4, "365", true, 365.0f, 365.0 / 14.0},
        {4, "364.5", true, 364.5f, 364.5 / 14.0},
        {4, "363.01", true, 363.01f, static_cast<double>(363.01f) / 14.0},
        {4, "363", false},
        {4, "365.25", false},
        {4, "", false},
        {4, "400", false},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.option) + " " + c.typed;
        State().DayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);
        Recorded().messages.clear();
        DaysInYearDialog& d = Show();
        if (c.option == 4)
            TypeDays(c.typed);
        else
            Click(d.IRFactor[static_cast<std::size_t>(c.option)]);
        Click(d.ExitMort);
        EXPECT_EQ(d.isVisible(), !c.accepted) << what;
        EXPECT_EQ(Recorded().messages, c.accepted ? std::vector<int>{} : std::vector<int>{19}) << what;
        EXPECT_EQ(amortix::Code(State().DayBasis.choice), c.accepted ? c.option : 1) << what;
        EXPECT_EQ(State().DayBasis.days, c.days) << what;
        EXPECT_EQ(State().DayBasis.biweeklyPeriods, c.biweekly) << what;
        if (c.option == 4) {
            EXPECT_EQ(State().DayBasis.weeklyPeriods, c.biweekly * 2) << what;
        }
        if (!c.accepted) d.reject();
    }
}

TEST_F(DaysInYear, FromTheScreen) {
    Choose(s->FreqPmt, 2);  // 2 Weeks
    Calculate();
    EXPECT_EQ(s->InDays->text(), "365");
    ChooseDayBasis(s->MShowIRF, 2);
    EXPECT_EQ(State().ResultsReady, 0);
    EXPECT_EQ(State().EntryEdited, 0);
    EXPECT_TRUE(s->InDays->text().isEmpty());
    Calculate();
    EXPECT_EQ(s->InDays->text(), "364");
}

}  // namespace
}  // namespace amortix::gui
