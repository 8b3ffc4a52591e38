// The affordability screen: opening figures, the answer box of each option,
// recalculation on leaving boxes and lists, the period limit, failures, the
// quick help, printing's question, the printed part, and agreement
// with the command line.

#include <QGroupBox>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>

#include <iterator>
#include <optional>
#include <utility>

#include "afford_test_util.h"
#include "core/forms/afford_form.h"
#include "shell/look.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

using test::AffordProgram;
using AffordScreenTest = AffordProgram;

// Every text the solver writes, box by box, to compare before and after.
QStringList Texts(const AffordScreen& a) {
    QStringList out;
    for (const QLineEdit* box :
         {a.MFInPrincipal, a.MFInRate, a.MFInTerm, a.MFInMthPayment, a.TotalPmts, a.MFNumPmts, a.MFDaysinYear,
          a.MFNumYrs, a.MFPiPmt, a.MFTotIntSaved, a.MFTotIntPaid})
        out << box->text();
    return out;
}

bool Highlighted(const QLabel* label) {
    return label->autoFillBackground() && label->palette().color(QPalette::Window) != Qt::white;
}

TEST_F(AffordScreenTest, OpensWithThePaymentOfTheDefaultFigures) {
    const struct {
        std::int16_t setting;
        const char* compounding;
        const char* payment;
    } cases[] = {{0, "      Monthly", "         $675.21"}, {3, "   Semiannual", "         $669.82"}};
    for (const auto& c : cases) {
        State().CompoundSetting = c.setting;
        State().DayBasis = amortix::DayBasis::Typed(364.5f);  // left by another screen
        OpenAfford();
        EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Days365);
        EXPECT_EQ(State().DayBasis.biweeklyPeriods, 26.07142857);
        EXPECT_EQ(a->MFCompPeriod->currentText(), c.compounding);
        EXPECT_EQ(a->MFFreqPmt->currentText(), " Biweekly(Acc)");
        EXPECT_TRUE(a->MFPaymentOpt->isChecked());
        EXPECT_EQ(a->MFInPrincipal->text(), "   $100,000.00");
        EXPECT_EQ(a->MFInRate->text(), "        6.500%");
        EXPECT_EQ(a->MFInTerm->text(), "              25");
        EXPECT_EQ(a->MFInMthPayment->text(), c.payment) << c.setting;
        EXPECT_EQ(State().EntryEdited, 0);
        EXPECT_TRUE(a->MsgText->isHidden());
        EXPECT_TRUE(a->MFTextBox->isHidden());
        EXPECT_TRUE(a->MFInPrincipal->hasFocus());
        ExitAfford();
    }
}

TEST_F(AffordScreenTest, EachOptionMakesItsBoxTheAnswerAndRecalculatesNothing) {
    OpenAfford();
    const struct {
        QRadioButton* option;
        QLineEdit* answer;
        QLabel* plainLabel;  // the others are highlighted
    } cases[] = {{a->MFPrincipalOpt, a->MFInPrincipal, a->Label16},
                 {a->MfTermOpt, a->MFInTerm, a->Label18},
                 {a->MFPaymentOpt, a->MFInMthPayment, a->Label19}};
    const QStringList before = Texts(*a);
    for (const auto& c : cases) {
        Click(c.option);
        EXPECT_EQ(Texts(*a), before) << c.option->objectName().toStdString();
        EXPECT_EQ(State().EntryEdited, 0);
        for (const auto& other : cases) {
            const bool answer = other.answer == c.answer;
            EXPECT_EQ(other.answer->isReadOnly(), answer) << other.answer->objectName().toStdString();
            EXPECT_EQ(other.answer->palette().color(QPalette::Base), answer ? ResultColor() : InputColor());
            EXPECT_EQ(Highlighted(other.plainLabel), !answer) << other.plainLabel->objectName().toStdString();
        }
        EXPECT_FALSE(a->MFInRate->isReadOnly());
        EXPECT_FALSE(Highlighted(a->Label17));
    }
}

