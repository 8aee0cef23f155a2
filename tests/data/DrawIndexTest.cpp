#include "data/DrawIndex.h"

#include "fakes/DrawText.h"
#include "fakes/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zf;
using namespace zf::test;

namespace {

// The matches as a scan counts them: each of the six drawn numbers found in
// the tip, and the spare slot when it counts.
int matches(const Draw& d, const std::array<uint8_t, 6>& tip, bool withSpare)
{
    int g = 0;
    for (int i = 0; i < (withSpare ? 7 : 6); ++i)
        g += d.zahlen[i] >= 1 && std::find(tip.begin(), tip.end(), d.zahlen[i]) != tip.end();
    return g;
}

} // namespace

// The lookups answer exactly as a scan of the window would, for every
// threshold, with and without the spare slot, for draws with a repeated number
// and for tips that are not six sorted numbers.
TEST(DrawIndex, AnswersAsTheScan)
{
    std::vector<Draw> draws = randomDraws(300, 4);
    for (int i = 0; i < 300; i += 7)
        draws[i].zahlen[6] = static_cast<uint8_t>(1 + i % 40); // a spare slot
    for (const char* text : {"09.11.2023 5 5 12 20 31 33 D1", "13.11.2023 1 2 3 4 5 6 D2"})
        draws.push_back(drawFromText(text));
    Random random(9);
    std::vector<std::array<uint8_t, 6>> tips{{1, 2, 3, 4, 5, 6}, {5, 12, 20, 31, 33, 40}, {6, 5, 4, 3, 2, 1}};
    while (tips.size() < 400) {
        std::array<uint8_t, 6> t{};
        for (int p = 0; p < 6;) {
            const auto v = static_cast<uint8_t>(1 + random.below(40));
            if (std::find(t.begin(), t.begin() + p, v) == t.begin() + p)
                t[p++] = v;
        }
        std::sort(t.begin(), t.end());
        tips.push_back(t);
    }
    // a long window is looked up, a short one scanned
    for (const DateWindow window :
         {DateWindow{draws[20].datum, draws[250].datum, false}, DateWindow{draws[20].datum, draws[25].datum, true}})
        for (bool withSpare : {false, true})
            for (const WeekdayFilter filter : {WeekdayFilter{true, true}, WeekdayFilter{false, true}})
                for (int k = 0; k <= 7; ++k) {
                    const HistoryWindow w{window, filter, withSpare};
                    const WindowIndex index(draws, w, k);
                    for (const auto& t : tips) {
                        bool scan = false;
                        for (const Draw& d : draws)
                            scan = scan || (window.contains(d.datum) && filter.passes(d.datum) &&
                                            matches(d, t, withSpare) >= k);
                        ASSERT_EQ(index.anyReaches(t), scan) << "k " << k << " spare " << withSpare;
                    }
                }
}

TEST(DrawIndex, KeptUntilTheDrawsOrTheWindowChange)
{
    TempDir dir;
    const std::string path = dir.home() + "ZahlenSN.dat";
    DrawFile(path).rewrite(randomDraws(50, 2), "t.tmp");
    DrawCache cache(path);
    const DrawSnapshot draws = cache.draws();
    const auto index = cache.index(draws);
    EXPECT_EQ(cache.index(cache.draws()), index);
    const HistoryWindow w{{0, 1e6, false}, {}, false};
    const auto window = index->window(w, 5);
    EXPECT_EQ(index->window(w, 5), window);
    EXPECT_NE(index->window(w, 4), window);
    EXPECT_NE(index->window({{1, 1e6, false}, {}, false}, 5), window);
    // the largest sets, for ever new windows: the oldest go, the memo stays under 4 MB
    for (int day = 0; day < 20; ++day)
        index->window({{static_cast<double>(day), 1e6, false}, {}, false}, 6);
    EXPECT_LT(index->memoryBytes(), 4u << 20);

    DrawFile(path).rewrite(randomDraws(51, 2), "t.tmp");
    EXPECT_NE(cache.index(cache.draws()), index);
    EXPECT_NE(cache.index(draws), cache.index(cache.draws())); // an old snapshot gets an index of its own
}
