#include "shell/application.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QScreen>

#include "shell/interaction.h"
#include "shell/keyboard.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "shell/personal_settings.h"
#include "shell/placeholder_screen.h"
#include "shell/qt_interaction.h"
#include "shell/twips.h"

namespace amortix::gui {

Application::Application(const QString& settingsFolder, const InteractionFactory& makeInteraction,
                         const QString& stateFolder)
    : settingsPath_(SettingsFilePath(settingsFolder)),
      stateFolder_(stateFolder),
      frame_(std::make_unique<MainFrame>(state_)) {
    interaction_ = makeInteraction ? makeInteraction(state_, frame_.get())
                                   : std::make_unique<QtInteraction>(state_, frame_.get());
    context_ = std::make_unique<ScreenContext>(ScreenContext{state_, *interaction_, *frame_});
    keyboard_ = std::make_unique<KeyboardConventions>(*interaction_);
    qApp->installEventFilter(keyboard_.get());
    endProgram_ = [] { QCoreApplication::quit(); };
    frame_->SetOnClosed([this] {
        if (endProgram_) endProgram_();
    });

    MainMenu::Hooks hooks;
    hooks.openScreen = [this](const QString& formName) { OpenScreen(formName); };
    hooks.endProgram = [this] {
        if (endProgram_) endProgram_();
    };
    menu_ = new MainMenu(*context_, settingsPath_, std::move(hooks));
    frame_->SetMenu(menu_);
    RegisterScreens(*this);
}

Application::~Application() {
    if (qApp) qApp->removeEventFilter(keyboard_.get());
}

void Application::Start() {
    // Every window, dialog and the task bar show the program's icon; the
    // desktop entry's name ties a running window to its menu entry.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/amortix-48.png"));
    icon.addFile(QStringLiteral(":/icons/amortix-256.png"));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.amortix.Amortix"));
    menu_->Load();
    frame_->ShowForm(menu_);
    // The frame starts at the screen's top-left corner, 9615 x 6810 twips or
    // large enough for every screen to show whole (larger fonts, higher DPI),
    // within the screen. From then on only the user changes its size.
    QSize start = TwipsToPixels(frame_.get(), QSize(9615, 6810)).expandedTo(LargestFormSize());
    if (const QScreen* display = frame_->screen())
        start = start.boundedTo(display->availableGeometry().size());
    frame_->move(0, 0);
    frame_->resize(start);
    frame_->show();
    menu_->MortCalc->setFocus();
    if (onStarted_) onStarted_();
}

QSize Application::LargestFormSize() {
    QSize largest = MainFrame::FormSize(menu_);
    // Each screen is built once, aside, with state of its own, to learn its
    // design size; nothing of it reaches the program.
    AppState scratch = state_;
    RecordingInteraction quiet(scratch);
    MainFrame aside(scratch);
    ScreenContext context{scratch, quiet, aside};
    for (const amortix::TableKind mode : {amortix::TableKind::Mortgage, amortix::TableKind::PersonalLoan}) {
        scratch.TablesMode = mode;
        for (auto it = screens_.cbegin(); it != screens_.cend(); ++it) {
            if (!*it) continue;
            const std::unique_ptr<QWidget> form((*it)(context));
            if (form) largest = largest.expandedTo(MainFrame::FormSize(form.get()));
        }
    }
    return largest;
}

void Application::RegisterScreen(const QString& formName, const ScreenFactory& factory) {
    screens_.insert(formName, factory);
}

QWidget* Application::OpenScreen(const QString& formName) {
    frame_->HideForm(menu_);
    QWidget* form = nullptr;
    if (const auto it = screens_.constFind(formName); it != screens_.cend() && *it) form = (*it)(*context_);
    if (!form) form = new PlaceholderScreen(*context_, formName, ScreenCaption(formName, state_));
    frame_->ShowForm(form);
    if (onScreenOpened_) onScreenOpened_(form);
    return form;
}

}  // namespace amortix::gui
