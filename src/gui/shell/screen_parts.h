#pragma once
// The pieces a calculator screen is built from: a caption with the box or
// list it names, a caption with its white result box, the indicator of
// additional payments, the line of buttons, and the order Tab walks. Every
// piece takes the form's control names, where tests, help topics and screen
// readers find the controls.

#include <QObject>
#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <span>
#include <utility>

#include "shell/choice_lists.h"
#include "shell/controls.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace amortix::gui {

// A caption and the control it names.
using CaptionedBox = std::pair<QLabel*, QWidget*>;

// What a screen reader says for a caption: its words without the padding, a
// word broken over two lines ("pay-     ments") whole again.
QString CaptionName(const QLabel* caption);

// Makes `caption` the buddy of `box` and names the box by it. A caption that
// is still empty names its box when the frame shows the form.
void NameByCaption(QLabel* caption, QWidget* box);

// A caption and the input box or list it names; the screen attaches the
// entry pattern of numeric_entry.h.
template <class Box>
std::pair<QLabel*, Box*> MakeInputRow(QWidget* parent, const char* captionName, const QString& caption,
                                      const char* boxName) {
    QLabel* label = MakeCaption(parent, captionName, caption);
    auto* box = new Box(parent);
    box->setObjectName(boxName);
    NameByCaption(label, box);
    return {label, box};
}

// A caption and the list of the rows of a choice table (core/calc/choices.h),
// in the table's order, the first row shown.
template <class Table>
std::pair<QLabel*, QComboBox*> MakeChoiceRow(QWidget* parent, const char* captionName, const QString& caption,
                                             const char* listName, const Table& table) {
    auto row = MakeInputRow<QComboBox>(parent, captionName, caption, listName);
    FillList(row.second, table);
    return row;
}

// A caption and the white box that shows its result.
std::pair<QLabel*, QLineEdit*> MakeResultRow(QWidget* parent, const char* captionName, const QString& caption,
                                             const char* boxName);

// Right-aligns the texts of input boxes, and of lists the user types into
// (after the entry pattern made them editable).
void AlignRight(std::initializer_list<QWidget*> boxes);

// The small sunken panel that turns red while additional payments are in force.
QLabel* MakeIndicator(QWidget* parent, const char* name, const QString& spokenName);

// Puts `rows` into `grid` from its first row, each caption left of its box;
// returns the first row after them.
int AddRows(QGridLayout* grid, std::span<const CaptionedBox> rows, Qt::Alignment boxAlignment = {});

// A button that runs `handler` (a member function of `screen`, or a lambda)
// when clicked.
template <class Screen, class Handler>
QPushButton* MakeCommand(Screen* screen, const char* name, const char* caption, Handler handler) {
    QPushButton* button = MakeButton(screen, name, caption);
    QObject::connect(button, &QPushButton::clicked, screen, handler);
    return button;
}

// The screen's buttons in a column or a row: `groups` `gap` pixels apart, then
// `last` alone at the far end; each button at least `width` wide (0: as wide
// as its caption).
QBoxLayout* MakeButtonLine(Qt::Orientation orientation,
                           std::initializer_list<std::initializer_list<QPushButton*>> groups,
                           QPushButton* last, int gap, int width);

// Puts `lead` (an indicator of fixed width) in front of `button` in its line,
// `spacing` apart; the pair takes no more room than the button did.
void PutInFront(QBoxLayout* line, QWidget* lead, QPushButton* button, int spacing);

// Tab walks `order` in turn.
void ChainTabOrder(std::initializer_list<QWidget*> order);

}  // namespace amortix::gui
