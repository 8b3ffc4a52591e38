#pragma once
// The frame window that hosts every form. Full-size forms (the menu, the
// calculators, the graph windows) are frameless child windows placed by the
// layout rule; the frame's caption names the screen in use.

#include <QMainWindow>

#include "shell/app_state.h"

class QMdiArea;
class QMdiSubWindow;

namespace amortix::gui {

class MainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainFrame(AppState& state, QWidget* parent = nullptr);

    QMdiArea* Area() const { return area_; }

    // Shows a full-size form (creating its child window the first time),
    // places it by the layout rule and makes it the active form.
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
    // the large one.
    void PlaceForm(QWidget* form);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QMdiSubWindow* WindowOf(QWidget* form) const;
    // Enlarges the frame (within the screen) so the whole form is in view.
    void FitForm(QMdiSubWindow* window);

    AppState& state_;
    QMdiArea* area_ = nullptr;
    QWidget* menu_ = nullptr;
};

}  // namespace amortix::gui
