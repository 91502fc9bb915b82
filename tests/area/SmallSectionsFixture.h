#pragma once

// A document to read #RESETS, #SHOPS and #SPECIALS into and write them from.

#include "area/CTolvexDoc.h"
#include "area/Sections.h"
#include "support/TestPaths.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

struct SmallSections {
    CConfigTables tables;
    CTolvexDoc doc { tables };
    CDiagnosticList diagnostics;

    void AddRoom(int vnum)
    {
        CRoomData room;
        room.vnum = vnum;
        doc.rooms.push_back(room);
    }

    CMobData& AddMob(int vnum)
    {
        CMobData mob(tables);
        mob.vnum = vnum;
        doc.mobs.push_back(mob);
        return doc.mobs.back();
    }

    // Reads the body of a section and gives back what the reader left unread.
    std::string Read(bool (*reader)(CReadContext&), const std::string& body)
    {
        std::istringstream stream(body);
        CTextReader in(stream);
        CReadContext context { doc, in, diagnostics, tables };
        EXPECT_TRUE(reader(context));
        return std::string(std::istreambuf_iterator<char>(stream), {});
    }

    std::string Write(void (*writer)(CWriteContext&))
    {
        std::ostringstream out;
        CWriteContext context { doc, out, diagnostics, tables, CSaveOptions() };
        writer(context);
        return out.str();
    }

    std::string Warnings() const
    {
        std::string all;
        for (const CDiagnostic& d : diagnostics.items)
            all += "line " + std::to_string(d.line) + ": " + d.text + "\n";
        return all;
    }
};

// The text of a shared ROM area that follows the line of `section`, or "" when
// the file or the section is not there.
inline std::string RomSectionBody(const std::string& file, const std::string& section)
{
    std::ifstream in(SharedPath("areas/rom24/" + file), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const size_t at = text.find("\n" + section + "\n");
    return at == std::string::npos ? std::string() : text.substr(at + section.size() + 2);
}

// The lines of `body` up to the first line for which `ends` holds.
template <typename Ends>
std::vector<std::string> LinesUntil(const std::string& body, Ends ends)
{
    std::vector<std::string> lines;
    std::istringstream in(body);
    std::string line;
    while (std::getline(in, line) && !ends(line))
        lines.push_back(line);
    return lines;
}
