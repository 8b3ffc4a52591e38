// The comparison screen: its start state, the period box and the additional
// payments, the quick help, the row limit, the commands that need rows, and
// the texts of both grids against the command line.

#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include <optional>

#include "comparison_test_util.h"
#include "core/forms/comparison_form.h"
#include "dialogs/additional_payments_dialog.h"
#include "graphs/graph_window.h"
#include "shell/main_frame.h"

namespace amortix::gui {
namespace {

using ComparisonScreenTest = test::ComparisonProgram;
using test::Red;

// Every cell of a grid, header row included.
std::vector<QStringList> Cells(const GridWidget* grid) {
    std::vector<QStringList> rows;
    for (int r = 0; r < grid->Rows(); ++r) {
        QStringList row;
        for (int col = 0; col < grid->Cols(); ++col) row << grid->TextAt(r, col);
        rows.push_back(row);
    }
    return rows;
}

TEST_F(ComparisonScreenTest, OpensWithItsStartStateEveryTime) {
    State().CompoundSetting = 3;
    for (int visit = 0; visit < 2; ++visit) {
        // A day basis left by a dialog does not carry into the screen.
        State().DayBasis = amortix::DayBasis::Typed(364.5f);
        OpenComparison();
        EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Days365);
        EXPECT_EQ(State().DayBasis.biweeklyPeriods, 26.07142857);
        EXPECT_EQ(State().EntryEdited, 0);
        EXPECT_EQ(c->InPrincipal->text(), "   $100,000.00");
        EXPECT_EQ(TextOf(c->InRate), "         10.125%");
        EXPECT_EQ(TextOf(c->InTerm), "            25");
        EXPECT_EQ(c->ComPeriod->currentIndex(), 3);  // the personal setting
        EXPECT_EQ(c->Form().Table().State().rowCount, 0);
        EXPECT_TRUE(c->MCGrid1->TextAt(1, 0).isEmpty());
        EXPECT_TRUE(c->MCTextBox->isHidden());
        EXPECT_TRUE(c->InPrincipal->hasFocus());
        EXPECT_FALSE(Red(c->MCAddPmtsOn));
        // Something to forget by the next visit.
        Row("50000", "7", "30", 1, 4);
        AdditionalPayments({{2, 1000}});
        CalculateRow();
        LeaveComparison();
    }
}

TEST_F(ComparisonScreenTest, KeyboardWalksTheBoxesAndOpensTheirHelp) {
    OpenComparison();
    ExpectEnterWalks({c->InPrincipal, c->InRate, c->InTerm, c->ComPeriod, c->FreqPmt, c->MCCalc});
    for (QWidget* box :
         std::initializer_list<QWidget*>{c->InPrincipal, c->InRate, c->InTerm, c->ComPeriod, c->FreqPmt}) {
        Enter(box);
        Recorded().helpTopics.clear();
        QTest::keyClick(box, Qt::Key_F1);
        EXPECT_EQ(Recorded().helpTopics, std::vector<QString>{"MortComp_" + box->objectName()});
    }
    // The lists take no typing: the key beeps and the choice stays.
    for (QComboBox* list : {c->ComPeriod, c->FreqPmt}) {
        Enter(list);
        const QString before = list->currentText();
        Recorded().beeps = 0;
        QTest::keyClick(list, Qt::Key_A);
        EXPECT_EQ(Recorded().beeps, 1);
        EXPECT_EQ(list->currentText(), before);
        EXPECT_EQ(State().EntryEdited, 0);
    }
    EXPECT_TRUE(Recorded().messages.empty());
}

TEST_F(ComparisonScreenTest, AccessKeysPressTheirButtons) {
    OpenComparison();
    // Show Graph last: its window takes the screen's place.
    const std::pair<Qt::Key, QPushButton*> cases[] = {
        {Qt::Key_C, c->MCCalc},    {Qt::Key_H, c->MCHelp},    {Qt::Key_H, c->MCHelp},
        {Qt::Key_P, c->MCPrinter}, {Qt::Key_E, c->CSaveFile}, {Qt::Key_O, c->CLoadFile},
        {Qt::Key_S, c->MCGraphs},
    };
    Recorded().messages.clear();
    for (const auto& [key, button] : cases) {
        QSignalSpy clicked(button, &QPushButton::clicked);
        // Print goes on to its header dialog.
        if (button == c->MCPrinter)
            test::WhenModal([](QWidget* header) { qobject_cast<QDialog*>(header)->reject(); });
        Enter(c->InPrincipal);
        QTest::keyClick(c->InPrincipal, key, Qt::AltModifier);
        // A button pressed by its key shows itself pressed a moment first.
        EXPECT_TRUE(QTest::qWaitFor([&clicked] { return clicked.count() == 1; }, 2000))
            << button->objectName().toStdString();
        if (button == c->MCPrinter) test::ShowActive(&app->Frame());
    }
    EXPECT_EQ(c->Form().Table().State().rowCount, 1);
    EXPECT_EQ(c->MCHelp->text(), "Quick &Help");
}

TEST_F(ComparisonScreenTest, EveryVisitToThePeriodBoxEndsTheAdditionalPayments) {
    const struct {
        const char* what;
        std::function<void()> act;
        double years;
        const char* shown;
        std::vector<int> messages;
    } cases[] = {
        {"left without typing", [this] { Enter(c->InTerm); }, 25, "              25", {}},
        {"40 from the list", [this] { Choose(c->InTerm, 2); }, 40, "              40", {}},
        {"30 typed", [this] { Type(c->InTerm, "30"); }, 30, "              30", {}},
        {"45 typed", [this] { Type(c->InTerm, "45"); }, 40, "              40", {5}},
    };
    for (const auto& k : cases) {
        OpenComparison();
        AdditionalPayments({{2, 1000}}, 3, 4);
        ASSERT_TRUE(Red(c->MCAddPmtsOn));
        Recorded().messages.clear();
        k.act();
        Enter(c->FreqPmt);
        EXPECT_EQ(c->Form().Years(), k.years) << k.what;
        EXPECT_EQ(TextOf(c->InTerm), k.shown) << k.what;
        EXPECT_EQ(Recorded().messages, k.messages) << k.what;
        EXPECT_EQ(c->Form().Extra().amount[2], Currency()) << k.what;
        EXPECT_EQ(c->Form().Extra().increase, 0.0f) << k.what;
        EXPECT_EQ(c->Form().Extra().rowCount, 0) << k.what;
        EXPECT_EQ(c->Form().Extra().month, amortix::Month{4}) << k.what;  // the month setting stays
        EXPECT_FALSE(Red(c->MCAddPmtsOn)) << k.what;
        LeaveComparison();
    }
}

TEST_F(ComparisonScreenTest, TheAdditionalPaymentsDialogWorksOnTheComparisonsOwnPayments) {
    OpenComparison();
    Row(nullptr, nullptr, "10", -1, 4);
    test::WhenModal([](QWidget* modal) {
        auto* dialog = static_cast<AdditionalPaymentsDialog*>(modal);
        EXPECT_EQ(dialog->PGrid->Rows(), 20);  // ten years offered in the smallest grid
        Click(dialog->PPOption[2]);
        Type(dialog->InPercent, "3");
        Click(dialog->UsePrePay);
    });
    Click(c->MCAddPrePay);
    EXPECT_FLOAT_EQ(c->Form().Extra().increase, 0.03f);
    EXPECT_EQ(c->Form().Extra().years, 10);
    EXPECT_EQ(State().ExtraPayments.increase, 0.0f);  // the tables screen's stay apart
    EXPECT_TRUE(Red(c->MCAddPmtsOn));
    CalculateRow();
    EXPECT_EQ(c->MCGrid1->TextAt(1, 10), " 3.000");
    EXPECT_EQ(c->MCGrid1->TextAt(1, 5).front(), '*');
}

TEST_F(ComparisonScreenTest, TheDaysInYearDialogSetsTheDaysOfTheNextRow) {
    OpenComparison();
    Choose(c->FreqPmt, 2);
    ChooseDayBasis(c->MCShowIRF, 2);
    EXPECT_EQ(State().EntryEdited, 0);
    CalculateRow();
    EXPECT_EQ(c->InDays->text(), "364");
    EXPECT_EQ(c->MCGrid1->TextAt(1, 1), "364");
    // 364 days make 26 periods a year: the rate per period of the literal 26.
    const auto expected =
        amortix::ComparisonForm().Calculate(amortix::Compounding::Monthly, amortix::Frequency::TwoWeeks,
                                            amortix::DayBasis::Preset(amortix::DayBasisChoice::Days364));
    EXPECT_EQ(c->PeriodicR->text(), QString::fromStdString(expected.PeriodicR));
}

TEST_F(ComparisonScreenTest, QuickHelpStaysUpWhileTypingAndCalculateClosesIt) {
    OpenComparison();
    const auto helpIsUp = [this](bool up) {
        ExpectQuickHelp(up, c->MCHelp, c->MCTextBox, c->MCGrid1, {c->MCPrinter, c->CSaveFile, c->MCGraphs});
    };
    CalculateRow();
    Click(c->MCHelp);
    helpIsUp(true);
    EXPECT_TRUE(c->MCGrid2->isVisible());
    EXPECT_TRUE(c->MCTextBox->hasFocus());
    EXPECT_EQ(c->MCTextBox->toPlainText(),
              QString::fromStdString(amortix::ComparisonQuickHelp()).replace("\r\n", "\n"));

    Type(c->InPrincipal, "9");
    Choose(c->FreqPmt, 3);
    helpIsUp(true);

    // Enter in the help text goes back to the first box.
    Enter(c->MCTextBox);
    QTest::keyClick(c->MCTextBox, Qt::Key_Return);
    EXPECT_TRUE(c->InPrincipal->hasFocus());

    // Calculate closes the help, and the rows so far are still there.
    CalculateRow();
    helpIsUp(false);
    EXPECT_TRUE(c->MCTextBox->toPlainText().isEmpty());
    EXPECT_EQ(c->MCGrid1->TextAt(1, 0), "01");
    EXPECT_EQ(c->MCGrid1->TextAt(2, 0), "02");
    EXPECT_EQ(c->MCGrid1->TextAt(2, 7), "$9.00");
}

TEST_F(ComparisonScreenTest, ARunThatFailsLeavesTheGridsAsTheyWere) {
    OpenComparison();
    for (int i = 0; i < 3; ++i) {
        Choose(c->FreqPmt, 4);
        AdditionalPayments({{1, 100.0 * (i + 1)}});
        CalculateRow();
    }
    const struct {
        const char* what;
        const char* rate;
        int rows;  // rows to calculate first
        std::vector<int> messages;
    } cases[] = {
        {"a zero rate", "0", 0, {4}},
        {"a ninth row", "8", 5, {22}},
    };
    for (const auto& k : cases) {
        Type(c->InRate, k.rate);
        for (int i = 0; i < k.rows; ++i) CalculateRow();
        const auto grid1 = Cells(c->MCGrid1), grid2 = Cells(c->MCGrid2);
        const std::string printout = c->Form().Table().State().printout;
        Recorded().messages.clear();
        CalculateRow();
        EXPECT_EQ(Recorded().messages, k.messages) << k.what;
        EXPECT_EQ(Cells(c->MCGrid1), grid1) << k.what;
        EXPECT_EQ(Cells(c->MCGrid2), grid2) << k.what;
        EXPECT_EQ(c->Form().Table().State().printout, printout) << k.what;
    }
    EXPECT_EQ(c->Form().Table().State().rowCount, 8);
}

TEST_F(ComparisonScreenTest, PrintSaveAndGraphNeedRows) {
    int called = 0;
    ComparisonScreen::Commands commands;
    const auto count = [&called](ComparisonScreen&) { ++called; };
    commands.print = commands.saveFile = commands.showGraph = count;
    auto* screen = new ComparisonScreen(Context(), commands);
    app->Frame().ShowForm(screen);
    c = screen;
    const struct {
        QPushButton* ComparisonScreen::*button;
        int message;
    } cases[] = {{&ComparisonScreen::MCPrinter, 1},
                 {&ComparisonScreen::CSaveFile, 15},
                 {&ComparisonScreen::MCGraphs, 7}};
    for (const auto& k : cases) {
        Recorded().messages.clear();
        Click(c->*k.button);
        EXPECT_EQ(Recorded().messages, std::vector<int>{k.message});
    }
    EXPECT_EQ(called, 0);
    CalculateRow();
    Recorded().messages.clear();
    for (const auto& k : cases) Click(c->*k.button);
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(called, 3);
    EXPECT_EQ(c->Form().Table().Graph().count, 1);
    LeaveComparison();
}

TEST_F(ComparisonScreenTest, ShowGraphHidesTheScreenUntilTheGraphIsLeft) {
    OpenComparison();
    CalculateRow();
    auto* graph = OpenFrom<GraphWindow>(c->MCGraphs, "MCGraph");
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_FALSE(c->isVisible());
    Click(graph->ExitBut);
    QApplication::processEvents();
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->Form().Table().State().rowCount, 1);
}

