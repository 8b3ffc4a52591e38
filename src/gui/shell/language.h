#pragma once
// The window's language: which one the desktop and the settings ask for,
// installing its translations, and the engine's words looked up in it.

#include <QString>

#include <string_view>

#include "core/files/settings_file.h"
#include "core/format/catalogue.h"

namespace amortix::gui {

// What a choice means on this desktop: a language the user chose wins;
// otherwise the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty decides, as the C library reads them: a language whose code begins
// it ("fr_CA.UTF-8": French), English for any other.
amortix::Language ResolveLanguage(amortix::Language choice, const QString& lcAll, const QString& lcMessages,
                                  const QString& lang);
amortix::Language ResolveLanguage(amortix::Language choice);  // from this process's environment

// Installs the program's and Qt's own translations for a language, or none
// for English. Windows built afterwards show it.
void InstallLanguage(amortix::Language language);
amortix::Language InstalledLanguage();
// Its two-letter code ("en", "fr"), as the guide's pages are named.
QString InstalledLanguageCode();

// At start, before any window: the language of the settings in `settingsPath`
// or, without a choice there, the desktop's.
void InstallLanguageAtStart(const QString& settingsPath);

// A text in the window's language. The program looks every text up under one
// context, whichever class or layer writes it, so the engine's texts (marked
// AMX_TEXT) and the window's (Tr("...") literals, or AMX_TEXT constants) share
// one catalogue, and a word has one translation everywhere.
QString Tr(const char* english);
// Where one English word needs two French ones ("Annual" payments, "Annual"
// compounding), the second names which.
QString Tr(const char* english, const char* disambiguation);
QString Tr(std::string_view english);
QString Tr(const QString& english);

// The engine's catalogue, answering from the installed translations.
const amortix::Catalogue& WindowCatalogue();

}  // namespace amortix::gui
