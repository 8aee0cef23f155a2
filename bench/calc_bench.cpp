// The calculation's speed on a generated history of 1,040 draws with the
// history tests active (their defaults). The exhausted searches ask for six
// primes, which the history never lets through, so every run is spent.
#include "../tests/fakes/DrawText.h"
#include "data/DrawIndex.h"
#include "ground/Formats.h"
#include "rules/CandidateTest.h"
#include "rules/TipSearch.h"
#include "session/AnalysisCommands.h"
#include "session/Calculation.h"
#include "session/Session.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

using namespace zf;

struct BenchClock : Clock {
    int today() override { return kFirstDrawDay + 1040 * 7 / 2 + 10; }
    uint64_t clockSeed() override { return 1; }
};

struct QuietDialogs : Dialogs {
    void information(const std::string&) override {}
    void error(const std::string& t) override { std::fprintf(stderr, "%s\n", t.c_str()); }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::string inputBox(const std::string&, const std::string&, const std::string& d) override { return d; }
    std::optional<std::string> openFileName(const FileFilter&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileFilter&) override { return std::nullopt; }
};

// A program on a temporary folder with `count` random draws.
struct Bench {
    BenchClock clock;
    QuietDialogs dialogs;
    std::filesystem::path home = std::filesystem::temp_directory_path() / "zf_calc_bench";
    Session app{Ports{nullptr, &clock, &dialogs}};

    explicit Bench(int count = 1040)
    {
        std::filesystem::create_directories(home);
        app.prepareStart(home.string() + "/");
        app.drawFile().rewrite(test::randomDraws(count, 1), "bench.tmp");
    }
    ~Bench() { std::filesystem::remove_all(home); }
};

void BM_CandidateTest(benchmark::State& state)
{
    Bench b;
    CandidateTest test(CandidateRules::from(b.app.options(), b.app.endDay), b.app.drawSnapshot(), {},
                       b.app.drawIndex(b.app.drawSnapshot()));
    test.addAccepted({3, 11, 17, 25, 33, 40});
    test.addAccepted({1, 8, 14, 22, 29, 36});
    test.addAccepted({5, 12, 19, 26, 31, 38});
    Random rng(3);
    std::vector<Candidate> candidates(4096);
    for (Candidate& t : candidates) {
        for (int p = 0; p < 6;) {
            const auto v = static_cast<uint8_t>(1 + rng.below(40));
            if (std::find(t.begin(), t.begin() + p, v) == t.begin() + p)
                t[p++] = v;
        }
        std::sort(t.begin(), t.end());
    }
    test.prepare();
    size_t i = 0;
    int64_t accepted = 0;
    for (auto _ : state) {
        const Candidate& t = candidates[i++ & 4095];
        const int sum = t[0] + t[1] + t[2] + t[3] + t[4] + t[5];
        accepted += test.verdict(t, sum) == CandidateTest::Verdict::Accepted;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["accepted"] = benchmark::Counter(static_cast<double>(accepted) / state.iterations());
    state.counters["index_bytes"] = static_cast<double>(b.app.drawIndex(b.app.drawSnapshot())->memoryBytes());
}
BENCHMARK(BM_CandidateTest);

// The whole command with its defaults: reference draws, number list, 14 tips, final check.
void BM_Calculation(benchmark::State& state)
{
    Bench b;
    b.app.random().setSeed(1);
    int64_t runs = 0;
    Progress quiet;
    const CancelFlag cancel{false};
    for (auto _ : state) {
        if (runCalculation(b.app, quiet, cancel) != CalcOutcome::Finished)
            state.SkipWithError("the calculation did not finish");
        runs += b.app.calc.runs;
    }
    state.counters["runs"] = benchmark::Counter(static_cast<double>(runs) / state.iterations());
}
BENCHMARK(BM_Calculation)->Unit(benchmark::kMillisecond);

// Six primes: no candidate passes, the whole budget is used up.
void askForSixPrimes(Session& app, int budgetThousands)
{
    app.options().setFlag(Opt::CheckBox22, true);
    app.options().setInt(Opt::UpDown10, 6);
    app.options().setInt(Opt::UpDown7, budgetThousands);
}

// The part no search avoids: the generator, the weighted draw of six distinct
// numbers from the calculation's list and the sort, 30,000,000 times.
void BM_DrawFloor(benchmark::State& state)
{
    Bench b;
    b.app.random().setSeed(1);
    Progress quiet;
    const CancelFlag cancel{false};
    runCalculation(b.app, quiet, cancel);
    const NumberList list = b.app.calc.numberList;
    constexpr int kCandidates = 30'000'000;
    Random random(1);
    int64_t check = 0;
    for (auto _ : state) {
        Candidate t{};
        for (int i = 0; i < kCandidates; ++i) {
            drawCandidate(random, list, t);
            check += t[0];
        }
    }
    benchmark::DoNotOptimize(check);
    state.SetItemsProcessed(state.iterations() * kCandidates);
}
BENCHMARK(BM_DrawFloor)->Unit(benchmark::kSecond)->Iterations(1);

// `calc` with UpDown7 at its maximum: 30,000,000 runs without a tip, on one
// thread and on every core.
void BM_ExhaustedSearch(benchmark::State& state)
{
    Bench b;
    askForSixPrimes(b.app, 30000);
    Progress quiet;
    const CancelFlag cancel{false};
    std::optional<CalcInput> input = prepareCalculation(b.app);
    input->threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CalcInput in = *input;
        in.random.setSeed(1);
        const CalcResult result = calculateTips(std::move(in), quiet, cancel);
        if (result.outcome != CalcOutcome::BudgetExhausted || result.runs != 30'000'000)
            state.SkipWithError("the budget was not used up");
    }
    state.SetItemsProcessed(state.iterations() * 30'000'000);
    state.counters["index_bytes"] = static_cast<double>(input->index->memoryBytes());
}
// 0: one thread per core
BENCHMARK(BM_ExhaustedSearch)->Arg(1)->Arg(0)->Unit(benchmark::kSecond)->Iterations(1);

