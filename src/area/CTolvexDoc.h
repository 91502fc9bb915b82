#pragma once

#include "area/CAreaHeader.h"
#include "area/CMobData.h"
#include "area/CMobProgData.h"
#include "area/CObjData.h"
#include "area/CResetData.h"
#include "area/CRoomData.h"
#include "area/Diagnostics.h"
#include "config/ConfigTables.h"

#include <climits>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

// How a save writes: the dialect and whether the #MOBPROGS section is
// written. Descriptions are written as read, but for those the builder edited,
// which are formatted unless their typed layout is kept; `rewrapAll` formats
// every one.
struct CSaveOptions {
    MudType mudType = MudType::Quendar;
    bool mobprogs = true;
    bool keepLayout = false;
    bool rewrapAll = false;
};

// The header sections a file can have.
enum class AreaHeader { None,
    Area,
    AreaData };

// A section the editor does not edit, kept as the file had it.
struct CKeptSection {
    std::string word; // HELPS, SOCIALS, MOBOLD or OBJOLD
    std::string bytes; // from its `#` to where its skip ended
};

// A shop or a special whose mob lives in another area.
struct CStrayShop {
    int keeper = 0;
    CShopData shop;
    int line = 0; // of its file line; never written
};
struct CStraySpecial {
    int vnum = 0;
    std::string special;
    int line = 0; // of its file line; never written
};

// One open area: its header and every record, owned in file order.
class CTolvexDoc {
public:
    // The document reads its names from `tables`; its resource list is built
    // from the RECUNAME table as it stands now.
    explicit CTolvexDoc(CConfigTables& tables = theTables);

    CConfigTables& Tables() const { return *tables; }

    std::string name;
    std::string builders;
    int upperVnum = 0;
    int lowerVnum = 0;
    std::string credits;
    int security = 0;
    int minLevel = 0;
    int maxLevel = 0;
    std::vector<CRoomData> rooms;
    std::vector<CResetData> resets;
    std::vector<CMobProgData> mobprogs;
    std::vector<CObjData> objects;
    std::vector<CMobData> mobs;
    std::vector<CTableEntry> resources;
    // Resets whose room is not in this area (or that precede any room reset):
    // kept in order and written after the rooms' resets (those before any
    // room reset are written first, where they stood).
    std::vector<CResetData> strayResets;
    // Shops and specials of mobs that are not in this area: kept as read and
    // written after the area's own.
    std::vector<CStrayShop> strayShops;
    std::vector<CStraySpecial> straySpecials;
    // #HELPS, #SOCIALS, #MOBOLD and #OBJOLD in file order; written unchanged
    // right after the header.
    std::vector<CKeptSection> keptSections;
    // The header section the file had.
    AreaHeader fileHeader = AreaHeader::None;

    int highestLevel = 0;
    int lowestLevel = 0;

    CAreaHeader Header() const;
    void SetHeader(const CAreaHeader& header);

    // File New: the values of a new area.
    void OnNewDocument();

    // Reads an area file into this freshly constructed document. False when the
    // load was aborted; the document must then be discarded. `saveOptions`
    // say how the area will be saved, so that the load can warn about what
    // that save changes; without them the configured dialect is assumed.
    bool Load(std::istream& in, IDiagnostics& diagnostics);
    bool Load(std::istream& in, IDiagnostics& diagnostics, const CSaveOptions& saveOptions);
    // The same over the file's bytes, which it takes, so a caller that has
    // read the file does not hold it twice.
    bool Load(std::string&& bytes, IDiagnostics& diagnostics, const CSaveOptions& saveOptions);

    // Room slots a load leaves free after the rooms it reads, per 1024 rooms
    // (none by default). An editor spares some, so its first dig does not
    // move a large room list to a new place.
    int spareRoomsPer1024 = 0;
    size_t SpareRooms(size_t roomCount) const
    {
        return spareRoomsPer1024 > 0 ? roomCount * static_cast<size_t>(spareRoomsPer1024) / 1024 + 16 : 0;
    }

    // A file without a header section is saved without one, until the
    // builder edits the header (SetHeader); new areas have one.
    bool WritesHeader() const { return writesHeader; }

