// Writes a deterministic synthetic draw file: N draws on the Mondays and
// Thursdays from 06.11.2023. For tests and benchmarks only, never real history.
#include "app/Formats.h"
#include "app/Random.h"
#include "draws/DrawFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zf_gen_draws FILE COUNT [SEED]\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    zf::Random rng(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    std::vector<zf::Draw> draws;
    int day = zf::kFirstDrawDay;
    for (int i = 0; i < count; ++i) {
        zf::Draw d;
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
        day += zf::isMonday(day) ? 3 : 4; // Monday -> Thursday -> Monday
    }
    try {
        zf::DrawFile(argv[1]).rewrite(draws, "gen_draws.tmp");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
