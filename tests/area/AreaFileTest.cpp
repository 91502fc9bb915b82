#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <gtest/gtest.h>

#include <sstream>

// What the document decides while it reads a whole file: the header it had,
// whether it was read in part, and what the load tells the builder.
namespace {

struct CArea {
    explicit CArea(MudType mudType = MudType::RomOlc)
    {
        std::istringstream config("#GENERAL\nMUDTYPE " + std::string(mudType == MudType::RomDefault ? "ROMDEFAULT" : "ROMOLC")
            + "\nMOBPROG 0\nend\n#SECTORTYPE inside 0 end\n");
        int line = 0;
        EXPECT_TRUE(LoadConfig(tables, config, line)) << "line " << line;
    }

    bool Load(const std::string& file, bool rewrapAll = false)
    {
        std::istringstream in(file);
        CSaveOptions options = doc.DefaultSaveOptions();
        options.rewrapAll = rewrapAll;
        return doc.Load(in, diagnostics, options);
    }

    std::string Save()
    {
        std::ostringstream out;
        CDiagnosticList saved;
        doc.Save(out, "/areas/x.are", saved);
        return out.str();
    }
    std::string Save(const CSaveOptions& options)
    {
        std::ostringstream out;
        CDiagnosticList saved;
        doc.Save(out, "/areas/x.are", saved, options);
        return out.str();
    }

    // The diagnostics that contain `part`.
    std::vector<CDiagnostic> Told(const std::string& part) const
    {
        std::vector<CDiagnostic> found;
        for (const CDiagnostic& d : diagnostics.items)
            if (d.text.find(part) != std::string::npos)
                found.push_back(d);
        return found;
    }

    CConfigTables tables;
    CTolvexDoc doc { tables };
    CDiagnosticList diagnostics;
};

const std::string Room = "#ROOMS\n#1\nR~\nA room.\n~\n0 0 0\nS\n#0\n";
const std::string EmptySections =
    "#MOBILES\n#0\n\n\n\n#OBJECTS\n#0\n\n\n\n#ROOMS\n#1\nR~\nA room.\n~\n0 0 0\nS\n#0\n\n\n\n"
    "#SHOPS\n0\n\n\n\n#SPECIALS\nS\n\n\n\n#RESETS\nS\n\n\n\n#$\n";

} // namespace

TEST(AreaFile, AnAreaHeaderGivesTheGameSecurityAndBuildersAndAreaDataKeepsItsOwn)
{
    const struct {
        const char* header;
        int security;
        const char* builders;
    } cases[] = {
        { "#AREADATA\nName X~\nVNUMs 1 9\nEnd\n", 0, "" },
        { "#AREADATA\nName X~\nBuilders Ann~\nSecurity 4\nEnd\n", 4, "Ann" },
    };
    for (const auto& c : cases) {
        CArea area;
        ASSERT_TRUE(area.Load(c.header + Room + "#$\n"));
        EXPECT_EQ(area.doc.security, c.security) << c.header;
        EXPECT_EQ(area.doc.builders, c.builders) << c.header;
    }
}

TEST(AreaFile, AFileWithoutAHeaderIsSavedWithoutOneUntilTheHeaderIsEdited)
{
    CArea area;
    ASSERT_TRUE(area.Load(Room + "#$\n"));
    EXPECT_EQ(area.doc.fileHeader, AreaHeader::None);
    EXPECT_EQ(area.Save(), EmptySections);
    CAreaHeader header = area.doc.Header();
    EXPECT_FALSE(header.written);
    header.written = true; // what General information's OK hands over
    area.doc.SetHeader(header);
    EXPECT_EQ(area.Save().rfind("#AREADATA\nName ~\n", 0), 0u);
}

