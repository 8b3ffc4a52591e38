// The settings file: any bytes load whole, with every choice in range, or fail
// with a reason; what loads saves, and the saved bytes load to the same
// settings and save to the same bytes.

#include "core/files/records.h"
#include "core/files/settings_file.h"
#include "fuzz_check.h"

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = ParsePersonalSettings(fuzz::Bytes(data, size));
    if (!read) {
        fuzz::Check(!read.error().empty(), "a refusal without a reason");
        return 0;
    }
    const PersonalSettings& s = read.value();
    fuzz::Check(s.printerFontChoice >= 0 && s.printerFontChoice <= 1 && s.compoundSetting >= 0 &&
                    s.compoundSetting <= 4,
                "a choice out of range loads");
    std::string saved;
    try {
        saved = FormatPersonalSettings(read.value());
    } catch (const FormatError& e) {
        fuzz::Check(false, e.what());
    }
    const auto back = ParsePersonalSettings(saved);
    fuzz::Check(back.ok(), "saved settings do not open");
    fuzz::Check(back.value() == read.value(), "saved settings open to other values");
    fuzz::Check(FormatPersonalSettings(back.value()) == saved,
                "settings save to other bytes the second time");
    return 0;
}
