#include "graphs/graphs.h"

#include "core/forms/graph_form.h"
#include "graphs/graph_window.h"
#include "shell/app_state.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

GraphWindow* OpenTablesGraph(ScreenContext& context, TablesScreen& screen, GraphWindow::Commands commands) {
    const amortix::ScheduleResult* results = screen.Results();
    if (results == nullptr) return nullptr;
    const amortix::GraphData data = amortix::BuildBalanceByYear(*results, screen.Inputs().principal);
    context.state.ResultsReady = data.count;
    return GraphWindow::Open(context, "GraphsAll", amortix::TablesChart(data, context.state.CurrencySymbol),
                             &screen, std::move(commands));
}

GraphWindow* OpenComparisonGraph(ScreenContext& context, const amortix::Comparison& comparison,
                                 QWidget& screen, GraphWindow::Commands commands) {
    return GraphWindow::Open(context, "MCGraph",
                             amortix::ComparisonChart(comparison.Graph(), context.state.CurrencySymbol),
                             &screen, std::move(commands));
}

}  // namespace amortix::gui
