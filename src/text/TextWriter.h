#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>

// Flag set as letters: A-Z for bits 0-25, a-f for bits 26-31, "0" when empty.
std::string FlagsToLetters(uint32_t flags);

// The text without carriage returns and `~`, so it can never end its own field.
std::string CleanText(const std::string& text);

// A word as the reader's word rule gives it back: bare where it can be (and
// `quoted` is not asked for), else between quote marks it does not hold. A
// word holding both marks is written bare when it has no blank; with a blank
// it cannot come back whole: its double quotes are dropped and `changed` set.
std::string WordForFile(const std::string& text, bool quoted, bool& changed);

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

    void AppendTo(std::string& out, char conversion) const;

private:
    enum Kind { Number,
        Byte,
        Text,
        Literal } kind;
    long long number = 0;
    char byte = 0;
    const std::string* text = nullptr;
    const char* literal = nullptr;
};

// printf-style formatting of %d, %i, %ld, %s, %c and %%, type-safe and without
// any length limit. Texts are copied byte for byte, NULs included.
std::string Format(const char* format, std::initializer_list<CFormatArg> args);

template <typename... Args>
void WriteFormatted(std::ostream& out, const char* format, const Args&... args)
{
    const std::string line = Format(format, { CFormatArg(args)... });
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}
