#include "editors/ExtraDescList.h"

#include <cctype>

namespace {

bool SameKeyword(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

int FindExtraDesc(const std::vector<CExtraDescData>& list, const std::string& keyword)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (SameKeyword(list[i].keyword, keyword))
            return static_cast<int>(i);
    return -1;
}

int AddExtraDesc(std::vector<CExtraDescData>& list, const std::string& keyword, const std::string& description)
{
    if (keyword.empty())
        return -1;
    const int existing = FindExtraDesc(list, keyword);
    if (existing >= 0)
        return existing;
    list.push_back({ keyword, description });
    return static_cast<int>(list.size()) - 1;
}
