#pragma once
// Forms are placed and sized in twips (1/1440 inch); the screen's logical DPI
// turns them into pixels, so the layout keeps its proportions at any
// resolution.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "shell/app_state.h"

class QWidget;

namespace amortix::gui {

inline constexpr int kTwipsPerInch = 1440;

// `widget` picks the screen; without one the primary screen is used.
int TwipsToPixelsX(const QWidget* widget, int twips);
int TwipsToPixelsY(const QWidget* widget, int twips);
QPoint TwipsToPixels(const QWidget* widget, QPoint twips);
QSize TwipsToPixels(const QWidget* widget, QSize twips);
int PixelsToTwipsX(const QWidget* widget, int pixels);
int PixelsToTwipsY(const QWidget* widget, int pixels);

// True when the frame is in its large layout (FrameLayoutSize above 8500).
bool LargeLayout(const AppState& state);

// Where a full-size form (the menu, a calculator, a graph window) sits inside
// the frame: (-60, -30) twips in the small layout, (1200, 1000) in the large.
QPoint FullSizeFormPosition(const AppState& state, const QWidget* widget);

// The top-left corner nearest to `wanted` at which a window of `size` (its
// decorations included) lies whole inside `area`; a window larger than the
// area keeps to the area's top-left corner.
QPoint KeepInside(QPoint wanted, QSize size, const QRect& area);

// What the window manager draws around `window` (title bar, borders). A
// window not shown yet has none so far: it is taken to get what `reference`
// (the frame) has.
QMargins Decorations(const QWidget* window, const QWidget* reference);

// The screen area a window near `anchor` may use (the primary screen's
// without an anchor); empty without a screen.
QRect AvailableArea(const QWidget* anchor);

// Moves a dialog to the frame's top-left corner plus its own offsets (the
// large pair in the large layout). A dialog that would hang over the frame's
// right or bottom edge moves back inside it as far as it fits, and it always
// stays on the screen.
void PlaceDialog(QWidget* dialog, const AppState& state, const QWidget* frame, QPoint smallTwips,
                 QPoint largeTwips);

}  // namespace amortix::gui
