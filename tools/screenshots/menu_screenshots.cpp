// Pictures of the main menu, the settings, the about box, the guide and a
// message for the documentation. Runs only when AMORTIX_SCREENSHOTS names a
// folder; scripts/screenshots.sh Menu runs them under Xvfb.

#include <QPainter>

#include "screenshots.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/main_menu.h"
#include "shell/message_boxes.h"
#include "shell/settings_form.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

class MenuScreenshots : public test::Screenshots<test::TablesProgram> {
  protected:
    // A window of its own, as it is on the screen.
    void SaveWindow(QWidget* window, const QString& name) {
        window->show();
        Settle();
        EXPECT_TRUE(window->grab().save(FileFor(name)));
    }
};

TEST_F(MenuScreenshots, MenuSettingsAboutGuideAndAMessage) {
    Save("main-menu");
    {
        SettingsForm settings(Context(), folder.filePath("Personal.Mtg"), {}, &app->Frame());
        SaveWindow(&settings, "settings");
        settings.reject();
    }
    {
        AboutBox about(&app->Frame());
        SaveWindow(&about, "about");
    }
    {
        HelpWindow help;
        help.resize(900, 700);
        SaveWindow(&help, "help");
    }
    MessageBox message(amortix::Message::DateFormat, &app->Frame());
    SaveWindow(&message, "message");
}

}  // namespace
}  // namespace amortix::gui
