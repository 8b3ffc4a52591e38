#pragma once
// Everything that stops and asks the user, or answers with a sound or a help
// page, goes through this one interface: the window program shows the modal
// message and question boxes, the tests answer without a window. Callers name
// a message, never a text: all texts live in the engine's tables.

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/format/messages.h"
#include "shell/app_state.h"

namespace amortix::gui {

class Interaction {
  public:
    explicit Interaction(AppState& state) : state_(state) {}
    virtual ~Interaction() = default;
    Interaction(const Interaction&) = delete;
    Interaction& operator=(const Interaction&) = delete;

    // Sets MessageNumber and shows that message; returns when it is closed.
    // `detail` (a file name, the value refused) shows below the message's text.
    void ShowMessage(amortix::Message message, const QString& detail = {});

    // Sets QuestionNumber and asks that question. Afterwards QuestionNumber
    // (also returned) is 6 for Yes, 0 for No, and still the question number
    // when the box was closed without an answer, which callers treat as No.
    int AskQuestion(amortix::Question question);

    // The sound of a refused key.
    virtual void Beep() = 0;

    // Opens the user guide at a topic (an anchor of the guide).
    virtual void ShowHelp(const QString& topic) = 0;

    AppState& State() { return state_; }

  protected:
    // Shows `message` modally, with its detail lines when there are any.
    virtual void PresentMessage(amortix::Message message, const QString& detail) = 0;
    // Asks `question` modally: 6 Yes, 0 No, nothing when closed another way.
    virtual std::optional<int> PresentQuestion(amortix::Question question) = 0;

  private:
    AppState& state_;
};

// Records what the program raised and answers questions from a queue.
class RecordingInteraction final : public Interaction {
  public:
    using Interaction::Interaction;

    // By number, so a test also holds each name to the number users know.
    std::vector<int> messages;
    std::vector<QString> details;  // one per message, empty when it had none
    std::vector<int> questions;
    std::vector<QString> helpTopics;
    int beeps = 0;

    // Answers for the next questions, in order: 6, 0, or nothing for a box
    // closed without an answer. An empty queue answers nothing.
    std::deque<std::optional<int>> answers;

    // Called while a message is "on screen", to look at the state then.
    std::function<void(int)> onMessage;

    void Beep() override { ++beeps; }
    void ShowHelp(const QString& topic) override { helpTopics.push_back(topic); }

  protected:
    void PresentMessage(amortix::Message message, const QString& detail) override;
    std::optional<int> PresentQuestion(amortix::Question question) override;
};

}  // namespace amortix::gui
