#pragma once
// Opening the graph windows from the screens that own their data.

#include "core/forms/comparison_table.h"
#include "shell/screen_context.h"

namespace amortix::gui {

class TablesScreen;
class GraphWindow;

// The balance at the start of each year of the schedule on the tables screen.
GraphWindow* OpenTablesGraph(ScreenContext& context, TablesScreen& screen);
// Each comparison row's total interest; `screen` is hidden meanwhile.
GraphWindow* OpenComparisonGraph(ScreenContext& context, const amortix::ComparisonTable& comparison,
                                 QWidget& screen);

}  // namespace amortix::gui
