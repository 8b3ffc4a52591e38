// The costs dialog of the tables screen, by keyboard: what its result boxes
// show, what it refuses, how the screen keeps the costs (the principal a
// price makes, the indicator), the costs section of the printout and the
// costs in a saved table. The figures are those of
// tests/core/calc/costs_figures.py, worked apart from the program.

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>

#include "dialogs/costs_dialog.h"
#include "print/header_dialog.h"
#include "print/print_output.h"
#include "print/printing.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using test::Find;
using test::Red;
using test::WhenModal;

// 500,000 with 25,000 down insured in Canada (8 % tax on the premium), 1
// point in cash, a 1,000 fee added to the loan, 1,500 of closing costs in
// cash and the costs of the home.
amortix::Costs CanadianPurchase() {
    amortix::Costs c;
    c.price = 500000;
    c.downPayment = 25000;
    c.insurance = amortix::InsuranceKind::Canada;
    c.premiumTaxPercent = 8;
    c.pointsPercent = 1;
    c.lenderFees = 1000;
    c.lenderFeesPaid = amortix::FeePayment::Financed;
    c.closingCosts = 1500;
    c.propertyTaxYearly = 3600;
    c.homeInsuranceYearly = 1200;
    c.condoFeesMonthly = 300;
    c.heatingMonthly = 100;
    return c;
}

QString Collapsed(QString text) {
    return text.simplified();
}

class CostsTest : public test::FilesProgram<test::TablesProgram> {
  protected:
    // 5 % compounded semiannually over 25 years, paid monthly.
    void CanadianMortgage() {
        Open();
        Figures("100000", "5", "25");
        Choose(s->Comperiod, 3);
    }
    // Opens the dialog, lets `act` work in it, then closes it with `close`
    // (Alt+O is OK) unless `act` closed it.
    void InDialog(const std::function<void(CostsDialog*)>& act, int closeKey = Qt::Key_O) {
        WhenModal([act, closeKey](QWidget* modal) {
            auto* costs = qobject_cast<CostsDialog*>(modal);
            ASSERT_NE(costs, nullptr);
            act(costs);
            if (!costs->isVisible()) return;
            // An access key clicks its button a moment later.
            QTest::keyClick(costs, static_cast<Qt::Key>(closeKey),
                            closeKey == Qt::Key_Escape ? Qt::NoModifier : Qt::AltModifier);
            for (int waited = 0; costs->isVisible() && waited < 2000; waited += 10) QTest::qWait(10);
            EXPECT_FALSE(costs->isVisible()) << "left open";
            if (costs->isVisible()) costs->reject();
        });
        Click(s->MCosts);
        QApplication::processEvents();
        // The frame is the active window again, as after a person's dialog.
        test::ShowActive(&app->Frame());
    }
    // Types `text` into the box that has the focus and presses Enter, which
    // must move on to `next`.
    static void TypeOn(QWidget* box, const QString& text, QWidget* next) {
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
        if (!text.isEmpty()) QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << "after " << box->objectName().toStdString();
    }
};

