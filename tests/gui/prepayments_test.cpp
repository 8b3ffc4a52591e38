// The prepayments page of the additional-payments dialog, by keyboard and
// mouse, from the tables and the comparison screens: the result boxes, the
// limit message, and a table saved and opened with them.
//
// The figures come from tests/core/calc/prepayment_figures.py's `run`, a
// decimal month-by-month schedule apart from the engine:
//   run(100000, "10.125", 12, 25): 300 payments;
//   with recurring=(100, 13, end), once={27: [8000], 33: [8000]}, recast=True:
//     218 payments, 71,067.51 less interest (82 months sooner: 6 yr 10 mo);
//   with once={27: [8000], 33: [8000]}: 94,633.02 of interest.
// Year 3 pays 8,000 twice and 100 twelve times, 17,200: 7,200 over 10 % of
// 100,000 (by hand).

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "comparison_test_util.h"
#include "dialogs/additional_payments_dialog.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "shell/grid_widget.h"

namespace amortix::gui {
namespace {

using test::ComparisonProgram;
using test::Find;
using test::Red;
using test::WhenModal;

class PrepaymentsTest : public ComparisonProgram {
  protected:
    // Types into a box reached by Enter and moves on with Enter.
    static void TypeOn(QWidget* dialog, const char* box, const char* keys) {
        auto* edit = Find<QLineEdit>(dialog, box);
        EXPECT_TRUE(edit->hasFocus()) << box;
        QTest::keyClicks(edit, keys);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // A one-time amount typed from the year box on, then Add by Enter.
    static void TypeOnce(QWidget* dialog, const char* year, const char* month, const char* amount) {
        TypeOn(dialog, "InOnceYear", year);
        TypeOn(dialog, "InOnceMonth", month);
        TypeOn(dialog, "InOnceAmount", amount);
        auto* add = Find<QPushButton>(dialog, "OnceAdd");
        EXPECT_TRUE(add->hasFocus());
        QTest::keyClick(add, Qt::Key_Return);
    }
    // The whole plan by keyboard: 100 more from year 2, 8,000 in months 3 and
    // 9 of year 3, the payment lowered after each, a yearly limit of 10 %.
    static void TypePlan(QWidget* d) {
        QTest::keyClick(d, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(Find<QTabWidget>(d, "PrePayTabs")->currentIndex(), 1);
        QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
        TypeOn(d, "InEveryAmount", "100");
        TypeOn(d, "InFromYear", "2");
        TypeOn(d, "InFromMonth", "1");
        TypeOn(d, "InToYear", "");
        TypeOn(d, "InToMonth", "");
        TypeOnce(d, "3", "3", "8000");
        // The boxes offer the same month a year on; the year typed over it.
        EXPECT_EQ(Find<QLineEdit>(d, "InOnceYear")->text(), "4");
        TypeOnce(d, "3", "9", "8000");
        QTest::keyClick(d, Qt::Key_W, Qt::AltModifier);
        auto* effect = Find<QComboBox>(d, "InEffect");
        EXPECT_TRUE(effect->hasFocus());
        QTest::keyClick(effect, Qt::Key_Down);
        QTest::keyClick(effect, Qt::Key_Return);
        EXPECT_EQ(effect->currentText(), "Lower the payment");
        TypeOn(d, "InYearlyLimit", "10");
    }
    void InDialog(QPushButton* button, const std::function<void(QWidget*)>& act) {
        WhenModal([act](QWidget* modal) {
            act(modal);
            QTest::keyClick(modal, Qt::Key_O, Qt::AltModifier);
        });
        Click(button);
        QApplication::processEvents();
    }
    void ClickNaming(QPushButton* button, const QString& name) {
        auto* dialog = dynamic_cast<RecordingFileDialog*>(&FileCommands::Of(app->Frame())->Dialog());
        ASSERT_NE(dialog, nullptr);
        dialog->answers.push_back(files.filePath(name));
        Click(button);
        QApplication::processEvents();
    }
    QTemporaryDir files;
};

TEST_F(PrepaymentsTest, TheTablesScreenShowsWhatThePrepaymentsSaveByKeyboard) {
    Open();
    Figures("100000", "10.125", "25");
    Calculate();
    // Without prepayments the two boxes stay empty.
    EXPECT_TRUE(s->PrepaySavd->text().isEmpty());
    EXPECT_TRUE(s->PaidOffSooner->text().isEmpty());
    EXPECT_EQ(s->PrepaySavd->accessibleName(), "Interest saved by prepayments.");

    InDialog(s->MAddPrePay, [](QWidget* d) {
        TypePlan(d);
        const auto* grid = Find<GridWidget>(d, "OnceGrid");
        EXPECT_EQ(grid->TextAt(1, 2), "8,000.00");
        EXPECT_EQ(grid->TextAt(2, 1), "9");
    });
    EXPECT_TRUE(Red(s->AddPmtsOn));
    const amortix::Prepayments& p = State().Prepayments;
    EXPECT_EQ(p.recurring, (amortix::RecurringPrepayment{Currency::FromDouble(100), 2, 1, 0, 12}));
    ASSERT_EQ(p.oneTime.size(), 2u);
    EXPECT_EQ(p.effect, amortix::PrepaymentEffect::LowerPayment);
    EXPECT_EQ(p.yearlyLimitPercent, 10.0);

    Calculate();
    // Going over the limit is not an error: the schedule is there, and the
    // message names the year and by how much.
    EXPECT_EQ(Recorded().messages, (std::vector<int>{47}));
    ASSERT_EQ(Recorded().details.size(), 1u);
    EXPECT_EQ(Recorded().details[0], "Year 3 goes over the yearly limit of $10,000.00 by $7,200.00.");
    ASSERT_NE(s->Results(), nullptr);
    EXPECT_EQ(s->PrepaySavd->text().trimmed(), "$71,067.51");
    EXPECT_EQ(s->PaidOffSooner->text().trimmed(), "6 yr 10 mo");
    EXPECT_EQ(s->Results()->payments, 218);

    // Saved and opened on a fresh screen: the same plan, the same results.
    const amortix::ScheduleInputs saved = s->Inputs();
    ClickNaming(s->MSaveFile, "prepaid.qmd");
    Exit();
    Open();
    EXPECT_FALSE(Red(s->AddPmtsOn));  // the prepayments ended with the screen
    EXPECT_EQ(State().Prepayments, amortix::Prepayments{});
    ClickNaming(s->MLoadFile, "prepaid.qmd");
    EXPECT_EQ(s->Inputs().prepayments, saved.prepayments);
    EXPECT_TRUE(Red(s->AddPmtsOn));
    EXPECT_EQ(s->PrepaySavd->text().trimmed(), "$71,067.51");
    EXPECT_EQ(s->PaidOffSooner->text().trimmed(), "6 yr 10 mo");
}

// Message 49 for a figure out of range, with the dialog left open and
// nothing typed lost; Escape keeps what the screen had; Remove and Erase all.
TEST_F(PrepaymentsTest, TheDialogRefusesBadFiguresAndCancels) {
    Open();
    WhenModal([](QWidget* d) {
        auto* tabs = Find<QTabWidget>(d, "PrePayTabs");
        Find<QLineEdit>(d, "InEveryAmount")->setText("50");
        Find<QLineEdit>(d, "InFromMonth")->setText("13");
        Click(Find<QPushButton>(d, "UsePrePay"));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(tabs->currentIndex(), 1);
        EXPECT_EQ(Find<QLineEdit>(d, "InEveryAmount")->text(), "50");
        Find<QLineEdit>(d, "InFromMonth")->setText("6");
        // A one-time amount typed and not added is added by OK, or refused.
        Find<QLineEdit>(d, "InOnceYear")->setText("41");
        Find<QLineEdit>(d, "InOnceAmount")->setText("1000");
        Click(Find<QPushButton>(d, "UsePrePay"));
        EXPECT_TRUE(d->isVisible());
        Find<QLineEdit>(d, "InOnceYear")->setText("5");
        Click(Find<QPushButton>(d, "UsePrePay"));
    });
    Click(s->MAddPrePay);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{49, 49}));
    EXPECT_EQ(State().Prepayments.recurring.fromMonth, 6);
    ASSERT_EQ(State().Prepayments.oneTime.size(), 1u);
    EXPECT_EQ(State().Prepayments.oneTime[0], (amortix::OneTimePrepayment{5, 1, Currency::FromDouble(1000)}));
    EXPECT_TRUE(Red(s->AddPmtsOn));

