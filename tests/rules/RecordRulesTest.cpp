#include "RulesFixture.h"

#include "edit/CAreaEditor.h"
#include "rules/CMobEditState.h"
#include "rules/CMobprogListState.h"
#include "rules/CMobprogState.h"
#include "rules/CResetEditState.h"
#include "rules/CRoomEditState.h"
#include "rules/CTrainEditState.h"
#include "text/TextReader.h"

#include <functional>

namespace {

class RecordRules : public RulesFixture {
protected:
    CMobEditState MobState(const CMobData& mob) const { return CMobEditState(mob, tables, doc.lowerVnum, doc.upperVnum, 0); }
};

} // namespace

TEST_F(RecordRules, MobOkRefusesInOrder)
{
    // the edit, the refusal, the field it names
    const std::tuple<std::function<void(CMobData&)>, const char*, MobField> cases[] = {
        { [](CMobData& m) { m.vnum = 2999; m.name.clear(); }, "VNum out or range! (3000 to 3099)", MobField::Vnum },
        { [](CMobData& m) { m.vnum = 3006; m.group = 7; }, "That vnum is in use!", MobField::Vnum },
        { [](CMobData& m) { m.group = 7; m.race.clear(); }, "Group out of range! (3000 to 3099, -1 or 0)", MobField::Group },
        { [](CMobData& m) { m.group = -1; m.race.clear(); m.name.clear(); }, "You must select a race\nfor this mob!", MobField::Race },
        { [](CMobData& m) { m.name.clear(); m.damType.clear(); }, "You must give a name to this mob!", MobField::Name },
        { [](CMobData& m) { m.damType.clear(); m.sex.clear(); }, "You must select a damage type\nfor this mob!", MobField::DamType },
        { [](CMobData& m) { m.startPos.clear(); }, "You must select an initial position\nfor this mob!", MobField::StartPos },
        { [](CMobData& m) { m.defaultPos.clear(); }, "You must select a default position\nfor this mob!", MobField::DefaultPos },
        { [](CMobData& m) { m.sex.clear(); m.size.clear(); }, "You must select a sex\nfor this mob!", MobField::Sex },
        { [](CMobData& m) { m.size.clear(); }, "You must select a size\nfor this mob!", MobField::Size },
        { [](CMobData& m) { m.material.clear(); }, "You must give a material to this mob!", MobField::Material },
        { [](CMobData& m) { m.special = "spec fido"; }, "A special function is one word: it cannot hold blanks!", MobField::Special },
        { [](CMobData& m) { m.group = 3050; }, "", MobField::None },
    };
    for (const auto& [set, message, field] : cases) {
        CMobData mob = doc.mobs[0];
        set(mob);
        const CMobEditState::CCheck check = MobState(mob).Check(doc);
        EXPECT_EQ(check.message, message);
        EXPECT_EQ(check.field, field) << message;
    }
    doc.lowerVnum = 0;
    CMobData zero = doc.mobs[0];
    zero.vnum = 0;
    EXPECT_EQ(MobState(zero).Check(doc).message, "VNum out or range! (1 to 3099)") << "vnum 0 would end the section";
}

