#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

#include "core/files/records.h"
#include "core/files/settings_file.h"
#include "core/files/text_file.h"
#include "core/temp_dir.h"

namespace amortix {
namespace {

using Kind = RecordField::Kind;

RecordField Q(const char* text) {
    return {Kind::Quoted, text};
}
RecordField B(const char* text) {
    return {Kind::Bare, text};
}
RecordField E() {
    return {};
}

std::vector<std::vector<RecordField>> ReadAll(std::string_view data) {
    RecordReader reader(data);
    std::vector<std::vector<RecordField>> records;
    while (!reader.AtEnd()) {
        const auto record = reader.Next(100);
        records.emplace_back(record.begin(), record.end());
    }
    return records;
}

TEST(RecordReader, SplitsFieldsAndLines) {
    struct Case {
        const char* data;
        std::vector<std::vector<RecordField>> records;
    };
    const Case cases[] = {
        {"1,\"a b\",,2.5\r\n", {{B("1"), Q("a b"), E(), B("2.5")}}},
        {"1\n2\r3\r\n4", {{B("1")}, {B("2")}, {B("3")}, {B("4")}}},
        {"\"x\r\ny\",3\r\n7\r\n", {{Q("x\r\ny"), B("3")}, {B("7")}}},
        {"\"\",\"   Semiannual\"\r\n", {{Q(""), Q("   Semiannual")}}},
        {" 1 ,\t\"t\" , 2\r\n", {{B("1"), Q("t"), B("2")}}},
        {"1,\r\n", {{B("1"), E()}}},
        {",\r\n", {{E(), E()}}},
        {"1,2\r\n\r\n3\r\n", {{B("1"), B("2")}, {E()}, {B("3")}}},
        {"\"a,b\",\"\x01\xff\"\r\n", {{Q("a,b"), Q("\x01\xff")}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAll(c.data), c.records) << c.data;
}

TEST(RecordReader, RefusesMalformedRecords) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,\"abc\r\n", "line 1: a text has no closing quote"},
        {"1\r\n\"ab\"c,2\r\n", "line 2: characters follow a closing quote"},
        {"ab\"c\r\n", "line 1: a quote inside an unquoted field"},
        {"\"a\r\nb\"\r\n1,2,3,4\r\n", "line 3: a record holds too many fields"},
    };
    for (const auto& [data, message] : cases) {
        RecordReader reader(data);
        try {
            while (!reader.AtEnd()) reader.Next(3);
            ADD_FAILURE() << "no error for " << data;
        } catch (const FormatError& e) {
            EXPECT_STREQ(e.what(), message) << data;
        }
    }
    RecordReader empty("");
    EXPECT_THROW(empty.Next(3), FormatError);
}

// Asking AtEnd before each record must not rescan what remains: over 128 KiB
// of line ends a rescanning reader visits some 8 billion bytes (seconds), a
// linear one 128 thousand (well under a millisecond).
TEST(RecordReader, AskingForTheEndBeforeEachRecordStaysLinear) {
    for (const char* lineEnd : {"\n", "\r\n", " \t\r"}) {
        std::string data;
        for (int k = 0; k < 128 * 1024 / static_cast<int>(std::strlen(lineEnd)); ++k) data += lineEnd;
        data += "x";
        const auto start = std::chrono::steady_clock::now();
        RecordReader reader(data);
        int records = 0;
        while (!reader.AtEnd()) {
            reader.Next(1);
            ++records;
        }
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_GT(records, 40000);
        EXPECT_LT(took, std::chrono::milliseconds(500)) << "line end " << ::testing::PrintToString(lineEnd);
    }
}

TEST(RecordReader, LeadingFieldsIgnoreWhatFollows) {
    RecordReader reader("1,\"a\",\"b\",2,junk\"\r\n\"unclosed");
    const auto leading = reader.Leading(4);
    EXPECT_EQ(std::vector<RecordField>(leading.begin(), leading.end()),
              (std::vector<RecordField>{B("1"), Q("a"), Q("b"), B("2")}));
    RecordReader shortRecord("1,\"a\"\r\n\"b\",2\r\n");
    EXPECT_THROW(shortRecord.Leading(4), FormatError);
}

TEST(RecordNumbers, ReaderAcceptsTheWriterAndOlderForms) {
    const std::pair<const char*, double> cases[] = {
        {"100000", 100000}, {".05", 0.05},  {"-.5", -0.5},     {"+3", 3}, {"1E-03", 0.001},
        {"1e+2", 100},      {"5.", 5},      {" 7 ", 7},        {"-0", 0}, {"10.125", 10.125},
        {"2.5E0", 2.5},     {"000012", 12}, {"1E+300", 1e300},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseRecordDouble(text), value) << text;
    for (const char* bad : {"", " ", "abc", "1..2", "1e", "1E+", "inf", "nan", "0x10", "--1", ".", "1 2",
                            "1E+400", "1,5", "$5", "5%", "e5", "+-1", "1e5.5"}) {
        EXPECT_THROW(ParseRecordDouble(bad), FormatError) << bad;
        EXPECT_THROW(ParseRecordSingle(bad), FormatError) << bad;
        EXPECT_THROW(ParseRecordCurrency(bad), FormatError) << bad;
    }
    EXPECT_THROW(ParseRecordSingle("1E+39"), FormatError);
    EXPECT_EQ(ParseRecordSingle("365.25"), 365.25f);
}

TEST(RecordNumbers, CurrencyIsExactAndRoundsHalfToEven) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"1500.5", 15005000},
        {"0.0001", 1},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.000051", 1},
        {"-0.00025", -2},
        {"12.34567", 123457},
        {"1E+3", 10000000},
        {"1.5E-4", 2},
        {"1E-30", 0},
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        {"922337203685477.58074", std::numeric_limits<std::int64_t>::max()},
        {"0000000000000000000000000001", 10000},
    };
    for (const auto& [text, ticks] : cases) EXPECT_EQ(ParseRecordCurrency(text).Ticks(), ticks) << text;
    for (const char* bad : {"922337203685477.5808", "922337203685477.58075", "-922337203685477.5809", "1E+15",
                            "99999999999999999999", "1E+99999999999"}) {
        EXPECT_THROW(ParseRecordCurrency(bad), FormatError) << bad;
    }
}

