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
    ExpectEnterWalks(
        {c->InPrincipal, c->InRate, c->InTerm, c->ComPeriod, c->FreqPmt, c->MCRounding, c->MCCalc});
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

// Only a changed period erases the year amounts typed for the old one, and
// says so; a visit, or the same period typed again, keeps them.
TEST_F(ComparisonScreenTest, OnlyAChangedPeriodEndsTheAdditionalPayments) {
    const struct {
        const char* what;
        std::function<void()> act;
        double years;
        const char* shown;
        std::vector<int> messages;
        bool erased;
    } cases[] = {
        {"left without typing", [this] { Enter(c->InTerm); }, 25, "              25", {}, false},
        {"25 typed again", [this] { Type(c->InTerm, "25"); }, 25, "              25", {}, false},
        {"40 from the list", [this] { Choose(c->InTerm, 2); }, 40, "              40", {38}, true},
        {"30 typed", [this] { Type(c->InTerm, "30"); }, 30, "              30", {38}, true},
        {"45 typed", [this] { Type(c->InTerm, "45"); }, 40, "              40", {5, 38}, true},
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
        EXPECT_EQ(c->Form().Extra().amount[2], k.erased ? Currency() : Currency::FromDouble(1000)) << k.what;
        EXPECT_EQ(c->Form().Extra().rowCount, k.erased ? 0 : 1) << k.what;
        EXPECT_EQ(c->Form().Extra().month, amortix::Month{4}) << k.what;  // the month setting stays
        EXPECT_EQ(Red(c->MCAddPmtsOn), !k.erased) << k.what;
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
    const auto expected = amortix::ComparisonForm().Calculate(
        {amortix::Compounding::Monthly, amortix::Frequency::TwoWeeks, amortix::Rounding::Exact,
         amortix::DayBasis::Preset(amortix::DayBasisChoice::Days364)});
    ASSERT_TRUE(expected.rates);
    EXPECT_EQ(expected.rates->daysInYear, 364.0f);
    EXPECT_EQ(c->PeriodicR->text(),
              QString::fromStdString(amortix::ComparisonRateFactorText(expected.rates->rateFactor)));
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
        const char* years;
        int rows;  // rows to calculate first
        std::vector<int> messages;
    } cases[] = {
        {"no years", "0", 0, {38, 41}},  // the new period erases the payments in force
        {"a ninth row", "25", 5, {22}},
    };
    for (const auto& k : cases) {
        Type(c->InTerm, k.years);
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

// MCGrid1's columns by the names the command line's JSON gives them.
const std::pair<int, const char*> kRowColumns[] = {
    {0, "number"}, {1, "days_in_year"}, {2, "compounding"},       {3, "frequency"},
    {4, "years"},  {5, "retired_year"}, {6, "payments_per_year"}, {7, "principal"},
    {8, "rate"},   {9, "payment"},      {10, "increase"},         {11, "total_interest"}};

// Row by row, what the user does and the same row for the command line: the
// screen shows exactly the texts the JSON gives, and as many rows.
TEST_F(ComparisonScreenTest, BoxesAndGridsShowTheTextsOfTheCommandLine) {
    struct Step {
        std::function<void()> act;
        const char* cli;
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::vector<int> messages;
    } cases[] = {
        {"extra payments, increases and preset days",
         {{[this] { Choose(c->FreqPmt, 4); }, "--frequency biweekly-acc"},
          {[this] {
               Row("185000", "7.25", "30", 3, 5);
               AdditionalPayments({{1, 2000}, {3, 2500}, {10, 10000}}, 5, 2);
           },
           "--principal 185000 --rate 7.25 --years 30 --compounding semiannual --frequency weekly-acc "
           "--extra 1:2000 --extra 3:2500 --extra 10:10000 --extra-month 6 --increase 2"},
          {[this] {
               Row(nullptr, "6.5", nullptr, -1, 2);
               AdditionalPayments({{4, 1500}, {8, 1500}});
               ChooseDayBasis(c->MCShowIRF, 0);
           },
           "--principal 185000 --rate 6.5 --years 30 --compounding semiannual --frequency 2-weeks "
           "--extra 4:1500 --extra 8:1500 --days 365.25"},
          {[this] {
               Row("99999.99", "9", "15", 2, 1);
               AdditionalPayments({}, 0, 7.5);
           },
           "--principal 99999.99 --rate 9 --years 15 --compounding quarterly --frequency semimonthly "
           "--increase 7.5 --days 365.25"}},
         {38}},  // 15 years erase the payments typed for 30
        {"typed days, then a row that fails after its rates",
         {{[this] {
               Row("250000", "5.875", "20", 4, 3);
               State().DayBasis = amortix::DayBasis::Typed(364.5f);
           },
           "--principal 250000 --rate 5.875 --years 20 --compounding annual --frequency 1-week "
           "--days-typed 364.5"},
          {[this] { Row(nullptr, nullptr, "0", -1, 5); },
           "--principal 250000 --rate 5.875 --years 0 --compounding annual --frequency weekly-acc "
           "--days-typed 364.5"}},
         {41}},
        {"a ninth row",
         {{[this] { Row(nullptr, "8", nullptr); }, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {nullptr, "--rate 8"},
          {[this] { Choose(c->FreqPmt, 2); }, "--rate 8 --frequency 2-weeks"}},
         {22}},
    };
    for (const auto& k : cases) {
        OpenComparison();
        Recorded().messages.clear();
        QStringList cli{"compare"};
        for (const Step& step : k.steps) {
            if (step.act) step.act();
            CalculateRow();
            cli << "--row" << step.cli;
        }
        EXPECT_EQ(Recorded().messages, k.messages) << k.what;

        const QJsonObject json = test::CliJson(cli);
        std::vector<int> messages;
        for (const QJsonValue m : json["messages"].toArray())
            messages.push_back(m.toObject()["number"].toInt());
        // The command line has no period box to leave: it never erases.
        std::vector<int> calculated = k.messages;
        std::erase(calculated, amortix::MessageNumber(amortix::Message::AdditionalPaymentsErased));
        EXPECT_EQ(messages, calculated) << k.what;
        const QJsonObject texts = json["texts"].toObject();
        EXPECT_EQ(c->InDays->text(), texts["summary"].toObject()["days_in_year"].toString()) << k.what;
        EXPECT_EQ(c->PeriodicR->text(), texts["summary"].toObject()["rate_factor"].toString()) << k.what;

        const QJsonArray rows = texts["rows"].toArray();
        ASSERT_EQ(rows.size(), c->Form().Table().State().rowCount) << k.what;
        EXPECT_EQ(json["rows"].toArray().size(), rows.size()) << k.what;
        for (int r = 1; r < c->MCGrid1->Rows(); ++r) {
            for (const auto& [column, name] : kRowColumns) {
                const QString shown = c->MCGrid1->TextAt(r, column);
                if (r > rows.size())
                    EXPECT_TRUE(shown.isEmpty()) << k.what << " row " << r << " " << name;
                else
                    EXPECT_EQ(shown, rows[r - 1].toObject()[name].toString())
                        << k.what << " row " << r << " " << name;
            }
        }
        test::ExpectGridIs(c->MCGrid2, texts["extra_payments"].toArray(), "MCGrid2");
        LeaveComparison();
    }
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

// A taller frame (maximised) gives its height to the grid, not to a grey
// margin: more rows in view, the same width, the buttons where they were; back
// at the design size once the frame is small again.
TEST_F(ComparisonScreenTest, AGridTakesTheHeightTheFrameGives) {
    struct Case {
        const char* what;
        std::function<QWidget*()> open;  // the grid that grows
        std::function<QWidget*()> button;
    };
    const Case cases[] = {
        {"tables", [this] { return Open()->MGrid; }, [this] { return s->MCalc; }},
        {"comparison", [this] { return OpenComparison()->MCGrid2; }, [this] { return c->MCCalc; }},
    };
    MainFrame& frame = app->Frame();
    const QSize normal = frame.size();
    for (const auto& k : cases) {
        QWidget* grid = k.open();
        QApplication::processEvents();
        const QSize small = grid->size();
        const QPoint button = k.button()->mapTo(grid->parentWidget(), QPoint());
        frame.resize(normal.width() + 400, normal.height() + 500);
        QApplication::processEvents();
        EXPECT_GT(grid->height(), small.height() + 300) << k.what;
        EXPECT_EQ(grid->width(), small.width()) << k.what;
        EXPECT_EQ(k.button()->mapTo(grid->parentWidget(), QPoint()), button) << k.what;
        frame.resize(normal);
        QApplication::processEvents();
        EXPECT_EQ(grid->size(), small) << k.what;
        if (k.what == std::string("tables"))
            Exit();
        else
            LeaveComparison();
    }
}

}  // namespace
}  // namespace amortix::gui
