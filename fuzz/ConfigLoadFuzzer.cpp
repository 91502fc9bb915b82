#include "config/ConfigLoader.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CConfigTables tables;
    int line = 0;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    LoadConfig(tables, in, line);
    return 0;
}
