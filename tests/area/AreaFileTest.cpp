#include "AreaFixture.h"

// What the document decides while it reads a whole file: whether it was read
// in part, where it stops, and what the load tells the builder. What a file
// becomes, the end of a file inside a record or a kept section among them, is
// the golden cases' (tests/data).
namespace {

const char* const Config =
    "#GENERAL\nMUDTYPE ROMOLC\nend\n#SECTORTYPE inside 0 end\n"
    "#OBJTYPES weapon 5 Class~ L Dice~ I Sides~ I Attack~ O Flags~ F end\n"
    "#MOBFLAGS human 0 0 0 0 0 0 0 0 end\n#MERCMSG hi 0 end\n";

const std::string Room = "#ROOMS\n#1\nR~\nA room.\n~\n0 0 0\nS\n#0\n";

} // namespace

TEST(AreaFile, AFileWithoutAHeaderIsSavedWithoutOneUntilTheHeaderIsEdited)
{
    CArea area(Config);
    ASSERT_TRUE(area.Load(Room + "#$\n"));
    EXPECT_EQ(area.doc.fileHeader, AreaHeader::None);
    EXPECT_EQ(area.Save().rfind("#MOBILES", 0), 0u) << "the rooms-without-header golden case";
    CAreaHeader header = area.doc.Header();
    EXPECT_FALSE(header.written);
    header.written = true; // what General information's OK hands over
    area.doc.SetHeader(header);
    EXPECT_EQ(area.Save().rfind("#AREADATA\nName ~\n", 0), 0u);
}

TEST(AreaFile, OnlyUnreadBytesBeforeTheEndMakeAFileReadInPart)
{
    // the file, the line it is read up to (0: all of it)
    const std::tuple<std::string, int> cases[] = {
        { Room + "#$\n", 0 },
        { Room + "\n\n", 0 }, // complete, but without "#$"
        { Room + "#$\nafter the end\n", 0 }, // the file ends at "#$"
        { "#ROOMS\n#1\nR~\nA room.\n~\n0 0 0\nS\njunk here\n#2\nQ~\n~\n0 0 0\nS\n#0\n#$\n", 8 },
        { Room + "#NOSUCH\nbody\n#$\n", 10 },
    };
    for (const auto& [file, upTo] : cases) {
        CArea area(Config);
        ASSERT_TRUE(area.Load(file));
        EXPECT_EQ(area.doc.ReadInPart(), upTo > 0) << file;
        EXPECT_EQ(area.doc.ReadUpToLine(), upTo) << file;
    }
}

// Untouched and re-wrapped texts are the keep-layout golden files.
TEST(AreaFile, AnEditedDescriptionIsFormattedUnlessTheLayoutIsKept)
{
    CArea area(Config);
    ASSERT_TRUE(area.Load("#ROOMS\n#1\nR~\nthe sign:\n   | BEWARE |~\n0 0 0\nS\n#0\n#$\n"));
    area.doc.rooms[0].descriptionEdited = true;
    EXPECT_NE(area.Save().find("#1\nR~\nthe sign: | BEWARE |\n~\n"), std::string::npos);
    CSaveOptions options = area.doc.DefaultSaveOptions();
    options.keepLayout = true;
    EXPECT_NE(area.Save(options).find("#1\nR~\nthe sign:\n   | BEWARE |\n~\n"), std::string::npos)
        << "kept as typed, with the closing line break";
}

