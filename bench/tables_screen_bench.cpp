// The tables screen from the Calculate click to the painted grid, on the
// largest schedule it makes: weekly payments over 40 years, every payment
// shown with its date. Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/grid_widget.h"
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
        screen->View().ShowDates = true;
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
    if (!screen.MGrid->isVisible() || screen.View().GridRows < 2000 ||
        screen.MGrid->Rows() != screen.View().GridRows + 4)
        state.SkipWithError("not the largest schedule");
}
BENCHMARK(BM_CalculateToPaintedGrid)->Unit(benchmark::kMillisecond);

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
