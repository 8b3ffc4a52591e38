#include "core/print/line_printer.h"

#include <algorithm>

namespace amortix {

PrintItem PrintItem::At(int column) {
    PrintItem item;
    item.kind = Kind::Column;
    item.column = column;
    return item;
}

PrintItem PrintItem::Text(std::string_view text) {
    PrintItem item;
    item.kind = Kind::Text;
    item.text.assign(text);
    return item;
}

PrintItem PrintItem::Number(long number) {
    PrintItem item;
    item.kind = Kind::Number;
    item.number = number;
    return item;
}

int TextColumns(std::string_view text) {
    int columns = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++columns;
    return columns;
}

void LinePrinter::Print(std::span<const PrintItem> items, bool endLine) {
    for (const PrintItem& item : items) {
        switch (item.kind) {
            case PrintItem::Kind::Column: {
                const int target = std::max(item.column, 1);
                if (target < column_) LineEnd();
                column_ = target;
                break;
            }
            case PrintItem::Kind::Text:
                WriteText(item.text);
                break;
            case PrintItem::Kind::Number: {
                std::string text;
                if (item.number >= 0) text.push_back(' ');
                text.append(std::to_string(item.number));
                text.push_back(' ');
                WriteText(text);
                break;
            }
        }
    }
    if (endLine) LineEnd();
}

void LinePrinter::Print(std::initializer_list<PrintItem> items, bool endLine) {
    Print(std::span<const PrintItem>(items.begin(), items.size()), endLine);
}

void LinePrinter::SetFont(const std::optional<PrinterFont>& font) {
    PutFont(font);
}

void LinePrinter::NewPage() {
    EnsurePage();
    EndPage();
    pageOpen_ = false;
    column_ = 1;
    ++page_;
}

void LinePrinter::EndDocument() {
    if (pageOpen_) EndPage();
    if (docOpen_) EndDoc();
    pageOpen_ = false;
    docOpen_ = false;
    column_ = 1;
    page_ = 1;
}

void LinePrinter::EnsurePage() {
    if (pageOpen_) return;
    BeginPage();
    pageOpen_ = true;
    docOpen_ = true;
}

void LinePrinter::WriteText(std::string_view text) {
    // Line breaks inside a text (a multi-line note) start the next line at the margin.
    std::size_t start = 0;
    while (true) {
        const std::size_t brk = text.find_first_of("\r\n", start);
        const std::string_view part =
            text.substr(start, brk == std::string_view::npos ? text.npos : brk - start);
        if (!part.empty()) {
            EnsurePage();
            PutText(column_, part);
            column_ += TextColumns(part);
        }
        if (brk == std::string_view::npos) return;
        LineEnd();
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

void LinePrinter::LineEnd() {
    EnsurePage();
    PutLineEnd();
    column_ = 1;
}

void TextPrinter::BeginPage() {
    if (ended_) {
        pages_.clear();
        ended_ = false;
    }
    pages_.emplace_back();
    line_.clear();
    lineColumns_ = 0;
    lineOpen_ = false;
}

void TextPrinter::PutText(int column, std::string_view text) {
    if (lineColumns_ < column - 1) {
        line_.append(static_cast<std::size_t>(column - 1 - lineColumns_), ' ');
        lineColumns_ = column - 1;
    }
    line_.append(text);
    lineColumns_ += TextColumns(text);
    lineOpen_ = true;
}

void TextPrinter::PutLineEnd() {
    const auto end = line_.find_last_not_of(' ');
    line_.resize(end == std::string::npos ? 0 : end + 1);
    pages_.back().push_back(line_);
    line_.clear();
    lineColumns_ = 0;
    lineOpen_ = false;
}

void TextPrinter::PutFont(const std::optional<PrinterFont>& font) {
    font_ = font;
}

void TextPrinter::EndPage() {
    if (lineOpen_) PutLineEnd();
}

void TextPrinter::EndDoc() {
    ended_ = true;
}

std::string PagesAsText(const PrintedPages& pages) {
    std::string out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) out.push_back('\f');
        for (const std::string& line : pages[p]) {
            out.append(line);
            out.push_back('\n');
        }
    }
    return out;
}

}  // namespace amortix
