// The qualifying screen by keyboard and mouse: the menu's access key, typing
// and Enter through the boxes, the rules list, the stress test box, the
// numbered messages, the quick help, F1, Save/Open, Print and Use in Tables.

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "core/files/qualify_file.h"
#include "files/file_commands.h"
#include "print/header_dialog.h"
#include "print/print_output.h"
#include "print/printing.h"
#include "qualify_test_util.h"

namespace amortix::gui {
namespace {

using amortix::QualifyBox;
using amortix::QualifyInput;
using test::WhenModal;

using test::QualifyProgram;

TEST_F(QualifyProgram, TheMenuOpensItByItsAccessKeyAndItOpensCalculated) {
    // Alt+Q is the menu's only Q.
    int withQ = 0;
    for (const QPushButton* b : app->Menu().findChildren<QPushButton*>())
        if (b->text().contains("&Q", Qt::CaseInsensitive)) ++withQ;
    EXPECT_EQ(withQ, 1);
    Enter(app->Menu().MortCalc);
    QTest::keyClick(app->Menu().MortCalc, Qt::Key_Q, Qt::AltModifier);
    // A button pressed by its key shows itself pressed a moment first.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return (q = app->Frame().findChild<QualifyScreen*>(kQualifyScreen)) != nullptr; }, 2000));
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(app->Frame().windowTitle(), " Mortgage Qualifying");
    EXPECT_EQ(q->Input(QualifyInput::Income)->text(), "     $100,000.00");
    EXPECT_EQ(q->QRules->currentText(), "Canada");
    EXPECT_EQ(q->QCompPeriod->currentText(), "   Semiannual");
    EXPECT_TRUE(q->QStressTest->isChecked());
    EXPECT_FALSE(Shown(QualifyBox::MaxMortgage).isEmpty());
    EXPECT_TRUE(q->Input(QualifyInput::Income)->hasFocus());
    EXPECT_TRUE(Recorded().messages.empty());
    // Accessible names are the captions.
    EXPECT_EQ(q->Input(QualifyInput::Income)->accessibleName(), "Gross yearly income");
    EXPECT_EQ(q->Result(QualifyBox::MaxPrice)->accessibleName(), "Largest purchase price");
    EXPECT_EQ(q->QStressTest->accessibleName(), "Test at the qualifying rate");
    Click(q->QExit);
    QApplication::processEvents();
    EXPECT_EQ(app->Frame().windowTitle(), " Amortix Menu");
}

TEST_F(QualifyProgram, TypedFiguresRecalculateAndDebtsSwitchTheBindingRatio) {
    OpenQualify();
    Buyer();
    // Figures of qualify_test.cpp (qualify_figures.py).
    EXPECT_EQ(Shown(QualifyBox::MaxMortgage), "     $404,045.73");
    EXPECT_EQ(Shown(QualifyBox::MaxPrice), "     $488,040.59");
    EXPECT_EQ(Shown(QualifyBox::Premium), "      $11,005.14");
    EXPECT_EQ(Shown(QualifyBox::Binding).trimmed(), "Housing (GDS)");
    Give(QualifyInput::DownPayment, "150000");
    Give(QualifyInput::Debts, "450");
    EXPECT_EQ(Shown(QualifyBox::MaxMortgage), "     $399,286.65");
    EXPECT_EQ(Shown(QualifyBox::Binding).trimmed(), "Total (TDS)");
    EXPECT_EQ(Shown(QualifyBox::Tds), "          44.00%");
    // The mouse: the stress test box off tests at the contract rate.
    Click(q->QStressTest);
    EXPECT_EQ(Shown(QualifyBox::QualifyingRate), "         5.000%");
    EXPECT_TRUE(Recorded().messages.empty());
}

TEST_F(QualifyProgram, EnterWalksTheBoxesInOrder) {
    OpenQualify();
    ExpectEnterWalks({q->Input(QualifyInput::Income),
                      q->Input(QualifyInput::Income2),
                      q->Input(QualifyInput::Debts),
                      q->Input(QualifyInput::CardBalances),
                      q->Input(QualifyInput::PropertyTax),
                      q->Input(QualifyInput::HomeInsurance),
                      q->Input(QualifyInput::Heating),
                      q->Input(QualifyInput::CondoFees),
                      q->Input(QualifyInput::DownPayment),
                      q->Input(QualifyInput::Rate),
                      q->QCompPeriod,
                      q->QFreqPmt,
                      q->Input(QualifyInput::Years),
                      q->QRules,
                      q->Input(QualifyInput::Gds),
                      q->Input(QualifyInput::Tds),
                      q->Input(QualifyInput::StressAdd),
                      q->Input(QualifyInput::StressFloor),
                      q->Input(QualifyInput::MortgageInsurance),
                      q->QCalc});
}

TEST_F(QualifyProgram, TheRulesListBringsItsLimits) {
    OpenQualify();
    Choose(q->QRules, 1);
    QTest::keyClick(q->QRules, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(q->Input(QualifyInput::Gds)->text(), "        28.000%");
    EXPECT_EQ(q->Input(QualifyInput::Tds)->text(), "        36.000%");
    EXPECT_EQ(q->QCompPeriod->currentText(), "      Monthly");
    EXPECT_FALSE(q->QStressTest->isChecked());
    EXPECT_EQ(Shown(QualifyBox::DownPaymentNeeded).trimmed(), "None");
}

TEST_F(QualifyProgram, NumberedMessagesForNothingAndForOutOfRange) {
    OpenQualify();
    Give(QualifyInput::Debts, "9000");
    EXPECT_EQ(Recorded().messages, std::vector<int>{60});
    EXPECT_TRUE(Shown(QualifyBox::MaxMortgage).isEmpty());
    // Nothing to print, nothing for the tables.
    Click(q->QPrint);
    Click(q->QUseInTables);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{60, 1, 7}));
    Give(QualifyInput::Debts, "0");
    Give(QualifyInput::Years, "45");
    EXPECT_EQ(Recorded().messages.back(), 59);
    Give(QualifyInput::Years, "25");
    Give(QualifyInput::DownPayment, "0");
    EXPECT_EQ(Recorded().messages.back(), 61);
}

TEST_F(QualifyProgram, QuickHelpAndF1) {
    OpenQualify();
    Click(q->QHelp);
    EXPECT_TRUE(q->QTextBox->isVisible());
    EXPECT_FALSE(q->QFrameResults->isVisible());
    EXPECT_TRUE(q->QTextBox->toPlainText().contains("the lender decides"));
    Click(q->QHelp);
    EXPECT_FALSE(q->QTextBox->isVisible());
    Enter(q->Input(QualifyInput::Debts));
    QTest::keyClick(q->Input(QualifyInput::Debts), Qt::Key_F1);
    ASSERT_FALSE(Recorded().helpTopics.empty());
    EXPECT_TRUE(Recorded().helpTopics.back().endsWith("QInDebts"))
        << Recorded().helpTopics.back().toStdString();
}

TEST_F(QualifyProgram, SaveAndOpenKeepTheInputs) {
    OpenQualify();
    Buyer();
    Choose(q->QFreqPmt, 4);
    QTest::keyClick(q->QFreqPmt, Qt::Key_Return);
    const amortix::QualifyInputs saved = q->Form().Inputs();
    ClickNaming(q->QSave, Path("buyer.qqd"));
    ASSERT_TRUE(QFile::exists(Path("buyer.qqd")));
    EXPECT_EQ(dialog->requests.back().mode, FileDialogMode::SaveQualify);
    Give(QualifyInput::Income, "50000");
    ClickNaming(q->QOpen, Path("buyer.qqd"));
    EXPECT_EQ(q->Form().Inputs(), saved);
    EXPECT_EQ(q->Input(QualifyInput::Income)->text(), "     $100,000.00");
    EXPECT_EQ(q->QFreqPmt->currentText(), " Biweekly(Acc)");
    // A file that is not one: message 13, the screen as it was.
    QFile bad(Path("bad.qqd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\"Qualifying\",2\r\n");
    bad.close();
    ClickNaming(q->QOpen, Path("bad.qqd"));
    EXPECT_EQ(Recorded().messages.back(), 13);
    EXPECT_EQ(q->Form().Inputs(), saved);
    // A folder that does not exist: message 62.
    ClickNaming(q->QSave, Path("no/such/folder/x.qqd"));
    EXPECT_EQ(Recorded().messages.back(), 62);
}

// A qualifying file named when the program starts, or dropped on the menu,
// opens on the qualifying screen like the other kinds on theirs.
TEST_F(QualifyProgram, AFileNamedAtStartOpensOnTheScreen) {
    OpenQualify();
    Buyer();
    const amortix::QualifyInputs saved = q->Form().Inputs();
    ClickNaming(q->QSave, Path("start.qqd"));
    Click(q->QExit);
    QApplication::processEvents();
    Recorded().messages.clear();
    OpenFileAtStart(*app, Path("start.qqd"));
    QApplication::processEvents();
    auto* opened = qobject_cast<QualifyScreen*>(app->Frame().ActiveForm());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->Form().Inputs(), saved);
    EXPECT_TRUE(Recorded().messages.empty());
}

TEST_F(QualifyProgram, PrintsTheReport) {
    const QString pdf = folder.filePath("qualify.pdf");
    auto out = std::make_unique<PdfFileOutput>(pdf);
    PdfFileOutput* output = out.get();
    Printing::Of(app->Frame()).SetOutput(std::move(out));
    OpenQualify();
    WhenModal([](QWidget* modal) {
        auto* header = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(header, nullptr);
        QTest::keyClicks(header->InFName, "Buyer");
        Click(header->Acept);
    });
    Click(q->QPrint);
    EXPECT_EQ(output->finished, 1);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(QualifyProgram, UseInTablesOpensTheTablesWithTheMortgage) {
    OpenQualify();
    Buyer();
    Click(q->QUseInTables);
    QApplication::processEvents();
    TablesScreen* tables = nullptr;
    for (TablesScreen* form : app->Frame().findChildren<TablesScreen*>(kTablesScreen))
        if (form->isVisible()) tables = form;
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(tables->InPrincipal->text().trimmed(), "$404,045.73");
    EXPECT_EQ(tables->Inputs().ratePercent, 5);
    EXPECT_EQ(tables->Inputs().compounding, amortix::Compounding::Semiannual);
    EXPECT_EQ(State().TablesMode, amortix::TableKind::Mortgage);
}

}  // namespace
}  // namespace amortix::gui
