#include "text/TextReader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Reading {
    std::istringstream stream;
    CTextReader in;
    explicit Reading(const std::string& text)
        : stream(text)
        , in(stream)
    {
    }
};

// The next `count` numbers, each followed by a blank.
std::string Numbers(Reading& r, int count)
{
    std::string all;
    while (count-- > 0)
        all += std::to_string(r.in.ReadNumber()) + " ";
    return all;
}

TEST(ReadNumber, ReadsSignsDigitsAndDiceAsSeparateNumbersWrappingAt32Bits)
{
    // "d" has no digits; 'a' starts a word that the 'b' ends.
    Reading r("100d8+20 -5 +7 d 12 abc");
    EXPECT_EQ(Numbers(r, 8), "100 8 20 -5 7 0 12 0 ");
    EXPECT_EQ(r.in.ReadChar(), 'c');
    EXPECT_EQ(r.in.ReadNumber(), 0) << "end of input";
    Reading dice("2d8+-5 4294967297");
    EXPECT_EQ(Numbers(dice, 4), "2 8 -5 1 ") << "a negative bonus; numbers wrap instead of overflowing";
}

} // namespace

TEST(ReadWord, QuotedWordsKeepBlanksAndUnterminatedQuotesRunToTheEnd)
{
    Reading r("  'two words' next \"dq 'x'\"\n'open to the end\nline");
    EXPECT_EQ(r.in.ReadWord(), "two words");
    EXPECT_EQ(r.in.ReadWord(), "next");
    EXPECT_EQ(r.in.ReadWord(), "dq 'x'");
    EXPECT_EQ(r.in.ReadWord(), "open to the end\nline");
    EXPECT_EQ(r.in.ReadWord(), "");
}

TEST(ReadWord, NumericModeStopsAtTheFirstNonDigit)
{
    Reading r("ab3-4x rest");
    EXPECT_EQ(r.in.ReadWord(true), "a") << "the first byte is always taken";
    EXPECT_EQ(r.in.ReadWord(true), "3-4");
    EXPECT_EQ(r.in.ReadWord(false), "rest");
}

TEST(ReadFlags, LettersAreOredAndDecimalPartsAreNumbers)
{
    const struct {
        const char* text;
        uint32_t flags;
    } cases[] = {
        { "0", 0 },
        { "AB", 3 },
        { "A|B", 3 },
        { "AA", 1 }, // letters are a set, not a sum
        { "5", 5 }, // decimal flag fields as ROM's saver writes them
        { "1|2|8", 11 },
        { "AB|16", 19 },
        { "-1", 0xFFFFFFFFu },
        { "-", 0 },
        { "g?!", 0 },
        { "2064", 2064 },
    };
    for (const auto& c : cases) {
        Reading r(c.text);
        EXPECT_EQ(r.in.ReadFlags(), c.flags) << "flag word '" << c.text << "'";
    }
}

TEST(ReadTildeString, JoinsOrKeepsLinesAndDropsCarriageReturns)
{
    Reading joined("  first\r\nsecond~ tail~");
    EXPECT_EQ(joined.in.ReadTildeString(true), "first second");
    EXPECT_EQ(joined.in.ReadTildeString(true), "tail");

    Reading kept("  first\r\nsecond~");
    EXPECT_EQ(kept.in.ReadTildeString(false), "first\nsecond");

    Reading empty("~ x");
    EXPECT_EQ(empty.in.ReadTildeString(), "");
    EXPECT_EQ(empty.in.ReadWord(), "x");

    Reading cut("cut by the end");
    EXPECT_EQ(cut.in.ReadTildeString(), "cut by the end");
    EXPECT_EQ(cut.in.ReadTildeString(), "");
}

TEST(ReadTildeString, AMegabyteTextPassesIntact)
{
    std::string big;
    for (int i = 0; i < 1 << 20; ++i)
        big += static_cast<char>('a' + i % 26);
    Reading r(big + "~");
    EXPECT_EQ(r.in.ReadTildeString(), big);
}

TEST(SkipLine, EndsAtLineFeedOrCarriageReturnPair)
{
    Reading r("skip me\nnext\r\nthird\rXfourth");
    r.in.SkipLine();
    EXPECT_EQ(r.in.ReadWord(), "next");
    r.in.SkipLine(); // the rest of "next"'s line is just its line feed pair
    EXPECT_EQ(r.in.ReadWord(), "third");
    EXPECT_EQ(r.in.ReadWord(), "Xfourth");
    r.in.SkipLine();
    EXPECT_TRUE(r.in.AtEnd());
}

TEST(TextReader, CountsLinesAndRemembersWhereATokenBegan)
{
    Reading r("one\n\n  two\nthree");
    EXPECT_EQ(r.in.Line(), 1);
    r.in.ReadWord();
    EXPECT_EQ(r.in.Line(), 2) << "the line feed that ended the word is consumed";
    r.in.ReadWord();
    EXPECT_EQ(r.in.TokenLine(), 3);
    r.in.ReadWord();
    EXPECT_EQ(r.in.TokenLine(), 4);
    EXPECT_EQ(r.in.ReadChar(), 0);
}

TEST(ReadChar, SkipsBlanksAndKeepsHighBytes)
{
    Reading r(" \t\r\n\xE9x");
    EXPECT_EQ(static_cast<unsigned char>(r.in.ReadChar()), 0xE9);
    EXPECT_EQ(r.in.ReadChar(), 'x');
    EXPECT_EQ(r.in.ReadChar(), 0);
}
