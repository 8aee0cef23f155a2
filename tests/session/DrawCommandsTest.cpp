#include "session/DrawCommands.h"
#include "fakes/SheetText.h"
#include "rules/DrawLines.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(DrawLine, ShowsWeekdayDateNumbersAndDreamNumber)
{
    const Draw d = drawFromText("09.11.2023 3 11 17 25 33 40 D2");
    std::array<int, 9> zahl{};
    for (int i = 0; i < 8; ++i)
        zahl[i + 1] = d.zahlen[i];
    EXPECT_EQ(drawLine(d.datum, zahl, "  ", "     DREAM:"), "Do 09.11.23    3  11  17  25  33  40     DREAM:2");
    EXPECT_EQ(drawLine(d.datum, zahl, "  ", "   DREAM:"), "Do 09.11.23    3  11  17  25  33  40   DREAM:2");
    EXPECT_EQ(shortWeekday(*parseDate("06.11.2023")), "Mo");
    EXPECT_EQ(shortWeekday(*parseDate("12.11.2023")), "So");
}

namespace {

// Three weeks of draws, Thursdays at both ends.
const std::vector<std::string> kThursdayEnds = {"02.11.2023 1 2 3 4 5 6 D1", "06.11.2023 7 8 9 10 11 12 D2",
                                                "09.11.2023 13 14 15 16 17 18 D3", "13.11.2023 19 20 21 22 23 24 D4",
                                                "16.11.2023 25 26 27 28 29 30 D5"};
// Several Thursdays in a row at the end (entered by hand).
const std::vector<std::string> kThursdayRun = {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2",
                                               "16.11.2023 13 14 15 16 17 18 D3", "23.11.2023 19 20 21 22 23 24 D4"};

struct StepCase {
    const char* name;
    const std::vector<std::string>* draws;
    bool thursdays;
    int startPosition;
    int dir;
    const char* expected;
};

const StepCase kStepCases[] = {
    {"next at the last draw stays", &kThursdayEnds, true, 4, +1, "16.11.2023"},
    {"previous at the first draw stays", &kThursdayEnds, true, 0, -1, "02.11.2023"},
    {"next skips a Thursday", &kThursdayEnds, false, 1, +1, "13.11.2023"},
    {"previous skips a Thursday", &kThursdayEnds, false, 3, -1, "06.11.2023"},
    {"next from the last Monday before a final Thursday", &kThursdayEnds, false, 3, +1, "13.11.2023"},
    {"previous from the second draw after a first Thursday", &kThursdayEnds, false, 1, -1, "06.11.2023"},
    {"a run of Thursdays at the end ends at the last Monday", &kThursdayRun, false, 0, +1, "06.11.2023"},
    {"from inside the run, previous finds the Monday", &kThursdayRun, false, 3, -1, "06.11.2023"},
};

} // namespace

TEST(Stepping, MovesToTheNextDrawThatPassesAndAlwaysEnds)
{
    for (const auto& c : kStepCases) {
        AppFixture f;
        f.draws(*c.draws);
        f.app.options().setFlag(Opt::CheckBox16, c.thursdays);
        f.app.current.position = c.startPosition;
        c.dir > 0 ? stepForward(f.app) : stepBack(f.app);
        EXPECT_EQ(formatDate(static_cast<int>(f.app.current.datum1)), c.expected) << c.name;
        EXPECT_EQ(f.app.drawFile().readAll()[f.app.current.position].datum, f.app.current.datum1) << c.name;
    }
}

TEST(Stepping, ShowsTheDrawMovesThePickerAndChecksTheTips)
{
    AppFixture f;
    f.draws({"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 3 11 17 25 33 40 D2"});
    f.app.options().setDate(Opt::DateTimePicker2, kFirstDrawDay + 3);
    setRow(f.app.sheet(), 0, "40,33,1,2,4,5,2");
    stepForward(f.app);
    EXPECT_EQ(f.app.drawLabels.label29, "Do 09.11.23    3  11  17  25  33  40     DREAM:2");
    EXPECT_EQ(f.app.drawLabels.label35, f.app.drawLabels.label29);
    EXPECT_EQ(f.app.drawLabels.label13, "QS: 129");
    EXPECT_EQ(f.app.endDay, *parseDate("09.11.2023"));
    EXPECT_EQ(f.app.aktDatum, kFirstDrawDay + 3);
    EXPECT_EQ(f.app.sheet().matchText(0), "2 + D");

    stepBack(f.app);
    EXPECT_EQ(f.app.current.position, 0);
    EXPECT_EQ(f.app.sheet().matchText(0), "4");
}

TEST(Stepping, NothingPassesKeepsTheDrawTheStepStartedFrom)
{
    AppFixture f;
    f.draws({"09.11.2023 1 2 3 4 5 6 D1", "16.11.2023 7 8 9 10 11 12 D2", "23.11.2023 13 14 15 16 17 18 D3"});
    f.app.options().setFlag(Opt::CheckBox16, false);
    f.app.current.position = 1;
    stepForward(f.app);
    EXPECT_EQ(f.app.current.position, 1);
    stepBack(f.app);
    EXPECT_EQ(f.app.current.position, 1);
}

TEST(Stepping, AnEmptyDrawFileShowsNothing)
{
    AppFixture f;
    f.draws({});
    f.app.drawLabels.label29 = "old";
    stepForward(f.app);
    stepBack(f.app);
    EXPECT_EQ(f.app.drawLabels.label29, "old");
}
