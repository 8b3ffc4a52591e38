#include "graphs/graphs.h"

#include <QPushButton>

#include "core/forms/graph_form.h"
#include "core/print/printout_notices.h"
#include "files/file_commands.h"
#include "graphs/bar_chart_view.h"
#include "graphs/graph_window.h"
#include "print/printing.h"
#include "shell/app_state.h"
#include "shell/language.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

// The window's image down to its row of buttons, in the colours it was drawn
// in; the chart alone as a picture file.
GraphWindow::Commands WindowCommands(ScreenContext context) {
    GraphWindow::Commands commands;
    commands.printWindow = [context](GraphWindow& graph) mutable {
        PrintShownImage(
            context, graph, Tr(amortix::kGraphPrintout),
            {graph.Sav2D, graph.ThreeDee, graph.Ptr, graph.SavePic, graph.CopyPic, graph.ExitBut});
    };
    commands.savePicture = [context](GraphWindow& graph) {
        if (FileCommands* files = FileCommands::Of(context.frame)) files->SavePicture(*graph.Graph1);
    };
    return commands;
}

}  // namespace

GraphWindow* OpenTablesGraph(ScreenContext& context, TablesScreen& screen) {
    const amortix::ScheduleResult* results = screen.Results();
    if (results == nullptr) return nullptr;
    const amortix::GraphData data = amortix::BuildBalanceByYear(*results, screen.Inputs().principal);
    context.state.ResultsReady = data.count;
    return GraphWindow::Open(context, "GraphsAll",
                             amortix::TablesChart(data, context.state.CurrencySymbol, WindowCatalogue()),
                             &screen, WindowCommands(context));
}

GraphWindow* OpenComparisonGraph(ScreenContext& context, const amortix::ComparisonTable& comparison,
                                 QWidget& screen) {
    return GraphWindow::Open(
        context, "MCGraph",
        amortix::ComparisonChart(comparison.Graph(), context.state.CurrencySymbol, WindowCatalogue()),
        &screen, WindowCommands(context));
}

}  // namespace amortix::gui
