#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

// The eight flag sets that a race gives its mobs, in the order of the `F` lines.
struct CRaceSet {
    const char* word; // as written; read back after upper-casing
    uint32_t CRaceEntry::*race;
    uint32_t CMobData::*mob;
};

const CRaceSet raceSets[] = {
    { "act", &CRaceEntry::act, &CMobData::act },
    { "aff", &CRaceEntry::aff, &CMobData::aff },
    { "off", &CRaceEntry::off, &CMobData::off },
    { "imm", &CRaceEntry::imm, &CMobData::imm },
    { "res", &CRaceEntry::res, &CMobData::res },
    { "vul", &CRaceEntry::vuln, &CMobData::vuln },
    { "for", &CRaceEntry::form, &CMobData::form },
    { "par", &CRaceEntry::parts, &CMobData::parts },
};

// What the reader of one mob needs besides the context.
struct CMobReader {
    CReadContext& c;
    CMobData& mob;
    bool warnedStray = false;

    void Warn(int line, const std::string& text) { ::Warn(c.diagnostics, line, text); }

    // One warning per mob is enough to send the builder to the spot.
    void WarnNotUnderstood(int line)
    {
        if (warnedStray)
            return;
        warnedStray = true;
        Warn(line, Format("Mob %d: the text at line %d was not understood; it was skipped and will not be saved.", { mob.vnum, line }));
    }
};

// These wrap at 32 bits instead of overflowing on absurd input.
int32_t TimesTen(int32_t number)
{
    return static_cast<int32_t>(static_cast<uint32_t>(number) * 10u);
}

int32_t Plus(int32_t number, int32_t delta)
{
    return static_cast<int32_t>(static_cast<uint32_t>(number) + static_cast<uint32_t>(delta));
}

void ReadDice(CTextReader& in, std::array<int, 3>& dice)
{
    for (int& part : dice)
        part = in.ReadNumber();
}

const CRaceEntry& LookUpRace(CReadContext& c, const CMobData& mob, int line)
{
    int index = FindByName(c.tables.mobFlags, mob.race);
    if (index < 0) {
        CDiagnostic d;
        d.severity = Severity::Warning;
        d.line = line;
        d.title = Messages::WarningTitle;
        d.text = Format(Messages::UnknownRace, { mob.race, mob.name, mob.vnum });
        d.messageBox = true;
        c.diagnostics.Report(d);
        index = c.tables.AppendRace(mob.race);
    }
    return c.tables.mobFlags[index];
}

void ReadFixedBlock(CReadContext& c, CMobData& mob, int line)
{
    CTextReader& in = c.in;
    mob.name = in.ReadTildeString();
    mob.shortDesc = in.ReadTildeString();
    mob.longDesc = ReadDescription(c, "mob", mob.vnum);
    mob.description = ReadDescription(c, "mob", mob.vnum);
    mob.race = in.ReadTildeString();
    const CRaceEntry& race = LookUpRace(c, mob, line);

    mob.act = in.ReadFlags() | race.act;
    mob.aff = in.ReadFlags() | race.aff;
    mob.alignment = in.ReadNumber();
    mob.group = in.ReadNumber();

    mob.level = in.ReadNumber();
    mob.hitroll = in.ReadNumber();
    ReadDice(in, mob.hitDice);
    ReadDice(in, mob.manaDice);
    ReadDice(in, mob.damDice);
    mob.damType = in.ReadWord();

    for (int& ac : mob.ac)
        ac = TimesTen(in.ReadNumber());

    mob.off = in.ReadFlags() | race.off;
    mob.imm = in.ReadFlags() | race.imm;
    mob.res = in.ReadFlags() | race.res;
    mob.vuln = in.ReadFlags() | race.vuln;

    mob.startPos = in.ReadWord();
    mob.defaultPos = in.ReadWord();
    mob.sex = in.ReadWord();
    mob.wealth = in.ReadNumber();

    mob.form = in.ReadFlags() | race.form;
    mob.parts = in.ReadFlags() | race.parts;
    mob.size = in.ReadWord();
    mob.material = in.ReadWord();
}

// `F`: takes away race bits that this mob lacks.
void ReadFlagRemoval(CMobReader& r)
{
    CTextReader& in = r.c.in;
    const std::string set = AsciiUpper(in.ReadWord());
    const int line = in.TokenLine();
    const uint32_t bits = in.ReadFlags();
    for (const CRaceSet& s : raceSets)
        if (set == AsciiUpper(s.word)) {
            r.mob.*s.mob &= ~bits;
            return;
        }
    r.Warn(line, Format("Mob %d: \"F %s\" at line %d names no flag set; it was skipped and will not be saved.", { r.mob.vnum, set, line }));
}

