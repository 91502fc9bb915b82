#include "text/TextReader.h"

#include <utility>

namespace {

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

// Decimal value of a number word: optional sign, then digits up to the first
// other byte. Arithmetic wraps at 32 bits, as the game's own int fields do.
uint32_t DecimalValue(const std::string& word)
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

} // namespace

bool IsBlank(int c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

int32_t NumberOfWord(const std::string& word)
{
    return static_cast<int32_t>(DecimalValue(word));
}

CTextReader::CTextReader(std::istream& in)
    : buf(in.rdbuf())
{
}

int CTextReader::GetByte()
{
    int c = buf ? buf->sbumpc() : std::char_traits<char>::eof();
    if (c == std::char_traits<char>::eof()) {
        last = -1;
        return -1;
    }
    c = static_cast<unsigned char>(c);
    if (c == '\n')
        ++line;
    last = c;
    if (capturing)
        captured += static_cast<char>(c);
    return c;
}

void CTextReader::StartCapture()
{
    capturing = true;
    captured.clear();
}

std::string CTextReader::TakeCapture()
{
    capturing = false;
    return std::move(captured);
}

int CTextReader::Peek()
{
    int c = buf ? buf->sgetc() : std::char_traits<char>::eof();
    return c == std::char_traits<char>::eof() ? -1 : static_cast<unsigned char>(c);
}

bool CTextReader::AtEnd()
{
    return Peek() < 0;
}

char CTextReader::ReadChar()
{
    int c;
    do
        c = GetByte();
    while (IsBlank(c));
    tokenLine = line;
    return c < 0 ? 0 : static_cast<char>(c);
}

std::string CTextReader::ReadWord(bool numeric)
{
    int c;
    do
        c = GetByte();
    while (IsBlank(c));
    tokenLine = line;
    std::string word;
    if (c < 0)
        return word;

    if (c == '\'' || c == '"') {
        const int mark = c;
        while ((c = GetByte()) >= 0 && c != mark)
            word += static_cast<char>(c);
        return word;
    }

    word += static_cast<char>(c);
    while ((c = GetByte()) >= 0) {
        if (IsBlank(c) || (numeric && !IsDigit(c) && c != '-'))
            break;
        word += static_cast<char>(c);
    }
    return word;
}

int32_t CTextReader::ReadNumber()
{
    return NumberOfWord(ReadWord(true));
}

uint32_t CTextReader::ReadFlags()
{
    // A part (between `|`) that starts with a digit, or `-` and a digit, is a
    // decimal number: the game's own saver writes some flag fields that way.
    const std::string word = ReadWord(false);
    uint32_t flags = 0;
    size_t start = 0;
    while (start <= word.size()) {
        size_t end = word.find('|', start);
        if (end == std::string::npos)
            end = word.size();
        const std::string part = word.substr(start, end - start);
        const bool number = !part.empty()
            && (IsDigit(static_cast<unsigned char>(part[0]))
                || (part[0] == '-' && part.size() > 1 && IsDigit(static_cast<unsigned char>(part[1]))));
        if (number)
            flags |= DecimalValue(part);
        else
            for (char c : part)
                flags |= FlagLetterBit(static_cast<unsigned char>(c));
        start = end + 1;
    }
    return flags;
}

std::string CTextReader::ReadTildeString(bool joinLines)
{
    int c;
    do
        c = GetByte();
    while (IsBlank(c));
    tokenLine = line;
    std::string text;
    for (; c >= 0 && c != '~'; c = GetByte()) {
        if (c == '\r')
            continue;
        text += static_cast<char>(joinLines && c == '\n' ? ' ' : c);
    }
    return text;
}

void CTextReader::SkipLine()
{
    int c;
    while ((c = GetByte()) >= 0) {
        if (c == '\n')
            return;
        if (c == '\r') {
            GetByte();
            return;
        }
    }
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
