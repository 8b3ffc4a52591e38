// What the program keeps between runs: each screen's inputs when it is left
// or the program ends, the frame's place, the recent files, files dropped on
// the frame, and a state folder that cannot be read.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QUrl>

#include "afford/afford_screen.h"
#include "comparison_test_util.h"
#include "core/files/state_file.h"
#include "core/forms/tables_form.h"
#include "files/program_memory.h"

namespace amortix::gui {
namespace {

using test::ComparisonProgram;
using test::Find;
using test::WhenModal;

class ProgramMemoryTest : public ComparisonProgram {
  protected:
    void SetUp() override {
        ASSERT_TRUE(state.isValid());
        stateFolder = state.filePath("amortix");
        ComparisonProgram::SetUp();
    }
    // Ends the program as closing its frame does, and starts it again.
    void Restart() {
        app->SetEndProgram([] {});
        app->Frame().close();
        QApplication::processEvents();
        s = nullptr;
        c = nullptr;
        app.reset();
        StartProgram();
    }
    ProgramMemory* Memory() { return app->Frame().findChild<ProgramMemory*>("ProgramMemory"); }
    AffordScreen* OpenAfford() {
        return OpenFrom<AffordScreen>(app->Menu().MFindFactor, kAffordabilityScreen);
    }
    void Drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&app->Frame(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&app->Frame(), &drop);
        QApplication::processEvents();
    }

    QTemporaryDir state;
};

TEST_F(ProgramMemoryTest, EachScreenReopensAsItWasLeft) {
    Open();
    Figures("250000", "5.25", "30");
    Choose(s->Comperiod, 3);
    Choose(s->Rounding, 1);
    Exit();
    // The other kind keeps its own.
    Open(amortix::TableKind::PersonalLoan);
    EXPECT_EQ(s->InPrincipal->text().toStdString(),
              amortix::DefaultsFor(amortix::TableKind::PersonalLoan, "$").principalText);
    Figures("18000", "7.9", "60");
    Exit();
    Open();
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$250,000.00");
    EXPECT_EQ(TextOf(s->InRate).trimmed(), "5.250%");
    EXPECT_EQ(TextOf(s->InTerm).trimmed(), "30");
    EXPECT_EQ(s->Comperiod->currentIndex(), 3);
    EXPECT_EQ(s->Rounding->currentIndex(), 1);
    EXPECT_EQ(s->Results(), nullptr);  // reopened, not calculated
    Calculate();
    EXPECT_NE(s->Results(), nullptr);
    Exit();
    Open(amortix::TableKind::PersonalLoan);
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$18,000.00");
    Exit();

    OpenComparison();
    CalculateRow();
    Row("300000", "5", "25", 3, 4);
    CalculateRow();
    // The rows are kept, so leaving does not ask whether to erase them.
    Click(c->MCExit);
    QApplication::processEvents();
    EXPECT_TRUE(Recorded().questions.empty());
    OpenComparison();
    EXPECT_EQ(c->Form().Table().State().rowCount, 2);
    EXPECT_EQ(c->MCGrid1->TextAt(2, 7).trimmed(), "$300,000.00");
    LeaveComparison();

    AffordScreen* a = OpenAfford();
    Click(a->MFPrincipalOpt);
    Type(a->MFInMthPayment, "1500");
    Enter(a->MFInRate);
    const QString principal = a->MFInPrincipal->text();
    Click(a->MFExit);
    QApplication::processEvents();
    a = OpenAfford();
    EXPECT_TRUE(a->MFPrincipalOpt->isChecked());
    EXPECT_EQ(a->MFInMthPayment->text().trimmed(), "$1,500.00");
    EXPECT_EQ(a->MFInPrincipal->text(), principal);
    EXPECT_TRUE(Recorded().messages.empty());
}

// Closing the frame keeps the screen on top and the frame's place; the next
// run starts there.
TEST_F(ProgramMemoryTest, ARestartedProgramStartsWhereTheLastEnded) {
    app->Frame().setGeometry(70, 60, 1000, 720);
    QApplication::processEvents();
    const QRect place = app->Frame().geometry();
    Open();
    Figures("123456.78", "4.5", "20");
    Restart();
    EXPECT_EQ(app->Frame().geometry(), place);
    Open();
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$123,456.78");
    EXPECT_EQ(TextOf(s->InTerm).trimmed(), "20");
    EXPECT_TRUE(QFileInfo::exists(QDir(stateFolder).filePath("amortix.state")));
}

// Whatever lies in the state folder, the program starts, and a screen whose
// file cannot be read opens as new, without a message.
TEST_F(ProgramMemoryTest, AnUnreadableStateIsPassedOver) {
    QDir().mkpath(stateFolder);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"amortix.state", "\"Frame\",1,2\r\n\"Recent\",\"x"},
                 {"mortgage.qmd", "not a table"},
                 {"loan.qld", QByteArray("\x00\x01\x02", 3)},
                 {"comparison.qcd", "100000,10.125"}};
    for (const auto& f : files) ASSERT_TRUE(test::WriteFile(QDir(stateFolder).filePath(f.name), f.bytes));
    // A folder where the state file should be cannot be read either.
    Restart();
    Open();
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$100,000.00");
    Exit();
    Open(amortix::TableKind::PersonalLoan);
    Exit();
    OpenComparison();
    EXPECT_EQ(c->Form().Table().State().rowCount, 0);
    LeaveComparison();
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_TRUE(Memory()->RecentFiles().isEmpty());
}

