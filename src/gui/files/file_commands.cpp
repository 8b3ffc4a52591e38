#include "files/file_commands.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include "core/files/qualify_file.h"
#include "core/files/table_file.h"
#include "graphs/chart_picture.h"
#include "qualify/qualify_screen.h"
#include "shell/app_state.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/short_date.h"
#include "shell/wait_cursor.h"

namespace amortix::gui {

namespace {

std::string FileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Older files hold the date in the short form of the machine that saved them.
amortix::DateReader ShortDateReader(const QLocale& locale) {
    return [locale](std::string_view text) {
        return ParseShortDate(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), locale);
    };
}

QString Why(const std::string& error) {
    return QString::fromStdString(error);
}

}  // namespace

QString FileMessageDetail(const QString& path, const QString& why) {
    QString detail = Tr("File: %1").arg(QFileInfo(path).absoluteFilePath());
    if (!why.isEmpty()) detail += QStringLiteral("\n") + why;
    return detail;
}

FileCommands::FileCommands(ScreenContext& context, std::unique_ptr<FileDialog> dialog, QObject* parent)
    : QObject(parent), context_(context), dialog_(std::move(dialog)) {
    setObjectName(QStringLiteral("FileCommands"));
}

FileCommands* FileCommands::Of(const MainFrame& frame) {
    return frame.findChild<FileCommands*>(QStringLiteral("FileCommands"), Qt::FindDirectChildrenOnly);
}

void FileCommands::SavePicture(QWidget& chart) {
    const std::optional<QString> name =
        dialog_->FileDirectory(FileDialogMode::SavePicture, names_.For(FileDialogMode::SavePicture));
    if (!name) return;
    QString why;
    bool saved = false;
    {
        const WaitCursor wait;
        saved = SaveChartPicture(chart, *name, &why);
    }
    if (!saved) {
        context_.interaction.ShowMessage(amortix::Message::PictureNotSaved, FileMessageDetail(*name, why));
        return;
    }
    names_.For(FileDialogMode::SavePicture) = *name;
}

void FileCommands::AddTo(TablesScreen::Commands& commands) {
    commands.saveFile = [this](TablesScreen& screen) { SaveTable(screen); };
    commands.loadFile = [this](TablesScreen& screen) { OpenTable(screen); };
    commands.exportFile = [this](TablesScreen& screen) { ExportTables(Exports(), screen); };
}

void FileCommands::AddTo(AffordScreen::Commands& commands) {
    commands.exportFile = [this](AffordScreen& screen) { ExportAffordability(Exports(), screen); };
}

void FileCommands::SaveTable(TablesScreen& screen) {
    const AppState& state = context_.state;
    const FileDialogMode mode = state.TablesMode == amortix::TableKind::PersonalLoan
                                    ? FileDialogMode::SaveLoan
                                    : FileDialogMode::SaveMortgage;
    const std::optional<QString> name = dialog_->FileDirectory(mode, names_.For(mode));
    if (!name) return;
    bool saved = false;
    {
        const WaitCursor wait;
        saved = WriteTable(*name, screen);
    }
    if (!saved) {
        // Message 14 serves loan files too.
        context_.interaction.ShowMessage(amortix::Message::BadTableFileName, FileMessageDetail(*name));
        return;
    }
    names_.For(mode) = *name;
    NoteUsed(*name);
}

void FileCommands::NoteUsed(const QString& path) const {
    if (onFileUsed_) onFileUsed_(QFileInfo(path).absoluteFilePath());
}

bool FileCommands::WriteTable(const QString& path, const TablesScreen& screen) {
    return amortix::SaveTableFile(
        FileSystemName(path), amortix::TableFileFromInputs(screen.Inputs(), screen.Form().CostsInForce()));
}

bool FileCommands::WriteComparison(const QString& path, const ComparisonScreen& screen) {
    return amortix::SaveComparisonFile(
        FileSystemName(path), amortix::ComparisonFile(screen.Inputs(), screen.Form().Table().State()));
}

void FileCommands::OpenTable(TablesScreen& screen) {
    const FileDialogMode mode = context_.state.TablesMode == amortix::TableKind::PersonalLoan
                                    ? FileDialogMode::OpenLoan
                                    : FileDialogMode::OpenMortgage;
    const std::optional<QString> name = dialog_->FileDirectory(mode, names_.For(mode));
    if (!name) return;
    OpenTableAt(screen, *name, mode);
}

bool FileCommands::OpenTableAt(TablesScreen& screen, const QString& path, FileDialogMode mode) {
    std::optional<amortix::ScheduleInputs> inputs;
    amortix::Costs costs;
    QString why;
    {
        const WaitCursor wait;
        inputs = ReadTable(path, screen.Inputs(), locale_, &why, &costs);
    }
    if (!inputs) {
        context_.interaction.ShowMessage(amortix::Message::FileNotFound, FileMessageDetail(path, why));
        // The name that failed is not offered again.
        names_.For(mode).clear();
        return false;
    }
    names_.For(mode) = QFileInfo(path).fileName();
    screen.RestoreCosts(costs);
    screen.Restore(*inputs);
    NoteUsed(path);
    return true;
}

