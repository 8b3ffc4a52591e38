#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include "core/files/settings_file.h"
#include "gui_test_util.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "shell/short_date.h"
#include "shell/twips.h"

namespace amortix::gui {
namespace {

using test::Find;
using test::WhenModal;

// Clicks an option button on its round indicator.
void Choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
}

// A box of a form, with the focus as Tab gives it.
QLineEdit* FocusBox(QWidget* form, const char* name) {
    auto* box = Find<QLineEdit>(form, name);
    box->setFocus(Qt::TabFocusReason);
    return box;
}

// The program with its settings in a folder of its own and a recording
// Interaction; Start() is left to each test.
class Program : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    Application& App() {
        if (!app) {
            app = std::make_unique<Application>(folder.path(), [](AppState& state, QWidget*) {
                return std::make_unique<RecordingInteraction>(state);
            });
            app->SetEndProgram([this] { ++ends; });
        }
        return *app;
    }

    RecordingInteraction& Recorded() { return static_cast<RecordingInteraction&>(App().Interact()); }
    MainMenu& Menu() { return App().Menu(); }
    QString SettingsFile() const { return QDir(folder.path()).filePath("Personal.Mtg"); }
    QPoint FormPosition(QWidget* form) { return form->parentWidget()->pos(); }
    QString Caption() { return App().Frame().windowTitle(); }
    auto Saved() const { return LoadPersonalSettings(QFile::encodeName(SettingsFile()).toStdString()); }
    // Opens the settings form from the menu; `act` answers and leaves it.
    void Settings(std::function<void(QWidget*)> act) {
        WhenModal(std::move(act));
        QTest::mouseClick(Menu().PtrFnt, Qt::LeftButton);
    }

    QTemporaryDir folder;
    std::unique_ptr<Application> app;
    int ends = 0;
};

TEST_F(Program, StartsWithDefaultsWhenThereIsNoSettingsFile) {
    App().Start();
    const AppState& state = App().State();
    EXPECT_EQ(Caption(), " Amortix Menu");
    EXPECT_EQ(state.CurrencySymbol, "$");
    EXPECT_EQ(state.UserName, "");
    EXPECT_FALSE(Menu().MyName->isVisible());
    EXPECT_EQ(state.FirstPaymentDate, SerialFromDate(QDate::currentDate()));
    EXPECT_EQ(App().Frame().ActiveForm(), &Menu());
    const QSize design = TwipsToPixels(&App().Frame(), QSize(9615, 6810));
    EXPECT_GE(App().Frame().width(), design.width());
    EXPECT_GE(App().Frame().height(), design.height());
    EXPECT_FALSE(QFile::exists(SettingsFile()));  // nothing is written at start
    EXPECT_FALSE(App().Frame().windowIcon().isNull());
}

TEST_F(Program, ReadsThePersonalSettingsAtStart) {
    struct Case {
        const char* line;
        const char* symbol;
        const char* name;  // "" keeps MyName hidden
        int font, compounding;
    };
    const Case cases[] = {
        {"1,\"Home Owner\",\"EUR\",3\r\n", "EUR", "Home Owner", 1, 3},
        {"0,\"\",\"\",2\r\n", "$", "", 0, 2},                           // an empty symbol becomes "$"
        {"7,\"Broken\",\"X\",0\r\n", "$", "", 0, 0},                    // a malformed file keeps the defaults
        {"0,\"Ren\xe9\",\"\xa3\",0\r\n", "\u00a3", "Ren\u00e9", 0, 0},  // written in code page 1252
    };
    for (const auto& c : cases) {
        app.reset();
        ASSERT_TRUE(test::WriteFile(SettingsFile(), c.line));
        App().Start();
        const AppState& state = App().State();
        EXPECT_EQ(state.CurrencySymbol, c.symbol) << c.line;
        EXPECT_EQ(state.UserName, c.name);
        EXPECT_EQ(state.PrinterFontChoice, c.font);
        EXPECT_EQ(state.CompoundSetting, c.compounding);
        EXPECT_EQ(Menu().MyName->isVisible(), std::string(c.name) != "");
        EXPECT_EQ(Menu().MyName->text(), c.name);
    }
}

