#include "shell/screen_parts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "shell/accessibility.h"
#include "shell/language.h"

namespace amortix::gui {

QString CaptionName(const QLabel* caption) {
    static const QRegularExpression broken("(\\w)- (\\w)");
    return SpokenCaption(caption->text()).replace(broken, "\\1\\2");
}

void NameByCaption(QLabel* caption, QWidget* box) {
    caption->setBuddy(box);
    if (!caption->text().isEmpty()) box->setAccessibleName(CaptionName(caption));
}

std::pair<QLabel*, QLineEdit*> MakeResultRow(QWidget* parent, const char* captionName, const QString& caption,
                                             const char* boxName) {
    QLabel* label = MakeCaption(parent, captionName, caption);
    QLineEdit* box = MakeResultBox(parent, boxName);
    NameByCaption(label, box);
    return {label, box};
}

void AlignRight(std::initializer_list<QWidget*> boxes) {
    for (QWidget* box : boxes) {
        auto* list = qobject_cast<QComboBox*>(box);
        auto* text = list ? list->lineEdit() : qobject_cast<QLineEdit*>(box);
        if (text) text->setAlignment(Qt::AlignRight);
    }
}

QLabel* MakeIndicator(QWidget* parent, const char* name, const QString& spokenName) {
    auto* indicator = new QLabel(parent);
    indicator->setObjectName(name);
    indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    indicator->setToolTip(Tr("Red while additional payments are in force"));
    indicator->setAccessibleName(Tr(spokenName));
    return indicator;
}

int AddRows(QGridLayout* grid, std::span<const CaptionedBox> rows, Qt::Alignment boxAlignment) {
    int row = 0;
    for (const auto& [label, box] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1, boxAlignment);
    }
    return row;
}

QBoxLayout* MakeButtonLine(Qt::Orientation orientation,
                           std::initializer_list<std::initializer_list<QPushButton*>> groups,
                           QPushButton* last, int gap, int width) {
    auto* line =
        new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    bool first = true;
    for (const auto& group : groups) {
        if (!first) line->addSpacing(gap);
        first = false;
        for (QPushButton* button : group) line->addWidget(button);
    }
    line->addStretch(1);
    line->addWidget(last);
    if (width > 0)
        for (int i = 0; i < line->count(); ++i)
            if (QWidget* button = line->itemAt(i)->widget()) button->setMinimumWidth(width);
    // Buttons line up with the boxes beside them; an indicator in front of
    // one stands out.
    line->setContentsMargins(0, 0, 0, 0);
    return line;
}

void PutInFront(QBoxLayout* line, QWidget* lead, QPushButton* button, int spacing) {
    const int index = line->indexOf(button);
    line->removeWidget(button);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(spacing);
    pair->addWidget(lead);
    pair->addWidget(button, 1);
    line->insertLayout(index, pair);
    button->setMinimumWidth(button->minimumWidth() - lead->minimumWidth() - spacing);
}

void ChainTabOrder(std::initializer_list<QWidget*> order) {
    for (auto from = order.begin(), to = from + 1; from != order.end() && to != order.end(); ++from, ++to)
        QWidget::setTabOrder(*from, *to);
}

}  // namespace amortix::gui
