#include "area/ObjectRecord.h"
#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

#include <utility>

namespace {

char KindOf(const CObjValueSlot& slot)
{
    return AsciiUpperByte(slot.kind);
}

// `F` line kind letters, by where (1..4).
const char affectLetters[] = { 'A', 'I', 'R', 'V' };

int WhereOfLetter(char letter)
{
    for (int i = 0; i < 4; ++i)
        if (affectLetters[i] == letter)
            return i + 1;
    return 0;
}

// Things a whole section read or write must tell the builder about once, with
// the first line or every vnum concerned.
struct CSectionNotes {
    int strayCount = 0;
    int strayLine = 0;
    std::vector<int> untyped; // objects left out of the save
    std::vector<int> flattened; // affects that lost their kind and flags
    std::vector<int> quotesDropped; // word values holding both quote marks
    std::vector<int> conditionFixed; // conditions that were not one byte

    void Stray(int line)
    {
        if (strayCount++ == 0)
            strayLine = line;
    }
};

std::string VnumList(const std::vector<int>& vnums)
{
    std::string list;
    for (size_t i = 0; i < vnums.size(); ++i)
        list += (i ? ", " : "") + std::to_string(vnums[i]);
    return list;
}

void ReadValue(CReadContext& c, char kind, CObjData& obj, size_t i)
{
    CTextReader& in = c.in;
    switch (kind) {
    case 'D':
    case 'E':
    case 'F':
    case 'N':
    case 'P':
    case 'Y':
        obj.values[i] = static_cast<int32_t>(in.ReadFlags());
        break;
    case 'L':
    case 'O':
    case 'W':
    case 'X':
        obj.valueTexts[i] = in.ReadWord();
        break;
    case 'S':
        obj.valueTexts[i] = ReadDescription(c, "object", obj.vnum);
        break;
    default: // Z and every number kind
        obj.values[i] = in.ReadNumber();
        break;
    }
}

// Reads `A`, `E`, `F` and `T` lines up to the `#` of the next record. Returns
// that `#`, or 0 at the end of the file.
char ReadRecordLines(CReadContext& c, CObjData& obj, CSectionNotes& notes)
{
    CTextReader& in = c.in;
    for (;;) {
        const char letter = in.ReadChar();
        switch (letter) {
        case 0:
        case '#':
            return letter;
        case 'A': {
            CAffectData affect;
            affect.location = in.ReadNumber();
            affect.modifier = in.ReadNumber();
            obj.affects.push_back(affect);
            break;
        }
        case 'F': {
            CAffectData affect;
            affect.where = WhereOfLetter(in.ReadChar());
            affect.location = in.ReadNumber();
            affect.modifier = in.ReadNumber();
            affect.bits = in.ReadFlags();
            obj.affects.push_back(affect);
            break;
        }
        case 'E': {
            CExtraDescData extra;
            extra.keyword = in.ReadTildeString();
            extra.description = ReadDescription(c, "object", obj.vnum);
            obj.extraDescs.push_back(std::move(extra));
            break;
        }
        case 'T': {
            CTrainStop stop;
            stop.room = in.ReadNumber();
            stop.flags = in.ReadFlags();
            stop.time = in.ReadNumber();
            stop.arrivalMessage = in.ReadTildeString();
            stop.leaveMessage = in.ReadTildeString();
            obj.trainStops.push_back(std::move(stop));
            break;
        }
        default:
            notes.Stray(in.TokenLine());
            break;
        }
    }
}

void ReportUnknownType(CReadContext& c, const CObjData& obj, const std::string& type, int line)
{
    CDiagnostic d;
    d.severity = Severity::Error;
    d.line = line;
    d.title = Messages::ErrorTitle;
    d.text = Format(Messages::UnknownObjectType, { obj.name, obj.vnum, type });
    d.messageBox = true;
    c.diagnostics.Report(d);
}

// Value i in its kind's form. Y, X and Z write no separator after them: in
// value 4 the level line's line feed follows. In values 0 to 3 a space is
// still written, since the next value would otherwise be read into this one.
void WriteValue(CTextOut& out, char kind, const CObjData& obj, size_t i, const CSaveOptions& options, bool& quotesDropped)
{
    const char* separator = (i == 4 && (kind == 'Y' || kind == 'X' || kind == 'Z')) ? "" : " ";
    const uint32_t flags = static_cast<uint32_t>(obj.values[i]);
    switch (kind) {
    case 'D':
    case 'P':
        // Money and charges: the reader takes letters too, but a builder
        // reads "1000" where the letters say nothing.
        out << obj.values[i] << separator;
        return;
    case 'E':
    case 'F':
    case 'N':
    case 'Y':
        out << AsLetters(flags) << separator;
        return;
    case 'L':
    case 'O':
        AppendWordForFile(out, obj.valueTexts[i], false, quotesDropped);
        out << separator;
        return;
    case 'W':
    case 'X':
        AppendWordForFile(out, obj.valueTexts[i], true, quotesDropped);
        out << separator;
        return;
    case 'S':
        AppendDescriptionForFile(out, options, obj.valueTexts[i], obj.valueTextEdited[i]);
        out << '~' << separator;
        return;
    default:
        out << obj.values[i] << separator;
        return;
    }
}

// The condition is read back as one non-blank byte.
std::string ConditionForFile(const std::string& condition, bool& fixed)
{
    const std::string letter = OneLetterCondition(condition);
    fixed = letter != condition;
    return letter;
}

void WriteAffects(CTextOut& out, const CObjData& obj, CSectionNotes& notes)
{
    bool flattened = false;
    for (const CAffectData& a : obj.affects) {
        if (a.where == 0 || a.bits == 0) {
            out << "A\n"
                << a.location << ' ' << a.modifier << '\n';
        } else if (a.where >= 1 && a.where <= 4) {
            out << "F\n"
                << affectLetters[a.where - 1] << ' ' << a.location << ' ' << a.modifier << ' ' << AsLetters(a.bits)
                << '\n';
        } else {
            // No `F` letter names this kind: keep the location and modifier as
            // a plain apply rather than write a line that reads back wrong.
            out << "A\n"
                << a.location << ' ' << a.modifier << '\n';
            flattened = true;
        }
    }
    if (flattened)
        notes.flattened.push_back(obj.vnum);
}

void WriteObject(CTextOut& out, const CObjData& obj, const CObjTypeEntry& type, const CSaveOptions& options,
    CSectionNotes& notes)
{
    out << '#' << obj.vnum << '\n'
        << Cleaned(obj.name) << "~\n"
        << Cleaned(obj.shortDesc) << "~\n"
        << Cleaned(obj.longDesc) << "~\n"
        << Cleaned(obj.material) << "~\n";
    out << type.name << ' ' << AsLetters(obj.extraFlags) << ' ' << AsLetters(obj.wearFlags) << '\n';
    bool quotesDropped = false;
    for (size_t i = 0; i < obj.values.size(); ++i)
        WriteValue(out, KindOf(type.slots[i]), obj, i, options, quotesDropped);
    if (quotesDropped)
        notes.quotesDropped.push_back(obj.vnum);
    bool conditionFixed = false;
    out << '\n'
        << obj.level << ' ' << obj.weight << ' ' << obj.cost << ' ' << ConditionForFile(obj.condition, conditionFixed)
        << '\n';
    if (conditionFixed)
        notes.conditionFixed.push_back(obj.vnum);
    WriteAffects(out, obj, notes);
    for (const CExtraDescData& e : obj.extraDescs) {
        out << "E\n"
            << Cleaned(e.keyword) << "~\n";
        WriteDescription(out, options, e.description, e.edited);
    }
    for (const CTrainStop& t : obj.trainStops)
        out << "T " << t.room << ' ' << AsLetters(t.flags) << ' ' << t.time << ' ' << Cleaned(t.arrivalMessage) << "~ "
            << Cleaned(t.leaveMessage) << "~\n";
}

void ReportWriteNotes(IDiagnostics& diagnostics, const CSectionNotes& notes)
{
    if (!notes.untyped.empty())
        Warn(diagnostics, 0,
            Format("Objects whose type is not in the configuration were left out of the saved file: vnums %s.",
                { VnumList(notes.untyped) }));
    if (!notes.flattened.empty())
        Warn(diagnostics, 0,
            Format("Affects of a kind past vulnerability cannot carry flags in the file; they were saved as plain "
                   "applies without their flags. Objects: %s.",
                { VnumList(notes.flattened) }));
    if (!notes.quotesDropped.empty())
        Warn(diagnostics, 0,
            Format("Values holding both kinds of quote mark were saved without their double quotes. Objects: %s.",
                { VnumList(notes.quotesDropped) }));
    if (!notes.conditionFixed.empty())
        Warn(diagnostics, 0,
            Format("Conditions must be one letter; they were saved as their first letter (\"P\" when empty). Objects: %s.",
                { VnumList(notes.conditionFixed) }));
}

} // namespace

