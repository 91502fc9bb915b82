#include "area/Sections.h"
#include "text/TextWriter.h"

std::string ReadDescription(CReadContext& c, const char* kind, int vnum)
{
    std::string text = c.in.ReadTildeString(false);
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

std::string DescriptionForFile(const CSaveOptions& options, const std::string& text, bool edited)
{
    const bool format = options.rewrapAll || (edited && !options.keepLayout);
    return format ? FormattedDescription(text) : CleanText(text);
}
