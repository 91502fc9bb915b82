#include "area/ReadHelpers.h"

#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <cstring>

void Warn(IDiagnostics& diagnostics, int line, const std::string& text)
{
    CDiagnostic d;
    d.severity = Severity::Warning;
    d.line = line;
    d.title = Messages::WarningTitle;
    d.text = text;
    diagnostics.Report(d);
}

void WarnQuotesDropped(IDiagnostics& diagnostics, const char* records, const std::string& vnums)
{
    if (!vnums.empty())
        Warn(diagnostics, 0,
            Format("Words holding both kinds of quote mark and a blank were saved without their double quotes. %s: %s.",
                { records, vnums }));
}

void SkipRestOfLine(CTextReader& in)
{
    if (in.LastByte() != '\n' && in.LastByte() >= 0)
        in.SkipLine();
}

size_t RecordsAhead(const CTextReader& in)
{
    const std::string_view rest = in.Rest();
    const char* at = rest.data();
    const char* end = rest.data() + rest.size();
    size_t count = 0;
    while (const void* found = std::memchr(at, '#', static_cast<size_t>(end - at))) {
        at = static_cast<const char*>(found) + 1;
        if (at < end && *at == '0' && (at + 1 == end || *(at + 1) < '0' || *(at + 1) > '9'))
            break;
        ++count;
    }
    return count;
}
