#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

#include <algorithm>

bool ReadSpecials(CReadContext& c)
{
    int strays = 0;
    int firstStrayLine = 0;
    for (;;) {
        const char letter = AsciiUpperByte(c.in.ReadChar());
        if (letter == 'S' || letter == 0)
            break;
        const int line = c.in.TokenLine();
        if (letter == '*') {
            c.in.SkipLine();
            continue;
        }
        if (letter != 'M') {
            // Only M lines carry specials; reading such a line byte by byte
            // would let any S or M in it end the section or start a special.
            Warn(c.diagnostics, line, Format("Line %d of #SPECIALS is not a special and was skipped.", { line }));
            SkipRestOfLine(c.in);
            continue;
        }
        const int vnum = c.in.ReadNumber();
        const std::string name = c.in.ReadWord();
        SkipRestOfLine(c.in);

        const int mob = c.doc.FindMobByVnum(vnum);
        if (mob >= 0) {
            c.doc.mobs[static_cast<size_t>(mob)].special = name;
            continue;
        }
        // The mob lives in another area, where the game still finds it.
        if (strays++ == 0)
            firstStrayLine = line;
        std::vector<CStraySpecial>& kept = c.doc.straySpecials;
        auto same = std::find_if(kept.begin(), kept.end(), [vnum](const CStraySpecial& s) { return s.vnum == vnum; });
        if (same != kept.end()) {
            same->special = name;
            same->line = line;
        } else {
            kept.push_back(CStraySpecial { vnum, name, line });
        }
    }
    if (strays > 0)
        Warn(c.diagnostics, firstStrayLine,
            Format("Specials of mobs that are not in this area: %d (the first at line %d). They are kept and saved as they are.",
                { strays, firstStrayLine }));
    return true;
}

void WriteSpecials(CWriteContext& c)
{
    c.out << "#SPECIALS\n";
    // A name read between quotes may hold blanks: it is written as a word the
    // reader gives back whole.
    std::string quotesDropped;
    const auto write = [&](int vnum, const std::string& special) {
        bool changed = false;
        WriteFormatted(c.out, "M %d %s\n", vnum, WordForFile(special, false, changed));
        if (changed)
            quotesDropped += (quotesDropped.empty() ? "" : ", ") + std::to_string(vnum);
    };
    for (const CMobData& mob : c.doc.mobs)
        if (!mob.special.empty())
            write(mob.vnum, mob.special);
    // A kept special yields to a mob of the area that now has its vnum and a
    // special of its own.
    for (const CStraySpecial& stray : c.doc.straySpecials) {
        const int mob = c.doc.FindMobByVnum(stray.vnum);
        if (!stray.special.empty() && (mob < 0 || c.doc.mobs[static_cast<size_t>(mob)].special.empty()))
            write(stray.vnum, stray.special);
    }
    c.out << "S\n\n\n\n";
    WarnQuotesDropped(c.diagnostics, "Specials of mobs", quotesDropped);
}
