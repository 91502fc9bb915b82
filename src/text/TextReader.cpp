#include "text/TextReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

// Decimal value of a number word: optional sign, then digits up to the first
// other byte. Arithmetic wraps at 32 bits, as the game's own int fields do.
uint32_t DecimalValue(std::string_view word)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < word.size() && (word[pos] == '-' || word[pos] == '+')) {
        negative = word[pos] == '-';
        ++pos;
    }
    uint32_t value = 0;
    for (; pos < word.size() && IsDigit(static_cast<unsigned char>(word[pos])); ++pos)
        value = value * 10u + static_cast<uint32_t>(word[pos] - '0');
    return negative ? 0u - value : value;
}

int LineFeeds(const char* from, const char* to)
{
    return static_cast<int>(std::count(from, to, '\n'));
}

} // namespace

bool IsBlank(int c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

int32_t NumberOfWord(std::string_view word)
{
    return static_cast<int32_t>(DecimalValue(word));
}

std::string ReadWholeStream(std::istream& in)
{
    std::string bytes;
    std::streambuf* buf = in.rdbuf();
    if (!buf)
        return bytes;
    // A stream that knows its length is read in one piece, without the
    // string growing over it.
    const std::streampos here = buf->pubseekoff(0, std::ios::cur, std::ios::in);
    const std::streampos total = buf->pubseekoff(0, std::ios::end, std::ios::in);
    if (here != std::streampos(-1) && total != std::streampos(-1) && total >= here
        && buf->pubseekpos(here, std::ios::in) == here)
        bytes.resize(static_cast<size_t>(total - here));
    size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (std::char_traits<char>::eq_int_type(buf->sgetc(), std::char_traits<char>::eof()))
                break;
            bytes.resize(std::max<size_t>(2 * bytes.size(), 1 << 16));
        }
        const std::streamsize got = buf->sgetn(&bytes[size], static_cast<std::streamsize>(bytes.size() - size));
        if (got <= 0)
            break;
        size += static_cast<size_t>(got);
    }
    bytes.resize(size);
    return bytes;
}

CTextReader::CTextReader(std::istream& in)
    : owned(ReadWholeStream(in))
    , pos(owned.data())
    , end(owned.data() + owned.size())
{
}

CTextReader::CTextReader(std::string_view text)
    : pos(text.data())
    , end(text.data() + text.size())
{
}

int CTextReader::GetByte()
{
    if (pos == end) {
        last = -1;
        return -1;
    }
    const int c = static_cast<unsigned char>(*pos++);
    if (c == '\n')
        ++line;
    last = c;
    return c;
}

void CTextReader::StartCapture()
{
    captureStart = pos;
}

std::string CTextReader::TakeCapture()
{
    if (!captureStart)
        return std::string();
    std::string captured(captureStart, pos);
    captureStart = nullptr;
    return captured;
}

bool CTextReader::AtEnd()
{
    return pos == end;
}

int CTextReader::SkipBlanks()
{
    for (; pos < end; ++pos) {
        const unsigned char c = static_cast<unsigned char>(*pos);
        if (c == '\n')
            ++line;
        else if (c != ' ' && c != '\r' && c != '\t')
            return c;
    }
    return -1;
}

void CTextReader::ConsumeThrough(const char* to)
{
    if (to < end) {
        line += LineFeeds(pos, to + 1);
        last = static_cast<unsigned char>(*to);
        pos = to + 1;
    } else {
        line += LineFeeds(pos, end);
        last = -1;
        pos = end;
    }
}

char CTextReader::ReadChar()
{
    const int c = SkipBlanks();
    tokenLine = line;
    if (c < 0) {
        last = -1;
        return 0;
    }
    ++pos;
    last = c;
    return static_cast<char>(c);
}

std::string CTextReader::ReadWord(bool numeric)
{
    return std::string(ReadWordView(numeric));
}

