#include "rules/Charts.h"
#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/Matching.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

struct ChartsFixture : ::testing::Test {
    TempDir dir;
    FakeClock clock; // today 09.12.2025
    FakeFeedback feedback;
    Session app{Ports{nullptr, &clock, nullptr, &feedback, nullptr, nullptr, nullptr}};

    void SetUp() override
    {
        app.prepareStart(dir.home());
        std::vector<std::string> lines;
        for (int i = 0; i < 54; ++i)
            lines.push_back("M" + std::to_string(i));
        app.messages().setLines(lines);
        writeDrawFile(app.drawFilePath(), {});
    }
    void draws(const std::vector<std::string>& lines) { writeDrawFile(app.drawFilePath(), lines); }
    void windowStart(const char* date) { app.setWindowStart(*parseDate(date)); }
};

// "x:y" for every bar of non-zero height.
std::string nonZero(const ChartData& c)
{
    std::string s;
    for (const ChartBar& b : c.bars)
        if (b.y != 0)
            s += (s.empty() ? "" : " ") + std::to_string(int(b.x)) + ":" + std::to_string(int(b.y));
    return s;
}

std::string heights(const ChartData& c)
{
    std::string s;
    for (const ChartBar& b : c.bars)
        s += (s.empty() ? "" : " ") + std::to_string(int(b.y));
    return s;
}

const ChartKind kAllKinds[] = {ChartKind::Numbers, ChartKind::Pairs,        ChartKind::Triples, ChartKind::Quads,
                               ChartKind::Overdue, ChartKind::DreamOverdue, ChartKind::Dream,   ChartKind::CrossSums,
                               ChartKind::Primes,  ChartKind::Odd,          ChartKind::Even};

} // namespace

TEST_F(ChartsFixture, EveryChartOverOneDraw)
{
    struct Case {
        ChartKind kind;
        int barCount;
        double firstX;
        const char* bars; // non-zero bars
        const char* title;
        bool toFront;
    };
    const Case cases[] = {
        {ChartKind::Numbers, 40, 1, "5:1 6:1 7:1 8:1 20:1 33:1", "M0     M1: 1    M2: 79", false},
        {ChartKind::Pairs, 39, 1, "5:1 6:1 7:1", "M1: 1     M9 M10 : 3", true},
        {ChartKind::Triples, 38, 1, "5:1 6:1", "M1: 1     M11 M10 : 2", true},
        {ChartKind::Quads, 40, 1, "5:1", "M1: 1     M15 M10 : 1", true},
        {ChartKind::DreamOverdue, 5, 1, "1:1 2:1 3:1 4:1 5:1", "M38", false},
        {ChartKind::Dream, 5, 1, "3:1", "M3", false},
        {ChartKind::CrossSums, 1, 79, "79:1", "M13     M1: 1    M14: 79", false},
        {ChartKind::Primes, 7, 0, "2:1", "M44 1 M1. 33% M45.", true},
        {ChartKind::Odd, 7, 0, "3:1", "M46 1 M1.  50% M47.", true},
        {ChartKind::Even, 7, 0, "3:1", "M48 1 M1.  50% M49.", true},
    };
    draws({"09.11.2023 5 6 7 8 20 33 D3"});
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        feedback.pages.clear();
        app.chart().series1Visible = true;
        showChart(app, c.kind);
        const ChartData& chart = app.chart();
        ASSERT_EQ(int(chart.bars.size()), c.barCount);
        EXPECT_EQ(chart.bars.front().x, c.firstX);
        EXPECT_EQ(nonZero(chart), c.bars);
        EXPECT_EQ(chart.title, c.title);
        EXPECT_FALSE(chart.series1Visible);
        EXPECT_TRUE(chart.series2Visible);
        EXPECT_EQ(feedback.pages, c.toFront ? std::vector<Page>{Page::Diagramm} : std::vector<Page>{});
        EXPECT_EQ(feedback.busyDepth, 0);
    }
    showChart(app, ChartKind::Overdue);
    EXPECT_EQ(heights(app.chart()), "2 2 2 2 1 1 1 1 2 2 2 2 2 2 2 2 2 2 2 1 2 2 2 2 2 2 2 2 2 2 2 2 1 2 2 2 2 2 2 2");
    EXPECT_EQ(app.chart().title, "M28");
}

