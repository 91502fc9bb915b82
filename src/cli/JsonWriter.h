#pragma once

#include <cstdint>
#include <ostream>
#include <string>

// A small streaming JSON writer: objects, arrays, numbers and byte strings.
// Bytes above 127 are written as the Latin-1 character of the same number.
class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream& stream)
        : out(stream) { }

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const char* key);

    void Value(long long number);
    void Value(const std::string& text);
    void Null();
    void Bool(bool value);

    template <typename T>
    void Field(const char* key, const T& value)
    {
        Key(key);
        Value(value);
    }

private:
    void Separate();
    void WriteString(const std::string& text);

    std::ostream& out;
    bool first = true;
    int depth = 0;
    bool afterKey = false;
};