TEST_F(RecordRules, MobRaceLevelStatsAndFinish)
{
    // A human soldier with act ABCF, aff BDFHT, off EFNU and one form
    // letter of the builder's own becomes a dwarf.
    const auto bits = [](const char* letters) {
        uint32_t value = 0;
        for (const char* c = letters; *c; ++c)
            value |= 1u << (*c - 'A');
        return value;
    };
    CMobData mob = doc.mobs[0];
    mob.race = "human", mob.act = bits("ABCF"), mob.aff = bits("BDFHT"), mob.off = bits("EFNU");
    mob.imm = mob.res = mob.vuln = 0;
    mob.form = bits("ACHMV"), mob.parts = bits("ABCDEFGHIJK"); // the human's form AHMV and C
    mob.mercSkills = { { 40, "dodge" }, { 0, "kick" } };
    CMobEditState state = MobState(mob);
    // The race, then act, aff, off, imm, res, vuln, form and parts.
    const auto sets = [&state] {
        const CMobData& m = state.mob;
        return m.race + " " + FlagsToLetters(m.act) + " " + FlagsToLetters(m.aff) + " " + FlagsToLetters(m.off) + " " + FlagsToLetters(m.imm) + " " + FlagsToLetters(m.res) + " " + FlagsToLetters(m.vuln) + " " + FlagsToLetters(m.form) + " " + FlagsToLetters(m.parts);
    };
    state.ChooseRace(FindByName(tables.mobFlags, "dwarf"));
    EXPECT_EQ(sets(), "dwarf ABCF BDFHJT EFNU 0 LQ R ACHMV ABCDEFGHIJK") << "sentinel, scavenger and detect_invis stay beside the dwarf's own flags";
    state.ChooseRace(FindByName(tables.mobFlags, "human"));
    EXPECT_EQ(sets(), "human ABCF BDFHT EFNU 0 0 0 ACHMV ABCDEFGHIJK") << "back to human: the dwarf's own flags go";
    state.mob.act = 0x2;
    const CMobData done = state.Finished();
    EXPECT_EQ(done.act, 0x3u) << "OK always sets letter A";
    ASSERT_EQ(done.mercSkills.size(), 1u) << "skills of value 0 are dropped";
    EXPECT_EQ(done.mercSkills[0].skill, "dodge");

    // Hit dice, the four armours, damage dice; "-" and the armour unchanged when the level has no row.
    const std::pair<int, const char*> levels[] = { { 1, "2d6+10 90 90 90 90 1d4+0" }, { 30, "6d12+853 -90 -90 -90 -90 4d6+8" },
        { 60, "50d10+9500 -300 -300 -300 -300 8d6+28" }, { 61, "- 4" }, { 0, "- 4" } };
    for (const auto& [level, expected] : levels) {
        state.mob.level = level;
        state.mob.ac = { 1, 2, 3, 4 };
        const CMobData& m = state.mob;
        EXPECT_EQ(state.ApplyLevelStats() ? Format("%id%i+%i %i %i %i %i %id%i+%i", { m.hitDice[0], m.hitDice[1], m.hitDice[2], m.ac[0], m.ac[1], m.ac[2], m.ac[3], m.damDice[0], m.damDice[1], m.damDice[2] })
                                          : Format("- %i", { m.ac[3] }),
            expected)
            << level;
    }
}

// A pasted mob keeps what the dialect or the mobprog setting cannot write,
// and its messages fit the MERCMSG table.
TEST_F(RecordRules, MobPasteKeepsWhatTheDialectCannotWrite)
{
    CMobData source = doc.mobs[0];
    source.vnum = 3011, source.clan = "rats", source.rank = 3, source.mercSkills = { { 50, "dodge" } };
    source.triggers = { { "greet", 3000, "100" } };
    source.mercMessages.resize(9, "extra");
    // dialect, mobprog setting, what the pasted mob then holds
    const std::tuple<MudType, int, const char*> cases[] = {
        { MudType::Quendar, 1, "3006 rats 3 6 dodge greet" },
        { MudType::RomOlc, 1, "3006 guild 2 6 kick greet" },
        { MudType::Quendar, 0, "3006 rats 3 6 dodge speech" },
    };
    for (const auto& [mudType, mobprog, expected] : cases) {
        tables.mudType = mudType, tables.mobprog = mobprog;
        CMobData target = doc.mobs[1];
        target.clan = "guild", target.rank = 2, target.mercSkills = { { 20, "kick" } }, target.trainerClass = "mage";
        target.triggers = { { "speech", 3001, "hi" } };
        CMobEditState state = MobState(target);
        state.ApplyPaste(source);
        const CMobData& m = state.mob;
        EXPECT_EQ(Format("%d %s %d %d %s %s", { m.vnum, m.clan, m.rank, static_cast<int>(m.mercMessages.size()), m.mercSkills.at(0).skill, m.triggers.at(0).trigger }),
            expected);
        EXPECT_EQ(m.trainerClass, "mage") << "trainer data never travels";
        EXPECT_EQ(m.name, "baker");
    }
}

TEST_F(RecordRules, TriggerTypeIsFoundIgnoringCaseAndKeptUnlessAnotherIsChosen)
{
    doc.mobprogs = { { 3000, "say hi\r\n" } };
    // the stored word, the type chosen (or none), the type shown, the word kept
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        { "GREET", nullptr, "greet", "GREET" },
        { "Speech", "speech", "speech", "Speech" },
        { "GREET", "act", "act", "act" },
        { "nonesuch", nullptr, "", "nonesuch" },
        { "", "random", "random", "random" },
    };
    for (const auto& [stored, pick, shown, kept] : cases) {
        CMobprogState state({ stored, 3000, "p" }, doc);
        const auto& names = state.TypeNames();
        if (pick)
            state.ChooseType(static_cast<int>(std::find(names.begin(), names.end(), pick) - names.begin()));
        EXPECT_EQ(state.ShownType() < 0 ? "" : names[static_cast<size_t>(state.ShownType())], shown) << stored;
        EXPECT_EQ(state.CanAccept(), *shown != 0) << stored << ": OK waits for a type";
        EXPECT_EQ(state.trigger.trigger, kept) << stored;
    }
    const CMobprogState state({ "greet", 3000, "" }, doc);
    EXPECT_TRUE(std::is_sorted(state.TypeNames().begin(), state.TypeNames().end(),
        [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); }));
    EXPECT_EQ(state.TypeNames().size(), static_cast<size_t>(tables.mobProgTrig.Count()));
    EXPECT_EQ(state.VnumNote(3000), "");
    EXPECT_EQ(state.VnumNote(0), "");
    EXPECT_EQ(state.VnumNote(4200), "No mobprog 4200 in this area: it must be in another one.");
}

