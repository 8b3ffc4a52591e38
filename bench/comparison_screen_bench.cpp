// The comparison screen from the Calculate click to the painted row, on the
// largest row it makes: weekly payments over 40 years with an additional
// payment in every year, added as the eighth row so both grids are full.
// Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "compare/comparison_screen.h"
#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"

namespace {

using namespace amortix::gui;

struct Program {
    QTemporaryDir folder;
    std::unique_ptr<Application> app;
    ComparisonScreen* screen = nullptr;
    amortix::ComparisonState sevenRows;

    Program() {
        app = std::make_unique<Application>(folder.path(), [](AppState& state, QWidget*) {
            return std::make_unique<RecordingInteraction>(state);
        });
        app->Start();
        app->Menu().CompMort->click();
        QApplication::processEvents();
        screen = app->Frame().findChild<ComparisonScreen*>(kComparisonScreen);
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
        extra.type = 1;
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
