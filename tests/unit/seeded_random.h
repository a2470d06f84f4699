// A small xorshift generator: the same seed gives the same cases on every machine.
#pragma once

#include <cstdint>

class Random {
   public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

   private:
    uint64_t state_;
};
