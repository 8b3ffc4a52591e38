#pragma once
// The window program as one object: the shared state, the frame with the
// main menu, the one Interaction, and the calculator screens by form name.
// main() creates it with the defaults; tests give it a settings folder of
// their own and a RecordingInteraction.

#include <QHash>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

#include "shell/app_state.h"
#include "shell/screen_context.h"

class QWidget;

namespace amortix::gui {

class Interaction;
class KeyboardConventions;
class MainFrame;
class MainMenu;

class Application {
  public:
    using InteractionFactory = std::function<std::unique_ptr<Interaction>(AppState& state, QWidget* frame)>;

    // `settingsFolder` holds Personal.Mtg; an empty factory gives the real
    // modal boxes. `stateFolder` is where the screens' inputs, the frame's
    // place and the recent files are kept between runs; empty, nothing is.
    explicit Application(const QString& settingsFolder, const InteractionFactory& makeInteraction = {},
                         const QString& stateFolder = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The frame's Load: shows the menu (which loads the settings), then sizes
    // and shows the frame.
    void Start();

    AppState& State() { return state_; }
    Interaction& Interact() { return *interaction_; }
    MainFrame& Frame() { return *frame_; }
    MainMenu& Menu() { return *menu_; }
    ScreenContext& Context() { return *context_; }
    QString SettingsPath() const { return settingsPath_; }
    QString StateFolder() const { return stateFolder_; }

    // Which form a menu button opens; a form with no factory opens as a
    // placeholder with a way back to the menu.
    void RegisterScreen(const QString& formName, const ScreenFactory& factory);
    // Hides the menu and shows a new instance of the screen, which it returns.
    QWidget* OpenScreen(const QString& formName);

    // Run at the end of Start, and each time a screen opens (before a file
    // named at start or dropped is opened into it).
    void SetOnStarted(std::function<void()> started) { onStarted_ = std::move(started); }
    void SetOnScreenOpened(std::function<void(QWidget*)> opened) { onScreenOpened_ = std::move(opened); }

    // What "Exit Program" and closing the frame do (quits the event loop
    // unless replaced).
    void SetEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

  private:
    // The largest design size among the menu and the registered screens.
    QSize LargestFormSize();

    AppState state_;
    QString settingsPath_;
    QString stateFolder_;
    std::function<void()> onStarted_;
    std::function<void(QWidget*)> onScreenOpened_;
    std::unique_ptr<MainFrame> frame_;
    std::unique_ptr<Interaction> interaction_;
    std::unique_ptr<ScreenContext> context_;
    std::unique_ptr<KeyboardConventions> keyboard_;
    MainMenu* menu_ = nullptr;  // owned by the frame
    QHash<QString, ScreenFactory> screens_;
    std::function<void()> endProgram_;
};

// Registers every calculator screen of this build (src/gui/screens.cpp).
void RegisterScreens(Application& application);

}  // namespace amortix::gui
