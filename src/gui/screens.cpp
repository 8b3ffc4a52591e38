// The calculator screens of this build. Each subsystem registers its screen
// here with one line, e.g.
//   application.RegisterScreen(kTablesScreen, [](ScreenContext& c) { return new TablesScreen(c); });
// Forms without a registration open as a placeholder.
#include "compare/comparison_screen.h"
#include "shell/application.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

void RegisterScreens(Application& application) {
    application.RegisterScreen(kTablesScreen, [](ScreenContext& c) { return new TablesScreen(c); });
    application.RegisterScreen(kComparisonScreen, [](ScreenContext& c) { return new ComparisonScreen(c); });
}

}  // namespace amortix::gui
