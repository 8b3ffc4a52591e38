// The tables screen: defaults per mode, the input boxes and their limits,
// ClearResults, the quick help, Calculate and the commands that need results.

#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>

#include "core/calc/rates.h"
#include "core/forms/tables_form.h"
#include "tables/additional_payments_dialog.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using amortix::TablesMode;
using test::TablesProgram;

using TablesScreenTest = TablesProgram;

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

QStringList Q(const std::vector<std::string>& texts) {
    QStringList out;
    for (const auto& t : texts) out << QString::fromStdString(t);
    return out;
}

// Each mode's figures and lists; the compounding list follows the personal
// setting (one beyond the list's end is Monthly).
TEST_F(TablesScreenTest, OpensWithTheDefaultsOfEachMode) {
    const struct {
        TablesMode mode;
        std::int16_t setting;
        const char* compounding;
    } cases[] = {{TablesMode::Mortgage, 0, "      Monthly"},
                 {TablesMode::PersonalLoan, 1, "    Bimonthly"},
                 {TablesMode::Mortgage, 3, "   Semiannual"},
                 {TablesMode::PersonalLoan, 4, "       Annual"},
                 {TablesMode::PersonalLoan, 7, "      Monthly"}};
    for (const auto& c : cases) {
        State().CompoundSetting = c.setting;
        Open(c.mode);
        const auto d = amortix::DefaultsFor(c.mode, "$");
        EXPECT_EQ(s->Comperiod->currentText(), c.compounding) << c.setting;
        EXPECT_EQ(s->Label1->text(), QString::fromStdString(d.label1));
        EXPECT_EQ(s->InPrincipal->text(), QString::fromStdString(d.principalText));
        EXPECT_EQ(TextOf(s->InRate), QString::fromStdString(d.rateText));
        EXPECT_EQ(TextOf(s->InTerm), QString::fromStdString(d.termText));
        EXPECT_EQ(Items(s->InRate), Q(d.rateList));
        EXPECT_EQ(Items(s->InTerm), Q(d.termList));
        EXPECT_EQ(State().TableInputs.principal, d.principal);
        EXPECT_EQ(State().TableInputs.years, d.years);
        EXPECT_TRUE(s->Option2->isChecked());
        EXPECT_EQ(s->View().ScheduleView, amortix::ScheduleView::Annual);
        EXPECT_EQ(State().EntryEdited, 0);
        EXPECT_EQ(s->MGrid->Rows(), 26);
        EXPECT_TRUE(s->MTextBox->isHidden());
        Exit();
    }
}

TEST_F(TablesScreenTest, EnterWalksTheBoxesInOrder) {
    Open();
    ExpectEnterWalks({s->InPrincipal, s->InRate, s->InTerm, s->Comperiod, s->FreqPmt, s->MCalc});
    EXPECT_TRUE(Recorded().messages.empty());
}

// A new period, typed or chosen, is held to the mode's limit and erases the
// additional payments (their month setting stays).
TEST_F(TablesScreenTest, ANewPeriodIsHeldToItsLimitAndErasesTheAdditionalPayments) {
    const struct {
        TablesMode mode;
        const char* typed;  // nullptr: the list's second entry is chosen
        double years;
        const char* shown;
        std::vector<int> messages;
    } cases[] = {
        {TablesMode::Mortgage, "40", 40, "              40", {}},
        {TablesMode::Mortgage, "41", 40, "              40", {5}},
        {TablesMode::Mortgage, nullptr, 30, "              30", {}},
        {TablesMode::PersonalLoan, "480", 40, "             480", {}},
        {TablesMode::PersonalLoan, "481", 40, "             480", {16}},
        {TablesMode::PersonalLoan, "30", 2.5, "              30", {}},
    };
    for (const auto& c : cases) {
        const char* what = c.typed ? c.typed : "chosen";
        Open(c.mode);
        State().ExtraPayments.amount[2] = Currency::FromDouble(500);
        State().ExtraPayments.increase = 0.05f;
        State().ExtraPayments.rowCount = 1;
        State().ExtraPayments.month = 4;
        ShowAdditionalPaymentsInForce(s->AddPmtsOn, true);
        Recorded().messages.clear();
        if (c.typed)
            Type(s->InTerm, c.typed);
        else
            Choose(s->InTerm, 1);
        Enter(s->InPrincipal);
        EXPECT_EQ(State().TableInputs.years, c.years) << what;
        EXPECT_EQ(TextOf(s->InTerm), c.shown) << what;
        EXPECT_EQ(Recorded().messages, c.messages) << what;
        EXPECT_EQ(State().EntryEdited, 0) << what;
        EXPECT_EQ(State().ExtraPayments.amount[2], Currency()) << what;
        EXPECT_EQ(State().ExtraPayments.increase, 0.0f) << what;
        EXPECT_EQ(State().ExtraPayments.rowCount, 0) << what;
        EXPECT_EQ(State().ExtraPayments.month, 4) << what;
        EXPECT_FALSE(test::Red(s->AddPmtsOn)) << what;
        Exit();
    }
}

