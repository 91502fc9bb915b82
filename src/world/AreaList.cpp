#include "world/AreaList.h"

#include <cctype>

namespace {

bool Blank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

CAreaList ReadAreaList(const std::string& text)
{
    CAreaList list;
    int line = 1;
    size_t i = 0;
    while (i < text.size()) {
        if (Blank(text[i])) {
            line += text[i] == '\n' ? 1 : 0;
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && !Blank(text[i]))
            ++i;
        std::string word = text.substr(start, i - start);
        if (word == "$") {
            list.ended = true;
            break;
        }
        list.entries.push_back({ std::move(word), line });
    }
    return list;
}

bool LooksLikeAreaList(const std::string& text)
{
    const CAreaList list = ReadAreaList(text);
    return list.ended && (list.entries.empty() || list.entries.front().file[0] != '#');
}