TEST_F(AffordScreenTest, TheAnswerBoxTakesNoKeysAndAGivenPaymentFindsThePrincipal) {
    OpenAfford();
    Click(a->MFPrincipalOpt);
    Type(a->MFInPrincipal, "5");
    QTest::keyClick(a->MFInPrincipal, Qt::Key_Delete);
    QTest::keyClick(a->MFInPrincipal, Qt::Key_Backspace);
    EXPECT_EQ(a->MFInPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(State().EntryEdited, 0);

    Type(a->MFInMthPayment, "1000");
    QTest::keyClick(a->MFInMthPayment, Qt::Key_Return);
    EXPECT_TRUE(a->MFCalc->hasFocus());
    EXPECT_EQ(a->MFInMthPayment->text(), "       $1,000.00");
    EXPECT_EQ(a->MFInPrincipal->text(), "     $148,102.70");
    EXPECT_TRUE(Recorded().messages.empty());
}

TEST_F(AffordScreenTest, EnterWalksTheBoxesInOrder) {
    OpenAfford();
    ExpectEnterWalks({a->MFInPrincipal, a->MFInRate, a->MFInTerm, a->MFInMthPayment, a->MFCalc});
    ExpectEnterWalks({a->MFCompPeriod, a->MFInPrincipal});
    ExpectEnterWalks({a->MFFreqPmt, a->MFCalc});
}

TEST_F(AffordScreenTest, APeriodAbove40BecomesFortyWithMessage5) {
    OpenAfford();
    Give(a->MFInTerm, "45");
    EXPECT_EQ(Recorded().messages, std::vector<int>{5});
    EXPECT_EQ(a->MFInTerm->text(), "              40");
    EXPECT_EQ(a->Form().Figures().years, 40);
    amortix::AffordForm forty;
    forty.EnterYears(40);
    forty.Calculate(amortix::Compounding::Monthly, amortix::Frequency::BiweeklyAccelerated,
                    amortix::DayBasis{});
    const auto expected = [&](amortix::AffordBox box) { return QString::fromStdString(forty.Text(box)); };
    EXPECT_EQ(a->MFInMthPayment->text(), expected(amortix::AffordBox::Payment));
    EXPECT_EQ(a->MFNumYrs->text(), expected(amortix::AffordBox::YearsToFinal));
    EXPECT_EQ(a->Form().Figures().payment, forty.Figures().payment);

    // Also a period the user did not type.
    Give(a->MFInTerm, "20");
    a->MFInTerm->setText("50");
    Enter(a->MFInTerm);
    Enter(a->MFInRate);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{5, 5}));
    EXPECT_EQ(a->MFInTerm->text(), "              40");
    EXPECT_EQ(a->MFInMthPayment->text(), expected(amortix::AffordBox::Payment));
}

TEST_F(AffordScreenTest, AListRecalculatesWhenLeftAfterAChoiceOnly) {
    OpenAfford();
    // Opened and closed without a choice: leaving changes nothing.
    Enter(a->MFFreqPmt);
    a->MFFreqPmt->setCurrentIndex(1);  // shown, never chosen
    a->MFFreqPmt->showPopup();
    a->MFFreqPmt->hidePopup();
    test::ShowActive(&app->Frame());
    Enter(a->MFInRate);
    EXPECT_EQ(a->MFNumPmts->text(), "      26");

    // A typed key only beeps; the choice before it still counts.
    Choose(a->MFFreqPmt, 0);
    QTest::keyClick(a->MFFreqPmt, Qt::Key_A);
    EXPECT_EQ(Recorded().beeps, 1);
    EXPECT_EQ(State().EntryEdited, 1);
    EXPECT_EQ(a->MFNumPmts->text(), "      26");
    Enter(a->MFInRate);
    EXPECT_EQ(a->MFNumPmts->text(), "      12");
    EXPECT_EQ(a->MFTotIntSaved->text(), "              $.00");
    EXPECT_EQ(a->MFDaysinYear->text(), "Normal");
    EXPECT_EQ(State().EntryEdited, 0);

    Choose(a->MFCompPeriod, 3);
    Enter(a->MFInRate);
    EXPECT_EQ(a->MFInMthPayment->text(), "         $669.82");
}

TEST_F(AffordScreenTest, FailuresShowTheMessageLine) {
    OpenAfford();
    // Too small a payment: the focus goes back to it.
    Click(a->MfTermOpt);
    Give(a->MFInMthPayment, "541");
    QApplication::processEvents();
    EXPECT_TRUE(a->MsgText->isVisible());
    EXPECT_EQ(a->MsgText->toPlainText(), amortix::kAffordTooSmall);
    EXPECT_TRUE(a->MFInMthPayment->hasFocus());
    EXPECT_EQ(a->MFInTerm->text(), "");
    for (const QLineEdit* box :
         {a->TotalPmts, a->MFNumPmts, a->MFNumYrs, a->MFPiPmt, a->MFTotIntSaved, a->MFTotIntPaid})
        EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
    EXPECT_EQ(a->MFDaysinYear->text(), "365");

    // A good payment hides the message again.
    Give(a->MFInMthPayment, "700");
    EXPECT_TRUE(a->MsgText->isHidden());
    EXPECT_EQ(a->MFInTerm->text(), "           22.93");

    // A missing principal, solving for the payment.
    Click(a->MFPaymentOpt);
    Give(a->MFInPrincipal, "0");
    EXPECT_EQ(a->MsgText->toPlainText(), amortix::kAffordMissingEntry);
    EXPECT_EQ(a->MFInMthPayment->text(), "");
    EXPECT_FALSE(a->MFInMthPayment->hasFocus());
}

