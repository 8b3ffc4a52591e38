#include "shell/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollArea>
#include <QUrl>

#include <algorithm>

#include "shell/accessibility.h"
#include "shell/language.h"
#include "shell/screen_close.h"
#include "shell/twips.h"

namespace amortix::gui {

MainFrame::MainFrame(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("MDIContainer");
    setAcceptDrops(true);  // a file dropped on the frame opens as if chosen
    // The area sits in a scroller of its own: a frame made smaller than the
    // form in view scrolls to every control instead of cutting them off.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName("FrameScroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    area_ = new QMdiArea;
    area_->setObjectName("MDIArea");
    // Forms sit slightly outside the area's corner in the small layout, which
    // the area's own scroll bars would always offer to scroll to.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(area_);
    setCentralWidget(scroll_);
}

QMdiSubWindow* MainFrame::WindowOf(QWidget* form) const {
    for (QMdiSubWindow* window : area_->subWindowList())
        if (window->widget() == form) return window;
    return nullptr;
}

QSize MainFrame::FormSize(const QWidget* form) {
    return form->sizeHint().expandedTo(form->minimumSize());
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
    }
    NameFromCaptions(form);
    window->show();
    form->show();
    area_->setActiveSubWindow(window);
    UpdateLayout();
    // Back to the control the user left the form from (the menu button that
    // opened a screen), not to whatever the focus chain offers next.
    if (const auto it = lastFocus_.find(form); it != lastFocus_.end()) {
        if (QWidget* focus = it->second; focus && focus->isVisible() && focus->isEnabled())
            focus->setFocus(Qt::OtherFocusReason);
        lastFocus_.erase(it);
    }
}

void MainFrame::HideForm(QWidget* form) {
    if (QWidget* focus = QApplication::focusWidget(); form && focus && form->isAncestorOf(focus))
        lastFocus_[form] = focus;
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
    lastFocus_.erase(form);
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
    SetCaption(Tr(" Amortix Menu"));
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

bool MainFrame::RoomForLargeLayout(const QWidget* form) const {
    const QSize room = scroll_->maximumViewportSize();
    const QSize needed = FormSize(form) + QSize(TwipsToPixelsX(this, 1200), TwipsToPixelsY(this, 1000));
    return needed.width() <= room.width() && needed.height() <= room.height();
}

void MainFrame::UpdateLayout() {
    // The large layout's offset only where the form still fits whole at it,
    // so a tall but narrow frame keeps its forms (and dialogs) in place.
    const int decoration = frameGeometry().height() - geometry().height();
    const int height = PixelsToTwipsY(this, geometry().height() + decoration);
    QWidget* form = ActiveForm();
    const bool large = height > 8500 && (!form || RoomForLargeLayout(form));
    state_.FrameLayoutSize = large ? kLayoutLarge : kLayoutSmall;
    if (form) PlaceForm(form);
}

void MainFrame::PlaceForm(QWidget* form) {
    QMdiSubWindow* window = WindowOf(form);
    if (!window) return;
    const QPoint pos = FullSizeFormPosition(state_, this);
    // A form is larger than its design by the small layout's offset, so
    // that placed at (-60, -30) it still covers the area to its edges.
    QSize size = FormSize(form) + QSize(TwipsToPixelsX(this, 60), TwipsToPixelsY(this, 30));
    if (form->property(kGrowsWithFrame).toBool()) {
        // The large layout keeps the same margin below the form as above it.
        const int margin = LargeLayout(state_) ? pos.y() : 0;
        size.setHeight(std::max(size.height(), scroll_->maximumViewportSize().height() - pos.y() - margin));
    }
    window->resize(size);
    window->move(pos);
    // The area is as large as the form needs, so the frame's scroll bars
    // reach all of it.
    area_->setMinimumSize(std::max(0, pos.x() + window->width()), std::max(0, pos.y() + window->height()));
}

bool MainFrame::FormsMayClose() {
    // The form on top first, then those hidden under it (the calculator a
    // graph window was opened from).
    const auto windows = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        auto* check = dynamic_cast<ScreenCloseCheck*>((*it)->widget());
        if (check && !check->MayClose()) return false;
    }
    return true;
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!FormsMayClose()) {
        event->ignore();
        return;
    }
    emit closing();
    QMainWindow::closeEvent(event);
    // The program ends with its frame, also while the help window is open.
    if (event->isAccepted() && onClosed_) onClosed_();
}

namespace {

// The one local file a drag carries, if it is one.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl& url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    emit fileDropped(path);
}

void MainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    UpdateLayout();
}

}  // namespace amortix::gui
