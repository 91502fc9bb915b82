#include "text/TextWriter.h"

std::string FlagsToLetters(uint32_t flags)
{
    if (flags == 0)
        return "0";
    std::string letters;
    for (int bit = 0; bit < 32; ++bit)
        if (flags & (1u << bit))
            letters += static_cast<char>(bit < 26 ? 'A' + bit : 'a' + (bit - 26));
    return letters;
}

std::string CleanText(const std::string& text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '~')
            clean += c;
    return clean;
}

std::string WithCarriageReturns(const std::string& text)
{
    std::string code;
    code.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            code += '\r';
        code += c;
    }
    return code;
}

std::string WordForFile(const std::string& text, bool quoted, bool& changed)
{
    // Taken as it stands: a word ends at a blank or its quote mark, never
    // at a `~`, and a `~` dropped here would leave a word that reads back
    // empty.
    std::string word = text;
    const bool blank = word.find_first_of(" \t\r\n") != std::string::npos;
    const bool bareFails = word.empty() || word[0] == '\'' || word[0] == '"' || blank;
    if (!quoted && !bareFails)
        return word;
    const bool single = word.find('\'') != std::string::npos;
    const bool dbl = word.find('"') != std::string::npos;
    if (!single)
        return '\'' + word + '\'';
    if (!dbl)
        return '"' + word + '"';
    if (!bareFails)
        return word;
    changed = true;
    std::string kept;
    for (char ch : word)
        if (ch != '"')
            kept += ch;
    return '"' + kept + '"';
}

namespace {

// Every run of blanks becomes one space. The letters stay as they are: a
// capital after a full stop would change the builder's "3 ft. tall".
std::string Normalise(const std::string& text)
{
    std::string line;
    line.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == ' ' || c == '\n') {
            if (line.empty() || line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

} // namespace

std::string FormatDescription(const std::string& text)
{
    std::string line = Normalise(text);
    // A closing line break counts for nothing: read back, the saved text
    // ends in one, and must wrap as it did.
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    std::string result;
    size_t pos = 0; // start of the rest
    while (line.size() - pos >= 77) {
        const size_t limit = result.empty() ? 73 : 76;
        size_t cut = std::string::npos;
        for (size_t p = limit; p >= 1; --p)
            if (line[pos + p] == ' ') {
                cut = p;
                break;
            }
        if (cut == std::string::npos) {
            // A word longer than a line is kept whole rather than hyphenated,
            // so that a saved and re-read text formats to the same bytes.
            const size_t space = line.find(' ', pos + limit + 1);
            if (space == std::string::npos)
                break;
            cut = space - pos;
        }
        result.append(line, pos, cut);
        result += "\n\r";
        pos += cut + 1;
        while (pos < line.size() && line[pos] == ' ')
            ++pos;
    }
    size_t end = line.size();
    while (end > pos && (line[end - 1] == ' ' || line[end - 1] == '\n' || line[end - 1] == '\r'))
        --end;
    result.append(line, pos, end - pos);
    if (result.size() < 2 || result[result.size() - 2] != '\n')
        result += "\n\r";
    return result;
}

int FirstOwnLayoutLine(const std::string& text)
{
    int line = 0;
    int blanksInRow = 0;
    bool lineStart = true; // before the first byte of a line after the first
    bool first = true; // still on the first line
    int emptyLine = -1; // an empty line seen, waiting for text after it
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n') {
            if (lineStart && !first && emptyLine < 0)
                emptyLine = line;
            ++line;
            first = false;
            lineStart = true;
            blanksInRow = 0;
            continue;
        }
        if (c == ' ') {
            if (++blanksInRow == 3)
                return emptyLine >= 0 ? emptyLine : line;
            continue;
        }
        if (emptyLine >= 0)
            return emptyLine;
        if (lineStart && !first && blanksInRow > 0)
            return line;
        lineStart = false;
        blanksInRow = 0;
    }
    return -1;
}

void CFormatArg::AppendTo(std::string& out, char conversion) const
{
    if (conversion == 's' || conversion == 'c') {
        switch (kind) {
        case Text: out += *text; return;
        case Literal: out += literal; return;
        case Byte: out += byte; return;
        case Number:
            if (conversion == 'c') {
                out += static_cast<char>(number);
                return;
            }
            break;
        }
    }
    switch (kind) {
    case Number: out += std::to_string(number); return;
    case Byte: out += std::to_string(static_cast<int>(byte)); return;
    case Text: out += *text; return;
    case Literal: out += literal; return;
    }
}

std::string Format(const char* format, std::initializer_list<CFormatArg> args)
{
    std::string out;
    auto arg = args.begin();
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        ++p;
        while (*p == 'l')
            ++p;
        if (*p == '\0')
            break;
        if (*p == '%') {
            out += '%';
            continue;
        }
        // A conversion without an argument writes nothing rather than reading past the list.
        if (arg != args.end())
            (arg++)->AppendTo(out, *p);
    }
    return out;
}