// A run that fails before the accelerated panel leaves the days box as the
// last run that reached it wrote it, even when the days changed since.
TEST_F(AffordScreenTest, AFailedRunKeepsTheDaysItDidNotReach) {
    OpenAfford();
    Give(a->MFInPrincipal, "0");
    ASSERT_TRUE(a->MsgText->isVisible());
    ChooseDayBasis(a->MFShowIRF, 0);
    EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Days365_25);
    EXPECT_TRUE(a->MsgText->isVisible());
    EXPECT_EQ(a->MFDaysinYear->text(), "365");
    EXPECT_EQ(a->MFInPrincipal->text(), "            $.00");
    EXPECT_EQ(a->MFInTerm->text(), "              25");
    EXPECT_EQ(a->MFInMthPayment->text(), "");
    // The next good run shows the new days.
    Give(a->MFInPrincipal, "100000");
    EXPECT_TRUE(a->MsgText->isHidden());
    EXPECT_EQ(a->MFDaysinYear->text(), "365.25");
}

TEST_F(AffordScreenTest, QuickHelpStaysWhileTypingAndClosesOnLeaving) {
    OpenAfford();
    Click(a->MFHelp);
    ExpectQuickHelp(true, a->MFHelp, a->MFTextBox, nullptr);
    EXPECT_TRUE(a->MFTextBox->hasFocus());
    EXPECT_TRUE(a->MFTextBox->toPlainText().endsWith("Press F1 key for more detailed information."));

    // An option button leaves it open too.
    Click(a->MFPaymentOpt);
    Type(a->MFInRate, "7");
    EXPECT_TRUE(a->MFTextBox->isVisible());
    EXPECT_EQ(a->MFInRate->text(), "7");
    Enter(a->MFInTerm);
    ExpectQuickHelp(false, a->MFHelp, a->MFTextBox, nullptr);
    EXPECT_EQ(a->MFInRate->text(), "         7.000%");
    EXPECT_EQ(a->MFInMthPayment->text(), "         $706.78");

    // The button closes it as well.
    Click(a->MFHelp);
    Click(a->MFHelp);
    ExpectQuickHelp(false, a->MFHelp, a->MFTextBox, nullptr);
    EXPECT_EQ(State().EntryEdited, 0);
}

TEST_F(AffordScreenTest, NewDaysInYearRecalculateAtOnceAndKeepTheFigures) {
    OpenAfford();
    ChooseDayBasis(a->MFShowIRF, 0);
    EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Days365_25);
    EXPECT_EQ(a->MFDaysinYear->text(), "365.25");
    EXPECT_EQ(State().EntryEdited, 0);
    // Passing through the money boxes changes nothing.
    for (QWidget* box : std::initializer_list<QWidget*>{a->MFInPrincipal, a->MFInMthPayment, a->MFInRate})
        Enter(box);
    EXPECT_EQ(a->MFInPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(a->Form().Figures().principal, 100000);
    EXPECT_TRUE(a->MsgText->isHidden());
}

TEST_F(AffordScreenTest, TheButtonRowLiesBelowThePrintedPart) {
    OpenAfford();
    // A window printout takes the top 5750 twips of the screen.
    const int printed = TwipsToPixelsY(a, 5750);
    for (const QWidget* w : std::initializer_list<const QWidget*>{a->Frame2, a->Frame3, a->MsgText})
        EXPECT_LE(w->mapTo(a, QPoint(0, w->height())).y(), printed) << w->objectName().toStdString();
    for (const QWidget* b : std::initializer_list<const QWidget*>{a->MFCalc, a->MFExit})
        EXPECT_GE(b->mapTo(a, QPoint(0, 0)).y(), printed) << b->objectName().toStdString();
    EXPECT_LE(a->Frame3->mapTo(a, QPoint(a->Frame3->width(), 0)).x(), TwipsToPixelsX(a, 9530));
}

