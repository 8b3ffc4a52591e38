// The graph windows: the bars they draw (checked against the command line),
// the 2D/3D buttons and the printout's questions.

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonObject>

#include "core/forms/comparison_table.h"
#include "graphs/bar_chart_view.h"
#include "graphs/graph_window.h"
#include "graphs/graphs.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using amortix::TableKind;
using test::TablesProgram;

class Graphs : public TablesProgram {
  protected:
    // Calculates on the tables screen and opens its graph.
    GraphWindow* TablesGraph(TableKind mode, const char* principal, const char* rate, const char* term,
                             int frequency) {
        Open(mode);
        Figures(principal, rate, term);
        Choose(s->FreqPmt, frequency);
        Click(s->Option1);
        Calculate();
        return OpenFrom<GraphWindow>(s->MGraphs, "GraphsAll");
    }
};

TEST_F(Graphs, TablesBarsAreTheBalancesAtTheStartOfEachYear) {
    const struct {
        TableKind mode;
        const char* principal;
        const char* rate;
        const char* term;
        int frequency;  // list index
        int bars;       // 0: not counted
        const char* cli;
    } cases[] = {
        {TableKind::Mortgage, "100000", "10.125", "25", 0, 25, "--years 25"},
        {TableKind::PersonalLoan, "5000", "9", "12", 0, 2, "--mode loan --months 12 --rate 9"},
        {TableKind::Mortgage, "250000", "6", "40", 5, 0, "--years 40 --rate 6 --frequency weekly-acc"},
    };
    for (const auto& c : cases) {
        GraphWindow* w = TablesGraph(c.mode, c.principal, c.rate, c.term, c.frequency);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(s->isVisible()) << "the tables screen is hidden while its graph is open";
        QStringList args{"schedule", "--principal", c.principal, "--view", "all"};
        const QJsonObject graph = test::CliJson(args + QString(c.cli).split(' '))["graph"].toObject();
        const QJsonArray points = graph["points"].toArray();
        const QList<qreal> bars = w->Graph1->BarValues();
        const QStringList labels = w->Graph1->CategoryLabels();
        if (c.bars != 0) {
            EXPECT_EQ(bars.size(), c.bars) << c.principal;
        }
        ASSERT_LE(bars.size(), points.size());
        for (qsizetype i = 0; i < bars.size(); ++i) {
            EXPECT_DOUBLE_EQ(bars[i], points[i].toArray()[1].toDouble()) << c.principal << " bar " << i;
            EXPECT_EQ(labels[i].toDouble(), points[i].toArray()[0].toDouble());
        }
        EXPECT_EQ(w->Graph1->chart()->title(), graph["title"].toString());
        EXPECT_TRUE(w->Graph1->LegendTexts().isEmpty());
        EXPECT_EQ(w->Graph1->ValueAxisTitle(), "");
        Click(w->ExitBut);
        QApplication::processEvents();
        EXPECT_TRUE(s->isVisible());
        Click(s->MExit);
    }
}

TEST_F(Graphs, ButtonsAndFocusFollowTheDrawing) {
    GraphWindow* w = TablesGraph(TableKind::Mortgage, "100000", "8", "20", 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GraphKind(), 3);
    EXPECT_TRUE(w->Sav2D->isVisible());
    EXPECT_FALSE(w->Sav2D->isEnabled());
    EXPECT_TRUE(w->ThreeDee->isEnabled());
    const struct {
        QPushButton* GraphWindow::*click;
        int kind;
        bool depth;
        bool sav2dEnabled;
        QPushButton* GraphWindow::*focus;
    } steps[] = {
        {&GraphWindow::ThreeDee, 5, true, true, &GraphWindow::Sav2D},
        {&GraphWindow::Sav2D, 3, false, false, &GraphWindow::ThreeDee},
        {&GraphWindow::ThreeDee, 5, true, true, &GraphWindow::Sav2D},
    };
    for (const auto& step : steps) {
        Click(w->*step.click);
        EXPECT_EQ(w->GraphKind(), step.kind);
        EXPECT_EQ(w->Graph1->Depth(), step.depth);
        EXPECT_EQ(w->Sav2D->isEnabled(), step.sav2dEnabled);
        EXPECT_EQ(w->ThreeDee->isEnabled(), !step.sav2dEnabled);
        EXPECT_EQ(QApplication::focusWidget(), w->*step.focus);
    }
}

// The share of clearly coloured pixels in an image.
double ColouredShare(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixelColor(x, y).hsvSaturation() > 60) ++coloured;
    return coloured * 4.0 / (image.width() * image.height());
}

