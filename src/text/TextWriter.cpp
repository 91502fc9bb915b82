#include "text/TextWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// Writes the letters at `to` (32 bytes at most); returns their end.
char* PutFlagLetters(char* to, uint32_t flags)
{
    if (flags == 0)
        *to++ = '0';
    // Up to the highest bit set only: most sets hold a few low letters.
    int bit = 0;
    for (uint32_t rest = flags; rest != 0; rest >>= 1, ++bit)
        if (rest & 1u)
            *to++ = static_cast<char>(bit < 26 ? 'A' + bit : 'a' + (bit - 26));
    return to;
}

template <typename Out>
void PutFlagLetters(Out& out, uint32_t flags)
{
    char letters[32];
    out.append(letters, static_cast<size_t>(PutFlagLetters(letters, flags) - letters));
}

template <typename Out>
void PutCleanText(Out& out, std::string_view text)
{
    // Most texts have neither byte: they go in whole.
    if (!std::memchr(text.data(), '~', text.size()) && !std::memchr(text.data(), '\r', text.size())) {
        out.append(text.data(), text.size());
        return;
    }
    for (char c : text)
        if (c != '\r' && c != '~')
            out.push_back(c);
}

} // namespace

void AppendFlagLetters(std::string& out, uint32_t flags) { PutFlagLetters(out, flags); }
void AppendFlagLetters(CTextOut& out, uint32_t flags) { PutFlagLetters(out, flags); }
void AppendCleanText(std::string& out, std::string_view text) { PutCleanText(out, text); }
void AppendCleanText(CTextOut& out, std::string_view text) { PutCleanText(out, text); }

std::string FlagsToLetters(uint32_t flags)
{
    std::string letters;
    AppendFlagLetters(letters, flags);
    return letters;
}

std::string CleanText(const std::string& text)
{
    std::string clean;
    clean.reserve(text.size());
    AppendCleanText(clean, text);
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

namespace {

bool HasBlank(const std::string& text)
{
    for (char c : text)
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            return true;
    return false;
}

// The reader's word rule takes the text back whole without quote marks.
bool ReadsBackBare(const std::string& text)
{
    return !text.empty() && text[0] != '\'' && text[0] != '"' && !HasBlank(text);
}

} // namespace

std::string WordForFile(const std::string& text, bool quoted, bool& changed)
{
    // Taken as it stands: a word ends at a blank or its quote mark, never
    // at a `~`, and a `~` dropped here would leave a word that reads back
    // empty.
    const bool bareFails = !ReadsBackBare(text);
    if (!quoted && !bareFails)
        return text;
    const bool single = text.find('\'') != std::string::npos;
    const bool dbl = text.find('"') != std::string::npos;
    if (!single)
        return '\'' + text + '\'';
    if (!dbl)
        return '"' + text + '"';
    if (!bareFails)
        return text;
    changed = true;
    std::string kept;
    for (char ch : text)
        if (ch != '"')
            kept += ch;
    return '"' + kept + '"';
}

void AppendWordForFile(CTextOut& out, const std::string& text, bool quoted, bool& changed)
{
    // Most words are written bare, and need no copy.
    if (!quoted && ReadsBackBare(text)) {
        out.append(text);
        return;
    }
    out.append(WordForFile(text, quoted, changed));
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

namespace {

// The bytes of `word` equal to `c` have their high bit set, and no other.
uint64_t BytesEqual(uint64_t word, unsigned char c)
{
    const uint64_t low7 = 0x7f7f7f7f7f7f7f7full;
    const uint64_t x = word ^ (0x0101010101010101ull * c);
    return ~(((x & low7) + low7) | x) & ~low7;
}

// Every layout FirstOwnLayoutLine finds needs a carriage return, three
// spaces in a row, or a line feed before a line feed or a space. The first
// such place, or npos: most texts have none, and are looked through eight
// bytes at a time.
size_t FirstLayoutCandidate(const std::string& text)
{
    const char* bytes = text.data();
    const size_t size = text.size();
    size_t i = 0;
    // Steps of six: every run of three (and pair) starts within some word.
    for (; i + 8 <= size; i += 6) {
        uint64_t word;
        std::memcpy(&word, bytes + i, sizeof word);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        word = __builtin_bswap64(word); // the shifts below take the first byte as the lowest
#endif
        const uint64_t spaces = BytesEqual(word, ' ');
        const uint64_t feeds = BytesEqual(word, '\n');
        if (BytesEqual(word, '\r') || (spaces & (spaces >> 8) & (spaces >> 16)) || (feeds & ((feeds | spaces) >> 8)))
            break;
    }
    for (; i < size; ++i) {
        const char c = bytes[i];
        if (c == '\r' || (c == ' ' && i + 2 < size && bytes[i + 1] == ' ' && bytes[i + 2] == ' ')
            || (c == '\n' && i + 1 < size && (bytes[i + 1] == '\n' || bytes[i + 1] == ' ')))
            return i;
    }
    return std::string::npos;
}

} // namespace

int FirstOwnLayoutLine(const std::string& text)
{
    const size_t candidate = FirstLayoutCandidate(text);
    if (candidate == std::string::npos)
        return -1;
    // Nothing before the candidate's line counts: the walk starts there, as
    // it stands at the start of any line.
    const size_t lineBegin = candidate == 0 ? 0 : text.rfind('\n', candidate - 1) + 1;
    int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineBegin), '\n'));
    int blanksInRow = 0;
    bool lineStart = true; // before the first byte of a line after the first
    bool first = line == 0; // still on the first line
    int emptyLine = -1; // an empty line seen, waiting for text after it
    for (size_t i = lineBegin; i < text.size(); ++i) {
        const char c = text[i];
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

namespace {

template <typename Out>
void AppendNumber(Out& out, long long number)
{
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, static_cast<size_t>(end.ptr - digits));
}

template <typename Out>
void FormatInto(Out& out, const char* format, std::initializer_list<CFormatArg> args)
{
    auto arg = args.begin();
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            // The run up to the next conversion goes in at once.
            const char* run = p;
            while (p[1] && p[1] != '%')
                ++p;
            out.append(run, static_cast<size_t>(p - run + 1));
            continue;
        }
        ++p;
        while (*p == 'l')
            ++p;
        if (*p == '\0')
            break;
        if (*p == '%') {
            out.push_back('%');
            continue;
        }
        // A conversion without an argument writes nothing rather than reading past the list.
        if (arg != args.end())
            (arg++)->AppendTo(out, *p);
    }
}

