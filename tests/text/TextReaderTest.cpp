#include "text/TextReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

// Each case reads its text with a list of calls, one letter each: n
// ReadNumber, w ReadWord, d ReadWord in numeric mode, f ReadFlags, j and k
// ReadTildeString joining or keeping lines, c ReadChar, s SkipLine, l Line,
// t TokenLine, e AtEnd; what the calls give, "|" between them.
TEST(TextReader, ReadsEachKindOfTokenAsTheGameDoes)
{
    // the text, the calls, what they give
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // Dice are three numbers; "d" has no digits; 'a' starts a word that the 'b' ends.
        { "100d8+20 -5 +7 d 12 abc", "nnnnnnnncn", "100|8|20|-5|7|0|12|0|c|0" },
        // A negative bonus; numbers wrap at 32 bits instead of overflowing.
        { "2d8+-5 4294967297", "nnnn", "2|8|-5|1" },
        // Quoted numbers; a `-` inside ends the digits; the byte after a number goes with it.
        { "'12' \"-3\" --5 5-3x9 -\n7", "nnnnnnlnl", "12|-3|0|5|9|0|2|7|2" },
        // Quoted words keep their blanks; an unterminated quote runs to the end.
        { "  'two words' next \"dq 'x'\"\n'open to the end\nline", "wwwww", "two words|next|dq 'x'|open to the end\nline|" },
        // In numeric mode the first byte is always taken.
        { "ab3-4x rest", "ddw", "a|3-4|rest" },
        // Flag letters are a set, not a sum; decimal parts as ROM's saver writes them.
        { "0 AB A|B AA 5 1|2|8 AB|16 -1 - g?! 2064", "fffffffffff", "0|3|3|1|5|11|19|4294967295|0|0|2064" },
        { "@[`{ \xC1z", "ff", "0|0" }, // beside the letters, no bit
        { "  first\r\nsecond~ tail~", "jj", "first second|tail" },
        { "  first\r\nsecond~~ x", "kkw", "first\nsecond||x" },
        { "cut by the end", "kk", "cut by the end|" },
        // A line ends at a line feed or a carriage return pair.
        { "skip me\nnext\r\nthird\rXfourth", "swswwse", "|next||third|Xfourth||end" },
        { "a line longer than sixteen bytes\rXword and another long line\n7", "swsnl", "|word||7|2" },
        // The line feed that ended a word is consumed.
        { "one\n\n  two\nthree", "lwlwtwtc", "1|one|2|two|3|three|4|" },
        { " \t\r\n\xE9x", "ccc", "\xE9|x|" },
    };
    for (const auto& [text, calls, expected] : cases) {
        std::istringstream stream(text);
        CTextReader in(stream);
        std::string read;
        for (const char* call = calls; *call; ++call) {
            read += call == calls ? "" : "|";
            switch (*call) {
            case 'n': read += std::to_string(in.ReadNumber()); break;
            case 'w': read += in.ReadWord(); break;
            case 'd': read += in.ReadWord(true); break;
            case 'f': read += std::to_string(in.ReadFlags()); break;
            case 'j': read += in.ReadTildeString(true); break;
            case 'k': read += in.ReadTildeString(); break;
            case 'c': read += std::string(1, in.ReadChar()).c_str(); break;
            case 's': in.SkipLine(); break;
            case 'l': read += std::to_string(in.Line()); break;
            case 't': read += std::to_string(in.TokenLine()); break;
            case 'e': read += in.AtEnd() ? "end" : "more"; break;
            }
        }
        EXPECT_EQ(read, expected) << "reading \"" << text << "\" with " << calls;
    }
}

TEST(TextReader, AMegabyteTextPassesIntact)
{
    std::string big;
    for (int i = 0; i < 1 << 20; ++i)
        big += static_cast<char>('a' + i % 26);
    std::istringstream stream(big + "~");
    CTextReader in(stream);
    EXPECT_EQ(in.ReadTildeString(), big);
}

// Texts are scanned in steps of sixteen bytes: line feeds and carriage
// returns count wherever they fall, and never after the tilde.
TEST(TextReader, TextsOfAnyLengthKeepTheirLinesAndLoseTheirCarriageReturns)
{
    for (size_t length : { 1, 15, 16, 17, 31, 4079, 4080, 4097, 70000 })
        for (size_t carriage : { length, size_t { 0 }, length / 2, length - 1 }) {
            std::string text;
            for (size_t i = 0; i < length; ++i)
                text += i == carriage ? '\r' : i % 7 == 6 ? '\n'
                                                          : static_cast<char>('a' + i % 26);
            const std::string file = text + "~\r\n\n5";
            CTextReader in(file);
            std::string kept = text;
            kept.erase(std::remove(kept.begin(), kept.end(), '\r'), kept.end());
            EXPECT_EQ(in.ReadTildeString(), kept) << length << " bytes, carriage return at " << carriage;
            const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
            EXPECT_EQ(in.Line(), lines) << length << " bytes, carriage return at " << carriage;
            EXPECT_EQ(in.ReadNumber(), 5);
            EXPECT_EQ(in.TokenLine(), lines + 2);
        }
}
