#include "area/Sections.h"
#include "text/TextWriter.h"

void ReadAreaHeader(CReadContext& c)
{
    c.doc.fileHeader = AreaHeader::Area;
    // What the game gives an area without OLC data: only the highest
    // builders may change it.
    c.doc.security = 9;
    c.doc.builders = "None";
    c.in.ReadTildeString(); // the area's own file name: the document's path is used instead
    c.doc.name = c.in.ReadTildeString();
    c.doc.credits = c.in.ReadTildeString();
    c.doc.lowerVnum = c.in.ReadNumber();
    c.doc.upperVnum = c.in.ReadNumber();
}

void ReadAreaDataHeader(CReadContext& c)
{
    c.doc.fileHeader = AreaHeader::AreaData;
    for (;;) {
        const std::string key = AsciiUpper(c.in.ReadWord());
        if (key.empty() || key == "END")
            return;
        if (key == "NAME")
            c.doc.name = c.in.ReadTildeString();
        else if (key == "BUILDERS")
            c.doc.builders = c.in.ReadTildeString();
        else if (key == "CREDITS")
            c.doc.credits = c.in.ReadTildeString();
        else if (key == "VNUMS") {
            c.doc.lowerVnum = c.in.ReadNumber();
            c.doc.upperVnum = c.in.ReadNumber();
        } else if (key == "SECURITY")
            c.doc.security = c.in.ReadNumber();
        else if (key == "NIVELMAX")
            c.doc.maxLevel = c.in.ReadNumber();
        else if (key == "NIVELMIN")
            c.doc.minLevel = c.in.ReadNumber();
        else if (key == "RECURSO") {
            const int index = c.in.ReadNumber();
            const int amount = c.in.ReadNumber();
            if (index >= 0 && index < static_cast<int>(c.doc.resources.size()))
                c.doc.resources[static_cast<size_t>(index)].value = amount;
        }
        // Any other key is dropped one word at a time, as the game reads it.
    }
}

AreaHeader HeaderOfDialect(MudType mudType)
{
    if (mudType == MudType::RomDefault)
        return AreaHeader::Area;
    if (mudType == MudType::Quendar || mudType == MudType::RomOlc)
        return AreaHeader::AreaData;
    return AreaHeader::None;
}

void WriteHeader(CWriteContext& c)
{
    const CTolvexDoc& d = c.doc;
    CTextOut& out = c.out;
    const AreaHeader header = HeaderOfDialect(c.options.mudType);
    if (header == AreaHeader::Area) {
        WriteFormatted(out, "#AREA\n");
        WriteFormatted(out, "%s~\n", Cleaned(c.fileName));
        WriteFormatted(out, "%s~\n", Cleaned(d.name));
        WriteFormatted(out, "%s~\n", Cleaned(d.credits));
        WriteFormatted(out, "%d %d\n\n", d.lowerVnum, d.upperVnum);
        return;
    }
    if (header != AreaHeader::AreaData)
        return;
    WriteFormatted(out, "#AREADATA\n");
    WriteFormatted(out, "Name %s~\n", Cleaned(d.name));
    WriteFormatted(out, "Builders %s~\n", Cleaned(d.builders));
    WriteFormatted(out, "VNUMs %d %d\n", d.lowerVnum, d.upperVnum);
    WriteFormatted(out, "Credits %s~\n", Cleaned(d.credits));
    WriteFormatted(out, "Security %d\n", d.security);
    if (c.options.mudType == MudType::Quendar) {
        WriteFormatted(out, "NivelMax %d\n", d.maxLevel);
        WriteFormatted(out, "NivelMin %d\n", d.minLevel);
        for (size_t i = 0; i < d.resources.size(); ++i)
            if (d.resources[i].value != 0)
                WriteFormatted(out, "Recurso %d %d\n", static_cast<int>(i), d.resources[i].value);
    }
    WriteFormatted(out, "End\n\n\n\n");
}
