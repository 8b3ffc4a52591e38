// The schedule grid views: all payments or annual totals, the displayed term
// and its dialog, payment numbers or dates and the date dialog.

#include <QDate>
#include <QLabel>

#include "shell/short_date.h"
#include "tables/date_dialog.h"
#include "tables/term_dialog.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using amortix::ScheduleView;
using test::Find;
using test::TablesProgram;
using test::WhenModal;

using TablesViews = TablesProgram;

// Rejects, and reports, any modal dialog that comes up while `act` runs.
void ExpectNoModal(const std::function<void()>& act) {
    QTimer guard;
    guard.setInterval(5);
    bool seen = false;
    QObject::connect(&guard, &QTimer::timeout, [&seen] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            seen = true;
            modal->reject();
        }
    });
    guard.start();
    act();
    QApplication::processEvents();
    guard.stop();
    EXPECT_FALSE(seen) << "a dialog came up";
}

TEST_F(TablesViews, GridRowsOfEachView) {
    Open();
    const struct {
        bool allPayments;
        std::int16_t term;
        int gridRows;
        int rows;
        const char* header;
    } cases[] = {
        {true, 0, 300, 304, "  Payment   No.  Year"},
        {false, 0, 25, 29, " Payment  Year"},
        {false, 1, 1, 23, " Payment  Year"},  // never fewer than 23
        {true, 5, 60, 64, "  Payment   No.  Year"},
    };
    for (const auto& c : cases) {
        Click(c.allPayments ? s->Option1 : s->Option2);
        EXPECT_EQ(s->View().scheduleView, c.allPayments ? ScheduleView::AllPayments : ScheduleView::Annual);
        EXPECT_EQ(State().EntryEdited, 0);
        s->View().termYears = c.term;
        Calculate();
        EXPECT_EQ(s->View().gridRows, c.gridRows);
        EXPECT_EQ(s->MGrid->Rows(), c.rows);
        EXPECT_EQ(s->MGrid->TextAt(0, 0), c.header);
        EXPECT_EQ(State().ResultsReady, c.allPayments ? c.gridRows + 1 : 25);
    }
}

TEST_F(TablesViews, TheTermDialogRefusesATermLongerThanThePeriod) {
    Open();
    Type(s->InTerm, "5");
    Calculate();
    ASSERT_NE(State().ResultsReady, 0);
    bool checked = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TermDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->TermPeriod[0]->isChecked());
        Click(dialog->TermPeriod[6]);
        EXPECT_EQ(s->View().termYears, 10);
        Click(dialog->MTermExit);
        EXPECT_EQ(Recorded().messages, std::vector<int>{34});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->TermPeriod[0]->isChecked());
        EXPECT_EQ(s->View().termYears, 0);
        Click(dialog->TermPeriod[5]);
        Click(dialog->MTermExit);
        checked = true;
    });
    Click(s->MTerm);
    EXPECT_TRUE(checked);
    EXPECT_EQ(s->View().termYears, 5);
    EXPECT_EQ(State().ResultsReady, 0);
    EXPECT_EQ(State().EntryEdited, 1);

    // It opens on the current term.
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TermDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->TermPeriod[5]->isChecked());
        dialog->reject();
    });
    Click(s->MTerm);
}

// A term longer than what is paid, at Calculate: message 34 and all years.
// Longer than the period, the results come at once; longer than an early
// payoff (Biweekly(Acc) retires 10 years early), they are emptied until the
// next Calculate.
TEST_F(TablesViews, ATermLongerThanThePaymentsFallsBackToAllYears) {
    const struct {
        const char* period;
        int frequency;
        bool shownAtOnce;
    } cases[] = {{"5", 0, true}, {"10", 4, false}};
    for (const auto& c : cases) {
        Open();
        Recorded().messages.clear();
        Type(s->InTerm, c.period);
        Choose(s->FreqPmt, c.frequency);
        s->View().termYears = 10;
        Calculate();
        EXPECT_EQ(Recorded().messages, std::vector<int>{34}) << c.period;
        EXPECT_EQ(s->View().termYears, 0);
        EXPECT_EQ(s->InMonthPI->text().isEmpty(), !c.shownAtOnce);
        EXPECT_EQ(State().ResultsReady != 0, c.shownAtOnce);
        EXPECT_EQ(State().EntryEdited, c.shownAtOnce ? 0 : 1);
        if (!c.shownAtOnce) {
            EXPECT_TRUE(s->MGrid->TextAt(1, 1).isEmpty());
            Recorded().messages.clear();
            Calculate();
            EXPECT_TRUE(Recorded().messages.empty());
        }
        EXPECT_EQ(s->MGrid->TextAt(s->View().gridRows + 2, 0), "Total:");
        EXPECT_LE(s->View().gridRows, 9);
        EXPECT_EQ(s->View().gridRows == 5, c.shownAtOnce);
        Exit();
    }
}