std::string_view CTextReader::ReadWordView(bool numeric)
{
    const int c = SkipBlanks();
    tokenLine = line;
    if (c < 0) {
        last = -1;
        return std::string_view();
    }
    const char* start = ++pos;
    if (c == '\'' || c == '"') {
        const void* mark = std::memchr(pos, c, static_cast<size_t>(end - pos));
        const char* stop = mark ? static_cast<const char*>(mark) : end;
        ConsumeThrough(stop);
        return std::string_view(start, static_cast<size_t>(stop - start));
    }
    --start;
    for (; pos < end; ++pos) {
        const int b = static_cast<unsigned char>(*pos);
        if (IsBlank(b) || (numeric && !IsDigit(b) && b != '-')) {
            const std::string_view word(start, static_cast<size_t>(pos - start));
            ++pos;
            last = b;
            if (b == '\n')
                ++line;
            return word;
        }
    }
    last = -1;
    return std::string_view(start, static_cast<size_t>(end - start));
}

int32_t CTextReader::ReadNumber()
{
    return NumberOfWord(ReadWordView(true));
}

uint32_t CTextReader::ReadFlags()
{
    // A part (between `|`) that starts with a digit, or `-` and a digit, is a
    // decimal number: the game's own saver writes some flag fields that way.
    const std::string_view word = ReadWordView(false);
    uint32_t flags = 0;
    size_t start = 0;
    while (start <= word.size()) {
        size_t bar = word.find('|', start);
        if (bar == std::string_view::npos)
            bar = word.size();
        const std::string_view part = word.substr(start, bar - start);
        const bool number = !part.empty()
            && (IsDigit(static_cast<unsigned char>(part[0]))
                || (part[0] == '-' && part.size() > 1 && IsDigit(static_cast<unsigned char>(part[1]))));
        if (number)
            flags |= DecimalValue(part);
        else
            for (char c : part)
                flags |= FlagLetterBit(static_cast<unsigned char>(c));
        start = bar + 1;
    }
    return flags;
}

std::string CTextReader::ReadTildeString(bool joinLines)
{
    const int c = SkipBlanks();
    tokenLine = line;
    std::string text;
    if (c < 0) {
        last = -1;
        return text;
    }
    const char* start = pos;
    const size_t length = static_cast<size_t>(end - pos);
    const void* tilde = std::memchr(start, '~', length);
    const char* stop = tilde ? static_cast<const char*>(tilde) : end;
    const size_t size = static_cast<size_t>(stop - start);
    if (!joinLines && !std::memchr(start, '\r', size)) {
        text.assign(start, size);
    } else {
        text.reserve(size);
        for (const char* p = start; p < stop; ++p) {
            if (*p == '\r')
                continue;
            text += joinLines && *p == '\n' ? ' ' : *p;
        }
    }
    ConsumeThrough(stop);
    return text;
}

std::string_view CTextReader::ReadTildeView()
{
    const int c = SkipBlanks();
    tokenLine = line;
    if (c < 0) {
        last = -1;
        return std::string_view();
    }
    const char* start = pos;
    const void* tilde = std::memchr(start, '~', static_cast<size_t>(end - pos));
    const char* stop = tilde ? static_cast<const char*>(tilde) : end;
    ConsumeThrough(stop);
    return std::string_view(start, static_cast<size_t>(stop - start));
}

void CTextReader::SkipLine()
{
    while (pos < end) {
        const int c = static_cast<unsigned char>(*pos++);
        last = c;
        if (c == '\n') {
            ++line;
            return;
        }
        if (c == '\r') {
            GetByte();
            return;
        }
    }
    last = -1;
}

std::string AsciiLower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

char AsciiUpperByte(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpper(std::string s)
{
    for (char& c : s)
        c = AsciiUpperByte(c);
    return s;
}

uint32_t FlagLetterBit(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return 1u << (c - 'A');
    if (c >= 'a' && c <= 'f')
        return 1u << (26 + (c - 'a'));
    return 0;
}
