#include "player/PlayerModel.h"

#include "player/PlayerWorld.h"

#include "area/CTolvexDoc.h"
#include "area/ResetKinds.h"
#include "config/ConfigTables.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <set>

namespace {

const char* const DirNames[DirectionCount] = { "north", "east", "south", "west", "up", "down" };

// where_name: each label padded to 20 columns.
const char* const WhereNames[WearSlots] = {
    "<used as light>     ",
    "<worn on finger>    ",
    "<worn on finger>    ",
    "<worn around neck>  ",
    "<worn around neck>  ",
    "<worn on torso>     ",
    "<worn on head>      ",
    "<worn on legs>      ",
    "<worn on feet>      ",
    "<worn on hands>     ",
    "<worn on arms>      ",
    "<worn as shield>    ",
    "<worn about body>   ",
    "<worn about waist>  ",
    "<worn around wrist> ",
    "<worn around wrist> ",
    "<wielded>           ",
    "<held>              ",
    "<floating nearby>   ",
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string UpperFirst(std::string text)
{
    if (!text.empty())
        text[0] = Upper(text[0]);
    return text;
}

// one_argument: the next word in lower case, a quoted one whole; `rest`
// keeps what follows.
std::string OneArgument(std::string& rest)
{
    size_t at = 0;
    while (at < rest.size() && IsSpace(rest[at]))
        ++at;
    char end = ' ';
    if (at < rest.size() && (rest[at] == '\'' || rest[at] == '"'))
        end = rest[at++];
    std::string word;
    while (at < rest.size()) {
        if (rest[at] == end) {
            ++at;
            break;
        }
        word += Lower(rest[at++]);
    }
    while (at < rest.size() && IsSpace(rest[at]))
        ++at;
    rest.erase(0, at);
    return word;
}

// Whether `part` begins `word`, in any case (the server's str_prefix, the
// other way round).
bool Begins(const std::string& part, const std::string& word)
{
    if (part.size() > word.size())
        return false;
    for (size_t i = 0; i < part.size(); ++i)
        if (Lower(part[i]) != Lower(word[i]))
            return false;
    return true;
}

// is_name: every word of `text` begins a word of `names` (or the whole text does).
bool IsName(const std::string& text, const std::string& names)
{
    if (names.empty() || text.empty())
        return false;
    std::string parts = text;
    for (;;) {
        const std::string part = OneArgument(parts);
        if (part.empty())
            return true;
        std::string list = names;
        for (;;) {
            const std::string name = OneArgument(list);
            if (name.empty())
                return false;
            if (Begins(text, name))
                return true;
            if (Begins(part, name))
                break;
        }
    }
}

// number_argument: "2.sphinx" is the second sphinx.
int NumberArgument(const std::string& argument, std::string& word)
{
    const size_t dot = argument.find('.');
    if (dot == std::string::npos) {
        word = argument;
        return 1;
    }
    word = argument.substr(dot + 1);
    return std::atoi(argument.substr(0, dot).c_str());
}

int DirectionOfWord(const std::string& word)
{
    for (int d = 0; d < DirectionCount; ++d)
        if (word == DirNames[d] || (word.size() == 1 && word[0] == DirNames[d][0]))
            return d;
    return -1;
}

// What act prints for $d: the first keyword, or "door".
std::string DoorName(const std::string& keyword)
{
    std::string rest = keyword;
    const std::string first = OneArgument(rest);
    return first.empty() ? "door" : first;
}

// The text of the position a mob starts in, found as position_lookup does.
std::string PositionText(const std::string& position)
{
    static const std::pair<const char*, const char*> positions[] = {
        { "dead", " is DEAD!!" },
        { "mortally wounded", " is mortally wounded." },
        { "incapacitated", " is incapacitated." },
        { "stunned", " is lying here stunned." },
        { "sleeping", " is sleeping here." },
        { "resting", " is resting here." },
        { "sitting", " is sitting here." },
        { "fighting", " is here, fighting thin air??" },
        { "standing", " is here." },
    };
    if (position.empty())
        return std::string();
    for (const auto& [name, text] : positions)
        if (Lower(position[0]) == name[0] && Begins(position, name))
            return text;
    return std::string();
}

} // namespace

struct CPlayerModel::CState {
    explicit CState(const CConfigTables& tables)
        : flags(tables)
    {
    }

