#pragma once
// PagePrinter: the line printer of the text reports on a QPrinter. Every
// character sits at its column in a fixed-pitch font, so the report's columns
// line up on paper exactly as the engine composed them.

#include <QFont>

#include <memory>

#include "core/print/line_printer.h"

class QPainter;
class QPrinter;

namespace amortix::gui {

// The two printer fonts of the personal settings, as fonts of this system:
// Liberation Mono has the metrics of Courier New.
QFont PrinterFontFor(const std::optional<amortix::PrinterFont>& font);

// Lines a page holds: the most a report puts on one page (the counted lines,
// the blank top line, the footer and what may follow the last count) at six
// lines an inch, which fits both A4 and Letter.
inline constexpr int kPageLineCapacity = 60;
inline constexpr double kLinePitchPoints = 12.0;

// Where the report's characters sit on a page of `printer`, in device pixels:
// column 1 of the first line, the width of a column and the line pitch. The
// font shrinks only on a page smaller than A4 or Letter.
struct PageGrid {
    QFont font;
    double left = 0.0;
    double firstBaseline = 0.0;
    double column = 0.0;
    double pitch = 0.0;
};
PageGrid ReportPageGrid(QPrinter& printer, const std::optional<amortix::PrinterFont>& font);

class PagePrinter final : public amortix::LinePrinter {
  public:
    // `printer` is set up (page size, output) and not yet begun.
    explicit PagePrinter(QPrinter& printer);
    ~PagePrinter() override;
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    // False once the printer refused to start, to turn a page or to finish.
    bool Ok() const { return ok_; }
    // Pages begun so far.
    int PagesPrinted() const { return pages_; }

  protected:
    void BeginPage() override;
    void PutText(int column, std::string_view text) override;
    void PutLineEnd() override;
    void PutFont(const std::optional<amortix::PrinterFont>& font) override;
    void EndPage() override;
    void EndDoc() override;

  private:
    void Layout();
    void Apply();

    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    std::optional<amortix::PrinterFont> font_;
    PageGrid grid_;
    int line_ = 0;  // line on the current page, from 0
    int pages_ = 0;
    bool ok_ = true;
};

}  // namespace amortix::gui
