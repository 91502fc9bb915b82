#include "area/Sections.h"
#include "text/TextWriter.h"

void SkipHelps(CReadContext& c)
{
    const int line = c.in.TokenLine();
    Warn(c.diagnostics, line, Format("The #HELPS section at line %d is not kept and will not be saved.", { line }));
    // Entries are a level, keywords up to `~` and a text up to `~`; the
    // keywords "$" end the section.
    while (!c.in.AtEnd()) {
        c.in.ReadNumber();
        const std::string keywords = c.in.ReadTildeString();
        if (!keywords.empty() && keywords[0] == '$')
            return;
        c.in.ReadTildeString();
    }
}

namespace {

// Reads one line, without its end, as the line skip does.
std::string ReadLine(CTextReader& in, bool& atEnd)
{
    std::string line;
    int c;
    while ((c = in.GetByte()) >= 0) {
        if (c == '\n')
            return line;
        if (c == '\r') {
            in.GetByte();
            return line;
        }
        line += static_cast<char>(c);
    }
    atEnd = true;
    return line;
}

} // namespace

void SkipSocials(CReadContext& c)
{
    const int line = c.in.TokenLine();
    Warn(c.diagnostics, line, Format("The #SOCIALS section at line %d is not kept and will not be saved.", { line }));
    bool atEnd = false;
    while (!atEnd && ReadLine(c.in, atEnd) != "#0") {
    }
}

void SkipOldSection(CReadContext& c)
{
    const int line = c.in.TokenLine();
    Warn(c.diagnostics, line, Format("The old-format section at line %d is not kept and will not be saved.", { line }));
    for (;;) {
        char ch;
        do
            ch = c.in.ReadChar();
        while (ch != '#' && ch != 0);
        if (ch == 0 || c.in.ReadNumber() == 0)
            return;
    }
}