TEST(RecordNumbers, WriterUsesShortPlainTexts) {
    const std::pair<double, const char*> doubles[] = {
        {100000, "100000"}, {10.125, "10.125"},   {0.05, "0.05"},      {2.5, "2.5"},
        {1e-5, "0.00001"},  {1e300, "1E+300"},    {-0.0, "0"},         {0.1 + 0.2, "0.30000000000000004"},
        {-25, "-25"},       {1.5e-12, "1.5E-12"}, {1e9, "1000000000"}, {1e15, "1E+15"},
    };
    for (const auto& [value, text] : doubles) EXPECT_EQ(DoubleText(value), text) << value;
    for (const auto& [value, text] : {std::pair{365.25f, "365.25"}, {0.05f, "0.05"}, {364.0f, "364"}})
        EXPECT_EQ(SingleText(value), text) << text;
    const std::pair<std::int64_t, const char*> amounts[] = {
        {1000000000, "100000"},
        {15005000, "1500.5"},
        {1, "0.0001"},
        {-5000, "-0.5"},
        {0, "0"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& [ticks, text] : amounts)
        EXPECT_EQ(CurrencyText(Currency::FromTicks(ticks)), text) << text;
    EXPECT_THROW(DoubleText(std::nan("")), FormatError);
    EXPECT_THROW(SingleText(std::numeric_limits<float>::infinity()), FormatError);
}

// Random bit patterns reach values no typed text gives (subnormals, the
// extremes of each exponent) that the fuzz corpus seldom holds.
TEST(RecordNumbers, EveryValueReadsBackExactly) {
    std::mt19937_64 random(20240611);
    for (int k = 0; k < 20000; ++k) {
        const std::uint64_t bits = random();
        const double d = std::bit_cast<double>(bits);
        if (std::isfinite(d)) {
            EXPECT_TRUE(ParseRecordDouble(DoubleText(d)) == d) << DoubleText(d);
        }
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(bits >> 16));
        if (std::isfinite(f)) {
            EXPECT_TRUE(ParseRecordSingle(SingleText(f)) == f) << SingleText(f);
        }
        const auto ticks = static_cast<std::int64_t>(bits) >> (k % 60);
        EXPECT_EQ(ParseRecordCurrency(CurrencyText(Currency::FromTicks(ticks))).Ticks(), ticks);
    }
}

TEST(FieldCursor, IntegersAreSixteenBit) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"32767", 32767}, {"-32768", -32768}, {"2.5", 2},      {"3.5", 4},    {"1E+2", 100}, {"-0", 0},
        {"32768", {}},    {"-32769", {}},     {"32767.5", {}}, {"1E+05", {}}, {"x", {}},
    };
    for (const auto& [text, value] : cases) {
        const std::vector<RecordField> field{B(text)};
        FieldCursor fields(field, 1);
        if (value)
            EXPECT_EQ(fields.ReadInteger(), *value) << text;
        else
            EXPECT_THROW(fields.ReadInteger(), FormatError) << text;
    }
}