TEST_F(ChartsFixture, PrimeColoursOnlyOnNumberAndOverdueCharts)
{
    draws({"09.11.2023 5 6 7 8 20 33 D3"});
    for (ChartKind kind : kAllKinds) {
        showChart(app, kind);
        const bool primeColours = kind == ChartKind::Numbers || kind == ChartKind::Overdue;
        for (const ChartBar& b : app.chart().bars)
            EXPECT_EQ(b.colour, primeColours && isPrime(int(b.x)) ? 0xFF0000u : 0x008000u)
                << static_cast<int>(kind) << " x=" << b.x;
    }
}

TEST_F(ChartsFixture, DrawOnWindowStartCountsOnlyInClosedWindows)
{
    windowStart("09.11.2023");
    for (ChartKind kind : kAllKinds) {
        draws({});
        showChart(app, kind);
        const std::string empty = heights(app.chart());
        draws({"09.11.2023 5 6 7 8 20 33 D3", "11.12.2025 1 2 3 4 5 6 D1"}); // the second is after the end
        showChart(app, kind);
        const bool closed = kind == ChartKind::Numbers || kind == ChartKind::Dream;
        EXPECT_EQ(heights(app.chart()) != empty, closed) << static_cast<int>(kind);
    }
}

TEST_F(ChartsFixture, WeekdayFlagsAndTheDreamChartsOwnVariant)
{
    // Monday, Wednesday (entered by hand), Thursday
    draws({"13.11.2023 1 2 3 4 5 6 D1", "15.11.2023 1 2 3 4 5 6 D2", "16.11.2023 1 2 3 4 5 6 D3"});
    struct Case {
        bool thursday, monday;
        const char* numbersBar1; // draws counted by the other charts
        const char* dream;
    };
    const Case cases[] = {
        {true, true, "1:3", "1:1 3:1"},
        {true, false, "1:1", "3:1"},
        {false, true, "1:1", "1:1"},
    };
    for (const Case& c : cases) {
        app.options().setFlag(Opt::CheckBox16, c.thursday);
        app.options().setFlag(Opt::CheckBox17, c.monday);
        showChart(app, ChartKind::Numbers);
        EXPECT_EQ(nonZero(app.chart()).substr(0, 3), c.numbersBar1);
        showChart(app, ChartKind::Dream);
        EXPECT_EQ(nonZero(app.chart()), c.dream);
    }
}

TEST_F(ChartsFixture, CrossSumRangeAndRoundedAverage)
{
    struct Case {
        std::vector<std::string> draws;
        const char* heights;
        const char* title;
    };
    const Case cases[] = {
        {{"09.11.2023 1 9 15 20 25 30 D1", "13.11.2023 1 9 15 20 25 34 D1"}, "1 0 0 0 1", "M13     M1: 2    M14: 102"},
        // halves go to the even neighbour: 101.5 -> 102, 100.5 -> 100
        {{"09.11.2023 1 9 15 20 25 30 D1", "13.11.2023 1 9 15 20 25 33 D1"}, "1 0 0 1", "M13     M1: 2    M14: 102"},
        {{"09.11.2023 1 9 15 20 25 30 D1", "13.11.2023 1 9 15 20 25 31 D1"}, "1 1", "M13     M1: 2    M14: 100"},
        {{}, "", "M13     M1: 0    M14: 0"},
    };
    for (const Case& c : cases) {
        draws(c.draws);
        showChart(app, ChartKind::CrossSums);
        EXPECT_EQ(heights(app.chart()), c.heights);
        EXPECT_EQ(app.chart().title, c.title);
        if (!c.draws.empty()) {
            EXPECT_EQ(app.chart().bars.front().x, 100);
        }
    }
}

TEST_F(ChartsFixture, WaitingCounts)
{
    draws({"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 7 8 9 10 11 12 D2", "16.11.2023 1 13 14 15 16 17 D1"});
    showChart(app, ChartKind::Overdue);
    EXPECT_EQ(heights(app.chart()), "1 3 3 3 3 3 2 2 2 2 2 2 1 1 1 1 1 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4");
    EXPECT_EQ(app.chart().axisMin, 1);
    EXPECT_EQ(app.chart().axisMax, 4);
    showChart(app, ChartKind::DreamOverdue);
    EXPECT_EQ(heights(app.chart()), "1 2 3 3 3");
    EXPECT_TRUE(app.chart().axisFixed);
    EXPECT_EQ(app.chart().axisMin, 1);
    EXPECT_EQ(app.chart().axisMax, 3);
}

