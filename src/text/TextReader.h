#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// Forward-only reader of the words, numbers, flag sets and `~` texts that area
// files and tolvex.cfg are made of. Every operation consumes the byte that ends
// it; at end of input the results are empty or zero.
class CTextReader {
public:
    // Reads the whole stream first: the reader works on bytes in memory.
    explicit CTextReader(std::istream& in);
    // Reads `text` where it lies: it must outlive the reader.
    explicit CTextReader(std::string_view text);
    CTextReader(const CTextReader&) = delete;
    CTextReader& operator=(const CTextReader&) = delete;

    char ReadChar();
    std::string ReadWord(bool numeric = false);
    // The same word, as a view of the text that lasts as long as the text.
    std::string_view ReadWordView(bool numeric = false);
    int32_t ReadNumber();
    uint32_t ReadFlags();
    // Keeps the text's line feeds unless `joinLines` turns each into a blank.
    std::string ReadTildeString(bool joinLines = false);
    // The same text's bytes as the file has them, carriage returns included.
    std::string_view ReadTildeView();
    void SkipLine();

    // One raw byte (no whitespace skipped), or -1 at end of input.
    int GetByte();

    // The line of the next byte to be read, counting from 1.
    int Line() const { return line; }
    // The line on which the last word, number, character or text began.
    int TokenLine() const { return tokenLine; }
    // The last byte consumed, or -1 before the first and after end of input.
    int LastByte() const { return last; }
    bool AtEnd();
    // The bytes not read yet.
    std::string_view Rest() const { return std::string_view(pos, static_cast<size_t>(end - pos)); }

    // From now on every byte read is also kept, until TakeCapture hands them
    // over (and stops keeping them).
    void StartCapture();
    std::string TakeCapture();

private:
    // Skips blanks; the first other byte, not consumed, or -1 at the end.
    int SkipBlanks();
    // Consumes the bytes up to `to` and the one there, if any.
    void ConsumeThrough(const char* to);
    // The same when the line feeds before `to` are counted already.
    void ConsumeThrough(const char* to, int feeds);

    std::string owned; // the stream's bytes, when the reader was given a stream
    const char* pos = nullptr;
    const char* end = nullptr;
    const char* captureStart = nullptr;
    int line = 1;
    int tokenLine = 1;
    int last = -1;
};

// Every byte of the stream, read in large pieces.
std::string ReadWholeStream(std::istream& in);

// The bytes that separate words: space, tab, line feed and carriage return.
bool IsBlank(int c);

// The value of a number word as ReadNumber takes it: an optional sign, then
// the digits up to the first other byte (none give 0), wrapping at 32 bits.
int32_t NumberOfWord(std::string_view word);

// Lower / upper case of ASCII letters only, so bytes above 127 stay as they are.
char AsciiUpperByte(char c);
std::string AsciiLower(std::string s);
std::string AsciiUpper(std::string s);

// A: bit 0 ... Z: bit 25, a: bit 26 ... f: bit 31; anything else 0.
uint32_t FlagLetterBit(unsigned char c);
