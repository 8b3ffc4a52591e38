// The graph window of the tables screen, from the Show Graph click to the
// painted chart, on a 40-year schedule of weekly payments (40 bars), flat and
// with depth. Reports the process's peak memory with the window open. Runs
// offscreen.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>

#include "graphs/bar_chart_view.h"
#include "graphs/graph_window.h"
#include "tables/tables_screen.h"
#include "window_bench.h"

namespace {

using namespace amortix::gui;

struct Program : amortix::bench::WindowProgram<TablesScreen> {
    Program() : WindowProgram(&MainMenu::MortCalc, kTablesScreen) {
        amortix::bench::LargestSchedule(*app, *screen);
        screen->MCalc->click();
    }

    GraphWindow* Graph() const { return app->Frame().findChild<GraphWindow*>("GraphsAll"); }
};

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void OpenGraph(benchmark::State& state, bool depth) {
    Program program;
    for (auto _ : state) {
        program.screen->MGraphs->click();
        GraphWindow* graph = program.Graph();
        if (depth) graph->ThreeDee->click();
        graph->Graph1->viewport()->repaint();
        state.PauseTiming();
        if (graph->Graph1->BarValues().size() != 40) state.SkipWithError("not 40 bars");
        graph->ExitBut->click();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_ShowGraphToPaintedChart(benchmark::State& state) {
    OpenGraph(state, false);
}
void BM_ShowGraphTo3DChart(benchmark::State& state) {
    OpenGraph(state, true);
}
BENCHMARK(BM_ShowGraphToPaintedChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowGraphTo3DChart)->Unit(benchmark::kMillisecond);

}  // namespace
