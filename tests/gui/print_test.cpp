// Printing from the screens: the header dialog, the text reports laid on PDF
// pages (read back with pdftotext and set against amortix-cli's report) and
// what printing leaves behind when it is cancelled or fails.

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>

#include <QRegularExpression>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "afford/afford_screen.h"
#include "comparison_test_util.h"
#include "core/forms/afford_form.h"
#include "graphs/graph_window.h"
#include "print/header_dialog.h"
#include "print/page_printer.h"
#include "print/printing.h"
#include "shell/language.h"
#include "shell/short_date.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

using test::Find;
using test::WhenModal;

using Page = std::vector<std::string>;

// What a program wrote to its standard output; fails the test when it fails.
std::string RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

// Pages separated by form feeds, trailing blanks and the blank lines at a
// page's top and bottom left out (a PDF has no text to read there).
std::vector<Page> PagesOf(const std::string& text) {
    std::vector<Page> pages(1);
    std::string line;
    const auto endLine = [&] {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        pages.back().push_back(line);
        line.clear();
    };
    for (const char c : text) {
        if (c == '\n') {
            endLine();
        } else if (c == '\f') {
            if (!line.empty()) endLine();
            pages.emplace_back();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) endLine();
    for (Page& page : pages) {
        while (!page.empty() && page.front().empty()) page.erase(page.begin());
        while (!page.empty() && page.back().empty()) page.pop_back();
    }
    while (!pages.empty() && pages.back().empty()) pages.pop_back();
    return pages;
}

int PdfPageCount(const QString& pdf) {
    const std::string info = RunProgram("pdfinfo", {pdf});
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The PDF's text read column by column: from column 1 of the report's page
// grid, one character per column width.
std::string PdfText(const QString& pdf, const QPageSize& size, std::int16_t fontChoice) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(size);
    printer.setFullPage(true);
    const std::optional<PrinterFont> font =
        fontChoice ? std::optional<PrinterFont>(PrinterFont{"Courier New", 11, false}) : std::nullopt;
    const PageGrid grid = ReportPageGrid(printer, font);
    const double toPoints = 72.0 / printer.resolution();
    return RunProgram("pdftotext", {"-fixed", QString::number(grid.column * toPoints, 'f', 4), "-x",
                                    QString::number(std::floor(grid.left * toPoints)), "-y", "0", "-W",
                                    "2000", "-H", "2000", pdf, "-"});
}

class Printouts : public test::ComparisonProgram {
  protected:
    void SetUp() override {
        ComparisonProgram::SetUp();
        PrintToPdf();
    }
    void PrintToPdf() {
        pdf = folder.filePath("printout.pdf");
        auto out = std::make_unique<PdfFileOutput>(pdf);
        output = out.get();
        Printing::Of(app->Frame()).SetOutput(std::move(out));
    }

    // Print, answering the header dialog with `header` typed and Continue.
    void PrintWith(QPushButton* button, const QString& header) {
        WhenModal([header](QWidget* modal) {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->InFName, header);
            Click(dialog->Acept);
        });
        Click(button);
    }

    struct Paper {
        std::int16_t font;
        QPageSize size;
        const char* cliFont;
    };
    // Courier New on Letter is the tightest page: 60 lines in 10 inches.
    const std::vector<Paper> papers{{1, QPageSize(QPageSize::Letter), "courier"},
                                    {0, QPageSize(QPageSize::A4), "standard"}};

    // Prints with `button` and checks the PDF's pages against the command
    // line's report for the same inputs.
    void ExpectPrintedAsCli(QPushButton* button, const QStringList& cli) {
        for (const Paper& paper : papers) {
            SCOPED_TRACE(paper.cliFont);
            State().PrinterFontChoice = paper.font;
            output->pageSize = paper.size;
            output->finished = 0;
            PrintWith(button, "Smith \"house\"");
            ASSERT_EQ(output->finished, 1);
            EXPECT_EQ(Printing::Of(app->Frame()).PageLines(), paper.font ? 56 : 53);

            const std::string expected = RunProgram(
                AMORTIX_CLI_PATH,
                cli + QStringList{"--format", "report", "--header", "Smith house", "--font", paper.cliFont});
            const std::vector<Page> report = PagesOf(expected);
            const std::vector<Page> printed = PagesOf(PdfText(pdf, paper.size, paper.font));
            EXPECT_EQ(PdfPageCount(pdf), static_cast<int>(report.size()));
            ASSERT_EQ(printed.size(), report.size());
            for (std::size_t p = 0; p < report.size(); ++p)
                EXPECT_EQ(printed[p], report[p]) << "page " << p + 1;
        }
    }

    QString pdf;
    PdfFileOutput* output = nullptr;
};

