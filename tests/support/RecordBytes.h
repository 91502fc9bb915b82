#pragma once

#include <cstdint>
#include <vector>

// A clipboard record's bytes.
using Bytes = std::vector<uint8_t>;