// The whole purchase typed box by box with Enter, each list on its way;
// Enter on Calculate works the results out, Alt+O keeps them.
TEST_F(CostsTest, APurchaseTypedByKeyboard) {
    CanadianMortgage();
    EXPECT_FALSE(Red(s->CostsOn));
    InDialog([this](CostsDialog* d) {
        EXPECT_TRUE(d->InPrice->hasFocus());
        EXPECT_EQ(d->InPrice->accessibleName(), "Purchase price");
        EXPECT_EQ(d->InCostTerm->text(), "5");
        TypeOn(d->InPrice, "500000", d->InDownPayment);
        EXPECT_EQ(d->InPrice->text(), "$500,000.00");
        TypeOn(d->InDownPayment, "25000", d->InPoints);
        TypeOn(d->InPoints, "1", d->PointsPaid);
        TypeOn(d->PointsPaid, {}, d->InLenderFees);
        TypeOn(d->InLenderFees, "1000", d->LenderFeesPaid);
        QTest::keyClick(d->LenderFeesPaid, Qt::Key_Down);  // added to the loan
        TypeOn(d->LenderFeesPaid, {}, d->InClosingCosts);
        TypeOn(d->InClosingCosts, "1500", d->ClosingCostsPaid);
        TypeOn(d->ClosingCostsPaid, {}, d->Insurance);
        QTest::keyClick(d->Insurance, Qt::Key_Down);  // Canada
        TypeOn(d->Insurance, {}, d->InInsuranceRate);
        TypeOn(d->InInsuranceRate, {}, d->InPremiumTax);  // the table's premium
        EXPECT_EQ(d->InInsuranceRate->text(), "");
        TypeOn(d->InPremiumTax, "8", d->InPropertyTax);
        TypeOn(d->InPropertyTax, "3600", d->InHomeInsurance);
        TypeOn(d->InHomeInsurance, "1200", d->InCondoFees);
        TypeOn(d->InCondoFees, "300", d->InHeating);
        TypeOn(d->InHeating, "100", d->InCostTerm);
        TypeOn(d->InCostTerm, {}, d->CostsCalc);
        QTest::keyClick(d->CostsCalc, Qt::Key_Return);
        EXPECT_TRUE(Recorded().messages.empty());
        const std::pair<QLineEdit*, const char*> shown[] = {
            {d->CostsApr, "5.506%"},
            {d->CostsEffectiveRate, "5.647%"},
            {d->CostsAmountFinanced, "$468,530.00"},
            {d->CostsCashAtClosing, "$32,970.00"},
            {d->CostsBorrowingAll, "$395,153.40"},
            {d->CostsBorrowingTerm, "$142,318.84"},
            {d->CostsPremium, "$19,000.00 at 4.000%"},
            {d->CostsPrincipalInterest, "$2,878.94"},
            {d->CostsPropertyTax, "$300.00"},
            {d->CostsHomeInsurance, "$100.00"},
            {d->CostsCondoFees, "$300.00"},
            {d->CostsHeating, "$100.00"},
            {d->CostsMortgageInsurance, "$0.00"},
            {d->CostsMonthlyTotal, "$3,678.94"},
            {d->CostsInsuranceEnds, ""},
        };
        for (const auto& [box, text] : shown) EXPECT_EQ(box->text(), text) << box->objectName().toStdString();
        EXPECT_EQ(d->CostsBorrowingTerm->accessibleName(), "Cost of borrowing, 5-year term");
        EXPECT_TRUE(d->CostsPrincipalNote->text().startsWith("The principal becomes $495,000.00"));
        EXPECT_TRUE(d->CostsEstimates->text().contains("estimates"));
        // F1 opens the guide at the box.
        Enter(d->InPrice);
        QTest::keyClick(d->InPrice, Qt::Key_F1);
        EXPECT_EQ(Recorded().helpTopics, std::vector<QString>{"InPrice"});
    });
    EXPECT_TRUE(Red(s->CostsOn));
    EXPECT_EQ(s->Form().CostsInForce(), CanadianPurchase());
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$495,000.00");
    Calculate();
    EXPECT_TRUE(Recorded().messages.empty());
    ASSERT_NE(s->Results(), nullptr);
    EXPECT_EQ(s->InMonthPI->text().trimmed(), "$2,878.94");
    EXPECT_EQ(s->Inputs().principal, 495000.0);

    // Over 30 years the premium is 4.20 % of 475,000: the principal follows.
    Type(s->InTerm, "30");
    Calculate();
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$495,950.00");
    // The screen closes: the costs go with it.
    Exit();
    Open();
    EXPECT_FALSE(Red(s->CostsOn));
    EXPECT_FALSE(s->Form().CostsInForce().Given());
}

