// Save File and Open File of the tables screen, the file dialog, and files
// named on the command line.

#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "core/files/table_file.h"
#include "core/forms/tables_form.h"
#include "dialogs/additional_payments_dialog.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "shell/language.h"
#include "shell/short_date.h"
#include "tables_test_util.h"

namespace amortix::gui {
namespace {

using amortix::TableKind;
using test::WhenModal;

class TableFiles : public test::FilesProgram<test::TablesProgram> {
  protected:
    void SaveAs(const QString& path) { ClickNaming(s->MSaveFile, path); }
    void OpenFrom(const QString& path) { ClickNaming(s->MLoadFile, path); }

    // Every input away from its default: typed and chosen in the boxes, and
    // what the settings dialogs leave in the state.
    void SetEveryField(TableKind mode) {
        const bool loan = mode == TableKind::PersonalLoan;
        test::ShowActive(&app->Frame());  // typing needs the focus a closed dialog took
        Type(s->InPrincipal, "123456.78");
        Type(s->InRate, "7.375");
        Type(s->InTerm, loan ? "30" : "17");
        Choose(s->Comperiod, 3);
        Choose(s->FreqPmt, 4);
        Click(s->Option1);
        State().DayBasis = amortix::DayBasis::Typed(364.5f);
        State().FirstPaymentDate = amortix::SerialFromCivil(2026, 5, 6);
        WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
        Click(s->MDateNumber);
        amortix::AdditionalPayments& extra = State().ExtraPayments;
        extra.kind = ExtraPaymentKind::Both;
        extra.increase = 0.025f;
        extra.years = loan ? 2 : 17;
        for (int y = 1; y <= extra.years; ++y)
            extra.yearNumber[static_cast<std::size_t>(y)] = amortix::Currency::FromDouble(y);
        extra.amount[2] = amortix::Currency::FromDouble(1500.5);
        extra.rowCount = 1;
        ShowAdditionalPaymentsInForce(s->AddPmtsOn, true);
        Calculate();
        ASSERT_GT(State().ResultsReady, 0);
    }

