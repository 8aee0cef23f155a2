#pragma once

#include "data/DrawFile.h"
#include "ground/Formats.h"
#include "ground/Random.h"

#include <cstdint>
#include <vector>

namespace zf {

// A deterministic synthetic history: count draws on the Mondays and Thursdays
// from 06.11.2023. For tests and benchmarks only, never real history.
inline std::vector<Draw> syntheticDraws(int count, uint64_t seed)
{
    Random rng(seed);
    std::vector<Draw> draws;
    int day = kFirstDrawDay;
    for (int i = 0; i < count; ++i) {
        Draw d;
        d.datum = day;
        bool used[41] = {};
        for (int k = 0; k < 6; ++k) {
            int n;
            do
                n = 1 + static_cast<int>(rng.below(40));
            while (used[n]);
            used[n] = true;
            d.zahlen[k] = static_cast<uint8_t>(n);
        }
        d.zahlen[7] = static_cast<uint8_t>(1 + rng.below(5));
        d.replay = static_cast<uint8_t>(1 + rng.below(11));
        for (auto& digit : d.losziffern)
            digit = static_cast<uint8_t>(rng.below(10));
        draws.push_back(d);
        day += isMonday(day) ? 3 : 4; // Monday -> Thursday -> Monday
    }
    return draws;
}

} // namespace zf
