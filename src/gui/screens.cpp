// The calculator screens of this build. Each subsystem registers its screen
// here with one line, e.g.
//   application.RegisterScreen(kTablesScreen, [](ScreenContext& c) { return new TablesScreen(c); });
// Forms without a registration open as a placeholder.
#include "afford/afford_screen.h"
#include "compare/comparison_screen.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "files/program_memory.h"
#include "graphs/graphs.h"
#include "print/printing.h"
#include "qualify/qualify_commands.h"
#include "shell/application.h"
#include "shell/main_frame.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

void RegisterScreens(Application& application) {
    // Lives with the frame: the remembered file names last for the whole run.
    auto dialog = std::make_unique<QtFileDialog>(&application.Frame());
    QtFileDialog* fileDialog = dialog.get();
    auto* files = new FileCommands(application.Context(), std::move(dialog), &application.Frame());
    // Kept between runs only where the program has a state folder.
    ProgramMemory* memory = nullptr;
    if (!application.StateFolder().isEmpty()) {
        memory = new ProgramMemory(application, *files);
        fileDialog->SetRecentFiles([memory] { return memory->RecentFiles(); });
    }
    application.RegisterScreen(kTablesScreen, [files, memory](ScreenContext& c) {
        TablesScreen::Commands commands;
        files->AddTo(commands);
        if (memory) commands.remember = [memory](TablesScreen& s) { memory->Remember(s); };
        commands.showGraph = [c](TablesScreen& s) mutable { OpenTablesGraph(c, s); };
        commands.print = [c](TablesScreen& s) mutable { PrintTables(c, s); };
        return new TablesScreen(c, std::move(commands));
    });
    application.RegisterScreen(kComparisonScreen, [files, memory](ScreenContext& c) {
        ComparisonScreen::Commands commands;
        files->AddTo(commands);
        if (memory) commands.remember = [memory](ComparisonScreen& s) { memory->Remember(s); };
        commands.showGraph = [c](ComparisonScreen& s) mutable {
            OpenComparisonGraph(c, s.Form().Table(), s);
        };
        commands.print = [c](ComparisonScreen& s) mutable { PrintComparison(c, s); };
        return new ComparisonScreen(c, std::move(commands));
    });
    application.RegisterScreen(kAffordabilityScreen, [files, memory](ScreenContext& c) {
        AffordScreen::Commands commands;
        files->AddTo(commands);
        if (memory) commands.remember = [memory](AffordScreen& s) { memory->Remember(s); };
        commands.print = [c](AffordScreen& s) mutable { PrintAffordability(c, s); };
        return new AffordScreen(c, std::move(commands));
    });
    auto qualifyName = std::make_shared<QString>();
    application.RegisterScreen(kQualifyScreen, [&application, files, qualifyName](ScreenContext& c) {
        return new QualifyScreen(c, QualifyCommands(application, files, qualifyName));
    });
}

}  // namespace amortix::gui
