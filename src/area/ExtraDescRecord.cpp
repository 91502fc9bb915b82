#include "area/ExtraDescRecord.h"

#include "text/RecordReader.h"
#include "text/RecordWriter.h"

namespace {

// Two texts of at least their length byte each.
constexpr size_t LeastExtraDescBytes = 2;

} // namespace

void WriteExtraDescs(CRecordWriter& out, const std::vector<CExtraDescData>& list, ExtraDescOrder order)
{
    const bool keywordFirst = order == ExtraDescOrder::KeywordFirst;
    out.WriteList(list, [keywordFirst](CRecordWriter& w, const CExtraDescData& extra) {
        w.WriteText(keywordFirst ? extra.keyword : extra.description);
        w.WriteText(keywordFirst ? extra.description : extra.keyword);
    });
}

bool ReadExtraDescs(CRecordReader& in, std::vector<CExtraDescData>& list, ExtraDescOrder order)
{
    const bool keywordFirst = order == ExtraDescOrder::KeywordFirst;
    return in.ReadList(list, LeastExtraDescBytes, [keywordFirst](CRecordReader& r, CExtraDescData& extra) {
        std::string& first = keywordFirst ? extra.keyword : extra.description;
        std::string& second = keywordFirst ? extra.description : extra.keyword;
        return r.ReadText(first) && r.ReadText(second);
    });
}