// A parameter analysis of 1,000 passes whose calculations each use up the
// default budget of 50,000 runs.
void BM_AnalysisPasses(benchmark::State& state)
{
    Bench b;
    askForSixPrimes(b.app, 50);
    Progress quiet;
    const CancelFlag cancel{false};
    const std::optional<CalcInput> input = prepareCalculation(b.app);
    int64_t runs = 0;
    for (auto _ : state) {
        for (int pass = 0; pass < 1000; ++pass) {
            CalcInput in = *input;
            in.random.setSeed(static_cast<uint64_t>(pass));
            const CalcResult result = calculateTips(std::move(in), quiet, cancel);
            if (!result.budgetUsedUp)
                state.SkipWithError("a pass found its tips");
            runs += result.runs;
        }
    }
    state.SetItemsProcessed(runs);
    state.counters["index_bytes"] = static_cast<double>(input->index->memoryBytes());
}
BENCHMARK(BM_AnalysisPasses)->Unit(benchmark::kSecond)->Iterations(1);
// The parameter analysis over the whole history, one calculation per draw, control included.
void BM_Backtest(benchmark::State& state)
{
    Bench b;
    Progress quiet;
    const CancelFlag cancel{false};
    int passes = 0;
    for (auto _ : state) {
        b.app.setEndDay(kFirstDrawDay);
        auto in = prepareBacktest(b.app, 1);
        if (!in) {
            state.SkipWithError("the analysis did not start");
            break;
        }
        const BacktestResult r = backtest(std::move(*in), quiet, cancel);
        if (r.error || r.stopped)
            state.SkipWithError("the analysis did not finish");
        passes = r.passes;
    }
    state.counters["passes"] = passes;
}
BENCHMARK(BM_Backtest)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