// Cleaned on the way out, a ~ or a carriage return typed into a text can
// neither end it early nor reach the file; a word (the material) keeps its ~.
TEST(AreaFile, TildesTypedIntoTextsNeverReachTheFile)
{
    CArea area(Config);
    CRoomData& room = area.doc.rooms.emplace_back();
    room.vnum = 1, room.name = "Ha~ll", room.clan = "gu~ards", room.owner = "Sa\r~ska";
    room.extraDescs = { { "pla~que", "x", false } };
    CObjData& obj = area.doc.objects.emplace_back();
    obj.vnum = 2, obj.itemType = 5, obj.name = "bad~name", obj.shortDesc = "a\r\nb", obj.condition = "P";
    CMobData& mob = area.doc.mobs.emplace_back(area.tables);
    mob.vnum = 3, mob.name = "guard~ cityguard", mob.race = "hu~man", mob.clan = "Ojos~ Negros", mob.material = "~";
    mob.mercMessages = { "Adi~os" }, mob.triggers = { { "greet", 5, "hello~ there" } };
    area.doc.mobprogs.push_back({ 5, "say a~b\r\n" });
    const std::string saved = area.Save();

    CArea back(Config);
    ASSERT_TRUE(back.Load(saved)) << saved;
    ASSERT_TRUE(back.doc.rooms.size() == 1 && back.doc.objects.size() == 1 && back.doc.mobs.size() == 1) << saved;
    const CRoomData& r = back.doc.rooms[0];
    const CObjData& o = back.doc.objects[0];
    const CMobData& m = back.doc.mobs[0];
    EXPECT_EQ(r.name + "|" + r.clan + "|" + r.owner + "|" + r.extraDescs.at(0).keyword + "|" + o.name + "|" + o.shortDesc,
        "Hall|guards|Saska|plaque|badname|a\nb");
    EXPECT_EQ(m.name + "|" + m.race + "|" + m.clan + "|" + m.material + "|" + m.mercMessages.at(0) + "|" + m.triggers.at(0).phrase,
        "guard cityguard|human|Ojos Negros|~|Adios|hello there");
    EXPECT_EQ(back.doc.mobprogs.at(0).code, "say ab\r\n");
    EXPECT_EQ(back.Save(), saved) << "a second save changes nothing";
}

// The editor shows these on their own, at once: an unknown object type and a
// NUL byte, which the readers would take for the end of the file, abort the
// load; an unknown race is added to the tables.
TEST(AreaFile, WhatAbortsTheLoadOrChangesTheTablesIsToldInABox)
{
    const std::string object = "#OBJECTS\n#1001\nsword~\na sword~\nA sword.~\nsteel~\nweapon 0 0\nsword 2 8 slash 0\n10 5 100 P\n";
    // the file, whether it loads, the line told, how the message starts
    const std::tuple<std::string, bool, int, const char*> cases[] = {
        { object + "#1002\norb~\nan orb~\nAn orb.~\nglass~\nGizmo 0 0\n0 0 0 0 0\n1 1 1 P\n#0\n#$\n", false, 15,
            "ERROR! Object orb (1002) invalid type 'gizmo'! Add the type to\n" },
        { Room + std::string("#SPECIALS\nM 200 spec\0ial\nS\n#$\n", 30), false, 10, "Line 10 of the file has a NUL byte" },
        { "#MOBILES\n#3000\ngnoll~\n~\n~\n~\ngnoll~\n0 0 0 0\n1 0 1d1+0 1d1+0 1d1+0 hit\n0 0 0 0\n0 0 0 0\n"
          "stand stand male 0\n0 0 medium 0\n#0\n#$\n",
            true, 2, "WARNING! The race 'gnoll'" },
    };
    for (const auto& [file, loads, line, text] : cases) {
        CArea area(Config);
        const int races = area.tables.mobFlags.Count();
        EXPECT_EQ(area.Load(file), loads) << text;
        ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
        const CDiagnostic& d = area.diagnostics.items[0];
        EXPECT_TRUE(d.messageBox && d.line == line && (loads ? d.severity == Severity::Warning : d.severity == Severity::Error && d.title == "Error!"))
            << d.text;
        EXPECT_EQ(d.text.rfind(text, 0), 0u) << d.text;
        EXPECT_EQ(area.tables.mobFlags.Count(), races + (loads ? 1 : 0));
    }
}
