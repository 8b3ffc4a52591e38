#include <gtest/gtest.h>

#include "core/files/comparison_file.h"
#include "core/files/file_samples.h"
#include "core/files/records.h"
#include "core/files/settings_file.h"
#include "core/files/table_file.h"
#include "core/files/text_encoding.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

// Symbols and names a user may type, all in UTF-8.
const char* const kTexts[] = {"\xC2\xA3",        "\xE2\x82\xAC", "\xE2\x82\xB9",
                              "z\xC5\x82",       "R$",           "Jos\xC3\xA9 M\xC3\xBCller",
                              "\xF0\x9F\x8F\xA0"};

TEST(FileText, EveryTextComesBackFromSettingsAndTables) {
    testing::TempDir dir;
    for (const char* text : kTexts) {
        const PersonalSettings settings{0, std::string("Owner ") + text, text, 1};
        ASSERT_TRUE(SavePersonalSettings(dir.File("Personal.Mtg"), settings)) << text;
        const auto readSettings = LoadPersonalSettings(dir.File("Personal.Mtg"));
        ASSERT_TRUE(readSettings) << text;
        EXPECT_EQ(*readSettings, settings);

        TableFileData table = testing::SampleTable();
        table.compounding = text;
        ASSERT_TRUE(SaveTableFile(dir.File("t.qmd"), table)) << text;
        const auto readTable = LoadTableFile(dir.File("t.qmd"));
        ASSERT_TRUE(readTable.ok()) << readTable.error();
        EXPECT_EQ(readTable.value(), table);
    }
}

TEST(FileText, AFileIsDecodedAsAWholeOneWayOrTheOther) {
    struct Case {
        std::string_view bytes;
        std::string_view text;
    };
    const Case cases[] = {
        {"plain, \"ascii\"\r\n", "plain, \"ascii\"\r\n"},
        {"\xC2\xA3 and \xE2\x82\xB9", "\xC2\xA3 and \xE2\x82\xB9"},  // UTF-8 stays
        {"\xEF\xBB\xBF\"x\"", "\"x\""},                              // an editor's byte-order mark
        {"\xA3\xE9\x80\x99\xFF", "\xC2\xA3\xC3\xA9\xE2\x82\xAC\xE2\x84\xA2\xC3\xBF"},  // code page 1252
        {"\x81\x9D", "\xC2\x81\xC2\x9D"},  // unassigned there, yet kept
        // One byte that is not UTF-8 makes the whole file 1252, also the part
        // that looked like UTF-8.
        {"\xC3\xA9,\xA3", "\xC3\x83\xC2\xA9,\xC2\xA3"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate is not UTF-8
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // nor an overlong form
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},              // nor a cut one
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeFileText(c.bytes), c.text) << c.bytes;
    EXPECT_THROW(DecodeFileText(std::string_view("a\0b", 3)), FormatError);
}

TEST(FileText, AWindowsFileOpensWithItsCharacters) {
    const auto settings = ParsePersonalSettings("0,\"Ren\xE9\",\"\xA3\",0\r\n");
    ASSERT_TRUE(settings.ok()) << settings.error();
    EXPECT_EQ(settings->userName, "Ren\xC3\xA9");
    EXPECT_EQ(settings->currencySymbol, "\xC2\xA3");
    ComparisonFile sample = testing::SampleComparison(1);
    sample.state.grid1[1][7] = "\u00a3100,000.00";
    std::string bytes = FormatComparisonFile(sample);
    bytes.replace(bytes.find("\xC2\xA3"), 2, "\xA3");
    const auto comparison = ParseComparisonFile(bytes, 365.0f);
    ASSERT_TRUE(comparison.ok()) << comparison.error();
    EXPECT_EQ(comparison.value(), sample);
}

// Whatever a writer takes opens again unchanged; what it refuses (a NUL, a
// double quote) would have made the saved file fail to open.
TEST(FileText, EveryCharacterAWriterTakesReadsBack) {
    for (int code = 0; code < 128; ++code) {
        TableFileData table = testing::SampleTable();
        table.frequency = std::string("a") + static_cast<char>(code) + "\u20ac";
        if (code == 0 || code == '"') {
            EXPECT_THROW(FormatTableFile(table), FormatError) << code;
            continue;
        }
        const auto back = ParseTableFile(FormatTableFile(table));
        ASSERT_TRUE(back.ok()) << code << " " << back.error();
        EXPECT_EQ(back->frequency, table.frequency) << code;
    }
}

TEST(FileText, WritersRefuseWhatWouldNotReadBack) {
    const std::string_view bad[] = {std::string_view("A\0B", 3), "\xA3", "\xC3", "\xED\xA0\x80"};
    testing::TempDir dir;
    for (const std::string_view text : bad) {
        EXPECT_THROW(RecordWriter().WriteText(text), FormatError);
        EXPECT_THROW(EncodeFileText(text), FormatError);
        EXPECT_FALSE(SavePersonalSettings(dir.File("Personal.Mtg"), {0, std::string(text), "$", 0}));
        TableFileData table = testing::SampleTable();
        table.frequency = text;
        EXPECT_FALSE(SaveTableFile(dir.File("t.qmd"), table));
        ComparisonFile comparison = testing::SampleComparison(1);
        comparison.state.printout = text;
        EXPECT_FALSE(SaveComparisonFile(dir.File("c.qcd"), comparison));
    }
    EXPECT_THROW(EncodeFileText("\ufeff0"), FormatError);
    EXPECT_THROW(EncodeFileText(std::string(kMaxDataFileBytes + 1, ' ')), FormatError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("t.qmd")));
}

}  // namespace
}  // namespace amortix
