#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format/numfmt.h"
#include "gui_test_util.h"
#include "shell/interaction.h"
#include "shell/numeric_entry.h"

namespace amortix::gui {
namespace {

// A screen with the tables screen's inputs, wired the way every screen
// wires its boxes.
class EntryScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        principal = new QLineEdit(&window);
        rate = new QComboBox(&window);
        term = new QComboBox(&window);
        compounding = new QComboBox(&window);
        calc = new QPushButton("&Calculate", &window);
        for (QWidget* w : std::initializer_list<QWidget*>{principal, rate, term, compounding, calc})
            layout->addWidget(w);
        rate->addItems({"6 ", "7 ", "8 ", "9 ", "10 "});
        term->addItems({"25", "30", "40"});
        compounding->addItems({"      Monthly", "    Bimonthly", "    Quarterly"});

        const auto attach = [this](auto* box, NumericEntry::Kind kind, int decimals, QWidget* next,
                                   std::function<QString(double)> store) {
            NumericEntry::Options options;
            options.kind = kind;
            options.decimals = decimals;
            options.clearResults = [this] { Clear(); };
            options.next = next;
            options.store = std::move(store);
            NumericEntry::Attach(state, interaction, box, options);
        };
        attach(principal, NumericEntry::Kind::Decimal, 2, rate, [this](double v) {
            state.TableInputs.principal = v;
            return QString::fromStdString(amortix::MoneyBoxText(state.CurrencySymbol, v));
        });
        attach(rate, NumericEntry::Kind::Decimal, 3, term, [this](double v) {
            state.TableInputs.ratePercent = v;
            return QString::fromStdString(amortix::RateBoxText(v));
        });
        attach(term, NumericEntry::Kind::Whole, 2, compounding, [this](double v) {
            state.TableInputs.years = v;
            return QString::fromStdString(amortix::TermBoxText(v));
        });
        ChoiceList::Options list;
        list.clearResults = [this] { Clear(); };
        list.next = calc;
        ChoiceList::Attach(state, interaction, compounding, list);

        principal->setText("   $100,000.00");
        rate->setEditText("        10.125%");
        term->setEditText("            25");
        test::ShowActive(&window);
    }

    // Focus into a box the way a user's click does.
    static void Enter(QWidget* box) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }

    static QString TextOf(QComboBox* box) { return box->lineEdit()->text(); }
    // The screen's ClearResults.
    void Clear() {
        ++clears;
        state.EntryEdited = 1;
    }

    AppState state;
    RecordingInteraction interaction{state};
    QWidget window;
    QLineEdit* principal = nullptr;
    QComboBox* rate = nullptr;
    QComboBox* term = nullptr;
    QComboBox* compounding = nullptr;
    QPushButton* calc = nullptr;
    int clears = 0;
};

// The first key into a box as shown empties it, even when the key is refused
// (the digit filter decides first); later keys are held to the box's decimals.
TEST_F(EntryScreen, KeysAgainstTheFiltersAndTheDecimalLimits) {
    struct Case {
        QWidget* box;
        const char* start;  // text already typed (EntryEdited 1); nullptr: the box as shown
        int caret;          // -1: at the end
        Qt::Key key;
        const char* after;
        int beeps;
    };
    const Case cases[] = {
        {principal, nullptr, -1, Qt::Key_5, "5", 0},
        {principal, nullptr, -1, Qt::Key_A, "", 1},
        {term, nullptr, -1, Qt::Key_3, "3", 0},
        {term, nullptr, -1, Qt::Key_Period, "", 1},
        {term, nullptr, -1, Qt::Key_A, "", 1},
        {rate, "10.125", -1, Qt::Key_7, "10.125", 1},  // a rate takes three decimals, no fourth
        {rate, "10.12", -1, Qt::Key_5, "10.125", 0},
        {principal, "12.34", 0, Qt::Key_5, "12.34", 1},   // complete: refused even before the point
        {principal, "12.34", -1, Qt::Key_5, "12.34", 1},  // the rate's third decimal is not the box's
        {principal, "12.3", -1, Qt::Key_4, "12.34", 0},
        {principal, "1.2", -1, Qt::Key_Period, "1.2.", 0},  // a second point is let through
        {principal, "12", -1, Qt::Key_A, "12", 1},
        {principal, "12", -1, Qt::Key_Backspace, "1", 0},
    };
    for (const auto& c : cases) {
        QLineEdit* line = c.box == principal ? principal : static_cast<QComboBox*>(c.box)->lineEdit();
        const std::string what = std::string(c.box == principal ? "principal "
                                             : c.box == rate    ? "rate "
                                                                : "term ") +
                                 (c.start ? c.start : "shown") + " key " + std::to_string(c.key);
        Enter(c.box);
        line->setText(c.start ? c.start : "            25");
        if (c.caret < 0)
            line->end(false);
        else
            line->setCursorPosition(c.caret);
        state.EntryEdited = c.start ? 1 : 0;
        clears = 0;
        interaction.beeps = 0;
        QTest::keyClick(c.box, c.key);
        EXPECT_EQ(line->text(), c.after) << what;
        EXPECT_EQ(interaction.beeps, c.beeps) << what;
        EXPECT_EQ(clears, c.start ? 0 : 1) << what;
        EXPECT_EQ(state.EntryEdited, 1) << what;
    }
}

