#include "area/Sections.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Reads `file` from its section word on, as the load loop does, and writes the
// section back.
struct Programs {
    explicit Programs(int mobprogSetting = 1) { tables.mobprog = mobprogSetting; }
    Programs(const Programs&) = delete;

    void Read(const std::string& file)
    {
        std::istringstream stream(file);
        CTextReader in(stream);
        EXPECT_EQ(in.ReadChar(), '#');
        EXPECT_EQ(in.ReadWord(), "MOBPROGS");
        CReadContext context { doc, in, diagnostics, tables };
        EXPECT_TRUE(ReadMobprogs(context));
    }

    std::string Write()
    {
        std::ostringstream out;
        CWriteContext context { doc, out, diagnostics, tables, doc.DefaultSaveOptions() };
        WriteMobprogs(context);
        return out.str();
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CDiagnosticList diagnostics;
};

} // namespace

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
    };
    for (const auto& c : cases) {
        Programs p;
        p.Read(std::string("#MOBPROGS\n") + c.file);
        ASSERT_EQ(p.doc.mobprogs.size(), 1u) << c.file;
        EXPECT_EQ(p.doc.mobprogs[0].code, c.code) << c.file;
        EXPECT_EQ(p.Write(), std::string("#MOBPROGS\n") + c.written + "#0\n\n") << c.file;
    }
}

TEST(MobprogsSection, EmptyListIsTheMarkerAndTwoLineFeeds)
{
    Programs p;
    EXPECT_EQ(p.Write(), "#MOBPROGS\n#0\n\n");
}

TEST(MobprogsSection, TildeTypedIntoTheCodeIsDroppedOnWriting)
{
    Programs p;
    p.doc.mobprogs.push_back({ 7, "say a~b\r\n" });
    EXPECT_EQ(p.Write(), "#MOBPROGS\n#7\nsay ab\n~\n#0\n\n");
}

TEST(MobprogsSection, EndOfFileInsideTheTextKeepsWhatWasRead)
{
    Programs p;
    p.Read("#MOBPROGS\n#1\nmob echo\n#2\nunfinished");
    ASSERT_EQ(p.doc.mobprogs.size(), 1u) << "the rest of the file is the first program's text";
    EXPECT_EQ(p.doc.mobprogs[0].code, "mob echo\r\n#2\r\nunfinished");
}

TEST(MobprogsSection, ProgramsReadWithoutMobprogSettingWarnOnceWithTheSectionLine)
{
    const struct {
        int setting;
        const char* body;
        size_t warnings;
    } cases[] = {
        { 0, "#1\nsay a\n~\n#2\nsay b\n~\n#0\n", 1 },
        { 0, "#0\n", 0 }, // nothing to lose
        { 1, "#1\nsay a\n~\n#0\n", 0 },
    };
    for (const auto& c : cases) {
        Programs p(c.setting);
        p.Read(std::string("\n\n\n#MOBPROGS\n") + c.body);
        ASSERT_EQ(p.diagnostics.items.size(), c.warnings) << "setting " << c.setting << ", " << c.body;
        if (c.warnings) {
            const CDiagnostic& d = p.diagnostics.items[0];
            EXPECT_EQ(d.line, 4);
            EXPECT_EQ(d.severity, Severity::Warning);
            EXPECT_FALSE(d.messageBox);
            EXPECT_NE(d.text.find("will not be saved"), std::string::npos) << d.text;
            EXPECT_EQ(p.doc.mobprogs.size(), 2u) << "the programs are still read";
        }
    }
}
