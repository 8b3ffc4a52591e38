// Every reader, fed damaged and random bytes, either loads the whole file or
// reports an error; what loads writes back and reads to the same data.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>

#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
#include "core/files/records.h"
#include "core/files/settings_file.h"
#include "core/files/table_file.h"

namespace amortix {
namespace {

// Why the bytes were mishandled, or nothing when they were handled well.
using Checker = std::function<std::optional<std::string>(std::string_view)>;

template <typename T>
std::optional<std::string> ProblemWith(const LoadResult<T>& result) {
    if (!result.ok() && result.error().empty()) return "an error without a reason";
    return std::nullopt;
}

std::optional<std::string> CheckSettings(std::string_view bytes) {
    const auto read = ParsePersonalSettings(bytes);
    if (auto problem = ProblemWith(read)) return problem;
    if (read && (read->printerFontChoice < 0 || read->printerFontChoice > 1 || read->compoundSetting < 0 ||
                 read->compoundSetting > 4))
        return "a choice out of range loaded";
    return std::nullopt;
}

std::optional<std::string> CheckTable(std::string_view bytes) {
    const auto read = ParseTableFile(bytes);
    if (auto problem = ProblemWith(read)) return problem;
    if (!read || !read->daysInYear) return std::nullopt;
    std::string again;
    try {
        again = FormatTableFile(read.value());
    } catch (const FormatError& e) {
        return std::string("loaded data cannot be saved: ") + e.what();
    }
    const auto back = ParseTableFile(again);
    if (!back || !(back.value() == read.value())) return "loaded data does not save and load to itself";
    return std::nullopt;
}

std::optional<std::string> CheckComparison(std::string_view bytes) {
    const auto read = ParseComparisonFile(bytes);
    if (auto problem = ProblemWith(read)) return problem;
    if (!read) return std::nullopt;
    std::string again;
    try {
        again = FormatComparisonFile(read.value());
    } catch (const FormatError& e) {
        return std::string("loaded data cannot be saved: ") + e.what();
    }
    const auto back = ParseComparisonFile(again);
    if (!back || !(back.value() == read.value())) return "loaded data does not save and load to itself";
    return std::nullopt;
}

std::string Printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes.substr(0, 300)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 32 && u < 127) {
            out.push_back(c);
        } else {
            out.append("\\x");
            out.push_back("0123456789abcdef"[u >> 4]);
            out.push_back("0123456789abcdef"[u & 15]);
        }
    }
    return out;
}

class Fuzzer {
  public:
    Fuzzer(std::string valid, Checker check) : valid_(std::move(valid)), check_(std::move(check)) {}

    // Stops at the first mishandled input so one fault gives one report.
    void Feed(std::string_view bytes) {
        if (failed_) return;
        ++fed_;
        if (const auto problem = check_(bytes)) {
            failed_ = true;
            ADD_FAILURE() << *problem << " for " << bytes.size() << " bytes: " << Printable(bytes);
        }
    }

    void Run(int mutations) {
        ASSERT_FALSE(check_(valid_)) << "the sample itself";
        // Cut short at every length.
        for (std::size_t n = 0; n < valid_.size(); ++n) Feed(std::string_view(valid_).substr(0, n));
        for (int k = 0; k < mutations && !failed_; ++k) Feed(Mutate());
        // Pure noise, and lines far longer than any real record.
        for (int k = 0; k < 300; ++k) Feed(RandomBytes(Pick(4096)));
        Feed(std::string(kMaxDataFileBytes, ','));
        Feed(std::string(kMaxDataFileBytes, '9'));
        Feed(std::string(kMaxDataFileBytes, '\n'));
        Feed(std::string(kMaxDataFileBytes, '"'));
        Feed("\"" + std::string(kMaxDataFileBytes - 1, 'x'));
        Feed(std::string(kMaxDataFileBytes + 1, ' '));
    }

    int Fed() const { return fed_; }

  private:
    std::size_t Pick(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }

    char RandomByte() {
        // Mostly the characters that matter to the format, sometimes anything.
        static constexpr char kFormatChars[] = {',', '"', '\r', '\n', '.', '-', '+',
                                                'E', '0', '1',  '9',  ' ', '\0'};
        if (Pick(3) == 0) return static_cast<char>(Pick(256));
        return kFormatChars[Pick(sizeof kFormatChars)];
    }

