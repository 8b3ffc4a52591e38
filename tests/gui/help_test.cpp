#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include "gui_test_util.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/qt_interaction.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

QString Guide() {
    QFile file(":/help/guide.html");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

TEST(UserGuide, EveryLinkLeadsToATopic) {
    static const QRegularExpression link(R"re(href="#([^"]+)")re");
    int links = 0;
    for (auto it = link.globalMatch(Guide()); it.hasNext(); ++links) {
        const QString topic = it.next().captured(1);
        EXPECT_TRUE(HelpTopicExists(topic)) << topic.toStdString();
    }
    EXPECT_GT(links, 10);
}

TEST(UserGuide, EveryControlOfTheShellHasATopic) {
    const char* controls[] = {"HowToUse",    "Contents",    "MortCalc",      "PersonalLoan", "CompMort",
                              "MFindFactor", "MQualify",    "QInIncome",     "QRules",       "QUseInTables",
                              "PtrFnt",      "HowUse",      "About1",        "EndMort",      "InSy",
                              "InMyName",    "ExitFonts",   "AMsgExit",      "AllYes",       "AllNo",
                              "MGrid",       "InPrincipal", "InRate",        "InTerm",       "Comperiod",
                              "FreqPmt",     "MCalc",       "MFInMthPayment"};
    for (const char* control : controls) EXPECT_TRUE(HelpTopicExists(control)) << control;
}

TEST(UserGuide, TheTopicOfAControlIsTheMostSpecificOne) {
    // A box on a child form of the frame: the form's own topic for it first.
    QMdiArea area;
    auto* form = new QWidget;
    form->setObjectName("MortComp");
    auto* principal = new QLineEdit(form);
    principal->setObjectName("InPrincipal");
    auto* unnamed = new QLineEdit(form);
    area.addSubWindow(form);
    EXPECT_EQ(HelpTopicFor(principal), "MortComp_InPrincipal");
    EXPECT_EQ(HelpTopicFor(unnamed), "MortComp");

    form->setObjectName("MortgageCalc");
    EXPECT_EQ(HelpTopicFor(principal), "InPrincipal");

    // A control without a topic of its own takes its group's, then the form's.
    QWidget dialog;
    dialog.setObjectName("ChangeFnt");
    QWidget group(&dialog);
    group.setObjectName("Frame1");
    QPushButton option(&group);
    option.setObjectName("CPeriod_3");
    EXPECT_EQ(HelpTopicFor(&option), "ChangeFnt_Frame1");
    QWidget lonely;
    lonely.setObjectName("Nothing");
    EXPECT_EQ(HelpTopicFor(&lonely), kHelpStartTopic);
}

TEST(HelpWindow, OpensAtTheTopicOrAtTheStartAndClosesByButtonOrEscape) {
    HelpWindow window;
    window.ShowTopic("InRate");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentTopic(), "InRate");
    EXPECT_TRUE(window.HelpText->source().toString().endsWith("#InRate"));
    EXPECT_TRUE(window.HelpText->toPlainText().contains("Annual interest rate"));
    window.ShowTopic("NoSuchTopic");
    EXPECT_EQ(window.CurrentTopic(), kHelpStartTopic);
    QTest::mouseClick(window.HelpExit, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    window.ShowTopic("InRate");
    test::ShowActive(&window);
    QTest::keyClick(window.HelpText, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// Every topic opens with its line in view and the window's first line at a
// heading or at the topic's own line, never in the middle of a sentence; a
// box described inside a dialog's paragraph opens at the dialog's heading.
TEST(HelpWindow, EveryTopicOpensAtItsHeading) {
    static const QRegularExpression anchor(R"re(<a\s+name="([^"]+)")re");
    HelpWindow window;
    window.show();
    QScrollBar* scroll = window.HelpText->verticalScrollBar();
    const auto firstLine = [&] { return window.HelpText->cursorForPosition(QPoint(4, 2)).block(); };
    for (auto it = anchor.globalMatch(Guide()); it.hasNext();) {
        const QString topic = it.next().captured(1);
        window.ShowTopic(topic);
        int heading = 0;
        const int top = window.TopicTop(topic, &heading);
        const int view = window.HelpText->viewport()->height();
        EXPECT_GE(top, scroll->value()) << topic.toStdString();
        EXPECT_LT(top, scroll->value() + view) << topic.toStdString();
        const bool atHeading = firstLine().blockFormat().headingLevel() > 0;
        EXPECT_TRUE(atHeading || scroll->value() == top || scroll->value() == scroll->maximum())
            << topic.toStdString();
    }
    const struct {
        const char* topic;
        const char* heading;
    } dialogs[] = {{"InDate", "Payment dates"},
                   {"OkExit", "Payment dates"},
                   {"IRFactor", "Days in year"},
                   {"InIRFDays", "Days in year"},
                   {"TermPeriod", "Term: showing only the first years"}};
    for (const auto& d : dialogs) {
        window.ShowTopic(d.topic);
        EXPECT_EQ(firstLine().text(), d.heading) << d.topic;
    }
}

TEST(WindowPlacement, AWindowIsKeptWholeInsideTheScreen) {
    const QRect screen(0, 0, 800, 600);
    const QRect belowAPanel(0, 30, 800, 570);
    const struct {
        QRect area;
        QPoint wanted;
        QSize size;
        QPoint placed;
    } cases[] = {
        {screen, {10, 10}, {100, 100}, {10, 10}},
        {screen, {750, 10}, {100, 100}, {700, 10}},
        {screen, {790, 590}, {100, 100}, {700, 500}},  // the bottom-right corner
        {screen, {-50, -20}, {100, 100}, {0, 0}},
        {screen, {100, 100}, {900, 700}, {0, 0}},  // larger than the screen: its top-left shows
        {belowAPanel, {0, 0}, {100, 100}, {0, 30}},
    };
    for (const auto& c : cases) EXPECT_EQ(KeepInside(c.wanted, c.size, c.area), c.placed) << c.wanted.x();
}

// The guide opens beside the frame, at its right, and whole on the screen,
// made smaller where the screen is; opened again, it stays where it was.
TEST(HelpWindow, OpensBesideTheFrameAndWholeOnTheScreen) {
    const QRect area = AvailableArea(nullptr);
    ASSERT_FALSE(area.isEmpty());
    const struct {
        const char* name;
        QRect frame;
        QSize help;   // invalid: the window's own size
        bool beside;  // right of the frame, level with its top
    } cases[] = {
        {"a frame at the screen's bottom-right corner",
         QRect(area.right() - 150, area.bottom() - 100, 200, 150),
         {},
         false},
        {"a narrow frame at the left", QRect(area.topLeft() + QPoint(10, 10), QSize(200, 200)), {}, true},
        {"a guide larger than the screen", QRect(area.topLeft(), QSize(200, 200)), area.size() * 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state;
        QWidget frame;
        frame.setGeometry(c.frame);
        frame.show();
        QtInteraction interaction(state, &frame);
        interaction.ShowHelp("InRate");
        HelpWindow* help = interaction.Help();
        ASSERT_NE(help, nullptr);
        if (c.help.isValid()) {
            HelpWindow large;
            large.resize(c.help);
            large.PlaceBeside(&frame);
            large.ShowTopic("InRate");
            EXPECT_TRUE(area.contains(large.frameGeometry()));
            EXPECT_EQ(large.frameGeometry().topLeft(), area.topLeft());
            continue;
        }
        EXPECT_TRUE(area.contains(help->frameGeometry()));
        if (c.beside) {
            EXPECT_EQ(help->frameGeometry().topLeft(),
                      QPoint(frame.frameGeometry().right() + 1, frame.frameGeometry().top()));
        }
        const QPoint moved = area.topLeft() + QPoint(20, 10);
        help->move(moved);
        help->close();
        interaction.ShowHelp("InTerm");
        EXPECT_EQ(help->frameGeometry().topLeft(), moved);
        help->close();
    }
}

}  // namespace
}  // namespace amortix::gui
