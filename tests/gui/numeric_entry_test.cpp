#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format/numfmt.h"
#include "core/forms/tables_form.h"
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
            figures.principal = v;
            return QString::fromStdString(amortix::MoneyBoxText(state.CurrencySymbol, v));
        });
        attach(rate, NumericEntry::Kind::Decimal, 3, term, [this](double v) {
            figures.ratePercent = v;
            return QString::fromStdString(amortix::RateBoxText(v));
        });
        attach(term, NumericEntry::Kind::Whole, 2, compounding, [this](double v) {
            figures.years = v;
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
    amortix::TablesForm::Figures figures;  // what the boxes stored
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
    EXPECT_EQ(figures.principal, 250000.5);
    EXPECT_EQ(principal->text(), "     $250,000.50");
    EXPECT_EQ(state.EntryEdited, 0);

    // The second point ends the number.
    QTest::keyClicks(rate, "7.5.9");
    QTest::keyClick(rate, Qt::Key_Enter);
    EXPECT_EQ(figures.ratePercent, 7.5);
    EXPECT_EQ(TextOf(rate), "         7.500%");
    EXPECT_TRUE(term->hasFocus());

    // Leaving a box without typing stores nothing.
    figures.years = -1;
    QTest::keyClick(term, Qt::Key_Return);
    EXPECT_EQ(figures.years, -1);
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
    EXPECT_EQ(figures.principal, 0.0);
    EXPECT_EQ(principal->text(), "            $.00");
}

// A pasted text goes in when the box's filter would take it key by key; the
// currency symbol, separators and "%" the box itself shows are dropped, and
// so are blanks around it. Anything else is refused with a beep and the box
// keeps its text.
TEST_F(EntryScreen, PastingTakesWhatTheFilterWouldTakeKeyByKey) {
    struct Case {
        QWidget* box;
        const char* start;  // text already typed (EntryEdited 1); nullptr: the box as shown
        const char* pasted;
        const char* after;  // nullptr: refused, the text unchanged
    };
    const Case cases[] = {
        {principal, nullptr, "450000", "450000"},
        {principal, nullptr, "$450,000.50", "450000.50"},
        {principal, nullptr, " 1,234,567\n", "1234567"},
        {principal, nullptr, "450000.125", nullptr},  // a third decimal
        {principal, nullptr, "4.5.0", nullptr},
        {principal, nullptr, "-450", nullptr},
        {principal, nullptr, "45%", nullptr},  // the amount shows no "%"
        {principal, nullptr, "450 000", nullptr},
        {principal, nullptr, "abc", nullptr},
        {principal, nullptr, "", nullptr},
        {principal, "12", "34", "1234"},
        {principal, "12.3", "45", nullptr},
        {rate, nullptr, "6.5%", "6.5"},
        {rate, nullptr, "$6.5", nullptr},  // the rate shows no currency symbol
        {rate, nullptr, "6.1234", nullptr},
        {term, nullptr, "30", "30"},
        {term, nullptr, "30.0", nullptr},
        {term, nullptr, "1,000", nullptr},
    };
    for (const auto& c : cases) {
        QLineEdit* line = c.box == principal ? principal : static_cast<QComboBox*>(c.box)->lineEdit();
        const QString shown = line->text();
        const std::string what = std::string(c.start ? c.start : "shown") + " pasted " + c.pasted;
        Enter(c.box);
        if (c.start) line->setText(c.start);
        state.EntryEdited = c.start ? 1 : 0;
        clears = 0;
        interaction.beeps = 0;
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        QTest::keySequence(c.box, QKeySequence(Qt::CTRL | Qt::Key_V));
        EXPECT_EQ(line->text(), c.after ? c.after : c.start ? c.start : shown) << what;
        EXPECT_EQ(interaction.beeps, c.after ? 0 : 1) << what;
        EXPECT_EQ(clears, c.after && !c.start ? 1 : 0) << what;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.pasted)) << what;
        line->setText(shown);
        state.EntryEdited = 0;
    }

    // Pasted, a value is stored on leaving as if typed.
    QGuiApplication::clipboard()->setText("$450,000");
    Enter(principal);
    QTest::keySequence(principal, QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    QTest::keyClick(principal, Qt::Key_Return);
    EXPECT_EQ(figures.principal, 450000.0);
    EXPECT_EQ(principal->text(), "     $450,000.00");
}

