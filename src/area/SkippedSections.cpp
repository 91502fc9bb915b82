#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

// Entries are a level, keywords up to `~` and a text up to `~`; the keywords
// "$" end the section.
void SkipHelps(CTextReader& in)
{
    while (!in.AtEnd()) {
        in.ReadNumber();
        const std::string keywords = in.ReadTildeString();
        if (!keywords.empty() && keywords[0] == '$')
            return;
        in.ReadTildeString();
    }
}

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

// Whole lines up to the one that is exactly "#0".
void SkipSocials(CTextReader& in)
{
    bool atEnd = false;
    while (!atEnd && ReadLine(in, atEnd) != "#0") {
    }
}

// Old-format records: on to the next `#`, and the section ends at "#0".
void SkipOldSection(CTextReader& in)
{
    for (;;) {
        char ch;
        do
            ch = in.ReadChar();
        while (ch != '#' && ch != 0);
        if (ch == 0 || in.ReadNumber() == 0)
            return;
    }
}

} // namespace

bool IsKeptSection(const std::string& word)
{
    return word == "HELPS" || word == "SOCIALS" || word == "MOBOLD" || word == "OBJOLD";
}

void ReadKeptSection(CReadContext& c, const std::string& word)
{
    const int line = c.in.TokenLine();
    Warn(c.diagnostics, line, Format("The #%s section is kept unchanged and cannot be edited.", { word }));
    if (word == "HELPS")
        SkipHelps(c.in);
    else if (word == "SOCIALS")
        SkipSocials(c.in);
    else
        SkipOldSection(c.in);
    std::string bytes = c.in.TakeCapture();
    // The capture began before the blanks that lead to the section's `#`.
    bytes.erase(0, bytes.find('#'));
    c.doc.keptSections.push_back({ word, std::move(bytes) });
}

void WriteKeptSections(CWriteContext& c)
{
    for (const CKeptSection& section : c.doc.keptSections) {
        c.out.write(section.bytes.data(), static_cast<std::streamsize>(section.bytes.size()));
        // A help section ends right after its last `~`: the next section
        // starts on a line of its own, after an empty one.
        const bool lineEnded = !section.bytes.empty() && section.bytes.back() == '\n';
        WriteFormatted(c.out, lineEnded ? "\n" : "\n\n");
    }
}
