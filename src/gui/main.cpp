#include <QApplication>
#include <QCommandLineParser>

#include "files/file_commands.h"
#include "files/program_memory.h"
#include "shell/about_box.h"
#include "shell/application.h"
#include "shell/language.h"
#include "shell/personal_settings.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(amortix::gui::kProductName);
    QApplication::setApplicationVersion(amortix::gui::kProductVersion);
    QApplication::setStyle("Fusion");

    QCommandLineParser options;
    options.setApplicationDescription("Mortgage and loan calculator.");
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(
        "file", "A table (.qmd, .qld), comparison (.qcd) or qualifying (.qqd) file to open.", "[file]");
    options.process(qt);

    // Before any window: every caption is read in the language installed now.
    amortix::gui::InstallLanguageAtStart(
        amortix::gui::SettingsFilePath(amortix::gui::DefaultSettingsFolder()));

    amortix::gui::Application application(amortix::gui::DefaultSettingsFolder(), {},
                                          amortix::gui::DefaultStateFolder());
    application.Start();
    if (!options.positionalArguments().isEmpty())
        amortix::gui::OpenFileAtStart(application, options.positionalArguments().constFirst());
    return QApplication::exec();
}