TEST_F(ChartsFixture, QuadsEndWithThreeEmptyBarsAndScaleAutomatically)
{
    draws({"09.11.2023 37 38 39 40 1 2 D1"});
    showChart(app, ChartKind::Quads);
    EXPECT_EQ(nonZero(app.chart()), "37:1");
    EXPECT_FALSE(app.chart().axisFixed);
    EXPECT_EQ(app.chart().axisMin, 0);
    EXPECT_EQ(app.chart().axisMax, 1);
    showChart(app, ChartKind::Triples);
    EXPECT_EQ(nonZero(app.chart()), "37:1 38:1");
}

TEST_F(ChartsFixture, NoDrawInTheWindowShowsZeros)
{
    for (ChartKind kind : kAllKinds) {
        showChart(app, kind);
        // a number never drawn waits D + 1 draws
        if (kind == ChartKind::Overdue)
            EXPECT_EQ(nonZero(app.chart()).substr(0, 11), "1:1 2:1 3:1");
        else
            EXPECT_EQ(nonZero(app.chart()), "") << static_cast<int>(kind);
        EXPECT_EQ(feedback.busyDepth, 0);
    }
    showChart(app, ChartKind::Primes);
    EXPECT_EQ(app.chart().title, "M44 0 M1. 0% M45.");
    EXPECT_TRUE(app.chart().axisFixed);
    EXPECT_EQ(app.chart().axisMin, 0);
    EXPECT_EQ(app.chart().axisMax, 0);
}

TEST_F(ChartsFixture, WorkingDrawAndWindowFields)
{
    draws({"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 7 8 9 10 11 12 Z9 D2", "11.12.2025 13 14 15 16 17 18 D3"});
    const std::array<int, 9> before = app.current.zahl;
    const std::array<int, 9> lastInWindow = {0, 7, 8, 9, 10, 11, 12, 9, 2};
    for (ChartKind kind : kAllKinds) {
        app.current.zahl = before;
        app.aktDatum = 0;
        app.dfb = 0;
        showChart(app, kind);
        const bool working = kind == ChartKind::Pairs || kind == ChartKind::Triples || kind == ChartKind::Quads ||
                             kind == ChartKind::Primes || kind == ChartKind::Odd || kind == ChartKind::Even;
        EXPECT_EQ(app.current.zahl, working ? lastInWindow : before) << static_cast<int>(kind);
        EXPECT_EQ(app.aktDatum, kind == ChartKind::Dream ? 0 : kFirstDrawDay);
        const bool keepsEnd = kind == ChartKind::Numbers || kind == ChartKind::Triples || kind == ChartKind::Quads ||
                              kind == ChartKind::Overdue || kind == ChartKind::CrossSums;
        EXPECT_EQ(app.dfb, keepsEnd ? clock.day : 0) << static_cast<int>(kind);
    }
}

TEST_F(ChartsFixture, GroupChartsCountAsTheDrawCheckDoes)
{
    // the last draw holds 12 twice: a damaged record, which no chart counts
    draws({"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 11 12 13 14 30 31 Z13 D2", "16.11.2023 37 38 39 40 20 21 D3",
           "20.11.2023 7 8 9 25 26 27 D4", "23.11.2023 12 12 17 33 34 35 D5"});
    const std::vector<Draw> all = usableDraws(app.drawFile().readAll());
    ASSERT_EQ(all.size(), 4u);
    for (ChartKind kind : {ChartKind::Pairs, ChartKind::Triples, ChartKind::Quads}) {
        const int size = kind == ChartKind::Pairs ? 2 : kind == ChartKind::Triples ? 3 : 4;
        const int lastStart = kind == ChartKind::Pairs ? 39 : 38;
        std::vector<int> expected(kind == ChartKind::Pairs ? 39 : kind == ChartKind::Triples ? 38 : 40);
        Matching m;
        std::array<int, 9> zahl{};
        std::array<int, 6> numbers{};
        for (const Draw& d : all) {
            for (int i = 0; i < 8; ++i)
                zahl[i + 1] = d.zahlen[i];
            for (int x = 1; x <= lastStart; ++x) {
                numbers = {};
                for (int k = 0; k < size; ++k)
                    numbers[k] = x + k;
                matchTip(m, zahl, numbers, 0);
                expected[x - 1] += m.gewinn == size;
            }
        }
        showChart(app, kind);
        std::vector<int> got;
        for (const ChartBar& b : app.chart().bars)
            got.push_back(int(b.y));
        EXPECT_EQ(got, expected) << size;
        // the fields of the last call stay
        EXPECT_EQ(app.matching.gewinn, m.gewinn);
        EXPECT_EQ(app.matching.treffer, m.treffer);
        EXPECT_EQ(app.matching.zusatz, m.zusatz);
        EXPECT_EQ(app.matching.super, m.super);
    }
    showChart(app, ChartKind::Pairs);
    EXPECT_EQ(nonZero(app.chart()).substr(0, 19), "1:1 2:1 3:1 4:1 5:1");
    EXPECT_NE(nonZero(app.chart()).find("11:1 12:1 13:1"), std::string::npos);
}

