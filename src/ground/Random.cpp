#include "ground/Random.h"

namespace zf {

namespace {
constexpr uint64_t kMultiplier = 6364136223846793005ULL;
constexpr uint64_t kIncrement = 1442695040888963407ULL;
} // namespace

void Random::setSeed(uint64_t seed)
{
    m_state = 0;
    next();
    m_state += seed;
    next();
}

uint32_t Random::next()
{
    const uint64_t old = m_state;
    m_state = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

uint32_t Random::below(uint32_t n)
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

} // namespace zf
