#pragma once
// The frame window that hosts every form. Full-size forms (the menu, the
// calculators, the graph windows) are frameless child windows placed by the
// layout rule; the frame's caption names the screen in use.

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>

#include "shell/app_state.h"

class QMdiArea;
class QMdiSubWindow;
class QScrollArea;

namespace amortix::gui {

// A form with this property set to true (the calculators, whose grid takes
// the extra room) is made as tall as the frame gives it; others keep their
// design size.
inline constexpr char kGrowsWithFrame[] = "amortixGrowsWithFrame";

class MainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainFrame(AppState& state, QWidget* parent = nullptr);

    QMdiArea* Area() const { return area_; }
    // The scroller around the area: its scroll bars show when the frame is
    // smaller than the form in view.
    QScrollArea* Scroller() const { return scroll_; }

    // The size a form needs to be seen whole (its design size).
    static QSize FormSize(const QWidget* form);

    // Shows a full-size form (creating its child window the first time),
    // places it by the layout rule and makes it the active form. A form shown
    // again gets back the focus it had when it was hidden.
    void ShowForm(QWidget* form);
    void HideForm(QWidget* form);
    // Closes a form's child window and deletes the form.
    void UnloadForm(QWidget* form);

    // Unloads a calculator and shows the main menu again.
    void ReturnToMenu(QWidget* form);
    void SetMenu(QWidget* menu) { menu_ = menu; }
    QWidget* Menu() const { return menu_; }

    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // The active form: the visible child form shown last.
    QWidget* ActiveForm() const;

    // Moves a form to (-60, -30) twips in the small layout, (1200, 1000) in
    // the large one, and sizes it: its design size, or for a form that grows
    // with the frame the frame's height when that is larger.
    void PlaceForm(QWidget* form);

    // Before the frame closes (its window-manager close button), every form
    // that can lose work is asked, the one on top first (ScreenCloseCheck);
    // a No keeps the program open. `closed` runs once the frame has closed.
    void SetOnClosed(std::function<void()> closed) { onClosed_ = std::move(closed); }
    bool FormsMayClose();

  signals:
    // The frame is closing and every form agreed: the last moment to keep
    // what is on screen.
    void closing();
    // A table or comparison file was dropped on the frame.
    void fileDropped(const QString& path);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QMdiSubWindow* WindowOf(QWidget* form) const;
    // True when the form fits whole at the large layout's offset.
    bool RoomForLargeLayout(const QWidget* form) const;
    // Records the layout class and places the active form. The frame never
    // changes its own size: only the user does.
    void UpdateLayout();

    AppState& state_;
    QScrollArea* scroll_ = nullptr;
    QMdiArea* area_ = nullptr;
    QWidget* menu_ = nullptr;
    std::map<QWidget*, QPointer<QWidget>> lastFocus_;  // by hidden form
    std::function<void()> onClosed_;
};

}  // namespace amortix::gui
