#pragma once
// What the program remembers between runs besides the screens' own inputs
// (which are kept as table and comparison files): where the frame stood, the
// files opened or saved last, and the affordability screen's figures. One
// small file of records, each starting with a quoted tag, in this order:
//
//   "Frame",X,Y,WIDTH,HEIGHT,MAXIMIZED           at most once
//   "Recent","PATH"                               0 to 8, newest first
//   "Affordability",SOLVE,PRINCIPAL,RATE,YEARS,PAYMENT,"COMPOUNDING","FREQUENCY"
//                                                 at most once
//
// The reader is as strict as the data files': anything else refuses the
// whole file, which the program then ignores.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/afford.h"
#include "core/files/text_file.h"

namespace amortix {

inline constexpr int kRecentFileLimit = 8;

struct FramePlace {
    int x = 0, y = 0, width = 0, height = 0;  // pixels, the frame's normal geometry
    bool maximized = false;
    bool operator==(const FramePlace&) const = default;
};

struct AffordState {
    AffordSolve solve = AffordSolve::Payment;
    AffordFigures figures;
    Compounding compounding = Compounding::Monthly;
    Frequency frequency = Frequency::BiweeklyAccelerated;
    bool operator==(const AffordState&) const = default;
};

struct ProgramState {
    std::optional<FramePlace> frame;
    std::vector<std::string> recentFiles;  // newest first
    std::optional<AffordState> afford;
    bool operator==(const ProgramState&) const = default;
};

LoadResult<ProgramState> ParseProgramState(std::string_view bytes);
// The file's bytes; throws FormatError for what the reader would refuse.
std::string FormatProgramState(const ProgramState& state);

// `path` first among the recent files, once, the oldest dropped past the
// limit. A path no record can hold (a double quote, not UTF-8) is left out.
void AddRecentFile(ProgramState& state, const std::string& path);

}  // namespace amortix