// `G`: mercenary clan, rank and messages.
void ReadMercenaryLine(CMobReader& r)
{
    CTextReader& in = r.c.in;
    CMobData& mob = r.mob;
    const std::string word = AsciiUpper(in.ReadWord());
    const int line = in.TokenLine();
    if (word == "CLAN") {
        mob.clan = in.ReadTildeString();
    } else if (word == "RANK") {
        mob.rank = Plus(in.ReadNumber(), 1);
    } else if (word == "MERCMSG") {
        const int index = in.ReadNumber();
        std::string text = in.ReadTildeString();
        // The mob holds one message per MERCMSG entry.
        if (index >= 0 && static_cast<size_t>(index) < mob.mercMessages.size()) {
            mob.mercMessages[static_cast<size_t>(index)] = std::move(text);
        } else {
            r.Warn(line, Format("Mob %d: mercenary message %d at line %d is not in the MERCMSG table; it was dropped.", { mob.vnum, index, line }));
        }
    } else {
        r.WarnNotUnderstood(line);
    }
}

// `P`: trainer profession and skills.
void ReadTrainerLine(CMobReader& r)
{
    CTextReader& in = r.c.in;
    const std::string word = in.ReadWord();
    if (word == "class") {
        r.mob.trainerClass = in.ReadWord();
    } else if (word == "skill") {
        CTrainerSkill skill;
        skill.skill = in.ReadWord();
        skill.gold = in.ReadNumber();
        skill.mult = in.ReadNumber();
        skill.maxLevel = in.ReadNumber();
        skill.initiate = in.ReadNumber();
        r.mob.trainerSkills.push_back(skill);
    } else {
        r.WarnNotUnderstood(in.TokenLine());
    }
}

// Reads the record lines of a mob; returns the byte that ended them: `#` or 0.
char ReadRecordLines(CMobReader& r)
{
    CTextReader& in = r.c.in;
    for (;;) {
        const char letter = in.ReadChar();
        switch (letter) {
        case '#':
        case 0:
            return letter;
        case 'F':
            ReadFlagRemoval(r);
            break;
        case 'G':
            ReadMercenaryLine(r);
            break;
        case 'S': {
            CMercSkill skill;
            skill.value = in.ReadNumber();
            skill.skill = in.ReadWord();
            r.mob.mercSkills.push_back(skill);
            break;
        }
        case 'M': {
            CMobTrigger trigger;
            trigger.trigger = in.ReadWord();
            trigger.vnum = in.ReadNumber();
            trigger.phrase = in.ReadTildeString();
            r.mob.triggers.push_back(trigger);
            break;
        }
        case 'P':
            ReadTrainerLine(r);
            break;
        default:
            // Letters are case-sensitive: anything else is skipped a byte at a
            // time, so a record letter further on still starts its record.
            r.WarnNotUnderstood(in.TokenLine());
            break;
        }
    }
}

// A word in quotes, so that spaces in it survive; `"` when it holds a `'`.
// Skill names are quoted as the game writes them; other words only when they
// must be. `changed` is set when a word could not be written to read back.
struct CQuoted {
    const std::string& word;
    bool& changed;
};
struct CWord {
    const std::string& word;
    bool& changed;
};

CTextOut& operator<<(CTextOut& out, const CQuoted& w)
{
    AppendWordForFile(out, w.word, true, w.changed);
    return out;
}

CTextOut& operator<<(CTextOut& out, const CWord& w)
{
    AppendWordForFile(out, w.word, false, w.changed);
    return out;
}

struct CDice {
    const std::array<int, 3>& dice;
};

CTextOut& operator<<(CTextOut& out, const CDice& d)
{
    return out << d.dice[0] << 'd' << d.dice[1] << '+' << d.dice[2] << ' ';
}

