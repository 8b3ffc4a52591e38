#pragma once
// Number entry, parsing and display masks shared by every input box, result
// box, grid cell and printed line.

#include <string>
#include <string_view>

#include "core/format/money.h"

namespace amortix {

// Character codes of the key events the input boxes see.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyCtrlBackspace = 127;
inline constexpr int kKeyPoint = 46;   // "." as a typed character
inline constexpr int kKeyDelete = 46;  // the Delete key in a key-down event
inline constexpr int kKeyQuote = 34;

// The answer of a key filter: the code to let through (0 = swallowed) and
// whether the refusal beeps.
struct KeyDecision {
    int code = 0;
    bool beep = false;
    bool accepted() const { return code != 0; }
};

// One keystroke into a box that takes a decimal number. `entryText` is the
// box's text before the key; `decimals` the number of decimals allowed (2 for
// money and days, 3 for rates). A second "." is let through on purpose.
KeyDecision DecimalKeyFilter(int code, std::string_view entryText, int decimals);

// One keystroke into a box that takes a whole number.
KeyDecision DigitKeyFilter(int code);

// At least `width` characters (UTF-8 code points): right-aligned with leading
// blanks; a longer text is returned whole, never cut.
std::string RightJustify(std::string_view text, int width);

// The value of the longest numeric prefix (blanks, tabs and line feeds are
// skipped anywhere); text with no digits reads as 0, and so does a value too
// large for a double.
double ParseNumber(std::string_view text);

// The text of `value` under a display mask such as "####,,###.00",
// "0.########" or "###": "#" an optional digit, "0" a required one, a ","
// anywhere in the integer part groups thousands. Rounds halves away from zero
// on the value's 15 significant digits.
std::string FormatNumber(double value, std::string_view mask);
std::string FormatNumber(Currency value, std::string_view mask);

// Shortest decimal text that reads back to the same single-precision value
// ("365.25", "365"), as the days-in-year box judges it.
std::string ShortestText(float value);

// Money text: the currency symbol followed by the amount under the mask.
std::string MoneyText(std::string_view symbol, double value, std::string_view mask);
std::string MoneyText(std::string_view symbol, Currency value, std::string_view mask);

// The display forms an input box shows after it is left: money right-justified
// in 16, a rate in 14 followed by "%", a period in 16.
std::string MoneyBoxText(std::string_view symbol, double value);
std::string RateBoxText(double ratePercent);
std::string TermBoxText(double value);

// Leading blanks removed (the list texts shown without their padding).
std::string TrimLeft(std::string_view text);
// Leading and trailing blanks removed.
std::string Trim(std::string_view text);

}  // namespace amortix
