// The program's remembered state: the frame, the recent files and the
// affordability figures, read as strictly as the data files.

#include <gtest/gtest.h>

#include "core/files/records.h"
#include "core/files/state_file.h"

namespace amortix {
namespace {

ProgramState Full() {
    ProgramState s;
    s.frame = FramePlace{-8, 30, 1024, 768, true};
    s.recentFiles = {"/home/ana/renewal.qmd", "/home/ana/caf\xc3\xa9 4.qcd"};
    AffordState a;
    a.solve = AffordSolve::Principal;
    a.figures = {250000, 5.25, 30, 1375.5};
    a.compounding = Compounding::Semiannual;
    a.frequency = Frequency::WeeklyAccelerated;
    s.afford = a;
    return s;
}

TEST(StateFile, SavesAndReadsBackByteForByte) {
    const std::string bytes = FormatProgramState(Full());
    EXPECT_EQ(bytes,
              "\"Frame\",-8,30,1024,768,1\r\n"
              "\"Recent\",\"/home/ana/renewal.qmd\"\r\n"
              "\"Recent\",\"/home/ana/caf\xc3\xa9 4.qcd\"\r\n"
              "\"Affordability\",0,250000,5.25,30,1375.5,\"   Semiannual\",\"   Weekly(Acc)\"\r\n");
    const auto back = ParseProgramState(bytes);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back.value(), Full());
    // Nothing remembered is an empty file, and reads back as nothing.
    EXPECT_EQ(FormatProgramState({}), "");
    ASSERT_TRUE(ParseProgramState(""));
    EXPECT_EQ(ParseProgramState("").value(), ProgramState{});
}

TEST(StateFile, AnythingElseIsRefusedWhole) {
    const struct {
        const char* bytes;
        const char* reason;  // a part of it
    } cases[] = {
        {"\"Window\",1,2,3,4,0\r\n", "not a record"},
        {"Frame,1,2,3,4,0\r\n", "not a record"},  // the tag is quoted
        {"\"Frame\",1,2,3,4\r\n", "5 fields"},
        {"\"Frame\",1,2,0,4,0\r\n", "coordinate"},
        {"\"Frame\",1,2,3.5,4,0\r\n", "coordinate"},
        {"\"Frame\",1,2,100001,4,0\r\n", "coordinate"},
        {"\"Frame\",1,2,3,4,2\r\n", ""},
        {"\"Frame\",1,2,3,4,0\r\n\"Frame\",1,2,3,4,0\r\n", "order"},
        {"\"Recent\",\"a.qmd\"\r\n\"Frame\",1,2,3,4,0\r\n", "order"},
        {"\"Recent\",\"\"\r\n", "empty file name"},
        {"\"Recent\",\"1\"\r\n\"Recent\",\"2\"\r\n\"Recent\",\"3\"\r\n\"Recent\",\"4\"\r\n\"Recent\","
         "\"5\"\r\n"
         "\"Recent\",\"6\"\r\n\"Recent\",\"7\"\r\n\"Recent\",\"8\"\r\n\"Recent\",\"9\"\r\n",
         "more than 8"},
        {"\"Affordability\",3,1,1,1,1,\"      Monthly\",\"      Monthly\"\r\n", ""},
        {"\"Affordability\",0,10000000,1,1,1,\"      Monthly\",\"      Monthly\"\r\n", "principal"},
        {"\"Affordability\",0,1,100.5,1,1,\"      Monthly\",\"      Monthly\"\r\n", "rate"},
        {"\"Affordability\",0,1,1,41,1,\"      Monthly\",\"      Monthly\"\r\n", "years"},
        {"\"Affordability\",0,1,1,1,-1,\"      Monthly\",\"      Monthly\"\r\n", "payment"},
        {"\"Affordability\",0,1,1,1,1,\"Monthly\",\"      Monthly\"\r\n", "compounding"},
        {"\"Affordability\",0,1,1,1,1,\"      Monthly\",\"Weekly\"\r\n", "frequency"},
    };
    for (const auto& c : cases) {
        const auto read = ParseProgramState(c.bytes);
        EXPECT_FALSE(read) << c.bytes;
        if (!read) {
            EXPECT_NE(read.error().find(c.reason), std::string::npos) << c.bytes << " gave " << read.error();
        }
    }
}

TEST(StateFile, RecentFilesAreTheLastEightNewestFirstOnce) {
    ProgramState s;
    for (int i = 1; i <= 10; ++i) AddRecentFile(s, "/f/" + std::to_string(i) + ".qmd");
    AddRecentFile(s, "/f/5.qmd");               // again: moves to the front
    AddRecentFile(s, "/f/with \"quote\".qmd");  // no record can hold it
    AddRecentFile(s, "");
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"/f/5.qmd", "/f/10.qmd", "/f/9.qmd", "/f/8.qmd",
                                                       "/f/7.qmd", "/f/6.qmd", "/f/4.qmd", "/f/3.qmd"}));
    EXPECT_TRUE(ParseProgramState(FormatProgramState(s)));
}

}  // namespace
}  // namespace amortix