TEST(AreaFile, OnlyUnreadBytesBeforeTheEndMakeAFileReadInPart)
{
    const struct {
        std::string file;
        int upTo;
    } cases[] = {
        { Room + "#$\n", 0 },
        { Room + "\n\n", 0 }, // complete, but without "#$"
        { Room + "#$\nafter the end\n", 0 }, // the file ends at "#$"
        { "#ROOMS\n#1\nR~\nA room.\n~\n0 0 0\nS\njunk here\n#2\nQ~\n~\n0 0 0\nS\n#0\n#$\n", 8 },
        { Room + "#NOSUCH\nbody\n#$\n", 10 },
    };
    for (const auto& c : cases) {
        CArea area;
        ASSERT_TRUE(area.Load(c.file));
        EXPECT_EQ(area.doc.ReadInPart(), c.upTo > 0) << c.file;
        EXPECT_EQ(area.doc.ReadUpToLine(), c.upTo) << c.file;
    }
}

TEST(AreaFile, AKeptSectionThatRunsToTheEndOfTheFileStopsTheLoad)
{
    // Kept to the end, such a section would take in every section saved after
    // it, and the file would grow with each save.
    const std::string cases[] = {
        Room + "#HELPS\n0 KEY~\nText without its end\n#$\n",
        Room + "#SOCIALS\nsmile\n#$\n",
        Room + "#MOBOLD\n#100\nold mob\n",
        Room + "#OBJOLD\n#100\nold obj\n#",
        Room + "#HELPS\n0 KEY~\nText.~\n0 $ without its tilde\n",
    };
    for (const std::string& file : cases) {
        CArea area;
        EXPECT_FALSE(area.Load(file)) << file;
        const auto told = area.Told("has no end: the file ends inside it");
        ASSERT_EQ(told.size(), 1u) << file;
        EXPECT_EQ(told[0].severity, Severity::Error);
        EXPECT_EQ(told[0].line, 9);
    }
    CArea ended;
    ASSERT_TRUE(ended.Load(Room + "#HELPS\n0 KEY~\nText.\n~\n0 $~\n"));
    const std::string saved = ended.Save();
    CArea again;
    ASSERT_TRUE(again.Load(saved));
    EXPECT_EQ(again.Save(), saved);
}

TEST(AreaFile, ANulByteStopsTheLoadAndNamesItsLine)
{
    // The readers would take it for the end of the file, anywhere.
    CArea area;
    EXPECT_FALSE(area.Load(Room + std::string("#SPECIALS\nM 200 spec\0ial\nS\n#$\n", 30)));
    const auto told = area.Told("has a NUL byte");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].severity, Severity::Error);
    EXPECT_EQ(told[0].line, 10);
}

// The #AREA header in each dialect: GoldenCasesTest, AnnouncesAHeaderThatChangesKind.
TEST(AreaFile, AHeaderOfTheOtherKindIsAnnouncedOnce)
{
    const struct {
        MudType mudType;
        const char* header;
        const char* told;
    } cases[] = {
        { MudType::RomDefault, "#AREADATA\nName X~\nEnd\n", "The file has an #AREADATA header; saving in the configured dialect writes an #AREA header instead" },
        { MudType::RomOlc, "#AREADATA\nName X~\nEnd\n", nullptr },
        { MudType::RomOlc, "", nullptr },
    };
    for (const auto& c : cases) {
        CArea area(c.mudType);
        ASSERT_TRUE(area.Load(c.header + Room + "#$\n"));
        const auto told = area.Told("header");
        ASSERT_EQ(told.size(), c.told ? 1u : 0u) << c.header;
        if (c.told) {
            EXPECT_EQ(told[0].text.rfind(c.told, 0), 0u) << told[0].text;
            EXPECT_EQ(told[0].line, 1);
        }
    }
}

