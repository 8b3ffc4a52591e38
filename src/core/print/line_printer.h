#pragma once
// The printer the text reports are written to: a line printer with a current
// column, fonts and pages. The column rules live here once; a back end only
// puts text at a column, ends lines, pages and documents.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amortix {

struct PrinterFont {
    std::string name;
    int pointSize = 0;  // 0 keeps the font's own size
    bool bold = false;
};

// One item of a print statement.
struct PrintItem {
    enum class Kind : std::uint8_t { Column, Text, Number };
    Kind kind = Kind::Text;
    int column = 1;    // Column: where the next item starts, counted from 1
    long number = 0;   // Number
    std::string text;  // Text: printed unchanged; a line break inside starts column 1 of the next line

    static PrintItem At(int column);
    static PrintItem Text(std::string_view text);
    // Printed with a blank before it (where a minus sign would go) and one after.
    static PrintItem Number(long number);
};

// Number of characters (UTF-8 code points) the text takes on a line.
int TextColumns(std::string_view text);

class LinePrinter {
  public:
    virtual ~LinePrinter() = default;

    // One print statement: its items one after another on the current line.
    // A column left of the current position goes to that column of the next
    // line. With `endLine` the line ends after the last item, otherwise the
    // next statement continues behind it. No items and `endLine`: an empty line.
    void Print(std::span<const PrintItem> items, bool endLine = true);
    void Print(std::initializer_list<PrintItem> items, bool endLine = true);
    void EmptyLine() { Print({}); }

    // A font for what follows, or the printer's standard font (nullopt).
    void SetFont(const std::optional<PrinterFont>& font);
    // Ends the current page; the next item starts at the top of a new one.
    void NewPage();
    // Ends the document. A page begun by NewPage and never written to is not
    // part of it.
    void EndDocument();

    // 1 on the first page of a document, one more on each new page.
    int PageNumber() const { return page_; }
    // Where the next item goes on the current line, from 1.
    int Column() const { return column_; }

  protected:
    // The back end's part. Pages are begun lazily, before their first line.
    virtual void BeginPage() = 0;
    // Puts text on the current line at `column`; the text holds no line break.
    virtual void PutText(int column, std::string_view text) = 0;
    // Ends the current line.
    virtual void PutLineEnd() = 0;
    virtual void PutFont(const std::optional<PrinterFont>& font) = 0;
    // Ends the current page (a line left open is part of it).
    virtual void EndPage() = 0;
    // Ends the document; called only when something was printed or paged.
    virtual void EndDoc() = 0;

  private:
    void EnsurePage();
    void WriteText(std::string_view text);
    void LineEnd();

    int column_ = 1;
    int page_ = 1;
    bool pageOpen_ = false;
    bool docOpen_ = false;
};

using PrintedPage = std::vector<std::string>;
using PrintedPages = std::vector<PrintedPage>;

// Records the document as pages of lines, trailing blanks removed.
class TextPrinter final : public LinePrinter {
  public:
    // The pages of the current document, or of the last one ended.
    const PrintedPages& Pages() const { return pages_; }
    // The font last set; nullopt for the standard font.
    const std::optional<PrinterFont>& Font() const { return font_; }
    bool Ended() const { return ended_; }

  protected:
    void BeginPage() override;
    void PutText(int column, std::string_view text) override;
    void PutLineEnd() override;
    void PutFont(const std::optional<PrinterFont>& font) override;
    void EndPage() override;
    void EndDoc() override;

  private:
    PrintedPages pages_;
    std::optional<PrinterFont> font_;
    std::string line_;
    int lineColumns_ = 0;
    bool lineOpen_ = false;
    bool ended_ = false;
};

// Pages as one text: each line ended by "\n", pages separated by a form feed.
std::string PagesAsText(const PrintedPages& pages);

}  // namespace amortix
