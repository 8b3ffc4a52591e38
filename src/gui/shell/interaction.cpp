#include "shell/interaction.h"

#include "core/format/money.h"

namespace amortix::gui {

void Interaction::ShowMessage(int number) {
    state_.MessageNumber = amortix::ToInt16(number);
    PresentMessage(number);
}

int Interaction::AskQuestion(int number) {
    state_.QuestionNumber = amortix::ToInt16(number);
    if (const auto answer = PresentQuestion(number)) state_.QuestionNumber = amortix::ToInt16(*answer);
    return state_.QuestionNumber;
}

void RecordingInteraction::PresentMessage(int number) {
    messages.push_back(number);
    if (onMessage) onMessage(number);
}

std::optional<int> RecordingInteraction::PresentQuestion(int number) {
    questions.push_back(number);
    if (answers.empty()) return std::nullopt;
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace amortix::gui