TEST_F(RecordRules, MobprogListProposesFreeVnumsAndAsksAboutOrphanedTriggers)
{
    // the range, the vnums taken, the vnum proposed (-1: none)
    const std::tuple<int, int, std::vector<int>, int> cases[] = {
        { 3000, 3099, { 3002, 3000, 999 }, 3001 },
        { 0, 10, { 1, 2 }, 3 },
        { 0, 0, {}, -1 },
        { 3000, 3001, { 3000, 3001 }, -1 },
    };
    CAreaEditor editor(doc);
    for (const auto& [lower, upper, taken, expected] : cases) {
        doc.lowerVnum = lower, doc.upperVnum = upper;
        doc.mobprogs.clear();
        for (int vnum : taken)
            doc.mobprogs.push_back({ vnum, "" });
        CMobprogListState state(editor);
        EXPECT_EQ(state.FreeVnum(), expected) << lower << ".." << upper;
        EXPECT_EQ(state.AddNew() >= 0, expected >= 0);
        EXPECT_EQ(doc.mobprogs.size(), taken.size() + (expected >= 0 ? 1 : 0));
    }

    doc.lowerVnum = 3000, doc.upperVnum = 3099;
    doc.mobprogs = { { 3002, "" }, { 3000, "say a\r\n" }, { 999, "" } };
    doc.mobs[0].triggers = { { "greet", 3000, "100" }, { "act", 3002, "smiles" } };
    doc.mobs[1].triggers = { { "speech", 3000, "hello" } };
    CMobprogListState state(editor);
    EXPECT_EQ(state.Lines().size(), 3u);
    state.Choose(1);
    EXPECT_EQ(state.OrphanQuestion("Delete"), "2 triggers of mobs 3005, 3006 call mobprog 3000. Delete them too?");
    state.Choose(0);
    EXPECT_EQ(state.OrphanQuestion("Renumber"), "1 trigger of mob 3005 calls mobprog 3002. Renumber it too?");
    state.Choose(2);
    EXPECT_EQ(state.OrphanQuestion("Delete"), "") << "no trigger names 999";
    doc.mobprogs.push_back({ 3000, "" });
    state.Choose(1);
    EXPECT_EQ(state.OrphanQuestion("Delete"), "") << "a twin with the same vnum keeps the triggers answered";
    EXPECT_EQ(state.code, "say a\n") << "the box edits LF lines";
    state.vnum = 3002;
    EXPECT_TRUE(state.VnumChanged() && state.VnumDuplicated());
    EXPECT_EQ(state.FreeVnum(1), 3001);
    state.vnum = 4000;
    EXPECT_TRUE(state.VnumOutsideArea() && !state.VnumDuplicated());
    doc.lowerVnum = 0;
    EXPECT_EQ(state.NotPositiveMessage(), "Vnum fuera de rango! ( 1 a 3099 )");
}

TEST_F(RecordRules, RoomVnumIsCheckedAndTheResetsFollowIt)
{
    CRoomData room = doc.rooms[0];
    room.resets = { { 'M', 3005, 1, 3001, 1 }, { 'E', 3010, 1, 16, 1 }, { 'D', 3001, 1, 1, 0 }, { 'P', 3011, 1, 3001, 1 },
        { 'O', 3010, 0, 3001, 0 }, { 'R', 3001, 2, 0, 0 } };
    CRoomEditState state(room, doc.lowerVnum, doc.upperVnum, 0);
    // the vnum typed, the refusal
    const std::tuple<int, const char*> cases[] = {
        { 2999, "VNum out or range! (3000 to 3099)" },
        { 3100, "VNum out or range! (3000 to 3099)" },
        { 3002, "That vnum is in use!" },
        { 3001, "" },
        { 3040, "" },
    };
    for (const auto& [vnum, message] : cases) {
        state.SetVnum(vnum);
        EXPECT_EQ(state.CheckVnum(doc), message) << vnum;
    }
    std::string resets;
    for (const CResetData& reset : state.room.resets)
        resets += ResetArgs(reset) + " / ";
    EXPECT_EQ(resets, "M 3005 1 3040 1 / E 3010 1 16 1 / D 3040 1 1 0 / P 3011 1 3001 1 / O 3010 0 3040 0 / R 3040 2 0 0 / ")
        << "the vnum names the room, not E's position nor P's container";
}