TEST_F(TablesViews, TheDateButtonTogglesAndAsksOnlyWhenSwitchingToDates) {
    Open();
    bool asked = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<DateDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->InDate->text(), ShortDateText(State().FirstPaymentDate));
        asked = true;
        Click(dialog->OkExit);
    });
    Click(s->MDateNumber);
    EXPECT_TRUE(asked);
    EXPECT_EQ(s->MDateNumber->text(), "&View payment No.");
    EXPECT_TRUE(s->View().showDates);
    EXPECT_EQ(State().EntryEdited, 0);

    Click(s->Option1);
    Calculate();
    EXPECT_EQ(s->MGrid->TextAt(0, 0), " Payment  Date");
    EXPECT_EQ(s->MGrid->TextAt(1, 0), ShortDateText(State().FirstPaymentDate));
    EXPECT_EQ(s->MGrid->TextAt(2, 0), ShortDateText(amortix::AddMonths(State().FirstPaymentDate, 1)));

    ExpectNoModal([this] { Click(s->MDateNumber); });
    EXPECT_EQ(s->MDateNumber->text(), "&View payment date");
    EXPECT_FALSE(s->View().showDates);
    EXPECT_EQ(State().ResultsReady, 0);
    Calculate();
    EXPECT_EQ(s->MGrid->TextAt(0, 0), "  Payment   No.  Year");
    EXPECT_EQ(s->MGrid->TextAt(1, 0), "   1       1");
}

// Every date and figure of the grid is shown whole, in each locale's date
// format: a 40-year weekly schedule of a large principal, with dates. The
// date column is laid out wide enough at the start, so it never jumps wider
// when the dates come.
TEST_F(TablesViews, TheGridShowsEveryDateAndFigureWhole) {
    const QLocale saved;
    for (const char* name : {"C", "en_US", "en_GB", "de_DE"}) {
        QLocale::setDefault(QString(name) == "C" ? QLocale::c() : QLocale(QString(name)));
        if (s) Click(s->MExit);
        Open();
        const int dateColumn = s->MGrid->columnWidth(0);
        State().FirstPaymentDate = SerialFromDate(QDate(2026, 5, 14));
        WhenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
        Click(s->MDateNumber);
        test::ShowActive(&app->Frame());  // as the window manager does when the dialog closes
        Click(s->Option1);
        Type(s->InPrincipal, "999999999");
        Choose(s->InTerm, 2);   // 40 years
        Choose(s->FreqPmt, 3);  // every week
        Calculate();
        ASSERT_NE(s->Results(), nullptr);
        ASSERT_GT(s->Results()->gridRows, 1900) << name;
        const QFontMetrics metrics(s->MGrid->font());
        for (int c = 0; c < s->MGrid->Cols(); ++c) {
            int widest = 0;
            for (int r = 1; r < s->MGrid->Rows(); ++r)
                widest = std::max(widest, metrics.horizontalAdvance(s->MGrid->TextAt(r, c)));
            EXPECT_LE(widest + 4, s->MGrid->columnWidth(c)) << name << " column " << c;
        }
        EXPECT_EQ(s->MGrid->columnWidth(0), dateColumn) << name;
    }
    QLocale::setDefault(saved);
}

// After Calculate the first cell is current again, and a 100 % increase in
// the label beside it moves neither the results nor the grid.
TEST_F(TablesViews, CalculateStartsAtTheFirstCellAndKeepsTheLayout) {
    Open();
    Click(s->Option1);
    Calculate();
    QApplication::processEvents();
    const QModelIndex clicked = s->MGrid->model()->index(4, 3);
    QTest::mouseClick(s->MGrid->viewport(), Qt::LeftButton, {}, s->MGrid->visualRect(clicked).center());
    ASSERT_EQ(s->MGrid->currentIndex(), clicked);
    const int gridTop = s->MGrid->y(), lastResultTop = s->TotSavd->y();

    Type(s->InPrincipal, "50000");
    State().ExtraPayments.increase = 1.0f;
    Calculate();
    QApplication::processEvents();
    const QModelIndex first = s->MGrid->model()->index(0, 0);
    EXPECT_EQ(s->MGrid->currentIndex(), first);
    EXPECT_EQ(s->MGrid->selectionModel()->selectedIndexes(), QModelIndexList{first});
    EXPECT_EQ(s->Label16->text(), " P+I includes    100.000%");
    EXPECT_EQ(s->MGrid->y(), gridTop);
    EXPECT_EQ(s->TotSavd->y(), lastResultTop);
}

