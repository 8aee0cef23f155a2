// Each chart operation over ten years of synthetic draws (1,040 draws), the
// draw file read from disk every time as the program does.
#include "../tools/SyntheticDraws.h"
#include "rules/Charts.h"
#include "session/LottoZahlen.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

class FixedClock : public zf::Clock {
public:
    int today() override { return zf::dayFromCivil(2034, 1, 1); }
    uint64_t clockSeed() override { return 1; }
};

struct History {
    std::filesystem::path dir;
    FixedClock clock;
    zf::LottoZahlen app{zf::Ports{nullptr, &clock, nullptr, nullptr, nullptr, nullptr, nullptr}};

    History()
    {
        dir = std::filesystem::temp_directory_path() / ("zf_bench_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir);
        app.prepareStart(dir.string() + "/");
        zf::DrawFile(app.drawFilePath()).rewrite(zf::syntheticDraws(1040, 1), "bench.tmp");
        for (int r = 0; r < 14; ++r)
            for (int c = 0; c < 6; ++c)
                app.sheet().setCell(r, c, std::to_string(1 + (r * 7 + c * 3) % 40));
    }
    ~History() { std::filesystem::remove_all(dir); }
};

History& history()
{
    static History h;
    return h;
}

void run(benchmark::State& state, void (*operation)(zf::LottoZahlen&))
{
    zf::LottoZahlen& app = history().app;
    for (auto _ : state) {
        operation(app);
        benchmark::DoNotOptimize(app.chart().bars.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(run, SpeedButton2Click_numbers, zf::SpeedButton2Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button2Click_pairs, zf::Button2Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button3Click_triples, zf::Button3Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button4Click_quads, zf::Button4Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button5Click_overdue, zf::Button5Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button8Click_dream_overdue, zf::Button8Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, SpeedButton3Click_dream, zf::SpeedButton3Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, SpeedButton9Click_cross_sums, zf::SpeedButton9Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button9Click_primes, zf::Button9Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button10Click_odd, zf::Button10Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button11Click_even, zf::Button11Click)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, Button6Click_tips, zf::Button6Click)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
