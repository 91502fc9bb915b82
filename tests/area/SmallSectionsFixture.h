#pragma once

// A document to read #RESETS, #SHOPS and #SPECIALS into and write them from.

#include "area/CTolvexDoc.h"
#include "area/Sections.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

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
