#include "area/ReadHelpers.h"

#include "text/TextReader.h"

void Warn(IDiagnostics& diagnostics, int line, const std::string& text)
{
    CDiagnostic d;
    d.severity = Severity::Warning;
    d.line = line;
    d.title = Messages::WarningTitle;
    d.text = text;
    diagnostics.Report(d);
}

void SkipRestOfLine(CTextReader& in)
{
    if (in.LastByte() != '\n' && in.LastByte() >= 0)
        in.SkipLine();
}
