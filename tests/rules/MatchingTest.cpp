#include "rules/Matching.h"
#include "fakes/SheetText.h"
#include "rules/DrawLines.h"
#include "session/SheetCommands.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

std::string treffer(const Matching& m)
{
    std::string t;
    for (int k = 1; k <= 6; ++k)
        t += std::to_string(m.treffer[k]);
    return t;
}

struct ZettelCase {
    const char* name;
    std::array<int, 6> numbers;
    int dream;
    const char* draw;
    int gewinn;
    const char* treffer;
    bool zusatz;
    bool super;
};

const ZettelCase kZettelCases[] = {
    {"four and dream", {3, 7, 12, 25, 31, 40}, 2, "09.11.2023 3 12 19 25 33 40 D2", 4, "101101", false, true},
    {"number given twice counts twice",
     {5, 5, 1, 2, 3, 4},
     1,
     "09.11.2023 5 11 17 25 33 40 D2",
     2,
     "110000",
     false,
     false},
    {"fillers match the empty spare slot",
     {5, 6, 0, 0, 0, 0},
     0,
     "09.11.2023 5 6 17 25 33 40 D2",
     2,
     "112222",
     true,
     false},
    {"spare slot hit", {3, 7, 12, 25, 31, 40}, 1, "09.11.2023 3 12 19 25 33 40 Z7 D2", 4, "121101", true, false},
    {"a dream number that can never be drawn stands for none",
     {3, 12, 1, 2, 4, 5},
     -1,
     "09.11.2023 3 12 19 25 33 40 D2",
     2,
     "110000",
     false,
     false},
    {"also against a draw without dream number",
     {3, 12, 1, 2, 4, 5},
     -1,
     "09.11.2023 3 12 19 25 33 40",
     2,
     "110000",
     false,
     false},
};

} // namespace

TEST(Zettelcheck, CountsHitsSpareSlotAndDreamNumber)
{
    for (const auto& c : kZettelCases) {
        Matching m;
        m.treffer.fill(9); // left over from an earlier match
        m.zusatz = m.super = true;
        matchTip(m, numbersOf(drawFromText(c.draw)), c.numbers, c.dream);
        EXPECT_EQ(m.gewinn, c.gewinn) << c.name;
        EXPECT_EQ(treffer(m), c.treffer) << c.name;
        EXPECT_EQ(m.zusatz, c.zusatz) << c.name;
        EXPECT_EQ(m.super, c.super) << c.name;
    }
}

// The count happens before the row is found to have no dream number; the row is then not scored.
TEST(Zettelcheck, ARowWithoutADreamNumberIsCountedButNotScored)
{
    AppFixture f;
    f.current("09.11.2023 3 12 19 25 33 40 D2");
    setRow(f.app.sheet(), 0, "3,12,1,2,4,5,x");
    EXPECT_EQ(checkTips(f.app), 0);
    EXPECT_EQ(f.app.matching.gewinn, 2);
    EXPECT_EQ(f.app.matching.statistik, (std::array<std::array<int, 2>, 7>{}));
    EXPECT_EQ(rowText(f.app.sheet(), 0), "1,2,3,4,5,12,-");
    EXPECT_EQ(f.app.sheet().matchText(0), "");
}

namespace {

struct CheckCase {
    const char* name;
    const char* before;
    const char* draw;
    const char* after;
    const char* hits;
    const char* match;
    bool red;
    const char* sum;
};

const CheckCase kCheckCases[] = {
    {"four and dream", "3,7,12,25,31,40,2", "09.11.2023 3 12 19 25 33 40 D2", "3,7,12,25,31,40,2", "G.GG.G", "4 + D",
     true, "118"},
    {"sorted on the sheet", "40,12,3,25,7,31,1", "09.11.2023 3 12 19 25 33 40 D2", "3,7,12,25,31,40,1", "G.GG.G", "4",
     true, "118"},
    {"no dream number: scored on its six numbers", "40,12,3,25,7,31,-", "09.11.2023 3 12 19 25 33 40 D2",
     "3,7,12,25,31,40,-", "G.GG.G", "4", true, "118"},
    {"a dream box that is no number: sorted but not scored", "40,12,3,25,7,31,x", "09.11.2023 3 12 19 25 33 40 D2",
     "3,7,12,25,31,40,-", "......", "", false, ""},
    {"empty row", ",,,,,,-", "09.11.2023 3 12 19 25 33 40 D2", ",,,,,,-", "......", "", false, ""},
    {"incomplete row loses its dream number", "3,7,,25,31,40,4", "09.11.2023 3 12 19 25 33 40 D2", "3,7,,25,31,40,-",
     "......", "", false, ""},
    {"same number twice", "3,3,5,6,8,9,1", "09.11.2023 3 12 19 25 33 40 D2", "3,3,5,6,8,9,1", "GG....", "2", true,
     "34"},
    {"spare slot", "3,7,12,25,31,40,1", "09.11.2023 3 12 19 25 33 40 Z7 D2", "3,7,12,25,31,40,1", "GYGG.G", "4 + Z",
     true, "118"},
    {"one match is black", "1,2,3,4,5,6,5", "09.11.2023 3 12 19 25 33 40 D2", "1,2,3,4,5,6,5", "..G...", "1", false,
     "21"},
};

} // namespace

