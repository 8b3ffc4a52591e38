#pragma once
// SettingsForm: the personal settings (currency symbol, name, printer font,
// preferred compounding, language), written to Personal.Mtg when the form is
// left.

#include <QDialog>

#include <array>
#include <functional>

#include "shell/screen_context.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace amortix::gui {

// The longest name and currency symbol the form takes.
inline constexpr int kUserNameMaxLength = 40;
inline constexpr int kCurrencySymbolMaxLength = 5;

class SettingsForm : public QDialog {
    Q_OBJECT
  public:
    // `onExit` runs after the file is written (the menu shows the name).
    SettingsForm(ScreenContext& context, QString settingsPath, std::function<void()> onExit, QWidget* parent);

    QLabel* Label3 = nullptr;
    QLineEdit* InSy = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* InMyName = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> PtrFt{};  // 0 standard font, 1 Courier New 11 point
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 5> CPeriod{};  // 0 Monthly .. 4 Annual
    QGroupBox* Frame3 = nullptr;
    QComboBox* LanguageList = nullptr;  // rows of amortix::kLanguages
    QLabel* LanguageNote = nullptr;
    QPushButton* ExitFonts = nullptr;

    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Exit();

    ScreenContext context_;
    QString settingsPath_;
    std::function<void()> onExit_;
    bool exited_ = false;
};

}  // namespace amortix::gui