TEST_F(TablesScreenTest, ChoosingARateFromTheListStoresIt) {
    Open();
    Choose(s->InRate, 2);
    EXPECT_EQ(State().EntryEdited, 1);
    Enter(s->InPrincipal);
    EXPECT_EQ(State().TableInputs.ratePercent, 8.0);
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
    for (const TablesMode mode : {TablesMode::Mortgage, TablesMode::PersonalLoan}) {
        Open(mode);
        Calculate();
        Click(s->MHelp);
        EXPECT_EQ(s->MHelp->text(), "Close &Help");
        EXPECT_EQ(State().QuickHelpOn, 1);
        EXPECT_TRUE(s->MGrid->isHidden());
        EXPECT_TRUE(s->MTextBox->isVisible());
        EXPECT_TRUE(s->MTextBox->hasFocus());
        for (const QPushButton* off : {s->MPrinter, s->MSaveFile, s->MGraphs}) EXPECT_FALSE(off->isEnabled());
        EXPECT_EQ(s->MTextBox->toPlainText(),
                  QString::fromStdString(amortix::TablesQuickHelp(mode)).replace("\r\n", "\n"));

        // Typing into a box empties the result boxes but leaves the help up.
        Type(s->InPrincipal, "9");
        EXPECT_TRUE(s->InMonthPI->text().isEmpty());
        EXPECT_TRUE(s->MTextBox->isVisible());
        EXPECT_EQ(s->MHelp->text(), "Close &Help");

        // In the help text Enter goes back to the first box; keys beep.
        Recorded().beeps = 0;
        Enter(s->MTextBox);
        QTest::keyClick(s->MTextBox, Qt::Key_A);
        EXPECT_EQ(Recorded().beeps, 1);
        QTest::keyClick(s->MTextBox, Qt::Key_Return);
        EXPECT_TRUE(s->InPrincipal->hasFocus());

        Click(s->MHelp);
        EXPECT_EQ(s->MHelp->text(), "Quick &Help");
        EXPECT_EQ(State().QuickHelpOn, 0);
        EXPECT_TRUE(s->MGrid->isVisible());
        EXPECT_TRUE(s->MTextBox->isHidden());
        EXPECT_TRUE(s->MTextBox->toPlainText().isEmpty());
        for (const QPushButton* on : {s->MPrinter, s->MSaveFile, s->MGraphs}) EXPECT_TRUE(on->isEnabled());
        ExpectNoResults(*s, State());
        EXPECT_EQ(State().EntryEdited, 0);

        // Calculate closes it too.
        Click(s->MHelp);
        Calculate();
        EXPECT_EQ(s->MHelp->text(), "Quick &Help");
        EXPECT_TRUE(s->MGrid->isVisible());
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
    EXPECT_EQ(State().GraphSource, 4);
    EXPECT_FALSE(s->isVisible()) << "hidden while its graph window is open";
}

TEST_F(TablesScreenTest, InputsRefusedAtCalculateLeaveNoResults) {
    const struct {
        const char* what;
        std::function<void()> act;
        int message;
    } cases[] = {
        {"41 years, as a file could bring them", [this] { State().TableInputs.years = 41; }, 5},
        {"a zero rate", [this] { Type(s->InRate, "0"); }, 4},
    };
    for (const auto& c : cases) {
        Open();
        Recorded().messages.clear();
        c.act();
        Calculate();
        EXPECT_EQ(Recorded().messages, std::vector<int>{c.message}) << c.what;
        ExpectNoResults(*s, State());
        Exit();
    }
}

TEST_F(TablesScreenTest, ExitResetsTheScreenStateAndShowsTheMenu) {
    Open();
    State().ExtraPayments.amount[3] = Currency::FromDouble(100);
    State().ExtraPayments.rowCount = 1;
    State().ExtraPayments.type = 2;
    State().ExtraPayments.month = 5;
    State().ExtraPayments.increase = 0.1f;
    Calculate();
    Exit();
    EXPECT_FALSE(State().TablesOpen);
    EXPECT_EQ(State().ResultsReady, 0);
    EXPECT_EQ(State().ExtraPayments.amount[3], Currency());
    EXPECT_EQ(State().ExtraPayments.rowCount, 0);
    EXPECT_EQ(State().ExtraPayments.type, 0);
    EXPECT_EQ(State().ExtraPayments.month, 12);
    EXPECT_EQ(State().ExtraPayments.increase, 0.0f);
    EXPECT_EQ(State().TableInputs.principal, 0.0);
    EXPECT_TRUE(app->Frame().findChildren<TablesScreen*>().isEmpty());
}

// --- The screen says what the command line says --------------------------

QJsonObject RunCli(const QStringList& arguments) {
    return test::CliJson(QStringList{"schedule"} + arguments);
}

TEST_F(TablesScreenTest, TextsAfterCalculateEqualTheCommandLine) {
    // The lists' choices as the command line names them, after the boxes' figures.
    const struct {
        TablesMode mode;
        const char* principal;
        const char* rate;
        const char* term;
        int compounding;  // list index
        int frequency;    // list index
        bool allPayments;
        std::int16_t termYears;
        const char* choices;
    } cases[] = {
        {TablesMode::Mortgage, "150000", "7.25", "30", 3, 4, true, 0,
         "--compounding semiannual --frequency biweekly-acc --view all"},
        {TablesMode::Mortgage, "87500.25", "5.5", "15", 2, 1, false, 5,
         "--compounding quarterly --frequency semimonthly --view annual --term-years 5"},
        {TablesMode::PersonalLoan, "18000", "11.9", "54", 0, 2, true, 2,
         "--mode loan --frequency 2-weeks --view all --term-years 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choices);
        Open(c.mode);
        Figures(c.principal, c.rate, c.term);
        Choose(s->Comperiod, c.compounding);
        Choose(s->FreqPmt, c.frequency);
        Click(c.allPayments ? s->Option1 : s->Option2);
        s->View().TermYears = c.termYears;
        Calculate();
        ASSERT_TRUE(Recorded().messages.empty());

        const bool loan = c.mode == TablesMode::PersonalLoan;
        const QJsonObject json = RunCli(
            QStringList{"--principal", c.principal, "--rate", c.rate, loan ? "--months" : "--years", c.term} +
            QString(c.choices).split(' '));
        const QJsonObject results = json["results"].toObject();
        for (const QLineEdit* box : {s->InDays, s->PeriodicR, s->NumPmtsYear, s->InMonthPI, s->PPpercent,
                                     s->EndMortYear, s->AllPayments, s->TotSavd})
            EXPECT_EQ(box->text(), results[box->objectName()].toString()) << box->objectName().toStdString();
        EXPECT_EQ(s->Label16->text(), results["Label16"].toString());
        test::ExpectGridIs(s->MGrid, json["grid"].toArray(), "MGrid");
        EXPECT_EQ(State().ResultsReady, json["ResultsReady"].toInt());
        EXPECT_EQ(s->View().GridRows, json["GridRows"].toInt());
        Exit();
    }
}

}  // namespace
}  // namespace amortix::gui
