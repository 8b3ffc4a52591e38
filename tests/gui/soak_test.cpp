// The whole window program under random input: keys and clicks, thousands of
// them, on every screen the main menu opens and on every dialog those open,
// with every message and question answered at random. Afterwards the program
// must still respond. Under the sanitizers (scripts/test.sh, scripts/soak.sh)
// any memory fault or leak on the way fails the run.
//
// AMORTIX_SOAK_EVENTS (default 6000) sets how many events a run sends, half
// in English and half in French,
// AMORTIX_SOAK_SECONDS makes it run for that long instead, AMORTIX_SOAK_SEED
// picks another sequence.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <vector>

#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "print/print_output.h"
#include "print/printing.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"

namespace amortix::gui {
namespace {

qint64 EnvNumber(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// Answers every question at random: Yes, No, or the box closed.
class RandomAnswers final : public Interaction {
  public:
    RandomAnswers(AppState& state, std::mt19937& random) : Interaction(state), random_(random) {}
    int shown = 0;
    void Beep() override {}
    void ShowHelp(const QString&) override { ++shown; }

  protected:
    void PresentMessage(amortix::Message, const QString&) override { ++shown; }
    std::optional<int> PresentQuestion(amortix::Question) override {
        ++shown;
        switch (static_cast<int>(random_() % 3)) {
            case 0:
                return 6;
            case 1:
                return 0;
            default:
                return std::nullopt;
        }
    }

  private:
    std::mt19937& random_;
};

// Names a file in the test's folder at random, or cancels. Qt's own file
// dialogs stay out of the soak: random keys in them browse, create and
// delete files wherever they can reach.
class RandomFileDialog final : public FileDialog {
  public:
    RandomFileDialog(QString folder, std::mt19937& random) : folder_(std::move(folder)), random_(random) {}
    std::optional<QString> FileDirectory(FileDialogMode mode, const QString&) override {
        // Besides the program's own files, the exports' other kinds: a name
        // without one is a workbook.
        static const char* const kNames[] = {"a", "b.qmd", "c.qld", "d.qcd", "none/e.qcd", "f.csv", "g.pdf"};
        const auto pick = static_cast<std::size_t>(random_() % (std::size(kNames) + 1));
        if (pick == std::size(kNames)) return std::nullopt;
        return WithExtension(QDir(folder_).filePath(kNames[pick]), mode);
    }

  private:
    QString folder_;
    std::mt19937& random_;
};

class Soak {
  public:
    Soak(Application& app, std::vector<QPushButton*> buttons, std::mt19937& random, qint64 events,
         qint64 milliseconds)
        : app_(app),
          buttons_(std::move(buttons)),
          random_(random),
          events_(events),
          milliseconds_(milliseconds) {}

    // Runs until every menu button has had its share; false when the program
    // could not be brought back to the menu.
    bool Run() {
        clock_.start();
        QTimer::singleShot(0, &loop_, [this] { Step(); });
        loop_.exec();
        return !stuck_;
    }

    qint64 Sent() const { return sent_; }
    // The forms and dialogs that took events, by name.
    QStringList Visited() const { return QStringList(visited_.begin(), visited_.end()); }

  private:
    bool ShareUsed() const {
        const auto share = static_cast<qint64>(current_ + 1);
        if (milliseconds_ > 0) return clock_.elapsed() >= milliseconds_ * share / qint64(buttons_.size());
        return sent_ >= events_ * share / qint64(buttons_.size());
    }

    // One event, or one step back towards the menu once the screen's share is
    // used. Each step first asks for the next one: a timer does not fire again
    // while its own slot runs, and an event that opens a modal dialog runs
    // the dialog's loop inside this slot; the next steps drive that dialog.
    void Step() {
        if (done_) return;
        QTimer::singleShot(0, &loop_, [this] { Step(); });
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal) modal = QApplication::activeModalWidget();
        // A dialog just closed whose loop has not yet returned to the code
        // that opened it: a person cannot act before it has, so wait.
        if (depth_ > 0 && !modal && ++unwinding_ < 10000) return;
        unwinding_ = 0;
        ++depth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        QWidget* form = app_.Frame().ActiveForm();
        const bool atMenu = !modal && (!form || form == &app_.Menu());
        if (ShareUsed()) {
            if (modal) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            } else if (!atMenu) {
                app_.Frame().ReturnToMenu(form);
            } else if (++current_ == buttons_.size()) {
                done_ = true;
                loop_.quit();
                return;
            }
            if (++windDown_ > 200) {  // a window that will not close
                stuck_ = true;
                done_ = true;
                loop_.quit();
            }
            return;
        }
        windDown_ = 0;
        ++sent_;
        if (atMenu) {
            Click(buttons_[current_], false);
            return;
        }
        QWidget* target = modal ? modal : form;
        visited_.insert(target->objectName().isEmpty() ? QString(target->metaObject()->className())
                                                       : target->objectName());
        if (Pick(10) < 6) {
            QWidget* focus = QApplication::focusWidget();
            Key(focus && (focus == target || target->isAncestorOf(focus)) ? focus : target);
        } else {
            const QList<QWidget*> all = target->findChildren<QWidget*>();
            std::vector<QWidget*> shown;
            for (QWidget* w : all)
                if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0) shown.push_back(w);
            Click(shown.empty() ? target : shown[Pick(shown.size())], Pick(8) == 0);
        }
    }

    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(random_() % n); }
    int PickInt(int n) { return static_cast<int>(Pick(static_cast<std::size_t>(std::max(n, 1)))); }

    void Key(QWidget* widget) {
        static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Tab,       Qt::Key_Backtab,  Qt::Key_Escape,
                                        Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_F1,       Qt::Key_Up,
                                        Qt::Key_Down,   Qt::Key_Space,     Qt::Key_PageDown, Qt::Key_Home};
        static const char kCharacters[] = "0123456789012345678901234.....,-\"aAbcdEfgHiklmNOprsTvwxyz";
        QPointer<QWidget> alive(widget);
        const std::size_t pick = Pick(10);
        if (pick < 5) {
            const char c = kCharacters[Pick(sizeof kCharacters - 1)];
            QTest::keyPress(widget, c);
            if (alive) QTest::keyRelease(widget, c);
        } else if (pick < 9) {
            const Qt::Key key = kKeys[Pick(std::size(kKeys))];
            QTest::keyPress(widget, key);
            if (alive) QTest::keyRelease(widget, key);
        } else {  // an access key
            const auto letter = static_cast<Qt::Key>(Qt::Key_A + PickInt(26));
            QTest::keyPress(widget, letter, Qt::AltModifier);
            if (alive) QTest::keyRelease(widget, letter, Qt::AltModifier);
        }
    }

    void Click(QWidget* widget, bool twice) {
        QPointer<QWidget> alive(widget);
        const QPoint at(PickInt(widget->width()), PickInt(widget->height()));
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        if (alive) QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        if (twice && alive) QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    }

    Application& app_;
    std::vector<QPushButton*> buttons_;
    std::mt19937& random_;
    qint64 events_;
    qint64 milliseconds_;
    QElapsedTimer clock_;
    QEventLoop loop_;
    std::size_t current_ = 0;
    qint64 sent_ = 0;
    int windDown_ = 0;
    int depth_ = 0;      // steps on the stack: more than one while a dialog's loop runs
    int unwinding_ = 0;  // steps spent waiting for a closed dialog's loop to return
    bool done_ = false;
    bool stuck_ = false;
    std::set<QString> visited_;
};

