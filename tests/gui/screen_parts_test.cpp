// The pieces the calculator screens are built from: what a caption names its
// box by, and lists whose positions are the rows of a choice table.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/calc/choices.h"
#include "gui_test_util.h"
#include "shell/screen_parts.h"

namespace amortix::gui {
namespace {

TEST(ScreenParts, ACaptionNamesItsBoxAsItIsRead) {
    const struct {
        const char* caption;
        const char* spoken;
    } cases[] = {
        {" Principal amount of           mortgage.", "Principal amount of mortgage."},
        {" Number of pay-     ments each year.", "Number of payments each year."},  // broken over two lines
        {" Annual interest rate(%)", "Annual interest rate(%)"},
        {" Down payment - cash", "Down payment - cash"},  // a dash between words stays
        {"Sav&e File", "Save File"},
    };
    for (const auto& c : cases) {
        QWidget parent;
        const auto [label, box] = MakeInputRow<QComboBox>(&parent, "Label1", c.caption, "InRate");
        EXPECT_EQ(label->buddy(), box) << c.caption;
        EXPECT_EQ(box->accessibleName(), c.spoken) << c.caption;
        EXPECT_EQ(label->text(), c.caption);
    }
    // A caption written later (by the screen's Load) names its box when the
    // frame shows the form; until then the box has no name of its own.
    QWidget parent;
    const auto [label, box] = MakeResultRow(&parent, "Label11", {}, "EndMortYear");
    EXPECT_EQ(label->buddy(), box);
    EXPECT_TRUE(box->accessibleName().isEmpty());
}

// The screens read a choice from a list's position and show one by it, so
// the list holds the table's rows in order, whatever it held before.
TEST(ScreenParts, AChoiceListIsItsTableInOrder) {
    const auto check = [](const auto& table) {
        QWidget parent;
        const auto [label, list] = MakeChoiceRow(&parent, "Label6", " Caption.", "Comperiod", table);
        ASSERT_EQ(list->count(), static_cast<int>(table.size()));
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_EQ(list->accessibleName(), "Caption.");
        for (int i = static_cast<int>(table.size()) - 1; i >= 0; --i) {
            const auto& row = table[static_cast<std::size_t>(i)];
            EXPECT_EQ(list->itemText(i).toStdString(), row.listText);
            ShowChoice(list, table, row.id);
            EXPECT_EQ(list->currentIndex(), i);
            EXPECT_EQ(ChoiceOf(list, table), row.id);
        }
        // Nothing shown reads as the first row; filling again replaces the rows.
        list->setCurrentIndex(-1);
        EXPECT_EQ(ChoiceOf(list, table), table[0].id);
        FillList(list, table);
        EXPECT_EQ(list->count(), static_cast<int>(table.size()));
    };
    check(amortix::kCompoundings);
    check(amortix::kFrequencies);
}

}  // namespace
}  // namespace amortix::gui
