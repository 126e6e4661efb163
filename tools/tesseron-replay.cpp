// Headless engine runner for bug reports, tests and benchmarks; see Replay.h.
#include <iostream>

#include "tools/Replay.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return tesseron::replay::Main(argc, argv, std::cin, std::cout, std::cerr);
}
