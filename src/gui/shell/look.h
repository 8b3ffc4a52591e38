#pragma once
// The colour convention of every screen: input boxes green, result boxes
// white, help and message texts light yellow, always with dark text so they
// stay readable under any desktop theme.

#include <QColor>

class QHBoxLayout;
class QWidget;

namespace amortix::gui {

QColor InputColor();
QColor ResultColor();
QColor HelpTextColor();

void MarkAsInput(QWidget* widget);
void MarkAsResult(QWidget* widget);
void MarkAsHelpText(QWidget* widget);

// A row that holds one button in its middle, as the small dialogs end.
QHBoxLayout* CenteredButtonRow(QWidget* button);

}  // namespace amortix::gui