// The soak in one language; each language takes half the events.
void SoakIn(amortix::Language language) {
    InstallLanguage(language);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Whatever is saved lands in the test's folder.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    std::mt19937 random(static_cast<unsigned>(EnvNumber("AMORTIX_SOAK_SEED", 20261206)) +
                        static_cast<unsigned>(language));
    RandomAnswers* answers = nullptr;
    auto app = std::make_unique<Application>(folder.path(), [&](AppState& state, QWidget*) {
        auto made = std::make_unique<RandomAnswers>(state, random);
        answers = made.get();
        return made;
    });
    int ends = 0;
    app->SetEndProgram([&] { ++ends; });
    app->Start();
    if (FileCommands* files = FileCommands::Of(app->Frame()))
        files->SetDialog(std::make_unique<RandomFileDialog>(folder.path(), random));
    // Printouts go to a file of the test's: no printer and no save dialog.
    Printing::Of(app->Frame()).SetOutput(std::make_unique<PdfFileOutput>(folder.filePath("printout.pdf")));

    // Every button of the menu that opens something; the way out is left alone.
    std::vector<QPushButton*> buttons;
    for (QPushButton* b : app->Menu().findChildren<QPushButton*>())
        if (b != app->Menu().EndMort) buttons.push_back(b);
    ASSERT_GE(buttons.size(), 7u);

    Soak soak(*app, buttons, random, EnvNumber("AMORTIX_SOAK_EVENTS", 6000) / 2,
              EnvNumber("AMORTIX_SOAK_SECONDS", 0) * 1000 / 2);
    EXPECT_TRUE(soak.Run()) << "a window would not close";
    std::printf(
        "soak: %lld events over %zu menu buttons, %d messages and questions answered; forms: %s; "
        "files written: %s\n",
        static_cast<long long>(soak.Sent()), buttons.size(), answers->shown,
        qPrintable(soak.Visited().join(' ')),
        qPrintable(QDir(folder.path()).entryList(QDir::Files).join(' ')));

    // Still responding: back at the menu, and a screen still opens.
    EXPECT_EQ(app->Frame().ActiveForm(), &app->Menu());
    bool responded = false;
    QTimer::singleShot(0, [&] { responded = true; });
    QTest::qWait(50);
    EXPECT_TRUE(responded);
    QTest::mouseClick(app->Menu().MortCalc, Qt::LeftButton);
    EXPECT_NE(app->Frame().ActiveForm(), &app->Menu());
    EXPECT_EQ(ends, 0);
    app.reset();
    QDir::setCurrent(before);
    InstallLanguage(amortix::Language::English);
}

TEST(Soak, EveryScreenAndDialogTakesRandomInput) {
    SoakIn(amortix::Language::English);
}

// The French captions are longer and some lists are wider: the same soak.
TEST(Soak, EveryScreenAndDialogTakesRandomInputInFrench) {
    SoakIn(amortix::Language::French);
}

}  // namespace
}  // namespace amortix::gui
