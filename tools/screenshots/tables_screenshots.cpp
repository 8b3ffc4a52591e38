// Pictures of the tables screen and its dialogs for the documentation. Runs
// only when AMORTIX_SCREENSHOTS names a folder; scripts/tables_screenshots.sh
// runs them under Xvfb.

#include <QDate>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "dialogs/additional_payments_dialog.h"
#include "dialogs/costs_dialog.h"
#include "dialogs/days_in_year_dialog.h"
#include "dialogs/rate_changes_dialog.h"
#include "screenshots.h"
#include "shell/short_date.h"
#include "tables/date_dialog.h"
#include "tables/term_dialog.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

class TablesScreenshots : public test::Screenshots<test::TablesProgram> {
  protected:
    // The frame with `dialogs` over it, as they sit on the screen.
    void Save(const QString& name, std::initializer_list<QWidget*> dialogs = {}) {
        Settle();
        QWidget& frame = app->Frame();
        QRect area = frame.geometry();
        for (QWidget* d : dialogs) area |= d->geometry();
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        QPainter painter(&image);
        painter.drawPixmap(frame.geometry().topLeft() - area.topLeft(), frame.grab());
        for (QWidget* d : dialogs) {
            const QPoint at = d->geometry().topLeft() - area.topLeft();
            painter.drawPixmap(at, d->grab());
            painter.setPen(QPen(Qt::black, 1));
            painter.drawRect(QRect(at, d->size()).adjusted(0, 0, -1, -1));
        }
        painter.end();
        EXPECT_TRUE(image.save(FileFor(name)));
    }

    void Inputs(const char* principal, const char* rate, const char* term, int compounding, int frequency) {
        Type(s->InPrincipal, principal);
        Type(s->InRate, rate);
        Type(s->InTerm, term);
        Choose(s->Comperiod, compounding);
        Choose(s->FreqPmt, frequency);
    }

    void DatesFrom(const QDate& first) {
        State().FirstPaymentDate = SerialFromDate(first);
        test::WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        Click(s->MDateNumber);
    }
};

TEST_F(TablesScreenshots, Mortgage) {
    Open();
    Inputs("100000", "10.125", "25", 3, 0);
    Calculate();
    Save("tables-mortgage-annual");

    // All payments with dates, accelerated, with additional payments.
    Choose(s->FreqPmt, 4);
    State().ExtraPayments.years = 25;
    State().ExtraPayments.kind = ExtraPaymentKind::Both;
    State().ExtraPayments.increase = 0.02f;
    State().ExtraPayments.amount[3] = Currency::FromDouble(2500);
    State().ExtraPayments.amount[7] = Currency::FromDouble(4000);
    for (int y = 1; y <= 25; ++y)
        State().ExtraPayments.yearNumber[static_cast<std::size_t>(y)] = Currency::FromDouble(y);
    State().ExtraPayments.rowCount = 2;
    ShowAdditionalPaymentsInForce(s->AddPmtsOn, true);
    Click(s->Option1);
    DatesFrom(QDate(2026, 5, 1));
    Calculate();
    Save("tables-mortgage-all-dates");

    Click(s->MHelp);
    Save("tables-mortgage-quick-help");
    Click(s->MHelp);
    Calculate();

    // The term and days dialogs empty the results when they close, the others
    // before they open.
    TermDialog term(Context(), s);
    term.show();
    Save("tables-term-dialog", {&term});
    term.reject();

    State().DayBasis = amortix::DayBasis::Typed(364.5f);
    DaysInYearDialog days(Context(), s);
    days.show();
    Save("tables-days-in-year", {&days});
    days.reject();

    s->ClearResults();
    DateDialog date(Context(), s);
    date.show();
    Save("tables-date-dialog", {&date});
    date.reject();

    AdditionalPaymentsDialog prepay(Context(), State().ExtraPayments, State().Prepayments,
                                    s->Form().Numbers().years, s->AddPmtsOn, s);
    prepay.show();
    Save("tables-additional-payments", {&prepay});
    prepay.reject();
}

TEST_F(TablesScreenshots, PersonalLoan) {
    Open(amortix::TableKind::PersonalLoan);
    Inputs("20000", "8.9", "48", 0, 0);
    Calculate();
    Save("tables-loan-annual");
    Click(s->Option1);
    DatesFrom(QDate(2026, 6, 15));
    Calculate();
    Save("tables-loan-all-dates");
    Click(s->MHelp);
    Save("tables-loan-quick-help");
}

