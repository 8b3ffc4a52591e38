#pragma once
// The plain controls every screen is built from, each named by its form's
// control name. The input boxes get their behaviour from numeric_entry.h.

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace amortix::gui {

// A caption. Captions pad with runs of blanks to break their lines at one
// fixed width; shown as rich text the runs fold into one blank and the label
// wraps at its own width, while text() keeps the caption exactly. `text` is
// English (an AMX_TEXT constant or literal); the label shows it translated.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text);

// A right-aligned box that shows a result: read-only, never in the focus
// chain, coloured as a result. Named for screen readers by `caption` when
// given.
QLineEdit* MakeResultBox(QWidget* parent, const char* name, const QLabel* caption = nullptr);

// A push button, announced by its current caption, shown translated.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption);

}  // namespace amortix::gui
