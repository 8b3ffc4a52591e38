// The program's remembered state: any bytes load whole, every figure in its
// range, or fail with a reason (the program then starts as new); what loads
// saves, and the saved bytes load to the same state and save to the same bytes.

#include "core/files/records.h"
#include "core/files/state_file.h"
#include "fuzz_check.h"

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = ParseProgramState(fuzz::Bytes(data, size));
    if (!read) {
        fuzz::Check(!read.error().empty(), "a refusal without a reason");
        return 0;
    }
    const ProgramState& s = read.value();
    fuzz::Check(s.recentFiles.size() <= static_cast<std::size_t>(kRecentFileLimit),
                "too many recent files load");
    fuzz::Check(!s.frame || (s.frame->width > 0 && s.frame->height > 0), "a frame without a size loads");
    std::string saved;
    try {
        saved = FormatProgramState(s);
    } catch (const FormatError& e) {
        fuzz::Check(false, e.what());
    }
    const auto back = ParseProgramState(saved);
    fuzz::Check(back.ok(), "a saved state does not open");
    fuzz::Check(back.value() == s, "a saved state opens to another one");
    fuzz::Check(FormatProgramState(back.value()) == saved, "a state saves to other bytes the second time");
    return 0;
}
