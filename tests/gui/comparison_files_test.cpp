// Save File and Open File of the comparison screen, and comparison files
// named on the command line.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "comparison_test_util.h"
#include "graphs/bar_chart_view.h"
#include "graphs/graph_window.h"

namespace amortix::gui {
namespace {

std::vector<QStringList> Cells(const GridWidget* grid, int fromRow = 0) {
    std::vector<QStringList> rows;
    for (int r = fromRow; r < grid->Rows(); ++r) {
        QStringList row;
        for (int col = 0; col < grid->Cols(); ++col) row << grid->TextAt(r, col);
        rows.push_back(row);
    }
    return rows;
}

std::vector<QStringList> Texts(const QJsonArray& rows) {
    std::vector<QStringList> out;
    for (const QJsonValue& row : rows) {
        QStringList texts;
        for (const QJsonValue& cell : row.toArray()) texts << cell.toString();
        out.push_back(texts);
    }
    return out;
}

// Field `field` (from 1) of a file's first record, whose texts hold no comma.
QByteArray FirstRecordField(const QByteArray& bytes, int field) {
    return bytes.left(bytes.indexOf("\r\n")).split(',').value(field - 1);
}

QByteArray WithFirstRecordField(QByteArray bytes, int field, const QByteArray& value) {
    qsizetype from = 0;
    for (int k = 1; k < field; ++k) from = bytes.indexOf(',', from) + 1;
    return bytes.replace(from, bytes.indexOf(',', from) - from, value);
}

class ComparisonFiles : public test::FilesProgram<test::ComparisonProgram> {
  protected:
    void SaveAs(const QString& path) { ClickNaming(c->CSaveFile, path); }
    void OpenFrom(const QString& path) { ClickNaming(c->CLoadFile, path); }
    QStringList Shown() const { return test::ShownOn(&app->Frame(), c); }

    // Five rows: additional payments on three (a "*" retirement year), a
    // listing of three columns, typed days on one.
    void FiveRows() {
        CalculateRow();
        Row("185000", "7.25", "30", 3, 5);
        AdditionalPayments({{1, 2000}, {3, 2500}, {10, 10000}}, 5, 2);
        CalculateRow();
        Row(nullptr, "6.5", nullptr, -1, 2);
        AdditionalPayments({{4, 1500}, {8, 1500}});
        State().DayBasis = amortix::DayBasis::Typed(364.5f);
        CalculateRow();
        Row("99999.99", "9", "15", 2, 1);
        CalculateRow();
        Row(nullptr, nullptr, "20", 1, 4);
        AdditionalPayments({{2, 750}});
        CalculateRow();
        // 15 years erased the payments typed for 30.
        ASSERT_EQ(Recorded().messages, std::vector<int>{38});
        Recorded().messages.clear();
        ASSERT_EQ(c->Form().Table().State().rowCount, 5);
    }

