#include "core/print/qualify_report.h"

#include <string>

#include "core/format/numfmt.h"
#include "core/print/report.h"

namespace amortix {

namespace {

constexpr int kFigureColumn = 42;  // past the longest caption
constexpr int kFigureWidth = 16;   // as the boxes show them

// The caption without its access key's "&".
std::string Caption(std::string_view caption) {
    std::string out;
    for (const char c : caption)
        if (c != '&') out.push_back(c);
    return out;
}

void Line(LinePrinter& printer, std::string_view caption, std::string_view figure) {
    printer.Print({PrintItem::At(5), PrintItem::Text(Caption(caption)), PrintItem::At(kFigureColumn),
                   PrintItem::Text(RightJustify(figure, kFigureWidth))});
}

}  // namespace

std::optional<Message> PrintQualifyReport(LinePrinter& printer, const QualifyForm& form,
                                          std::string_view header, std::int16_t fontChoice) {
    if (!form.HasResults() || !form.LastRun().qualified) return Message::NothingToPrint;
    PrintJob job{printer, fontChoice};
    PrinterSetup(job);
    printer.Print({PrintItem::At(5), PrintItem::Text(HeaderAsTyped(header))});
    printer.EmptyLine();
    const QualifyInputs& in = form.Inputs();
    printer.Print({PrintItem::At(5), PrintItem::Text(std::string(kQualifyPrintout) + ", the rules of " +
                                                     std::string(Info(in.rules).listText))});
    printer.EmptyLine();
    for (const QualifyInputInfo& input : kQualifyInputs) Line(printer, input.caption, form.Text(input.id));
    Line(printer, kQualifyCompoundingLabel, TrimLeft(Info(in.compounding).listText));
    Line(printer, kQualifyFrequencyLabel, TrimLeft(Info(in.frequency).listText));
    Line(printer, kQualifyStressLabel, in.limits.stressTest ? "Yes" : "No");
    printer.EmptyLine();
    for (const QualifyBoxInfo& box : kQualifyBoxes) Line(printer, box.caption, form.Text(box.id));
    for (const Message m : form.LastRun().messages) {
        printer.EmptyLine();
        printer.Print({PrintItem::At(5), PrintItem::Text(MessageText(m))});
    }
    printer.EmptyLine();
    printer.Print({PrintItem::At(5), PrintItem::Text(kQualifyNotice)});
    EndPrintout(job);
    return std::nullopt;
}

}  // namespace amortix
