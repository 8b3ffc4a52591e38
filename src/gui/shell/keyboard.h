#pragma once
// Keyboard conventions that hold in every window of the program:
// - F1 opens the user guide at the topic of the control with the focus;
// - an access key (Alt+letter) moves the focus to its button before clicking
//   it, so the box that is left stores its value first;
// - Enter on a focused button clicks it;
// - every window shown names its boxes, lists and grids for screen readers
//   by their captions.

#include <QObject>

namespace amortix::gui {

class Interaction;

class KeyboardConventions : public QObject {
    Q_OBJECT
  public:
    explicit KeyboardConventions(Interaction& interaction, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Interaction& interaction_;
};

}  // namespace amortix::gui
