// Writes a generated appointment file: notavi-gen LINES [SEED] > notavi.dat

#include "sample/sample_file.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "Aufruf: notavi-gen ZEILEN [STARTWERT] > notavi.dat\n";
        return 2;
    }
    int count = std::atoi(argv[1]);
    auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atoi(argv[2]) : 1);
    std::cout << notavi::joinLines(notavi::bench::sampleFile(count, seed));
    return 0;
}
