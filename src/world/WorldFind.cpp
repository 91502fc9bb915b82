#include "world/WorldFind.h"

#include "area/CTolvexDoc.h"
#include "check/CFinding.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

// Latin-1 as the editor shows the bytes: the accented capitals fold too
// (0xD7 is the multiplication sign, not a letter).
unsigned char Fold(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

bool Contains(const std::string& text, const std::string& folded)
{
    return std::search(text.begin(), text.end(), folded.begin(), folded.end(), [](char a, char b) {
        return Fold(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b);
    }) != text.end();
}

std::string Trimmed(const std::string& text, const char* blanks = " \t\r\n")
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A program has no name of its own: its first line that says something.
std::string FirstLine(const std::string& code)
{
    for (std::size_t at = 0; at < code.size();) {
        std::size_t end = code.find('\n', at);
        if (end == std::string::npos)
            end = code.size();
        const std::string line = Trimmed(code.substr(at, end - at));
        if (!line.empty())
            return line;
        at = end + 1;
    }
    return "";
}

class CFinder {
public:
    CFinder(const std::string& query, std::size_t cap)
        : limit(cap)
    {
        text = Trimmed(query);
        byVnum = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        // Too many digits for a vnum: no record has it.
        if (byVnum)
            vnum = text.size() <= 9 ? std::stoi(text) : -1;
        for (char& c : text)
            c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
    }

    void Area(std::size_t area, const CTolvexDoc& doc)
    {
        for (const CRoomData& room : doc.rooms)
            Record(area, RecordKind::Room, room.vnum, { &room.name, &room.description }, [&] { return room.name; });
        for (const CObjData& object : doc.objects)
            Record(area, RecordKind::Object, object.vnum, { &object.name, &object.shortDesc, &object.longDesc }, [&] { return object.shortDesc; });
        for (const CMobData& mob : doc.mobs)
            Record(area, RecordKind::Mob, mob.vnum, { &mob.name, &mob.shortDesc, &mob.longDesc }, [&] { return mob.shortDesc; });
        for (const CMobProgData& program : doc.mobprogs)
            Record(area, RecordKind::Mobprog, program.vnum, { &program.code }, [&] { return FirstLine(program.code); });
    }

    bool Empty() const { return text.empty(); }
    CWorldMatches Result() { return std::move(result); }

private:
    template <typename Name>
    void Record(std::size_t area, RecordKind kind, int recordVnum, std::initializer_list<const std::string*> fields, Name name)
    {
        const bool matches = byVnum ? recordVnum == vnum
                                    : std::any_of(fields.begin(), fields.end(), [this](const std::string* field) { return Contains(*field, text); });
        if (!matches)
            return;
        // Past the cap only the count goes on.
        if (result.found++ < limit)
            result.matches.push_back({ area, kind, recordVnum, Trimmed(name()) });
    }

    std::string text;
    bool byVnum = false;
    int vnum = 0;
    std::size_t limit;
    CWorldMatches result;
};

} // namespace

CWorldMatches FindInWorld(const std::vector<CWorldArea>& areas, const std::string& query, std::size_t limit)
{
    CFinder finder(query, limit);
    if (finder.Empty())
        return {};
    for (std::size_t a = 0; a < areas.size(); ++a)
        if (areas[a].doc)
            finder.Area(a, *areas[a].doc);
    return finder.Result();
}

std::string MatchText(const CWorldMatch& match)
{
    std::string line = std::string(RecordKindName(match.kind)) + " " + std::to_string(match.vnum);
    return match.name.empty() ? line : line + " " + match.name;
}
