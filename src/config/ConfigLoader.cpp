#include "config/ConfigLoader.h"

#include "config/TableNames.h"
#include "text/TextReader.h"

#include <fstream>
#include <functional>
#include <map>

namespace {

using Table = CEntryTable<CTableEntry>;

// Reads entries until the end marker; false at end of input inside the section.
template <typename ReadRest>
bool ReadEntries(CTextReader& in, ReadRest readRest)
{
    for (;;) {
        const std::string name = AsciiLower(in.ReadWord());
        if (name == "end")
            return true;
        if (name.empty())
            return false;
        readRest(name);
    }
}

bool ReadSimpleTable(CTextReader& in, Table& table, TableKind kind)
{
    return ReadEntries(in, [&](const std::string& name) {
        CTableEntry entry;
        entry.name = name;
        switch (kind) {
        case TableKind::Letters: {
            const std::string letter = in.ReadWord();
            entry.value = static_cast<int32_t>(letter.empty() ? 0 : FlagLetterBit(static_cast<unsigned char>(letter[0])));
            break;
        }
        case TableKind::Numbers: entry.value = in.ReadNumber(); break;
        default: entry.text = in.ReadWord(); break;
        }
        table.Append(std::move(entry));
    });
}

bool ReadGeneral(CTextReader& in, CConfigTables& t)
{
    for (;;) {
        const std::string key = AsciiUpper(in.ReadWord());
        if (key == "END")
            return true;
        if (key == "MUDTYPE") {
            if (!FindMudType(AsciiUpper(in.ReadWord()), t.mudType))
                return false;
        } else if (key == "ISDOOR") {
            t.isDoor = in.ReadFlags();
        } else if (key == "LOCKED") {
            t.locked = in.ReadFlags();
        } else if (key == "MOBPROG") {
            t.mobprog = in.ReadNumber();
        } else {
            return false;
        }
    }
}

bool ReadObjTypes(CTextReader& in, CConfigTables& t)
{
    return ReadEntries(in, [&](const std::string& name) {
        CObjTypeEntry entry;
        entry.name = name;
        entry.value = in.ReadNumber();
        for (CObjValueSlot& slot : entry.slots) {
            slot.label = in.ReadTildeString(true);
            slot.kind = AsciiUpperByte(in.ReadChar());
        }
        t.objTypes.Append(std::move(entry));
    });
}

bool ReadObjTables(CTextReader& in, CConfigTables& t)
{
    const int32_t type = in.ReadNumber();
    const int32_t slotIndex = in.ReadNumber();
    const std::string binding = AsciiUpper(in.ReadWord());
    const int typeIndex = FindByValue(t.objTypes, type);
    if (typeIndex < 0 || slotIndex < 0 || slotIndex > 4)
        return false;
    CObjValueSlot& slot = t.objTypes[typeIndex].slots[slotIndex];
    static const std::map<std::string, SlotBinding> bindings = {
        { "SPELLS", SlotBinding::Spells },
        { "WEAPON_CLASES", SlotBinding::WeaponClasses },
        { "LIQUIDS", SlotBinding::Liquids },
        { "ATTACK_TYPES", SlotBinding::AttackTypes },
        { "EXIT_FLAGS", SlotBinding::ExitFlags },
        { "PORTAL_FLAGS", SlotBinding::PortalFlags },
    };
    if (binding == "NEW") {
        slot.binding = SlotBinding::Own;
        return ReadEntries(in, [&](const std::string& name) {
            CTableEntry entry;
            entry.name = name;
            entry.value = static_cast<int32_t>(FlagLetterBit(static_cast<unsigned char>(in.ReadChar())));
            slot.own.Append(std::move(entry));
        });
    }
    auto found = bindings.find(binding);
    if (found == bindings.end())
        return false;
    slot.binding = found->second;
    return true;
}

bool ReadRaces(CTextReader& in, CConfigTables& t)
{
    return ReadEntries(in, [&](const std::string& name) {
        CRaceEntry race;
        race.name = name;
        for (uint32_t* set : { &race.act, &race.aff, &race.off, &race.imm, &race.res, &race.vuln, &race.form, &race.parts })
            *set = in.ReadFlags();
        t.mobFlags.Append(std::move(race));
    });
}

bool ReadSectorColors(CTextReader& in, CConfigTables& t)
{
    return ReadEntries(in, [&](const std::string& word) {
        CSectorColorEntry color;
        color.sector = NumberOfWord(word);
        color.red = in.ReadNumber();
        color.green = in.ReadNumber();
        color.blue = in.ReadNumber();
        t.sectorColors.Append(std::move(color));
    });
}

using SectionReader = std::function<bool(CTextReader&, CConfigTables&)>;

SectionReader ReaderFor(const CTableDescriptor& table)
{
    switch (table.kind) {
    case TableKind::ObjTypes: return ReadObjTypes;
    case TableKind::Races: return ReadRaces;
    case TableKind::SectorColors: return ReadSectorColors;
    default: break;
    }
    auto member = table.table;
    const TableKind kind = table.kind;
    return [member, kind](CTextReader& in, CConfigTables& t) { return ReadSimpleTable(in, t.*member, kind); };
}

const std::map<std::string, SectionReader>& SectionReaders()
{
    static const std::map<std::string, SectionReader> readers = [] {
        std::map<std::string, SectionReader> all = { { "GENERAL", ReadGeneral }, { "OBJTABLES", ReadObjTables } };
        for (const CTableDescriptor& table : ConfigTableList())
            all.emplace(table.name, ReaderFor(table));
        return all;
    }();
    return readers;
}

} // namespace

bool LoadConfig(CConfigTables& tables, std::istream& stream, int& line)
{
    CConfigTables fresh;
    CTextReader in(stream);
    line = 0;
    bool ok = false;
    for (;;) {
        int c;
        while ((c = in.GetByte()) >= 0 && c != '#') {
        }
        if (c < 0) {
            ok = true;
            break;
        }
        const std::string keyword = AsciiUpper(in.ReadWord());
        if (keyword == "END") {
            ok = true;
            break;
        }
        const auto& readers = SectionReaders();
        auto reader = readers.find(keyword);
        if (reader == readers.end() || !reader->second(in, fresh))
            break;
    }
    line = ok ? in.Line() : in.TokenLine();
    if (ok)
        tables = std::move(fresh);
    return ok;
}

bool LoadConfig(CConfigTables& tables, const std::string& path, int& line)
{
    line = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    return LoadConfig(tables, file, line);
}
