#include "shell/main_frame.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "shell/twips.h"

namespace amortix::gui {

MainFrame::MainFrame(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("MDIContainer");
    area_ = new QMdiArea(this);
    area_->setObjectName("MDIArea");
    // Forms sit slightly outside the area's corner in the small layout; the
    // frame grows to fit a form instead of scrolling.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(area_);
}

QMdiSubWindow* MainFrame::WindowOf(QWidget* form) const {
    for (QMdiSubWindow* window : area_->subWindowList())
        if (window->widget() == form) return window;
    return nullptr;
}

void MainFrame::ShowForm(QWidget* form) {
    if (!form) return;
    QMdiSubWindow* window = WindowOf(form);
    if (!window) {
        window = new QMdiSubWindow;
        window->setWindowFlags(Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWidget(form);
        area_->addSubWindow(window);
        // A form is larger than its design by the small layout's offset, so
        // that placed at (-60, -30) it still covers the area to its edges.
        window->resize(form->sizeHint().expandedTo(form->minimumSize()) +
                       QSize(TwipsToPixelsX(this, 60), TwipsToPixelsY(this, 30)));
    }
    PlaceForm(form);
    window->show();
    form->show();
    area_->setActiveSubWindow(window);
    FitForm(window);
}

void MainFrame::FitForm(QMdiSubWindow* window) {
    if (!isVisible() || isMaximized() || isFullScreen()) return;
    // Growing may switch to the large layout, which moves the form: check twice.
    for (int pass = 0; pass < 2; ++pass) {
        const QRect needed = window->geometry();
        const QSize inner = area_->viewport()->size();
        const QSize grow(std::max(0, needed.right() + 1 - inner.width()),
                         std::max(0, needed.bottom() + 1 - inner.height()));
        if (grow.width() == 0 && grow.height() == 0) return;
        QSize target = size() + grow;
        if (const QScreen* display = screen()) {
            const QSize decoration = frameGeometry().size() - geometry().size();
            target = target.boundedTo(display->availableGeometry().size() - decoration);
        }
        if (target == size()) return;
        resize(target);
    }
}

void MainFrame::HideForm(QWidget* form) {
    if (QMdiSubWindow* window = WindowOf(form)) window->hide();
}

namespace {

// True while a modal dialog that belongs to `form` runs its loop.
bool HasOpenDialog(const QWidget* form) {
    for (const QObject* o = QApplication::activeModalWidget(); o; o = o->parent())
        if (o == form) return true;
    return false;
}

}  // namespace

void MainFrame::UnloadForm(QWidget* form) {
    // A click that arrives late (an access key's animated click) can ask to
    // unload a form under its own open dialog: deleting it would delete the
    // dialog inside its own loop. The dialog is in front, so the request is stale.
    if (form && HasOpenDialog(form)) return;
    if (QMdiSubWindow* window = WindowOf(form)) {
        window->hide();
        area_->removeSubWindow(window);
        window->deleteLater();
    } else if (form) {
        form->deleteLater();
    }
}

void MainFrame::ReturnToMenu(QWidget* form) {
    if (form && HasOpenDialog(form)) return;
    UnloadForm(form);
    SetCaption(" Amortix Menu");
    ShowForm(menu_);
}

QWidget* MainFrame::ActiveForm() const {
    if (QMdiSubWindow* current = area_->currentSubWindow(); current && current->isVisible())
        return current->widget();
    const auto windows = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->isVisible()) return (*it)->widget();
    return nullptr;
}

void MainFrame::PlaceForm(QWidget* form) {
    if (QMdiSubWindow* window = WindowOf(form)) window->move(FullSizeFormPosition(state_, this));
}

void MainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The layout class follows the frame's outer height.
    const int decoration = frameGeometry().height() - geometry().height();
    const int height = PixelsToTwipsY(this, event->size().height() + decoration);
    state_.FrameLayoutSize = height > 8500 ? kLayoutLarge : kLayoutSmall;
    if (QWidget* form = ActiveForm()) PlaceForm(form);
}

}  // namespace amortix::gui
