// The calculator screens of this build. Each subsystem registers its screen
// here with one line, e.g.
//   application.RegisterScreen(kTablesScreen, [](ScreenContext& c) { return new TablesScreen(c); });
// Forms without a registration open as a placeholder.
#include "print/printing.h"
#include "shell/application.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

void RegisterScreens(Application& application) {
    application.RegisterScreen(kTablesScreen, [](ScreenContext& c) {
        TablesScreen::Commands commands;
        commands.print = [&c](TablesScreen& screen) { PrintTables(c, screen); };
        return new TablesScreen(c, std::move(commands));
    });
}

}  // namespace amortix::gui
