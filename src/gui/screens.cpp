// The calculator screens of this build. Each subsystem registers its screen
// here with one line, e.g.
//   application.RegisterScreen(kTablesScreen, [](ScreenContext& c) { return new MortgageCalc(c); });
// Forms without a registration open as a placeholder.
#include "shell/application.h"

namespace amortix::gui {

void RegisterScreens(Application& application) { static_cast<void>(application); }

}  // namespace amortix::gui
