#pragma once
// MainMenu: the hub. Each button hides the menu and opens one calculator or
// dialog; the calculators' exit buttons bring the menu back.

#include <QWidget>

#include <functional>

#include "core/calc/schedule.h"
#include "shell/screen_context.h"

class QLabel;
class QPushButton;

namespace amortix::gui {

class MainMenu : public QWidget {
    Q_OBJECT
  public:
    struct Hooks {
        // Opens a calculator screen by form name.
        std::function<void(const QString& formName)> openScreen;
        // Ends the run.
        std::function<void()> endProgram;
    };

    MainMenu(ScreenContext& context, QString settingsPath, Hooks hooks);

    // The menu's Load: frame caption, personal settings, the month of the
    // additional payments and today's date as the first payment date.
    void Load();

    // Shows the user's name when there is one.
    void ShowUserName();

    QLabel* Label2 = nullptr;
    QLabel* Subtitle = nullptr;
    QLabel* MyName = nullptr;
    QPushButton* MortCalc = nullptr;
    QPushButton* PersonalLoan = nullptr;
    QPushButton* CompMort = nullptr;
    QPushButton* MFindFactor = nullptr;
    QPushButton* MQualify = nullptr;
    QPushButton* PtrFnt = nullptr;
    QPushButton* HowUse = nullptr;
    QPushButton* About1 = nullptr;
    QPushButton* EndMort = nullptr;

  private:
    void OpenTables(amortix::TableKind mode);
    void OpenSettings();
    void OpenAbout();

    ScreenContext context_;
    QString settingsPath_;
    Hooks hooks_;
};

}  // namespace amortix::gui
