#pragma once
// Export File on the tables, comparison and affordability screens. The user
// names a file; its extension says what is written: the engine's workbook
// (.xlsx) or comma-separated values (.csv) of the calculation's own figures,
// or the screen's printout as a PDF (the pages the printer gets, no printer
// asked). Every file is written whole through a new file in the same folder
// and renamed; when it cannot be, message 58 names the file and the reason,
// nothing is left behind and a file that was there stays as it was.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "shell/screen_context.h"

class QPrinter;

namespace amortix::gui {

class AffordScreen;
class ComparisonScreen;
class FileDialog;
class TablesScreen;

enum class ExportKind : std::int8_t { Xlsx, Csv, Pdf };

// The kind a file name's extension asks for (any case), if any.
std::optional<ExportKind> ExportKindOf(const QString& path);

// Makes a PDF in place of `path`: `draw` draws its pages on a printer set up
// for a file of the locale's page size. False, with the reason in `why`, when
// the pages were not drawn or the file not written.
bool WritePdfReplacing(const QString& path, const QString& title, const std::function<bool(QPrinter&)>& draw,
                       QString* why = nullptr);

// Where an export asks its file name, and the name it proposes next time.
struct ExportPlace {
    ScreenContext context;
    FileDialog& dialog;
    QString& lastName;
};

// Each runs after its screen checked that there is something to export. A
// PDF of the tables or the comparison asks for the printout's header first,
// as Print does; cancelling it writes nothing.
void ExportTables(const ExportPlace& place, TablesScreen& screen);
void ExportComparison(const ExportPlace& place, ComparisonScreen& screen);
void ExportAffordability(const ExportPlace& place, AffordScreen& screen);

}  // namespace amortix::gui
