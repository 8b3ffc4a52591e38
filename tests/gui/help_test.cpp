#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "gui_test_util.h"
#include "shell/help_window.h"

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
    const char* controls[] = {"HowToUse",    "Contents", "MortCalc",    "PersonalLoan",  "CompMort",
                              "MFindFactor", "PtrFnt",   "HowUse",      "About1",        "EndMort",
                              "InSy",        "InMyName", "ExitFonts",   "AMsgExit",      "AllYes",
                              "AllNo",       "MGrid",    "InPrincipal", "InRate",        "InTerm",
                              "Comperiod",   "FreqPmt",  "MCalc",       "MFInMthPayment"};
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

TEST(HelpWindow, OpensAtTheTopicOrAtTheStart) {
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
}

}  // namespace
}  // namespace amortix::gui