void WriteFixedBlock(CTextOut& out, const CMobData& m, const CSaveOptions& options, bool& changed)
{
    out << '#' << m.vnum << '\n'
        << Cleaned(m.name) << "~\n"
        << Cleaned(m.shortDesc) << "~\n";
    WriteDescription(out, options, m.longDesc, m.longDescEdited);
    WriteDescription(out, options, m.description, m.descriptionEdited);
    out << Cleaned(m.race) << "~\n";
    out << AsLetters(m.act) << ' ' << AsLetters(m.aff) << ' ' << m.alignment << ' ' << m.group << '\n';
    out << m.level << ' ' << m.hitroll << ' ' << CDice { m.hitDice } << CDice { m.manaDice } << CDice { m.damDice }
        << CWord { m.damType, changed } << '\n';
    // Integer division drops the remainder toward zero: 15 gives 1, -15 gives -1.
    out << m.ac[0] / 10 << ' ' << m.ac[1] / 10 << ' ' << m.ac[2] / 10 << ' ' << m.ac[3] / 10 << '\n';
    out << AsLetters(m.off) << ' ' << AsLetters(m.imm) << ' ' << AsLetters(m.res) << ' ' << AsLetters(m.vuln) << '\n';
    out << CWord { m.startPos, changed } << ' ' << CWord { m.defaultPos, changed } << ' ' << CWord { m.sex, changed } << ' '
        << static_cast<long>(m.wealth) << '\n';
    static const std::string unknown = "unknown";
    out << AsLetters(m.form) << ' ' << AsLetters(m.parts) << ' ' << CWord { m.size, changed } << ' '
        << CWord { m.material.empty() ? unknown : m.material, changed } << '\n';
}

void WriteRecordLines(CTextOut& out, const CConfigTables& tables, const CMobData& m, bool& changed)
{
    // The sets written above already hold the race's bits; `F` takes away
    // those that this mob lacks, so the sets read back unchanged.
    const int raceIndex = FindByName(tables.mobFlags, m.race);
    if (raceIndex >= 0) {
        const CRaceEntry& race = tables.mobFlags[raceIndex];
        for (const CRaceSet& s : raceSets) {
            const uint32_t lacking = race.*s.race & ~(m.*s.mob);
            if (lacking)
                out << "F " << s.word << ' ' << AsLetters(lacking) << '\n';
        }
    }

    if (!m.clan.empty()) {
        out << "G clan " << Cleaned(m.clan) << "~\n";
        out << "G rank " << Plus(m.rank, -1) << '\n';
    }
    for (size_t i = 0; i < m.mercMessages.size(); ++i)
        if (!m.mercMessages[i].empty())
            out << "G mercmsg " << static_cast<int>(i) << ' ' << Cleaned(m.mercMessages[i]) << "~\n";

    for (const CMercSkill& skill : m.mercSkills)
        out << "S " << skill.value << ' ' << CQuoted { skill.skill, changed } << '\n';

    for (const CMobTrigger& trigger : m.triggers)
        out << "M " << CWord { trigger.trigger, changed } << ' ' << trigger.vnum << ' ' << Cleaned(trigger.phrase) << "~\n";

    if (!m.trainerClass.empty())
        out << "P class " << CQuoted { m.trainerClass, changed } << '\n';
    for (const CTrainerSkill& skill : m.trainerSkills)
        out << "P skill " << CQuoted { skill.skill, changed } << ' ' << skill.gold << ' ' << skill.mult << ' ' << skill.maxLevel
            << ' ' << skill.initiate << '\n';
}

} // namespace

bool ReadMobiles(CReadContext& c)
{
    // Every mob after the first begins with the `#` that ended the one before.
    if (c.in.ReadChar() != '#')
        return true;
    c.doc.mobs.reserve(c.doc.mobs.size() + 1 + RecordsAhead(c.in));
    for (;;) {
        const int vnum = c.in.ReadNumber();
        const int line = c.in.TokenLine();
        if (vnum == 0)
            break;
        // Read in place: a mob is large to move.
        c.doc.mobs.emplace_back(c.tables);
        CMobData& mob = c.doc.mobs.back();
        mob.vnum = vnum;
        mob.line = line;
        ReadFixedBlock(c, mob, line);
        CMobReader reader { c, mob };
        const char end = ReadRecordLines(reader);
        FitToSize(mob.mercSkills);
        FitToSize(mob.triggers);
        FitToSize(mob.trainerSkills);
        if (end != '#')
            break;
    }
    FitToSize(c.doc.mobs);
    return true;
}

void WriteMobiles(CWriteContext& c)
{
    c.out << "#MOBILES\n";
    std::string quotesDropped;
    for (const CMobData& mob : c.doc.mobs) {
        bool changed = false;
        WriteFixedBlock(c.out, mob, c.options, changed);
        WriteRecordLines(c.out, c.tables, mob, changed);
        if (changed)
            quotesDropped += (quotesDropped.empty() ? "" : ", ") + std::to_string(mob.vnum);
    }
    c.out << "#0\n\n\n\n";
    WarnQuotesDropped(c.diagnostics, "Mobs", quotesDropped);
}
