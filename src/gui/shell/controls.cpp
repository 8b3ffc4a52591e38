#include "shell/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/accessibility.h"
#include "shell/language.h"
#include "shell/look.h"

namespace amortix::gui {

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(Tr(text), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QLineEdit* MakeResultBox(QWidget* parent, const char* name, const QLabel* caption) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    if (caption) box->setAccessibleName(SpokenCaption(caption->text()));
    MarkAsResult(box);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(Tr(caption), parent);
    button->setObjectName(name);
    // No fixed accessible name: Qt then reads the caption as it is now, without
    // its "&", so a button whose caption changes is announced by the new one.
    return button;
}

}  // namespace amortix::gui
