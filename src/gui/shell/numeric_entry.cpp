#include "shell/numeric_entry.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "core/format/numfmt.h"
#include "shell/interaction.h"
#include "shell/look.h"

namespace amortix::gui {
namespace {

constexpr int kKeyEscape = 27;

// Focus that moves to a list's own drop-down, or away with the whole window
// (another program, a modal box), is not the user leaving the box.
bool UserMovesFocus(const QEvent* event) {
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool IsMouseButtonEvent(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
           event->type() == QEvent::MouseButtonDblClick;
}

// Middle-click pastes the X11 selection; dropping text pastes it too.
bool IsPasteByMouse(const QEvent* event) {
    if (IsMouseButtonEvent(event))
        return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    return event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
           event->type() == QEvent::Drop;
}

void Refuse(QEvent* event) {
    event->ignore();
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop)
        static_cast<QDropEvent*>(event)->setDropAction(Qt::IgnoreAction);
}

// Keys that move the cursor along the text (Shift or Ctrl with them select or
// jump). Up and Down are not among them: in a list-and-text box they choose.
bool MovesCursor(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

// What a box shows around its figure: the currency symbol and the thousands
// separators of a money text, the "%" of a rate.
struct Decoration {
    QString symbol;
    bool separators = false;
    bool percent = false;
};

Decoration DecorationOf(const QString& shown, const QString& currencySymbol) {
    Decoration d;
    if (!currencySymbol.isEmpty() && shown.contains(currencySymbol)) d.symbol = currencySymbol;
    // A money text groups thousands even where a small amount shows no comma.
    d.separators = !d.symbol.isEmpty() || shown.contains(QLatin1Char(','));
    d.percent = shown.contains(QLatin1Char('%'));
    return d;
}

QString WithoutDecoration(QString text, const Decoration& d) {
    if (!d.symbol.isEmpty()) text.remove(d.symbol);
    if (d.separators) text.remove(QLatin1Char(','));
    if (d.percent) text.remove(QLatin1Char('%'));
    return text;
}

// The figure a pasted text holds: blanks around it, and the symbol in front,
// the separators and the "%" behind that the box shows, dropped. Empty when
// anything else is in it.
QString PastedFigure(const QString& pasted, const Decoration& d, bool text) {
    QString figure = pasted.trimmed();
    if (text) {
        for (const QChar c : figure)
            if (c < QLatin1Char(' ') || c == QLatin1Char('"')) return {};
        return figure;
    }
    if (!d.symbol.isEmpty() && figure.startsWith(d.symbol)) figure = figure.mid(d.symbol.size()).trimmed();
    if (d.percent && figure.endsWith(QLatin1Char('%'))) figure = figure.chopped(1).trimmed();
    if (d.separators) figure.remove(QLatin1Char(','));
    int points = 0;
    for (const QChar c : figure) {
        if (c == QLatin1Char('.')) {
            if (++points > 1) return {};
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return {};
        }
    }
    return figure;
}

void ShutPasteDoors(QLineEdit* line, bool numeric) {
    line->setContextMenuPolicy(Qt::NoContextMenu);
    line->setAcceptDrops(false);
    line->setDragEnabled(false);
    // An input method could commit text past the key filters.
    if (numeric) line->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace

double ShowHeld(Interaction& interaction, const amortix::HeldFigure& held) {
    if (held.message) interaction.ShowMessage(*held.message);
    return held.value;
}

int CharacterCode(const QKeyEvent& event) {
    const auto mods = event.modifiers();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Backspace:
            return (mods & Qt::ControlModifier) ? kKeyCtrlBackspace : kKeyBackspace;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & (Qt::AltModifier | Qt::MetaModifier);
    if (alt && !ctrl) return 0;  // access keys type nothing
    if (ctrl && !alt) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) return event.key() - Qt::Key_A + 1;
        return 0;
    }
    const auto ucs4 = event.text().toUcs4();
    if (ucs4.size() != 1 || ucs4.front() == 127) return 0;
    return static_cast<int>(ucs4.front());
}

// ---------------------------------------------------------------------------

NumericEntry::NumericEntry(AppState& state, Interaction& interaction, QWidget* box, QLineEdit* line,
                           Options options)
    : QObject(box),
      state_(state),
      interaction_(interaction),
      box_(box),
      line_(line),
      combo_(qobject_cast<QComboBox*>(box)),
      boxObject_(box),
      lineObject_(line),
      options_(std::move(options)) {
    const bool numeric = options_.kind != Kind::Text;
    ShutPasteDoors(line, numeric);
    box->installEventFilter(this);
    if (line != box) line->installEventFilter(this);
    if (combo_) {
        combo_->setContextMenuPolicy(Qt::NoContextMenu);
        combo_->setAcceptDrops(false);
        if (numeric) combo_->setAttribute(Qt::WA_InputMethodEnabled, false);
        connect(combo_, &QComboBox::activated, this, &NumericEntry::Choose);
    }
    MarkAsInput(box);
}

NumericEntry* NumericEntry::Attach(AppState& state, Interaction& interaction, QLineEdit* box,
                                   Options options) {
    return new NumericEntry(state, interaction, box, box, std::move(options));
}

NumericEntry* NumericEntry::Attach(AppState& state, Interaction& interaction, QComboBox* box,
                                   Options options) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // no inline completion: keys go through the filters only
    options.selectAllOnFocus = false;
    return new NumericEntry(state, interaction, box, box->lineEdit(), std::move(options));
}

QString NumericEntry::Text() const {
    return line_ ? line_->text() : QString();
}

void NumericEntry::SetText(const QString& text) {
    if (line_) line_->setText(text);
}

void NumericEntry::StartEditing(bool keyAccepted) {
    if (state_.EntryEdited) return;
    if (options_.firstKeyEmpties && !inPlace_ && line_) {
        // Selected, the text is replaced by the key in one edit, which one
        // Ctrl+Z undoes.
        if (keyAccepted)
            line_->selectAll();
        else
            line_->clear();
    }
    if (options_.clearResults) options_.clearResults();
    state_.EntryEdited = true;
}

QString NumericEntry::TextForKey(int* caret) const {
    *caret = 0;
    if (!line_ || (!state_.EntryEdited && options_.firstKeyEmpties && !inPlace_)) return {};
    QString text = line_->text();
    *caret = line_->cursorPosition();
    if (line_->hasSelectedText()) {
        *caret = line_->selectionStart();
        text.remove(*caret, line_->selectedText().size());
    }
    return text;
}

bool NumericEntry::Accepts(int code, const QString& text, int caret) const {
    switch (options_.kind) {
        case Kind::Whole:
            return amortix::DigitKeyFilter(code).accepted();
        case Kind::Decimal:
            // Edited in place, a digit before the point adds no decimal.
            if (inPlace_ && code >= '0' && code <= '9') {
                const int point = static_cast<int>(text.indexOf(QLatin1Char('.')));
                if (point < 0 || caret <= point) return true;
            }
            // The "%" a rate shows is no decimal.
            return amortix::DecimalKeyFilter(code, Figure(text).toStdString(), options_.decimals).accepted();
        case Kind::Text:
            return code != kKeyQuote && (code >= ' ' || code == kKeyBackspace);
    }
    return false;
}

QString NumericEntry::Figure(const QString& text) const {
    return WithoutDecoration(text,
                             DecorationOf(focusText_ + text, QString::fromStdString(state_.CurrencySymbol)));
}

bool NumericEntry::PutBack() {
    if (!line_ || line_->text() == focusText_) {
        // Nothing to put back: Escape goes on (a dialog closes).
        state_.EntryEdited = editedAtFocus_;
        return false;
    }
    line_->setText(focusText_);
    if (!combo_ && options_.selectAllOnFocus) line_->selectAll();
    state_.EntryEdited = editedAtFocus_;
    inPlace_ = false;
    return true;
}

void NumericEntry::UndoOrRedo(bool undo) {
    if (!line_) return;
    const QString before = line_->text();
    if (undo)
        line_->undo();
    else
        line_->redo();
    if (line_->text() == before) return;
    // Back where it started, the box holds nothing new to store.
    if (line_->text() == focusText_) {
        state_.EntryEdited = editedAtFocus_;
        return;
    }
    if (state_.EntryEdited) return;
    if (options_.clearResults) options_.clearResults();
    state_.EntryEdited = true;
}

void NumericEntry::Paste() {
    const bool text = options_.kind == Kind::Text;
    const QString figure = PastedFigure(QGuiApplication::clipboard()->text(),
                                        DecorationOf(focusText_ + (line_ ? line_->text() : QString()),
                                                     QString::fromStdString(state_.CurrencySymbol)),
                                        text);
    // The pasted characters go through the filter one by one, as typed.
    int caret = 0;
    QString after = TextForKey(&caret);
    bool accepted = line_ && !figure.isEmpty();
    for (int i = 0; accepted && i < figure.size(); ++i) {
        accepted = Accepts(figure[i].unicode(), after, caret);
        after.insert(caret++, figure[i]);
    }
    if (!accepted) {
        interaction_.Beep();
        return;
    }
    StartEditing(true);
    line_->insert(figure);
}

bool NumericEntry::KeyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return true;
    }
    if (MovesCursor(*event)) {
        inPlace_ = true;
        return false;
    }
    if (options_.kind != Kind::Text) {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return PutBack();
        if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
            UndoOrRedo(event->matches(QKeySequence::Undo));
            return true;
        }
    }
    const int code = CharacterCode(*event);
    if (code == 0) {
        if (event->key() == Qt::Key_Delete && options_.deleteClearsResults) {
            if (options_.clearResults) options_.clearResults();
            state_.EntryEdited = true;
        }
        return false;  // caret movement, Delete and the like edit as usual
    }
    if (code == kKeyEnter) {
        if (options_.next) options_.next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return TypedKey(code);
}