TEST_F(Graphs, PrintingAsksTwiceAndPrintsTheChartAloneInTheChosenColours) {
    amortix::GraphData data;
    data.title = "Mortgage balance at start of each Year";
    data.count = 5;
    for (int i = 1; i <= 6; ++i) data.points.push_back({{}, double(i), 100000.0 - 15000.0 * i});
    std::vector<QImage> printed;
    GraphWindow::Commands commands;
    commands.printWindow = [&printed](GraphWindow& window) {
        printed.push_back(window.grab().toImage());
        // The image ends above the buttons: the chart's whole frame lies above them.
        EXPECT_LT(window.Graph1->geometry().bottom(), window.Ptr->geometry().top());
    };
    GraphWindow* w = GraphWindow::Open(Context(), "GraphsAll", amortix::TablesChart(data, "$"), nullptr,
                                       std::move(commands));
    const QSize size = w->parentWidget()->size();
    const QPoint place = w->parentWidget()->pos();

    const struct {
        std::deque<std::optional<int>> answers;
        std::vector<int> asked;
        bool prints;
        bool colour;
    } cases[] = {
        {{0}, {1}, false, false},
        {{std::nullopt}, {1}, false, false},
        {{6, 0}, {1, 2}, true, false},
        {{6, 6}, {1, 2}, true, true},
    };
    for (const auto& c : cases) {
        printed.clear();
        Recorded().questions.clear();
        Recorded().answers = c.answers;
        Click(w->Ptr);
        EXPECT_EQ(Recorded().questions, c.asked);
        ASSERT_EQ(printed.size(), c.prints ? 1U : 0U);
        if (c.prints) {  // the chart alone, in colour or in greys
            const double share = ColouredShare(printed[0]);
            EXPECT_TRUE(c.colour ? share > 0.05 : share == 0.0) << share;
        }
        EXPECT_EQ(w->parentWidget()->size(), size);
        EXPECT_EQ(w->parentWidget()->pos(), place);
        EXPECT_FALSE(w->PrintInColour());
        EXPECT_GT(ColouredShare(w->grab().toImage()), 0.05) << "the screen keeps its colours";
    }
    Click(w->ExitBut);
}

TEST_F(Graphs, ComparisonBarsCarryTheRowsInTheLegend) {
    State().CurrencySymbol = "\xC2\xA3";
    amortix::ComparisonTable comparison;
    amortix::ComparisonInputs in;
    comparison.Calculate(in);
    in.frequency = Frequency::BiweeklyAccelerated;
    comparison.Calculate(in);
    in.frequency = amortix::ComparisonInputs().frequency;
    in.ratePercent = 8.0;
    comparison.Calculate(in);
    const QStringList cliArgs{"compare", "--row",   "", "--row", "--frequency biweekly-acc",
                              "--row",   "--rate 8"};
    QWidget caller;
    app->Frame().ShowForm(&caller);
    GraphWindow* w = OpenComparisonGraph(Context(), comparison, caller);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->GraphKind(), 6);
    const QJsonObject graph = test::CliJson(cliArgs)["graph"].toObject();
    const QJsonArray points = graph["points"].toArray();
    ASSERT_EQ(w->Graph1->BarValues().size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(w->Graph1->BarValues()[i], points[i].toArray()[1].toDouble());
        EXPECT_EQ(w->Graph1->LegendTexts()[i], points[i].toArray()[0].toString());
    }
    EXPECT_EQ(w->Graph1->chart()->title(), graph["title"].toString());
    EXPECT_EQ(w->Graph1->ValueAxisTitle(), QString::fromUtf8("Value \xC2\xA3"));
    EXPECT_TRUE(w->Graph1->ValueAxisLabels().last().startsWith(QString::fromUtf8("\xC2\xA3")));
    Click(w->ThreeDee);
    EXPECT_EQ(w->GraphKind(), 7);
    Click(w->ExitBut);
    app->Frame().HideForm(&caller);
}

class GraphPictures : public test::FilesProgram<Graphs> {};

// The chart leaves the program as a PNG image, an SVG drawing or a clipboard
// image; a picture that cannot be written leaves no file and names it.
TEST_F(GraphPictures, TheChartIsSavedAsPngOrSvgAndCopied) {
    GraphWindow* w = TablesGraph(TableKind::Mortgage, "100000", "10.125", "25", 0);
    ASSERT_NE(w, nullptr);
    const QSize chart = w->Graph1->size();

    ClickNaming(w->SavePic, Path("balance.png"));
    QImage png(Path("balance.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), chart * w->Graph1->devicePixelRatio());

    ClickNaming(w->SavePic, Path("balance.svg"));
    const QByteArray svg = test::ReadAll(Path("balance.svg"));
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_EQ(dialog->requests.back().mode, FileDialogMode::SavePicture);
    EXPECT_EQ(dialog->requests.back().initialName, Path("balance.png"));  // the last name is offered
    EXPECT_TRUE(Recorded().messages.empty());

    ClickNaming(w->SavePic, Path("no/such/folder/chart.png"));
    EXPECT_EQ(Recorded().messages, std::vector<int>{37});
    ASSERT_EQ(Recorded().details.size(), 1u);
    EXPECT_TRUE(Recorded().details[0].contains("chart.png"));
    EXPECT_FALSE(QFileInfo::exists(Path("no/such/folder/chart.png")));

    QGuiApplication::clipboard()->clear();
    Click(w->CopyPic);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), png.size());
}

}  // namespace
}  // namespace amortix::gui
