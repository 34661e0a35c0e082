// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vendrilo {

// The program's one random source: a 32-bit linear congruential generator. The same seed
// gives the same sequence everywhere (window, command line, tests), so a lucky number
// repeats a generation exactly.
class RandomSource {
public:
    explicit RandomSource(std::uint32_t seed = 0) : m_seed(seed) {}

    std::uint32_t seed() const { return m_seed; }
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    // Seeds from the clock (milliseconds since midnight).
    void randomize();

    // A value from 0..range-1 (0 for a range of 0): the high 32 bits of seed * range after
    // stepping the seed.
    std::uint32_t next(std::uint32_t range)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seed) * range) >> 32);
    }

private:
    std::uint32_t m_seed;
};

} // namespace vendrilo
