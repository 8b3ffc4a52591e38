#include "print/page_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace amortix::gui {

namespace {

// The reports are laid out on 80 columns.
constexpr int kPageColumns = 80;
constexpr double kTopMarginInches = 0.5;

}  // namespace

QFont PrinterFontFor(const std::optional<amortix::PrinterFont>& font) {
    // Without a font of its own the report uses the standard printer font,
    // a fixed-pitch face of the same width class.
    QFont f(font ? QStringLiteral("Liberation Mono") : QStringLiteral("DejaVu Sans Mono"));
    f.setPointSizeF(font && font->pointSize > 0 ? font->pointSize : 10.0);
    f.setBold(font && font->bold);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    // Kerning would move characters off their columns.
    f.setKerning(false);
    return f;
}

PageGrid ReportPageGrid(QPrinter& printer, const std::optional<amortix::PrinterFont>& font) {
    const double dpi = printer.resolution();
    const QRectF page = printer.pageLayout().fullRectPixels(printer.resolution());
    const double top = kTopMarginInches * dpi;
    const double pitch = kLinePitchPoints * dpi / 72.0;
    PageGrid grid;
    grid.font = PrinterFontFor(font);
    grid.column = QFontMetricsF(grid.font, &printer).horizontalAdvance(QLatin1Char(' '));
    // A page smaller than A4 or Letter gets the whole report smaller rather than cut.
    const double scale = std::min({1.0, (page.width() - top) / (kPageColumns * grid.column),
                                   (page.height() - 2.0 * top) / (kPageLineCapacity * pitch)});
    if (scale < 1.0) {
        grid.font.setPointSizeF(grid.font.pointSizeF() * std::max(scale, 0.1));
        grid.column = QFontMetricsF(grid.font, &printer).horizontalAdvance(QLatin1Char(' '));
    }
    grid.pitch = pitch * std::min(1.0, std::max(scale, 0.1));
    grid.firstBaseline = top + QFontMetricsF(grid.font, &printer).ascent();
    grid.left = std::max(0.0, (page.width() - kPageColumns * grid.column) / 2.0);
    return grid;
}

PagePrinter::PagePrinter(QPrinter& printer) : printer_(printer) {
    printer_.setFullPage(true);
    grid_ = ReportPageGrid(printer_, font_);
}

PagePrinter::~PagePrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

void PagePrinter::Layout() {
    grid_ = ReportPageGrid(printer_, font_);
    Apply();
}

void PagePrinter::Apply() {
    if (painter_ && painter_->isActive()) painter_->setFont(grid_.font);
}

void PagePrinter::BeginPage() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        ok_ = painter_->begin(&printer_);
        Apply();
    } else if (ok_ && !printer_.newPage()) {
        ok_ = false;
    }
    ++pages_;
    line_ = 0;
}

void PagePrinter::PutText(int column, std::string_view text) {
    if (!ok_) return;
    if (line_ >= kPageLineCapacity) {
        // More lines than a page holds would run off the paper: carry them over.
        ok_ = printer_.newPage();
        ++pages_;
        line_ = 0;
    }
    const QPointF at(grid_.left + (column - 1) * grid_.column, grid_.firstBaseline + line_ * grid_.pitch);
    painter_->drawText(at, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PagePrinter::PutLineEnd() {
    ++line_;
}

void PagePrinter::PutFont(const std::optional<amortix::PrinterFont>& font) {
    font_ = font;
    Layout();
}

void PagePrinter::EndPage() {}

void PagePrinter::EndDoc() {
    if (painter_ && painter_->isActive() && !painter_->end()) ok_ = false;
    if (printer_.printerState() == QPrinter::Error) ok_ = false;
}

}  // namespace amortix::gui