void Put(std::string& out, const std::string& text) { out += text; }
void Put(CTextOut& out, const std::string& text) { out.append(text); }
void Put(std::string& out, const char* text) { out += text; }
void Put(CTextOut& out, const char* text) { out.append(text, std::strlen(text)); }

} // namespace

template <typename Out>
void CFormatArg::AppendTo(Out& out, char conversion) const
{
    if (conversion == 's' || conversion == 'c') {
        switch (kind) {
        case Text: Put(out, *text); return;
        case Literal: Put(out, literal); return;
        case Byte: out.push_back(byte); return;
        case Letters: PutFlagLetters(out, flags); return;
        case Clean: PutCleanText(out, *text); return;
        case Number:
            if (conversion == 'c') {
                out.push_back(static_cast<char>(number));
                return;
            }
            break;
        }
    }
    switch (kind) {
    case Number: AppendNumber(out, number); return;
    case Byte: AppendNumber(out, byte); return;
    case Text: Put(out, *text); return;
    case Literal: Put(out, literal); return;
    case Letters: PutFlagLetters(out, flags); return;
    case Clean: PutCleanText(out, *text); return;
    }
}

template void CFormatArg::AppendTo(std::string&, char) const;
template void CFormatArg::AppendTo(CTextOut&, char) const;

void AppendFormat(std::string& out, const char* format, std::initializer_list<CFormatArg> args)
{
    FormatInto(out, format, args);
}

void AppendFormat(CTextOut& out, const char* format, std::initializer_list<CFormatArg> args)
{
    FormatInto(out, format, args);
}

std::string Format(const char* format, std::initializer_list<CFormatArg> args)
{
    std::string out;
    AppendFormat(out, format, args);
    return out;
}

CTextOut& CTextOut::operator<<(CFlagLetters letters)
{
    Reserve(32);
    at = PutFlagLetters(at, letters.flags);
    return *this;
}

void CTextOut::Flush()
{
    stream.write(buffer, at - buffer);
    at = buffer;
}

void CTextOut::Spill(const char* bytes, size_t size)
{
    Flush();
    // A piece larger than the buffer goes out by itself.
    if (size >= sizeof buffer) {
        stream.write(bytes, static_cast<std::streamsize>(size));
        return;
    }
    std::memcpy(at, bytes, size);
    at += size;
}
