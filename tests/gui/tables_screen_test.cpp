// The tables screen: defaults per mode, the input boxes and their limits,
// ClearResults, the quick help, Calculate and the commands that need results.

#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>

#include "core/calc/rates.h"
#include "core/forms/tables_form.h"
#include "dialogs/additional_payments_dialog.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using amortix::TableKind;
using test::TablesProgram;

class TablesScreenTest : public TablesProgram {
  protected:
    // 500 in year 2 and 5 % more a year, from month 4, shown in force.
    void PaymentsInForce() {
        amortix::AdditionalPayments& extra = State().ExtraPayments;
        extra.amount[2] = Currency::FromDouble(500);
        extra.increase = 0.05f;
        extra.rowCount = 1;
        extra.kind = ExtraPaymentKind::Both;
        extra.month = amortix::Month{5};
        ShowAdditionalPaymentsInForce(s->AddPmtsOn, true);
    }
};

std::vector<std::string> Items(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

// Each mode's figures and lists; the compounding list follows the personal
// setting (one beyond the list's end is Monthly).
TEST_F(TablesScreenTest, OpensWithTheDefaultsOfEachMode) {
    const struct {
        TableKind mode;
        std::int16_t setting;
        const char* compounding;
    } cases[] = {{TableKind::Mortgage, 0, "      Monthly"},
                 {TableKind::PersonalLoan, 1, "    Bimonthly"},
                 {TableKind::Mortgage, 3, "   Semiannual"},
                 {TableKind::PersonalLoan, 4, "       Annual"},
                 {TableKind::PersonalLoan, 7, "      Monthly"}};
    for (const auto& c : cases) {
        State().CompoundSetting = c.setting;
        Open(c.mode);
        const auto d = amortix::DefaultsFor(c.mode, "$");
        EXPECT_EQ(s->Comperiod->currentText(), c.compounding) << c.setting;
        EXPECT_EQ(s->Label1->text(), QString::fromStdString(d.label1));
        EXPECT_EQ(s->InPrincipal->text(), QString::fromStdString(d.principalText));
        EXPECT_EQ(TextOf(s->InRate), QString::fromStdString(d.rateText));
        EXPECT_EQ(TextOf(s->InTerm), QString::fromStdString(d.termText));
        EXPECT_EQ(Items(s->InRate), d.rateList);
        EXPECT_EQ(Items(s->InTerm), d.termList);
        EXPECT_EQ(s->Form().Numbers().principal, d.principal);
        EXPECT_EQ(s->Form().Numbers().years, d.years);
        EXPECT_TRUE(s->Option2->isChecked());
        EXPECT_EQ(s->View().scheduleView, amortix::ScheduleView::Annual);
        EXPECT_EQ(State().EntryEdited, 0);
        EXPECT_EQ(s->MGrid->Rows(), 26);
        EXPECT_TRUE(s->MTextBox->isHidden());
        Exit();
    }
}

TEST_F(TablesScreenTest, EnterWalksTheBoxesInOrder) {
    Open();
    ExpectEnterWalks({s->InPrincipal, s->InRate, s->InTerm, s->Comperiod, s->FreqPmt, s->Rounding, s->MCalc});
    EXPECT_TRUE(Recorded().messages.empty());
}

// A new period, typed or chosen, is held to the mode's limit; a changed period
// erases the additional payments and says so (their month setting stays), the
// same period typed again keeps them.
TEST_F(TablesScreenTest, ANewPeriodIsHeldToItsLimitAndErasesTheAdditionalPaymentsWithAMessage) {
    const struct {
        TableKind mode;
        const char* typed;  // nullptr: the list's second entry is chosen
        double years;
        const char* shown;
        std::vector<int> messages;
        bool erased;
    } cases[] = {
        {TableKind::Mortgage, "40", 40, "              40", {38}, true},
        {TableKind::Mortgage, "41", 40, "              40", {5, 38}, true},
        {TableKind::Mortgage, nullptr, 30, "              30", {38}, true},
        {TableKind::Mortgage, "25", 25, "              25", {}, false},
        {TableKind::PersonalLoan, "480", 40, "             480", {38}, true},
        {TableKind::PersonalLoan, "481", 40, "             480", {16, 38}, true},
        {TableKind::PersonalLoan, "30", 2.5, "              30", {38}, true},
    };
    for (const auto& c : cases) {
        const char* what = c.typed ? c.typed : "chosen";
        Open(c.mode);
        PaymentsInForce();
        Recorded().messages.clear();
        if (c.typed)
            Type(s->InTerm, c.typed);
        else
            Choose(s->InTerm, 1);
        Enter(s->InPrincipal);
        EXPECT_EQ(s->Form().Numbers().years, c.years) << what;
        EXPECT_EQ(TextOf(s->InTerm), c.shown) << what;
        EXPECT_EQ(Recorded().messages, c.messages) << what;
        EXPECT_EQ(State().EntryEdited, 0) << what;
        EXPECT_EQ(State().ExtraPayments.amount[2], c.erased ? Currency() : Currency::FromDouble(500)) << what;
        EXPECT_EQ(State().ExtraPayments.increase, c.erased ? 0.0f : 0.05f) << what;
        EXPECT_EQ(State().ExtraPayments.rowCount, c.erased ? 0 : 1) << what;
        EXPECT_EQ(State().ExtraPayments.month, amortix::Month{5}) << what;
        EXPECT_EQ(test::Red(s->AddPmtsOn), !c.erased) << what;
        Exit();
    }
}

TEST_F(TablesScreenTest, ChoosingARateFromTheListStoresIt) {
    Open();
    Choose(s->InRate, 2);
    EXPECT_EQ(State().EntryEdited, 1);
    Enter(s->InPrincipal);
    EXPECT_EQ(s->Form().Numbers().ratePercent, 8.0);
    EXPECT_EQ(TextOf(s->InRate), "         8.000%");
}

// Every result box, the grid's data cells and ResultsReady are empty.
void ExpectNoResults(const TablesScreen& s, const AppState& state) {
    for (const QLineEdit* box : {s.InDays, s.PeriodicR, s.NumPmtsYear, s.EndMortYear, s.InMonthPI,
                                 s.PPpercent, s.TotSavd, s.AllPayments})
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_EQ(s.Label16->text(), " P+I includes      0.000%");
    for (int r = 1; r < s.MGrid->Rows(); ++r)
        for (int c = 0; c < s.MGrid->Cols(); ++c)
            ASSERT_TRUE(s.MGrid->TextAt(r, c).isEmpty()) << r << "," << c;
    EXPECT_EQ(state.ResultsReady, 0);
    EXPECT_EQ(s.Results(), nullptr);
}

TEST_F(TablesScreenTest, ChangingAChoiceAfterACalculationEmptiesTheResults) {
    Open();
    const std::function<void()> changes[] = {
        [this] { Choose(s->FreqPmt, 4); },
        [this] { Choose(s->Comperiod, 3); },
        [this] { Click(s->Option1); },
        [this] { Type(s->InPrincipal, "5"); },
        [this] {
            Enter(s->InRate);
            QTest::keyClick(s->InRate, Qt::Key_Delete);
        },
    };
    for (const auto& change : changes) {
        Click(s->Option2);
        Calculate();
        ASSERT_NE(State().ResultsReady, 0);
        ASSERT_FALSE(s->MGrid->TextAt(1, 1).isEmpty());
        change();
        ExpectNoResults(*s, State());
        EXPECT_FALSE(s->MGrid->TextAt(0, 1).isEmpty());  // the header stays
    }
}

TEST_F(TablesScreenTest, QuickHelpInBothModes) {
    for (const TableKind mode : {TableKind::Mortgage, TableKind::PersonalLoan}) {
        Open(mode);
        const auto helpIsUp = [this](bool up) {
            ExpectQuickHelp(up, s->MHelp, s->MTextBox, s->MGrid, {s->MPrinter, s->MSaveFile, s->MGraphs});
        };
        Calculate();
        Click(s->MHelp);
        helpIsUp(true);
        EXPECT_TRUE(s->MTextBox->hasFocus());
        EXPECT_EQ(s->MTextBox->toPlainText(),
                  QString::fromStdString(amortix::TablesQuickHelp(mode)).replace("\r\n", "\n"));

        // Typing into a box empties the result boxes but leaves the help up.
        Type(s->InPrincipal, "9");
        EXPECT_TRUE(s->InMonthPI->text().isEmpty());
        helpIsUp(true);

        // In the help text Enter goes back to the first box; keys beep.
        Recorded().beeps = 0;
        Enter(s->MTextBox);
        QTest::keyClick(s->MTextBox, Qt::Key_A);
        EXPECT_EQ(Recorded().beeps, 1);
        EXPECT_EQ(s->MTextBox->toPlainText(),
                  QString::fromStdString(amortix::TablesQuickHelp(mode)).replace("\r\n", "\n"));
        QTest::keyClick(s->MTextBox, Qt::Key_Return);
        EXPECT_TRUE(s->InPrincipal->hasFocus());

        Click(s->MHelp);
        helpIsUp(false);
        EXPECT_TRUE(s->MTextBox->toPlainText().isEmpty());
        ExpectNoResults(*s, State());
        EXPECT_EQ(State().EntryEdited, 0);

        // Calculate closes it too.
        Click(s->MHelp);
        Calculate();
        helpIsUp(false);
        EXPECT_NE(State().ResultsReady, 0);
        Exit();
    }
}

TEST_F(TablesScreenTest, PrintSaveAndGraphNeedResults) {
    Open();
    const struct {
        QPushButton* TablesScreen::*button;
        int message;
    } cases[] = {{&TablesScreen::MPrinter, 1}, {&TablesScreen::MSaveFile, 15}, {&TablesScreen::MGraphs, 7}};
    for (const auto& c : cases) {
        Recorded().messages.clear();
        Click(s->*c.button);
        EXPECT_EQ(Recorded().messages, std::vector<int>{c.message});
    }
    Calculate();
    Recorded().messages.clear();
    // Print goes on to its header dialog.
    test::WhenModal([](QWidget* header) { qobject_cast<QDialog*>(header)->reject(); });
    for (const auto& c : cases) Click(s->*c.button);
    EXPECT_TRUE(Recorded().messages.empty());
}

// 0 % car loans: the principal shared over the payments, no message.
TEST_F(TablesScreenTest, AZeroRateIsALoanWithoutInterest) {
    Open();
    Recorded().messages.clear();
    Type(s->InPrincipal, "12000");
    Type(s->InRate, "0");
    Type(s->InTerm, "1");
    Calculate();
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(s->InMonthPI->text().trimmed(), "$1,000.00");
    EXPECT_EQ(s->EndMortYear->text().trimmed(), "1.00");
    EXPECT_EQ(State().ResultsReady, 1);
}

TEST_F(TablesScreenTest, InputsRefusedAtCalculateLeaveNoResults) {
    const struct {
        const char* what;
        std::function<void()> act;
        int message;
    } cases[] = {
        {"41 years, as a file could bring them",
         [this] {
             amortix::ScheduleInputs in = s->Inputs();
             in.years = 41;
             s->Restore(in);
         },
         5},
        {"no years",
         [this] {
             Type(s->InTerm, "0");
             Calculate();
         },
         41},
        {"no principal",
         [this] {
             Type(s->InPrincipal, "0");
             Calculate();
         },
         39},
    };
    for (const auto& c : cases) {
        Open();
        Recorded().messages.clear();
        c.act();
        EXPECT_EQ(Recorded().messages, std::vector<int>{c.message}) << c.what;
        ExpectNoResults(*s, State());
        Exit();
    }
}

// A figure typed above its box's range is held to the top of it and the
// message names the box and the range; the largest figures calculate and no
// result is cut.
TEST_F(TablesScreenTest, AFigureAboveItsRangeIsHeldToItWithAMessage) {
    const struct {
        const char* principal;
        const char* rate;
        std::vector<int> messages;
        const char* principalShown;
        const char* rateShown;
    } cases[] = {
        {"999999999999", "6", {39}, "   $9,999,999.99", "         6.000%"},
        {"250000", "500", {40}, "     $250,000.00", "       100.000%"},
        {"9999999.99", "100", {}, "   $9,999,999.99", "       100.000%"},
    };
    for (const auto& c : cases) {
        Open();
        Recorded().messages.clear();
        Type(s->InPrincipal, c.principal);
        Type(s->InRate, c.rate);
        Enter(s->InTerm);
        EXPECT_EQ(Recorded().messages, c.messages) << c.principal;
        EXPECT_EQ(s->InPrincipal->text(), c.principalShown) << c.principal;
        EXPECT_EQ(TextOf(s->InRate), c.rateShown) << c.principal;
        Calculate();
        EXPECT_GT(State().ResultsReady, 0) << c.principal;
        for (const QLineEdit* box : {s->InMonthPI, s->AllPayments, s->TotSavd, s->PPpercent})
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text().trimmed()),
                      box->contentsRect().width())
                << c.principal << " " << box->text().toStdString();
        Exit();
    }
}

