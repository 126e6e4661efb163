// The game's one pseudo-random generator. The program seeds it from the
// clock; tests and the replay tool seed it with a fixed number.
#pragma once

#include <cstdint>
#include <random>

namespace tesseron {

class Random {
public:
    explicit Random(uint64_t seed = 0) : gen_(seed) {}
    void Seed(uint64_t seed) { gen_.seed(seed); }
    static uint64_t ClockSeed();
    // Uniform draw from 0 .. n-1 (n >= 1).
    int Below(int n) {
        if (n <= 1) return 0;
        return static_cast<int>(std::uniform_int_distribution<uint32_t>(0, uint32_t(n - 1))(gen_));
    }

private:
    std::mt19937_64 gen_;
};

}  // namespace tesseron
