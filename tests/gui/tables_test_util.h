#pragma once
// The program with the tables screen open, driven through its real widgets
// with a recording Interaction.

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "gui_test_util.h"
#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/grid_widget.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"
#include "tables/tables_screen.h"

namespace amortix::gui::test {

// Everything a form shows: the frame's caption, every named box, list, label
// (with its colour, which the indicators use) and button, and every grid cell.
inline QStringList ShownOn(const QWidget* frame, const QWidget* form) {
    QStringList out{frame->windowTitle()};
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        if (const auto* box = qobject_cast<const QLineEdit*>(w)) out << name + "=" + box->text();
        if (const auto* list = qobject_cast<const QComboBox*>(w)) out << name + "=" + list->currentText();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            out << name + "=" + label->text() + " " + label->palette().color(QPalette::Window).name();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            out << name + "=" + button->text() + (button->isChecked() ? "*" : "");
        if (const auto* grid = qobject_cast<const GridWidget*>(w))
            for (int r = 0; r < grid->Rows(); ++r)
                for (int c = 0; c < grid->Cols(); ++c) out << grid->TextAt(r, c);
    }
    return out;
}

// An indicator shows red while its setting is in force.
inline bool Red(const QWidget* indicator) {
    return indicator->palette().color(QPalette::Window) == QColor(248, 0, 0);
}

// A grid's cells, header row included, against rows of texts as the command line gives them.
inline void ExpectGridIs(const GridWidget* grid, const QJsonArray& rows, const char* name) {
    ASSERT_EQ(grid->Rows(), rows.size()) << name;
    for (int r = 0; r < grid->Rows(); ++r) {
        const QJsonArray row = rows[r].toArray();
        ASSERT_EQ(grid->Cols(), row.size()) << name;
        for (int col = 0; col < grid->Cols(); ++col)
            ASSERT_EQ(grid->TextAt(r, col), row[col].toString()) << name << " " << r << "," << col;
    }
}

class TablesProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        StartProgram();
    }
    // A new program over the same folders; `stateFolder` keeps what it
    // remembers between runs (none when empty).
    void StartProgram() {
        app = std::make_unique<Application>(
            folder.path(),
            [](AppState& state, QWidget*) { return std::make_unique<RecordingInteraction>(state); },
            stateFolder);
        app->Start();
        // Save and Open File never stop a test in a real file dialog.
        if (FileCommands* files = FileCommands::Of(app->Frame()))
            files->SetDialog(std::make_unique<RecordingFileDialog>());
        ShowActive(&app->Frame());
    }

    // Opens a screen from the menu by its button; the visible one of that
    // name, since a screen left a moment ago may not be deleted yet.
    template <class Screen>
    Screen* OpenFrom(QPushButton* button, const char* name) {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        Screen* shown = nullptr;
        for (Screen* form : app->Frame().findChildren<Screen*>(name))
            if (form->isVisible()) shown = form;
        EXPECT_NE(shown, nullptr) << name;
        return shown;
    }
    TablesScreen* Open(amortix::TableKind mode = amortix::TableKind::Mortgage) {
        return s = OpenFrom<TablesScreen>(
                   mode == amortix::TableKind::Mortgage ? app->Menu().MortCalc : app->Menu().PersonalLoan,
                   kTablesScreen);
    }
    void Exit() {
        Click(s->MExit);
        QApplication::processEvents();
    }

    AppState& State() { return app->State(); }
    RecordingInteraction& Recorded() { return static_cast<RecordingInteraction&>(app->Interact()); }
    ScreenContext& Context() { return app->Context(); }

    // Focus into a widget the way a user's click does.
    static void Enter(QWidget* widget) {
        widget->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    // Clicks into a box and types.
    static void Type(QWidget* box, const QString& keys) {
        Enter(box);
        QTest::keyClicks(box, keys);
    }
    static QString TextOf(QComboBox* box) { return box->lineEdit()->text(); }
    // Chooses a list entry as a click in the drop-down does.
    static void Choose(QComboBox* box, int index) {
        Enter(box);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // A click in the middle of a widget; an option button is clicked on its
    // round indicator, which a stretched button's middle may miss.
    static void Click(QWidget* widget) {
        if (qobject_cast<QRadioButton*>(widget))
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(widget->height() / 2, widget->height() / 2));
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }

    // A click on Calculate, which first takes the focus from the box being left.
    void Calculate() { Click(s->MCalc); }
    // Types the three figures of the tables screen.
    void Figures(const char* principal, const char* rate, const char* term) {
        Type(s->InPrincipal, principal);
        Type(s->InRate, rate);
        Type(s->InTerm, term);
    }

    // Opens the days-in-year dialog with `button` and leaves it on preset `option`.
    void ChooseDayBasis(QPushButton* button, int option) {
        WhenModal([option](QWidget* modal) {
            Click(Find<QRadioButton>(modal, QString("IRFactor_%1").arg(option).toLatin1().constData()));
            Click(Find<QPushButton>(modal, "ExitMort"));
        });
        Click(button);
        ShowActive(&app->Frame());
    }

    // A screen's quick help up in place of its grid (nullptr: none) with the
    // commands that need results off, or closed with them on.
    void ExpectQuickHelp(bool up, const QPushButton* button, const QWidget* text, const QWidget* grid,
                         std::initializer_list<const QPushButton*> commands = {}) {
        EXPECT_EQ(button->text(), up ? "Close &Help" : "Quick &Help");
        EXPECT_EQ(State().QuickHelpOn, up ? 1 : 0);
        EXPECT_EQ(text->isVisible(), up);
        EXPECT_TRUE(!grid || grid->isVisible() != up);
        for (const QPushButton* command : commands)
            EXPECT_EQ(command->isEnabled(), !up) << command->objectName().toStdString();
    }

    // Enter from each widget of `order` moves the focus to the next one.
    static void ExpectEnterWalks(std::initializer_list<QWidget*> order) {
        Enter(*order.begin());
        for (auto from = order.begin(), to = from + 1; to != order.end(); ++from, ++to) {
            QTest::keyClick(*from, Qt::Key_Return);
            EXPECT_TRUE((*to)->hasFocus()) << (*to)->objectName().toStdString();
        }
    }

    QTemporaryDir folder;
    QString stateFolder;
    std::unique_ptr<Application> app;
    TablesScreen* s = nullptr;
};

// A program whose Save File and Open File take their names from a queue, with
// a folder for the files.
template <class Program>
class FilesProgram : public Program {
  protected:
    void SetUp() override {
        Program::SetUp();
        files = FileCommands::Of(this->app->Frame());
        ASSERT_NE(files, nullptr);
        dialog = dynamic_cast<RecordingFileDialog*>(&files->Dialog());
        ASSERT_NE(dialog, nullptr);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    // Clicks Save File or Open File with `path` as the name chosen.
    void ClickNaming(QWidget* button, const QString& path) {
        dialog->answers.push_back(path);
        Program::Click(button);
    }

    QTemporaryDir dir;
    FileCommands* files = nullptr;
    RecordingFileDialog* dialog = nullptr;
};

}  // namespace amortix::gui::test