TEST_F(Printouts, TheTablesReportOnPaperIsTheEnginesReport) {
    QStringList extras;
    for (int y = 1; y <= 25; ++y) extras << "--extra" << QString("%1:500").arg(y);
    const struct Case {
        const char* name;
        amortix::TableKind mode;
        bool allPayments;
        bool extras;
        QStringList cli;
    } cases[] = {
        {"25-year mortgage, every payment", amortix::TableKind::Mortgage, true, false, {"--view", "all"}},
        {"yearly additional payments, their listing on a page of its own", amortix::TableKind::Mortgage,
         false, true, QStringList{"--view", "annual", "--increase", "2"} + extras},
        {"loan in annual totals", amortix::TableKind::PersonalLoan, false, false, {"--mode", "loan"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Open(k.mode);
        if (k.extras) {  // 500 in each of the 25 years, growing by 2 %
            amortix::AdditionalPayments& extra = State().ExtraPayments;
            extra.years = 25;
            for (std::size_t y = 1; y <= 25; ++y) {
                extra.yearNumber[y] = amortix::Currency::FromDouble(static_cast<double>(y));
                extra.amount[y] = amortix::Currency::FromDouble(500);
            }
            extra.increase = 0.02f;
            extra.rowCount = extra.CountYearsWithAmounts();
            extra.kind = ExtraPaymentKind::Both;
        }
        Click(k.allPayments ? s->Option1 : s->Option2);
        Calculate();
        ASSERT_GT(State().ResultsReady, 0);
        ExpectPrintedAsCli(s->MPrinter, QStringList{"schedule"} + k.cli);
        Click(s->MExit);
    }
}

// In French the printout's words are French and its figures are the English
// printout's, line for line and in the same columns: the longer labels move
// nothing.
TEST_F(Printouts, AFrenchPrintoutKeepsTheFiguresWhereTheEnglishHasThem) {
    const QPageSize letter(QPageSize::Letter);
    const auto print = [&] {
        Open(amortix::TableKind::Mortgage);
        Figures("250000", "6.5", "25");
        Click(s->Option1);
        Calculate();
        State().PrinterFontChoice = 1;
        output->pageSize = letter;
        PrintWith(s->MPrinter, "Smith");
        const std::string text = PdfText(pdf, letter, 1);
        Click(s->MExit);
        return QString::fromStdString(text).split('\n');
    };
    const QStringList english = print();
    app.reset();
    InstallLanguage(amortix::Language::French);
    StartProgram();
    PrintToPdf();
    const QStringList french = print();
    InstallLanguage(amortix::Language::English);
    if (const QString keep = qEnvironmentVariable("AMORTIX_FRENCH_PRINTOUT"); !keep.isEmpty())
        QFile::copy(pdf, keep);

    ASSERT_EQ(french.size(), english.size());
    EXPECT_TRUE(french.join('\n').contains(QStringLiteral("Versement")));
    static const QRegularExpression figure(QStringLiteral("\\$?[0-9][0-9,.]*[0-9]"));
    for (qsizetype line = 0; line < english.size(); ++line) {
        const auto figures = [](const QString& text) {
            QStringList found;
            for (auto it = figure.globalMatch(text); it.hasNext();) {
                const auto match = it.next();
                found << QStringLiteral("%1@%2").arg(match.captured()).arg(match.capturedStart());
            }
            return found;
        };
        // The dates in the footer are the day's; the figures of the schedule are what matters.
        if (english[line].contains(QLatin1String("Page"))) continue;
        EXPECT_EQ(figures(french[line]), figures(english[line])) << "line " << line + 1 << "\n"
                                                                 << english[line].toStdString() << "\n"
                                                                 << french[line].toStdString();
    }
}

// A short form with two-digit years ("M/d/yy") still shows the grid's and
// the printout's dates with four, so 2070 is not read as 1970.
TEST_F(Printouts, ScheduleDatesShowFourDigitYearsOnScreenAndOnPaper) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Open(amortix::TableKind::Mortgage);
    State().FirstPaymentDate = SerialFromDate(QDate(2069, 12, 15));
    WhenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
    Click(s->MDateNumber);
    test::ShowActive(&app->Frame());
    Click(s->Option1);
    Calculate();
    EXPECT_EQ(s->MGrid->TextAt(1, 0), "12/15/2069");
    EXPECT_EQ(s->MGrid->TextAt(2, 0), "1/15/2070");
    State().PrinterFontChoice = 0;
    output->pageSize = QPageSize(QPageSize::A4);
    PrintWith(s->MPrinter, "Dates");
    ASSERT_EQ(output->finished, 1);
    const std::string printed = PdfText(pdf, QPageSize(QPageSize::A4), 0);
    EXPECT_NE(printed.find("\n 1/15/2070 "), std::string::npos) << printed.substr(0, 3000);
    EXPECT_EQ(printed.find("/70 "), std::string::npos);
    QLocale::setDefault(saved);
}

TEST_F(Printouts, TheComparisonReportOnPaperIsTheEnginesReport) {
    // Six rows with a year's listing each: two groups, and long enough to
    // take the listing over a page break.
    OpenComparison();
    std::vector<std::pair<int, double>> twelveYears;
    QString extras;
    for (int y = 1; y <= 12; ++y) {
        twelveYears.emplace_back(y, 1000);
        extras += QString(" --extra %1:1000").arg(y);
    }
    QStringList cli{"compare"};
    for (int row = 0; row < 6; ++row) {
        const QString rate = QString::number(8 + row);
        AdditionalPayments(twelveYears);
        Row(nullptr, rate.toLatin1().constData(), nullptr);
        CalculateRow();
        cli << "--row"
            << "--rate " + rate + extras;
    }
    ASSERT_TRUE(Recorded().messages.empty());
    ExpectPrintedAsCli(c->MCPrinter, cli);
}

TEST_F(Printouts, ARefusedRowLeavesNothingToPrint) {
    OpenComparison();
    CalculateRow();
    c->Form().EnterTerm(41);  // as a file could bring it
    CalculateRow();           // refused with message 5: the rows stay, with nothing to print
    Click(c->MCPrinter);
    EXPECT_EQ(Recorded().messages, (std::vector<int>{5, 1}));
    EXPECT_EQ(output->opened, 0);
}

TEST_F(Printouts, TheHeaderDialog) {
    Open();
    Calculate();
    const struct Case {
        const char* name;
        std::function<void(PrinterHeaderInput&)> answer;
        std::optional<std::string> header;  // nothing: cancelled
        bool printed;
    } cases[] = {
        {"a double quote cannot be typed",
         [](PrinterHeaderInput& d) {
             QTest::keyClicks(d.InFName, "The \"Oak\" St.");
             Click(d.Acept);
         },
         "The Oak St.", true},
        {"Enter moves to Continue, which Enter then presses",
         [](PrinterHeaderInput& d) {
             QTest::keyClicks(d.InFName, "x");
             QTest::keyClick(d.InFName, Qt::Key_Return);
             EXPECT_TRUE(d.isVisible());
             EXPECT_TRUE(d.Acept->hasFocus());
             QTest::keyClick(d.Acept, Qt::Key_Return);
         },
         "x", true},
        {"an empty header prints", [](PrinterHeaderInput& d) { Click(d.Acept); }, "", true},
        {"Cancel",
         [](PrinterHeaderInput& d) {
             QTest::keyClicks(d.InFName, "abc");
             Click(d.NAcept);
         },
         std::nullopt, false},
        {"a typed 1 is a cancellation",
         [](PrinterHeaderInput& d) {
             QTest::keyClicks(d.InFName, "1");
             Click(d.Acept);
         },
         std::nullopt, false},
        {"Escape cancels", [](PrinterHeaderInput& d) { QTest::keyClick(d.InFName, Qt::Key_Escape); },
         std::nullopt, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        QFile::remove(pdf);
        output->opened = 0;
        std::optional<std::string> header = "not shown";
        WhenModal([&k, &header](QWidget* modal) {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->InFName->text().isEmpty());
            k.answer(*dialog);
            header = dialog->Header();
        });
        Click(s->MPrinter);
        EXPECT_EQ(header, k.header);
        EXPECT_EQ(output->opened, k.printed ? 1 : 0);
        EXPECT_EQ(QFile::exists(pdf), k.printed);
        EXPECT_GT(State().ResultsReady, 0);
    }
}

TEST_F(Printouts, AFailedPrintoutKeepsTheResultsAndTheCursor) {
    Open();
    Calculate();
    const int ready = State().ResultsReady;
    Printing::Of(app->Frame())
        .SetOutput(std::make_unique<PdfFileOutput>(folder.filePath("no/such/folder/x.pdf")));
    auto& failing = static_cast<PdfFileOutput&>(Printing::Of(app->Frame()).Output());
    PrintWith(s->MPrinter, "h");
    EXPECT_EQ(failing.failed, 1);
    EXPECT_EQ(failing.finished, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(State().ResultsReady, ready);
    EXPECT_FALSE(s->InMonthPI->text().isEmpty());
    // A printout that worked leaves the normal cursor too.
    Printing::Of(app->Frame()).SetOutput(std::make_unique<PdfFileOutput>(pdf));
    PrintWith(s->MPrinter, "h");
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Printouts, TheAffordabilityWindowPrintsAboveItsButtons) {
    auto* a = OpenFrom<AffordScreen>(app->Menu().MFindFactor, kAffordabilityScreen);
    ASSERT_NE(a, nullptr);
    QWidget* window = a->parentWidget();
    window->setGeometry(QRect(QPoint(7, 9), window->size() + QSize(40, 30)));
    const QRect before = window->geometry();
    const QString payment = a->MFInMthPayment->text();

    // No, or the question closed, prints nothing; Yes prints.
    Recorded().answers = {0, std::nullopt, 6};
    Click(a->Printr);
    Click(a->Printr);
    EXPECT_EQ(window->geometry(), before);
    EXPECT_EQ(output->opened, 0);
    Click(a->Printr);
    EXPECT_EQ(Recorded().questions, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(a->MFInMthPayment->text(), payment);
    ASSERT_EQ(output->finished, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    // Drawn on the printer, not grabbed: the page carries the window's text.
    const std::string text = RunProgram("pdftotext", {"-layout", pdf, "-"});
    EXPECT_NE(text.find(amortix::kAffordFrame2), std::string::npos) << text;
    EXPECT_EQ(text.find("Exit to Menu"), std::string::npos) << "the buttons are left out";
    EXPECT_EQ(window->pos(), FullSizeFormPosition(State(), &app->Frame()));
}

TEST_F(Printouts, AGraphWindowPrintsItsChartAboveItsButtons) {
    Open();
    Calculate();
    auto* graph = OpenFrom<GraphWindow>(s->MGraphs, "GraphsAll");
    ASSERT_NE(graph, nullptr);
    for (const int colour : {6, 0}) {  // in colour, then in greys
        Recorded().answers = {6, colour};
        Click(graph->Ptr);
    }
    ASSERT_EQ(output->finished, 2);
    EXPECT_EQ(output->failed, 0);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const std::string text = RunProgram("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(text.find(graph->ExitBut->text().remove('&').toStdString()), std::string::npos) << text;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace amortix::gui