// A renewal at a higher rate and a kept payment after a fall: the dialog,
// then the schedule with its Rate column and the changes listed below it.
TEST_F(TablesScreenshots, RateChanges) {
    Open();
    Inputs("300000", "5", "25", 3, 0);
    test::WhenModal([this](QWidget* dialog) {
        const struct {
            const char *year, *month, *rate;
            int payment;
        } changes[] = {{"6", "1", "6", 0}, {"11", "4", "4.5", 1}};
        for (const auto& c : changes) {
            test::Find<QLineEdit>(dialog, "InChangeYear")->setText(c.year);
            test::Find<QLineEdit>(dialog, "InChangeMonth")->setText(c.month);
            test::Find<QLineEdit>(dialog, "InChangeRate")->setText(c.rate);
            test::Find<QComboBox>(dialog, "ChangePayment")->setCurrentIndex(c.payment);
            Click(test::Find<QPushButton>(dialog, "RCAdd"));
        }
        Save("tables-rate-changes-dialog", {dialog});
        static_cast<QDialog*>(dialog)->accept();
    });
    Click(s->MRateChanges);
    Choose(s->Rounding, 1);
    Calculate();
    Save("tables-rate-changes-annual");
    Click(s->Option1);
    Calculate();
    Settle();
    s->MGrid->scrollTo(s->MGrid->model()->index(56, 0), QAbstractItemView::PositionAtTop);
    Save("tables-rate-changes-all");
}

// Prepayments as people make them: 100 more with every payment from year 2,
// 8,000 twice in year 3 with the payment lowered after each, a yearly limit
// of 10 %: the dialog's page, then the screen with what they saved.
TEST_F(TablesScreenshots, Prepayments) {
    Open();
    Inputs("100000", "10.125", "25", 0, 0);
    test::WhenModal([this](QWidget* dialog) {
        test::Find<QTabWidget>(dialog, "PrePayTabs")->setCurrentIndex(1);
        test::Find<QLineEdit>(dialog, "InEveryAmount")->setText("100");
        test::Find<QLineEdit>(dialog, "InFromYear")->setText("2");
        test::Find<QLineEdit>(dialog, "InFromMonth")->setText("1");
        for (const char* month : {"3", "9"}) {
            test::Find<QLineEdit>(dialog, "InOnceYear")->setText("3");
            test::Find<QLineEdit>(dialog, "InOnceMonth")->setText(month);
            test::Find<QLineEdit>(dialog, "InOnceAmount")->setText("8000");
            Click(test::Find<QPushButton>(dialog, "OnceAdd"));
        }
        test::Find<QComboBox>(dialog, "InEffect")->setCurrentIndex(1);
        test::Find<QLineEdit>(dialog, "InYearlyLimit")->setText("10");
        Save("tables-prepayments-dialog", {dialog});
        static_cast<QDialog*>(dialog)->accept();
    });
    Click(s->MAddPrePay);
    Calculate();
    Save("tables-prepayments");
}

// A Canadian purchase with fees and the costs of the home: the dialog with
// its results over the screen that took the principal from the price.
TEST_F(TablesScreenshots, Costs) {
    Open();
    Inputs("100000", "5", "25", 3, 0);
    test::WhenModal([this](QWidget* modal) {
        auto* d = static_cast<CostsDialog*>(modal);
        const std::pair<QLineEdit*, const char*> typed[] = {
            {d->InPrice, "$500,000.00"},     {d->InDownPayment, "$25,000.00"},  {d->InPoints, "1.000%"},
            {d->InLenderFees, "$1,000.00"},  {d->InClosingCosts, "$1,500.00"},  {d->InPremiumTax, "8.000%"},
            {d->InPropertyTax, "$3,600.00"}, {d->InHomeInsurance, "$1,200.00"}, {d->InCondoFees, "$300.00"},
            {d->InHeating, "$100.00"}};
        for (const auto& [box, text] : typed) box->setText(text);
        d->LenderFeesPaid->setCurrentIndex(1);
        d->Insurance->setCurrentIndex(1);
        Click(d->CostsCalc);
        Save("tables-costs", {d});
        d->accept();
    });
    Click(s->MCosts);
    Calculate();
    Save("tables-costs-screen");
}

// The largest figures the boxes take: every result box and grid column shows
// them whole. Then maximised: the grid takes the room the frame gives it.
TEST_F(TablesScreenshots, LargestFiguresAndMaximised) {
    Open();
    Inputs("9999999.99", "30", "40", 0, 4);
    Calculate();
    Save("tables-largest-figures");
    app->Frame().showMaximized();
    Settle();
    Save("tables-maximised");
    app->Frame().showNormal();
}

}  // namespace
}  // namespace amortix::gui
