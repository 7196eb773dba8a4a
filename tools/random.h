// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace synth {

// SplitMix64. Our own generator, because std:: distributions may give other
// numbers with another standard library, and the same seed must give the same bytes.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) with 53 random bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    bool chance(double probability) { return uniform() < probability; }

  private:
    std::uint64_t state_;
};

// Derives an independent stream, so that each sounding and each purpose has its own
// numbers: leaving a sounding out or changing the step moves nothing else.
inline std::uint64_t derive_seed(std::uint64_t seed, std::uint64_t purpose) {
    Random mixer(seed ^ (purpose * 0xD1B54A32D192ED03ull));
    mixer.next();
    return mixer.next();
}

} // namespace synth
