#include "shell/look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace amortix::gui {

QHBoxLayout* CenteredButtonRow(QWidget* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    row->addStretch();
    return row;
}

namespace {

void Paint(QWidget* widget, const QColor& background) {
    if (!widget) return;
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, Qt::black);
        if (qobject_cast<QComboBox*>(widget)) {
            // A drop-down list draws its box with the button colours.
            palette.setColor(group, QPalette::Button, background);
            palette.setColor(group, QPalette::ButtonText, Qt::black);
        }
        if (qobject_cast<QLabel*>(widget)) {
            palette.setColor(group, QPalette::Window, background);
            palette.setColor(group, QPalette::WindowText, Qt::black);
        }
    }
    widget->setPalette(palette);
    if (qobject_cast<QLabel*>(widget)) widget->setAutoFillBackground(true);
}

}  // namespace

QColor InputColor() {
    return {0x9c, 0xe6, 0x9c};
}
QColor ResultColor() {
    return Qt::white;
}
QColor HelpTextColor() {
    return {0xff, 0xff, 0xd2};
}

void MarkAsInput(QWidget* widget) {
    Paint(widget, InputColor());
}
void MarkAsResult(QWidget* widget) {
    Paint(widget, ResultColor());
}
void MarkAsHelpText(QWidget* widget) {
    Paint(widget, HelpTextColor());
}

}  // namespace amortix::gui
