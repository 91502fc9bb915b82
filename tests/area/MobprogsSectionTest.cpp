#include "SectionFixture.h"

// The code is kept with "\r\n" line ends, for the program editor, and written
// with bare line feeds; the section ends with "#0" and two line feeds.
TEST(MobprogsSection, CodeKeepsItsLinesAsCrLfAndIsWrittenWithLineFeeds)
{
    const struct {
        const char* file;
        const char* code;
        const char* written;
    } cases[] = {
        { "#3000\nif rand 50\n  say hi\nendif\n~\n#0", "if rand 50\r\n  say hi\r\nendif\r\n",
            "#3000\nif rand 50\n  say hi\nendif\n~\n" },
        { "#3001\n~\n#0", "", "#3001\n~\n" },
        { "#3002\n    indented\r\nfirst\n~\n#0", "indented\r\nfirst\r\n", "#3002\nindented\nfirst\n~\n" },
        { "#1\nmob echo\n#2\nunfinished", "mob echo\r\n#2\r\nunfinished", "#1\nmob echo\n#2\nunfinished~\n" },
    };
    for (const auto& c : cases) {
        SectionArea p;
        ASSERT_TRUE(p.Read(ReadMobprogs, std::string("#MOBPROGS\n") + c.file));
        ASSERT_EQ(p.doc.mobprogs.size(), 1u) << c.file;
        EXPECT_EQ(p.doc.mobprogs[0].code, c.code) << c.file;
        EXPECT_EQ(p.Write(WriteMobprogs), std::string("#MOBPROGS\n") + c.written + "#0\n\n") << c.file;
    }
    SectionArea empty;
    EXPECT_EQ(empty.Write(WriteMobprogs), "#MOBPROGS\n#0\n\n");
    empty.doc.mobprogs.push_back({ 7, "say a~b\r\n" });
    EXPECT_EQ(empty.Write(WriteMobprogs), "#MOBPROGS\n#7\nsay ab\n~\n#0\n\n") << "a ~ typed into the code must not end it";
}

TEST(MobprogsSection, ProgramsReadWithoutMobprogSettingWarnOnceWithTheSectionLine)
{
    const struct {
        int setting;
        const char* body;
        size_t warnings;
    } cases[] = {
        { 0, "#1\nsay a\n~\n#2\nsay b\n~\n#0\n", 1 },
        { 0, "#0\n", 0 },
        { 1, "#1\nsay a\n~\n#0\n", 0 },
    };
    for (const auto& c : cases) {
        SectionArea p;
        p.tables.mobprog = c.setting;
        ASSERT_TRUE(p.Read(ReadMobprogs, std::string("\n\n\n#MOBPROGS\n") + c.body));
        ASSERT_EQ(p.diagnostics.items.size(), c.warnings) << "setting " << c.setting << ", " << c.body;
        if (c.warnings) {
            EXPECT_EQ(p.diagnostics.items[0].line, 4);
            EXPECT_NE(p.diagnostics.items[0].text.find("will not be saved"), std::string::npos) << p.Reported();
            EXPECT_EQ(p.doc.mobprogs.size(), 2u) << "the programs are still read";
        }
    }
}