// 400,000 with 20,000 down at 6.5 % compounded monthly over 30 years with US
// insurance of 0.5 % a year: its premium, its end by the 78 % rule and at 80 %.
TEST_F(CostsTest, UnitedStatesInsuranceAndItsEnd) {
    Open();
    Figures("100000", "6.5", "30");
    InDialog([](CostsDialog* d) {
        d->InPrice->setText("400000");
        d->InDownPayment->setText("20000");
        d->Insurance->setCurrentIndex(2);
        d->InInsuranceRate->setText("0.5");
        Click(d->CostsCalc);
        EXPECT_EQ(d->CostsApr->text(), "6.886%");
        EXPECT_EQ(d->CostsPremium->text(), "$158.33 a payment");
        EXPECT_EQ(d->CostsInsuranceEnds->text(), "payment 135 (month 135)");
        EXPECT_EQ(d->CostsInsuranceEndsOnRequest->text(), "payment 124 (month 124)");
        EXPECT_EQ(d->CostsMortgageInsurance->text(), "$158.33");
        EXPECT_EQ(d->CostsBorrowingAll->text(), "$505,885.28");
    });
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$380,000.00");
}

// Refused costs: the numbered message, the dialog still open with what was
// typed; Escape leaves the costs as they were.
TEST_F(CostsTest, RefusalsKeepTheDialogOpenAndEscapeKeepsTheCosts) {
    CanadianMortgage();
    const struct {
        const char* what;
        const char* price;
        const char* down;
        const char* term;
        int insurance;
        int message;
        QString detail;
    } cases[] = {
        {"down payment without a price", "", "1000", "5", 0, 51, {}},
        {"below the minimum", "500000", "24999", "5", 1, 52,
         "The minimum is $25,000.00 for a price of $500,000.00."},
        {"a term of 11 years", "", "", "11", 0, 50, {}},
        {"insurance without a price", "", "", "5", 2, 54, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Recorded().messages.clear();
        Recorded().details.clear();
        bool stayed = false;
        InDialog(
            [&](CostsDialog* d) {
                d->InPrice->setText(c.price);
                d->InDownPayment->setText(c.down);
                d->InCostTerm->setText(c.term);
                d->Insurance->setCurrentIndex(c.insurance);
                Click(d->CostsOK);
                stayed = d->isVisible();
                EXPECT_EQ(d->InDownPayment->text(), c.down);  // nothing typed is lost
                QTest::keyClick(d, Qt::Key_Escape);
            },
            Qt::Key_Escape);
        EXPECT_TRUE(stayed);
        EXPECT_EQ(Recorded().messages, std::vector<int>{c.message});
        ASSERT_EQ(Recorded().details.size(), 1u);
        EXPECT_EQ(Recorded().details.front(), c.detail);
        EXPECT_FALSE(s->Form().CostsInForce().Given());
        EXPECT_FALSE(Red(s->CostsOn));
    }

    // Costs in force: a box changed and the dialog left with Escape keeps them.
    s->RestoreCosts(CanadianPurchase());
    InDialog(
        [](CostsDialog* d) {
            EXPECT_EQ(d->CostsApr->text(), "5.506%");  // shown at once
            Enter(d->InHeating);
            QTest::keyClicks(d->InHeating, "999");
            QTest::keyClick(d->InHeating, Qt::Key_Escape);  // puts the box back
            EXPECT_EQ(d->InHeating->text(), "$100.00");
            QTest::keyClicks(d->InHeating, "999");
            Enter(d->InCondoFees);
            QTest::keyClick(d->InCondoFees, Qt::Key_Escape);  // nothing to put back: closes
        },
        Qt::Key_Escape);
    EXPECT_EQ(s->Form().CostsInForce(), CanadianPurchase());

    // A period the costs cannot go with refuses the calculation, not the costs.
    Type(s->InTerm, "35");
    Recorded().messages.clear();
    Calculate();
    EXPECT_EQ(Recorded().messages, std::vector<int>{55});
    EXPECT_EQ(s->Results(), nullptr);
    EXPECT_TRUE(Red(s->CostsOn));

    // Erase and OK: no costs in force.
    InDialog([](CostsDialog* d) {
        Click(d->CostsErase);
        EXPECT_TRUE(d->InPrice->text().isEmpty());
        EXPECT_TRUE(d->CostsApr->text().isEmpty());
    });
    EXPECT_FALSE(s->Form().CostsInForce().Given());
    EXPECT_FALSE(Red(s->CostsOn));
}

// The printout ends with the costs section, the engine's lines for these costs.
TEST_F(CostsTest, ThePrintoutHasTheCostsSection) {
    const QString pdf = Path("costs.pdf");
    Printing::Of(app->Frame()).SetOutput(std::make_unique<PdfFileOutput>(pdf));
    CanadianMortgage();
    s->RestoreCosts(CanadianPurchase());
    Calculate();
    ASSERT_NE(s->Results(), nullptr);
    WhenModal([](QWidget* modal) {
        auto* header = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(header, nullptr);
        Click(header->Acept);
    });
    Click(s->MPrinter);
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString printed = Collapsed(QString::fromUtf8(text.readAllStandardOutput()));
    for (const char* line : {"Costs (estimates: the lender's disclosure governs)",
                             "Purchase price $500,000.00", "Amount financed $468,530.00",
                             "Cash needed at closing $32,970.00", "Annual percentage rate (estimate) 5.506%",
                             "5-year term $115,848.84 $5,950.00 $20,520.00 $142,318.84", "Total $3,678.94"})
        EXPECT_TRUE(printed.contains(line)) << line;

    // Without costs the report has no such section.
    s->RestoreCosts({});
    Calculate();
    WhenModal([](QWidget* modal) { Click(qobject_cast<PrinterHeaderInput*>(modal)->Acept); });
    Click(s->MPrinter);
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    EXPECT_FALSE(QString::fromUtf8(text.readAllStandardOutput()).contains("Amount financed"));
}

// Save File writes the costs record; Open File on a fresh screen brings the
// costs back and calculates with them. A table without costs has no record,
// and opening it ends the costs in force.
TEST_F(CostsTest, SavedAndOpenedWithTheTable) {
    CanadianMortgage();
    s->RestoreCosts(CanadianPurchase());
    Calculate();
    ClickNaming(s->MSaveFile, Path("house.qmd"));
    EXPECT_TRUE(Recorded().messages.empty());
    // The record as the file layout gives it.
    EXPECT_TRUE(test::ReadAll(Path("house.qmd"))
                    .contains("\"Costs\",500000,25000,1,\"Paid in cash\",1000,\"Added to the loan\",1500,"
                              "\"Paid in cash\",\"Canada\",,8,0,3600,1200,300,100,5\r\n"));
    Exit();

    Open();
    ClickNaming(s->MLoadFile, Path("house.qmd"));
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(s->Form().CostsInForce(), CanadianPurchase());
    EXPECT_TRUE(Red(s->CostsOn));
    ASSERT_NE(s->Results(), nullptr);
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$495,000.00");
    EXPECT_EQ(s->InMonthPI->text().trimmed(), "$2,878.94");

    // The same table without costs: no record, and open ends the costs.
    s->RestoreCosts({});
    Calculate();
    ClickNaming(s->MSaveFile, Path("plain.qmd"));
    EXPECT_FALSE(test::ReadAll(Path("plain.qmd")).contains("Costs"));
    s->RestoreCosts(CanadianPurchase());
    ClickNaming(s->MLoadFile, Path("plain.qmd"));
    EXPECT_FALSE(s->Form().CostsInForce().Given());
    EXPECT_FALSE(Red(s->CostsOn));
}

}  // namespace
}  // namespace amortix::gui
