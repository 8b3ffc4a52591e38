#pragma once
// Personal.Mtg between the shared state and the user's configuration folder.

#include <QString>

#include "shell/app_state.h"

namespace amortix::gui {

// The user's configuration folder for the program (~/.config/Amortix).
QString DefaultSettingsFolder();
QString SettingsFilePath(const QString& folder);

// Reads the file into the state. A missing or unreadable file leaves the
// state as it is; an empty currency symbol becomes "$".
void LoadSettingsInto(AppState& state, const QString& path);

// Writes the state's four settings, creating the folder when needed; false
// when the file could not be written.
bool SaveSettingsFrom(const AppState& state, const QString& path);

}  // namespace amortix::gui
