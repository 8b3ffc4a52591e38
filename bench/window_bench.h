#pragma once
// What the window benchmarks share: the whole program, offscreen, answering
// every message itself, with one of its screens open from the menu.

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "tables/tables_screen.h"

namespace amortix::bench {

template <class Screen>
struct WindowProgram {
    QTemporaryDir folder;
    std::unique_ptr<gui::Application> app;
    Screen* screen = nullptr;

    // Starts the program and clicks `opener`, a button of the main menu.
    WindowProgram(QPushButton* gui::MainMenu::*opener, const char* formName) {
        app = std::make_unique<gui::Application>(folder.path(), [](gui::AppState& state, QWidget*) {
            return std::make_unique<gui::RecordingInteraction>(state);
        });
        app->Start();
        (app->Menu().*opener)->click();
        QApplication::processEvents();
        screen = app->Frame().findChild<Screen*>(formName);
    }
};

// The largest schedule the tables screen makes: weekly payments of a
// 250,000 mortgage at 6.5 % over 40 years, every payment shown.
inline void LargestSchedule(gui::Application& /*app*/, gui::TablesScreen& screen) {
    ScheduleInputs in = screen.Inputs();
    in.principal = 250000;
    in.ratePercent = 6.5;
    in.years = 40;
    in.frequency = Frequency::OneWeek;
    screen.Restore(in);
    screen.Option1->click();  // all payments
}

}  // namespace amortix::bench
