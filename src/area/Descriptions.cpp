#include "area/Sections.h"
#include "text/TextWriter.h"

std::string ReadDescription(CReadContext& c, const char* kind, int vnum)
{
    std::string text = c.in.ReadTildeString(false);
    if (!c.noteLayout)
        return text;
    const int layoutLine = FirstOwnLayoutLine(text);
    if (layoutLine >= 0 && c.layout.count++ == 0) {
        c.layout.firstRecord = Format("%s %d", { kind, vnum });
        c.layout.firstLine = c.in.TokenLine() + layoutLine;
    }
    return text;
}

std::string FormattedDescription(const std::string& text)
{
    return CleanText(FormatDescription(text));
}

namespace {

template <typename Out>
void PutDescription(Out& out, const CSaveOptions& options, const std::string& text, bool edited)
{
    const bool format = options.rewrapAll || (edited && !options.keepLayout);
    if (format) {
        const std::string formatted = FormattedDescription(text);
        out.append(formatted.data(), formatted.size());
        return;
    }
    AppendCleanText(out, text);
    // A text typed into a box may end at its last word; the file's texts end
    // their last line, so that the tilde stands on a line of its own.
    if (edited && !text.empty() && text.back() != '\n')
        out.push_back('\n');
}

} // namespace

void AppendDescriptionForFile(CTextOut& out, const CSaveOptions& options, const std::string& text, bool edited)
{
    PutDescription(out, options, text, edited);
}

std::string DescriptionForFile(const CSaveOptions& options, const std::string& text, bool edited)
{
    std::string out;
    PutDescription(out, options, text, edited);
    return out;
}

void WriteDescription(CTextOut& out, const CSaveOptions& options, const std::string& text, bool edited)
{
    PutDescription(out, options, text, edited);
    out << "~\n";
}
