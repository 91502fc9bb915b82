#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

// Flag set as letters: A-Z for bits 0-25, a-f for bits 26-31, "0" when empty.
std::string FlagsToLetters(uint32_t flags);

// The text without carriage returns and `~`, so it can never end its own field.
std::string CleanText(const std::string& text);

// A word as the reader's word rule gives it back: bare where it can be (and
// `quoted` is not asked for), else between quote marks it does not hold. A
// word holding both marks is written bare when it has no blank; with a blank
// it cannot come back whole: its double quotes are dropped and `changed` set.
std::string WordForFile(const std::string& text, bool quoted, bool& changed);
class CTextOut;
void AppendWordForFile(CTextOut& out, const std::string& text, bool quoted, bool& changed);

// A carriage return before every line feed: the program editor works on
// "\r\n" line ends, the file has bare line feeds (CleanText drops the `\r`).
std::string WithCarriageReturns(const std::string& text);

// The line (counted from 0) of the first bit of layout that FormatDescription
// would not keep: a line begun with spaces, an empty line with text after it,
// or three spaces in a row. -1 when there is none. Tabs do not count: the
// formatter keeps them, so a saved text would be found again at every load.
int FirstOwnLayoutLine(const std::string& text);

// Turns every run of blanks into one and wraps the text into lines of at
// most 76 bytes (73 for the first); no letter changes. A word longer than a
// line stays whole on a line of its own. Lines end in "\n\r" (CleanText removes the `\r` before writing).
std::string FormatDescription(const std::string& text);

// A flag set written as FlagsToLetters writes it, and a text as CleanText
// leaves it, straight into a formatted line.
struct CFlagLetters {
    uint32_t flags;
};
inline CFlagLetters AsLetters(uint32_t flags) { return { flags }; }
struct CCleanText {
    const std::string* text;
};
inline CCleanText Cleaned(const std::string& text) { return { &text }; }

class CTextOut;
void AppendFlagLetters(std::string& out, uint32_t flags);
void AppendFlagLetters(CTextOut& out, uint32_t flags);
void AppendCleanText(std::string& out, std::string_view text);
void AppendCleanText(CTextOut& out, std::string_view text);

// One argument of a formatted line: a number, a text or a byte.
class CFormatArg {
public:
    CFormatArg(int v)
        : kind(Number)
        , number(v) { }
    CFormatArg(long v)
        : kind(Number)
        , number(v) { }
    CFormatArg(long long v)
        : kind(Number)
        , number(v) { }
    CFormatArg(unsigned v)
        : kind(Number)
        , number(v) { }
    CFormatArg(char v)
        : kind(Byte)
        , byte(v) { }
    CFormatArg(const std::string& v)
        : kind(Text)
        , text(&v) { }
    CFormatArg(const char* v)
        : kind(Literal)
        , literal(v) { }
    CFormatArg(CFlagLetters v)
        : kind(Letters)
        , flags(v.flags) { }
    CFormatArg(CCleanText v)
        : kind(Clean)
        , text(v.text) { }

    // For a std::string or a CTextOut.
    template <typename Out>
    void AppendTo(Out& out, char conversion) const;

private:
    enum Kind { Number,
        Byte,
        Text,
        Literal,
        Letters,
        Clean } kind;
    union {
        long long number;
        char byte;
        const std::string* text;
        const char* literal;
        uint32_t flags;
    };
};

// printf-style formatting of %d, %i, %ld, %s, %c and %%, type-safe and without
// any length limit. Texts are copied byte for byte, NULs included.
std::string Format(const char* format, std::initializer_list<CFormatArg> args);
void AppendFormat(std::string& out, const char* format, std::initializer_list<CFormatArg> args);
void AppendFormat(CTextOut& out, const char* format, std::initializer_list<CFormatArg> args);

// Text on its way to a stream, gathered so that each small piece costs no
// stream call; it goes out in large pieces, and the rest when it is destroyed.
class CTextOut {
public:
    explicit CTextOut(std::ostream& out)
        : stream(out) { }
    CTextOut(const CTextOut&) = delete;
    CTextOut& operator=(const CTextOut&) = delete;
    ~CTextOut() { Flush(); }

    void append(const char* bytes, size_t size)
    {
        if (size > static_cast<size_t>(buffer + sizeof buffer - at)) {
            Spill(bytes, size);
            return;
        }
        std::memcpy(at, bytes, size);
        at += size;
    }
    void append(std::string_view piece) { append(piece.data(), piece.size()); }
    void push_back(char c)
    {
        if (at == buffer + sizeof buffer)
            Flush();
        *at++ = c;
    }
    // The pieces of a line, each as Format writes it: a text or a byte as
    // it is, a number in decimal, flag letters and cleaned texts as above.
    // Writing them one by one spares the format's parse on every line.
    CTextOut& operator<<(std::string_view piece)
    {
        append(piece);
        return *this;
    }
    CTextOut& operator<<(const char* text) { return *this << std::string_view(text); }
    CTextOut& operator<<(char c)
    {
        push_back(c);
        return *this;
    }
    CTextOut& operator<<(int number) { return PutNumber(number); }
    CTextOut& operator<<(long number) { return PutNumber(number); }
    CTextOut& operator<<(long long number) { return PutNumber(number); }
    CTextOut& operator<<(bool) = delete; // say which number or letter it stands for
    CTextOut& operator<<(CFlagLetters letters);
    CTextOut& operator<<(CCleanText text)
    {
        AppendCleanText(*this, *text.text);
        return *this;
    }
    void Flush();

private:
    void Spill(const char* bytes, size_t size);
    // Room for `size` more bytes in the buffer.
    void Reserve(size_t size)
    {
        if (size > static_cast<size_t>(buffer + sizeof buffer - at))
            Flush();
    }
    template <typename Number>
    CTextOut& PutNumber(Number number)
    {
        Reserve(24);
        at = std::to_chars(at, at + 24, number).ptr;
        return *this;
    }

    std::ostream& stream;
    char buffer[1 << 14];
    char* at = buffer;
};

template <typename... Args>
void WriteFormatted(std::ostream& out, const char* format, const Args&... args)
{
    const std::string line = Format(format, { CFormatArg(args)... });
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

template <typename... Args>
void WriteFormatted(CTextOut& out, const char* format, const Args&... args)
{
    AppendFormat(out, format, { CFormatArg(args)... });
}