class DateDialogTest : public TablesProgram {
  protected:
    void SetUp() override {
        TablesProgram::SetUp();
        Open();
        State().FirstPaymentDate = SerialFromDate(QDate(2026, 4, 1));
        dialog = std::make_unique<DateDialog>(Context(), s, QLocale(QLocale::English, QLocale::UnitedStates));
        test::ShowActive(dialog.get());
    }
    void TearDown() override { dialog.reset(); }

    std::unique_ptr<DateDialog> dialog;
};

TEST_F(DateDialogTest, ReadsAndShowsTheShortDateFormat) {
    EXPECT_EQ(dialog->InDate->text(), "4/1/26");
    const QDate today = QDate::currentDate();
    // A two-digit year 60 years ahead is read 40 years back.
    const int back = today.year() - 40;
    const struct {
        QString typed;
        QDate date;
    } cases[] = {
        {"3/15/27", QDate(2027, 3, 15)},
        {"January 15, 2027", QDate(2027, 1, 15)},
        {QString("1/2/%1").arg(back % 100, 2, 10, QChar('0')), QDate(back, 1, 2)},
    };
    for (const auto& c : cases) {
        Type(dialog->InDate, c.typed);
        QTest::keyClick(dialog->InDate, Qt::Key_Return);
        EXPECT_TRUE(dialog->OkExit->hasFocus());
        EXPECT_EQ(State().FirstPaymentDate, SerialFromDate(c.date)) << c.typed.toStdString();
        EXPECT_EQ(dialog->InDate->text(),
                  QLocale(QLocale::English, QLocale::UnitedStates).toString(c.date, QLocale::ShortFormat));
    }
    EXPECT_TRUE(Recorded().messages.empty());
    Click(dialog->OkExit);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(DateDialogTest, ANonDateIsRefusedAndTheFocusStaysInTheBox) {
    for (const char* typed : {"not a date", "2/30/27", "13/1/27"}) {
        Recorded().messages.clear();
        Type(dialog->InDate, typed);
        // Clicking OK leaves the box first: the refusal keeps the dialog open.
        Click(dialog->OkExit);
        QApplication::processEvents();
        EXPECT_EQ(Recorded().messages, std::vector<int>{10}) << typed;
        EXPECT_EQ(dialog->InDate->text(), "4/1/26");
        EXPECT_EQ(State().FirstPaymentDate, SerialFromDate(QDate(2026, 4, 1)));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->InDate->hasFocus());
    }
    Click(dialog->OkExit);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DateDialogTest, EscapeReadsADateStillBeingTyped) {
    Type(dialog->InDate, "xyz");
    QTest::keyClick(dialog->InDate, Qt::Key_Escape);
    EXPECT_EQ(Recorded().messages, std::vector<int>{10});
    EXPECT_TRUE(dialog->isVisible());
    QApplication::processEvents();
    Type(dialog->InDate, "5/6/28");
    QTest::keyClick(dialog->InDate, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(State().FirstPaymentDate, SerialFromDate(QDate(2028, 5, 6)));
}

// The largest figures widen the grid's columns (and the grid) for their
// calculation only; the next one is back at the laid-out widths.
TEST_F(TablesViews, WideFiguresWidenTheColumnsForTheirCalculationOnly) {
    Open();
    const auto widths = [this] {
        std::vector<int> w;
        for (int c = 0; c < s->MGrid->Cols(); ++c) w.push_back(s->MGrid->columnWidth(c));
        return std::pair{w, s->MGrid->width()};
    };
    Calculate();
    const auto normal = widths();
    Type(s->InPrincipal, "9999999.99");
    Type(s->InRate, "30");
    Calculate();
    const auto wide = widths();
    EXPECT_GT(wide.second, normal.second);
    for (int r = 1; r < s->MGrid->Rows(); ++r)
        for (int c = 0; c < s->MGrid->Cols(); ++c)
            EXPECT_LE(s->MGrid->fontMetrics().horizontalAdvance(s->MGrid->TextAt(r, c)),
                      s->MGrid->columnWidth(c))
                << r << "," << c;
    Type(s->InPrincipal, "100000");
    Type(s->InRate, "6");
    Calculate();
    EXPECT_EQ(widths(), normal);
}

}  // namespace
}  // namespace amortix::gui
