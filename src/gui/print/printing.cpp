#include "print/printing.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>
#include <exception>

#include "afford/afford_screen.h"
#include "compare/comparison_screen.h"
#include "core/calc/comparison.h"
#include "core/print/printout_notices.h"
#include "core/print/report.h"
#include "print/header_dialog.h"
#include "print/page_printer.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/twips.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

// The personal setting's font, and with it the lines a page holds.
std::int16_t ReportFont(ScreenContext& context) {
    const std::int16_t font = context.state.PrinterFontChoice;
    Printing::Of(context.frame)
        .SetPageLines(font != amortix::kPrinterFontStandard ? amortix::kCourierPageLines
                                                            : amortix::kStandardPageLines);
    return font;
}

}  // namespace

Printing::Printing(QObject* frame) : QObject(frame), output_(std::make_unique<SystemPrintOutput>()) {
    setObjectName("Printing");
}

Printing& Printing::Of(QWidget& frame) {
    if (auto* existing = frame.findChild<Printing*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
    return *new Printing(&frame);
}

std::optional<std::string> AskPrintHeader(ScreenContext& context, QWidget* parent) {
    PrinterHeaderInput dialog(context, parent);
    dialog.exec();
    return dialog.Header();
}

bool DrawTextReport(QPrinter& printer, const std::function<void(amortix::LinePrinter&)>& compose) {
    try {
        PagePrinter pages(printer);
        compose(pages);
        return pages.Ok() && pages.PagesPrinted() > 0;
    } catch (const std::exception&) {
        // Whatever stopped the report, the user hears that it was not printed.
        return false;
    }
}

bool PrintTextReport(ScreenContext& context, QWidget* parent, const QString& title,
                     const std::function<void(amortix::LinePrinter&)>& compose) {
    PrintOutput& output = Printing::Of(context.frame).Output();
    const std::unique_ptr<QPrinter> printer = output.Open(title, parent);
    if (!printer) return false;
    bool ok = false;
    {
        const WaitCursor wait;
        ok = DrawTextReport(*printer, compose);
    }
    output.Close(*printer, ok, parent);
    return ok;
}

QString TablesReportTitle(const TablesScreen& screen) {
    const bool loan = screen.Inputs().mode == amortix::TableKind::PersonalLoan;
    return Tr(loan ? amortix::kLoanTablePrintout : amortix::kMortgageTablePrintout);
}

std::function<void(amortix::LinePrinter&)> TablesReport(ScreenContext& context, const TablesScreen& screen,
                                                        const std::string& header) {
    const amortix::ScheduleInputs inputs = screen.Inputs();
    amortix::TablesPrintData data = amortix::TablesPrintDataFor(inputs, header);
    data.costs = amortix::CostsPrintFor(inputs, screen.Form().CostsInForce());
    const std::int16_t font = ReportFont(context);
    // The report is drawn while the screen still shows these results.
    const amortix::ScheduleResult* results = screen.Results();
    return [data, font, results](amortix::LinePrinter& printer) {
        amortix::PrintTablesReport(printer, data, *results, font, WindowCatalogue());
    };
}

void PrintTables(ScreenContext& context, TablesScreen& screen) {
    AppState& state = context.state;
    if (!screen.Results() || state.ResultsReady == 0) {
        context.interaction.ShowMessage(amortix::Message::NothingToPrint);
        return;
    }
    const std::optional<std::string> header = AskPrintHeader(context, &screen);
    if (!header) return;
    PrintTextReport(context, &screen, TablesReportTitle(screen), TablesReport(context, screen, *header));
}

QString ComparisonReportTitle() {
    return Tr(amortix::kComparisonPrintout);
}

std::function<void(amortix::LinePrinter&)> ComparisonReport(ScreenContext& context,
                                                            const ComparisonScreen& screen,
                                                            const std::string& header) {
    const amortix::ComparisonPrintData data = amortix::PrintDataFor(screen.Form().Table().State(), header);
    const std::int16_t font = ReportFont(context);
    return [data, font](amortix::LinePrinter& printer) {
        amortix::PrintComparisonReport(printer, data, font, WindowCatalogue());
    };
}

void PrintComparison(ScreenContext& context, ComparisonScreen& screen) {
    const amortix::ComparisonState& table = screen.Form().Table().State();
    if (table.rowsToGraph == 0) {
        context.interaction.ShowMessage(amortix::Message::NothingToPrint);
        return;
    }
    const std::optional<std::string> header = AskPrintHeader(context, &screen);
    if (!header) return;
    PrintTextReport(context, &screen, ComparisonReportTitle(), ComparisonReport(context, screen, *header));
}

namespace {

WindowPrintSizes AffordabilitySizes(const AffordScreen& screen) {
    // The buttons start 6000 twips down the window: 5750 leaves them out.
    WindowPrintSizes sizes{QSize(9530, 5750), QSize(9550, 6450), {}};
    for (const QWidget* button : screen.findChildren<QPushButton*>()) sizes.leaveOut.push_back(button);
    return sizes;
}

}  // namespace

QString AffordabilityTitle() {
    return Tr(amortix::kAffordabilityPrintout);
}

void PrintAffordability(ScreenContext& context, AffordScreen& screen) {
    PrintWindowImage(context, screen, AffordabilityTitle(), AffordabilitySizes(screen));
}

bool DrawAffordability(ScreenContext& context, AffordScreen& screen, QPrinter& printer) {
    const WindowPrintSizes sizes = AffordabilitySizes(screen);
    return AtPrintingSize(context, screen, sizes,
                          [&] { return DrawShownImage(printer, screen, sizes.leaveOut); });
}

bool DrawShownImage(QPrinter& printer, QWidget& form, const std::vector<const QWidget*>& leaveOut,
                    bool colour) {
    // Laid out by rows, a form keeps its buttons at its foot however small
    // it gets: the image ends above the highest of them.
    QSize shown = form.size();
    for (const QWidget* button : leaveOut)
        if (button && form.isAncestorOf(button))
            shown.setHeight(std::min(shown.height(), button->mapTo(&form, QPoint(0, 0)).y()));
    printer.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
    printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    // Recorded as drawing commands and played on the printer, text and lines
    // stay vectors the printer draws at its own resolution, not a grab. Fonts
    // are sized by the device's resolution, so the printer's coordinates take
    // the screen's.
    printer.setResolution(form.logicalDpiY());
    QPicture picture;
    {
        QPainter recorder(&picture);
        form.render(&recorder, QPoint(), QRegion(QRect(QPoint(), shown)),
                    QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    QPainter painter;
    if (shown.isEmpty() || !painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / shown.width(), page.height() / shown.height());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(), shown));
    painter.drawPicture(0, 0, picture);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool PrintShownImage(ScreenContext& context, QWidget& form, const QString& title,
                     const std::vector<const QWidget*>& leaveOut, bool colour) {
    PrintOutput& output = Printing::Of(context.frame).Output();
    const std::unique_ptr<QPrinter> printer = output.Open(title, &form);
    if (!printer) return false;
    bool ok = false;
    {
        const WaitCursor wait;
        ok = DrawShownImage(*printer, form, leaveOut, colour);
    }
    output.Close(*printer, ok, &form);
    return ok;
}

bool AtPrintingSize(ScreenContext& context, QWidget& form, const WindowPrintSizes& sizes,
                    const std::function<bool()>& draw) {
    // A full-size form lives in a frameless child window of the frame: that
    // window is what is sized and placed.
    auto* child = qobject_cast<QMdiSubWindow*>(form.parentWidget());
    QWidget& window = child ? static_cast<QWidget&>(*child) : form;
    const WaitCursor wait;
    window.resize(TwipsToPixels(&window, sizes.printing));
    const bool ok = draw();
    window.resize(TwipsToPixels(&window, sizes.after));
    if (child)
        context.frame.PlaceForm(&form);
    else
        window.move(FullSizeFormPosition(context.state, &window));
    return ok;
}

bool PrintWindowImage(ScreenContext& context, QWidget& form, const QString& title,
                      const WindowPrintSizes& sizes, bool colour) {
    return AtPrintingSize(context, form, sizes,
                          [&] { return PrintShownImage(context, form, title, sizes.leaveOut, colour); });
}

}  // namespace amortix::gui
