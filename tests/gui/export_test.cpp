// Export File and Copy results of the three calculator screens: the files
// each kind writes, what a failed export leaves behind (nothing), and what
// the clipboard holds after a copy.

#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

#include "afford/afford_screen.h"
#include "comparison_test_util.h"
#include "files/export_commands.h"
#include "files/file_commands.h"
#include "print/header_dialog.h"

namespace amortix::gui {
namespace {

using test::WhenModal;

enum class Screen { Tables, Comparison, Afford };

const char* NameOf(Screen screen) {
    switch (screen) {
        case Screen::Tables:
            return "tables";
        case Screen::Comparison:
            return "comparison";
        default:
            return "affordability";
    }
}

class Exports : public test::FilesProgram<test::ComparisonProgram> {
  protected:
    // The screen with results on it: the tables and the comparison as they
    // open, calculated (the comparison twice, the second row biweekly
    // accelerated), the affordability screen as it opens.
    void Show(Screen screen) {
        shown = screen;
        switch (screen) {
            case Screen::Tables:
                Open();
                Calculate();
                exportButton = s->MExport;
                copyButton = s->MCopy;
                break;
            case Screen::Comparison:
                OpenComparison();
                CalculateRow();
                Choose(c->FreqPmt, 4);
                CalculateRow();
                exportButton = c->MCExport;
                copyButton = c->MCCopy;
                break;
            case Screen::Afford:
                a = OpenFrom<AffordScreen>(app->Menu().MFindFactor, kAffordabilityScreen);
                exportButton = a->MFExport;
                copyButton = a->MFCopy;
                break;
        }
        Recorded().messages.clear();
    }
    void Leave() {
        switch (shown) {
            case Screen::Tables:
                Exit();
                break;
            case Screen::Comparison:
                LeaveComparison();
                break;
            case Screen::Afford:
                Click(a->MFExit);
                QApplication::processEvents();
                break;
        }
    }
    // The same figures from the command line, as CSV.
    QByteArray CliCsv() const {
        switch (shown) {
            case Screen::Tables:
                return test::CliOutput({"schedule", "--view", "annual", "--format", "csv"});
            case Screen::Comparison:
                return test::CliOutput(
                    {"compare", "--row", "", "--row", "--frequency biweekly-acc", "--format", "csv"});
            default:
                return test::CliOutput({"afford", "--solve", "payment", "--format", "csv"});
        }
    }
    // Export File naming `path`; a printout's header dialog is answered.
    void ExportTo(const QString& path) {
        if (path.endsWith(".pdf") && shown != Screen::Afford) {
            WhenModal([](QWidget* modal) {
                auto* header = qobject_cast<PrinterHeaderInput*>(modal);
                ASSERT_NE(header, nullptr);
                QTest::keyClicks(header->InFName, "Export test");
                Click(header->Acept);
            });
        }
        ClickNaming(exportButton, path);
        QApplication::processEvents();
    }
    static QStringList FilesIn(const QString& where) {
        return QDir(where).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    Screen shown = Screen::Tables;
    AffordScreen* a = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* copyButton = nullptr;
};

constexpr Screen kScreens[] = {Screen::Tables, Screen::Comparison, Screen::Afford};

TEST_F(Exports, EachScreenWritesAWorkbookCsvAndPdfOfItsFigures) {
    for (const Screen screen : kScreens) {
        Show(screen);
        const QString stem = Path(NameOf(screen));
        for (const char* extension : {".xlsx", ".csv", ".pdf"}) {
            const QString path = stem + extension;
            ExportTo(path);
            EXPECT_TRUE(Recorded().messages.empty()) << NameOf(screen) << extension;
            EXPECT_GT(QFileInfo(path).size(), 0) << NameOf(screen) << extension;
        }
        EXPECT_EQ(dialog->requests.back().mode, FileDialogMode::Export);
        // The engine's figures, byte for byte what the command line exports.
        EXPECT_EQ(test::ReadAll(stem + ".csv"), CliCsv()) << NameOf(screen);
        EXPECT_TRUE(test::ReadAll(stem + ".xlsx").startsWith("PK")) << NameOf(screen);
        EXPECT_TRUE(test::ReadAll(stem + ".pdf").startsWith("%PDF")) << NameOf(screen);
        // Each export proposes the name of the one before.
        EXPECT_EQ(dialog->requests.back().initialName, stem + ".csv");
        EXPECT_EQ(files->Names().exported, stem + ".pdf");
        Leave();
    }
}

TEST_F(Exports, TheTablesCsvHoldsTheScheduleFigures) {
    Show(Screen::Tables);
    ExportTo(Path("plan.csv"));
    const QList<QByteArray> lines = test::ReadAll(Path("plan.csv")).split('\n');
    ASSERT_GT(lines.size(), 26);
    EXPECT_EQ(lines[0],
              "Year,Interest,Principal,Additional payment,Balance,Cumulative interest,"
              "Cumulative principal,Rate %\r");
    const QList<QByteArray> year1 = lines[1].trimmed().split(',');
    ASSERT_EQ(year1.size(), 8);
    // Worked by hand (python): twelve payments of 100,000 i / (1 - (1 + i)^-300)
    // = 917.52732 at i = 0.10125 / 12 pay 10,082.738 of interest and leave
    // 99,072.410 (the schedule keeps four decimals a payment).
    EXPECT_EQ(year1[0], "1");
    EXPECT_NEAR(year1[1].toDouble(), 10082.738, 0.005);
    EXPECT_NEAR(year1[4].toDouble(), 99072.410, 0.005);
    EXPECT_EQ(year1[7], "10.125");
}

TEST_F(Exports, ANameWithoutAKindBecomesAWorkbookAndCancellingWritesNothing) {
    Show(Screen::Afford);
    ExportTo(Path("figures"));
    EXPECT_TRUE(test::ReadAll(Path("figures.xlsx")).startsWith("PK"));
    ExportTo(QString());  // the dialog cancelled
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(FilesIn(dir.path()), QStringList{"figures.xlsx"});
}

TEST_F(Exports, AFailedExportShowsMessage58AndLeavesNoFile) {
    const bool root = ::geteuid() == 0;  // root writes into read-only folders
    QDir(dir.path()).mkdir("locked");
    ASSERT_TRUE(test::WriteFile(Path("locked/kept.csv"), "kept\r\n"));
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0555);
    const struct {
        const char* what;
        QString path;
    } cases[] = {
        {"workbook in a folder that does not exist", Path("no/such/plan.xlsx")},
        {"CSV in a folder that does not exist", Path("no/such/plan.csv")},
        {"PDF in a folder that does not exist", Path("no/such/plan.pdf")},
        {"workbook in a read-only folder", Path("locked/plan.xlsx")},
        {"CSV over a file in a read-only folder", Path("locked/kept.csv")},
        {"PDF in a read-only folder", Path("locked/plan.pdf")},
    };
    for (const Screen screen : kScreens) {
        Show(screen);
        for (const auto& k : cases) {
            if (root && k.path.contains("locked")) continue;
            Recorded().messages.clear();
            Recorded().details.clear();
            ExportTo(k.path);
            EXPECT_EQ(Recorded().messages, std::vector<int>{58}) << NameOf(screen) << ": " << k.what;
            ASSERT_EQ(Recorded().details.size(), 1u);
            EXPECT_TRUE(Recorded().details[0].contains(QFileInfo(k.path).fileName())) << k.what;
            EXPECT_FALSE(QFileInfo::exists(k.path) && !k.path.endsWith("kept.csv")) << k.what;
        }
        Leave();
    }
    EXPECT_FALSE(QFileInfo::exists(Path("no")));
    if (!root) {
        EXPECT_EQ(FilesIn(Path("locked")), QStringList{"kept.csv"});
    }
    EXPECT_EQ(test::ReadAll(Path("locked/kept.csv")), "kept\r\n");
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0755);
}

TEST_F(Exports, WithoutResultsThereIsNothingToExportOrCopy) {
    Open();
    QGuiApplication::clipboard()->setText("before");
    for (QPushButton* button : {s->MExport, s->MCopy}) {
        Recorded().messages.clear();
        Click(button);
        EXPECT_EQ(Recorded().messages, std::vector<int>{7}) << button->objectName().toStdString();
    }
    EXPECT_TRUE(dialog->requests.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    Exit();

    OpenComparison();
    Recorded().messages.clear();
    Click(c->MCExport);
    Click(c->MCCopy);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{7, 7}));
    EXPECT_TRUE(dialog->requests.empty());
}

