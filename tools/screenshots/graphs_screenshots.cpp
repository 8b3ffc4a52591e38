// Pictures of the graph windows for the documentation: a 40-year schedule and
// eight comparison rows, flat and with depth. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/graphs_screenshots.sh runs them
// under Xvfb at 96 and 144 DPI.

#include "comparison_test_util.h"
#include "graphs/graph_window.h"
#include "print/header_dialog.h"
#include "print/print_output.h"
#include "print/printing.h"
#include "screenshots.h"

namespace amortix::gui {
namespace {

class GraphScreenshots : public test::Screenshots<test::ComparisonProgram> {
  protected:
    // Both drawings of the graph window now open, then back to its screen.
    void SaveBoth(const char* name, const QString& prefix) {
        GraphWindow* w = app->Frame().findChild<GraphWindow*>(name);
        ASSERT_NE(w, nullptr);
        Save(prefix + "-2d");
        Click(w->ThreeDee);
        Save(prefix + "-3d");
        Click(w->ExitBut);
    }
};

TEST_F(GraphScreenshots, FortyYearScheduleAndEightComparisonRows) {
    Open();
    Type(s->InPrincipal, "250000");
    Type(s->InRate, "6.5");
    Type(s->InTerm, "40");
    Choose(s->FreqPmt, 3);
    Calculate();
    Click(s->MGraphs);
    SaveBoth("GraphsAll", "graph-tables-40-years");
    Click(s->MExit);

    OpenComparison();
    const char* rates[] = {"10.125", "9.5", "9", "8.5", "8", "7.5", "7", "6.5"};
    for (const char* rate : rates) {
        Row(nullptr, rate, nullptr);
        CalculateRow();
    }
    Click(c->MCGraphs);
    SaveBoth("MCGraph", "graph-comparison-eight-rows");
}

// The printouts as PDF files beside the pictures (pdftoppm turns them into
// pictures to look at): a graph, and a comparison with a long header and
// additional payments listed under several rows.
TEST_F(GraphScreenshots, Printouts) {
    const auto printTo = [this](const QString& name) {
        auto out = std::make_unique<PdfFileOutput>(QDir(folder_).filePath(name + ".pdf"));
        Printing::Of(app->Frame()).SetOutput(std::move(out));
    };
    Open();
    Calculate();
    Click(s->MGraphs);
    auto* graph = app->Frame().findChild<GraphWindow*>("GraphsAll");
    ASSERT_NE(graph, nullptr);
    printTo("printout-graph");
    Recorded().answers = {amortix::kAnswerYes, amortix::kAnswerYes};
    Click(graph->Ptr);
    Click(graph->ExitBut);
    Click(s->MExit);

    OpenComparison();
    CalculateRow();
    AdditionalPayments({{2, 5000}, {5, 3000}});
    CalculateRow();
    Row("185000", "7.25", "30", 0);
    AdditionalPayments({{1, 2000}, {3, 2500}, {6, 4000}, {10, 10000}}, 11);
    CalculateRow();
    Row(nullptr, nullptr, "25", 0);
    CalculateRow();
    AdditionalPayments({{1, 125000}, {12, 1500}});
    CalculateRow();
    printTo("printout-comparison");
    test::WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<PrinterHeaderInput*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->InFName,
                         "Smith and Tremblay, 12 Rue des Érables: renewal options from "
                         "the bank and the broker, with every prepayment we could make");
        Click(dialog->Acept);
    });
    Click(c->MCPrinter);
}

}  // namespace
}  // namespace amortix::gui
