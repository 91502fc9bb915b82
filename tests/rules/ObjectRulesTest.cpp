#include "RulesFixture.h"

#include "area/ObjectRecord.h"
#include "rules/CObjectEditState.h"
#include "rules/ObjectValueSlots.h"

namespace {

class ObjectRules : public RulesFixture {
protected:
    CObjectEditState State(const CObjData& obj, int ownIndex = 0) const
    {
        return CObjectEditState(tables, obj, doc.lowerVnum, doc.upperVnum, ownIndex);
    }
    CObjData Object(const char* type) const { return Thing(tables, type); }
};

} // namespace

// What a slot shows for the stored value and what a choice or a flag list
// commits; whatever the controls do not show stays.
TEST_F(ObjectRules, ValueSlotsShowAndCommitByKind)
{
    // the type, the slot, the number and text stored, the choice shown ("-"
    // for none), the choice made (or none), the number and text committed
    const std::tuple<const char*, int, int32_t, const char*, const char*, const char*, int32_t, const char*> cases[] = {
        // L: names; a name no entry has shows nothing and stays.
        { "weapon", 0, 0, "sword", "sword", "dagger", 0, "dagger" },
        { "weapon", 0, 0, "rapier", "-", nullptr, 0, "rapier" },
        { "weapon", 0, 0, "sword", "sword", "", 0, "" },
        // O: shows the entry's text, stores its name.
        { "weapon", 3, 0, "none", "hit", "stab", 0, "stab" },
        // B and E: a stored 3 shows Yes and stays 3 until No is chosen.
        { "drink", 3, 3, "", "Yes", "Yes", 3, "" },
        { "drink", 3, 3, "", "Yes", "No", 0, "" },
        { "food", 3, 0, "", "No", "Yes", 1, "" },
        // U: numbers, the empty choice is -1.
        { "gadget", 2, 9, "", "high", nullptr, 9, "" },
        { "gadget", 2, 9, "", "high", "", -1, "" },
    };
    for (const auto& [type, slot, storedNumber, storedText, shownChoice, pick, committed, committedText] : cases) {
        const std::string where = std::string(type) + " slot " + std::to_string(slot) + " " + storedText;
        CObjectEditState state = State(Object(type));
        const char kind = state.Kind(slot);
        ASSERT_EQ(ControlOfKind(kind), SlotControl::Choice) << where;
        const std::vector<CSlotChoice> choices = SlotChoices(kind, state.SlotTable(slot));
        const int shown = ChoiceOfValue(kind, choices, storedNumber, storedText);
        EXPECT_EQ(shown < 0 ? "-" : choices[static_cast<size_t>(shown)].shown, shownChoice) << where;
        int32_t number = storedNumber;
        std::string text = storedText;
        if (pick) {
            const char* const picked = pick; // a lambda cannot take a structured binding
            const auto chosen = std::find_if(choices.begin(), choices.end(), [picked](const CSlotChoice& s) { return s.shown == picked; });
            ASSERT_NE(chosen, choices.end()) << where << " offers no " << pick;
            CommitChoice(kind, *chosen, number, text);
        }
        EXPECT_EQ(number, committed) << where;
        EXPECT_EQ(text, committedText) << where;
    }
}

TEST_F(ObjectRules, FlagListsAndPartsKeepTheBitsTheyDoNotShow)
{
    CObjectEditState weapon = State(Object("weapon"));
    // chapel 3428: a bit no weapon flag names must survive an edit (flaming 0x1 off, frost 0x2 on).
    EXPECT_EQ(CommitNamedFlags(0x80000001u, weapon.SlotTable(4), 0x2u), 0x80000002u);
    CObjectEditState gadget = State(Object("gadget"));
    EXPECT_EQ(CommitNamedFlags(0x10 | 0x4, gadget.SlotTable(3), 0x1), 0x10u | 0x1u);
    const int32_t parts = static_cast<int32_t>(0x81000000u | (5 << 12) | 7);
    EXPECT_EQ(LowPart(parts), 7);
    EXPECT_EQ(HighPart(parts), 5);
    EXPECT_EQ(JoinParts(parts, 7, 9), static_cast<int32_t>(0x81000000u | (9 << 12) | 7)) << "the bits above and the sign stay";
}