TEST(Komplettcheck, SortsColoursAndLabelsEachRow)
{
    for (const auto& c : kCheckCases) {
        AppFixture f;
        f.current(c.draw);
        TipSheet& s = f.app.sheet();
        setRow(s, 0, c.before);
        s.setColour(0, 1, CellColour::Lime); // left over from an earlier check
        s.setMatch(0, "6", true);
        s.setSum(0, "99");
        checkTips(f.app);
        EXPECT_EQ(rowText(s, 0), c.after) << c.name;
        EXPECT_EQ(hits(s, 0), c.hits) << c.name;
        EXPECT_EQ(s.matchText(0), c.match) << c.name;
        EXPECT_EQ(s.matchRed(0), c.red) << c.name;
        EXPECT_EQ(s.sumText(0), c.sum) << c.name;
    }
}

TEST(Komplettcheck, CountsStatistikReturnsTheBestAndPlaysTheWinSound)
{
    AppFixture f;
    f.current("09.11.2023 3 12 19 25 33 40 Z7 D2");
    TipSheet& s = f.app.sheet();
    setRow(s, 0, "1,2,4,5,6,8,1");      // 0
    setRow(s, 1, "3,7,12,20,21,22,1");  // 2 + Z
    setRow(s, 4, "3,12,19,25,33,1,2");  // 5
    setRow(s, 7, "3,12,19,25,33,1,-");  // 5 without dream number
    setRow(s, 8, "3,12,19,25,33,1,x");  // not counted
    setRow(s, 13, "3,9,10,11,13,14,3"); // 1
    EXPECT_EQ(checkTips(f.app), 5);
    const std::array<std::array<int, 2>, 7> expected{{{1, 0}, {1, 0}, {0, 1}, {0, 0}, {0, 0}, {2, 0}, {0, 0}}};
    EXPECT_EQ(f.app.matching.statistik, expected);
    EXPECT_EQ(f.sound.played, std::vector<std::string>(3, f.dir.home() + "yippee.wav"));

    f.sound.played.clear();
    f.app.options().setFlag(Opt::Winsound, false);
    EXPECT_EQ(checkTips(f.app), 5);
    EXPECT_TRUE(f.sound.played.empty());
}

TEST(Komplettcheck, MoreThanSixMatchesFromADamagedDrawCountAsSix)
{
    AppFixture f;
    f.current("09.11.2023 5 5 5 5 5 5 D2");
    setRow(f.app.sheet(), 0, "5,5,7,8,9,10,1");
    EXPECT_EQ(checkTips(f.app), 12);
    EXPECT_EQ(f.app.matching.statistik[6][0], 1);
}

TEST(Komplettcheck, DoesNothingWhileSortingIsOff)
{
    AppFixture f;
    f.current("09.11.2023 3 12 19 25 33 40 D2");
    setRow(f.app.sheet(), 0, "40,12,3,25,7,31,2");
    checkTips(f.app);
    f.app.sortieren = false;
    setRow(f.app.sheet(), 0, "40,12,3,25,7,31,2");
    EXPECT_EQ(checkTips(f.app), 0);
    EXPECT_EQ(rowText(f.app.sheet(), 0), "40,12,3,25,7,31,2");
    EXPECT_EQ(f.app.sheet().matchText(0), "4 + D"); // from the check before
    EXPECT_EQ(f.app.matching.statistik, (std::array<std::array<int, 2>, 7>{}));
}
