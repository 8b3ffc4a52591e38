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

// Reads the message on screen, then presses its exit button.
std::function<void(QWidget*)> ReadAndExit(QString& text, QString& title) {
    return [&text, &title](QWidget* box) {
        title = box->windowTitle();
        text = Find<QPlainTextEdit>(box, "TextMsg")->toPlainText();
        QTest::mouseClick(Find<QPushButton>(box, "AMsgExit"), Qt::LeftButton);
    };
}

class MessageBoxes : public ::testing::Test {
  protected:
    AppState state;
    QMainWindow frame;
    QtInteraction interaction{state, &frame};
};

TEST_F(MessageBoxes, TwoMessagesInARowShowTheirOwnTexts) {
    QString first, second, title;
    WhenModal(ReadAndExit(first, title));
    interaction.ShowMessage(Message::YearsLimit);
    EXPECT_EQ(state.MessageNumber, 5);
    WhenModal(ReadAndExit(second, title));
    interaction.ShowMessage(Message::NoData);
    EXPECT_EQ(first, "Wrong entry, 40 Years limit.");
    EXPECT_EQ(second, "No Data to work with. Calculate.");
    EXPECT_EQ(title, "Help");
    EXPECT_EQ(state.MessageNumber, 7);
}

TEST_F(MessageBoxes, MessageThirtyCarriesTodaysShortDateAndUnknownNumbersShowNothing) {
    QString text, title;
    WhenModal(ReadAndExit(text, title));
    interaction.ShowMessage(Message::DateFormat);
    EXPECT_EQ(text, "Correct date format is " +
                        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    WhenModal(ReadAndExit(text, title));
    interaction.ShowMessage(static_cast<Message>(6));
    EXPECT_EQ(text, "");
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
    };
    for (const auto& c : cases) {
        QString label, title;
        WhenModal([&](QWidget* box) {
            title = box->windowTitle();
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
        EXPECT_EQ(title, "Help");
    }
}

TEST_F(MessageBoxes, BoxesSitAtTheirOffsetsFromTheFrame) {
    frame.move(40, 30);
    frame.resize(TwipsToPixels(&frame, QSize(14000, 11000)));
    struct Case {
        int layout;
        QPoint twips;
    };
    for (const Case& c :
         {Case{kLayoutSmall, {3600, 2000}}, Case{kLayoutLarge, {4650, 3000}}, Case{0, {3600, 2000}}}) {
        state.FrameLayoutSize = c.layout;
        QPoint where;
        WhenModal([&](QWidget* box) {
            where = box->pos();
            box->close();
        });
        interaction.ShowMessage(Message::NothingToPrint);
        // Within the few pixels of a window border.
        EXPECT_LE((where - (QPoint(40, 30) + TwipsToPixels(&frame, c.twips))).manhattanLength(), 4)
            << c.layout;
    }
    // Near the frame's right edge the box moves back inside the frame.
    frame.resize(TwipsToPixels(&frame, QSize(5000, 11000)));
    state.FrameLayoutSize = kLayoutSmall;
    QRect box;
    WhenModal([&](QWidget* shown) {
        box = shown->frameGeometry();
        shown->close();
    });
    interaction.ShowMessage(Message::NothingToPrint);
    EXPECT_NEAR(box.right(), frame.frameGeometry().right(), 4);
    EXPECT_LT(box.left(), frame.frameGeometry().left() + TwipsToPixelsX(&frame, 3600));
}

TEST(RecordingInteraction, RecordsMessagesAndAnswersFromItsQueue) {
    AppState state;
    RecordingInteraction interaction(state);
    int numberSeen = 0;
    interaction.onMessage = [&](int) { numberSeen = state.MessageNumber; };
    interaction.ShowMessage(Message::TermReset);
    EXPECT_EQ(numberSeen, 34);
    interaction.answers = {6, 0, std::nullopt};
    EXPECT_EQ(interaction.AskQuestion(Question::ContinuePrintout), 6);
    EXPECT_EQ(interaction.AskQuestion(Question::PrintInColor), 0);
    EXPECT_EQ(interaction.AskQuestion(Question::ContinuePrintout), 1);
    EXPECT_EQ(interaction.AskQuestion(Question::PrintInColor), 2);  // empty queue: closed
    EXPECT_EQ(interaction.messages, std::vector<int>{34});
    EXPECT_EQ(interaction.questions, (std::vector<int>{1, 2, 1, 2}));
}

}  // namespace
}  // namespace amortix::gui
