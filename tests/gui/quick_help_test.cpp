// The quick help panel: open, it takes the place of what it covers and turns
// off the commands that need results; its state is its own, not its button's
// caption.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui_test_util.h"
#include "shell/interaction.h"
#include "shell/quick_help.h"

namespace amortix::gui {
namespace {

class QuickHelpPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&form);
        for (QWidget* w : std::initializer_list<QWidget*>{input, grid, print, button}) layout->addWidget(w);
        text = MakeQuickHelpText(&form, "MTextBox", "Quick help", interaction, input);
        layout->addWidget(text);
        test::ShowActive(&form);
    }
    QuickHelp* Make(std::vector<QWidget*> covered) {
        return new QuickHelp({button, text, std::move(covered), {print}});
    }
    static QString Spoken(QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    }

    AppState state;
    RecordingInteraction interaction{state};
    QWidget form;
    QWidget* input = new QLineEdit(&form);
    QWidget* grid = new QWidget(&form);
    QPushButton* print = new QPushButton("&Print", &form);
    QPushButton* button = new QPushButton(kQuickHelpCaption, &form);
    QPlainTextEdit* text = nullptr;
};

TEST_F(QuickHelpPanel, OpensInPlaceOfTheGridAndCloses) {
    QuickHelp* help = Make({grid});
    EXPECT_FALSE(help->IsOpen());
    EXPECT_FALSE(text->isVisible());

    help->Open("First line.\r\nSecond line.");
    EXPECT_TRUE(help->IsOpen());
    EXPECT_EQ(button->text(), kCloseHelpCaption);
    EXPECT_EQ(Spoken(button), "Close Help");
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(text->toPlainText(), "First line.\nSecond line.");
    EXPECT_FALSE(grid->isVisible());
    EXPECT_FALSE(print->isEnabled());

    help->Close();
    EXPECT_FALSE(help->IsOpen());
    EXPECT_EQ(button->text(), kQuickHelpCaption);
    EXPECT_EQ(Spoken(button), "Quick Help");
    EXPECT_FALSE(text->isVisible());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_TRUE(print->isEnabled());
    EXPECT_EQ(text->toPlainText(), "First line.\nSecond line.");  // the screen clears it when it means to
}

TEST_F(QuickHelpPanel, ItsStateIsNotItsButtonsCaption) {
    QuickHelp* help = Make({grid});
    help->Open("Help.");
    button->setText("&Done with help");  // another wording
    EXPECT_TRUE(help->IsOpen());
    help->Close();
    button->setText(kCloseHelpCaption);
    EXPECT_FALSE(help->IsOpen());
    EXPECT_TRUE(grid->isVisible());
}

TEST_F(QuickHelpPanel, WithNothingToHideItLiesOnTop) {
    QuickHelp* help = Make({});
    help->Open("Help.");
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(form.children().last(), text);  // painted last, over its neighbours
    // Enter in the help goes back to the first input box; typing beeps.
    QTest::keyClick(text, Qt::Key_A);
    EXPECT_EQ(interaction.beeps, 1);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(input->hasFocus());
}

}  // namespace
}  // namespace amortix::gui
