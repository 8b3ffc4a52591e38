#include "files/program_memory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "afford/afford_screen.h"
#include "compare/comparison_screen.h"
#include "core/files/records.h"
#include "core/files/text_file.h"
#include "files/file_commands.h"
#include "qualify/qualify_screen.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

constexpr const char* kStateFile = "amortix.state";
constexpr const char* kMortgageFile = "mortgage.qmd";
constexpr const char* kLoanFile = "loan.qld";
constexpr const char* kComparisonFile = "comparison.qcd";

std::string FileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A place on some screen the desktop has now, so the frame is never restored
// out of reach.
bool OnAScreen(const amortix::FramePlace& place) {
    const QRect frame(place.x, place.y, place.width, place.height);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame)) return true;
    return false;
}

}  // namespace

QString DefaultStateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(base).filePath(QStringLiteral("amortix"));
}

ProgramMemory::ProgramMemory(Application& application, FileCommands& files)
    : QObject(&application.Frame()),
      application_(application),
      files_(files),
      folder_(application.StateFolder()) {
    setObjectName(QStringLiteral("ProgramMemory"));
    if (const auto bytes = amortix::ReadDataFile(FileSystemName(PathOf(kStateFile)))) {
        if (auto read = amortix::ParseProgramState(bytes.value())) state_ = std::move(read.value());
    }
    application.SetOnStarted([this] { RestoreFrame(); });
    application.SetOnScreenOpened([this](QWidget* form) { RestoreScreen(form); });
    files.SetOnFileUsed([this](const QString& path) { NoteFile(path); });
    MainFrame& frame = application.Frame();
    connect(&frame, &MainFrame::closing, this, &ProgramMemory::RememberEverything);
    connect(&frame, &MainFrame::fileDropped, this, &ProgramMemory::OpenDropped);
    // Exit Program ends the run without closing the frame first.
    connect(qApp, &QApplication::aboutToQuit, this, &ProgramMemory::RememberEverything);
}

QString ProgramMemory::PathOf(const QString& name) const {
    return QDir(folder_).filePath(name);
}

void ProgramMemory::WriteState() const {
    if (!QDir().mkpath(folder_)) return;
    try {
        amortix::WriteFileReplacing(FileSystemName(PathOf(kStateFile)), amortix::FormatProgramState(state_));
    } catch (const amortix::FormatError&) {
        // Nothing the reader would refuse is written; the old state stays.
    }
}

void ProgramMemory::RestoreFrame() {
    const auto& place = state_.frame;
    if (!place || !OnAScreen(*place)) return;
    MainFrame& frame = application_.Frame();
    frame.setGeometry(place->x, place->y, place->width, place->height);
    if (place->maximized) frame.showMaximized();
}

void ProgramMemory::RestoreScreen(QWidget* form) {
    if (auto* tables = qobject_cast<TablesScreen*>(form)) {
        const bool loan = application_.State().TablesMode == amortix::TableKind::PersonalLoan;
        const QString path = PathOf(loan ? kLoanFile : kMortgageFile);
        if (!QFileInfo::exists(path)) return;
        // The kind is the screen's: a file of the other kind is not its own.
        amortix::Costs costs;
        const auto inputs = FileCommands::ReadTable(path, tables->Inputs(), files_.Locale(), nullptr, &costs);
        if (inputs && inputs->mode == application_.State().TablesMode) {
            tables->RestoreCosts(costs);
            tables->RestoreInputs(*inputs);
        }
    } else if (auto* comparison = qobject_cast<ComparisonScreen*>(form)) {
        const QString path = PathOf(kComparisonFile);
        if (!QFileInfo::exists(path)) return;
        if (auto opened = FileCommands::ReadComparison(path, application_.State().DayBasis.days))
            comparison->Restore(opened->inputs, std::move(opened->state));
    } else if (auto* afford = qobject_cast<AffordScreen*>(form)) {
        if (state_.afford) afford->Restore(*state_.afford);
    }
}

void ProgramMemory::Remember(const TablesScreen& screen) {
    if (!QDir().mkpath(folder_)) return;
    const bool loan = screen.Inputs().mode == amortix::TableKind::PersonalLoan;
    FileCommands::WriteTable(PathOf(loan ? kLoanFile : kMortgageFile), screen);
}

void ProgramMemory::Remember(const ComparisonScreen& screen) {
    if (!QDir().mkpath(folder_)) return;
    FileCommands::WriteComparison(PathOf(kComparisonFile), screen);
}

void ProgramMemory::Remember(const AffordScreen& screen) {
    state_.afford = screen.Remembered();
    WriteState();
}

void ProgramMemory::RememberEverything() {
    // A figure still being typed counts, as leaving its box would store it.
    MainFrame& frame = application_.Frame();
    if (QApplication::focusWidget()) frame.setFocus(Qt::OtherFocusReason);
    for (const auto* tables : frame.findChildren<TablesScreen*>()) Remember(*tables);
    for (const auto* comparison : frame.findChildren<ComparisonScreen*>()) Remember(*comparison);
    for (const auto* afford : frame.findChildren<AffordScreen*>()) state_.afford = afford->Remembered();
    const QRect normal = frame.normalGeometry();
    if (normal.isValid())
        state_.frame =
            amortix::FramePlace{normal.x(), normal.y(), normal.width(), normal.height(), frame.isMaximized()};
    WriteState();
}

void ProgramMemory::NoteFile(const QString& path) {
    amortix::AddRecentFile(state_, path.toStdString());
    WriteState();
}

QStringList ProgramMemory::RecentFiles() const {
    QStringList files;
    for (const std::string& path : state_.recentFiles) files << QString::fromStdString(path);
    return files;
}

void ProgramMemory::OpenDropped(const QString& path) {
    MainFrame& frame = application_.Frame();
    QWidget* active = frame.ActiveForm();
    const FileDialogMode mode = OpenModeFor(path);
    if (active == frame.Menu()) {
        OpenFileAtStart(application_, path);
        return;
    }
    if (auto* tables = qobject_cast<TablesScreen*>(active)) {
        const bool loan = application_.State().TablesMode == amortix::TableKind::PersonalLoan;
        const FileDialogMode own = loan ? FileDialogMode::OpenLoan : FileDialogMode::OpenMortgage;
        if (mode == own) {
            files_.OpenTableAt(*tables, path, mode);
            return;
        }
        // The message that names the kind of file this screen opens.
        application_.Interact().ShowMessage(loan ? amortix::Message::BadLoanFileName
                                                 : amortix::Message::BadTableFileName);
        return;
    }
    if (auto* comparison = qobject_cast<ComparisonScreen*>(active)) {
        if (mode == FileDialogMode::OpenComparison)
            files_.OpenComparisonAt(*comparison, path);
        else
            application_.Interact().ShowMessage(amortix::Message::BadComparisonFileName);
        return;
    }
    if (qobject_cast<QualifyScreen*>(active) && mode == FileDialogMode::OpenQualify) {
        OpenFileAtStart(application_, path);
        return;
    }
    // A screen without files: open it from the menu's screens.
    application_.Interact().Beep();
}

}  // namespace amortix::gui
