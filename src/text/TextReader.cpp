#include "text/TextReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// The bytes that end a word (EndsWord) and those that end a number word
// (EndsNumber: every byte but the digits and `-`).
constexpr unsigned char EndsWord = 1;
constexpr unsigned char EndsNumber = 2;
constexpr std::array<unsigned char, 256> wordEnds = [] {
    std::array<unsigned char, 256> ends {};
    for (int c = 0; c < 256; ++c) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        const bool numeric = (c >= '0' && c <= '9') || c == '-';
        ends[static_cast<size_t>(c)] = static_cast<unsigned char>((blank ? EndsWord : 0) | (blank || !numeric ? EndsNumber : 0));
    }
    return ends;
}();

// What lies between a place and the next `~`: one pass finds the tilde,
// counts the line feeds before it and notes any carriage return.
struct CTildeScan {
    const char* stop; // the `~`, or the end
    int feeds = 0;
    bool carriage = false;
};

#ifdef __SSE2__
// The bytes equal to `c` among the sixteen, as the low sixteen bits.
unsigned Matches(__m128i bytes, char c)
{
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
}

unsigned BitsSet(unsigned bits16)
{
    unsigned x = bits16 - ((bits16 >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0f0fu;
    return (x + (x >> 8)) & 0x1fu;
}
#endif

CTildeScan ScanToTilde(const char* from, const char* end)
{
    CTildeScan scan { end };
    const char* p = from;
#ifdef __SSE2__
    // Sixteen bytes a step; each lane of `counted` counts at most 255 steps.
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 16) {
        __m128i counted = zero;
        unsigned carriages = 0;
        const char* tilde = nullptr;
        for (int steps = 0; steps < 255 && end - p >= 16; ++steps, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            if (const unsigned tildes = Matches(bytes, '~')) {
                const unsigned before = (tildes & (0u - tildes)) - 1u;
                scan.feeds += static_cast<int>(BitsSet(Matches(bytes, '\n') & before));
                carriages |= Matches(bytes, '\r') & before;
                tilde = p + __builtin_ctz(tildes);
                break;
            }
            counted = _mm_sub_epi8(counted, _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
            carriages |= Matches(bytes, '\r');
        }
        const __m128i sums = _mm_sad_epu8(counted, zero);
        scan.feeds += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
        scan.carriage = scan.carriage || carriages != 0;
        if (tilde) {
            scan.stop = tilde;
            return scan;
        }
    }
#endif
    // The last bytes of the text, one at a time.
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '~') {
            scan.stop = p;
            return scan;
        }
        scan.feeds += c == '\n';
        scan.carriage = scan.carriage || c == '\r';
    }
    return scan;
}

// The first line feed or carriage return from `from` on, or `end`.
const char* FindLineEnd(const char* from, const char* end)
{
    const char* p = from;
#ifdef __SSE2__
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if (const unsigned ends = Matches(bytes, '\n') | Matches(bytes, '\r'))
            return p + __builtin_ctz(ends);
    }
#endif
    for (; p < end; ++p)
        if (*p == '\n' || *p == '\r')
            return p;
    return end;
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
        if (!(wordEnds[c] & EndsWord))
            return c;
        if (c == '\n')
            ++line;
    }
    return -1;
}

void CTextReader::ConsumeThrough(const char* to)
{
    const char* stop = to < end ? to + 1 : end;
    line += static_cast<int>(std::count(pos, stop, '\n'));
    last = to < end ? static_cast<unsigned char>(*to) : -1;
    pos = stop;
}

void CTextReader::ConsumeThrough(const char* to, int feeds)
{
    line += feeds;
    last = to < end ? static_cast<unsigned char>(*to) : -1;
    pos = to < end ? to + 1 : end;
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
    const unsigned char ending = numeric ? EndsNumber : EndsWord;
    for (; pos < end; ++pos) {
        const unsigned char b = static_cast<unsigned char>(*pos);
        if (wordEnds[b] & ending) {
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
    const int c = SkipBlanks();
    if (c == '\'' || c == '"' || c < 0)
        return NumberOfWord(ReadWordView(true));
    tokenLine = line;
    // The word is its first byte and the digits and `-` after it; its value,
    // as NumberOfWord takes it, is read on the way.
    const char* p = pos + 1;
    const bool negative = c == '-';
    bool digits = negative || c == '+' || IsDigit(c);
    uint32_t value = IsDigit(c) ? static_cast<uint32_t>(c - '0') : 0u;
    for (; p < end; ++p) {
        const unsigned char b = static_cast<unsigned char>(*p);
        if (wordEnds[b] & EndsNumber)
            break;
        if (b == '-')
            digits = false;
        else if (digits)
            value = value * 10u + static_cast<uint32_t>(b - '0');
    }
    if (p < end) {
        last = static_cast<unsigned char>(*p);
        if (*p == '\n')
            ++line;
        pos = p + 1;
    } else {
        last = -1;
        pos = end;
    }
    return static_cast<int32_t>(negative ? 0u - value : value);
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
    const CTildeScan scan = ScanToTilde(start, end);
    const size_t size = static_cast<size_t>(scan.stop - start);
    if (!joinLines && !scan.carriage) {
        text.assign(start, size);
    } else {
        text.reserve(size);
        for (const char* p = start; p < scan.stop; ++p) {
            if (*p == '\r')
                continue;
            text += joinLines && *p == '\n' ? ' ' : *p;
        }
    }
    ConsumeThrough(scan.stop, scan.feeds);
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
    const CTildeScan scan = ScanToTilde(start, end);
    ConsumeThrough(scan.stop, scan.feeds);
    return std::string_view(start, static_cast<size_t>(scan.stop - start));
}

void CTextReader::SkipLine()
{
    const char* stop = FindLineEnd(pos, end);
    if (stop == end) {
        pos = end;
        last = -1;
        return;
    }
    last = static_cast<unsigned char>(*stop);
    pos = stop + 1;
    if (last == '\n')
        ++line;
    else
        GetByte();
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
