#include "core/print/qualify_report.h"

#include <algorithm>
#include <string>

#include "core/format/numfmt.h"
#include "core/print/report.h"

namespace amortix {

namespace {

constexpr int kFigureColumn = 42;  // past the longest English caption
constexpr int kFigureWidth = 16;   // as the boxes show them

// %1 the printout's title, %2 the rule set.
constexpr const char* kTitle = AMX_TEXT("%1, the rules of %2");
constexpr const char* kYes = AMX_TEXT("Yes");
constexpr const char* kNo = AMX_TEXT("No");

// The caption without its access key's "&".
std::string Caption(std::string_view caption) {
    std::string out;
    for (const char c : caption)
        if (c != '&') out.push_back(c);
    return out;
}

// The report's caption and figure lines, the figures in one column past the
// longest caption of the language printed.
class Lines {
  public:
    Lines(LinePrinter& printer, const Catalogue& words) : printer_(printer), words_(words) {
        const auto widen = [this](std::string_view caption) {
            column_ = std::max(column_, 5 + TextColumns(Caption(words_.Text(caption))) + 1);
        };
        for (const QualifyInputInfo& input : kQualifyInputs) widen(input.caption);
        for (const QualifyBoxInfo& box : kQualifyBoxes) widen(box.caption);
        for (const char* caption : {kQualifyCompoundingLabel, kQualifyFrequencyLabel, kQualifyStressLabel})
            widen(caption);
    }
    // A figure as the screen shows it.
    void Line(std::string_view caption, std::string_view figure) const {
        printer_.Print({PrintItem::At(5), PrintItem::Text(Caption(words_.Text(caption))),
                        PrintItem::At(column_), PrintItem::Text(RightJustify(figure, kFigureWidth))});
    }
    // A list's choice or a yes or no: words to translate.
    void Choice(std::string_view caption, std::string_view choice) const {
        Line(caption, TrimLeft(words_.Text(choice)));
    }

  private:
    LinePrinter& printer_;
    const Catalogue& words_;
    int column_ = kFigureColumn;
};

}  // namespace

std::optional<Message> PrintQualifyReport(LinePrinter& printer, const QualifyForm& form,
                                          std::string_view header, std::int16_t fontChoice,
                                          const Catalogue& words) {
    if (!form.HasResults() || !form.LastRun().qualified) return Message::NothingToPrint;
    PrintJob job{printer, fontChoice, 0, &words};
    PrinterSetup(job);
    printer.Print({PrintItem::At(5), PrintItem::Text(HeaderAsTyped(header))});
    printer.EmptyLine();
    const QualifyInputs& in = form.Inputs();
    printer.Print(
        {PrintItem::At(5), PrintItem::Text(Fill(words.Text(kTitle), {words.Text(kQualifyPrintout),
                                                                     words.Text(Info(in.rules).listText)}))});
    printer.EmptyLine();
    const Lines lines(printer, words);
    for (const QualifyInputInfo& input : kQualifyInputs) lines.Line(input.caption, form.Text(input.id));
    lines.Choice(kQualifyCompoundingLabel, Info(in.compounding).listText);
    lines.Choice(kQualifyFrequencyLabel, Info(in.frequency).listText);
    lines.Choice(kQualifyStressLabel, in.limits.stressTest ? kYes : kNo);
    printer.EmptyLine();
    for (const QualifyBoxInfo& box : kQualifyBoxes) lines.Line(box.caption, form.Text(box.id));
    for (const Message m : form.LastRun().messages) {
        printer.EmptyLine();
        printer.Print({PrintItem::At(5), PrintItem::Text(MessageText(m, {}, words))});
    }
    printer.EmptyLine();
    printer.Print({PrintItem::At(5), PrintItem::Text(words.Text(kQualifyNotice))});
    EndPrintout(job);
    return std::nullopt;
}

}  // namespace amortix
