#include "shell/interaction.h"

#include "core/format/money.h"

namespace amortix::gui {

void Interaction::ShowMessage(amortix::Message message, const QString& detail) {
    state_.MessageNumber = amortix::ToInt16(amortix::MessageNumber(message));
    PresentMessage(message, detail);
}

int Interaction::AskQuestion(amortix::Question question) {
    state_.QuestionNumber = amortix::ToInt16(amortix::QuestionNumber(question));
    if (const auto answer = PresentQuestion(question)) state_.QuestionNumber = amortix::ToInt16(*answer);
    return state_.QuestionNumber;
}

void RecordingInteraction::PresentMessage(amortix::Message message, const QString& detail) {
    const int number = amortix::MessageNumber(message);
    messages.push_back(number);
    details.push_back(detail);
    if (onMessage) onMessage(number);
}

std::optional<int> RecordingInteraction::PresentQuestion(amortix::Question question) {
    questions.push_back(amortix::QuestionNumber(question));
    if (answers.empty()) return std::nullopt;
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace amortix::gui