    QStringList Shown() const { return test::ShownOn(&app->Frame(), s); }
};

// The language is the window's, never the file's: the same inputs saved in
// French are the same bytes, and the file opens in English to the same
// schedule.
TEST_F(TableFiles, ATableSavedInFrenchOpensInEnglishToTheSameSchedule) {
    const auto restart = [this](amortix::Language language) {
        app.reset();
        InstallLanguage(language);
        StartProgram();
        files = FileCommands::Of(app->Frame());
        dialog = dynamic_cast<RecordingFileDialog*>(&files->Dialog());
    };
    const auto grid = [this] {
        QStringList cells;
        for (int r = 0; r < s->MGrid->Rows(); ++r)
            for (int c = 0; c < s->MGrid->Cols(); ++c) cells << s->MGrid->TextAt(r, c);
        return cells;
    };
    Open(TableKind::Mortgage);
    SetEveryField(TableKind::Mortgage);
    const QStringList english = grid();
    SaveAs(Path("english.qmd"));

    restart(amortix::Language::French);
    Open(TableKind::Mortgage);
    SetEveryField(TableKind::Mortgage);
    EXPECT_NE(s->Label6->text(), amortix::kTablesLabel6);  // it is French
    SaveAs(Path("french.qmd"));
    EXPECT_EQ(test::ReadAll(Path("french.qmd")), test::ReadAll(Path("english.qmd")));

    restart(amortix::Language::English);
    Open(TableKind::Mortgage);
    OpenFrom(Path("french.qmd"));
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(grid(), english);
    EXPECT_GT(english.size(), 12);
}

TEST_F(TableFiles, SavedTableOpensAsItWasShownInEitherKind) {
    for (const TableKind kind : {TableKind::Mortgage, TableKind::PersonalLoan}) {
        const bool loan = kind == TableKind::PersonalLoan;
        Open(kind);
        SetEveryField(kind);
        const QStringList saved = Shown();
        const QString path = Path(loan ? "car.qld" : "house.qmd");
        SaveAs(path);
        ASSERT_TRUE(QFile::exists(path));
        Click(s->MExit);
        QApplication::processEvents();

        // A loan opens from the mortgage screen, which turns into a loan screen.
        Open(TableKind::Mortgage);
        State().FirstPaymentDate = 0;
        OpenFrom(path);
        EXPECT_TRUE(Recorded().messages.empty());
        EXPECT_EQ(Shown(), saved);
        EXPECT_EQ(State().TablesMode, kind);
        EXPECT_EQ(State().DayBasis.days, 364.5f);
        EXPECT_EQ(TextOf(s->InTerm).trimmed(), loan ? "30" : "17");

        // Saved names come back with their folder, opened ones without.
        const auto saveMode = loan ? FileDialogMode::SaveLoan : FileDialogMode::SaveMortgage;
        ASSERT_EQ(dialog->requests.size(), 2u);
        EXPECT_EQ(dialog->requests[0].mode, saveMode);
        EXPECT_EQ(dialog->requests[0].initialName, "");
        EXPECT_EQ(dialog->requests[1].mode, FileDialogMode::OpenMortgage);
        EXPECT_EQ(dialog->requests[1].initialName, loan ? "" : path);
        EXPECT_EQ(files->Names().For(FileDialogMode::OpenMortgage), QFileInfo(path).fileName());
        EXPECT_EQ(files->Names().loan, loan ? path : "");
        Click(s->MExit);
        QApplication::processEvents();
        dialog->requests.clear();
        files->Names() = {};
    }
}

TEST_F(TableFiles, PreviousLayoutAndNoYearRecords) {
    const struct {
        const char* what;
        QByteArray bytes;
        float days;
        std::int16_t option;
        float increase;
        amortix::Currency year2;
        bool indicator;
    } cases[] = {
        // Days, option and percentage are not in the file: those on screen stay.
        {"previous layout",
         "20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"2024-03-04\",1,4,1,2,1,2\r\n1,0\r\n2,500\r\n",
         363.5f, 1, 0.1f, amortix::Currency::FromDouble(500), true},
        {"no year records",
         "20000,9.5,2.5,\"      Monthly\",\"      2 Weeks\",\"2024-03-04\",1,1,1,0,0,2,365,0,0\r\n", 365.0f,
         0, 0.0f, amortix::Currency(), false},
    };
    for (const auto& c : cases) {
        Open();
        State().DayBasis = amortix::DayBasis::Typed(363.5f);
        State().ExtraPayments.kind = ExtraPaymentKind::YearAmounts;
        State().ExtraPayments.increase = 0.1f;
        State().ExtraPayments.amount[2] = amortix::Currency::FromDouble(700);
        ASSERT_TRUE(test::WriteFile(Path("old.qld"), c.bytes));
        OpenFrom(Path("old.qld"));
        EXPECT_TRUE(Recorded().messages.empty()) << c.what;
        EXPECT_EQ(State().TablesMode, TableKind::PersonalLoan) << c.what;
        EXPECT_EQ(TextOf(s->InTerm).trimmed(), "30") << c.what;
        EXPECT_EQ(State().FirstPaymentDate, amortix::SerialFromCivil(2024, 3, 4)) << c.what;
        EXPECT_EQ(State().DayBasis.days, c.days) << c.what;
        EXPECT_EQ(amortix::Code(State().ExtraPayments.kind), c.option) << c.what;
        EXPECT_EQ(State().ExtraPayments.increase, c.increase) << c.what;
        EXPECT_EQ(State().ExtraPayments.amount[2], c.year2) << c.what;
        EXPECT_EQ(s->AddPmtsOn->palette().color(QPalette::Window) == QColor::fromRgb(kAdditionalPaymentsOn),
                  c.indicator)
            << c.what;
        EXPECT_GT(State().ResultsReady, 0) << c.what;
        Click(s->MExit);
        QApplication::processEvents();
    }
}

TEST_F(TableFiles, CancelAndNothingToSaveChangeNothing) {
    Open();
    Click(s->MSaveFile);
    EXPECT_EQ(Recorded().messages, std::vector<int>{15});
    EXPECT_TRUE(dialog->requests.empty());
    Recorded().messages.clear();

    SetEveryField(TableKind::Mortgage);
    const QStringList before = Shown();
    Click(s->MSaveFile);  // the dialog answers nothing: cancelled
    Click(s->MLoadFile);
    EXPECT_EQ(dialog->requests.size(), 2u);
    EXPECT_TRUE(Recorded().messages.empty());
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(TableFiles, FailuresShowTheirMessageAndChangeNothing) {
    Open();
    SetEveryField(TableKind::Mortgage);
    const QString good = Path("good.qmd");
    SaveAs(good);
    const QByteArray goodBytes = test::ReadAll(good);
    ASSERT_FALSE(goodBytes.isEmpty());
    ASSERT_TRUE(test::WriteFile(Path("truncated.qmd"), goodBytes.left(goodBytes.size() - 12)));
    ASSERT_TRUE(test::WriteFile(Path("binary.qmd"), QByteArray("\x7f"
                                                               "ELF\x02\x01\x01\0\0\xff\xfe",
                                                               12)));
    QByteArray badDate = goodBytes;
    badDate.replace("2026-05-06", "31.31.2026");
    ASSERT_TRUE(test::WriteFile(Path("baddate.qmd"), badDate));
    // Figures the boxes would refuse: the file is refused whole.
    QByteArray badFigures = goodBytes;
    badFigures.replace("123456.78", "-5").replace("7.375", "500");
    ASSERT_NE(badFigures, goodBytes);
    ASSERT_TRUE(test::WriteFile(Path("badfigures.qmd"), badFigures));
    ASSERT_TRUE(test::WriteFile(Path("plain.txt"), "x"));
    const bool root = ::geteuid() == 0;  // root writes into read-only folders
    QDir(dir.path()).mkdir("locked");
    ASSERT_TRUE(test::WriteFile(Path("locked/kept.qmd"), goodBytes.left(20)));
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0555);

    const struct {
        const char* what;
        bool save;
        QString path;
        int message;
    } cases[] = {
        {"missing file", false, Path("missing.qmd"), 13},
        {"truncated file", false, Path("truncated.qmd"), 13},
        {"binary file", false, Path("binary.qmd"), 13},
        {"date in no known form", false, Path("baddate.qmd"), 13},
        {"principal and rate out of range", false, Path("badfigures.qmd"), 13},
        {"folder that does not exist", true, Path("no/such/plan.qmd"), 14},
        {"folder that is a file", true, Path("plain.txt/plan.qmd"), 14},
        {"read-only folder", true, Path("locked/kept.qmd"), 14},
    };
    const QStringList before = Shown();
    for (const auto& c : cases) {
        if (c.save && root && c.path.contains("locked")) continue;
        files->Names().mortgage = good;
        Recorded().messages.clear();
        Recorded().details.clear();
        c.save ? SaveAs(c.path) : OpenFrom(c.path);
        EXPECT_EQ(Recorded().messages, std::vector<int>{c.message}) << c.what;
        // The message names the file it is about.
        ASSERT_EQ(Recorded().details.size(), 1u) << c.what;
        EXPECT_TRUE(Recorded().details[0].contains(QFileInfo(c.path).fileName())) << c.what;
        if (c.path.contains("badfigures")) {
            EXPECT_TRUE(Recorded().details[0].contains("the principal -5 is outside 0 to 9999999.99"))
                << Recorded().details[0].toStdString();
        }
        EXPECT_EQ(Shown(), before) << c.what;
        // A failed save keeps the name; a failed open forgets it.
        EXPECT_EQ(files->Names().mortgage, c.save ? good : "") << c.what;
    }
    EXPECT_EQ(test::ReadAll(Path("locked/kept.qmd")), goodBytes.left(20));
    ::chmod(QFile::encodeName(Path("locked")).constData(), 0755);
}

TEST_F(TableFiles, FirstPaymentDateReadsTheSameUnderEveryLocale) {
    Open();
    State().FirstPaymentDate = amortix::SerialFromCivil(2026, 5, 6);
    Calculate();
    files->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    SaveAs(Path("iso.qmd"));
    QByteArray britishBytes = test::ReadAll(Path("iso.qmd"));
    ASSERT_TRUE(britishBytes.contains("\"2026-05-06\""));
    britishBytes.replace("2026-05-06", "06/05/2026");
    ASSERT_TRUE(test::WriteFile(Path("british.qmd"), britishBytes));

    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        const char* file;
        QLocale locale;
        bool opens;
    } cases[] = {
        {"iso.qmd", british, true},
        {"iso.qmd", german, true},
        {"british.qmd", british, true},
    };
    for (const auto& c : cases) {
        files->SetLocale(c.locale);
        State().FirstPaymentDate = 0;
        Recorded().messages.clear();
        OpenFrom(Path(c.file));
        EXPECT_EQ(Recorded().messages, c.opens ? std::vector<int>{} : std::vector<int>{13}) << c.file;
        EXPECT_EQ(State().FirstPaymentDate, c.opens ? amortix::SerialFromCivil(2026, 5, 6) : 0)
            << c.file << " " << c.locale.name().toStdString();
    }
}

TEST_F(TableFiles, FileNamedAtStartOpensOnItsScreen) {
    // Files written as the screens write them.
    for (const TableKind kind : {TableKind::Mortgage, TableKind::PersonalLoan}) {
        Open(kind);
        Type(s->InPrincipal, "54321");
        Calculate();
        SaveAs(Path(kind == TableKind::Mortgage ? "start.qmd" : "start.qld"));
        Click(s->MExit);
        QApplication::processEvents();
    }
    const struct {
        const char* file;
        bool opens;
        TableKind kind;
    } cases[] = {
        {"start.qmd", true, TableKind::Mortgage},
        {"start.qld", true, TableKind::PersonalLoan},
        {"missing.qmd", false, {}},
        {"start.txt", false, {}},
    };
    for (const auto& c : cases) {
        Recorded().messages.clear();
        State().TablesMode = TableKind::Mortgage;
        OpenFileAtStart(*app, Path(c.file));
        QApplication::processEvents();
        if (!c.opens) {
            EXPECT_EQ(Recorded().messages, std::vector<int>{13}) << c.file;
            EXPECT_TRUE(app->Menu().isVisible()) << c.file;
            EXPECT_TRUE(app->Frame().findChildren<TablesScreen*>().isEmpty()) << c.file;
            continue;
        }
        s = app->Frame().findChild<TablesScreen*>();
        ASSERT_NE(s, nullptr) << c.file;
        EXPECT_TRUE(Recorded().messages.empty()) << c.file;
        EXPECT_EQ(State().TablesMode, c.kind) << c.file;
        EXPECT_EQ(s->InPrincipal->text().trimmed(), "$54,321.00") << c.file;
        EXPECT_GT(State().ResultsReady, 0) << c.file;
        EXPECT_EQ(files->Names().For(c.kind == TableKind::Mortgage ? FileDialogMode::OpenMortgage
                                                                   : FileDialogMode::OpenLoan),
                  c.file);
        Click(s->MExit);
        QApplication::processEvents();
    }
}

// Qt's own dialog: the kind's filter, the extension added, and a question
// before an existing file is replaced.
TEST(FileDialogTest, AsksForANameOfTheKind) {
    QTemporaryDir dir;
    ASSERT_TRUE(test::WriteFile(dir.filePath("old.qld"), "x"));
    QtFileDialog files(nullptr);
    EXPECT_EQ(files.FileDirectory(FileDialogMode::Idle, {}), std::nullopt);

    const struct {
        FileDialogMode mode;
        const char* filter;
        const char* start;  // with a folder, or a bare name: the folder used last
        const char* typed;  // empty: cancel
        bool replaceQuestion;
        const char* chosen;
    } cases[] = {
        {FileDialogMode::OpenMortgage, "Mortgage Database (*.qmd)", "/", "", false, nullptr},
        {FileDialogMode::OpenLoan, "Loan Database (*.qld)", "/", "old.qld", false, "old.qld"},
        {FileDialogMode::OpenComparison, "Compare Database (*.qcd)", "x.qcd", "", false, nullptr},
        {FileDialogMode::SaveMortgage, "Mortgage Database (*.qmd)", "x.qmd", "plan", false, "plan.qmd"},
        {FileDialogMode::SaveLoan, "Loan Database (*.qld)", "x.qld", "old", true, "old.qld"},
        {FileDialogMode::SaveComparison, "Compare Database (*.qcd)", "x.qcd", "rates.v2", false, "rates.v2"},
    };
    for (const auto& c : cases) {
        bool asked = false;
        WhenModal([&](QWidget* modal) {
            auto* fileDialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(fileDialog, nullptr);
            EXPECT_EQ(fileDialog->nameFilters(), QStringList{c.filter});
            EXPECT_EQ(fileDialog->acceptMode() == QFileDialog::AcceptSave, IsSaveMode(c.mode));
            EXPECT_EQ(fileDialog->directory().absolutePath(), QDir(dir.path()).absolutePath()) << c.start;
            if (*c.typed == '\0') {
                fileDialog->reject();
                return;
            }
            if (c.replaceQuestion) {
                WhenModal([&](QWidget* question) {
                    auto* box = qobject_cast<QMessageBox*>(question);
                    ASSERT_NE(box, nullptr);
                    asked = true;
                    box->button(QMessageBox::Yes)->click();
                });
            }
            // Typed into the name box, as a user does.
            auto* name = fileDialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            static_cast<QDialog*>(fileDialog)->accept();
        });
        const QString start = *c.start == '/' ? dir.filePath("start") : QString(c.start);
        const auto chosen = files.FileDirectory(c.mode, start);
        EXPECT_EQ(asked, c.replaceQuestion) << c.filter;
        if (!c.chosen)
            EXPECT_EQ(chosen, std::nullopt) << c.filter;
        else
            EXPECT_EQ(chosen, dir.filePath(c.chosen)) << c.filter;
    }
}

}  // namespace
}  // namespace amortix::gui