TEST_F(ObjectRules, OkRefusesInOrder)
{
    const auto with = [this](int vnum, int type, const char* name) {
        CObjData obj = Object("light");
        obj.vnum = vnum, obj.itemType = type < 0 ? obj.itemType : type, obj.name = name;
        return obj;
    };
    const auto withVnum = [&with](int vnum) { return with(vnum, -1, "thing"); };
    using F = CObjectEditState::Field;
    // the object, the range's lower end, the field refused and why
    const std::tuple<CObjData, int, F, const char*> cases[] = {
        { withVnum(2999), 3000, F::Vnum, "VNum out or range! (3000 to 3099)" },
        { withVnum(3100), 3000, F::Vnum, "VNum out or range! (3000 to 3099)" },
        // Vnum 0 ends the objects section in the file, even where the range starts at 0.
        { withVnum(0), 0, F::Vnum, "VNum out or range! (0 to 3099)" },
        { withVnum(3011), 3000, F::Vnum, "That vnum is in use!" },
        { withVnum(3012), 3000, F::None, "" },
        { with(3010, 77, "thing"), 3000, F::Type, "You must select a type\nfor this object!" }, // a type the tables lack
        { with(3010, 0, "thing"), 3000, F::Type, "You must select a type\nfor this object!" },
        { with(3010, -1, ""), 3000, F::Name, "You must give this object a name!" },
        { Object("light"), 3000, F::None, "" }, // its own vnum is not in use
    };
    for (const auto& [obj, lower, field, message] : cases) {
        doc.lowerVnum = lower;
        const CObjectEditState::CRefusal refusal = State(obj).Check(doc);
        EXPECT_EQ(refusal.message, message) << obj.vnum;
        EXPECT_EQ(refusal.field, field) << message;
    }
}

TEST_F(ObjectRules, AffectsKeepKindsLocationsAndBitsTheListsDoNotShow)
{
    CObjData obj = Object("armor");
    obj.affects = { { 1, 0, 0, 0x2 | 0x40000000 }, { 9, 99, -3, 0x1 } };
    CObjectEditState state = State(obj);
    state.CommitAffect(0, 1, 0, 0, 0x2 | 0x4);
    EXPECT_EQ(state.obj.affects[0].bits, 0x2u | 0x4u | 0x40000000u) << "a bit no flag names stays";
    state.CommitAffect(1, -1, -1, 100000, 0x1);
    EXPECT_EQ(state.obj.affects[1].where * 1000 + state.obj.affects[1].location, 9099) << "no choice shown keeps kind and location";
    EXPECT_EQ(state.obj.affects[1].modifier, 100000);
    state.ChangeAffectKind(0, 2);
    EXPECT_EQ(state.obj.affects[0].bits, 0u) << "another kind clears the flags";
    EXPECT_EQ(state.AddAffect(), 2);
    EXPECT_TRUE(state.DeleteAffect(0));
    EXPECT_FALSE(state.DeleteAffect(2));
    EXPECT_EQ(state.obj.affects[0].location, 99);
}

TEST_F(ObjectRules, ConditionTypeChangeAndFinish)
{
    CObjData obj = Object("weapon");
    obj.condition = "X", obj.values[1] = 4, obj.valueTexts[0] = "sword";
    CObjectEditState state = State(obj);
    EXPECT_EQ(state.ConditionChoice(), -1) << "a text no choice matches";
    state.Finish();
    EXPECT_EQ(state.obj.condition, "X");
    state.obj.condition = "";
    state.Finish();
    EXPECT_EQ(state.obj.condition, "P") << "an empty condition made the game stop";
    state.ChangeType(TypeValue("treasure"));
    EXPECT_EQ(state.FirstUsedSlot(), -1);
    EXPECT_EQ(state.obj.values[1], 0) << "another type clears the values";
    EXPECT_EQ(state.obj.valueTexts[0], "");
}

TEST_F(ObjectRules, PasteIsAllOrNothingKeepsTheVnumAndTrainStopsOutsideQuendar)
{
    CObjData source = Object("drink");
    source.vnum = 3077, source.trainStops = { { 3001, 0, 5, "in", "out" } }, source.condition = "";
    const std::vector<uint8_t> whole = WriteObjectRecord(source);
    CObjData target = Object("light");
    target.trainStops = { { 3002, 0, 1, "", "" } };

    CObjectEditState state = State(target);
    EXPECT_FALSE(state.Paste(whole.data(), whole.size() - 3));
    EXPECT_EQ(WriteObjectRecord(state.obj), WriteObjectRecord(target)) << "a truncated record changes nothing";
    for (MudType mudType : { MudType::Quendar, MudType::RomOlc }) {
        tables.mudType = mudType;
        CObjectEditState pasted = State(target);
        ASSERT_TRUE(pasted.Paste(whole.data(), whole.size()));
        EXPECT_EQ(pasted.obj.vnum, 3010) << "the vnum never travels";
        EXPECT_EQ(pasted.obj.itemType, source.itemType);
        EXPECT_EQ(pasted.obj.trainStops[0].room, mudType == MudType::Quendar ? 3001 : 3002) << "train stops are QUENDAR's";
        EXPECT_EQ(pasted.obj.condition, "P");
    }
}
