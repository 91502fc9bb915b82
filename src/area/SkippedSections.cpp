#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

// Entries are a level, keywords up to `~` and a text up to `~`; the keywords
// "$" end the section. Each skip returns false when the file ends first.
bool SkipHelps(CTextReader& in)
{
    while (!in.AtEnd()) {
        in.ReadNumber();
        const std::string_view keywords = in.ReadTildeView();
        // Keywords cut off by the end of the file end nothing: kept, they
        // would take in whatever a save writes after them.
        if (in.LastByte() != '~')
            return false;
        if (!keywords.empty() && keywords[0] == '$')
            return true;
        in.ReadTildeView();
    }
    return false;
}

// Whole lines up to the one that is exactly "#0".
bool SkipSocials(CTextReader& in)
{
    while (!in.AtEnd()) {
        // A line ends at a line feed or a carriage return.
        const std::string_view rest = in.Rest();
        const bool last = rest.size() >= 2 && rest[0] == '#' && rest[1] == '0'
            && (rest.size() == 2 || rest[2] == '\n' || rest[2] == '\r');
        in.SkipLine();
        if (last)
            return true;
    }
    return false;
}

// Old-format records: on to the next `#`, and the section ends at "#0".
bool SkipOldSection(CTextReader& in)
{
    for (;;) {
        char ch;
        do
            ch = in.ReadChar();
        while (ch != '#' && ch != 0);
        if (ch == 0)
            return false;
        // A bare `#` at the very end is no "#0".
        const std::string number = in.ReadWord(true);
        if (number.empty())
            return false;
        if (NumberOfWord(number) == 0)
            return true;
    }
}

} // namespace

bool ReadKeptSection(CReadContext& c, const std::string& word)
{
    const int line = c.in.TokenLine();
    Warn(c.diagnostics, line, Format("The #%s section is kept unchanged and cannot be edited.", { word }));
    bool ended = false;
    if (word == "HELPS")
        ended = SkipHelps(c.in);
    else if (word == "SOCIALS")
        ended = SkipSocials(c.in);
    else
        ended = SkipOldSection(c.in);
    std::string bytes = c.in.TakeCapture();
    if (!ended) {
        // Kept as it is, it would swallow every section written after it,
        // and the file would grow with each save; the server stops on it too.
        CDiagnostic d;
        d.severity = Severity::Error;
        d.line = line;
        d.title = Messages::ErrorTitle;
        d.text = Format(
            "The #%s section that starts at line %d has no end: the file ends inside it. "
            "The file was not opened.",
            { word, line });
        d.messageBox = true;
        c.diagnostics.Report(d);
        return false;
    }
    // The capture began before the blanks that lead to the section's `#`.
    bytes.erase(0, bytes.find('#'));
    c.doc.keptSections.push_back({ word, std::move(bytes) });
    return true;
}

void WriteKeptSections(CWriteContext& c)
{
    for (const CKeptSection& section : c.doc.keptSections) {
        c.out << section.bytes;
        // A help section ends right after its last `~`: the next section
        // starts on a line of its own, after an empty one.
        const bool lineEnded = !section.bytes.empty() && section.bytes.back() == '\n';
        c.out << (lineEnded ? "\n" : "\n\n");
    }
}
