#pragma once

#include <cstdint>

namespace zf {

// The program's one pseudo-random generator: PCG32 (O'Neill, XSH-RR output,
// 64-bit state, increment 1442695040888963407). Integers in 0..n-1 come from
// Lemire's multiply-and-reject method, so they are unbiased and one seed gives
// the same sequence on every platform and compiler. Inline: the tip search
// draws hundreds of millions of numbers.
class Random {
public:
    explicit Random(uint64_t seed = 0) { setSeed(seed); }

    void setSeed(uint64_t seed)
    {
        m_seed = seed;
        m_state = 0;
        next();
        m_state += seed;
        next();
    }

    // The number last given to setSeed.
    uint64_t seed() const { return m_seed; }

    uint32_t next()
    {
        const uint64_t old = m_state;
        m_state = old * kMultiplier + kIncrement;
        const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rot = static_cast<uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    }

    // Uniform integer in 0..n-1; n must be at least 1.
    uint32_t below(uint32_t n)
    {
        uint64_t m = static_cast<uint64_t>(next()) * n;
        auto low = static_cast<uint32_t>(m);
        if (low < n) {
            const uint32_t threshold = (0u - n) % n;
            while (low < threshold) {
                m = static_cast<uint64_t>(next()) * n;
                low = static_cast<uint32_t>(m);
            }
        }
        return static_cast<uint32_t>(m >> 32);
    }

    bool operator==(const Random&) const = default;

private:
    static constexpr uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr uint64_t kIncrement = 1442695040888963407ULL;
    uint64_t m_state = 0;
    uint64_t m_seed = 0;
};

} // namespace zf
