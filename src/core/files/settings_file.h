#pragma once
// The personal settings kept between runs in `Personal.Mtg`: one line of four
// comma-separated fields (font choice, user name, currency symbol, compounding),
// and a fifth, the language, only when the user chose one.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/text_file.h"
#include "core/format/catalogue.h"

namespace amortix {

// The language of the window: the desktop's, or one the user chose.
enum class Language : std::int8_t { Automatic, English, French };

struct LanguageInfo {
    Language id;
    std::string_view listText;  // each language named in its own words
    std::string_view fileCode;  // the settings file's fifth field, the locales' prefix; none for Automatic
    std::string_view
        translation;  // the window's translation file, amortix_<translation>.qm; none for English
};

inline constexpr std::array<LanguageInfo, 3> kLanguages = {{
    {Language::Automatic, AMX_TEXT("Automatic"), "", ""},
    {Language::English, "English", "en", ""},
    {Language::French, "Français", "fr", "fr_CA"},
}};

struct PersonalSettings {
    std::int16_t printerFontChoice = 0;  // 1 Courier New 11 point, 0 standard font
    std::string userName;
    std::string currencySymbol = "$";
    std::int16_t compoundSetting = 0;  // 0 Monthly .. 4 Annual
    Language language = Language::Automatic;

    bool operator==(const PersonalSettings&) const = default;
};

// The settings in the file, or nothing when it is missing, unreadable or
// malformed (the caller keeps its defaults). A fifth field naming a language
// sets it; anything else there, and every later field, is ignored, as files
// have always been read. An empty currency symbol is returned as read; the caller turns it
// into "$".
std::optional<PersonalSettings> LoadPersonalSettings(const std::string& path);

// The same, with the reason when there are no settings. A font choice other
// than 0 or 1 or a compounding index outside 0..4 makes the file malformed.
LoadResult<PersonalSettings> ReadPersonalSettings(const std::string& path);
LoadResult<PersonalSettings> ParsePersonalSettings(std::string_view bytes);

// Writes the file (through a temporary file and a rename); false on failure,
// also for a name or symbol holding a double quote, which the file cannot hold.
bool SavePersonalSettings(const std::string& path, const PersonalSettings& settings);
// The file's bytes; throws FormatError for settings that cannot be stored.
std::string FormatPersonalSettings(const PersonalSettings& settings);

}  // namespace amortix
