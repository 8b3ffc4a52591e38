#pragma once
// Drop-down lists filled from the engine's choice tables: the list shows each
// row's text in table order, so an item's position is its choice; the texts
// are shown in the window's language, never compared.

#include <QComboBox>
#include <QString>

#include <cstddef>

#include "shell/language.h"

namespace amortix::gui {

template <class Table>
void FillList(QComboBox* list, const Table& table) {
    list->clear();
    for (const auto& row : table) list->addItem(Tr(row.listText));
}

// The choice shown by a list filled from `table`; the first row while none is.
template <class Table>
auto ChoiceOf(const QComboBox* list, const Table& table) {
    const int index = list->currentIndex();
    return index >= 0 && static_cast<std::size_t>(index) < table.size()
               ? table[static_cast<std::size_t>(index)].id
               : table[0].id;
}

template <class Table, class Choice>
void ShowChoice(QComboBox* list, const Table& table, Choice choice) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].id == choice) list->setCurrentIndex(static_cast<int>(i));
}

}  // namespace amortix::gui
