// Writes a generated grid area, the benchmarks' own, for opening in the
// editor: tolvex_grid_area ROOMS [SPARE] > grid.are
#include "BenchAreas.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    char* end = nullptr;
    const long rooms = argc > 1 ? std::strtol(argv[1], &end, 10) : 0;
    if (argc < 2 || argc > 3 || *end != '\0' || rooms < 1 || rooms > 1000000) {
        std::cerr << "usage: tolvex_grid_area ROOMS [SPARE]\n"
                     "  writes a grid area of 1 to 1000000 rooms to standard output; its range\n"
                     "  leaves SPARE vnums (default 1000) free after the rooms, for digging\n";
        return 2;
    }
    long spare = 1000;
    if (argc == 3) {
        spare = std::strtol(argv[2], &end, 10);
        if (*end != '\0' || spare < 0 || spare > 1000000) {
            std::cerr << "tolvex_grid_area: SPARE must be 0 to 1000000\n";
            return 2;
        }
    }
    std::cout << GridAreaText(static_cast<int>(rooms), static_cast<int>(spare));
    return std::cout.good() ? 0 : 1;
}