TEST_F(ChartsFixture, UnreadableDrawFileFailsAndKeepsTheChart)
{
    draws({"09.11.2023 5 6 7 8 20 33 D3"});
    showChart(app, ChartKind::Pairs);
    std::filesystem::remove(app.drawFilePath());
    std::filesystem::create_directory(app.drawFilePath());
    EXPECT_THROW(showChart(app, ChartKind::Numbers), IoError);
    EXPECT_EQ(nonZero(app.chart()), "5:1 6:1 7:1");
    EXPECT_EQ(feedback.busyDepth, 0);
}

TEST_F(ChartsFixture, StartUpShowsTheNumberDistribution)
{
    draws({"09.11.2023 5 6 7 8 20 33 D3"});
    app.runStartAnalyses();
    EXPECT_EQ(app.chart().title, "M0     M1: 1    M2: 79");
}

TEST(ChartAxis, AutomaticScalingWidensToRoundSteps)
{
    struct Case {
        std::vector<double> ys;
        double min, max;
    };
    const Case cases[] = {
        {{}, 0, 1},       {{0, 0}, 0, 1},       {{0, 2, 1}, 0, 2},    {{3, 12}, 0, 12}, {{5, 57}, 0, 60},
        {{0, 60}, 0, 60}, {{1, 1000}, 0, 1000}, {{7, 1001}, 0, 1200}, {{-3, 7}, -3, 7}, {{-13, 4}, -14, 4},
    };
    for (const Case& c : cases) {
        ChartData chart;
        chart.axisFixed = true;
        for (double y : c.ys)
            chart.bars.push_back({1, y});
        autoScale(chart);
        EXPECT_FALSE(chart.axisFixed);
        EXPECT_EQ(chart.axisMin, c.min) << testing::PrintToString(c.ys);
        EXPECT_EQ(chart.axisMax, c.max) << testing::PrintToString(c.ys);
    }
}

TEST(Primzahlen, CountsThePrimesUpTo47)
{
    struct Case {
        std::array<uint8_t, 6> six;
        int primes;
    };
    const Case cases[] = {
        {{2, 3, 5, 7, 11, 13}, 6},
        {{1, 4, 6, 8, 9, 39}, 0},
        {{41, 43, 47, 40, 37, 7}, 5},
        {{7, 7, 0, 0, 0, 0}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(countPrimes(c.six.data()), c.primes) << testing::PrintToString(c.six);
}

TEST_F(ChartsFixture, TipDistributionReadsTheSheetInItsOrder)
{
    auto fill = [&](int rows) {
        for (int r = 0; r < TipSheet::kRows; ++r)
            for (int c = 0; c < TipSheet::kCols; ++c)
                app.sheet().setCell(r, c, r < rows ? std::to_string(1 + (r * 6 + c) % 40) : "");
    };
    struct Case {
        int filledRows;
        int counted;
    };
    // 13 rows: tips 1..12 and only the first number of tip 13, as tip 14's
    // first cell comes next
    const Case cases[] = {{0, 0}, {3, 18}, {13, 73}, {14, 84}};
    for (const Case& c : cases) {
        fill(c.filledRows);
        feedback.pages.clear();
        showChart(app, ChartKind::TipDistribution);
        const ChartData& chart = app.chart();
        ASSERT_EQ(chart.bars.size(), 40u);
        double total = 0;
        for (const ChartBar& b : chart.bars)
            total += b.y;
        EXPECT_EQ(total, c.counted) << c.filledRows;
        EXPECT_EQ(chart.title, "M29");
        EXPECT_EQ(feedback.pages, std::vector<Page>{Page::Diagramm});
        EXPECT_EQ(chart.bars[4].colour, 0xFF0000u);
        EXPECT_EQ(chart.bars[5].colour, 0x008000u);
    }
    // rows 1..7 hold 1..40 once and then 1..2 again: 42 numbers
    fill(7);
    showChart(app, ChartKind::TipDistribution);
    EXPECT_EQ(nonZero(app.chart()).substr(0, 11), "1:2 2:2 3:1");
    EXPECT_TRUE(app.chart().axisFixed);
    EXPECT_EQ(app.chart().axisMin, 1);
    EXPECT_EQ(app.chart().axisMax, 2);
}
