// The rate-changes dialog, by keyboard and mouse, from the tables and the
// comparison screens, and the rounding list: what the results, the grid and
// the printout text show for them.

#include <QComboBox>
#include <QLineEdit>

#include "comparison_test_util.h"
#include "core/format/numfmt.h"
#include "core/forms/schedule_texts.h"
#include "dialogs/rate_changes_dialog.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "shell/grid_widget.h"

namespace amortix::gui {
namespace {

using test::ComparisonProgram;
using test::Find;
using test::Red;
using test::WhenModal;

class RateChangesTest : public ComparisonProgram {
  protected:
    // In the open dialog: types a change into the four boxes, Enter from box
    // to box and on to Add, which Enter presses.
    static void TypeChange(QWidget* dialog, const char* year, const char* month, const char* rate,
                           bool keep) {
        auto* yearBox = Find<QLineEdit>(dialog, "InChangeYear");
        Enter(yearBox);
        QTest::keyClicks(yearBox, year);
        QTest::keyClick(yearBox, Qt::Key_Return);
        auto* monthBox = Find<QLineEdit>(dialog, "InChangeMonth");
        EXPECT_TRUE(monthBox->hasFocus());
        QTest::keyClicks(monthBox, month);
        QTest::keyClick(monthBox, Qt::Key_Return);
        auto* rateBox = Find<QLineEdit>(dialog, "InChangeRate");
        EXPECT_TRUE(rateBox->hasFocus());
        QTest::keyClicks(rateBox, rate);
        QTest::keyClick(rateBox, Qt::Key_Return);
        auto* payment = Find<QComboBox>(dialog, "ChangePayment");
        EXPECT_TRUE(payment->hasFocus());
        if (keep) QTest::keyClick(payment, Qt::Key_Down);
        QTest::keyClick(payment, Qt::Key_Return);
        auto* add = Find<QPushButton>(dialog, "RCAdd");
        EXPECT_TRUE(add->hasFocus());
        QTest::keyClick(add, Qt::Key_Return);
    }
    // Opens the dialog with `button`, lets `act` work in it, then OK.
    void InDialog(QPushButton* button, const std::function<void(QWidget*)>& act) {
        WhenModal([act](QWidget* modal) {
            act(modal);
            QTest::keyClick(modal, Qt::Key_O, Qt::AltModifier);
        });
        Click(button);
        QApplication::processEvents();
    }
    // Save File or Open File with `name` in a folder of the test's.
    void ClickNaming(QPushButton* button, const QString& name) {
        auto* dialog = dynamic_cast<RecordingFileDialog*>(&FileCommands::Of(app->Frame())->Dialog());
        ASSERT_NE(dialog, nullptr);
        dialog->answers.push_back(files.filePath(name));
        Click(button);
        QApplication::processEvents();
    }
    QTemporaryDir files;
    static QStringList GridRow(const GridWidget* grid, int row) {
        QStringList cells;
        for (int c = 0; c < grid->Cols(); ++c) cells << grid->TextAt(row, c);
        return cells;
    }
};

// 300,000 at 5 % compounded semiannually over 25 years, renewed at 6 % after
// five years: 1,891.02 a month from payment 61 (closed-form annuity, as in
// the engine's tests), and the grid gains the rate column.
TEST_F(RateChangesTest, TheTablesScreenTakesARenewalByKeyboard) {
    Open();
    Figures("300000", "5", "25");
    Choose(s->Comperiod, 3);
    InDialog(s->MRateChanges, [](QWidget* d) {
        TypeChange(d, "6", "1", "6", false);
        TypeChange(d, "11", "4", "4.5", true);
        const auto* grid = Find<GridWidget>(d, "RCGrid");
        EXPECT_EQ(GridRow(grid, 1), (QStringList{"6", "1", "6.000", "Recalculate"}));
        EXPECT_EQ(GridRow(grid, 2), (QStringList{"11", "4", "4.500", "Keep"}));
        // Typing moved on to a new change: the boxes offer the next renewal.
        EXPECT_EQ(Find<QLineEdit>(d, "InChangeYear")->text(), "16");
    });
    EXPECT_TRUE(Red(s->RateChangesOn));
    ASSERT_EQ(s->Form().RateChanges().size(), 2u);
    Calculate();
    EXPECT_TRUE(Recorded().messages.empty());
    ASSERT_NE(s->Results(), nullptr);
    EXPECT_EQ(s->MGrid->Cols(), 7);
    EXPECT_EQ(s->MGrid->TextAt(0, 6), "Rate %");
    // The wider grid widens the screen: the buttons keep their whole captions.
    QApplication::processEvents();
    for (const QPushButton* button : {s->MAddPrePay, s->MRateChanges, s->MCalc})
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();
    EXPECT_GE(s->MAddPrePay->x(), s->MGrid->geometry().right());
    EXPECT_EQ(s->MGrid->TextAt(1, 6).trimmed(), "5.000");
    EXPECT_EQ(s->MGrid->TextAt(6, 6).trimmed(), "6.000");
    EXPECT_EQ(s->MGrid->TextAt(11, 6).trimmed(), "4.500");
    bool listed = false;
    for (int r = 1; r < s->MGrid->Rows(); ++r)
        listed = listed || (s->MGrid->TextAt(r, 0).startsWith("Year    6") &&
                            s->MGrid->TextAt(r, 3).trimmed() == "$1,891.02");
    EXPECT_TRUE(listed);
    // Every cell is the engine's text for the same inputs.
    const amortix::ScheduleGrid grid(
        std::make_shared<const amortix::ScheduleResult>(amortix::CalculateSchedule(s->Inputs())), "$",
        s->Inputs().formatDate);
    ASSERT_EQ(s->MGrid->Rows(), grid.RowCount());
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int col = 0; col < grid.ColumnCount(); ++col)
            ASSERT_EQ(s->MGrid->TextAt(r, col).toStdString(), grid.Cell(r, col)) << r << "," << col;

