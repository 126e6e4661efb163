#include "Random.h"

#include <chrono>

namespace tesseron {

uint64_t Random::ClockSeed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace tesseron