TEST_F(TablesScreenTest, ExitResetsTheScreenStateAndShowsTheMenu) {
    Open();
    PaymentsInForce();
    Calculate();
    Exit();
    EXPECT_FALSE(State().TablesOpen);
    EXPECT_EQ(State().ResultsReady, 0);
    EXPECT_EQ(State().ExtraPayments.amount[2], Currency());
    EXPECT_EQ(State().ExtraPayments.rowCount, 0);
    EXPECT_EQ(State().ExtraPayments.kind, amortix::ExtraPaymentKind::Percentage);
    EXPECT_EQ(State().ExtraPayments.month, amortix::Month{1});
    EXPECT_EQ(State().ExtraPayments.increase, 0.0f);
    EXPECT_EQ(s->Form().Numbers().principal, 0.0);
    EXPECT_TRUE(app->Frame().findChildren<TablesScreen*>().isEmpty());
}

TEST_F(TablesScreenTest, TextsAfterCalculateEqualTheCommandLine) {
    // The lists' choices as the command line names them, after the boxes' figures.
    const struct {
        TableKind mode;
        const char* principal;
        const char* rate;
        const char* term;
        int compounding;  // list index
        int frequency;    // list index
        bool allPayments;
        std::int16_t termYears;
        const char* choices;
    } cases[] = {
        {TableKind::Mortgage, "150000", "7.25", "30", 3, 4, true, 0,
         "--compounding semiannual --frequency biweekly-acc --view all"},
        {TableKind::Mortgage, "87500.25", "5.5", "15", 2, 1, false, 5,
         "--compounding quarterly --frequency semimonthly --view annual --term-years 5"},
        {TableKind::PersonalLoan, "18000", "11.9", "54", 0, 2, true, 2,
         "--mode loan --frequency 2-weeks --view all --term-years 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices);
        Open(c.mode);
        Figures(c.principal, c.rate, c.term);
        Choose(s->Comperiod, c.compounding);
        Choose(s->FreqPmt, c.frequency);
        Click(c.allPayments ? s->Option1 : s->Option2);
        s->View().termYears = c.termYears;
        Calculate();
        ASSERT_TRUE(Recorded().messages.empty());

        const bool loan = c.mode == TableKind::PersonalLoan;
        const QJsonObject json = test::CliJson(QStringList{"schedule", "--principal", c.principal, "--rate",
                                                           c.rate, loan ? "--months" : "--years", c.term} +
                                               QString(c.choices).split(' '));
        // The JSON's texts are the boxes' texts, keyed by what each box shows.
        const QJsonObject texts = json["texts"].toObject();
        const std::pair<const QWidget*, const char*> boxes[] = {
            {s->InDays, "days_in_year"},           {s->PeriodicR, "rate_factor"},
            {s->NumPmtsYear, "payments_per_year"}, {s->InMonthPI, "payment"},
            {s->PPpercent, "increase_amount"},     {s->EndMortYear, "years_to_final"},
            {s->AllPayments, "total_paid"},        {s->TotSavd, "interest_saved"},
            {s->Label16, "increase_caption"}};
        for (const auto& [box, key] : boxes) {
            const QString shown = qobject_cast<const QLineEdit*>(box)
                                      ? qobject_cast<const QLineEdit*>(box)->text()
                                      : qobject_cast<const QLabel*>(box)->text();
            EXPECT_EQ(shown, texts[key].toString()) << key;
        }
        test::ExpectGridIs(s->MGrid, texts["grid"].toArray(), "MGrid");
        EXPECT_EQ(State().ResultsReady, json["graph_points"].toInt());
        EXPECT_EQ(s->View().gridRows, json["rows_shown"].toInt());
        // And its numbers are the figures the boxes show, to the cent.
        const QJsonObject summary = json["summary"].toObject();
        const QString payment = s->InMonthPI->text().remove('$').remove(',').trimmed();
        EXPECT_NEAR(summary["payment"].toDouble(), payment.toDouble(), 0.005);
        EXPECT_EQ(json["rows"].toArray().size(), s->View().gridRows);
        Exit();
    }
}

}  // namespace
}  // namespace amortix::gui
