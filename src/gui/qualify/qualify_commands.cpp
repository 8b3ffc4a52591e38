#include "qualify/qualify_commands.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <string>

#include "core/calc/schedule.h"
#include "core/files/qualify_file.h"
#include "core/files/records.h"
#include "core/files/text_file.h"
#include "core/print/qualify_report.h"
#include "core/print/report.h"
#include "files/file_commands.h"
#include "print/printing.h"
#include "shell/application.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/wait_cursor.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

std::string FileSystemName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FileDetail(const QString& path, const QString& why = {}) {
    QString detail = Tr("File: %1").arg(QFileInfo(path).absoluteFilePath());
    if (!why.isEmpty()) detail += QStringLiteral("\n") + why;
    return detail;
}

void Save(Application& application, FileCommands& files, QString& lastName, QualifyScreen& screen) {
    const auto name = files.Dialog().FileDirectory(FileDialogMode::SaveQualify, lastName);
    if (!name) return;
    // Inputs no calculation takes are not saved: the file would not open again.
    if (amortix::QualifyRefusal(screen.Form().Inputs())) {
        application.Interact().ShowMessage(amortix::Message::QualifyRange);
        return;
    }
    QString why;
    bool saved = false;
    {
        const WaitCursor wait;
        saved = WriteQualify(*name, screen, &why);
    }
    if (!saved) {
        application.Interact().ShowMessage(amortix::Message::BadQualifyFileName, FileDetail(*name, why));
        return;
    }
    lastName = *name;
    files.NoteUsed(*name);
}

void Open(Application& application, FileCommands& files, QString& lastName, QualifyScreen& screen) {
    const auto name = files.Dialog().FileDirectory(FileDialogMode::OpenQualify, lastName);
    if (!name) return;
    std::optional<amortix::LoadResult<amortix::QualifyInputs>> read;
    {
        const WaitCursor wait;
        read = amortix::LoadQualifyFile(FileSystemName(*name));
    }
    if (!*read) {
        application.Interact().ShowMessage(amortix::Message::FileNotFound,
                                           FileDetail(*name, QString::fromStdString(read->error())));
        return;
    }
    lastName = QFileInfo(*name).fileName();
    files.NoteUsed(*name);
    screen.Restore(read->value());
}

void Print(Application& application, QualifyScreen& screen) {
    ScreenContext& context = application.Context();
    const std::optional<std::string> header = AskPrintHeader(context, &screen);
    if (!header) return;
    const std::int16_t font = context.state.PrinterFontChoice;
    Printing::Of(context.frame)
        .SetPageLines(font != amortix::kPrinterFontStandard ? amortix::kCourierPageLines
                                                            : amortix::kStandardPageLines);
    PrintTextReport(context, &screen, Tr(amortix::kQualifyPrintout), [&](amortix::LinePrinter& printer) {
        amortix::PrintQualifyReport(printer, screen.Form(), *header, font, WindowCatalogue());
    });
}

void UseInTables(Application& application, QualifyScreen& screen) {
    const amortix::ScheduleInputs inputs = screen.TablesInputs();
    // The screen goes (after this handler) and the tables screen opens in
    // mortgage mode with the mortgage found.
    application.Frame().ReturnToMenu(&screen);
    application.State().TablesMode = amortix::TableKind::Mortgage;
    if (auto* tables = qobject_cast<TablesScreen*>(application.OpenScreen(kTablesScreen))) {
        amortix::ScheduleInputs in = tables->Inputs();
        in.principal = inputs.principal;
        in.ratePercent = inputs.ratePercent;
        in.years = inputs.years;
        in.compounding = inputs.compounding;
        in.frequency = inputs.frequency;
        tables->Restore(in);
    }
}

}  // namespace

bool WriteQualify(const QString& path, const QualifyScreen& screen, QString* why) {
    std::string bytes;
    try {
        bytes = amortix::FormatQualifyFile(screen.Form().Inputs());
    } catch (const amortix::FormatError& e) {
        if (why) *why = QString::fromStdString(e.what());
        return false;
    }
    std::string error;
    if (amortix::WriteFileReplacing(FileSystemName(path), bytes, &error)) return true;
    if (why) *why = QString::fromStdString(error);
    return false;
}

QualifyScreen::Commands QualifyCommands(Application& application, FileCommands* files,
                                        const std::shared_ptr<QString>& lastName) {
    QualifyScreen::Commands commands;
    commands.print = [&application](QualifyScreen& s) { Print(application, s); };
    commands.useInTables = [&application](QualifyScreen& s) { UseInTables(application, s); };
    if (files) {
        commands.saveFile = [&application, files, lastName](QualifyScreen& s) {
            Save(application, *files, *lastName, s);
        };
        commands.openFile = [&application, files, lastName](QualifyScreen& s) {
            Open(application, *files, *lastName, s);
        };
    }
    return commands;
}

}  // namespace amortix::gui
