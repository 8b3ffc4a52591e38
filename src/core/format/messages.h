#pragma once
// The numbered message and question texts: every notice the user sees is
// chosen by number from these tables.

#include <string>
#include <string_view>

namespace amortix {

// The text of message `number`; message 30 is built from today's date in the
// system's short date form. A number with no row gives an empty text.
std::string MessageText(int number, std::string_view todayShortDate = {});

// The text of question `number`, or an empty text for a number with no row
// (the question box then keeps its design-time caption).
std::string QuestionText(int number);

// Answers a question box hands back.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 0;

}  // namespace amortix
