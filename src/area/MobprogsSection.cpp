#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

bool ReadMobprogs(CReadContext& c)
{
    const int sectionLine = c.in.TokenLine();
    int count = 0;
    c.doc.mobprogs.reserve(c.doc.mobprogs.size() + RecordsAhead(c.in));
    while (c.in.ReadChar() == '#') {
        const int vnum = c.in.ReadNumber();
        if (vnum == 0)
            break;
        CMobProgData program;
        program.vnum = vnum;
        program.line = c.in.TokenLine();
        program.code = WithCarriageReturns(c.in.ReadTildeString(false));
        c.doc.mobprogs.push_back(std::move(program));
        ++count;
    }
    FitToSize(c.doc.mobprogs);
    if (count > 0 && c.tables.mobprog == 0)
        Warn(c.diagnostics, sectionLine,
            Format("The #MOBPROGS section at line %d holds %d mob programs, but this configuration has no mob "
                   "programs (MOBPROG 0): they will not be saved.",
                { sectionLine, count }));
    return true;
}

void WriteMobprogs(CWriteContext& c)
{
    if (!c.options.mobprogs)
        return;
    WriteFormatted(c.out, "#MOBPROGS\n");
    for (const CMobProgData& program : c.doc.mobprogs) {
        WriteFormatted(c.out, "#%d\n", program.vnum);
        // Cleaning drops the carriage returns again, and any `~` typed into the code.
        WriteFormatted(c.out, "%s~\n", Cleaned(program.code));
    }
    WriteFormatted(c.out, "#0\n\n");
}
