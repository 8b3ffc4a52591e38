#include "shell/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>

#include "shell/accessibility.h"
#include "shell/help_window.h"
#include "shell/interaction.h"

namespace amortix::gui {

KeyboardConventions::KeyboardConventions(Interaction& interaction, QObject* parent)
    : QObject(parent), interaction_(interaction) {}

bool KeyboardConventions::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            QWidget* focus = QApplication::focusWidget();
            interaction_.ShowHelp(HelpTopicFor(focus ? focus : widget));
            return true;
        }
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button && button->hasFocus() && button->isEnabled() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & ~Qt::KeypadModifier)) {
            button->click();
            return true;
        }
    } else if (event->type() == QEvent::Show && widget->isWindow()) {
        NameFromCaptions(widget);
    } else if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (button && button->isEnabled() && !shortcut->isAmbiguous() && button->focusPolicy() != Qt::NoFocus)
            button->setFocus(Qt::ShortcutFocusReason);
    }
    return false;
}

}  // namespace amortix::gui