TEST_F(RecordRules, ResetKindsStoreTheirArgumentsFromTheirDefaults)
{
    // the kind, the values set (first and second vnum, max, min, list, door),
    // the defaults shown (first vnum, max, min), the reset stored
    const std::tuple<char, int, int, int, int, int, int, const char*, const char*> cases[] = {
        { 'M', 3005, 0, 1, 1, 0, 0, "0 1 1", "M 3005 1 3001 1" },
        { 'O', 3010, 0, 7, 7, 0, 0, "0 0 0", "O 3010 0 3001 0" },
        { 'P', 3010, 3011, 2, 3, 0, 0, "0 1 1", "P 3010 2 3011 3" },
        { 'G', 3011, 0, 4, 2, 0, 0, "0 1 1", "G 3011 4 0 2" },
        { 'E', 3010, 0, 1, 1, 16, 0, "0 1 1", "E 3010 1 16 1" },
        { 'D', 0, 0, 0, 0, 3, 2, "0 0 0", "D 3001 3 2 0" },
        { 'R', 0, 0, 4, 0, 0, 0, "0 6 0", "R 3001 4 0 0" }, // Max: the exits shuffled
    };
    for (const auto& [kind, first, second, max, min, list, door, defaults, stored] : cases) {
        CResetEditState state({ 'G', 3010, 3, 0, 2 }, 3001);
        state.SelectKind('G');
        state.SelectKind(kind);
        EXPECT_EQ(Format("%i %i %i", { state.firstVnum, state.max, state.min }), defaults) << kind;
        state.firstVnum = first, state.secondVnum = second, state.max = max, state.min = min;
        state.listValue = list, state.doorState = door;
        EXPECT_EQ(ResetArgs(state.Stored()), stored) << kind;
    }
    // The first set-up keeps the reset's own arguments; -1 is no limit.
    for (const auto& [reset, stored] : { std::pair { CResetData { 'D', 1234, 2, 1, 77 }, "D 3002 2 1 0" },
             { CResetData { 'E', 3010, -1, 16, -1 }, "E 3010 -1 16 -1" }, { CResetData { 'R', 3001, 2, 0, 0 }, "R 3002 2 0 0" },
             { CResetData { 'P', 30119, 3, 3010, 2 }, "P 30119 3 3010 2" } }) {
        CResetEditState state(reset, 3002);
        state.SelectKind(reset.command);
        EXPECT_EQ(ResetArgs(state.Stored()), stored);
    }
    CResetEditState none({ 0, 0, 0, 0, 0 }, 3001);
    EXPECT_FALSE(none.SelectKind(0).okEnabled) << "a new reset has no kind: only Cancel ends it";
}

TEST_F(RecordRules, TrainStopsAreAddedInsertedMovedAndDeletedInRouteOrder)
{
    CTrainEditState state({ { 3001, 0, 1, "in", "out" }, { 5000, 0, 2, "", "" }, { 3002, 0x1, 3, "", "" }, { 3003, 0, 4, "", "" } });
    const auto lines = [&] {
        std::string out;
        for (int i = 0; i < static_cast<int>(state.stops.size()); ++i)
            out += state.Line(doc, i) + (i == state.chosen ? "*|" : "|");
        return out;
    };
    EXPECT_EQ(lines(), "0\t3001 Room 3001*|1\t5000 |2\t3002 Room 3002|3\t3003 Room 3003|") << "5000 is not in the area; the first is chosen";
    state.Choose(1);
    state.Delete();
    EXPECT_EQ(lines(), "0\t3001 Room 3001|1\t3002 Room 3002*|2\t3003 Room 3003|") << "the later stops move up";
    state.MoveUp();
    EXPECT_EQ(lines(), "0\t3002 Room 3002*|1\t3001 Room 3001|2\t3003 Room 3003|") << "the moved stop stays chosen";
    EXPECT_FALSE(state.CanMoveUp());
    state.Insert();
    state.Chosen()->room = 3003;
    state.Choose(3);
    EXPECT_FALSE(state.CanMoveDown());
    state.Delete();
    state.New();
    EXPECT_EQ(lines(), "0\t3003 Room 3003|1\t3002 Room 3002|2\t3001 Room 3001|3\t0 *|");
    EXPECT_EQ(state.stops[1].flags, 0x1u) << "the stop that was 3002 keeps its flags";
}