// Files saved or opened are the recent files, newest first; Qt's file dialog
// offers those of its kind, and choosing one selects it.
TEST_F(ProgramMemoryTest, RecentFilesAreOfferedByTheFileDialog) {
    auto* files = FileCommands::Of(app->Frame());
    auto* recording = dynamic_cast<RecordingFileDialog*>(&files->Dialog());
    ASSERT_NE(recording, nullptr);
    Open();
    Calculate();
    const QString first = state.filePath("first.qmd"), second = state.filePath("second.qmd");
    for (const QString& path : {first, second}) {
        recording->answers.push_back(path);
        Click(s->MSaveFile);
    }
    OpenComparison();  // leaves the tables screen (its inputs are kept)
    CalculateRow();
    recording->answers.push_back(state.filePath("rows.qcd"));
    Click(c->CSaveFile);
    EXPECT_EQ(Memory()->RecentFiles(), (QStringList{state.filePath("rows.qcd"), second, first}));

    QtFileDialog qt(&app->Frame());
    qt.SetRecentFiles([this] { return Memory()->RecentFiles(); });
    WhenModal([&](QWidget* modal) {
        auto* list = Find<QComboBox>(modal, "RecentFiles");
        ASSERT_EQ(list->count(), 3);  // nothing, then the two tables (not the comparison)
        EXPECT_EQ(list->itemData(1).toString(), second);
        list->setCurrentIndex(2);
        emit list->activated(2);
        const auto* dialog = static_cast<QFileDialog*>(modal);
        EXPECT_EQ(dialog->directory().absolutePath(), QFileInfo(first).absolutePath());
        QMetaObject::invokeMethod(modal, "reject");
    });
    EXPECT_EQ(qt.FileDirectory(FileDialogMode::OpenMortgage, {}), std::nullopt);
}

// A file dropped on the frame opens as Open File would open it: on the menu
// its screen opens; a screen of another kind says which files it opens.
TEST_F(ProgramMemoryTest, ADroppedFileOpensAsIfChosen) {
    Open();
    Figures("222222", "3.5", "15");
    Calculate();
    const QString table = state.filePath("dropped.qmd");
    ASSERT_TRUE(FileCommands::WriteTable(table, *s));
    Exit();
    Drop(table);
    s = qobject_cast<TablesScreen*>(app->Frame().ActiveForm());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->InPrincipal->text().trimmed(), "$222,222.00");
    EXPECT_NE(s->Results(), nullptr);
    Exit();
    OpenComparison();
    Drop(table);
    EXPECT_EQ(Recorded().messages, std::vector<int>{29});
    EXPECT_EQ(Memory()->RecentFiles().value(0), table);
    LeaveComparison();
}

}  // namespace
}  // namespace amortix::gui
