#include "shell/accessibility.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace amortix::gui {

QString SpokenCaption(const QString& caption) {
    QString text = caption;
    if (Qt::mightBeRichText(text)) {
        QTextDocument rich;
        rich.setHtml(text);
        text = rich.toPlainText();
    }
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.simplified();
}

bool NeedsSpokenName(const QWidget* widget) {
    // Parts of a list or grid (headers, a combo box's own box) are read as
    // parts of it.
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w)) return false;
    if (qobject_cast<const QLineEdit*>(widget))
        return !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

void NameFromCaptions(QWidget* root) {
    if (!root) return;
    const auto labels = root->findChildren<QLabel*>();
    auto name = [&labels, root](QWidget* widget) {
        if (!NeedsSpokenName(widget) || !widget->accessibleName().isEmpty()) return;
        for (const QLabel* label : labels)
            if (label->buddy() == widget) {
                widget->setAccessibleName(SpokenCaption(label->text()));
                return;
            }
        // The only box of a titled group goes by the group's title.
        for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
            if (auto* group = qobject_cast<QGroupBox*>(w)) {
                const auto inside = group->findChildren<QWidget*>();
                const auto boxes = std::count_if(inside.cbegin(), inside.cend(), NeedsSpokenName);
                if (boxes == 1 && !group->title().isEmpty())
                    widget->setAccessibleName(SpokenCaption(group->title()));
                return;
            }
            if (w == root) return;
        }
    };
    name(root);
    for (QWidget* widget : root->findChildren<QWidget*>()) name(widget);
}

}  // namespace amortix::gui
