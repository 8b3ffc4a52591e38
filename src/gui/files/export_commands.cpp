#include "files/export_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <string>

#include "afford/afford_screen.h"
#include "compare/comparison_screen.h"
#include "core/export/export.h"
#include "core/files/text_file.h"
#include "core/forms/comparison_form.h"
#include "files/file_commands.h"
#include "files/file_dialog.h"
#include "print/print_output.h"
#include "print/printing.h"
#include "shell/app_state.h"
#include "shell/choice_lists.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/wait_cursor.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

// What one screen writes: its figures in the engine's formats, or the pages
// of its printout (asked for first: nothing when the user cancelled).
struct Writers {
    std::function<amortix::ExportOutcome(const std::string& path, amortix::ExportFormat format)> figures;
    std::function<std::function<bool(QPrinter&)>()> printout;
    QString title;
    // Why the figures cannot be exported though the printout can, if so.
    QString figuresMissing;
};

void Run(const ExportPlace& place, const Writers& writers) {
    std::optional<QString> name = place.dialog.FileDirectory(FileDialogMode::Export, place.lastName);
    if (!name) return;
    if (!ExportKindOf(*name)) *name += FileExtension(FileDialogMode::Export);
    const ExportKind kind = ExportKindOf(*name).value_or(ExportKind::Xlsx);
    if (kind != ExportKind::Pdf && !writers.figuresMissing.isEmpty()) {
        place.context.interaction.ShowMessage(amortix::Message::NoData, writers.figuresMissing);
        return;
    }
    std::function<bool(QPrinter&)> draw;
    if (kind == ExportKind::Pdf) {
        draw = writers.printout();
        if (!draw) return;
    }
    bool written = false;
    QString why;
    {
        const WaitCursor wait;
        if (kind == ExportKind::Pdf) {
            written = WritePdfReplacing(*name, writers.title, draw, &why);
        } else {
            const amortix::ExportOutcome outcome = writers.figures(
                QFile::encodeName(*name).toStdString(),
                kind == ExportKind::Csv ? amortix::ExportFormat::Csv : amortix::ExportFormat::Xlsx);
            written = outcome.ok();
            why = QString::fromStdString(outcome.reason);
        }
    }
    if (!written) {
        place.context.interaction.ShowMessage(amortix::Message::CannotExport, FileMessageDetail(*name, why));
        return;
    }
    place.lastName = *name;
}

// The header a printout starts with, asked as Print asks it.
std::function<std::function<bool(QPrinter&)>()> ReportPages(
    const ExportPlace& place, QWidget* parent,
    std::function<std::function<void(amortix::LinePrinter&)>(const std::string&)> report) {
    return [place, parent, report = std::move(report)]() -> std::function<bool(QPrinter&)> {
        ScreenContext context = place.context;
        const std::optional<std::string> header = AskPrintHeader(context, parent);
        if (!header) return {};
        auto compose = report(*header);
        return [compose = std::move(compose)](QPrinter& printer) { return DrawTextReport(printer, compose); };
    };
}

}  // namespace

std::optional<ExportKind> ExportKindOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) return std::nullopt;
    if (suffix == QLatin1String("pdf")) return ExportKind::Pdf;
    const std::optional<amortix::ExportFormat> format =
        amortix::ExportFormatOfPath(("." + suffix).toStdString());
    if (!format) return std::nullopt;
    return *format == amortix::ExportFormat::Csv ? ExportKind::Csv : ExportKind::Xlsx;
}

bool WritePdfReplacing(const QString& path, const QString& title, const std::function<bool(QPrinter&)>& draw,
                       QString* why) {
    std::string reason;
    const bool written = amortix::ReplaceFileWith(
        QFile::encodeName(path).toStdString(),
        [&](int, const std::string& newPath, std::string& error) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QFile::decodeName(newPath.c_str()));
            printer.setDocName(title);
            printer.setCreator(QStringLiteral("Amortix"));
            UseLocalPageSize(printer);
            if (!draw(printer)) {
                error = Tr("the pages could not be drawn").toStdString();
                return false;
            }
            // The PDF writer says nothing of a file it could not fill.
            if (QFileInfo(QFile::decodeName(newPath.c_str())).size() == 0) {
                error = Tr("nothing was written").toStdString();
                return false;
            }
            return true;
        },
        &reason);
    if (!written && why) *why = QString::fromStdString(reason);
    return written;
}

void ExportTables(const ExportPlace& place, TablesScreen& screen) {
    Writers writers;
    writers.figures = [&screen](const std::string& path, amortix::ExportFormat format) {
        const amortix::ScheduleInputs inputs = screen.Inputs();
        const amortix::ScheduleResult& result = *screen.Results();
        return amortix::ExportSchedule(path, format, {inputs, result, result.messages});
    };
    writers.printout = ReportPages(place, &screen, [place, &screen](const std::string& header) {
        ScreenContext context = place.context;
        return TablesReport(context, screen, header);
    });
    writers.title = TablesReportTitle(screen);
    Run(place, writers);
}

void ExportComparison(const ExportPlace& place, ComparisonScreen& screen) {
    const amortix::ComparisonState& state = screen.Form().Table().State();
    const std::vector<amortix::ComparisonRow> rows = amortix::ComparisonRowsOf(state);
    Writers writers;
    writers.figures = [&](const std::string& path, amortix::ExportFormat format) {
        return amortix::ExportComparison(path, format, rows, place.context.state.CurrencySymbol);
    };
    writers.printout = ReportPages(place, &screen, [place, &screen](const std::string& header) {
        ScreenContext context = place.context;
        return ComparisonReport(context, screen, header);
    });
    writers.title = ComparisonReportTitle();
    // A row opened from a file keeps only its texts: its figures would be
    // missing from a workbook, which then says less than the screen.
    if (static_cast<int>(rows.size()) < state.rowCount)
        writers.figuresMissing = Tr(amortix::kRowsWithoutFigures);
    Run(place, writers);
}

void ExportAffordability(const ExportPlace& place, AffordScreen& screen) {
    Writers writers;
    writers.figures = [&](const std::string& path, amortix::ExportFormat format) {
        const amortix::AffordForm& form = screen.Form();
        const amortix::AffordExport figures{
            {form.Figures(), form.Solve(), ChoiceOf(screen.MFCompPeriod, amortix::kCompoundings),
             ChoiceOf(screen.MFFreqPmt, amortix::kFrequencies), place.context.state.DayBasis},
            form.LastRun()};
        return amortix::ExportAfford(path, format, figures, place.context.state.CurrencySymbol);
    };
    writers.printout = [place, &screen]() -> std::function<bool(QPrinter&)> {
        return [place, &screen](QPrinter& printer) {
            ScreenContext context = place.context;
            return DrawAffordability(context, screen, printer);
        };
    };
    writers.title = AffordabilityTitle();
    Run(place, writers);
}

}  // namespace amortix::gui
