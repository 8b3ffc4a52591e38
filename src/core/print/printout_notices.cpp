#include "core/print/printout_notices.h"

namespace amortix {

std::string PrintoutFileName(std::string_view title, DaySerial today) {
    std::string name(title);
    name.push_back(' ');
    name.append(IsoDate(today));
    name.append(".pdf");
    return name;
}

std::string PrintoutSavedText(std::string_view path) {
    std::string text = "No printer is set up, so the printout was saved as a PDF file:\n";
    text.append(path);
    return text;
}

std::string PrintoutFailedText(std::string_view where) {
    std::string text = "The printout could not be completed on:\n";
    text.append(where);
    text.append("\n\nCheck the printer or the folder and print again. Nothing on the screen has changed.");
    return text;
}

}  // namespace amortix