    const amortix::Prepayments before = State().Prepayments;
    WhenModal([](QWidget* d) {
        auto* grid = Find<GridWidget>(d, "OnceGrid");
        // The first row is current when the dialog opens: moving back to it shows it.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Up);
        EXPECT_EQ(Find<QLineEdit>(d, "InOnceAmount")->text(), "1000.00");
        Click(Find<QPushButton>(d, "OnceRemove"));
        EXPECT_TRUE(grid->TextAt(1, 0).isEmpty());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Click(s->MAddPrePay);
    EXPECT_EQ(State().Prepayments, before);

    Recorded().answers.push_front(amortix::kAnswerYes);
    WhenModal([](QWidget* d) {
        Click(Find<QPushButton>(d, "DoNotUse"));
        Click(Find<QPushButton>(d, "UsePrePay"));
    });
    Click(s->MAddPrePay);
    EXPECT_EQ(State().Prepayments, amortix::Prepayments{});
    EXPECT_FALSE(Red(s->AddPmtsOn));
}

// The same dialog for the comparison's next row: two lump sums of 8,000 in
// year 3 on the screen's opening mortgage (100,000 at 10.125 % over 25 years).
TEST_F(PrepaymentsTest, AComparisonRowTakesPrepayments) {
    OpenComparison();
    InDialog(c->MCAddPrePay, [](QWidget* d) {
        QTest::keyClick(d, Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(d, Qt::Key_R, Qt::AltModifier);
        TypeOnce(d, "3", "3", "8000");
        TypeOnce(d, "3", "9", "8000");
    });
    EXPECT_TRUE(Red(c->MCAddPmtsOn));
    ASSERT_EQ(c->Form().Prepays().oneTime.size(), 2u);
    CalculateRow();
    EXPECT_TRUE(Recorded().messages.empty());
    ASSERT_EQ(c->Form().Table().State().rowCount, 1);
    EXPECT_EQ(c->MCGrid1->TextAt(1, 11).trimmed(), "$94,633.02");

    // The next row with the lender's 10 % a year: year 3's 16,000 is 6,000 over
    // (by hand), and the message names the year and the amount as the tables
    // screen does; the row still stands.
    c->Form().Prepays().yearlyLimitPercent = 10.0;
    CalculateRow();
    EXPECT_EQ(Recorded().messages, (std::vector<int>{47}));
    ASSERT_EQ(Recorded().details.size(), 1u);
    EXPECT_EQ(Recorded().details[0], "Year 3 goes over the yearly limit of $10,000.00 by $6,000.00.");
    EXPECT_EQ(c->Form().Table().State().rowCount, 2);
    LeaveComparison();
}

}  // namespace
}  // namespace amortix::gui
