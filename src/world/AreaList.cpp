#include "world/AreaList.h"

#include <algorithm>
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

namespace {

bool NamesAnArea(const std::string& word)
{
    const std::string suffix = ".are";
    if (word.size() <= suffix.size())
        return false;
    for (size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(word[word.size() - suffix.size() + i])) != suffix[i])
            return false;
    return true;
}

} // namespace

bool LooksLikeAreaList(const std::string& text)
{
    const CAreaList list = ReadAreaList(text);
    if (!list.entries.empty() && list.entries.front().file[0] == '#')
        return false;
    if (list.ended)
        return true;
    // A list whose "$" was lost is still one when it names only area files.
    return !list.entries.empty()
        && std::all_of(list.entries.begin(), list.entries.end(), [](const CAreaListEntry& e) { return NamesAnArea(e.file); });
}

std::string AddToAreaList(const std::string& text, const std::string& file)
{
    const std::string end = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    // The "$" word as ReadAreaList finds it: a word alone, after blanks.
    size_t i = 0;
    while (i < text.size()) {
        if (Blank(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && !Blank(text[i]))
            ++i;
        if (i - start == 1 && text[start] == '$') {
            const size_t lineStart = text.rfind('\n', start) == std::string::npos ? 0 : text.rfind('\n', start) + 1;
            // A "$" after a name on the same line goes to a line of its own.
            const bool alone = text.find_first_not_of(" \t", lineStart) == start;
            return alone ? text.substr(0, lineStart) + file + end + text.substr(lineStart)
                         : text.substr(0, start) + end + file + end + text.substr(start);
        }
    }
    const bool ended = text.empty() || text.back() == '\n';
    return text + (ended ? "" : end) + file + end + "$" + end;
}

std::string AreaFileNameFor(const std::string& name)
{
    std::string file;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80)
            file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (file.empty() ? "area" : file) + ".are";
}
