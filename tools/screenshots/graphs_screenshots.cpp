// Pictures of the graph windows for the documentation: a 40-year schedule and
// eight comparison rows, flat and with depth. Runs only when
// AMORTIX_SCREENSHOTS names a folder; scripts/graphs_screenshots.sh runs them
// under Xvfb at 96 and 144 DPI.

#include "comparison_test_util.h"
#include "graphs/graph_window.h"
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

}  // namespace
}  // namespace amortix::gui
