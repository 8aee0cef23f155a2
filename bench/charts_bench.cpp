// Each chart operation over ten years of synthetic draws (1,040 draws), the
// draw file read from disk every time as the program does.
#include "../tools/SyntheticDraws.h"
#include "rules/Charts.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

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
    zf::Session app{zf::Ports{nullptr, &clock, nullptr, nullptr, nullptr, nullptr, nullptr}};

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

void run(benchmark::State& state, zf::ChartKind kind)
{
    zf::Session& app = history().app;
    for (auto _ : state) {
        zf::showChart(app, kind);
        benchmark::DoNotOptimize(app.chart().bars.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(run, numbers, zf::ChartKind::Numbers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, pairs, zf::ChartKind::Pairs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, triples, zf::ChartKind::Triples)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, quads, zf::ChartKind::Quads)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, overdue, zf::ChartKind::Overdue)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, dream_overdue, zf::ChartKind::DreamOverdue)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, dream, zf::ChartKind::Dream)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, cross_sums, zf::ChartKind::CrossSums)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, primes, zf::ChartKind::Primes)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, odd, zf::ChartKind::Odd)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, even, zf::ChartKind::Even)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(run, tips, zf::ChartKind::TipDistribution)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
