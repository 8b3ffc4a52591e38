#include "print/printing.h"

#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <exception>

#include "core/print/printout_notices.h"
#include "core/print/report.h"
#include "print/header_dialog.h"
#include "print/page_printer.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/main_frame.h"
#include "shell/twips.h"
#include "tables/tables_screen.h"

namespace amortix::gui {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Printing::Printing(QObject* frame) : QObject(frame), output_(std::make_unique<SystemPrintOutput>()) {
    setObjectName("Printing");
}

Printing& Printing::Of(QWidget& frame) {
    if (auto* existing = frame.findChild<Printing*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
    return *new Printing(&frame);
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

bool AskPrintHeader(ScreenContext& context, QWidget* parent) {
    {
        PrinterHeaderInput dialog(context, parent);
        dialog.exec();
    }
    return !amortix::HeaderCancelled(context.state.PrintHeaderText);
}

bool PrintTextReport(ScreenContext& context, QWidget* parent, const QString& title,
                     const std::function<void(amortix::LinePrinter&)>& compose) {
    PrintOutput& output = Printing::Of(context.frame).Output();
    const std::unique_ptr<QPrinter> printer = output.Open(title, parent);
    if (!printer) return false;
    bool ok = false;
    {
        const WaitCursor wait;
        try {
            PagePrinter pages(*printer);
            compose(pages);
            ok = pages.Ok() && pages.PagesPrinted() > 0;
        } catch (const std::exception&) {
            // Whatever stopped the report, the user hears that it was not printed.
            ok = false;
        }
    }
    output.Close(*printer, ok, parent);
    return ok;
}

void PrintTables(ScreenContext& context, TablesScreen& screen) {
    AppState& state = context.state;
    const amortix::ScheduleResult* results = screen.Results();
    if (!results || state.ResultsReady == 0) {
        context.interaction.ShowMessage(amortix::kNothingToPrintMessage);
        return;
    }
    if (!AskPrintHeader(context, &screen)) return;

    const amortix::ScheduleInputs inputs = screen.Inputs();
    amortix::TablesPrintData data;
    data.header = state.PrintHeaderText;
    data.mode = inputs.mode;
    data.principal = inputs.principal;
    data.ratePercent = inputs.ratePercent;
    data.termText = screen.InTerm->currentText().toStdString();
    data.compounding = inputs.compounding;
    data.frequency = inputs.frequency;
    data.paymentIncrease = inputs.extra.increase;
    const std::int16_t font = state.PrinterFontChoice;
    state.PrintPageLines =
        font != amortix::kPrinterFontStandard ? amortix::kCourierPageLines : amortix::kStandardPageLines;

    const bool loan = inputs.mode == amortix::TablesMode::PersonalLoan;
    PrintTextReport(
        context, &screen, Q(loan ? amortix::kLoanTablePrintout : amortix::kMortgageTablePrintout),
        [&](amortix::LinePrinter& printer) { amortix::PrintTablesReport(printer, data, *results, font); });
}

bool PrintWindowImage(ScreenContext& context, QWidget& form, const QString& title,
                      const WindowPrintSizes& sizes, bool colour) {
    // A full-size form lives in a frameless child window of the frame: that
    // window is what is sized and placed.
    auto* child = qobject_cast<QMdiSubWindow*>(form.parentWidget());
    QWidget& window = child ? static_cast<QWidget&>(*child) : form;

    PrintOutput& output = Printing::Of(context.frame).Output();
    const std::unique_ptr<QPrinter> printer = output.Open(title, &form);
    if (!printer) return false;
    bool ok = false;
    {
        const WaitCursor wait;
        window.resize(TwipsToPixels(&window, sizes.printing));
        // A form that cannot shrink that far is cut at the printing size all
        // the same, so its row of buttons stays off the page.
        const QSize shown = form.size().boundedTo(TwipsToPixels(&form, sizes.printing));
        printer->setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
        printer->setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
        QPainter painter;
        if (!shown.isEmpty() && painter.begin(printer.get())) {
            // Drawn through the printer's painter, the widgets paint their
            // text and lines at the printer's resolution, not as a grab.
            const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
            const double scale = std::min(page.width() / shown.width(), page.height() / shown.height());
            painter.scale(scale, scale);
            form.render(&painter, QPoint(), QRegion(QRect(QPoint(), shown)),
                        QWidget::DrawChildren | QWidget::DrawWindowBackground);
            ok = painter.end() && printer->printerState() != QPrinter::Error;
        }
        window.resize(TwipsToPixels(&window, sizes.after));
        if (child)
            context.frame.PlaceForm(&form);
        else
            window.move(FullSizeFormPosition(context.state, &window));
    }
    output.Close(*printer, ok, &form);
    return ok;
}

}  // namespace amortix::gui
