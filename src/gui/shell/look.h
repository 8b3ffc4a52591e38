#pragma once
// The colour convention of every screen: input boxes green, result boxes
// white, help and message texts light yellow, always with dark text so they
// stay readable under any desktop theme.

#include <QColor>

class QWidget;

namespace amortix::gui {

QColor InputColor();
QColor ResultColor();
QColor HelpTextColor();

void MarkAsInput(QWidget* widget);
void MarkAsResult(QWidget* widget);
void MarkAsHelpText(QWidget* widget);

}  // namespace amortix::gui
