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

void PlaceDialog(QWidget* dialog, const AppState& state, const QWidget* frame, QPoint smallTwips,
                 QPoint largeTwips) {
    if (!dialog) return;
    const QPoint origin = frame ? frame->frameGeometry().topLeft() : QPoint();
    QPoint pos = origin + TwipsToPixels(frame, LargeLayout(state) ? largeTwips : smallTwips);
    dialog->adjustSize();
    const QSize size = dialog->frameGeometry().size();
    // A box wider or taller than the room left in the frame is moved back
    // inside the frame (as far as it fits), instead of hanging over its edge.
    if (frame) {
        const QRect outer = frame->frameGeometry();
        pos.setX(std::max(outer.left(), std::min(pos.x(), outer.right() + 1 - size.width())));
        pos.setY(std::max(outer.top(), std::min(pos.y(), outer.bottom() + 1 - size.height())));
    }
    // Keep the whole box on the screen the frame is on.
    const QScreen* screen = frame ? frame->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        pos.setX(std::max(area.left(), std::min(pos.x(), area.right() + 1 - size.width())));
        pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() + 1 - size.height())));
    }
    dialog->move(pos);
}

}  // namespace amortix::gui
