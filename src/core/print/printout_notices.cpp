#include "core/print/printout_notices.h"

namespace amortix {

namespace {

// %1 the file's path.
constexpr const char* kSaved = AMX_TEXT("No printer is set up, so the printout was saved as a PDF file:\n%1");
// %1 the printer's name or the file's path.
constexpr const char* kFailed = AMX_TEXT(
    "The printout could not be completed on:\n%1\n\nCheck the printer or the folder and print again. Nothing "
    "on the screen has changed.");

}  // namespace

std::string PrintoutFileName(std::string_view title, DaySerial today) {
    std::string name(title);
    name.push_back(' ');
    name.append(IsoDate(today));
    name.append(".pdf");
    return name;
}

std::string PrintoutSavedText(std::string_view path, const Catalogue& words) {
    return Fill(words.Text(kSaved), {path});
}

std::string PrintoutFailedText(std::string_view where, const Catalogue& words) {
    return Fill(words.Text(kFailed), {where});
}

}  // namespace amortix