TEST_F(Program, TheSettingsFormWritesTheFileWhenLeft) {
    App().Start();
    Settings([&](QWidget* form) {
        EXPECT_FALSE(Menu().isVisible());
        EXPECT_TRUE(Find<QRadioButton>(form, "CPeriod_0")->isChecked());
        EXPECT_TRUE(Find<QRadioButton>(form, "PtrFt_0")->isChecked());
        auto* symbol = FocusBox(form, "InSy");
        EXPECT_EQ(symbol->text(), "$");
        QTest::keyClicks(symbol, "  EUR \"");  // the first key replaces "$"; quotes are refused
        QTest::keyClick(symbol, Qt::Key_Return);
        auto* name = Find<QLineEdit>(form, "InMyName");
        EXPECT_TRUE(name->hasFocus());
        QTest::keyClicks(name, "Home \"Owner");
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(Find<QPushButton>(form, "ExitFonts")->hasFocus());
        Choose(Find<QRadioButton>(form, "CPeriod_3"));
        Choose(Find<QRadioButton>(form, "PtrFt_1"));
        QTest::mouseClick(Find<QPushButton>(form, "ExitFonts"), Qt::LeftButton);
    });

    const AppState& state = App().State();
    EXPECT_EQ(state.CurrencySymbol, "EUR");  // blanks around the symbol trimmed
    EXPECT_EQ(state.UserName, "Home Owner");
    EXPECT_EQ(state.CompoundSetting, 3);
    EXPECT_EQ(state.PrinterFontChoice, 1);
    EXPECT_TRUE(Menu().isVisible());
    EXPECT_EQ(Menu().MyName->text(), "Home Owner");
    const auto saved = Saved();
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->currencySymbol, "EUR");
    EXPECT_EQ(saved->userName, "Home Owner");
    EXPECT_EQ(saved->compoundSetting, 3);
    EXPECT_EQ(saved->printerFontChoice, 1);
}

TEST_F(Program, SettingsThatCannotBeWrittenAreReportedAndKept) {
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));  // a folder where the file belongs
    App().Start();
    Settings([&](QWidget* form) {
        auto* symbol = FocusBox(form, "InSy");
        QTest::keyClicks(symbol, "EUR");
        QTest::mouseClick(Find<QPushButton>(form, "ExitFonts"), Qt::LeftButton);
    });
    EXPECT_EQ(Recorded().messages, std::vector<int>{36});
    EXPECT_EQ(App().State().CurrencySymbol, "EUR");
    EXPECT_TRUE(Menu().isVisible());
}

// Types characters that have no key of their own, as an input method does.
void TypeText(QWidget* box, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
}

// However the form is left, what it shows is kept and saved, and read back
// the same.
TEST_F(Program, EveryWayOutOfTheSettingsFormKeepsWhatItShows) {
    const struct {
        const char* what;
        std::function<void(QWidget*)> act;
        const char* symbol;
        const char* name;  // "" hides MyName
    } cases[] = {
        {"a click empties the symbol, which becomes $; the close button",
         [](QWidget* form) {
             QTest::mouseClick(Find<QLineEdit>(form, "InSy"), Qt::LeftButton);
             auto* name = FocusBox(form, "InMyName");
             name->selectAll();
             QTest::keyClick(name, Qt::Key_Backspace);
             form->close();
         },
         "$", ""},
        {"Escape keeps the symbol",
         [](QWidget* form) {
             auto* symbol = FocusBox(form, "InSy");
             QTest::keyClick(symbol, Qt::Key_Escape);
         },
         "EUR", "Home Owner"},
        {"Alt+X leaves the symbol box, which stores, before it clicks Exit",
         [this](QWidget* form) {
             auto* symbol = FocusBox(form, "InSy");
             EXPECT_TRUE(QTest::qWaitFor([symbol] { return symbol->hasFocus(); }, 2000));
             QTest::keyClicks(symbol, "GBP");
             QTest::keyClick(form, Qt::Key_X, Qt::AltModifier);
             EXPECT_EQ(App().State().CurrencySymbol, "GBP");
         },
         "GBP", "Home Owner"},
        {"characters without a key of their own, as an input method types them; Exit",
         [](QWidget* form) {
             auto* symbol = FocusBox(form, "InSy");
             TypeText(symbol, "\u20b9");
             QTest::keyClick(symbol, Qt::Key_Return);
             auto* name = Find<QLineEdit>(form, "InMyName");
             name->selectAll();
             TypeText(name, "Zo\u00eb \u0141");
             QTest::mouseClick(Find<QPushButton>(form, "ExitFonts"), Qt::LeftButton);
         },
         "\u20b9", "Zo\u00eb \u0141"},
    };
    for (const auto& c : cases) {
        app.reset();
        ASSERT_TRUE(test::WriteFile(SettingsFile(), "0,\"Home Owner\",\"EUR\",0\r\n"));
        App().Start();
        test::ShowActive(&App().Frame());
        Settings(c.act);
        EXPECT_TRUE(Menu().isVisible()) << c.what;
        EXPECT_EQ(App().State().CurrencySymbol, c.symbol) << c.what;
        EXPECT_EQ(Menu().MyName->isVisible(), *c.name != '\0') << c.what;
        EXPECT_EQ(Menu().MyName->text(), c.name) << c.what;
        const auto saved = Saved();
        ASSERT_TRUE(saved.has_value()) << c.what;
        EXPECT_EQ(saved->currencySymbol, c.symbol) << c.what;
        EXPECT_EQ(saved->userName, c.name) << c.what;
    }
}

