#pragma once
// The qualifying screen's printout: the header line, the inputs and the
// limits, then the results, one caption and figure a line at fixed columns,
// with the notice that the figures are estimates.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/format/messages.h"
#include "core/forms/qualify_form.h"
#include "core/print/line_printer.h"

namespace amortix {

inline constexpr const char* kQualifyPrintout = AMX_TEXT("Mortgage Qualifying");

// Message::NothingToPrint without results that match the inputs (or with
// none qualified); nullopt when printed.
std::optional<Message> PrintQualifyReport(LinePrinter& printer, const QualifyForm& form,
                                          std::string_view header, std::int16_t fontChoice,
                                          const Catalogue& words = EnglishCatalogue());

}  // namespace amortix
