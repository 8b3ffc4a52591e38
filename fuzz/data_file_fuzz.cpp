// Reading a file from disk: a file written whole reads back byte for byte,
// or is refused for a reason (a NUL, more than a data file may hold); the
// readers of every kind take what is read without a crash.

#include <unistd.h>
#include <filesystem>
#include <string>

#include "core/files/comparison_file.h"
#include "core/files/settings_file.h"
#include "core/files/table_file.h"
#include "core/files/text_file.h"
#include "fuzz_check.h"

using namespace amortix;

namespace {

// In memory where there is a memory file system, so a run is not slowed by a disk.
std::string Folder() {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    const std::filesystem::path folder = base / ("amortix-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder.string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = Folder() + "/input.qcd";
    const std::string_view bytes = fuzz::Bytes(data, size);
    fuzz::Check(WriteFileReplacing(path, bytes), "the input could not be written");
    // Small bounds too, so the growth of the read buffer is tried on short inputs.
    for (const std::size_t bound : {kMaxDataFileBytes, size, size / 2 + 1}) {
        const auto read = ReadDataFile(path, bound);
        const bool fits = size <= bound && bytes.find('\0') == std::string_view::npos;
        fuzz::Check(read.ok() == fits, "a file is read or refused against its bound and content");
        if (read) fuzz::Check(read.value() == bytes, "a file reads back other bytes");
        if (!read) fuzz::Check(!read.error().empty(), "a refusal without a reason");
    }
    (void)LoadTableFile(path);
    (void)LoadComparisonFile(path, 365.0f);
    (void)ReadPersonalSettings(path);
    return 0;
}