    // The reader stopped at something it did not understand before the end
    // of the file: a save would lose the rest. The line where it stopped.
    bool ReadInPart() const { return readUpToLine > 0; }
    int ReadUpToLine() const { return readUpToLine; }
    // The file had at least one section the reader knows (#ROOMS, #AREA...):
    // without one, a file with anything in it is no area file at all.
    bool SectionsFound() const { return sectionsFound; }
    // The file the area was read from now holds what the document holds.
    void ForgetReadInPart() { readUpToLine = 0; }

    // Writes the area. `pathName` is the document's path; its file name goes
    // into the #AREA header.
    void Save(std::ostream& out, const std::string& pathName, IDiagnostics& diagnostics) const;
    void Save(std::ostream& out, const std::string& pathName, IDiagnostics& diagnostics, const CSaveOptions& options) const;
    CSaveOptions DefaultSaveOptions() const;
    // Whether the area holds any record, its own or another area's.
    bool HasRecords() const;

    // Lookups: the first record with the vnum whose position is not `skip`, or -1.
    // Each list has an index by vnum, built at the first lookup after the
    // list changed: a list that grew, shrank or moved is noticed by itself;
    // a record whose vnum changed in place needs ForgetVnumIndexes().
    int FindRoomIndex(int vnum, int skip = -1) const;
    int FindObjectByVnum(int vnum, int skip = -1) const;
    int FindMobByVnum(int vnum, int skip = -1) const;
    int FindMobprogByVnum(int vnum, int skip = -1) const;
    void ForgetVnumIndexes() const;
    // The records the indexes have taken in and the steps their searches
    // have made, since the program started: what the lookups cost.
    static long long VnumIndexWork();

    // The lowest vnum of the area's range that no record of the list has, or
    // -1. Objects, mobs and mobprogs start at 1 whatever the lower bound; a
    // mobprog's vnum stays at most HighestMobprogVnum, and the program at
    // position `skip` does not count.
    int FirstFreeRoomVnum() const;
    int FreeObjectVnum() const;
    int FreeMobVnum() const;
    int FreeMobprogVnum(int skip = -1) const;
    static constexpr int HighestMobprogVnum = 32767;
    // The editor takes a vnum as large as a file's number can be, so an area
    // of a MUD that holds vnums in 32 bits stays editable; the checker says
    // where the ROM server stops.
    static constexpr int LargestVnum = INT_MAX;

    // Resets: from the file's list into the rooms. With `diagnostics`, resets
    // that reach no room are warned about.
    void DistributeResets(IDiagnostics* diagnostics = nullptr);
    // The area's reset list as the rooms hold it, each room-naming reset
    // naming its room's vnum.
    std::vector<CResetData> RoomResets() const;

    // Forgets the file line of every record, once the file holds what the
    // writer wrote instead of what was read.
    void ClearFileLines();

private:
    // Vnum and position of each record of a list, in vnum order, and which
    // list the index was built on. A list whose vnums already rise needs no
    // entries: it is searched itself.
    struct CVnumIndex {
        const void* data = nullptr;
        size_t size = 0;
        bool built = false;
        bool listRises = false;
        std::vector<std::pair<int, int>> entries;
    };
    template <typename Record>
    int Find(const std::vector<Record>& list, CVnumIndex& index, int vnum, int skip) const;

    CConfigTables* tables;
    mutable CVnumIndex roomsByVnum;
    mutable CVnumIndex objectsByVnum;
    mutable CVnumIndex mobsByVnum;
    mutable CVnumIndex mobprogsByVnum;
    bool writesHeader = true;
    int readUpToLine = 0;
    bool sectionsFound = false;
};

// Forgets the file lines of the records of one list (and of rooms' resets).
void ClearFileLines(std::vector<CRoomData>& rooms);
void ClearFileLines(std::vector<CObjData>& objects);
void ClearFileLines(std::vector<CMobData>& mobs);
void ClearFileLines(std::vector<CMobProgData>& programs);

// The file name part of a path: the text after the last separator.
std::string FileNamePart(const std::string& path);
