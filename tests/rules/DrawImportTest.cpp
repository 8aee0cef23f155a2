#include "rules/DrawImport.h"

#include "fakes/DrawText.h"
#include "ground/Formats.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

const std::vector<std::string> kStored = {"06.11.2023 1 2 3 4 5 6 D1 R3 T123456", "09.11.2023 7 8 9 10 11 12 D2",
                                          "16.11.2023 13 14 15 16 17 18 D3"};

// good rows, a bad date, a number 41, a date stored with the same numbers,
// a date stored with other numbers, a date twice in the file
const std::string kFile = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;T\n"
                          "13.11.2023;20;21;22;23;24;25;4\n"
                          "30.02.2024;1;2;3;4;5;6;1\n"
                          "20.11.2023;41;2;3;4;5;6;1\n"
                          "09.11.2023;12;11;10;9;8;7;2\n"
                          "06.11.2023;1;2;3;4;5;7;1\n"
                          "23.11.2023;1;2;3;4;5;6;1\n"
                          "23.11.2023;1;2;3;4;5;9;1\n"
                          "23.11.2023;6;5;4;3;2;1;1\n";

ImportPlan plan(bool replace)
{
    return planImport(drawsFromText(kStored), drawsFromCsv(readCsv(kFile), CsvColumns{}), replace);
}

} // namespace

TEST(DrawImport, SummaryOfAMixedFile)
{
    const ImportPlan p = plan(false);
    const ImportSummary& s = p.summary;
    EXPECT_EQ(s.added, 2);
    EXPECT_EQ(s.unchanged, 2); // 09.11. in another order, and 23.11. given again
    EXPECT_EQ(s.replaced, 0);
    ASSERT_EQ(s.conflicts.size(), 1u);
    EXPECT_EQ(s.conflicts[0].line, 6);
    EXPECT_EQ(s.conflicts[0].stored, drawFromText(kStored[0]));
    EXPECT_EQ(s.conflicts[0].file, drawFromText("06.11.2023 1 2 3 4 5 7 D1"));
    std::vector<int> lines;
    for (const auto& r : s.rejected)
        lines.push_back(r.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 8}));
    EXPECT_EQ(s.rejected[2].reason, "Datum 23.11.2023 schon in Zeile 7 mit anderen Zahlen");
    EXPECT_FALSE(s.clean());
    EXPECT_TRUE(p.changed);
    // merged in date order, the conflict kept as stored
    EXPECT_EQ(p.draws, drawsFromText({kStored[0], kStored[1], "13.11.2023 20 21 22 23 24 25 D4", kStored[2],
                                      "23.11.2023 1 2 3 4 5 6 D1"}));
}

TEST(DrawImport, ReplaceKeepsTheRecordsOtherBytes)
{
    const ImportPlan p = plan(true);
    EXPECT_EQ(p.summary.replaced, 1);
    EXPECT_TRUE(p.summary.conflicts.empty());
    EXPECT_EQ(p.draws[0], drawFromText("06.11.2023 1 2 3 4 5 7 D1 R3 T123456"));
}

TEST(DrawImport, TheSameFileTwiceChangesNothing)
{
    const auto draws = randomDraws(40, 8);
    const CsvDraws rows = drawsFromCsv(readCsv(drawsToCsv(draws)), CsvColumns{});
    const ImportPlan first = planImport({}, rows, false);
    EXPECT_EQ(first.summary.added, 40);
    EXPECT_EQ(first.draws, draws);
    const ImportPlan again = planImport(first.draws, rows, false);
    EXPECT_EQ(again.summary.unchanged, 40);
    EXPECT_FALSE(again.changed);
    EXPECT_TRUE(again.summary.clean());
}