    // The title of the comparison graph as the window draws it.
    QString GraphTitle() {
        Click(c->MCGraphs);
        QApplication::processEvents();
        GraphWindow* window = nullptr;
        for (GraphWindow* w : app->Frame().findChildren<GraphWindow*>("MCGraph"))
            if (w->isVisible()) window = w;
        if (!window) return "no graph window";
        const QString title = window->Graph1->chart()->title();
        Click(window->ExitBut);
        QApplication::processEvents();
        return title;
    }
};

TEST_F(ComparisonFiles, SavedComparisonOpensInAFreshScreenAsShownAndGoesOn) {
    OpenComparison();
    FiveRows();
    EXPECT_EQ(GraphTitle(), " Total mortgage interest paid");
    const QString path = Path("rates.qcd");
    SaveAs(path);
    ASSERT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(GraphTitle(), "Total mortgage interest paid");
    const auto grid1 = Cells(c->MCGrid1), grid2 = Cells(c->MCGrid2);
    EXPECT_TRUE(grid1[2][5].startsWith('*'));
    const QStringList inputs{c->InPrincipal->text(), TextOf(c->InRate), TextOf(c->InTerm),
                             c->ComPeriod->currentText(), c->FreqPmt->currentText()};
    const amortix::ComparisonState saved = c->Form().Table().State();

    // What the command line reads from the file is what the screen showed.
    const QJsonObject read = QJsonDocument::fromJson(test::CliOutput({"read", path})).object();
    const std::vector<QStringList> rows(grid1.begin() + 1, grid1.begin() + 6);
    EXPECT_EQ(Texts(read["grid1"].toArray()), rows);
    EXPECT_EQ(Texts(read["grid2"].toArray()), grid2);
    EXPECT_EQ(read["printout"].toString().toStdString(), saved.printout);

    LeaveComparison();
    OpenComparison();
    OpenFrom(path);
    ASSERT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(Cells(c->MCGrid1), grid1);
    EXPECT_EQ(Cells(c->MCGrid2), grid2);
    EXPECT_EQ((QStringList{c->InPrincipal->text(), TextOf(c->InRate), TextOf(c->InTerm),
                           c->ComPeriod->currentText(), c->FreqPmt->currentText()}),
              inputs);
    const amortix::ComparisonState& opened = c->Form().Table().State();
    EXPECT_EQ(opened.printout, saved.printout);
    EXPECT_EQ(opened.listingLabels, saved.listingLabels);
    EXPECT_EQ(opened.listingAmounts, saved.listingAmounts);
    ASSERT_EQ(opened.graphPoints.size(), saved.graphPoints.size());
    for (std::size_t i = 0; i < saved.graphPoints.size(); ++i) {
        EXPECT_EQ(opened.graphPoints[i].label, saved.graphPoints[i].label);
        EXPECT_EQ(opened.graphPoints[i].value, saved.graphPoints[i].value);
    }
    // The amounts are not in the file: none is in force, and the results
    // boxes wait for the next row.
    EXPECT_FALSE(c->Form().AdditionalPaymentsInForce());
    EXPECT_TRUE(c->InDays->text().isEmpty());
    EXPECT_TRUE(c->PeriodicR->text().isEmpty());
    // The file keeps the day basis's code, not typed days.
    EXPECT_EQ(State().DayBasis.choice, amortix::DayBasisChoice::Typed);
    EXPECT_EQ(GraphTitle(), "Total mortgage interest paid");

    ASSERT_EQ(dialog->requests.size(), 2u);
    EXPECT_EQ(dialog->requests[1].mode, FileDialogMode::OpenComparison);
    EXPECT_EQ(files->Names().comparison, "rates.qcd");

    // Saved again, the file is the same but for its count of years with
    // amounts: the amounts did not come back.
    const QByteArray first = test::ReadAll(path);
    ASSERT_EQ(FirstRecordField(first, 9), "1");
    SaveAs(Path("again.qcd"));
    const QByteArray again = test::ReadAll(Path("again.qcd"));
    EXPECT_EQ(FirstRecordField(again, 9), "0");
    EXPECT_EQ(WithFirstRecordField(again, 9, "1"), first);

    // The next row follows the saved ones, in both grids.
    AdditionalPayments({{3, 500}});
    CalculateRow();
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(opened.rowCount, 6);
    EXPECT_EQ(c->MCGrid1->TextAt(6, 0), "06");
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(Cells(c->MCGrid1)[static_cast<std::size_t>(r)], grid1[static_cast<std::size_t>(r)]);
    EXPECT_EQ(c->MCGrid2->TextAt(0, saved.listingColumn + 1), " Row     6");
    EXPECT_EQ(GraphTitle(), " Total mortgage interest paid");
}

TEST_F(ComparisonFiles, CancelAndFailuresChangeNothing) {
    OpenComparison();
    CalculateRow();
    Row(nullptr, "8", nullptr);
    CalculateRow();
    const QString good = Path("good.qcd");
    SaveAs(good);
    const QByteArray goodBytes = test::ReadAll(good);
    ASSERT_FALSE(goodBytes.isEmpty());
    ASSERT_TRUE(test::WriteFile(Path("truncated.qcd"), goodBytes.left(goodBytes.size() - 40)));
    ASSERT_TRUE(test::WriteFile(Path("binary.qcd"), QByteArray("\x7f"
                                                               "ELF\x02\x01\x01\0\0\xff\xfe",
                                                               12)));
    ASSERT_TRUE(test::WriteFile(
        Path("table.qcd"),
        "20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"2024-03-04\",1,1,1,0,0,2,365,0,0\r\n"));
    QByteArray unknownList = goodBytes;
    unknownList.replace("\"      Monthly\"", "\"      Hourly\"");
    ASSERT_TRUE(test::WriteFile(Path("hourly.qcd"), unknownList));
    Row(nullptr, "9", nullptr);
    CalculateRow();  // a third row, so an opened file would show
    const QStringList before = Shown();

    // Cancelled dialogs.
    Click(c->CSaveFile);
    Click(c->CLoadFile);
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(Shown(), before);

    const struct {
        const char* what;
        bool save;
        QString path;
        int message;
    } cases[] = {
        {"truncated file", false, Path("truncated.qcd"), 13},
        {"binary file", false, Path("binary.qcd"), 13},
        {"a table file", false, Path("table.qcd"), 13},
        {"a list text the lists do not offer", false, Path("hourly.qcd"), 13},
        {"folder that does not exist", true, Path("no/such/rates.qcd"), 29},
    };
    const RememberedFileNames names{"house.qmd", "car.qld", good, "chart.png", "figures.xlsx"};
    for (const auto& k : cases) {
        files->Names() = names;
        Recorded().messages.clear();
        Recorded().details.clear();
        k.save ? SaveAs(k.path) : OpenFrom(k.path);
        EXPECT_EQ(Recorded().messages, std::vector<int>{k.message}) << k.what;
        ASSERT_EQ(Recorded().details.size(), 1u) << k.what;
        EXPECT_TRUE(Recorded().details[0].contains(QFileInfo(k.path).fileName())) << k.what;
        EXPECT_EQ(Shown(), before) << k.what;
        // A failed save keeps the names; a failed open forgets all three.
        EXPECT_EQ(files->Names().mortgage, k.save ? names.mortgage : "") << k.what;
        EXPECT_EQ(files->Names().comparison, k.save ? names.comparison : "") << k.what;
    }
    EXPECT_EQ(c->Form().Table().State().rowCount, 3);
}

TEST_F(ComparisonFiles, FileNamedAtStartOpensOnTheComparisonScreen) {
    OpenComparison();
    FiveRows();
    const QString path = Path("start.qcd");
    SaveAs(path);
    const auto grid1 = Cells(c->MCGrid1), grid2 = Cells(c->MCGrid2);
    LeaveComparison();

    Recorded().messages.clear();
    OpenFileAtStart(*app, path);
    QApplication::processEvents();
    c = app->Frame().findChild<ComparisonScreen*>();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(Cells(c->MCGrid1), grid1);
    EXPECT_EQ(Cells(c->MCGrid2), grid2);
    EXPECT_EQ(files->Names().comparison, "start.qcd");
}

// Exit to Menu asks before dropping rows not saved since they changed; a No
// keeps the screen and its rows.
TEST_F(ComparisonFiles, ExitAsksOnlyForRowsNotSaved) {
    const struct {
        const char* what;
        std::function<void()> act;
        std::optional<int> answer;
        std::vector<int> questions;
        bool leaves;
    } cases[] = {
        {"no rows", [] {}, std::nullopt, {}, true},
        {"a row, No", [this] { CalculateRow(); }, amortix::kAnswerNo, {5}, false},
        {"a row, no answer", [this] { CalculateRow(); }, std::nullopt, {5}, false},
        {"a row, Yes", [this] { CalculateRow(); }, amortix::kAnswerYes, {5}, true},
        {"saved", [this] { CalculateRow(), SaveAs(Path("kept.qcd")); }, std::nullopt, {}, true},
        {"a row after the save",
         [this] { CalculateRow(), SaveAs(Path("kept.qcd")), CalculateRow(); },
         amortix::kAnswerNo,
         {5},
         false},
        {"a row deleted after the save",
         [this] { CalculateRow(), CalculateRow(), SaveAs(Path("kept.qcd")), Click(c->MCDeleteRow); },
         amortix::kAnswerNo,
         {5},
         false},
        {"opened", [this] { OpenFrom(Path("kept.qcd")); }, std::nullopt, {}, true},
    };
    for (const auto& k : cases) {
        OpenComparison();
        k.act();
        ASSERT_TRUE(Recorded().messages.empty()) << k.what;
        const int rows = c->Form().Table().State().rowCount;
        Recorded().questions.clear();
        Recorded().answers = {k.answer};
        Click(c->MCExit);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Recorded().questions, k.questions) << k.what;
        EXPECT_EQ(app->Frame().findChildren<ComparisonScreen*>().isEmpty(), k.leaves) << k.what;
        if (k.leaves) {
            c = nullptr;
            continue;
        }
        EXPECT_EQ(c->Form().Table().State().rowCount, rows) << k.what;
        LeaveComparison();
    }
}

// Delete Row and the Delete key on the grid remove the current row: the rest
// move up renumbered, in the grid, the printout and the graph; with no rows
// there is nothing to delete.
TEST_F(ComparisonFiles, DeleteRowRemovesTheCurrentRow) {
    OpenComparison();
    FiveRows();
    const auto cell = [this](int row, int column) { return c->MCGrid1->TextAt(row, column).toStdString(); };
    const std::string thirdPrincipal = cell(3, 7), fourthPrincipal = cell(4, 7);
    c->MCGrid1->CollapseSelection(2, 0);
    c->MCGrid1->setFocus();
    QTest::keyClick(c->MCGrid1, Qt::Key_Delete);
    EXPECT_EQ(c->Form().Table().State().rowCount, 4);
    EXPECT_EQ(cell(2, 0), "02");
    EXPECT_EQ(cell(2, 7), thirdPrincipal);
    EXPECT_EQ(cell(5, 0), "");
    EXPECT_EQ(c->Form().Table().Graph().points.size(), 4u);
    EXPECT_EQ(c->Form().Table().Graph().points[3].label, "Row  4");
    EXPECT_EQ(c->Form().Table().State().printout.find(" 05 "), std::string::npos);

    c->MCGrid1->CollapseSelection(2, 0);
    Click(c->MCDeleteRow);
    EXPECT_EQ(c->Form().Table().State().rowCount, 3);
    EXPECT_EQ(cell(2, 7), fourthPrincipal);
    for (int i = 0; i < 3; ++i) Click(c->MCDeleteRow);
    EXPECT_EQ(c->Form().Table().State().rowCount, 0);
    Recorded().beeps = 0;
    Click(c->MCDeleteRow);
    EXPECT_EQ(Recorded().beeps, 1);
    EXPECT_TRUE(Recorded().messages.empty());
}

}  // namespace
}  // namespace amortix::gui
