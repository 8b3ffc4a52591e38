#pragma once
// Stands in for a calculator screen that is not part of this build yet: a
// note and the way back to the menu.

#include <QWidget>

#include "shell/screen_context.h"

class QLabel;
class QPushButton;

namespace amortix::gui {

class PlaceholderScreen : public QWidget {
    Q_OBJECT
  public:
    // `formName` becomes the object name; `caption` the frame's caption.
    PlaceholderScreen(ScreenContext& context, const QString& formName, const QString& caption);

    QLabel* Note = nullptr;
    QPushButton* PlaceholderExit = nullptr;

  private:
    ScreenContext context_;
};

// The caption a calculator screen gives the frame.
QString ScreenCaption(const QString& formName, const AppState& state);

}  // namespace amortix::gui