    std::string RandomBytes(std::size_t n) {
        std::string out;
        for (std::size_t k = 0; k < n; ++k) out.push_back(RandomByte());
        return out;
    }

    std::string Mutate() {
        static const char* const kTokens[] = {"1E+99999",
                                              "-1E-99999",
                                              "32768",
                                              "-32769",
                                              "-",
                                              ".",
                                              "",
                                              "\"",
                                              "NaN",
                                              "inf",
                                              "1e",
                                              "0x1F",
                                              "99999999999999999999999999999",
                                              "922337203685477.5808",
                                              "8.5",
                                              "-1",
                                              "45",
                                              "46",
                                              "8",
                                              "9",
                                              "24",
                                              "25",
                                              "\"\"",
                                              "\"\r\n\"",
                                              ",,,,",
                                              "\xff\xfe",
                                              "1.5E+38",
                                              "3.5E+38"};
        std::string bytes = valid_;
        const int edits = 1 + static_cast<int>(Pick(4));
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = Pick(bytes.size() + 1);
            switch (Pick(8)) {
                case 0:  // flip a byte
                    if (at < bytes.size()) bytes[at] = RandomByte();
                    break;
                case 1:  // delete a stretch
                    bytes.erase(std::min(at, bytes.size()), Pick(64));
                    break;
                case 2:  // insert noise
                    bytes.insert(at, RandomBytes(1 + Pick(16)));
                    break;
                case 3: {  // replace the field at `at` with a hostile token
                    const std::size_t start = bytes.find_last_of(",\n", at == 0 ? 0 : at - 1);
                    const std::size_t from = start == std::string::npos ? 0 : start + 1;
                    const std::size_t end = bytes.find_first_of(",\r\n", from);
                    bytes.replace(from, (end == std::string::npos ? bytes.size() : end) - from,
                                  kTokens[Pick(std::size(kTokens))]);
                    break;
                }
                case 4: {  // drop a quote
                    const std::size_t q = bytes.find('"', at);
                    if (q != std::string::npos) bytes.erase(q, 1);
                    break;
                }
                case 5:  // duplicate a stretch (repeated lines)
                    if (at < bytes.size()) bytes.insert(at, bytes.substr(at, Pick(200)));
                    break;
                case 6:  // a very long line
                    bytes.insert(at, std::string(2000 + Pick(20000), Pick(2) ? 'x' : '7'));
                    break;
                default:  // line ends changed
                    for (std::size_t p = bytes.find("\r\n", at); p != std::string::npos;
                         p = bytes.find("\r\n", p + 1))
                        bytes.erase(p, 1);
                    break;
            }
        }
        return bytes;
    }

    std::string valid_;
    Checker check_;
    std::mt19937_64 random_{7411};
    int fed_ = 0;
    bool failed_ = false;
};

TEST(FileFuzz, SettingsReaderNeverLoadsPartly) {
    Fuzzer fuzzer("1,\"Home Owner\",\"$\",3\r\n", CheckSettings);
    fuzzer.Run(4000);
    EXPECT_GT(fuzzer.Fed(), 4000);
}

TEST(FileFuzz, TableReaderNeverLoadsPartly) {
    Fuzzer current(FormatTableFile(testing::SampleTable()), CheckTable);
    current.Run(3000);
    Fuzzer previous(
        "20000,9.5,2.5,\"      Monthly\",\"  Semimonthly\",\"1/1/99\",0,2,2,3,1,2\r\n1,0\r\n2,500\r\n3,0\r\n",
        CheckTable);
    previous.Run(1500);
}

TEST(FileFuzz, ComparisonReaderNeverLoadsPartly) {
    ComparisonFileData sample = testing::SampleComparison(2);
    sample.grid2Columns = 4;
    sample.grid2.assign(12, std::vector<std::string>(4, "  1,500.50"));
    sample.listingIndex = 2;
    sample.greatestEntryCount = 10;
    Fuzzer fuzzer(FormatComparisonFile(sample), CheckComparison);
    fuzzer.Run(1500);
}

}  // namespace
}  // namespace amortix
