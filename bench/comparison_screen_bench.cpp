// The comparison screen from the Calculate click to the painted row, on the
// largest row it makes: weekly payments over 40 years with an additional
// payment in every year, added as the eighth row so both grids are full.
// Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "compare/comparison_screen.h"
#include "shell/grid_widget.h"
#include "window_bench.h"

namespace {

using namespace amortix::gui;

struct Program : amortix::bench::WindowProgram<ComparisonScreen> {
    amortix::ComparisonState sevenRows;

    Program() : WindowProgram(&MainMenu::CompMort, kComparisonScreen) {
        amortix::ComparisonForm& form = screen->Form();
        form.EnterPrincipal(250000);
        form.EnterRate(6.5);
        form.EnterTerm(40);
        amortix::AdditionalPayments& extra = form.Extra();
        extra.years = 40;
        for (int y = 1; y <= 39; ++y) {
            extra.yearNumber[static_cast<std::size_t>(y)] = amortix::Currency::FromDouble(y);
            extra.amount[static_cast<std::size_t>(y)] = amortix::Currency::FromDouble(1000);
        }
        extra.rowCount = extra.CountYearsWithAmounts();
        extra.kind = amortix::ExtraPaymentKind::YearAmounts;
        screen->FreqPmt->setCurrentIndex(3);  // every week
        for (int row = 0; row < 7; ++row) screen->MCCalc->click();
        sevenRows = form.Table().State();
    }
};

void BM_CalculateToPaintedRow(benchmark::State& state) {
    Program program;
    ComparisonScreen& screen = *program.screen;
    for (auto _ : state) {
        state.PauseTiming();
        screen.Form().Table().Restore(program.sevenRows);
        screen.Display();
        QApplication::processEvents();
        state.ResumeTiming();
        screen.MCCalc->click();
        screen.MCGrid1->viewport()->repaint();
        screen.MCGrid2->viewport()->repaint();
    }
    const auto& comparison = screen.Form().Table().State();
    if (comparison.rowCount != 8 || comparison.greatestEntries < 30 || screen.MCGrid2->Cols() != 16)
        state.SkipWithError("not the largest row");
}
BENCHMARK(BM_CalculateToPaintedRow)->Unit(benchmark::kMillisecond);

}  // namespace
