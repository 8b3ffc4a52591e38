#pragma once
// The window program's answers to Interaction: the modal message and
// question boxes placed relative to the frame, the system beep and the help
// window.

#include <QPointer>

#include <memory>

#include "shell/interaction.h"

class QWidget;

namespace amortix::gui {

class HelpWindow;

class QtInteraction final : public Interaction {
  public:
    QtInteraction(AppState& state, QWidget* frame);
    ~QtInteraction() override;

    void Beep() override;
    void ShowHelp(const QString& topic) override;

    // The help window, once it has been opened.
    HelpWindow* Help() const { return help_.get(); }

  protected:
    void PresentMessage(amortix::Message message, const QString& detail) override;
    std::optional<int> PresentQuestion(amortix::Question question) override;

  private:
    QPointer<QWidget> frame_;
    std::unique_ptr<HelpWindow> help_;
};

}  // namespace amortix::gui