TEST_F(ComparisonScreenTest, GridsAfterARunOfRowsEqualTheCommandLine) {
    OpenComparison();
    QStringList cli{"compare"};
    // Row by row: what the user does, and the same row for the command line.
    Choose(c->FreqPmt, 4);
    CalculateRow();
    cli << "--row"
        << "--frequency biweekly-acc";

    Row("185000", "7.25", "30", 3, 5);
    AdditionalPayments({{1, 2000}, {3, 2500}, {10, 10000}}, 5, 2);
    CalculateRow();
    cli << "--row"
        << "--principal 185000 --rate 7.25 --years 30 --compounding semiannual --frequency weekly-acc "
           "--extra 1:2000 --extra 3:2500 --extra 10:10000 --extra-month 6 --increase 2";

    Row(nullptr, "6.5", nullptr, -1, 2);
    AdditionalPayments({{4, 1500}, {8, 1500}});
    ChooseDayBasis(c->MCShowIRF, 0);
    CalculateRow();
    cli << "--row"
        << "--principal 185000 --rate 6.5 --years 30 --compounding semiannual --frequency 2-weeks "
           "--extra 4:1500 --extra 8:1500 --days 365.25";

    Row("99999.99", "9", "15", 2, 1);
    AdditionalPayments({}, 0, 7.5);
    CalculateRow();
    cli << "--row"
        << "--principal 99999.99 --rate 9 --years 15 --compounding quarterly --frequency semimonthly "
           "--increase 7.5 --days 365.25";
    ASSERT_TRUE(Recorded().messages.empty());

    const QJsonObject json = test::CliJson(cli);
    ASSERT_TRUE(json["messages"].toArray().isEmpty());
    test::ExpectGridIs(c->MCGrid1, json["MCGrid1"].toArray(), "MCGrid1");
    test::ExpectGridIs(c->MCGrid2, json["MCGrid2"].toArray(), "MCGrid2");
    EXPECT_EQ(c->InDays->text(), json["InDays"].toString());
    EXPECT_EQ(c->PeriodicR->text(), json["PeriodicR"].toString());
    EXPECT_EQ(c->MCGrid2->TextAt(0, 1), " Row     2");  // the listing did get rows
}

