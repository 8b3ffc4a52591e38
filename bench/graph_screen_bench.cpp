// The graph window of the tables screen, from the Show Graph click to the
// painted chart, on a 40-year schedule of weekly payments (40 bars), flat and
// with depth. Reports the process's peak memory with the window open. Runs
// offscreen.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

#include "graphs/bar_chart_view.h"
#include "graphs/graph_window.h"
#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "tables/tables_screen.h"

namespace {

using namespace amortix::gui;

struct Program {
    QTemporaryDir folder;
    std::unique_ptr<Application> app;
    TablesScreen* screen = nullptr;

    Program() {
        app = std::make_unique<Application>(folder.path(), [](AppState& state, QWidget*) {
            return std::make_unique<RecordingInteraction>(state);
        });
        app->Start();
        app->Menu().MortCalc->click();
        QApplication::processEvents();
        screen = app->Frame().findChild<TablesScreen*>(kTablesScreen);
        AppState& state = app->State();
        state.TableInputs.principal = 250000;
        state.TableInputs.ratePercent = 6.5;
        state.TableInputs.years = 40;
        screen->FreqPmt->setCurrentIndex(3);  // every week
        screen->Option1->click();             // all payments
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