TEST(AreaFile, DescriptionsWithTheirOwnLayoutGiveOneWarningWhenEveryTextIsRewrapped)
{
    const std::string one = "#ROOMS\n#7\nR~\nA sign:\n   | BEWARE |\n~\n0 0 0\nS\n#0\n#$\n";
    const std::string two =
        "#ROOMS\n#7\nR~\nPlain.\n~\n0 0 0\nS\n#8\nQ~\nOne.\n\nTwo.\n~\n0 0 0\n"
        "E\nx~\nwide   gap~\nS\n#0\n#$\n";
    const struct {
        std::string file;
        bool rewrap;
        const char* told;
        int line;
    } cases[] = {
        { one, true,
            "1 description has a layout (indented lines, blank lines or drawings) that re-wrapping loses; "
            "it is room 7 at line 5.",
            5 },
        { two, true,
            "2 descriptions have a layout (indented lines, blank lines or drawings) that re-wrapping "
            "loses; the first is room 8 at line 11.",
            11 },
        { one, false, nullptr, 0 },
    };
    for (const auto& c : cases) {
        CArea area;
        ASSERT_TRUE(area.Load(c.file, c.rewrap));
        const auto told = area.Told(" a layout (");
        ASSERT_EQ(told.size(), c.told ? 1u : 0u) << c.file;
        if (c.told) {
            EXPECT_EQ(told[0].text, c.told);
            EXPECT_EQ(told[0].line, c.line);
        }
    }
}

// Untouched and re-wrapped texts are the keep-layout golden files.
TEST(AreaFile, AnEditedDescriptionIsFormattedUnlessTheLayoutIsKept)
{
    CArea area;
    ASSERT_TRUE(area.Load("#ROOMS\n#1\nR~\nthe sign:\n   | BEWARE |~\n0 0 0\nS\n#0\n#$\n"));
    area.doc.rooms[0].descriptionEdited = true;
    EXPECT_NE(area.Save().find("#1\nR~\nthe sign: | BEWARE |\n~\n"), std::string::npos);
    CSaveOptions options = area.doc.DefaultSaveOptions();
    options.keepLayout = true;
    EXPECT_NE(area.Save(options).find("#1\nR~\nthe sign:\n   | BEWARE |\n~\n"), std::string::npos)
        << "kept as typed, with the closing line break";
}

TEST(AreaFile, AFileOfKeptSectionsAloneComesBackWithoutRecordSections)
{
    // Before any header, the server stops on a record section.
    const std::string helps = "#HELPS\n0 KEY~\nText.\n~\n0 $~\n\n#$\n";
    // Found by the fuzzer: resets that reach nothing are not saved, so they
    // must not bring the record sections back for one save only.
    CArea noRoom;
    ASSERT_TRUE(noRoom.Load("#HELPS\n0 KEY~\nText.\n~\n0 $~\n#RESETS\nA 0 0 0 0\nS\n#$\n"));
    EXPECT_EQ(noRoom.Save(), helps);
}

TEST(AreaFile, SectionsAreSavedInOneOrderWhateverTheFileOrderAndMobprogsOnlyWhenAsked)
{
    CArea area;
    ASSERT_TRUE(area.Load("#resets\nS\n#MOBPROGS\n#5\nsay hi~\n#0\n#SOCIALS\nhug\n#0\n" + Room
        + "#GUILDS\n#AREA x.are~\nX~\nY~\n1 100\n#$\n"));
    EXPECT_TRUE(area.doc.SectionsFound());
    EXPECT_EQ(area.Told("Unknown section \"#GUILDS\"").size(), 1u);

    CSaveOptions options = area.doc.DefaultSaveOptions();
    EXPECT_EQ(area.Save().find("#MOBPROGS"), std::string::npos) << "the configuration has MOBPROG 0";
    options.mobprogs = true;
    const std::string file = area.Save(options);
    size_t last = 0;
    for (const char* word : { "#AREADATA\n", "#SOCIALS\n", "#MOBILES\n", "#OBJECTS\n", "#ROOMS\n", "#SHOPS\n",
             "#SPECIALS\n", "#MOBPROGS\n", "#RESETS\n", "#$\n" }) {
        const size_t at = file.find(word);
        ASSERT_NE(at, std::string::npos) << word << " in\n"
                                         << file;
        EXPECT_GE(at, last) << word << " in\n"
                            << file;
        last = at;
    }
}

TEST(AreaFile, TheWarningOfAFileWithoutItsEndNamesItsLastLine)
{
    for (const std::string& end : { std::string("\n"), std::string("") }) {
        CArea area;
        ASSERT_TRUE(area.Load(Room + "#SPECIALS\nS" + end));
        const auto told = area.Told("ends without");
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].line, 10) << "ending in a line feed: " << !end.empty();
    }
}