TEST_F(AffordScreenTest, TextsEqualTheCommandLine) {
    const char* kFrequencies[] = {"monthly", "semimonthly",  "2-weeks",
                                  "1-week",  "biweekly-acc", "weekly-acc"};
    const char* kCompoundings[] = {"monthly", "bimonthly", "quarterly", "semiannual", "annual"};
    const struct {
        const char* solve;
        int compounding;
        int frequency;
        const char* principal;  // typed into the box unless empty
        const char* rate;
        const char* years;
        const char* payment;
    } cases[] = {
        {"payment", 0, 0, "150000", "7.25", "30", ""},
        {"payment", 3, 1, "87500.25", "5.5", "15", ""},
        {"principal", 1, 2, "", "6.125", "20", "1250"},
        {"principal", 2, 3, "", "8", "25", "900"},
        {"years", 4, 4, "200000", "4.75", "", "1500"},
        {"years", 0, 5, "100000", "6.5", "", "700"},
        {"years", 0, 4, "100000", "6.5", "", "560"},  // more than 40 years
        {"years", 0, 1, "100000", "6.5", "", "541"},  // not even the first month's interest
        {"payment", 0, 4, "0", "", "", ""},           // missing principal
        {"payment", 0, 2, "", "", "45", ""},          // the period limit
    };
    for (const auto& c : cases) {
        OpenAfford();
        Recorded().messages.clear();
        Choose(a->MFCompPeriod, c.compounding);
        Choose(a->MFFreqPmt, c.frequency);
        Enter(a->MFInRate);
        Click(QString(c.solve) == "principal" ? a->MFPrincipalOpt
              : QString(c.solve) == "years"   ? a->MfTermOpt
                                              : a->MFPaymentOpt);
        QStringList cli{"afford",
                        "--solve",
                        c.solve,
                        "--compounding",
                        kCompoundings[c.compounding],
                        "--frequency",
                        kFrequencies[c.frequency]};
        const std::pair<QLineEdit*, std::pair<const char*, const char*>> given[] = {
            {a->MFInPrincipal, {"--principal", c.principal}},
            {a->MFInRate, {"--rate", c.rate}},
            {a->MFInTerm, {"--years", c.years}},
            {a->MFInMthPayment, {"--payment", c.payment}}};
        for (const auto& [box, option] : given) {
            if (*option.second == '\0') continue;
            Give(box, option.second);
            cli << option.first << option.second;
        }
        QApplication::processEvents();

        const QJsonObject json = test::CliJson(cli);
        const QJsonObject texts = json["texts"].toObject();
        const QJsonObject summary = json["summary"].toObject();
        const std::string asked = cli.join(' ').toStdString();
        const std::pair<const QLineEdit*, const char*> boxes[] = {
            {a->MFInPrincipal, "principal"},
            {a->MFInMthPayment, "payment"},
            {a->MFInTerm, "years"},
            {a->TotalPmts, "total_interest"},
            {a->MFNumPmts, "payments_per_year"},
            {a->MFDaysinYear, "days_in_year"},
            {a->MFNumYrs, "years_to_final"},
            {a->MFPiPmt, "each_payment"},
            {a->MFTotIntSaved, "interest_saved"},
            {a->MFTotIntPaid, "accelerated_total_interest"}};
        ASSERT_EQ(texts.size(), std::size(boxes)) << asked;
        for (const auto& [box, key] : boxes)
            EXPECT_EQ(box->text(), texts[key].toString()) << key << " " << asked;
        // The figures behind the money boxes are the screen's, unrounded.
        using B = amortix::AffordBox;
        for (const auto& [box, key] :
             {std::pair(B::Principal, "principal"), std::pair(B::Payment, "payment"),
              std::pair(B::Years, "years"), std::pair(B::TotalInterest, "total_interest")}) {
            const std::optional<double> shown = a->Form().Value(box);
            EXPECT_EQ(summary[key].isNull(), !shown.has_value()) << key << " " << asked;
            if (shown) {
                EXPECT_DOUBLE_EQ(summary[key].toDouble(), *shown) << key << " " << asked;
            }
        }
        EXPECT_EQ(a->MsgText->isVisible() ? a->MsgText->toPlainText() : QString(),
                  json["message_line"].toString())
            << asked;
        std::vector<int> messages;
        for (const auto m : json["messages"].toArray()) messages.push_back(m.toObject()["number"].toInt());
        EXPECT_EQ(Recorded().messages, messages);
        ExitAfford();
    }
}

}  // namespace
}  // namespace amortix::gui