// The frame's close button with rows on screen asks first (question 5), also
// while a graph window covers the screen; No, or a box closed without an
// answer, keeps the program open. Without rows it closes at once.
TEST_F(ComparisonScreenTest, ClosingTheFrameWithRowsAsksFirst) {
    int ended = 0;
    app->SetEndProgram([&ended] { ++ended; });
    MainFrame& frame = app->Frame();
    OpenComparison();
    Row("50000", "7", "30");
    CalculateRow();
    ASSERT_EQ(c->Form().Table().State().rowCount, 1);

    const struct {
        const char* name;
        bool graphOnTop;
        std::optional<int> answer;
        bool closes;
    } cases[] = {
        {"No", false, amortix::kAnswerNo, false},
        {"closed without an answer", false, std::nullopt, false},
        {"No with the graph on top", true, amortix::kAnswerNo, false},
        {"Yes", false, amortix::kAnswerYes, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        GraphWindow* graph = k.graphOnTop ? OpenFrom<GraphWindow>(c->MCGraphs, "MCGraph") : nullptr;
        Recorded().questions.clear();
        Recorded().answers = {k.answer};
        EXPECT_EQ(frame.close(), k.closes);
        EXPECT_EQ(Recorded().questions, std::vector<int>{5});
        EXPECT_EQ(frame.isVisible(), !k.closes);
        EXPECT_EQ(ended, k.closes ? 1 : 0);
        EXPECT_EQ(c->Form().Table().State().rowCount, 1);
        if (graph) {
            Click(graph->ExitBut);
            QApplication::processEvents();
            EXPECT_TRUE(c->isVisible());
        }
    }

    test::ShowActive(&frame);
    LeaveComparison();
    OpenComparison();
    Recorded().questions.clear();
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(Recorded().questions.empty());
    EXPECT_EQ(ended, 2);
}

}  // namespace
}  // namespace amortix::gui
