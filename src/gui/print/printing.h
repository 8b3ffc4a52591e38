#pragma once
// The program's printing: where printouts go, the header dialog before a
// text report, the reports of the screens and the printouts of a window's
// image. Every printout shows the wait cursor while it is made and puts the
// normal one back however it ends.

#include <QObject>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/print/line_printer.h"
#include "print/print_output.h"
#include "shell/screen_context.h"
#include "shell/wait_cursor.h"

class QPrinter;
class QWidget;

namespace amortix::gui {

class AffordScreen;
class ComparisonScreen;
class TablesScreen;

// One per frame: the destination every screen prints to.
class Printing : public QObject {
    Q_OBJECT
  public:
    // The frame's printing, made on first use with the system's destination.
    static Printing& Of(QWidget& frame);

    PrintOutput& Output() { return *output_; }
    // Lines a page of the last text report held before its break (56 or 53).
    std::int16_t PageLines() const { return pageLines_; }
    void SetPageLines(std::int16_t lines) { pageLines_ = lines; }
    void SetOutput(std::unique_ptr<PrintOutput> output) { output_ = std::move(output); }

  private:
    explicit Printing(QObject* frame);
    std::unique_ptr<PrintOutput> output_;
    std::int16_t pageLines_ = 0;
};

// Shows PrinterHeaderInput: what was typed, or nothing when the user cancelled.
std::optional<std::string> AskPrintHeader(ScreenContext& context, QWidget* parent);

// Prints one text report: the destination is asked for a printer, `compose`
// writes the report's lines, and the destination reports the outcome. True
// when the report was printed.
bool PrintTextReport(ScreenContext& context, QWidget* parent, const QString& title,
                     const std::function<void(amortix::LinePrinter&)>& compose);

// Draws one text report on `printer` (set up, not begun): true when every
// page was drawn.
bool DrawTextReport(QPrinter& printer, const std::function<void(amortix::LinePrinter&)>& compose);

// The tables screen's "&Print", after it checked that there are results: the
// header, then the report of the grid as shown.
void PrintTables(ScreenContext& context, TablesScreen& screen);
// The report Print makes of the screen's results with `header`; the screen
// has results.
std::function<void(amortix::LinePrinter&)> TablesReport(ScreenContext& context, const TablesScreen& screen,
                                                        const std::string& header);
// The report's title, also a PDF's document name.
QString TablesReportTitle(const TablesScreen& screen);

// The comparison screen's "&Print", after it checked that there are rows to
// graph: the header, then the comparison report.
void PrintComparison(ScreenContext& context, ComparisonScreen& screen);
std::function<void(amortix::LinePrinter&)> ComparisonReport(ScreenContext& context,
                                                            const ComparisonScreen& screen,
                                                            const std::string& header);
QString ComparisonReportTitle();

// The affordability screen's "&Print", after the user answered Yes to
// question 1: the image of the window above its row of buttons.
void PrintAffordability(ScreenContext& context, AffordScreen& screen);
// The same image drawn on `printer` (set up, not begun), the window sized
// as for printing meanwhile.
bool DrawAffordability(ScreenContext& context, AffordScreen& screen, QPrinter& printer);
QString AffordabilityTitle();

// A window's printout: while printing the window has `printing` size (twips)
// so that its row of buttons falls outside the image; afterwards it is back
// at the place of a full-size form with `after` size.
struct WindowPrintSizes {
    QSize printing;
    QSize after;
    // The row of buttons: the image ends above them wherever the layout puts them.
    std::vector<const QWidget*> leaveOut;
};

// Draws what `form` shows at its present size, down to the highest of
// `leaveOut`, on `printer` (set up, not begun), as PrintShownImage does.
bool DrawShownImage(QPrinter& printer, QWidget& form, const std::vector<const QWidget*>& leaveOut,
                    bool colour = true);

// Runs `draw` while the window of `form` has the printing size of `sizes`;
// afterwards the window is back at its place with the `after` size.
bool AtPrintingSize(ScreenContext& context, QWidget& form, const WindowPrintSizes& sizes,
                    const std::function<bool()>& draw);

// Prints what `form` shows at its present size, down to the highest of
// `leaveOut` (its row of buttons), scaled to the page width on a page of its
// own; in grey tones without `colour`. True when it was printed.
bool PrintShownImage(ScreenContext& context, QWidget& form, const QString& title,
                     const std::vector<const QWidget*>& leaveOut, bool colour = true);

// Prints what `form` shows, its contents drawn at the printer's resolution
// and scaled to the page width, on a page of its own; in grey tones without
// `colour`. Asks nothing: the caller has asked question 1 (and 2). True when
// it was printed.
bool PrintWindowImage(ScreenContext& context, QWidget& form, const QString& title,
                      const WindowPrintSizes& sizes, bool colour = true);

}  // namespace amortix::gui
