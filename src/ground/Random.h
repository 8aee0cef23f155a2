#pragma once

#include <cstdint>

namespace zf {

// The program's one pseudo-random generator: PCG32 (O'Neill, XSH-RR output,
// 64-bit state, increment 1442695040888963407). Integers in 0..n-1 come from
// Lemire's multiply-and-reject method, so they are unbiased and one seed gives
// the same sequence on every platform and compiler.
class Random {
public:
    explicit Random(uint64_t seed = 0) { setSeed(seed); }

    void setSeed(uint64_t seed);
    uint32_t next();
    // Uniform integer in 0..n-1; n must be at least 1.
    uint32_t below(uint32_t n);

private:
    uint64_t m_state = 0;
};

} // namespace zf
