#pragma once

#include "area/CExtraDescData.h"

#include <vector>

class CRecordReader;
class CRecordWriter;

// The extra descriptions of a clipboard record. The room record puts the
// keyword first, the object record the description.
enum class ExtraDescOrder { KeywordFirst,
    DescriptionFirst };

void WriteExtraDescs(CRecordWriter& out, const std::vector<CExtraDescData>& list, ExtraDescOrder order);
bool ReadExtraDescs(CRecordReader& in, std::vector<CExtraDescData>& list, ExtraDescOrder order);
