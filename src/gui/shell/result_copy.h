#pragma once
// "Copy results" of the calculator screens: the result lines the engine made
// go on the clipboard as tab-separated text and as an HTML table, so a paste
// lands as two columns in a spreadsheet and as a table in a word processor.

#include <vector>

#include "core/forms/result_lines.h"

namespace amortix::gui {

void CopyResultLines(const std::vector<amortix::ResultLine>& lines);

}  // namespace amortix::gui