TEST_F(Program, TheLargeLayoutNeedsHeightAndRoomForTheForm) {
    App().Start();
    MainFrame& frame = App().Frame();
    const QPoint framePos = frame.pos();
    const QSize menu = MainFrame::FormSize(&Menu());
    const int narrow = menu.width() + 10;
    const int wide = menu.width() + TwipsToPixelsX(&frame, 1200) + 10;
    struct Case {
        int width, heightTwips;
        int layout;
        QPoint formTwips;
    };
    const Case cases[] = {
        {wide, 9000, kLayoutLarge, {1200, 1000}},
        {wide, 8400, kLayoutSmall, {-60, -30}},
        {narrow, 10000, kLayoutSmall, {-60, -30}},  // tall, but the menu would not fit at the offset
        {wide, 10000, kLayoutLarge, {1200, 1000}},
    };
    for (const auto& c : cases) {
        frame.resize(c.width, TwipsToPixelsY(&frame, c.heightTwips));
        QApplication::processEvents();
        EXPECT_EQ(App().State().FrameLayoutSize, c.layout) << c.width << " " << c.heightTwips;
        EXPECT_EQ(FormPosition(&Menu()), TwipsToPixels(&frame, c.formTwips)) << c.heightTwips;
        EXPECT_EQ(frame.pos(), framePos);  // the frame itself never moves
    }
}

// True when the control lies whole inside the frame's visible area.
bool InView(MainFrame& frame, const QWidget* control) {
    QWidget* view = frame.Scroller()->viewport();
    const QRect rect(control->mapTo(view, QPoint(0, 0)), control->size());
    return view->rect().contains(rect);
}