bool NumericEntry::TypedKey(int code) {
    if (options_.kind == Kind::Text) {
        if (code == kKeyQuote) return true;  // a quote would break the file records
        // Escape and the Ctrl combinations type nothing: they must not
        // wipe the box (Escape also closes a dialog).
        if (code < ' ' && code != kKeyBackspace) return false;
        StartEditing(true);
        return false;
    }
    // The filter decides first; a refused key still empties the box when it
    // is the first one.
    int caret = 0;
    const QString text = TextForKey(&caret);
    const bool accepted = Accepts(code, text, caret);
    // A key refused in place changes nothing.
    if (accepted || !inPlace_) StartEditing(accepted);
    if (accepted) return false;
    interaction_.Beep();
    return true;
}

void NumericEntry::GotFocus(QEvent* event) {
    // Let the box take the focus first, then set the selection it starts with.
    deliveringFocus_ = true;
    QCoreApplication::sendEvent(box_, event);
    deliveringFocus_ = false;
    RememberFocusText(static_cast<QFocusEvent*>(event)->reason());
    if (combo_) {
        line_->deselect();
    } else if (options_.selectAllOnFocus) {
        line_->selectAll();
    }
}

void NumericEntry::RememberFocusText(Qt::FocusReason reason) {
    focusText_ = line_ ? line_->text() : QString();
    editedAtFocus_ = state_.EntryEdited;
    focusKnown_ = true;
    inPlace_ = false;
    // The click that gives the focus places the cursor but is no wish to
    // edit in place: the first key still replaces the text.
    focusByClick_ = reason == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

void NumericEntry::LostFocus() {
    // Focus that goes nowhere is a box being closed or destroyed with its
    // screen, not a value the user hands over.
    if (!QApplication::focusWidget()) return;
    if (storing_ || !line_) return;
    if (options_.onLeave) {
        storing_ = true;  // a message shown here moves the focus again
        options_.onLeave();
        storing_ = false;
    }
    if (!state_.EntryEdited || !line_) return;
    storing_ = true;
    QString shown;
    if (options_.kind == Kind::Text) {
        shown = options_.storeText ? options_.storeText(line_->text()) : line_->text();
    } else {
        const double value = amortix::ParseNumber(Figure(line_->text()).toStdString());
        shown = options_.store ? options_.store(value) : line_->text();
    }
    if (line_) line_->setText(shown);
    state_.EntryEdited = false;
    inPlace_ = false;
    storing_ = false;
}

void NumericEntry::Choose() {
    if (options_.onChoose) options_.onChoose();
    if (options_.clearResults) options_.clearResults();
    // The chosen value is read and reformatted when the box is left.
    state_.EntryEdited = true;
}

bool NumericEntry::eventFilter(QObject* watched, QEvent* event) {
    const bool numeric = options_.kind != Kind::Text;
    // Compared as plain objects: events also arrive while a box is being
    // destroyed, when it is no longer a line edit or a combo box.
    if (watched == boxObject_) {
        switch (event->type()) {
            case QEvent::KeyPress:
                return KeyPress(static_cast<QKeyEvent*>(event));
            case QEvent::FocusIn:
                if (deliveringFocus_) return false;
                if (!UserMovesFocus(event)) {
                    // A box that has the focus as its window opens.
                    if (!focusKnown_) RememberFocusText(Qt::ActiveWindowFocusReason);
                    return false;
                }
                GotFocus(event);
                return true;
            case QEvent::FocusOut:
                if (UserMovesFocus(event)) {
                    focusKnown_ = false;
                    LostFocus();
                }
                return false;
            case QEvent::Wheel:
                // A list-and-text box changes only when the user works in it.
                return combo_ && !combo_->hasFocus();
            case QEvent::InputMethod:
                return numeric;
            case QEvent::ContextMenu:
                return true;
            default:
                break;
        }
    }
    if (watched == lineObject_) {
        // A list-and-text box's own line edit sees the paste keys too.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            Paste();
            return true;
        }
        if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // A click inside the text of a box that has the focus places the
            // cursor to edit there.
            if (!focusByClick_) inPlace_ = true;
            focusByClick_ = false;
        }
        if (IsPasteByMouse(event)) {
            Refuse(event);
            return true;
        }
        if (event->type() == QEvent::ContextMenu) return true;
        if (event->type() == QEvent::InputMethod) return numeric;
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------

ChoiceList::ChoiceList(AppState& state, Interaction& interaction, QComboBox* box, Options options)
    : QObject(box),
      state_(state),
      interaction_(interaction),
      box_(box),
      boxObject_(box),
      options_(std::move(options)) {
    box->setEditable(false);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->installEventFilter(this);
    connect(box, &QComboBox::activated, this, &ChoiceList::Choose);
    MarkAsInput(box);
}

ChoiceList* ChoiceList::Attach(AppState& state, Interaction& interaction, QComboBox* box, Options options) {
    return new ChoiceList(state, interaction, box, std::move(options));
}

void ChoiceList::Choose() {
    if (options_.onChoose) options_.onChoose();
    if (options_.onLeaveAfterChoice) {
        state_.EntryEdited = true;
        return;
    }
    if (options_.clearResults) options_.clearResults();
    state_.EntryEdited = false;
}

bool ChoiceList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != boxObject_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int code = CharacterCode(*static_cast<QKeyEvent*>(event));
            if (code == 0) return false;  // arrows and the drop-down keys choose as usual
            // Escape changes nothing in a list; it goes on (a dialog closes).
            if (code == kKeyEscape) return false;
            if (code == kKeyEnter) {
                if (options_.next) options_.next->setFocus(Qt::TabFocusReason);
                return true;
            }
            interaction_.Beep();
            if (options_.onLeaveAfterChoice) return true;
            if (options_.clearResults) options_.clearResults();
            state_.EntryEdited = false;
            return true;
        }
        case QEvent::FocusOut:
            if (!UserMovesFocus(event)) return false;
            // A list closed with its screen hands over nothing.
            if (options_.onLeaveAfterChoice && QApplication::focusWidget()) {
                if (state_.EntryEdited) options_.onLeaveAfterChoice();
                state_.EntryEdited = false;
            }
            return false;
        case QEvent::Wheel:
            return !box_->hasFocus();
        default:
            return false;
    }
}

// ---------------------------------------------------------------------------

HelpTextBox::HelpTextBox(Interaction& interaction, QWidget* box, QWidget* firstInput)
    : QObject(box), interaction_(interaction), firstInput_(firstInput) {
    box->installEventFilter(this);
    box->setAcceptDrops(false);
    MarkAsHelpText(box);
}

HelpTextBox* HelpTextBox::Attach(Interaction& interaction, QPlainTextEdit* box, QWidget* firstInput) {
    box->setReadOnly(true);
    return new HelpTextBox(interaction, box, firstInput);
}

HelpTextBox* HelpTextBox::Attach(Interaction& interaction, QTextEdit* box, QWidget* firstInput) {
    box->setReadOnly(true);
    return new HelpTextBox(interaction, box, firstInput);
}

bool HelpTextBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = CharacterCode(*key);
    if (code == kKeyEnter) {
        if (firstInput_) firstInput_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (code != 0 || key->matches(QKeySequence::Paste)) {
        interaction_.Beep();
        return true;
    }
    return false;  // scrolling keys
}

}  // namespace amortix::gui
