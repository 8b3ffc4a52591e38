// --output and the export formats of amortix-cli: the file holds what
// standard output would have, a workbook needs a file, and a file that cannot
// be written is message 58, status 1, nothing on standard output and nothing
// left behind. The files' contents are read back by export_read_back_test.py.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_util.h"

namespace amortix {
namespace {

using testing::RunCli;
using testing::ShellQuote;

namespace fs = std::filesystem;

class Folder {
  public:
    Folder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::path(::testing::TempDir()) / (std::string("amortix_cli_") + info->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    fs::path path_;
};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

constexpr const char* kSchedule =
    "schedule --view all --dates 2024-01-31 --rate-change 3:6 --rounding lender ";
constexpr const char* kCompare = "compare --row '' --row '--frequency biweekly-acc --extra 1:5000' ";
constexpr const char* kAfford = "afford --solve principal --payment 1000 ";

// Every command in every text format: --output writes exactly the bytes
// standard output gets without it, and prints nothing.
TEST(ExportCli, OutputFileHoldsWhatStandardOutputWouldHave) {
    const struct {
        const char* command;
        std::vector<const char*> formats;
    } cases[] = {
        {kSchedule, {"text", "csv", "json", "report"}},
        {kCompare, {"text", "csv", "json", "report"}},
        {kAfford, {"text", "csv", "json"}},
    };
    Folder folder;
    for (const auto& c : cases) {
        for (const char* format : c.formats) {
            const std::string args = std::string(c.command) + "--format " + format;
            const auto shown = RunCli(args);
            ASSERT_EQ(shown.status, 0) << args << shown.err;
            ASSERT_FALSE(shown.out.empty()) << args;
            const std::string path = folder.File(std::string("out.") + format);
            const auto written = RunCli(args + " --output " + ShellQuote(path));
            EXPECT_EQ(written.status, 0) << args << written.err;
            EXPECT_EQ(written.out, "") << args;
            EXPECT_EQ(written.err, shown.err) << args;  // the messages stay on standard error
            EXPECT_EQ(Read(path), shown.out) << args;
        }
    }
}

TEST(ExportCli, WorkbooksAreWrittenOnlyToAFile) {
    Folder folder;
    for (const char* command : {kSchedule, kCompare, kAfford}) {
        const auto refused = RunCli(std::string(command) + "--format xlsx");
        EXPECT_EQ(refused.status, 2) << command;
        EXPECT_EQ(refused.out, "") << command;
        EXPECT_NE(refused.err.find("--output"), std::string::npos) << refused.err;
        const std::string path = folder.File("book.xlsx");
        const auto written = RunCli(std::string(command) + "--format xlsx --output " + ShellQuote(path));
        EXPECT_EQ(written.status, 0) << command << written.err;
        EXPECT_EQ(written.out, "") << command;
        EXPECT_EQ(Read(path).substr(0, 2), "PK") << command;
    }
    EXPECT_EQ(RunCli("schedule --output ''").status, 2);
    EXPECT_EQ(RunCli("afford --format report").status, 2);  // no report of the affordability
}

// A file that cannot be written: the numbered message and the reason on
// standard error, status 1, nothing on standard output, and no file, whole
// or partial, where it was to go (a file there before stays as it was).
TEST(ExportCli, AFailedExportIsMessage58AndLeavesNoFile) {
    Folder folder;
    fs::create_directory(folder.File("folder"));
    std::ofstream(folder.File("kept.csv")) << "previous";
    const std::string missing = ShellQuote(folder.File("gone/out"));
    const std::string inTheWay = ShellQuote(folder.File("folder"));
    const std::string kept = ShellQuote(folder.File("kept.csv"));
    // A full disk, as a file size limit has it (in blocks of 512 or 1024 bytes).
    const std::string full =
        "sh -c \"trap '' XFSZ; ulimit -f 2; exec " AMORTIX_CLI_PATH " \\$0 \\\"\\$@\\\"\" ";
    const struct {
        std::string args;
        const char* reason;
    } cases[] = {
        {std::string(kSchedule) + "--format xlsx --output " + missing, "No such file or directory"},
        {std::string(kSchedule) + "--format csv --output " + missing, "No such file or directory"},
        {std::string(kCompare) + "--format xlsx --output " + inTheWay, "directory"},
        {std::string(kAfford) + "--format json --output " + inTheWay, "directory"},
        {std::string(kSchedule) + "--format report --output " + missing, "No such file or directory"},
        {std::string(kSchedule) + "--format text --output /proc/amortix-out.txt", ""},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(run.status, 1) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_NE(run.err.find("Message 58: Cannot export the file. Check the folder and the free space."),
                  std::string::npos)
            << c.args << ": " << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.args << ": " << run.err;
    }
    for (const char* format : {"xlsx", "csv"}) {
        const std::string args = std::string(kSchedule) + "--format " + format + " --output " + kept;
        const auto run = testing::RunShell(full + args);
        EXPECT_EQ(run.status, 1) << args << run.err;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("Message 58:"), std::string::npos) << args << ": " << run.err;
    }
    EXPECT_EQ(Read(folder.File("kept.csv")), "previous");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"folder", "kept.csv"}));
    EXPECT_TRUE(fs::is_empty(folder.File("folder")));
}

// Nothing to export writes no file: a schedule whose inputs were refused, a
// report with nothing to print.
TEST(ExportCli, NothingCalculatedWritesNoFile) {
    Folder folder;
    for (const char* format : {"csv", "xlsx", "text", "report"}) {
        const std::string args = std::string("schedule --years 41 --format ") + format + " --output " +
                                 ShellQuote(folder.File("out"));
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("Message 5:"), std::string::npos) << args << run.err;
    }
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace amortix
