#pragma once

#include "area/CAreaHeader.h"
#include "area/CMobData.h"
#include "area/CMobProgData.h"
#include "area/CObjData.h"
#include "area/CRoomData.h"

// Whether two records say the same: everything a builder can change and a
// save writes. The file line, the edited marks and the map placement are
// bookkeeping and do not count, so an editor's OK that changed nothing can be
// told from one that did.
bool SameContent(const CAreaHeader& a, const CAreaHeader& b);
bool SameContent(const CRoomData& a, const CRoomData& b);
bool SameContent(const CObjData& a, const CObjData& b);
bool SameContent(const CMobData& a, const CMobData& b);
bool SameContent(const CMobProgData& a, const CMobProgData& b);
