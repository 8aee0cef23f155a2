// Writes a deterministic synthetic draw file: N draws on the Mondays and
// Thursdays from 06.11.2023. For tests and benchmarks only, never real history.
#include "SyntheticDraws.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zf_gen_draws FILE COUNT [SEED]\n");
        return 2;
    }
    const auto draws = zf::syntheticDraws(std::atoi(argv[2]), argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1);
    try {
        zf::DrawFile(argv[1]).rewrite(draws, "gen_draws.tmp");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
