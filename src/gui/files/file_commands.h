#pragma once
// Save File and Open File of the tables screen (and the comparison screen):
// the file dialog, the remembered names and the numbered messages around the
// engine's readers and writers. A file is read whole and checked before
// anything on screen changes, and written through a temporary file, so a
// failure leaves both the screen and any previous file as they were.
//
// One object for the whole run, a child of the frame; RegisterScreens creates
// it and hands its hooks to the screens.

#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

#include <memory>
#include <optional>

#include "afford/afford_screen.h"
#include "compare/comparison_screen.h"
#include "core/calc/schedule.h"
#include "core/files/comparison_file.h"
#include "files/export_commands.h"
#include "files/file_dialog.h"
#include "shell/screen_context.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

class Application;
class MainFrame;

// The lines a file message adds: the file and, when known, what is wrong.
QString FileMessageDetail(const QString& path, const QString& why = {});

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(ScreenContext& context, std::unique_ptr<FileDialog> dialog, QObject* parent);

    // The file commands of the program whose frame this is (null before
    // RegisterScreens made them).
    static FileCommands* Of(const MainFrame& frame);

    void SetDialog(std::unique_ptr<FileDialog> dialog) { dialog_ = std::move(dialog); }
    FileDialog& Dialog() { return *dialog_; }
    RememberedFileNames& Names() { return names_; }
    // Run with the full name of each table or comparison file opened or saved.
    void SetOnFileUsed(std::function<void(const QString&)> used) { onFileUsed_ = std::move(used); }
    void NoteUsed(const QString& path) const;

    // The locale whose short date form older table files are read in.
    void SetLocale(const QLocale& locale) { locale_ = locale; }
    const QLocale& Locale() const { return locale_; }

    // Asks for a PNG or SVG name and writes what `chart` shows there:
    // message 37, naming the file, when it cannot be written.
    void SavePicture(QWidget& chart);

    // Where Export File asks its name.
    ExportPlace Exports() { return {context_, *dialog_, names_.exported}; }
    // Fills the affordability screen's Export File.
    void AddTo(AffordScreen::Commands& commands);

    // Fills the tables screen's file hooks.
    void AddTo(TablesScreen::Commands& commands);
    void SaveTable(TablesScreen& screen);
    void OpenTable(TablesScreen& screen);
    // Opens `path` as a file chosen in `mode` (1 or 3): message 13 when it
    // cannot be shown, else every input restored and calculated.
    bool OpenTableAt(TablesScreen& screen, const QString& path, FileDialogMode mode);

    // The inputs a table file gives over `current`, or nothing when it cannot
    // be read or shown (then `why` says what is wrong). A date in the locale's
    // short form is read too. `costs` gets the file's costs (Costs{} for none).
    static std::optional<amortix::ScheduleInputs> ReadTable(const QString& path,
                                                            const amortix::ScheduleInputs& current,
                                                            const QLocale& locale, QString* why = nullptr,
                                                            amortix::Costs* costs = nullptr);

    // Writes what the screen holds to `path` through a temporary file; false
    // when it cannot be written (any previous file is left as it was).
    static bool WriteTable(const QString& path, const TablesScreen& screen);
    static bool WriteComparison(const QString& path, const ComparisonScreen& screen);

    // Fills the comparison screen's file hooks.
    void AddTo(ComparisonScreen::Commands& commands);
    void SaveComparison(ComparisonScreen& screen);
    void OpenComparison(ComparisonScreen& screen);
    // Opens `path` on the comparison screen: message 13 when it cannot be
    // shown, else the comparison as saved.
    bool OpenComparisonAt(ComparisonScreen& screen, const QString& path);

    // The comparison a file gives, or nothing when it cannot be read or shown.
    // `typedDays` is the days in year kept for a file of typed days.
    static std::optional<amortix::ComparisonFile> ReadComparison(const QString& path, float typedDays,
                                                                 QString* why = nullptr);

  private:
    ScreenContext context_;
    std::unique_ptr<FileDialog> dialog_;
    RememberedFileNames names_;
    QLocale locale_ = QLocale::system();
    std::function<void(const QString&)> onFileUsed_;
};

// `amortix FILE`: opens a .qmd, .qld or .qcd file on its screen as Open File
// does; message 13 over the main menu when it cannot be shown.
void OpenFileAtStart(Application& application, const QString& path);

}  // namespace amortix::gui
