#include "cli/JsonWriter.h"

void CJsonWriter::Separate()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!first)
        out << ',';
    if (depth > 0)
        out << '\n'
            << std::string(static_cast<size_t>(depth) * 2, ' ');
    first = false;
}

void CJsonWriter::BeginObject()
{
    Separate();
    out << '{';
    ++depth;
    first = true;
}

void CJsonWriter::EndObject()
{
    --depth;
    if (!first)
        out << '\n'
            << std::string(static_cast<size_t>(depth) * 2, ' ');
    out << '}';
    first = false;
    if (depth == 0)
        out << '\n';
}

void CJsonWriter::BeginArray()
{
    Separate();
    out << '[';
    ++depth;
    first = true;
}

void CJsonWriter::EndArray()
{
    --depth;
    if (!first)
        out << '\n'
            << std::string(static_cast<size_t>(depth) * 2, ' ');
    out << ']';
    first = false;
    if (depth == 0)
        out << '\n';
}

void CJsonWriter::Key(const char* key)
{
    Separate();
    WriteString(key);
    out << ": ";
    afterKey = true;
}

void CJsonWriter::Value(long long number)
{
    Separate();
    out << number;
}

void CJsonWriter::Bool(bool value)
{
    Separate();
    out << (value ? "true" : "false");
}

void CJsonWriter::Null()
{
    Separate();
    out << "null";
}

void CJsonWriter::Value(const std::string& text)
{
    Separate();
    WriteString(text);
}

void CJsonWriter::WriteString(const std::string& text)
{
    static const char hex[] = "0123456789abcdef";
    out << '"';
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        switch (c) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out << "\\u00" << hex[c >> 4] << hex[c & 15];
            } else if (c >= 0x80) {
                // Latin-1 byte as a UTF-8 character.
                out << static_cast<char>(0xC0 | (c >> 6)) << static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out << static_cast<char>(c);
            }
        }
    }
    out << '"';
}