// What the user copied in another program stays on the clipboard, and the
// mouse puts nothing into a box: middle click, context menu or a drop.
TEST_F(EntryScreen, TheMousePastesNothingAndTheClipboardIsKept) {
    QGuiApplication::clipboard()->setText("999");
    for (QLineEdit* line : {principal, rate->lineEdit()}) {
        const std::string name = line == principal ? "principal" : "rate";
        Enter(line);
        state.EntryEdited = true;
        line->setText("12");
        line->end(false);
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

// Escape puts back what the box showed when it got the focus, so leaving
// stores nothing; with nothing to put back it changes nothing and no beep.
TEST_F(EntryScreen, EscapePutsBackWhatTheBoxShowed) {
    struct Case {
        QWidget* box;
        const char* typed;  // keys typed before Escape
    };
    const Case cases[] = {
        {principal, "25"}, {principal, ""}, {rate, "7.5"}, {term, "3"}, {term, "x"},
    };
    for (const auto& c : cases) {
        QLineEdit* line = c.box == principal ? principal : static_cast<QComboBox*>(c.box)->lineEdit();
        const QString shown = line->text();
        const std::string what = std::string(c.box == principal ? "principal "
                                             : c.box == rate    ? "rate "
                                                                : "term ") +
                                 c.typed;
        figures = {};
        figures.principal = -1;
        figures.ratePercent = -1;
        figures.years = -1;
        Enter(c.box);
        QTest::keyClicks(c.box, c.typed);
        interaction.beeps = 0;
        QTest::keyClick(c.box, Qt::Key_Escape);
        EXPECT_EQ(line->text(), shown) << what;
        EXPECT_EQ(state.EntryEdited, 0) << what;
        EXPECT_EQ(interaction.beeps, 0) << what;
        Enter(calc);
        EXPECT_EQ(line->text(), shown) << what;
        EXPECT_EQ(figures.principal, -1) << what;
        EXPECT_EQ(figures.ratePercent, -1) << what;
        EXPECT_EQ(figures.years, -1) << what;
    }
    // A second Escape, with nothing left to put back, reaches the window (a
    // dialog closes).
    QDialog dialog;
    auto* days = new QLineEdit("365.00", &dialog);
    NumericEntry::Options options;
    options.store = [](double v) { return QString::number(v, 'f', 2); };
    NumericEntry::Attach(state, interaction, days, options);
    test::ShowActive(&dialog);
    Enter(days);
    QTest::keyClicks(days, "364");
    QTest::keyClick(days, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(days->text(), "365.00");
    QTest::keyClick(days, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// Moving the cursor first edits in place: keys go where the cursor is (a
// digit before the point adds no decimal), Backspace takes one character,
// and leaving reads the figure without the box's symbol and separators.
// Ctrl+Z undoes the last edit; back at the shown text there is nothing to store.
TEST_F(EntryScreen, MovingTheCursorFirstEditsInPlaceAndCtrlZUndoes) {
    struct Case {
        QWidget* box;
        std::vector<Qt::Key> keys;
        const char* after;   // the text before leaving
        const char* stored;  // the text after leaving; nullptr: nothing stored
    };
    using K = std::vector<Qt::Key>;
    const Case cases[] = {
        {principal, K{Qt::Key_End, Qt::Key_Backspace, Qt::Key_5}, "   $100,000.05", "     $100,000.05"},
        {principal,
         K{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
           Qt::Key_Delete, Qt::Key_5},
         "   $150,000.00", "     $150,000.00"},
        {principal, K{Qt::Key_End, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_5}, "   $100,0005.00",
         "   $1,000,005.00"},
        {principal, K{Qt::Key_End, Qt::Key_5}, "   $100,000.00", nullptr},  // a third decimal
        {rate, K{Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_7}, "        10.127%",
         "        10.127%"},
        {rate, K{Qt::Key_End, Qt::Key_Left, Qt::Key_7}, "        10.125%", nullptr},
        {term, K{Qt::Key_End, Qt::Key_Backspace, Qt::Key_0}, "            20", "              20"},
        // Ctrl+Z: the replacing value goes in one step, an edit in place too.
        {principal, K{Qt::Key_2, Qt::Key_5, Qt::Key_Z}, "   $100,000.00", nullptr},
        {principal, K{Qt::Key_End, Qt::Key_Backspace, Qt::Key_Z}, "   $100,000.00", nullptr},
        {term, K{Qt::Key_3, Qt::Key_Z}, "            25", nullptr},
    };
    for (const auto& c : cases) {
        QLineEdit* line = c.box == principal ? principal : static_cast<QComboBox*>(c.box)->lineEdit();
        const QString shown = line->text();
        const std::string what = c.after;
        figures.principal = -1;
        figures.ratePercent = -1;
        figures.years = -1;
        Enter(c.box);
        interaction.beeps = 0;
        for (const Qt::Key key : c.keys)
            QTest::keyClick(c.box, key, key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(line->text(), c.after) << what;
        Enter(calc);
        EXPECT_EQ(line->text(), c.stored ? c.stored : c.after) << what;
        const double stored = c.box == principal ? figures.principal
                              : c.box == rate    ? figures.ratePercent
                                                 : figures.years;
        EXPECT_EQ(stored != -1, c.stored != nullptr) << what;
        line->setText(shown);
    }
}

// The click that gives a box the focus leaves the first key replacing the
// text; a click inside the text of the box that has the focus edits there.
TEST_F(EntryScreen, AClickInsideTheFocusedTextEditsInPlace) {
    Enter(calc);
    QTest::mouseClick(principal, Qt::LeftButton, {}, QPoint(principal->width() - 4, principal->height() / 2));
    ASSERT_TRUE(principal->hasFocus());
    QTest::keyClick(principal, Qt::Key_7);
    EXPECT_EQ(principal->text(), "7");
    QTest::keyClick(principal, Qt::Key_Escape);
    EXPECT_EQ(principal->text(), "   $100,000.00");

    QTest::mouseClick(principal, Qt::LeftButton, {}, QPoint(principal->width() - 4, principal->height() / 2));
    QTest::keyClick(principal, Qt::Key_Backspace);
    EXPECT_EQ(principal->text(), "   $100,000.0");
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