TEST_F(EntryScreen, LeavingAnEditedBoxStoresAndShowsTheDisplayForm) {
    Enter(principal);
    QTest::keyClicks(principal, "250000.5");
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(state.TableInputs.principal, 250000.5);
    EXPECT_EQ(principal->text(), "     $250,000.50");
    EXPECT_EQ(state.EntryEdited, 0);

    // The second point ends the number.
    QTest::keyClicks(rate, "7.5.9");
    QTest::keyClick(rate, Qt::Key_Enter);
    EXPECT_EQ(state.TableInputs.ratePercent, 7.5);
    EXPECT_EQ(TextOf(rate), "         7.500%");
    EXPECT_TRUE(term->hasFocus());

    // Leaving a box without typing stores nothing.
    state.TableInputs.years = -1;
    QTest::keyClick(term, Qt::Key_Return);
    EXPECT_EQ(state.TableInputs.years, -1);
    EXPECT_EQ(TextOf(term), "            25");
    EXPECT_TRUE(compounding->hasFocus());
    QTest::keyClick(compounding, Qt::Key_Return);
    EXPECT_TRUE(calc->hasFocus());
    EXPECT_EQ(interaction.beeps, 0);
}

TEST_F(EntryScreen, DeleteInsideAFormattedAmountStoresZero) {
    Enter(principal);
    state.EntryEdited = 0;
    clears = 0;
    principal->setCursorPosition(4);  // just after the currency symbol
    QTest::keyClick(principal, Qt::Key_Delete);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(state.EntryEdited, 1);
    EXPECT_EQ(principal->text(), "   $00,000.00");  // the key still edits
    Enter(rate);
    // The text starts with the symbol, so it reads as 0.
    EXPECT_EQ(state.TableInputs.principal, 0.0);
    EXPECT_EQ(principal->text(), "            $.00");
}

// What the user copied in another program stays on the clipboard, and no
// route puts it into a box: keys, middle click, context menu or a drop.
TEST_F(EntryScreen, NothingCanBePastedAndTheClipboardIsKept) {
    QGuiApplication::clipboard()->setText("999");
    for (QLineEdit* line : {principal, rate->lineEdit()}) {
        const std::string name = line == principal ? "principal" : "rate";
        Enter(line);
        state.EntryEdited = true;
        line->setText("12");
        line->end(false);
        for (const QKeySequence& paste :
             {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}) {
            interaction.beeps = 0;
            QTest::keySequence(line, paste);
            EXPECT_EQ(line->text(), "12") << name << " " << paste.toString().toStdString();
            EXPECT_EQ(interaction.beeps, 1) << name;
        }
        QTest::mouseClick(line, Qt::MiddleButton);
        EXPECT_EQ(line->text(), "12") << name;
        EXPECT_EQ(line->contextMenuPolicy(), Qt::NoContextMenu) << name;
        EXPECT_FALSE(line->acceptDrops()) << name;
        QMimeData mime;
        mime.setText("777");
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &drop);
        EXPECT_EQ(line->text(), "12") << name;
        Enter(calc);
        Enter(compounding);
        Enter(calc);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "999") << name;
    }
}

TEST_F(EntryScreen, DropDownListsTakeNoTyping) {
    Enter(compounding);
    compounding->setCurrentIndex(1);
    state.EntryEdited = 1;
    clears = 0;
    QTest::keyClick(compounding, Qt::Key_Q);
    EXPECT_EQ(interaction.beeps, 1);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(state.EntryEdited, 0);
    EXPECT_EQ(compounding->currentIndex(), 1);

    // A choice (here by arrow key) clears the results too.
    state.EntryEdited = 1;
    QTest::keyClick(compounding, Qt::Key_Down);
    EXPECT_EQ(compounding->currentIndex(), 2);
    EXPECT_EQ(clears, 2);
    EXPECT_EQ(state.EntryEdited, 0);
}

TEST(NumericEntryLifetime, ABoxClosedWithItsScreenStoresNothing) {
    AppState state;
    RecordingInteraction interaction{state};
    QWidget frame;  // the screen is a child of a window that stays
    auto* screen = new QWidget(&frame);
    auto* box = new QComboBox(screen);
    new QLineEdit(screen);
    int stores = 0;
    NumericEntry::Options options;
    options.store = [&](double) {
        ++stores;
        return QString();
    };
    NumericEntry::Attach(state, interaction, box, options);
    test::ShowActive(&frame);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, "5");
    EXPECT_EQ(state.EntryEdited, 1);
    delete screen;
    EXPECT_EQ(stores, 0);
}

TEST(CharacterCode, KeysAsTheFiltersCountThem) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* text;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},   {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8}, {Qt::Key_Backspace, Qt::ControlModifier, "", 127},
        {Qt::Key_5, Qt::NoModifier, "5", '5'},        {Qt::Key_Period, Qt::NoModifier, ".", '.'},
        {Qt::Key_V, Qt::ControlModifier, "\x16", 22}, {Qt::Key_C, Qt::AltModifier, "c", 0},
        {Qt::Key_Left, Qt::NoModifier, "", 0},        {Qt::Key_Tab, Qt::NoModifier, "\t", 0},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},  {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
    };
    for (const auto& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.mods, QString::fromLatin1(c.text));
        EXPECT_EQ(CharacterCode(event), c.code) << c.key;
    }
}

}  // namespace
}  // namespace amortix::gui