TEST_F(Exports, ComparisonRowsOpenedFromAFileExportOnlyAsAPrintout) {
    Show(Screen::Comparison);
    ClickNaming(c->CSaveFile, Path("two.qcd"));
    ClickNaming(c->CLoadFile, Path("two.qcd"));
    ASSERT_EQ(c->Form().Table().State().rowCount, 2);
    Recorded().messages.clear();
    ExportTo(Path("rows.csv"));
    EXPECT_EQ(Recorded().messages, std::vector<int>{7});
    EXPECT_TRUE(Recorded().details.back().contains("Calculate them again"));
    EXPECT_FALSE(QFileInfo::exists(Path("rows.csv")));
    Recorded().messages.clear();
    ExportTo(Path("rows.pdf"));
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_TRUE(test::ReadAll(Path("rows.pdf")).startsWith("%PDF"));
}

TEST_F(Exports, CopyResultsPutsCaptionsAndValuesOnTheClipboard) {
    // The tables' figures worked by hand: see ResultLines.TheTablesBoxesInTheScreensOrder.
    const struct {
        Screen screen;
        QString text;      // the whole text, or its start for the affordability screen
        QString htmlCell;  // one row of the HTML table
    } cases[] = {
        {Screen::Tables,
         "Principal + Interest payment.\t$917.53\nP+I includes 0.000%\t$.00\n"
         "Interest rate factor.\t0.0084375\nDays in year.\tNormal\nNo. of payments each year.\t12\n"
         "No. of years to final payment.\t25.00\nTotal paid over life of mortgage.\t$275,258.20\n"
         "Total interest savings.\t$.00\n",
         "<tr><td>Principal + Interest payment.</td><td>$917.53</td></tr>"},
        // The last row: biweekly accelerated at 365 days, 26.07142857 periods a year.
        {Screen::Comparison, "Interest rate factor.\t", "<tr><td>Days in year.</td><td>365</td></tr>"},
        {Screen::Afford,
         "Conventional Mortgage\nPrincipal amount of the mortgage.\t$100,000.00\n"
         "Annual interest rate in percent.\t6.500%\nAmortization period in years.\t25\n",
         "<tr><th colspan=\"2\">Accelerated Mortgage</th></tr>"},
    };
    for (const auto& k : cases) {
        Show(k.screen);
        Click(copyButton);
        EXPECT_TRUE(Recorded().messages.empty()) << NameOf(k.screen);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(copied, nullptr);
        EXPECT_TRUE(copied->text().startsWith(k.text))
            << NameOf(k.screen) << ": " << copied->text().toStdString();
        EXPECT_TRUE(copied->html().contains(k.htmlCell))
            << NameOf(k.screen) << ": " << copied->html().toStdString();
        Leave();
    }
}

TEST_F(Exports, CopiedResultsStillCannotBePastedIntoABox) {
    Show(Screen::Tables);
    Click(s->MCopy);
    const QString before = s->InPrincipal->text();
    Enter(s->InPrincipal);
    QTest::keyClick(s->InPrincipal, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(s->InPrincipal->text(), before);
    EXPECT_GT(Recorded().beeps, 0);
}

}  // namespace
}  // namespace amortix::gui
