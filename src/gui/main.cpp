#include <QApplication>

#include "shell/about_box.h"
#include "shell/application.h"
#include "shell/personal_settings.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(amortix::gui::kProductName);
    QApplication::setApplicationVersion(amortix::gui::kProductVersion);
    QApplication::setStyle("Fusion");

    amortix::gui::Application application(amortix::gui::DefaultSettingsFolder());
    application.Start();
    return QApplication::exec();
}
