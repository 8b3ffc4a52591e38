#include "shell/personal_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/files/settings_file.h"

namespace amortix::gui {

QString DefaultSettingsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString SettingsFilePath(const QString& folder) {
    return QDir(folder).filePath("Personal.Mtg");
}

void LoadSettingsInto(AppState& state, const QString& path) {
    if (const auto settings = amortix::LoadPersonalSettings(QFile::encodeName(path).toStdString())) {
        state.PrinterFontChoice = settings->printerFontChoice;
        state.UserName = settings->userName;
        state.CurrencySymbol = settings->currencySymbol;
        state.CompoundSetting = settings->compoundSetting;
        state.LanguageChoice = settings->language;
    }
    if (state.CurrencySymbol.empty()) state.CurrencySymbol = "$";
}

bool SaveSettingsFrom(const AppState& state, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    amortix::PersonalSettings settings;
    settings.printerFontChoice = state.PrinterFontChoice;
    settings.userName = state.UserName;
    settings.currencySymbol = state.CurrencySymbol;
    settings.compoundSetting = state.CompoundSetting;
    settings.language = state.LanguageChoice;
    return amortix::SavePersonalSettings(QFile::encodeName(path).toStdString(), settings);
}

}  // namespace amortix::gui
