#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui_test_util.h"
#include "shell/qt_interaction.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

using test::Find;
using test::WhenModal;

class MessageBoxes : public ::testing::Test {
  protected:
    AppState state;
    QMainWindow frame;
    QtInteraction interaction{state, &frame};
};

// Messages in a row each show their own text; message 30 carries today's
// short date, and a number without a message shows nothing.
TEST_F(MessageBoxes, EachMessageShowsItsOwnText) {
    const struct {
        Message message;
        QString detail;
        QString text;
    } cases[] = {
        {Message::YearsLimit, {}, "Wrong entry, 40 Years limit."},
        {Message::NoData, {}, "No Data to work with. Calculate."},
        {Message::DateFormat,
         {},
         "Correct date format is " + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)},
        {static_cast<Message>(6), {}, ""},
        // A file message names its file below the numbered text.
        {Message::FileNotFound, "File: /home/a/house.qmd",
         "File not found or wrong format. Check Filename and/or Directory.\n\nFile: /home/a/house.qmd"},
    };
    for (const auto& c : cases) {
        QString text = "not shown";
        WhenModal([&text](QWidget* box) {
            text = Find<QPlainTextEdit>(box, "TextMsg")->toPlainText();
            QTest::mouseClick(Find<QPushButton>(box, "AMsgExit"), Qt::LeftButton);
        });
        interaction.ShowMessage(c.message, c.detail);
        EXPECT_EQ(text, c.text) << MessageNumber(c.message);
        EXPECT_EQ(state.MessageNumber, MessageNumber(c.message));
    }
}

TEST_F(MessageBoxes, QuestionAnswers) {
    struct Case {
        Question question;
        const char* button;  // nullptr: the box is closed without an answer
        int expected;
        const char* text;
    };
    const Case cases[] = {
        {Question::ContinuePrintout, "AllYes", 6, " Continue with Printout."},
        {Question::PrintInColor, "AllNo", 0, " Print in Color."},
        {Question::ContinuePrintout, nullptr, 1,
         " Continue with Printout."},  // counts as No for every caller
        {Question::PrintInColor, nullptr, 2, " Print in Color."},
        {Question::LeaveComparison, "AllYes", 6,
         " The rows of this comparison will be erased. Leave it anyway?"},
    };
    for (const auto& c : cases) {
        QString label;
        WhenModal([&](QWidget* box) {
            label = Find<QLabel>(box, "Label1")->text();
            if (c.button)
                QTest::mouseClick(Find<QPushButton>(box, c.button), Qt::LeftButton);
            else
                box->close();
        });
        state.QuestionNumber = 99;
        EXPECT_EQ(interaction.AskQuestion(c.question), c.expected) << QuestionNumber(c.question);
        EXPECT_EQ(state.QuestionNumber, c.expected);
        EXPECT_EQ(label, c.text);
    }
}

// Near the frame's right edge a box moves back inside the frame.
TEST_F(MessageBoxes, ABoxStaysInsideANarrowFrame) {
    frame.move(40, 30);
    frame.resize(TwipsToPixels(&frame, QSize(5000, 11000)));
    state.FrameLayoutSize = kLayoutSmall;
    QRect box;
    WhenModal([&](QWidget* shown) {
        box = shown->frameGeometry();
        shown->close();
    });
    interaction.ShowMessage(Message::NothingToPrint);
    EXPECT_NEAR(box.right(), frame.frameGeometry().right(), 4);
}

}  // namespace
}  // namespace amortix::gui
