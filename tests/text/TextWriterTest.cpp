#include "text/TextReader.h"
#include "text/TextWriter.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(FlagsToLetters, WritesBitsInOrderAndZeroAsDigitAndReadsBackToTheSameSet)
{
    const std::pair<uint32_t, const char*> cases[] = { { 0u, "0" }, { 0x80000003u, "ABf" }, { 1u << 25, "Z" }, { 1u << 26, "a" },
        { 0xFFFFFFFFu, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef" }, { 0xDEADBEEFu, "ABCDFGHJKLMNPQSTVXZabcef" } };
    for (const auto& [flags, letters] : cases) {
        EXPECT_EQ(FlagsToLetters(flags), letters);
        std::istringstream s(FlagsToLetters(flags));
        CTextReader in(s);
        EXPECT_EQ(in.ReadFlags(), flags);
    }
}

// More texts re-wrapped: the -rewrap golden files of punctuation and texts-as-read.
TEST(FormatDescription, ChangesBlanksOnlyAndNeverALetterNorAWord)
{
    const std::string x76(76, 'x'), word(100, 'w');
    // the text, as formatted
    const std::tuple<std::string, std::string> cases[] = {
        { "the road. it ends", "the road. it ends\n\r" },
        { "", "\n\r" },
        { "he said \"stop.\" then left", "he said \"stop.\" then left\n\r" },
        { "wait... what? yes! ok", "wait... what? yes! ok\n\r" },
        { "end.\nnext line", "end. next line\n\r" },
        { "  many   spaces\r\n here  ", " many spaces here\n\r" },
        { "a giant, 3 ft. tall, with big ... eyes", "a giant, 3 ft. tall, with big ... eyes\n\r" },
        { "caf\xe9. \xe9t\xe9", "caf\xe9. \xe9t\xe9\n\r" },
        // A short text stays one line even at 76 bytes; an overlong word stays whole.
        { x76, x76 + "\n\r" },
        { word, word + "\n\r" },
        { word + " tail", word + "\n\rtail\n\r" },
        { "a " + word + " b", "a\n\r" + word + "\n\rb\n\r" },
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(FormatDescription(in), out) << "input: " << in;
}

TEST(FirstOwnLayoutLine, FindsIndentsInnerEmptyLinesAndThreeSpaces)
{
    // the text, its first line of its own layout (-1: none)
    const std::tuple<const char*, int> cases[] = {
        { "one line of text", -1 },
        { "two\nplain lines\n", -1 },
        { "ends with empty lines\n\n\n", -1 },
        { "tabs\tand\t\t\tmore tabs\n\tstay", -1 },
        { "sign\n   |  BEWARE  |\n", 1 },
        { "para one\n\npara two", 1 },
        { "para one\n  \npara two", 1 },
        { "a\nb\nwide   gap", 2 },
        { "two  spaces only", -1 },
        { "first\r\n  indented", 1 },
    };
    for (const auto& [text, line] : cases)
        EXPECT_EQ(FirstOwnLayoutLine(text), line) << "text: " << text;
}

namespace {

std::vector<std::string> Lines(const std::string& formatted)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t p; (p = formatted.find("\n\r", start)) != std::string::npos; start = p + 2)
        lines.push_back(formatted.substr(start, p - start));
    EXPECT_EQ(start, formatted.size()) << "every line ends in \\n\\r";
    return lines;
}

std::string SaveAndReread(const std::string& text)
{
    std::istringstream file(CleanText(FormatDescription(text)) + "~");
    CTextReader in(file);
    return in.ReadTildeString(true);
}

} // namespace

TEST(FormatDescription, WrapsAMegabyteAt73ThenAt76WithoutLoss)
{
    std::string text, words;
    while (text.size() < (1u << 20))
        text += "lorem ipsum dolor sit amet ";
    const auto lines = Lines(FormatDescription(text));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_LE(lines[0].size(), 73u);
    EXPECT_GT(lines[0].size(), 66u) << "breaks at the last space before the limit";
    for (size_t i = 1; i < lines.size(); ++i) {
        ASSERT_LE(lines[i].size(), 76u) << "line " << i;
        words += lines[i - 1] + " ";
    }
    words += lines.back() + " ";
    EXPECT_GT(lines[1].size(), 69u);
    EXPECT_EQ(words, text);
}

TEST(FormatDescription, FormattingASavedTextChangesNothing)
{
    const std::string texts[] = {
        "the road. it ends here, where the old trees lean over the path and the wind whispers "
        "of things long gone. \"beware,\" says a sign.) nothing else remains... or does it? no!",
        std::string(150, 'q') + " short " + std::string(90, 'r') + ". end",
        "You are in a small room.  There is a door to the north.\nA lamp hangs from the ceiling, "
        "casting long shadows across the stone floor. Dust covers everything here.\n",
        // 76 bytes fit one line; saved, they end in a line break that must not
        // make them wrap the next time.
        "This bunny looks so adorable, you wished you had one just like th\xa1\x8c\xde\xf5\x81\xf5\x97\x8aman",
    };
    for (const std::string& text : texts) {
        const std::string once = FormatDescription(text);
        const std::string twice = FormatDescription(SaveAndReread(text));
        EXPECT_EQ(CleanText(twice), CleanText(once)) << "input: " << text;
        EXPECT_EQ(SaveAndReread(SaveAndReread(text)), SaveAndReread(text));
    }
}

TEST(TextWriter, FormatConvertsEachKindOfArgumentAndCleanTextDropsOnlyTildesAndCarriageReturns)
{
    EXPECT_EQ(CleanText("a~b\r\nc"), "ab\nc");
    EXPECT_EQ(CleanText(std::string("x\0y\xFF", 4)), std::string("x\0y\xFF", 4));
    const std::string s = "text~";
    EXPECT_EQ(Format("%s %i %ld %c%%", { s, -5, 7L, 'M' }), "text~ -5 7 M%");
    EXPECT_EQ(Format("%s|%s", { "lit" }), "lit|") << "missing arguments write nothing";
    std::string big(20000, 'x');
    EXPECT_EQ(Format("[%s]", { big }).size(), 20002u);
}