TEST(FieldCursor, NamesTheFieldThatFails) {
    const std::vector<RecordField> record{B("1"), Q("a"), E()};
    FieldCursor fields(record, 7);
    EXPECT_EQ(fields.ReadDouble(), 1.0);
    EXPECT_THAT([&] { fields.ReadDouble(); },
                ::testing::ThrowsMessage<FormatError>("line 7, field 2: a text where a number belongs"));
    EXPECT_THAT([&] { fields.ReadCurrency(); },
                ::testing::ThrowsMessage<FormatError>("line 7, field 3: empty where a number belongs"));
    EXPECT_THROW(fields.ReadText(), FormatError);  // past the last field
    const std::vector<RecordField> textRecord{E(), B("12"), Q(" x ")};
    FieldCursor texts(textRecord, 1);
    EXPECT_EQ(texts.ReadText(), "");
    EXPECT_EQ(texts.ReadText(), "12");
    EXPECT_EQ(texts.ReadText(), " x ");
    const std::vector<RecordField> wholeRecord{B("3"), B("2.5"), B("9")};
    FieldCursor wholes(wholeRecord, 1);
    EXPECT_EQ(wholes.ReadWholeSingleIn(0, 8), 3);
    EXPECT_THROW(wholes.ReadWholeSingleIn(0, 8), FormatError);
    EXPECT_THROW(wholes.ReadWholeSingleIn(0, 8), FormatError);
}

TEST(RecordWriter, ComposesRecords) {
    RecordWriter writer;
    writer.WriteDouble(100000).WriteText("      Monthly").WriteEmpty().WriteInteger(-3).EndRecord();
    writer.WriteCurrency(Currency::FromDouble(1500.5)).WriteSingle(365.25f).EndRecord();
    writer.WriteText("a\r\nb").EndRecord();
    EXPECT_EQ(writer.Data(), "100000,\"      Monthly\",,-3\r\n1500.5,365.25\r\n\"a\r\nb\"\r\n");
    EXPECT_THROW(writer.WriteText("say \"hi\""), FormatError);
}

// ---- Personal.Mtg ------------------------------------------------------------

long EntriesIn(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator());
}

