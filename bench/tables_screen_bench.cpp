// The tables screen from the Calculate click to the painted grid, on the
// largest schedule it makes: weekly payments over 40 years, every payment
// shown with its date. Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/grid_widget.h"
#include "tables/tables_screen.h"
#include "window_bench.h"

namespace {

using namespace amortix::gui;

struct Program : amortix::bench::WindowProgram<TablesScreen> {
    Program() : WindowProgram(&MainMenu::MortCalc, kTablesScreen) {
        amortix::bench::LargestSchedule(*app, *screen);
        screen->View().showDates = true;
    }
};

void BM_CalculateToPaintedGrid(benchmark::State& state) {
    Program program;
    TablesScreen& screen = *program.screen;
    for (auto _ : state) {
        // Each click starts from the grid's size at load, as the first one does.
        state.PauseTiming();
        screen.MGrid->SetRows(26);
        QApplication::processEvents();
        state.ResumeTiming();
        screen.MCalc->click();
        screen.MGrid->viewport()->repaint();
    }
    // 2,040 payments: the rate per period counts 52.14 weeks a year.
    if (!screen.MGrid->isVisible() || screen.View().gridRows < 2000 ||
        screen.MGrid->Rows() != screen.View().gridRows + 4)
        state.SkipWithError("not the largest schedule");
}
BENCHMARK(BM_CalculateToPaintedGrid)->Unit(benchmark::kMillisecond);

}  // namespace