std::optional<amortix::ScheduleInputs> FileCommands::ReadTable(const QString& path,
                                                               const amortix::ScheduleInputs& current,
                                                               const QLocale& locale, QString* why,
                                                               amortix::Costs* costs) {
    const auto file = amortix::LoadTableFile(FileSystemName(path));
    if (!file) {
        if (why) *why = Why(file.error());
        return std::nullopt;
    }
    auto inputs = amortix::InputsFromTableFile(file.value(), current, ShortDateReader(locale));
    if (!inputs) {
        if (why) *why = Why(inputs.error());
        return std::nullopt;
    }
    const auto given = amortix::CostsFromTableFile(file.value());
    if (!given) {
        if (why) *why = Why(given.error());
        return std::nullopt;
    }
    if (costs) *costs = given.value();
    return std::move(inputs.value());
}

void FileCommands::AddTo(ComparisonScreen::Commands& commands) {
    commands.saveFile = [this](ComparisonScreen& screen) { SaveComparison(screen); };
    commands.loadFile = [this](ComparisonScreen& screen) { OpenComparison(screen); };
    commands.exportFile = [this](ComparisonScreen& screen) { ExportComparison(Exports(), screen); };
}

void FileCommands::SaveComparison(ComparisonScreen& screen) {
    if (const std::optional<QString> name =
            dialog_->FileDirectory(FileDialogMode::SaveComparison, names_.comparison)) {
        bool saved = false;
        {
            const WaitCursor wait;
            saved = WriteComparison(*name, screen);
        }
        if (saved) {
            names_.comparison = *name;
            screen.Form().MarkSaved();
            NoteUsed(*name);
        } else {
            context_.interaction.ShowMessage(amortix::Message::BadComparisonFileName,
                                             FileMessageDetail(*name));
        }
    }
    screen.Form().Table().SetGraphTitle(amortix::kSavedComparisonGraphTitle);
}

void FileCommands::OpenComparison(ComparisonScreen& screen) {
    if (const std::optional<QString> name =
            dialog_->FileDirectory(FileDialogMode::OpenComparison, names_.comparison))
        OpenComparisonAt(screen, *name);
    screen.Form().Table().SetGraphTitle(amortix::kSavedComparisonGraphTitle);
}

bool FileCommands::OpenComparisonAt(ComparisonScreen& screen, const QString& path) {
    std::optional<amortix::ComparisonFile> opened;
    QString why;
    {
        const WaitCursor wait;
        opened = ReadComparison(path, context_.state.DayBasis.days, &why);
    }
    if (!opened || !screen.Restore(opened->inputs, std::move(opened->state))) {
        context_.interaction.ShowMessage(amortix::Message::FileNotFound, FileMessageDetail(path, why));
        // A failed comparison forgets every remembered name.
        names_ = {};
        return false;
    }
    names_.comparison = QFileInfo(path).fileName();
    NoteUsed(path);
    return true;
}

std::optional<amortix::ComparisonFile> FileCommands::ReadComparison(const QString& path, float typedDays,
                                                                    QString* why) {
    auto file = amortix::LoadComparisonFile(FileSystemName(path), typedDays);
    if (!file) {
        if (why) *why = Why(file.error());
        return std::nullopt;
    }
    return std::move(file.value());
}

void OpenFileAtStart(Application& application, const QString& path) {
    AppState& state = application.State();
    FileCommands* files = FileCommands::Of(application.Frame());
    const FileDialogMode mode = OpenModeFor(path);
    if (files && (mode == FileDialogMode::OpenMortgage || mode == FileDialogMode::OpenLoan)) {
        // What a freshly opened screen holds besides the file's inputs.
        amortix::ScheduleInputs current;
        current.dayBasis = amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365);
        current.extra = state.ExtraPayments;
        amortix::Costs costs;
        if (const auto inputs = FileCommands::ReadTable(path, current, files->Locale(), nullptr, &costs)) {
            state.TablesMode = inputs->mode;
            if (auto* screen = qobject_cast<TablesScreen*>(application.OpenScreen(kTablesScreen))) {
                files->Names().For(mode) = QFileInfo(path).fileName();
                screen->RestoreCosts(costs);
                screen->Restore(*inputs);
                files->NoteUsed(path);
                return;
            }
        }
    }
    if (files && mode == FileDialogMode::OpenComparison) {
        // A fresh comparison screen starts from 365 days.
        if (auto opened = FileCommands::ReadComparison(
                path, amortix::DayBasis::Preset(amortix::DayBasisChoice::Days365).days)) {
            if (auto* screen = qobject_cast<ComparisonScreen*>(application.OpenScreen(kComparisonScreen))) {
                // The file was checked whole, so the screen takes it.
                screen->Restore(opened->inputs, std::move(opened->state));
                files->Names().comparison = QFileInfo(path).fileName();
                files->NoteUsed(path);
                return;
            }
        }
    }
    if (mode == FileDialogMode::OpenQualify) {
        if (const auto read = amortix::LoadQualifyFile(FileSystemName(path))) {
            if (auto* screen = qobject_cast<QualifyScreen*>(application.OpenScreen(kQualifyScreen))) {
                screen->Restore(read.value());
                if (files) files->NoteUsed(path);
                return;
            }
        }
    }
    application.Interact().ShowMessage(amortix::Message::FileNotFound, FileMessageDetail(path));
}

}  // namespace amortix::gui
