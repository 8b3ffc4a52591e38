#pragma once
// The words the engine shows, looked up in the user's language.
//
// Every text a person reads is an English constant at namespace scope,
// marked with AMX_TEXT so the translators' tool (lupdate, told that AMX_TEXT
// works as QT_TR_NOOP) collects it under the context "amortix". The engine
// keeps English; whatever shows a text asks a Catalogue for it, so the window
// passes its translations and the command line and the files keep English.
// Texts with figures in them are patterns with %1, %2 ... filled by Fill, so
// a language can put the figures where its sentence needs them.

#include <initializer_list>
#include <string>
#include <string_view>

// Expands to the English text; only lupdate reads the mark. Use it at
// namespace scope only: there lupdate gives the text the context "amortix",
// which is where Catalogue implementations look.
#define AMX_TEXT(english) english

namespace amortix {

class Catalogue {
  public:
    virtual ~Catalogue() = default;
    // The text to show for a marked English text; the English itself when
    // the language has none.
    [[nodiscard]] virtual std::string Text(std::string_view english) const;
};

// English as written: the command line, the files and the tests use it.
const Catalogue& EnglishCatalogue();

// The pattern with each %1 .. %9 replaced by the matching argument; a % not
// followed by a digit that names an argument stays as it is.
[[nodiscard]] std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace amortix
