#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

// The program editor works on "\r\n" line ends; the file has bare line feeds.
std::string WithCarriageReturns(const std::string& text)
{
    std::string code;
    code.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            code += '\r';
        code += c;
    }
    return code;
}

} // namespace

bool ReadMobprogs(CReadContext& c)
{
    const int sectionLine = c.in.TokenLine();
    int count = 0;
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
    if (count > 0 && c.tables.mobprog == 0)
        Warn(c.diagnostics, sectionLine,
            Format("The #MOBPROGS section at line %d holds %d mob programs, but this configuration has no mob "
                   "programs (MOBPROG 0): they will not be saved.",
                { sectionLine, count }));
    return true;
}

void WriteMobprogs(CWriteContext& c)
{
    WriteFormatted(c.out, "#MOBPROGS\n");
    for (const CMobProgData& program : c.doc.mobprogs) {
        WriteFormatted(c.out, "#%d\n", program.vnum);
        // CleanText drops the carriage returns again, and any `~` typed into the code.
        WriteFormatted(c.out, "%s~\n", CleanText(program.code));
    }
    WriteFormatted(c.out, "#0\n\n");
}