    CPlayerWorld world;
    CPlayerFlags flags;
    int room = 0;
    // Notes of the boot, and those the looks added since.
    mutable std::vector<CPlayerNote> notes;

    void Boot();
    void Note(int room, const std::string& text) const;

    const CRoomThing& Here() const { return *world.Room(room); }
    bool Dark(const CRoomThing& where) const { return where.light <= 0 && (where.data->roomFlags & flags.roomDark); }
    const CRoomThing* ExitRoom(const CRoomThing& from, int direction) const;
    bool CanSeeRoom(const CRoomThing& room) const;
    bool CanSeeMob(const CMobThing& mob) const;
    bool CanSeeObj(const CObjThing& obj) const;
    bool Private(const CRoomThing& room) const;

    std::string FormatObj(const CObjThing& obj, bool brief) const;
    std::string ShowList(const std::vector<int>& list, bool brief, bool showNothing) const;
    std::string ShowMobLine(const CMobThing& mob) const;
    std::string ShowPeople(const CRoomThing& room) const;
    std::string ShowMob(const CMobThing& mob) const;
    std::string Look() const;
    std::string LookAt(std::string arguments) const;
    std::string LookIn(const std::string& argument) const;
    std::string LookDirection(int direction) const;
    std::string Exits(bool brief) const;
    std::string Move(int direction);
    std::string OpenOrClose(const std::string& argument, bool open);
    const CMobThing* FindMob(const std::string& argument) const;
    // The id of the object on the floor, or -1.
    int FindObjHere(const std::string& argument) const;
    int FindDoor(const std::string& argument, std::string& refusal) const;
};

void CPlayerModel::CState::Boot()
{
    BootWorld(world, flags);
    notes = world.notes;
}

void CPlayerModel::CState::Note(int vnum, const std::string& text) const
{
    for (const CPlayerNote& note : notes)
        if (note.room == vnum && note.text == text)
            return;
    notes.push_back({ vnum, text });
}

const CRoomThing* CPlayerModel::CState::ExitRoom(const CRoomThing& from, int direction) const
{
    const CExitData& exit = from.data->exits[static_cast<size_t>(direction)];
    if (!CPlayerWorld::HasExit(exit) || exit.toVnum <= 0)
        return nullptr;
    return world.Room(exit.toVnum);
}

bool CPlayerModel::CState::CanSeeRoom(const CRoomThing& target) const
{
    const uint32_t forbidden = flags.roomImpOnly | flags.roomGodsOnly | flags.roomHeroesOnly;
    return !(target.data->roomFlags & forbidden) && target.data->clan.empty();
}

bool CPlayerModel::CState::CanSeeMob(const CMobThing& mob) const
{
    if (Dark(Here()))
        return false;
    if (mob.aff & (flags.affInvisible | flags.affHide))
        return false;
    if (mob.aff & flags.affSneak)
        Note(room, mob.proto->shortDesc + " (" + std::to_string(mob.proto->vnum) + ") sneaks: the server shows it only some of the time");
    return true;
}

bool CPlayerModel::CState::CanSeeObj(const CObjThing& obj) const
{
    if (obj.extraFlags & flags.extraVisDeath)
        return false;
    if (obj.proto->itemType == flags.typeLight && obj.proto->values[2] != 0)
        return true;
    if (obj.extraFlags & flags.extraInvis)
        return false;
    if (obj.extraFlags & flags.extraGlow)
        return true;
    return !Dark(Here());
}

bool CPlayerModel::CState::Private(const CRoomThing& target) const
{
    if (!target.data->owner.empty())
        return true;
    const size_t count = target.people.size();
    return ((target.data->roomFlags & flags.roomPrivate) && count >= 2)
        || ((target.data->roomFlags & flags.roomSolitary) && count >= 1)
        || (target.data->roomFlags & flags.roomImpOnly);
}

namespace {

// The extra description the server finds first: the list is built from the
// head, so a later one in the file comes before an earlier one.
const std::string* ExtraDescription(const std::string& word, const std::vector<CExtraDescData>& descs)
{
    for (auto it = descs.rbegin(); it != descs.rend(); ++it)
        if (IsName(word, it->keyword))
            return &it->description;
    return nullptr;
}

// The server's marks before a thing's line, in its order, for the bits set.
std::string Marks(uint32_t bits, std::initializer_list<std::pair<uint32_t, const char*>> marks)
{
    std::string text;
    for (const auto& [bit, mark] : marks)
        if (bits & bit)
            text += mark;
    return text;
}

} // namespace

std::string CPlayerModel::CState::FormatObj(const CObjThing& obj, bool brief) const
{
    if ((brief && obj.proto->shortDesc.empty()) || obj.proto->longDesc.empty())
        return std::string();
    const std::string text = Marks(obj.extraFlags,
        { { flags.extraInvis, "(Invis) " }, { flags.extraGlow, "(Glowing) " }, { flags.extraHum, "(Humming) " } });
    return text + (brief ? obj.proto->shortDesc : obj.proto->longDesc);
}

// show_list_to_char with combine on: identical lines counted, in the order
// each first appears.
std::string CPlayerModel::CState::ShowList(const std::vector<int>& list, bool brief, bool showNothing) const
{
    std::vector<std::pair<std::string, int>> shown;
    for (int id : list) {
        const CObjThing& obj = world.objs[static_cast<size_t>(id)];
        if (!CanSeeObj(obj))
            continue;
        const std::string text = FormatObj(obj, brief);
        auto same = std::find_if(shown.rbegin(), shown.rend(), [&](const auto& s) { return s.first == text; });
        if (same != shown.rend())
            ++same->second;
        else
            shown.push_back({ text, 1 });
    }
    std::string out;
    for (const auto& [text, count] : shown) {
        if (text.empty())
            continue;
        if (count != 1) {
            char prefix[16];
            std::snprintf(prefix, sizeof prefix, "(%2d) ", count);
            out += prefix;
        } else {
            out += "     ";
        }
        out += text + "\n";
    }
    if (showNothing && shown.empty())
        out += "     Nothing.\n";
    return out;
}

std::string CPlayerModel::CState::ShowMobLine(const CMobThing& mob) const
{
    const std::string text = Marks(mob.aff,
        { { flags.affCharm, "(Charmed) " }, { flags.affPassDoor, "(Translucent) " }, { flags.affFaerieFire, "(Pink Aura) " },
            { flags.affSanctuary, "(White Aura) " } });
    // A mob stands as it started at boot: its long description, as the
    // server capitalised it when loading.
    if (!mob.proto->longDesc.empty())
        return text + UpperFirst(mob.proto->longDesc);
    return UpperFirst(text + mob.proto->shortDesc + PositionText(mob.proto->startPos) + "\n");
}

std::string CPlayerModel::CState::ShowPeople(const CRoomThing& here) const
{
    std::string out;
    for (int id : here.people) {
        const CMobThing& mob = world.mobs[static_cast<size_t>(id)];
        if (CanSeeMob(mob))
            out += ShowMobLine(mob);
        else if (Dark(here) && (mob.aff & flags.affInfrared))
            out += "You see glowing red eyes watching YOU!\n";
    }
    return out;
}

std::string CPlayerModel::CState::ShowMob(const CMobThing& mob) const
{
    std::string out;
    if (!mob.proto->description.empty()) {
        out += UpperFirst(mob.proto->description);
    } else {
        const std::string& sex = mob.proto->sex;
        if (sex == "either")
            Note(room, mob.proto->shortDesc + " (" + std::to_string(mob.proto->vnum) + ") is male or female at random: the server may say her");
        out += std::string("You see nothing special about ") + (sex == "male" || sex == "either" ? "him" : sex == "female" ? "her"
                                                                                                                           : "it")
            + ".\n";
    }
    // Full hit points at boot: a mob whose dice can give none or fewer is dying.
    const std::array<int, 3>& hit = mob.proto->hitDice;
    const int fewest = (hit[1] == 0 ? 0 : hit[0]) + hit[2];
    const int most = (hit[1] == 0 ? 0 : hit[0] * hit[1]) + hit[2];
    if (fewest <= 0 && most > 0)
        Note(room, mob.proto->shortDesc + " (" + std::to_string(mob.proto->vnum) + ") may be born with no hit points: the server may say it is bleeding to death");
    out += UpperFirst(mob.proto->shortDesc) + (fewest > 0 || most > 0 ? " is in excellent condition.\n" : " is bleeding to death.\n");
    bool found = false;
    for (int slot = 0; slot < WearSlots; ++slot) {
        const int id = mob.worn[static_cast<size_t>(slot)];
        if (id < 0 || !CanSeeObj(world.objs[static_cast<size_t>(id)]))
            continue;
        if (!found) {
            out += "\n" + UpperFirst(mob.proto->shortDesc) + " is using:\n";
            found = true;
        }
        out += std::string(WhereNames[slot]) + FormatObj(world.objs[static_cast<size_t>(id)], true) + "\n";
    }
    return out;
}

std::string CPlayerModel::CState::Exits(bool brief) const
{
    const CRoomThing& here = Here();
    std::string out = brief ? "[Exits:" : "Obvious exits:\n";
    bool found = false;
    for (int d = 0; d < DirectionCount; ++d) {
        const CRoomThing* to = ExitRoom(here, d);
        if (!to || !CanSeeRoom(*to) || (here.exitFlags[static_cast<size_t>(d)] & flags.exitClosed))
            continue;
        found = true;
        if (brief) {
            out += std::string(" ") + DirNames[d];
        } else {
            std::string label = UpperFirst(DirNames[d]);
            label.resize(std::max<size_t>(label.size(), 5), ' ');
            out += label + " - " + (Dark(*to) ? std::string("Too dark to tell") : to->data->name) + "\n";
        }
    }
    if (!found)
        out += brief ? " none" : "None.\n";
    if (brief)
        out += "]\n";
    return out;
}

std::string CPlayerModel::CState::Look() const
{
    const CRoomThing& here = Here();
    // No room name in the dark: only the eyes that see in it.
    if (Dark(here))
        return "It is pitch black ... \n" + ShowPeople(here);
    return here.data->name + "\n  " + here.data->description + "\n" + Exits(true) + ShowList(here.contents, false, false)
        + ShowPeople(here);
}

const CMobThing* CPlayerModel::CState::FindMob(const std::string& argument) const
{
    std::string word;
    const int number = NumberArgument(argument, word);
    int count = 0;
    for (int id : Here().people) {
        const CMobThing& mob = world.mobs[static_cast<size_t>(id)];
        if (CanSeeMob(mob) && IsName(word, mob.proto->name) && ++count == number)
            return &mob;
    }
    return nullptr;
}

int CPlayerModel::CState::FindObjHere(const std::string& argument) const
{
    std::string word;
    const int number = NumberArgument(argument, word);
    int count = 0;
    for (int id : Here().contents) {
        const CObjThing& obj = world.objs[static_cast<size_t>(id)];
        if (CanSeeObj(obj) && IsName(word, obj.proto->name) && ++count == number)
            return id;
    }
    return -1;
}

std::string CPlayerModel::CState::LookAt(std::string arguments) const
{
    std::string first = OneArgument(arguments);
    if (first == "at")
        first = OneArgument(arguments);
    const std::string second = OneArgument(arguments);
    const CRoomThing& here = Here();
    if (Dark(here))
        return "It is pitch black ... \n" + ShowPeople(here);
    if (first.empty() || first == "auto")
        return Look();
    if (first == "i" || first == "in" || first == "on")
        return LookIn(second);
    if (const CMobThing* mob = FindMob(first))
        return ShowMob(*mob);
    std::string word;
    const int number = NumberArgument(first, word);
    int count = 0;
    for (int id : here.contents) {
        const CObjThing& obj = world.objs[static_cast<size_t>(id)];
        if (!CanSeeObj(obj))
            continue;
        if (const std::string* text = ExtraDescription(word, obj.proto->extraDescs))
            if (++count == number)
                return *text;
        if (IsName(word, obj.proto->name) && ++count == number)
            return obj.proto->longDesc + "\n";
    }
    if (const std::string* text = ExtraDescription(word, here.data->extraDescs))
        if (++count == number)
            return *text;
    if (count > 0 && count != number)
        return count == 1 ? "You only see one " + word + " here.\n" : "You only see " + std::to_string(count) + " of those here.\n";
    const int direction = DirectionOfWord(first);
    if (direction < 0)
        return "You do not see that here.\n";
    return LookDirection(direction);
}

std::string CPlayerModel::CState::LookIn(const std::string& argument) const
{
    if (argument.empty())
        return "Look in what?\n";
    const int id = FindObjHere(argument);
    if (id < 0)
        return "You do not see that here.\n";
    const CObjThing* obj = &world.objs[static_cast<size_t>(id)];
    if (obj->proto->itemType != flags.typeContainer)
        return "That is not a container.\n";
    if (obj->value1 & flags.containerClosed)
        return "It is closed.\n";
    return UpperFirst(obj->proto->shortDesc) + " holds:\n" + ShowList(obj->contents, true, true);
}

std::string CPlayerModel::CState::LookDirection(int direction) const
{
    const CRoomThing& here = Here();
    const CExitData& exit = here.data->exits[static_cast<size_t>(direction)];
    if (!CPlayerWorld::HasExit(exit))
        return "Nothing special there.\n";
    std::string out = exit.description.empty() ? "Nothing special there.\n" : exit.description;
    const uint32_t door = here.exitFlags[static_cast<size_t>(direction)];
    if (!exit.keyword.empty() && exit.keyword[0] != ' ') {
        if (door & flags.exitClosed)
            out += "The " + DoorName(exit.keyword) + " is closed.\n";
        else if (door & flags.exitDoor)
            out += "The " + DoorName(exit.keyword) + " is open.\n";
    }
    return out;
}

std::string CPlayerModel::CState::Move(int direction)
{
    const CRoomThing& here = Here();
    const CRoomThing* to = ExitRoom(here, direction);
    if (!to || !CanSeeRoom(*to))
        return "Alas, you cannot go that way.\n";
    if (here.exitFlags[static_cast<size_t>(direction)] & flags.exitClosed)
        return "The " + DoorName(here.data->exits[static_cast<size_t>(direction)].keyword) + " is closed.\n";
    if (Private(*to))
        return "That room is private right now.\n";
    if (flags.sectorAir >= 0 && (here.data->sector == flags.sectorAir || to->data->sector == flags.sectorAir))
        return "You can't fly.\n";
    // The player carries nothing, so no boat either.
    if (flags.sectorNoSwim >= 0 && (here.data->sector == flags.sectorNoSwim || to->data->sector == flags.sectorNoSwim))
        return "You need a boat to go there.\n";
    room = to->data->vnum;
    return Look();
}

int CPlayerModel::CState::FindDoor(const std::string& argument, std::string& refusal) const
{
    const CRoomThing& here = Here();
    const int direction = DirectionOfWord(argument);
    if (direction < 0) {
        for (int d = 0; d < DirectionCount; ++d) {
            const CExitData& exit = here.data->exits[static_cast<size_t>(d)];
            if (CPlayerWorld::HasExit(exit) && (here.exitFlags[static_cast<size_t>(d)] & flags.exitDoor) && IsName(argument, exit.keyword))
                return d;
        }
        refusal = "I see no " + argument + " here.\n";
        return -1;
    }
    if (!CPlayerWorld::HasExit(here.data->exits[static_cast<size_t>(direction)])) {
        refusal = "I see no door " + argument + " here.\n";
        return -1;
    }
    if (!(here.exitFlags[static_cast<size_t>(direction)] & flags.exitDoor)) {
        refusal = "You can't do that.\n";
        return -1;
    }
    return direction;
}

std::string CPlayerModel::CState::OpenOrClose(const std::string& argument, bool open)
{
    if (argument.empty())
        return open ? "Open what?\n" : "Close what?\n";
    if (const int id = FindObjHere(argument); id >= 0) {
        CObjThing* obj = &world.objs[static_cast<size_t>(id)];
        const std::string name = obj->proto->shortDesc;
        if (obj->proto->itemType == flags.typePortal) {
            if (!(obj->value1 & flags.exitDoor) || (!open && (obj->value1 & flags.exitNoClose)))
                return "You can't do that.\n";
            if (open != bool(obj->value1 & flags.exitClosed))
                return open ? "It's already open.\n" : "It's already closed.\n";
            if (open && (obj->value1 & flags.exitLocked))
                return "It's locked.\n";
            obj->value1 = open ? obj->value1 & ~flags.exitClosed : obj->value1 | flags.exitClosed;
            return (open ? "You open " : "You close ") + name + ".\n";
        }
        if (obj->proto->itemType != flags.typeContainer)
            return "That's not a container.\n";
        if (open != bool(obj->value1 & flags.containerClosed))
            return open ? "It's already open.\n" : "It's already closed.\n";
        if (!(obj->value1 & flags.containerCloseable))
            return "You can't do that.\n";
        if (open && (obj->value1 & flags.containerLocked))
            return "It's locked.\n";
        obj->value1 = open ? obj->value1 & ~flags.containerClosed : obj->value1 | flags.containerClosed;
        return (open ? "You open " : "You close ") + name + ".\n";
    }
    std::string refusal;
    const int direction = FindDoor(argument, refusal);
    if (direction < 0)
        return refusal;
    CRoomThing& here = *world.Room(room);
    uint32_t& door = here.exitFlags[static_cast<size_t>(direction)];
    if (open != bool(door & flags.exitClosed))
        return open ? "It's already open.\n" : "It's already closed.\n";
    if (open && (door & flags.exitLocked))
        return "It's locked.\n";
    door = open ? door & ~flags.exitClosed : door | flags.exitClosed;
    // The other side when it leads back here.
    const CExitData& exit = here.data->exits[static_cast<size_t>(direction)];
    if (CRoomThing* to = exit.toVnum > 0 ? world.Room(exit.toVnum) : nullptr) {
        const int back = OppositeDirection(direction);
        const CExitData& reverse = to->data->exits[static_cast<size_t>(back)];
        if (CPlayerWorld::HasExit(reverse) && reverse.toVnum == room) {
            uint32_t& other = to->exitFlags[static_cast<size_t>(back)];
            other = open ? other & ~flags.exitClosed : other | flags.exitClosed;
        }
    }
    return "Ok.\n";
}

CPlayerModel::CPlayerModel(const CConfigTables& tables, const std::vector<CWorldArea>& areas)
    : state(std::make_unique<CState>(tables))
{
    CPlayerWorld& world = state->world;
    std::vector<std::vector<size_t>> roomsOfArea(areas.size());
    size_t rooms = 0, objects = 0, mobs = 0;
    for (const CWorldArea& area : areas) {
        rooms += area.doc->rooms.size();
        objects += area.doc->objects.size();
        mobs += area.doc->mobs.size();
    }
    // The protos point into these lists: they must not move once filled.
    world.roomRecords.reserve(rooms);
    world.objRecords.reserve(objects);
    world.mobRecords.reserve(mobs);
    for (size_t a = 0; a < areas.size(); ++a) {
        const CTolvexDoc& doc = *areas[a].doc;
        roomsOfArea[a].reserve(doc.rooms.size());
        for (const CRoomData& room : doc.rooms) {
            roomsOfArea[a].push_back(world.roomRecords.size());
            world.roomRecords.push_back(room);
        }
        world.objRecords.insert(world.objRecords.end(), doc.objects.begin(), doc.objects.end());
        world.mobRecords.insert(world.mobRecords.end(), doc.mobs.begin(), doc.mobs.end());
        world.strayResets.push_back(doc.strayResets);
    }
    for (const CObjData& obj : world.objRecords)
        world.objProtos.emplace(obj.vnum, &obj);
    for (const CMobData& mob : world.mobRecords)
        if (world.mobProtos.emplace(mob.vnum, &mob).second) {
            const int race = FindByName(tables.mobFlags, mob.race);
            world.mobRaceAff[mob.vnum] = race < 0 ? 0 : tables.mobFlags[race].aff;
        }
    for (size_t a = 0; a < areas.size(); ++a) {
        std::vector<const CRoomData*> sorted;
        for (size_t index : roomsOfArea[a])
            sorted.push_back(&world.roomRecords[index]);
        std::stable_sort(sorted.begin(), sorted.end(), [](const CRoomData* x, const CRoomData* y) { return x->vnum < y->vnum; });
        for (const CRoomData* room : sorted) {
            CRoomThing thing;
            thing.data = room;
            for (const CResetData& reset : room->resets)
                thing.resets.push_back(&reset);
            if (world.rooms.emplace(room->vnum, thing).second)
                world.bootOrder.push_back(room->vnum);
        }
    }
    // Resets of an area that name another area's room join that room's list.
    for (const std::vector<CResetData>& strays : world.strayResets) {
        CRoomThing* target = nullptr;
        for (const CResetData& reset : strays) {
            if (const int* roomArgument = RoomArgument(reset))
                target = world.Room(*roomArgument);
            if (target)
                target->resets.push_back(&reset);
        }
    }
    state->Boot();
}

CPlayerModel::~CPlayerModel() = default;

void CPlayerModel::Reset() { state->Boot(); }

bool CPlayerModel::HasRoom(int vnum) const { return state->world.Room(vnum) != nullptr; }

int CPlayerModel::Room() const { return state->room; }

bool CPlayerModel::SetRoom(int vnum)
{
    if (!HasRoom(vnum))
        return false;
    state->room = vnum;
    return true;
}

std::string CPlayerModel::Look() const
{
    return state->room == 0 ? std::string() : state->Look();
}

std::string CPlayerModel::Command(const std::string& line)
{
    std::string rest = line;
    const std::string word = OneArgument(rest);
    if (word.empty())
        return std::string();
    if (state->room == 0)
        return "Huh?\n";
    // The server takes the first command of its table that the word
    // begins: the directions come first, so "s" is south and "l" is look.
    for (int d = 0; d < DirectionCount; ++d)
        if (Begins(word, DirNames[d]))
            return state->Move(d);
    if (Begins(word, "exits") && word.size() >= 2)
        return state->Exits(false);
    if (Begins(word, "look"))
        return state->LookAt(rest);
    const std::string argument = OneArgument(rest);
    if (Begins(word, "open") && word.size() >= 2)
        return state->OpenOrClose(argument, true);
    if (Begins(word, "close") && word.size() >= 3)
        return state->OpenOrClose(argument, false);
    return "Huh?\n";
}

std::vector<std::string> CPlayerModel::Notes() const
{
    return NoteLines(0);
}

std::vector<std::string> CPlayerModel::RoomNotes(int vnum) const
{
    return NoteLines(vnum);
}

std::vector<std::string> CPlayerModel::NoteLines(int vnum) const
{
    std::vector<std::string> lines;
    for (const CPlayerNote& note : state->notes)
        if (vnum == 0 || note.room == vnum)
            lines.push_back("room " + std::to_string(note.room) + ": " + note.text);
    return lines;
}
