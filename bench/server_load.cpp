// The update server under load on loopback: 8 clients with 1,000 requests
// each for random dates (stored ones, dates still to come and malformed or
// oversized requests mixed in), every answer checked. Reports requests per
// second; any wrong answer or failed request fails the run.
#include "../tools/SyntheticDraws.h"
#include "platform/UpdateServer.h"
#include "rules/DrawUpdate.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

namespace {

constexpr int kRequestsPerClient = 1000;

struct LoadServer {
    std::filesystem::path dir;
    std::vector<zf::Draw> draws = zf::syntheticDraws(1040, 3);
    std::unique_ptr<zf::UpdateServer> server;
    int port = 0;
    std::thread thread;

    LoadServer()
    {
        dir = std::filesystem::temp_directory_path() / ("zf_load_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir);
        zf::DrawFile((dir / "ZahlenSN.dat").string()).rewrite(draws, "load.tmp");
        zf::UpdateServerConfig c;
        c.port = 0;
        c.drawFile = (dir / "ZahlenSN.dat").string();
        server = std::make_unique<zf::UpdateServer>(c);
        port = server->bind();
        thread = std::thread([this] { server->run(); });
    }
    ~LoadServer()
    {
        server->stop();
        thread.join();
        std::filesystem::remove_all(dir);
    }
};

LoadServer& loadServer()
{
    static LoadServer s;
    return s;
}

void BM_UpdateServerLoad(benchmark::State& state)
{
    LoadServer& s = loadServer();
    static std::atomic<int> wrong{0}, failed{0};
    std::mt19937 rng(static_cast<unsigned>(state.thread_index() + 1));
    const int first = zf::kFirstDrawDay - 30;
    const int last = static_cast<int>(s.draws.back().datum) + 60;
    httplib::Client client("127.0.0.1", s.port);
    client.set_connection_timeout(5);
    client.set_read_timeout(5);
    client.set_keep_alive(true);
    httplib::Headers many;
    for (int i = 0; i < 100; ++i)
        many.emplace("X-H" + std::to_string(i), "v");

    for (auto _ : state) {
        for (int i = 0; i < kRequestsPerClient; ++i) {
            const int day = first + static_cast<int>(rng() % static_cast<unsigned>(last - first));
            const std::string target = zf::updateRequestTarget(day);
            httplib::Result res{nullptr, httplib::Error::Unknown};
            int expectStatus = 0;
            std::string expectBody;
            switch (i % 50) {
            case 10:
                res = client.Get(target.substr(0, target.size() - 2)); // a date of six digits
                expectStatus = 400;
                break;
            case 20:
                res = client.Get(target, {{"Content-Length", "1000000"}});
                expectStatus = 413;
                break;
            case 30:
                res = client.Get(target, many);
                expectStatus = 431;
                break;
            default: {
                res = client.Get(target);
                const auto it = std::lower_bound(s.draws.begin(), s.draws.end(), day,
                                                 [](const zf::Draw& d, int v) { return d.datum < v; });
                const bool stored = it != s.draws.end() && it->datum == day;
                expectStatus = stored ? 200 : 500;
                if (stored)
                    expectBody = zf::updateLine(*it) + "\r\n";
            }
            }
            if (!res) {
                ++failed;
                continue;
            }
            if (res->status != expectStatus || (expectStatus == 200 && res->body != expectBody))
                ++wrong;
        }
    }
    // summed over the clients: items_per_second is the server's rate for all eight together
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRequestsPerClient);
    if (state.thread_index() == 0) {
        state.counters["wrong"] = wrong.load();
        state.counters["failed"] = failed.load();
        if (wrong || failed)
            state.SkipWithError("wrong answers or failed requests");
    }
}
BENCHMARK(BM_UpdateServerLoad)->Threads(8)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