bool ReadObjects(CReadContext& c)
{
    CTextReader& in = c.in;
    CSectionNotes notes;
    // Every record after the first has had its `#` read as the end of the one before.
    char mark = in.ReadChar();
    c.doc.objects.reserve(c.doc.objects.size() + 1 + RecordsAhead(in));
    while (mark == '#') {
        const int vnum = in.ReadNumber();
        if (vnum == 0)
            break;
        // Read in place, and taken back when its type is unknown.
        c.doc.objects.emplace_back();
        CObjData& obj = c.doc.objects.back();
        obj.vnum = vnum;
        obj.line = in.TokenLine();
        obj.name = in.ReadTildeString();
        obj.shortDesc = in.ReadTildeString();
        obj.longDesc = in.ReadTildeString();
        obj.material = in.ReadTildeString();
        const std::string typeWord = AsciiLower(in.ReadWord());
        const int type = FindByName(c.tables.objTypes, typeWord);
        if (type < 0) {
            // Without the type the values cannot be read; going on would garble the rest.
            ReportUnknownType(c, obj, typeWord, in.TokenLine());
            c.doc.objects.pop_back();
            return false;
        }
        const CObjTypeEntry& entry = c.tables.objTypes[type];
        obj.itemType = entry.value;
        obj.extraFlags = in.ReadFlags();
        obj.wearFlags = in.ReadFlags();
        for (size_t i = 0; i < obj.values.size(); ++i)
            ReadValue(c, KindOf(entry.slots[i]), obj, i);
        obj.level = in.ReadNumber();
        obj.weight = in.ReadNumber();
        obj.cost = in.ReadNumber();
        const char condition = in.ReadChar();
        if (condition != 0)
            obj.condition = std::string(1, condition);
        mark = ReadRecordLines(c, obj, notes);
        FitToSize(obj.affects);
        FitToSize(obj.extraDescs);
        FitToSize(obj.trainStops);
    }
    FitToSize(c.doc.objects);
    if (notes.strayCount > 0)
        Warn(c.diagnostics, notes.strayLine,
            Format(notes.strayCount == 1
                    ? "%d character in the objects section was not understood and skipped; it is at line %d."
                    : "%d characters in the objects section were not understood and skipped; the first is at line %d.",
                { notes.strayCount, notes.strayLine }));
    return true;
}

void WriteObjects(CWriteContext& c)
{
    CSectionNotes notes;
    c.out << "#OBJECTS\n";
    for (const CObjData& obj : c.doc.objects) {
        const CObjTypeEntry* type = c.tables.ObjType(obj.itemType);
        if (!type)
            notes.untyped.push_back(obj.vnum);
        else
            WriteObject(c.out, obj, *type, c.options, notes);
    }
    c.out << "#0\n\n\n\n";
    ReportWriteNotes(c.diagnostics, notes);
}
