#include "shell/qt_interaction.h"

#include <QApplication>
#include <QWidget>

#include "shell/help_window.h"
#include "shell/message_boxes.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

// A handler that switched to the hourglass shows the normal pointer again
// before it reports anything.
void RestorePointer() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

}  // namespace

QtInteraction::QtInteraction(AppState& state, QWidget* frame) : Interaction(state), frame_(frame) {}

QtInteraction::~QtInteraction() = default;

void QtInteraction::Beep() {
    QApplication::beep();
}

void QtInteraction::ShowHelp(const QString& topic) {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    if (!help_->isVisible()) help_->PlaceBeside(frame_);
    help_->ShowTopic(topic);
}

void QtInteraction::PresentMessage(amortix::Message message, const QString& detail) {
    RestorePointer();
    MessageBox box(message, frame_, detail);
    PlaceDialog(&box, State(), frame_, QPoint(3600, 2000), QPoint(4650, 3000));
    box.exec();
}

std::optional<int> QtInteraction::PresentQuestion(amortix::Question question) {
    RestorePointer();
    QuestionBox box(question, frame_);
    PlaceDialog(&box, State(), frame_, QPoint(3500, 2000), QPoint(4500, 3000));
    box.exec();
    return box.Answer();
}

}  // namespace amortix::gui
