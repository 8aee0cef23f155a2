#include "rules/HistoricalAnalysis.h"

#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Rtf.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zf;
using namespace zf::test;

namespace {

uint64_t choose(int n, int k)
{
    uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return r;
}

DrawSnapshot snapshot(const std::vector<std::string>& lines)
{
    return std::make_shared<const std::vector<Draw>>(drawsFromText(lines));
}

} // namespace

TEST(MatchOdds, AreTheHypergeometricOddsOfSixOutOfForty)
{
    double total = 0;
    for (int g = 0; g <= 6; ++g) {
        const double exact = double(choose(6, g) * choose(34, 6 - g)) / double(choose(40, 6));
        EXPECT_DOUBLE_EQ(matchOdds(g), exact) << g;
        total += matchOdds(g);
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_EQ(choose(40, 6), 3838380u);
    EXPECT_EQ(matchOdds(7), 0);
}

TEST(BacktestReport, HasThePartsLinesThenTheControlTable)
{
    BacktestResult r;
    r.thursday[3] = {2, 1};
    r.other[0] = {5, 0};
    r.other[6] = {1, 0};
    r.passes = 2;
    r.control[3] = {3, 1, 1.25, -0.5, 4.5};
    Messages texts;
    texts.setLines({"m0", "Ziehungen", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                    "",   "",          "", "", "", "", "", "", "", "", "", "", "", "", "", "", "Titel"});
    const auto lines = backtestReport(r, texts);
    ASSERT_EQ(lines.size(), 1u + 13 + 2 + 7);
    EXPECT_EQ(lines[0], "Titel");
    EXPECT_EQ(lines[1], "0x\t=>\t0\t=>\t5");
    EXPECT_EQ(lines[2], "0x + ZZ\t=>\t0\t=>\t0");
    EXPECT_EQ(lines[7], "3x\t=>\t2\t=>\t0");
    EXPECT_EQ(lines[8], "3x + ZZ\t=>\t1\t=>\t0");
    EXPECT_EQ(lines[13], "6x\t=>\t0\t=>\t1"); // no "6x + ZZ"
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "2 Ziehungen");
    EXPECT_EQ(lines[16 + 3], "control: 3 program 3 random 1 expected 1,25 low -0,50 high 4,50");
}

TEST(ControlChart, ShowsProgramRandomAndChanceSideBySide)
{
    BacktestResult r;
    r.control[2] = {7, 5, 4.5, 0, 0};
    const ChartData chart = controlChart(r, Messages{});
    ASSERT_EQ(chart.groups.size(), 3u);
    ASSERT_EQ(chart.bars.size(), 21u);
    EXPECT_EQ(chart.bars[6].x, 2);
    EXPECT_EQ(chart.bars[6].y, 7);
    EXPECT_EQ(chart.bars[7].y, 5);
    EXPECT_EQ(chart.bars[8].y, 4.5);
    EXPECT_NE(chart.bars[6].colour, chart.bars[7].colour);
    EXPECT_NE(chart.bars[7].colour, chart.bars[8].colour);
}

namespace {

// Five draws; each line's matches against the others are easy to count.
const std::vector<std::string> kHistory = {
    "06.11.2023 1 2 3 10 11 12 D1",    // A
    "09.11.2023 1 2 3 4 13 14 D2",     // B: 3 with A
    "13.11.2023 20 21 22 23 24 25 D3", // C: 0 with A, B
    "16.11.2023 1 2 20 21 22 30 D4",   // D: 2 with A, B; 3 with C
    "20.11.2023 1 2 3 10 11 12 D5",    // E: 6 with A, 3 with B, 0 with C, 2 with D
};

struct RepeatFixture : ::testing::Test {
    FakeProgress progress;
    CancelFlag cancel{false};
    RepeatInput in;
    std::vector<double> stops;

    RepeatFixture()
    {
        in.draws = snapshot(kHistory);
        in.chosenDay = *parseDate("06.11.2023");
        in.windowStart = *parseDate("06.11.2023");
        in.goOn = [this](double day) {
            stops.push_back(day);
            return true;
        };
    }
};

} // namespace

TEST_F(RepeatFixture, CountsEarlierAndFollowingDrawsOfEachAnalysedDraw)
{
    const RepeatResult r = analyseRepeats(in, progress, cancel);
    ASSERT_FALSE(r.stopped);
    // passes A (compares nothing), B (with A), C (with A, B), D (with A, B, C)
    const std::array<int, 7> t0{2, 0, 2, 2, 0, 0, 0};
    // A: B 3, C 0, D 2; B: C 0, D 2, E 3; C: D 3, E 0; D: E 2
    const std::array<int, 7> t1{1, 0, 1, 2, 0, 0, 0};
    const std::array<int, 7> t2{2, 0, 1, 0, 0, 0, 0};
    const std::array<int, 7> t3{0, 0, 1, 1, 0, 0, 0};
    EXPECT_EQ(r.tables[0], t0);
    EXPECT_EQ(r.tables[1], t1);
    EXPECT_EQ(r.tables[2], t2);
    EXPECT_EQ(r.tables[3], t3);
    EXPECT_EQ(r.lastTip, 3); // the second-to-last draw
    EXPECT_EQ(r.current, 4); // ends on the last draw
    EXPECT_TRUE(stops.empty());
    EXPECT_EQ(progress.lastK, progress.lastN);
    EXPECT_EQ(progress.lastN, 4);
}

TEST_F(RepeatFixture, StopsAskWithTheDrawAndNoEndsWithoutTables)
{
    in.minimum = 3;
    RepeatResult r = analyseRepeats(in, progress, cancel);
    // B against A, then D against C
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0], *parseDate("06.11.2023"));
    EXPECT_EQ(stops[1], *parseDate("13.11.2023"));

    in.goOn = [](double) { return false; };
    r = analyseRepeats(in, progress, cancel);
    EXPECT_TRUE(r.stopped);

    cancel = true;
    in.minimum = 7;
    EXPECT_TRUE(analyseRepeats(in, progress, cancel).stopped);
}

TEST(Rtf, WritesOneParagraphPerLineInTheWindowsCodePage)
{
    const std::string doc = rtfDocument({"Richtige {in} der Ziehung: 3\\4", "Größe\tx"});
    EXPECT_EQ(doc.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(doc.find("Richtige \\{in\\} der Ziehung: 3\\\\4\\par\r\n"), std::string::npos);
    EXPECT_NE(doc.find("Gr\\'f6\\'dfe\\tab x\\par\r\n"), std::string::npos);
    EXPECT_EQ(doc.substr(doc.size() - 3), "}\r\n");
    // braces balance, so a reader finds the document's end
    int depth = 0;
    for (size_t i = 0; i < doc.size(); ++i) {
        if (doc[i] == '\\')
            ++i;
        else
            depth += doc[i] == '{' ? 1 : doc[i] == '}' ? -1 : 0;
    }
    EXPECT_EQ(depth, 0);
}
