#include "shell/numeric_entry.h"

#include <QApplication>
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

void ShutPasteDoors(QLineEdit* line, bool numeric) {
    line->setContextMenuPolicy(Qt::NoContextMenu);
    line->setAcceptDrops(false);
    line->setDragEnabled(false);
    // An input method could commit text past the key filters.
    if (numeric) line->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace

int CharacterCode(const QKeyEvent& event) {
    const auto mods = event.modifiers();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Backspace:
            return (mods & Qt::ControlModifier) ? kKeyCtrlBackspace : kKeyBackspace;
        case Qt::Key_Escape:
            return 27;
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

void NumericEntry::StartEditing() {
    if (state_.EntryEdited) return;
    if (options_.firstKeyEmpties && line_) line_->clear();
    if (options_.clearResults) options_.clearResults();
    state_.EntryEdited = true;
}

bool NumericEntry::KeyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        interaction_.Beep();
        return true;
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
    switch (options_.kind) {
        case Kind::Whole: {
            // The digit filter decides first; a refused key still empties
            // the box when it is the first one.
            const auto decision = amortix::DigitKeyFilter(code);
            StartEditing();
            if (decision.accepted()) return false;
            interaction_.Beep();
            return true;
        }
        case Kind::Decimal: {
            StartEditing();
            const auto decision =
                amortix::DecimalKeyFilter(code, line_->text().toStdString(), options_.decimals);
            if (decision.accepted()) return false;
            interaction_.Beep();
            return true;
        }
        case Kind::Text:
            if (code == kKeyQuote) return true;  // a quote would break the file records
            // Escape and the Ctrl combinations type nothing: they must not
            // wipe the box (Escape also closes a dialog).
            if (code < ' ' && code != kKeyBackspace) return false;
            StartEditing();
            return false;
    }
    return false;
}

void NumericEntry::GotFocus(QEvent* event) {
    // Let the box take the focus first, then set the selection it starts with.
    deliveringFocus_ = true;
    QCoreApplication::sendEvent(box_, event);
    deliveringFocus_ = false;
    if (combo_) {
        line_->deselect();
    } else if (options_.selectAllOnFocus) {
        line_->selectAll();
    }
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
        const double value = amortix::ParseNumber(line_->text().toStdString());
        shown = options_.store ? options_.store(value) : line_->text();
    }
    if (line_) line_->setText(shown);
    state_.EntryEdited = false;
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
                if (deliveringFocus_ || !UserMovesFocus(event)) return false;
                GotFocus(event);
                return true;
            case QEvent::FocusOut:
                if (UserMovesFocus(event)) LostFocus();
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
            interaction_.Beep();
            return true;
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
