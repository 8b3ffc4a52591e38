#include "core/format/messages.h"

namespace amortix {

namespace {

// The leading blank sets the text off from the question box's icon.
constexpr const char* kContinuePrintout = AMX_TEXT(" Continue with Printout.");
constexpr const char* kPrintInColor = AMX_TEXT(" Print in Color.");
constexpr const char* kSaveBeforeErasing =
    AMX_TEXT(" file in memory will be erased. Do you wish to go back and save it to Disk?.");
constexpr const char* kEraseAdditionalPayments =
    AMX_TEXT(" Erase every additional payment: the percentage and all year amounts?");
constexpr const char* kLeaveComparison =
    AMX_TEXT(" The rows of this comparison will be erased. Leave it anyway?");

}  // namespace

std::vector<int> MessageNumbers(const std::vector<Message>& messages) {
    std::vector<int> numbers;
    numbers.reserve(messages.size());
    for (const Message m : messages) numbers.push_back(MessageNumber(m));
    return numbers;
}

std::optional<int> MessageNumber(std::optional<Message> message) {
    if (!message) return std::nullopt;
    return MessageNumber(*message);
}

std::string MessageText(Message message, std::string_view todayShortDate, const Catalogue& words) {
    for (const MessageRow& row : kMessageTexts) {
        if (row.message != message) continue;
        // Only DateFormat is a pattern: "100% limit." must not meet Fill.
        if (message == Message::DateFormat) return Fill(words.Text(row.text), {todayShortDate});
        return words.Text(row.text);
    }
    return {};
}

std::string QuestionText(Question question, const Catalogue& words) {
    switch (question) {
        case Question::ContinuePrintout:
            return words.Text(kContinuePrintout);
        case Question::PrintInColor:
            return words.Text(kPrintInColor);
        case Question::SaveBeforeErasing:
            return words.Text(kSaveBeforeErasing);
        case Question::EraseAdditionalPayments:
            return words.Text(kEraseAdditionalPayments);
        case Question::LeaveComparison:
            return words.Text(kLeaveComparison);
    }
    return {};
}

}  // namespace amortix
