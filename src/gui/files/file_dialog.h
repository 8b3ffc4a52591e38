#pragma once
// Asking for the name of a table or comparison file. The callers ask through
// FileDialog, so tests answer without a window; QtFileDialog is Qt's own file
// dialog.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QFileDialog;
class QWidget;

namespace amortix::gui {

// What the dialog is asked for; Cancelled is what a cancelled dialog leaves.
enum class FileDialogMode : std::int16_t {
    Idle = 0,
    OpenMortgage = 1,
    SaveMortgage = 2,
    OpenLoan = 3,
    SaveLoan = 4,
    OpenComparison = 5,
    SaveComparison = 6,
    SavePicture = 7,  // a chart as PNG or SVG
    Export = 8,       // a screen's figures as a workbook or CSV, or its printout as PDF
    OpenQualify = 10,
    SaveQualify = 11,
    Cancelled = 9,
};

bool IsSaveMode(FileDialogMode mode);
// The filter offered in `mode`, e.g. "Mortgage Database (*.qmd)", filters
// separated by ";;" where a mode offers more than one; empty for a mode that
// asks nothing.
QString FileFilter(FileDialogMode mode);
// The kind's extension with its dot: ".qmd", ".qld", ".qcd", ".png" (a
// picture's first choice) or ".xlsx" (an export's).
QString FileExtension(FileDialogMode mode);
// The mode that opens a file of the kind its extension names (any case), or
// Idle for a name of no kind.
FileDialogMode OpenModeFor(const QString& path);
// `name` with the kind's extension added when it has no extension at all.
QString WithExtension(const QString& name, FileDialogMode mode);

// The last file name of each kind, the dialog's initial name for that kind.
struct RememberedFileNames {
    QString mortgage, loan, comparison, picture, exported;
    QString& For(FileDialogMode mode);
};

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // Asks for a file in `mode` (1 to 6), starting from `initialName`.
    // Returns the full name chosen, or nothing when the user cancelled (mode
    // 9) or the mode asks nothing.
    virtual std::optional<QString> FileDirectory(FileDialogMode mode, const QString& initialName) = 0;
};

// Qt's own dialog (the same on every desktop): the kind's filter, its
// extension added to a name typed without one, and a question before an
// existing file is replaced.
class QtFileDialog final : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<QString> FileDirectory(FileDialogMode mode, const QString& initialName) override;
    // The files opened or saved last, newest first: the dialog offers those
    // of the kind it asks for in a "Recent files" list.
    void SetRecentFiles(std::function<QStringList()> recent) { recent_ = std::move(recent); }

  private:
    void AddRecentFiles(QFileDialog& dialog, FileDialogMode mode) const;

    QWidget* parent_;
    std::function<QStringList()> recent_;
    // A name without a folder starts in the folder used last.
    QString folder_;
};

// Records what was asked and answers from a queue; an empty answer or an
// empty queue cancels.
class RecordingFileDialog final : public FileDialog {
  public:
    struct Request {
        FileDialogMode mode;
        QString initialName;
    };
    std::vector<Request> requests;
    std::deque<QString> answers;

    std::optional<QString> FileDirectory(FileDialogMode mode, const QString& initialName) override;
};

}  // namespace amortix::gui
