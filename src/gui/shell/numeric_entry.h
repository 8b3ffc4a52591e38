#pragma once
// The one way every input box behaves. Attach a NumericEntry to a QLineEdit
// or an editable QComboBox (a list-and-text box), a ChoiceList to a drop-down
// list that takes no typing, a HelpTextBox to a read-only help text.
//
// An input box: the first key typed while EntryEdited is false replaces the
// box's text and runs the screen's ClearResults, unless the user moved the
// cursor first (arrows, Home, End, a click inside the text), which edits in
// place; keys pass the decimal or digit filter (refusals beep); Enter moves to
// the next box of the screen's fixed order; Delete clears the results and
// still edits; Escape puts back what the box showed when it got the focus and
// Ctrl+Z undoes the last edit; a pasted text goes in when the filter would take
// it key by key; on leaving an edited box its value is parsed (without the
// currency symbol, separators and "%" the box shows), handed to the screen and
// the box shows the value's display form.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "core/calc/limits.h"
#include "shell/app_state.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace amortix::gui {

class Interaction;

// The character a key event types, as the key filters count them: Enter 13,
// Backspace 8 (with Ctrl 127), Escape 27, Ctrl+letter its control code, a
// printable character its code; 0 for keys that type nothing (arrows, F-keys,
// Tab, Delete, Alt combinations).
int CharacterCode(const QKeyEvent& event);

// The value a box keeps of a figure held to its range, after the message
// that says so.
double ShowHeld(Interaction& interaction, const amortix::HeldFigure& held);

// The display forms written back into the boxes are the engine's
// (amortix::MoneyBoxText, RateBoxText, TermBoxText in core/numfmt.h).

class NumericEntry : public QObject {
    Q_OBJECT
  public:
    enum class Kind {
        Decimal,  // amounts, rates, percentages, days: the decimal key filter
        Whole,    // terms in years or months: the digit key filter
        Text,     // unfiltered text (dates, names); double quotes are swallowed
    };

    struct Options {
        Kind kind = Kind::Decimal;
        int decimals = 2;                    // decimals allowed (Decimal kind)
        std::function<void()> clearResults;  // the screen's ClearResults
        QWidget* next = nullptr;             // where Enter moves the focus
        // On leaving an edited box: stores the parsed value and returns the
        // text the box shows from now on.
        std::function<QString(double value)> store;
        // The same for Text boxes, with the text as typed.
        std::function<QString(const QString& text)> storeText;
        // Run when an entry of a list-and-text box is chosen, before
        // ClearResults (the term box erases the additional payments here).
        std::function<void()> onChoose;
        // Run whenever the user moves the focus out of the box, edited or
        // not, before an edited value is stored (a limit that also holds for
        // a text the user did not type is checked here).
        std::function<void()> onLeave;
        bool selectAllOnFocus = true;     // plain boxes; list-and-text boxes never select
        bool deleteClearsResults = true;  // the Delete key runs ClearResults
        bool firstKeyEmpties = true;      // the first key replaces the text
    };

    // Attaches the pattern to `box` (a QLineEdit or an editable QComboBox);
    // the object lives as long as the box.
    static NumericEntry* Attach(AppState& state, Interaction& interaction, QLineEdit* box, Options options);
    static NumericEntry* Attach(AppState& state, Interaction& interaction, QComboBox* box, Options options);

    QString Text() const;
    void SetText(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    NumericEntry(AppState& state, Interaction& interaction, QWidget* box, QLineEdit* line, Options options);
    bool KeyPress(QKeyEvent* event);
    bool TypedKey(int code);
    void GotFocus(QEvent* event);
    // What Escape puts back, taken as the box gets the focus.
    void RememberFocusText(Qt::FocusReason reason);
    void LostFocus();
    void Choose();
    // The first key of a value: unless the user edits in place, the text
    // goes (replaced by an accepted key, emptied by a refused one).
    void StartEditing(bool keyAccepted);
    // The text and caret a typed key meets: empty for the first key of a new
    // value, else the box's text without its selection.
    QString TextForKey(int* caret) const;
    // Whether the box's filter lets `code` into `text` at `caret`.
    bool Accepts(int code, const QString& text, int caret) const;
    // Escape: true when there was an edit to put back.
    bool PutBack();
    void UndoOrRedo(bool undo);
    void Paste();
    // `text` without the currency symbol, the separators and the "%" the box
    // shows around its figure.
    QString Figure(const QString& text) const;

    AppState& state_;
    Interaction& interaction_;
    QPointer<QWidget> box_;      // the widget with the focus (line edit or combo)
    QPointer<QLineEdit> line_;   // the text itself
    QPointer<QComboBox> combo_;  // set for list-and-text boxes
    const QObject* boxObject_;
    const QObject* lineObject_;
    Options options_;
    bool storing_ = false;
    bool deliveringFocus_ = false;
    QString focusText_;           // the text when the box got the focus
    bool editedAtFocus_ = false;  // EntryEdited then
    bool focusKnown_ = false;     // focusText_ belongs to the focus the box has now
    bool inPlace_ = false;        // the user moved the cursor: keys edit in place
    bool focusByClick_ = false;   // the next press is the click that gave the focus
};

// A drop-down list of fixed choices: typing is refused with a beep (and
// clears the results), Enter moves on, choosing an entry clears the results.
// EntryEdited is false afterwards in every case.
// A screen that recalculates by itself sets onLeaveAfterChoice instead:
// choosing marks the list edited (EntryEdited true), typing only beeps, and
// leaving the list while it is edited runs onLeaveAfterChoice.
class ChoiceList : public QObject {
    Q_OBJECT
  public:
    struct Options {
        std::function<void()> clearResults;
        QWidget* next = nullptr;
        std::function<void()> onChoose;  // runs before ClearResults
        std::function<void()> onLeaveAfterChoice;
    };
    static ChoiceList* Attach(AppState& state, Interaction& interaction, QComboBox* box, Options options);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ChoiceList(AppState& state, Interaction& interaction, QComboBox* box, Options options);
    void Choose();

    AppState& state_;
    Interaction& interaction_;
    QPointer<QComboBox> box_;
    const QObject* boxObject_;
    Options options_;
};

// A read-only help text: Enter moves to the screen's first input box, every
// other typed key beeps; scrolling keys still scroll.
class HelpTextBox : public QObject {
    Q_OBJECT
  public:
    static HelpTextBox* Attach(Interaction& interaction, QPlainTextEdit* box, QWidget* firstInput);
    static HelpTextBox* Attach(Interaction& interaction, QTextEdit* box, QWidget* firstInput);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpTextBox(Interaction& interaction, QWidget* box, QWidget* firstInput);

    Interaction& interaction_;
    QPointer<QWidget> firstInput_;
};

}  // namespace amortix::gui