    // Without changes the grid is back to six columns.
    InDialog(s->MRateChanges, [](QWidget* d) { Click(Find<QPushButton>(d, "RCErase")); });
    EXPECT_FALSE(Red(s->RateChangesOn));
    Calculate();
    EXPECT_EQ(s->MGrid->Cols(), 6);
}

// A change out of range is message 46 and is not listed; Escape leaves the
// changes the screen had; the list is edited by selecting, replacing and
// removing rows with the mouse.
TEST_F(RateChangesTest, TheDialogRefusesEditsAndCancels) {
    Open();
    InDialog(s->MRateChanges, [](QWidget* d) {
        TypeChange(d, "1", "1", "6", false);  // the first rate itself
        TypeChange(d, "41", "1", "6", false);
        TypeChange(d, "3", "1", "5", false);
        TypeChange(d, "8", "1", "7", false);
        auto* grid = Find<GridWidget>(d, "RCGrid");
        EXPECT_EQ(grid->TextAt(2, 0), "8");
        // Row 1 selected shows its change; a new rate replaces it.
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        EXPECT_EQ(Find<QLineEdit>(d, "InChangeRate")->text(), "5.000");
        Find<QLineEdit>(d, "InChangeRate")->setText("5.5");
        Click(Find<QPushButton>(d, "RCReplace"));
        EXPECT_EQ(grid->TextAt(1, 2), "5.500");
        // Row 2 removed.
        grid->setCurrentIndex(grid->model()->index(1, 0));
        Click(Find<QPushButton>(d, "RCRemove"));
        EXPECT_TRUE(grid->TextAt(2, 0).isEmpty());
    });
    EXPECT_EQ(Recorded().messages, (std::vector<int>{46, 46}));
    ASSERT_EQ(s->Form().RateChanges().size(), 1u);
    EXPECT_EQ(s->Form().RateChanges()[0],
              (amortix::RateChange{3, 1, 5.5, amortix::RateChangePayment::Recalculate}));

    WhenModal([](QWidget* d) {
        TypeChange(d, "9", "1", "9", false);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Click(s->MRateChanges);
    EXPECT_EQ(s->Form().RateChanges().size(), 1u);
    // OK with a change typed but not added adds it; a bad one stays on its message.
    WhenModal([](QWidget* d) {
        Find<QLineEdit>(d, "InChangeYear")->setText("12");
        Find<QLineEdit>(d, "InChangeRate")->setText("101");
        Click(Find<QPushButton>(d, "RCOK"));
        EXPECT_TRUE(d->isVisible());
        Find<QLineEdit>(d, "InChangeRate")->setText("7.25");
        Click(Find<QPushButton>(d, "RCOK"));
    });
    Click(s->MRateChanges);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{46, 46, 46}));
    ASSERT_EQ(s->Form().RateChanges().size(), 2u);
    EXPECT_EQ(s->Form().RateChanges()[1].ratePercent, 7.25);
    // The changes end with the screen.
    Exit();
    Open();
    EXPECT_TRUE(s->Form().RateChanges().empty());
    EXPECT_FALSE(Red(s->RateChangesOn));
}

// 100,000 at 6 % compounded monthly over 25 years: 300 payments of
// 644.301386 pay 193,290.42 exactly (closed-form annuity); rounded as a
// lender rounds, 644.30 and the interest in cents pay 193,290.89 (the
// cent-by-cent decimal simulation of the engine's tests).
TEST_F(RateChangesTest, TheRoundingListPaysAsALenderDoes) {
    Open();
    Figures("100000", "6", "25");
    EXPECT_EQ(s->Rounding->currentText(), "Exact");
    EXPECT_EQ(s->Rounding->accessibleName(), "Payments worked out");
    Calculate();
    EXPECT_EQ(s->AllPayments->text().trimmed(), "$193,290.42");
    Choose(s->Rounding, 1);
    EXPECT_TRUE(s->AllPayments->text().isEmpty());  // choosing clears the results
    Calculate();
    EXPECT_EQ(s->InMonthPI->text().trimmed(), "$644.30");
    EXPECT_EQ(s->AllPayments->text().trimmed(), "$193,290.89");
    EXPECT_EQ(s->Inputs().rounding, amortix::Rounding::Lender);
}

// "Renew at 4, 5, 6 and 7 %": four comparison rows, each with its own change
// typed in the dialog; total interest grows with the renewal rate, and the
// 6 % row's is 258,533.87 (closed form: 60 payments of 1,744.814955, 240 of
// 1,891.020709, less the principal).
TEST_F(RateChangesTest, AComparisonOfFourRenewalRates) {
    OpenComparison();
    Row("300000", "5", "25", 3, 0);
    for (const char* rate : {"4", "5", "6", "7"}) {
        InDialog(c->MCRateChanges, [rate](QWidget* d) {
            Click(Find<QPushButton>(d, "RCErase"));
            TypeChange(d, "6", "1", rate, false);
        });
        CalculateRow();
    }
    EXPECT_TRUE(Recorded().messages.empty());
    const auto& state = c->Form().Table().State();
    ASSERT_EQ(state.rowCount, 4);
    double before = 0;
    for (std::size_t r = 0; r < 4; ++r) {
        ASSERT_TRUE(state.rowValues[r]);
        const double interest = state.rowValues[r]->totalInterest;
        EXPECT_GT(interest, before) << r;
        before = interest;
    }
    EXPECT_NEAR(state.rowValues[2]->totalInterest, 258533.87, 0.005);
    EXPECT_EQ(c->MCGrid1->TextAt(3, 11).trimmed(), "$258,533.87");
    EXPECT_NE(state.printout.find("Year  6 month  1   6.000% Recalculate, payment $1,891.02"),
              std::string::npos);
    // The grid has no column for them: each row's cells tell its change.
    EXPECT_EQ(c->MCGrid1->model()->data(c->MCGrid1->model()->index(2, 8), Qt::ToolTipRole).toString(),
              "Year  6 month  1   6.000% Recalculate, payment $1,891.02");
    EXPECT_TRUE(Red(c->MCRateChangesOn));
    // A lender-rounded row says so in its printout lines.
    Choose(c->MCRounding, 1);
    CalculateRow();
    EXPECT_NE(state.printout.rfind("Rounded as lenders do"), std::string::npos);
    LeaveComparison();
}

// A table saved with its changes and rounding opens, on a fresh screen, to
// the same inputs and the same schedule; so does a comparison's next row.
TEST_F(RateChangesTest, FilesKeepTheChangesAndTheRounding) {
    Open();
    Figures("300000", "5", "25");
    InDialog(s->MRateChanges, [](QWidget* d) {
        TypeChange(d, "6", "1", "6", false);
        TypeChange(d, "11", "4", "4.5", true);
    });
    Choose(s->Rounding, 1);
    Calculate();
    const amortix::ScheduleInputs saved = s->Inputs();
    const amortix::ScheduleResult before = amortix::CalculateSchedule(saved);
    ClickNaming(s->MSaveFile, "renewal.qmd");
    Exit();
    Open();
    ClickNaming(s->MLoadFile, "renewal.qmd");
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(s->Inputs().rateChanges, saved.rateChanges);
    EXPECT_EQ(s->Rounding->currentIndex(), 1);
    EXPECT_TRUE(Red(s->RateChangesOn));
    ASSERT_NE(s->Results(), nullptr);
    EXPECT_EQ(s->Results()->summary.totalPaid, before.summary.totalPaid);
    EXPECT_EQ(s->Results()->summary.rateChanges, before.summary.rateChanges);
    EXPECT_EQ(s->MGrid->Cols(), 7);
    Exit();

    OpenComparison();
    Row("300000", "5", "25", 3, 0);
    InDialog(c->MCRateChanges, [](QWidget* d) { TypeChange(d, "6", "1", "7", false); });
    Choose(c->MCRounding, 1);
    CalculateRow();
    const amortix::ComparisonInputs next = c->Inputs();
    ClickNaming(c->CSaveFile, "renewals.qcd");
    LeaveComparison();
    OpenComparison();
    ClickNaming(c->CLoadFile, "renewals.qcd");
    EXPECT_EQ(c->Inputs().rateChanges, next.rateChanges);
    EXPECT_EQ(c->Inputs().rounding, amortix::Rounding::Lender);
    EXPECT_TRUE(Red(c->MCRateChangesOn));
    // The opened comparison's next row is the saved one's.
    CalculateRow();
    const auto& rows = c->Form().Table().State().rowValues;
    ASSERT_TRUE(rows[1]);
    EXPECT_EQ(c->MCGrid1->TextAt(2, 11), c->MCGrid1->TextAt(1, 11));
    LeaveComparison();
}

}  // namespace
}  // namespace amortix::gui