TEST(PersonalSettingsFile, WritesTheDocumentedLineAndReadsItBack) {
    testing::TempDir dir;
    const std::string path = dir.File("Personal.Mtg");
    const PersonalSettings settings{1, "Home Owner", "$", 3};
    ASSERT_TRUE(SavePersonalSettings(path, settings));
    EXPECT_EQ(testing::ReadBytes(path), "1,\"Home Owner\",\"$\",3\r\n");
    EXPECT_EQ(LoadPersonalSettings(path), settings);
    // Only the temporary file's rename put it there: nothing else is left behind.
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

TEST(PersonalSettingsFile, ReadsWhatOtherWritersProduced) {
    struct Case {
        const char* bytes;
        bool ok;
        const char* name;
        const char* symbol;
    };
    const Case cases[] = {
        {"0,\"\",\"\",0\r\n", true, "", ""},  // empty symbol returned as read
        {"1,\" Jo \",\"EUR\",4,extra,\"fields\"\r\nmore\r\n", true, " Jo ", "EUR"},
        {"0,\"A\",\"$\",2,\"unclosed", true, "A", "$"},  // nothing after field 4 is read
        {"0,\"A\",\"$\",2", true, "A", "$"},             // no line end
        {"0,\"A\",\"$\"\r\n2\r\n", false, "", ""},       // a record of three fields
        {"2,\"A\",\"$\",0\r\n", false, "", ""},          // no such font choice
        {"0,\"A\",\"$\",5\r\n", false, "", ""},          // no such compounding
        {"0,\"A\",\"$\",x\r\n", false, "", ""},
        {"", false, "", ""},
    };
    testing::TempDir dir;
    const std::string path = dir.File("Personal.Mtg");
    for (const Case& c : cases) {
        testing::WriteBytes(path, c.bytes);
        const auto read = ReadPersonalSettings(path);
        EXPECT_EQ(read.ok(), c.ok) << c.bytes << " " << read.error();
        if (read && c.ok) {
            EXPECT_EQ(read->userName, c.name);
            EXPECT_EQ(read->currencySymbol, c.symbol);
        }
    }
    testing::WriteBytes(path, std::string_view("0,\"A\0B\",\"$\",0\r\n", 16));
    EXPECT_EQ(ReadPersonalSettings(path).error(), "not a text file");
    EXPECT_FALSE(LoadPersonalSettings(dir.File("missing.Mtg")));
    EXPECT_FALSE(LoadPersonalSettings(dir.Path().string()));  // a folder
}

TEST(PersonalSettingsFile, KeepsALanguageChoiceInAFifthFieldOnlyWhenOneIsMade) {
    struct Case {
        Language language;
        const char* bytes;
    };
    const Case written[] = {
        {Language::Automatic, "0,\"A\",\"$\",2\r\n"},  // as every earlier version wrote it
        {Language::English, "0,\"A\",\"$\",2,\"en\"\r\n"},
        {Language::French, "0,\"A\",\"$\",2,\"fr\"\r\n"},
    };
    testing::TempDir dir;
    const std::string path = dir.File("Personal.Mtg");
    for (const Case& c : written) {
        PersonalSettings settings{0, "A", "$", 2};
        settings.language = c.language;
        ASSERT_TRUE(SavePersonalSettings(path, settings));
        EXPECT_EQ(testing::ReadBytes(path), c.bytes);
        EXPECT_EQ(LoadPersonalSettings(path), settings);
    }
    // A fifth field that names no language, from a later version or another
    // writer, leaves the desktop's language and the file still opens.
    const Case read[] = {
        {Language::Automatic, "0,\"A\",\"$\",2,\"de\"\r\n"},
        {Language::Automatic, "0,\"A\",\"$\",2,fr\r\n"},
        {Language::Automatic, "0,\"A\",\"$\",2,\"fr"},
        {Language::French, "0,\"A\",\"$\",2,\"fr\",\"more\"\r\n"},
    };
    for (const Case& c : read) {
        testing::WriteBytes(path, c.bytes);
        const auto settings = LoadPersonalSettings(path);
        ASSERT_TRUE(settings) << c.bytes;
        EXPECT_EQ(settings->language, c.language) << c.bytes;
    }
}

TEST(PersonalSettingsFile, FailedSaveKeepsThePreviousFile) {
    testing::TempDir dir;
    const std::string path = dir.File("Personal.Mtg");
    ASSERT_TRUE(SavePersonalSettings(path, {0, "Old", "$", 0}));
    const std::string before = testing::ReadBytes(path);
    EXPECT_FALSE(SavePersonalSettings(path, {0, "New \"name\"", "$", 0}));
    EXPECT_EQ(testing::ReadBytes(path), before);
    EXPECT_FALSE(SavePersonalSettings(dir.File("no/such/folder/Personal.Mtg"), {}));
    std::filesystem::create_directory(dir.File("taken"));
    std::string error;
    EXPECT_FALSE(WriteFileReplacing(dir.File("taken"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(EntriesIn(dir.Path()), 2);
}

TEST(DataFile, ReplacedFileKeepsItsPermissions) {
    testing::TempDir dir;
    const std::string path = dir.File("t.qmd");
    ASSERT_TRUE(WriteFileReplacing(path, "old"));
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(WriteFileReplacing(path, "new"));
    EXPECT_EQ(testing::ReadBytes(path), "new");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(DataFile, ReadsToTheEndWhateverSizeTheFileReportsUpToItsBound) {
    // Files of the kernel report no size, yet have content.
    const auto status = ReadDataFile("/proc/self/status");
    ASSERT_TRUE(status.ok()) << status.error();
    EXPECT_NE(status->find("Name:"), std::string::npos);
    testing::TempDir dir;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{5000}, kMaxDataFileBytes}) {
        const std::string bytes(size, 'q');
        testing::WriteBytes(dir.File("f"), bytes);
        const auto read = ReadDataFile(dir.File("f"));
        ASSERT_TRUE(read.ok()) << size;
        EXPECT_EQ(read.value(), bytes);
    }
    EXPECT_FALSE(ReadDataFile("/proc/self/maps", 10).ok());  // larger than asked, though it reports 0
    // Nothing that cannot be one of ours is read whole.
    testing::WriteBytes(dir.File("f"), std::string(kMaxDataFileBytes + 1, 'x'));
    EXPECT_EQ(ReadDataFile(dir.File("f")).error(), "the file is too large to be one of ours");
    EXPECT_FALSE(ReadDataFile("/dev/zero").ok());
    EXPECT_FALSE(ReadDataFile(dir.File("absent")).ok());
}

}  // namespace
}  // namespace amortix