TEST_F(Program, TheFrameShowsEveryScreenWholeAndNeverResizesItself) {
    App().Start();
    MainFrame& frame = App().Frame();
    const QSize start = frame.size();
    for (QPushButton* button :
         {Menu().MortCalc, Menu().PersonalLoan, Menu().CompMort, Menu().MFindFactor, Menu().MQualify}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        QWidget* form = frame.ActiveForm();
        ASSERT_NE(form, &Menu());
        EXPECT_EQ(frame.size(), start)
            << button->objectName().toStdString() << " needs " << MainFrame::FormSize(form).width() << "x"
            << MainFrame::FormSize(form).height();
        EXPECT_EQ(App().State().FrameLayoutSize, kLayoutSmall)
            << button->objectName().toStdString() << " " << MainFrame::FormSize(form).width() << "x"
            << MainFrame::FormSize(form).height() << " frame " << frame.size().width() << "x"
            << frame.size().height();
        // A form larger than the screen can only be scrolled to.
        const QSize screen = frame.screen()->availableGeometry().size();
        const QSize needed = MainFrame::FormSize(form);
        if (needed.width() > screen.width() || needed.height() > screen.height()) {
            EXPECT_TRUE(frame.Scroller()->horizontalScrollBar()->isVisible() ||
                        frame.Scroller()->verticalScrollBar()->isVisible());
            frame.ReturnToMenu(form);
            continue;
        }
        EXPECT_FALSE(frame.Scroller()->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(frame.Scroller()->verticalScrollBar()->isVisible());
        for (const QWidget* control : form->findChildren<QWidget*>()) {
            if (control->isVisible() && control->focusPolicy() != Qt::NoFocus &&
                control->parentWidget() == form) {
                EXPECT_TRUE(InView(frame, control)) << control->objectName().toStdString();
            }
        }
        frame.ReturnToMenu(form);
    }
    EXPECT_EQ(frame.size(), start);
}

TEST_F(Program, AFrameMadeSmallScrollsToEveryControl) {
    App().Start();
    MainFrame& frame = App().Frame();
    frame.resize(TwipsToPixels(&frame, QSize(4000, 3000)));
    QTest::mouseClick(Menu().MortCalc, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(frame.size(), TwipsToPixels(&frame, QSize(4000, 3000)));  // opening a screen keeps the size
    QWidget* form = frame.ActiveForm();
    EXPECT_TRUE(frame.Scroller()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(frame.Scroller()->verticalScrollBar()->isVisible());
    for (QWidget* control : form->findChildren<QPushButton*>()) {
        frame.Scroller()->ensureWidgetVisible(control, 0, 0);
        QApplication::processEvents();
        EXPECT_TRUE(InView(frame, control)) << control->objectName().toStdString();
    }
}

TEST_F(Program, TheFocusReturnsToTheButtonThatOpenedADialog) {
    App().Start();
    test::ShowActive(&App().Frame());
    for (QPushButton* button : {Menu().About1, Menu().PtrFnt}) {
        WhenModal([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); });
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        test::ShowActive(&App().Frame());  // as the window manager gives the frame back its activation
        EXPECT_TRUE(button->hasFocus()) << button->objectName().toStdString();
    }
}

TEST_F(Program, ALongNameNeitherWidensTheMenuNorHidesItsButtons) {
    for (const int length : {120, 300}) {
        app.reset();
        const QString name = QString("Name ").repeated(length / 5);
        ASSERT_TRUE(test::WriteFile(SettingsFile(), "0,\"" + name.toUtf8() + "\",\"$\",0\r\n"));
        App().Start();
        QApplication::processEvents();
        EXPECT_EQ(Menu().MyName->toolTip(), name);
        EXPECT_LT(Menu().MyName->text().size(), name.size());
        for (const QPushButton* button : Menu().findChildren<QPushButton*>())
            EXPECT_TRUE(InView(App().Frame(), button)) << length << " " << button->objectName().toStdString();
    }
    Settings([&](QWidget* form) {
        auto* box = FocusBox(form, "InMyName");
        box->selectAll();
        QTest::keyClicks(box, QString(100, 'x'));
        EXPECT_EQ(box->text().size(), 40);
        form->close();
    });
}

TEST_F(Program, MenuButtonsOpenTheirScreensAndTheScreensReturnToThem) {
    struct Case {
        const char* button;
        const char* form;
        const char* caption;
        int mode;
        const char* exit;  // the screen's own exit button, or the placeholder's
    };
    const Case cases[] = {
        {"MortCalc", "MortgageCalc", " Mortgage Tables", 1, "MExit"},
        {"PersonalLoan", "MortgageCalc", " Loan Tables", 2, "MExit"},
        {"CompMort", "MortComp", " Mortgage Comparison Tables", 2, "MCExit"},
        {"MFindFactor", "MortFindFactor", " Mortgage Affordability", 2, "MFExit"},
        {"MQualify", "MortQualify", " Mortgage Qualifying", 2, "QExit"},
    };
    App().Start();
    test::ShowActive(&App().Frame());
    QMdiArea* area = App().Frame().Area();
    for (const auto& c : cases) {
        auto* button = Find<QPushButton>(&Menu(), c.button);
        QTest::mouseClick(button, Qt::LeftButton);
        auto* screen = Find<QWidget>(area, c.form);
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isVisible()) << c.button;
        EXPECT_FALSE(Menu().isVisible());
        EXPECT_EQ(Caption(), c.caption);
        EXPECT_EQ(static_cast<int>(App().State().TablesMode), c.mode);
        EXPECT_EQ(App().Frame().ActiveForm(), screen);
        QTest::mouseClick(Find<QPushButton>(screen, c.exit), Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(area->findChild<QWidget*>(c.form), nullptr) << "the screen is unloaded";
        EXPECT_TRUE(Menu().isVisible());
        EXPECT_EQ(Caption(), " Amortix Menu");
        test::ShowActive(&App().Frame());
        EXPECT_TRUE(button->hasFocus()) << c.button << " has the focus again";
    }
}

TEST_F(Program, HelpF1AboutAndExit) {
    App().Start();
    test::ShowActive(&App().Frame());
    QTest::mouseClick(Menu().HowUse, Qt::LeftButton);
    EXPECT_TRUE(Menu().isVisible());
    // F1 opens the topic of the control with the focus.
    Menu().CompMort->setFocus();
    QTest::keyClick(Menu().CompMort, Qt::Key_F1);
    Settings([&](QWidget* form) {
        auto* symbol = Find<QLineEdit>(form, "InSy");
        symbol->setFocus();
        QTest::keyClick(symbol, Qt::Key_F1);
        form->close();
    });
    EXPECT_EQ(Recorded().helpTopics, (std::vector<QString>{"HowToUse", "CompMort", "InSy"}));

    WhenModal([&](QWidget* box) {
        EXPECT_FALSE(Menu().isVisible());
        EXPECT_TRUE(Find<QLabel>(box, "ProductName")->text().contains("Amortix"));
        EXPECT_TRUE(Find<QLabel>(box, "Version")->text().contains("3.5"));
        QTest::mouseClick(Find<QPushButton>(box, "AboutExit"), Qt::LeftButton);
    });
    QTest::mouseClick(Menu().About1, Qt::LeftButton);
    EXPECT_TRUE(Menu().isVisible());

    QTest::mouseClick(Menu().EndMort, Qt::LeftButton);
    EXPECT_EQ(ends, 1);
}

}  // namespace
}  // namespace amortix::gui
