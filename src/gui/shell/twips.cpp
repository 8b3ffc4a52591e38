#include "shell/twips.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace amortix::gui {
namespace {

double DpiX(const QWidget* widget) {
    if (widget) return widget->logicalDpiX();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double DpiY(const QWidget* widget) {
    if (widget) return widget->logicalDpiY();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int Scale(double value, double numerator, double denominator) {
    return static_cast<int>(std::lround(value * numerator / denominator));
}

}  // namespace

int TwipsToPixelsX(const QWidget* widget, int twips) {
    return Scale(twips, DpiX(widget), kTwipsPerInch);
}
int TwipsToPixelsY(const QWidget* widget, int twips) {
    return Scale(twips, DpiY(widget), kTwipsPerInch);
}

QPoint TwipsToPixels(const QWidget* widget, QPoint twips) {
    return {TwipsToPixelsX(widget, twips.x()), TwipsToPixelsY(widget, twips.y())};
}

QSize TwipsToPixels(const QWidget* widget, QSize twips) {
    return {TwipsToPixelsX(widget, twips.width()), TwipsToPixelsY(widget, twips.height())};
}

int PixelsToTwipsX(const QWidget* widget, int pixels) {
    return Scale(pixels, kTwipsPerInch, DpiX(widget));
}
int PixelsToTwipsY(const QWidget* widget, int pixels) {
    return Scale(pixels, kTwipsPerInch, DpiY(widget));
}

bool LargeLayout(const AppState& state) {
    return state.FrameLayoutSize > 8500;
}

QPoint FullSizeFormPosition(const AppState& state, const QWidget* widget) {
    return LargeLayout(state) ? TwipsToPixels(widget, QPoint(1200, 1000))
                              : TwipsToPixels(widget, QPoint(-60, -30));
}

QPoint KeepInside(QPoint wanted, QSize size, const QRect& area) {
    return {std::max(area.left(), std::min(wanted.x(), area.right() + 1 - size.width())),
            std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - size.height()))};
}

QMargins Decorations(const QWidget* window, const QWidget* reference) {
    const auto of = [](const QWidget* w) {
        const QRect inner = w->geometry();
        const QRect outer = w->frameGeometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    if (window && window->isVisible()) return of(window);
    return reference && reference->isVisible() ? of(reference) : QMargins();
}

QRect AvailableArea(const QWidget* anchor) {
    const QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void PlaceDialog(QWidget* dialog, const AppState& state, const QWidget* frame, QPoint smallTwips,
                 QPoint largeTwips) {
    if (!dialog) return;
    const QPoint origin = frame ? frame->frameGeometry().topLeft() : QPoint();
    QPoint pos = origin + TwipsToPixels(frame, LargeLayout(state) ? largeTwips : smallTwips);
    dialog->adjustSize();
    // The title bar and borders count: a box not shown yet has none so far.
    const QSize size = dialog->size().grownBy(Decorations(dialog, frame));
    // A box wider or taller than the room left in the frame is moved back
    // inside the frame (as far as it fits), instead of hanging over its edge.
    if (frame) pos = KeepInside(pos, size, frame->frameGeometry());
    // Keep the whole box on the screen the frame is on.
    if (const QRect area = AvailableArea(frame); !area.isEmpty()) pos = KeepInside(pos, size, area);
    dialog->move(pos);
}

}  // namespace amortix::gui
