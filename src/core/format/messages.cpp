#include "core/format/messages.h"

namespace amortix {

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

std::string MessageText(Message message, std::string_view todayShortDate) {
    for (const MessageRow& row : kMessageTexts) {
        if (row.message != message) continue;
        std::string text(row.text);
        if (message == Message::DateFormat) text.append(todayShortDate);
        return text;
    }
    return {};
}

std::string QuestionText(Question question) {
    switch (question) {
        case Question::ContinuePrintout:
            return " Continue with Printout.";
        case Question::PrintInColor:
            return " Print in Color.";
        case Question::SaveBeforeErasing:
            return " file in memory will be erased. Do you wish to go back and save it to Disk?.";
        case Question::EraseAdditionalPayments:
            return " Erase every additional payment: the percentage and all year amounts?";
        case Question::LeaveComparison:
            return " The rows of this comparison will be erased. Leave it anyway?";
    }
    return {};
}

}  // namespace amortix
