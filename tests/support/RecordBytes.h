#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Appends bytes, then the text's own bytes: a clipboard record spelt out.
inline void Append(Bytes& out, std::initializer_list<int> bytes, const std::string& text = "")
{
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.insert(out.end(), text.begin(), text.end());
}
