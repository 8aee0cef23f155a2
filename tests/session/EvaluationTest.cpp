#include "fakes/SheetText.h"
#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "session/DrawCommands.h"
#include "session/SheetCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zf;
using namespace zf::test;

namespace {

const std::vector<std::string> kDraws = {
    "06.11.2023 1 2 3 4 5 6 D1",       "09.11.2023 3 11 17 25 33 40 D2", "13.11.2023 7 8 9 10 11 12 D3",
    "16.11.2023 13 14 15 16 17 18 D4", "20.11.2023 1 2 3 4 5 40 D5",
};

struct EvaluationFixture : AppFixture {
    EvaluationFixture() { draws(kDraws); }
    int evaluate(const char* date)
    {
        app.endDay = *parseDate(date);
        return evaluateForDate(app);
    }
};

} // namespace

TEST(Evaluation, ShowsTheFirstDrawOnOrAfterTheDate)
{
    const struct {
        const char* date;
        const char* shown;
        int position;
        const char* line;
    } cases[] = {
        {"14.11.2023", "16.11.2023", 3, "Do 16.11.23    13  14  15  16  17  18     DREAM:4"},
        {"09.11.2023", "09.11.2023", 1, "Do 09.11.23    3  11  17  25  33  40     DREAM:2"},
        {"01.01.2025", "20.11.2023", 4, "Mo 20.11.23    1  2  3  4  5  40     DREAM:5"},
        // the first record of the file shows one blank more after the date
        {"06.11.2023", "06.11.2023", 0, "Mo 06.11.23     1  2  3  4  5  6     DREAM:1"},
    };
    for (const auto& c : cases) {
        EvaluationFixture f;
        f.evaluate(c.date);
        EXPECT_EQ(formatDate(static_cast<int>(f.app.current.datum1)), c.shown) << c.date;
        EXPECT_EQ(f.app.endDay, f.app.current.datum1) << c.date;
        EXPECT_EQ(f.app.current.position, c.position) << c.date;
        EXPECT_EQ(f.app.drawLabels.label29, c.line) << c.date;
        EXPECT_EQ(f.app.drawLabels.label35, c.line) << c.date;
        EXPECT_EQ(f.app.aktDatum, *parseDate(c.date)) << c.date;
    }
}

TEST(Evaluation, ChecksTheTipsAgainstTheShownDraw)
{
    EvaluationFixture f;
    setRow(f.app.sheet(), 0, "40,3,11,17,25,33,2");
    EXPECT_EQ(f.evaluate("08.11.2023"), 6);
    EXPECT_EQ(f.app.drawLabels.label13, "QS: 129");
    EXPECT_EQ(f.app.sheet().matchText(0), "6 + D");
    EXPECT_EQ(hits(f.app.sheet(), 0), "GGGGGG");
}

TEST(Evaluation, ASingleDrawFileShowsTheUsualLine)
{
    AppFixture f;
    f.draws({"06.11.2023 1 2 3 4 5 6 D1"});
    f.app.endDay = kFirstDrawDay;
    evaluateForDate(f.app);
    EXPECT_EQ(f.app.drawLabels.label29, "Mo 06.11.23    1  2  3  4  5  6     DREAM:1");
}

TEST(Evaluation, ADamagedDrawIsShownAsDamaged)
{
    AppFixture f;
    f.draws({"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 7 9 10 11 12 D2"});
    f.app.endDay = *parseDate("09.11.2023");
    evaluateForDate(f.app);
    EXPECT_EQ(f.app.drawLabels.label29, "Do 09.11.23    7  7  9  10  11  12     DREAM:2   beschädigt: Zahl 7 doppelt");
}

// The shown draw comes from the program's copy of the file, which must follow
// a change made by another program even when the size stays the same.
TEST(Evaluation, FollowsTheDrawFileChangedByAnotherProgram)
{
    EvaluationFixture f;
    f.evaluate("06.11.2023");
    const std::string path = f.app.drawFilePath();
    std::string bytes = readFileBytes(path, 1000);
    bytes[8] = 39; // the first number of the first record
    const auto stamp = std::filesystem::last_write_time(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    std::filesystem::last_write_time(path, stamp + std::chrono::seconds(1));
    f.evaluate("06.11.2023");
    EXPECT_EQ(f.app.drawLabels.label29, "Mo 06.11.23     39  2  3  4  5  6     DREAM:1");
}

TEST(Evaluation, MissingOrEmptyDrawFile)
{
    AppFixture f;
    f.app.drawLabels.label29 = "old";
    EXPECT_EQ(evaluateForDate(f.app), 0);
    EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_FALSE(f.app.drawFile().exists()); // reading creates nothing; start-up does
    f.dialogs.shown.clear();
    f.app.runStartAnalyses();
    ASSERT_TRUE(f.app.drawFile().exists());
    EXPECT_TRUE(f.app.drawFile().readAll().empty());

    f.app.current.position = 3;
    evaluateForDate(f.app);
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.app.current.position, 0);
    EXPECT_EQ(f.app.drawLabels.label29, "old");
}

TEST(Evaluation, StartUpShowsTheLatestDrawWithTheSheetChecked)
{
    AppFixture f;
    f.draws(kDraws);
    f.store.values["Edit1"] = std::string("40");
    f.store.values["Combobox1"] = std::string("5");
    f.app.prepareStart(f.dir.home());
    f.app.runStartAnalyses();
    EXPECT_EQ(f.app.drawLabels.label35, "Mo 20.11.23    1  2  3  4  5  40     DREAM:5");
    EXPECT_EQ(f.app.current.position, 4);
    EXPECT_EQ(f.app.sheet().matchText(0), ""); // an incomplete tip is not scored
    EXPECT_EQ(f.app.sheet().dream(0), "-");
}

namespace {

struct SearchFixture : EvaluationFixture {
    std::vector<std::string> stops;
    SearchFixture()
    {
        app.options().setDate(Opt::DateTimePicker2, *parseDate("09.11.2023"));
        app.endDay = *parseDate("20.11.2023");
    }
    void search(int minimum)
    {
        searchTipsInDb(app, minimum, [this](double datum, int row, int gewinn) {
            stops.push_back(formatDate(static_cast<int>(datum)) + " row " + std::to_string(row + 1) + " matches " +
                            std::to_string(gewinn));
        });
    }
};

} // namespace

TEST(TipSearch, RunsToTheEndWhenNoTipReachesTheMinimum)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "1,2,3,4,5,7,5");
    setRow(f.app.sheet(), 2, "3,11,17,25,33,39,-");
    f.search(6);
    EXPECT_TRUE(f.stops.empty());
    EXPECT_TRUE(f.dialogs.shown.empty());
    // scores against the last draw of the window, unsorted, coloured by that draw
    EXPECT_EQ(f.app.sheet().matchText(0), "5 + D");
    EXPECT_TRUE(f.app.sheet().matchRed(0));
    EXPECT_EQ(f.app.sheet().matchText(1), "");
    EXPECT_EQ(f.app.sheet().matchText(2), "1");
    EXPECT_EQ(hits(f.app.sheet(), 0), "GGGGG.");
    EXPECT_EQ(hits(f.app.sheet(), 2), "G.....");
    EXPECT_EQ(rowText(f.app.sheet(), 2), "3,11,17,25,33,39,-");
    EXPECT_EQ(f.app.drawLabels.label29, "Mo 20.11.23    1  2  3  4  5  40   DREAM:5");
    EXPECT_EQ(f.app.chart().bars.size(), 10u);
    EXPECT_EQ(f.app.chart().bars[9].x, 9);
    EXPECT_EQ(f.app.chart().bars[9].y, 0);
}

TEST(TipSearch, StopsAtEachTipThatReachesTheMinimumAndAsks)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "33,25,17,11,3,1,2");
    setRow(f.app.sheet(), 5, "1,2,3,4,5,6,1");
    f.app.current.position = 1;
    f.search(5);
    // the draw on the window start is searched
    EXPECT_EQ(f.stops, (std::vector<std::string>{"09.11.2023 row 1 matches 5", "20.11.2023 row 6 matches 5"}));
    EXPECT_EQ(f.dialogs.shown.front(), "Treffer in der Ziehung vom 09.11.2023   gefunden. Weitersuchen?");
    EXPECT_EQ(rowText(f.app.sheet(), 0), "1,3,11,17,25,33,2"); // the stop ran the full check
    EXPECT_EQ(f.app.current.position, 1);                      // the search leaves Position alone
}

TEST(TipSearch, NoAtTheFirstStopEndsTheSearchThere)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "20,21,22,23,24,26,1");
    f.dialogs.yesNoAnswers = {false};
    f.search(0);
    EXPECT_EQ(f.stops, std::vector<std::string>{"09.11.2023 row 1 matches 0"});
    EXPECT_EQ(formatDate(static_cast<int>(f.app.current.datum1)), "09.11.2023");
    EXPECT_TRUE(f.app.chart().bars.empty());
}

TEST(TipSearch, AStopShowsTheScoreOfATipWithoutDreamNumber)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "33,25,17,11,3,1,-");
    f.dialogs.yesNoAnswers = {false};
    f.search(5);
    EXPECT_EQ(f.stops, std::vector<std::string>{"09.11.2023 row 1 matches 5"});
    EXPECT_EQ(f.app.sheet().matchText(0), "5");
    EXPECT_TRUE(f.app.sheet().matchRed(0));
    EXPECT_EQ(hits(f.app.sheet(), 0), ".GGGGG"); // sorted by the stop's full check
    EXPECT_EQ(f.app.sheet().sumText(0), "90");
}

// Whether the search stops at a row or runs past it, the row shows what the
// full check shows against the same draw; "-" means no dream number.
TEST(TipSearch, ScoresEachRowAsTheFullCheckDoes)
{
    const struct {
        const char* name;
        int minimum;
        std::vector<bool> answers;
        const char* lastDraw;
    } cases[] = {
        {"no stop", 7, {}, "20.11.2023"},
        {"stop at a row without dream number, then no", 3, {false}, "09.11.2023"},
        {"every stop answered yes", 1, {}, "20.11.2023"},
    };
    for (const auto& c : cases) {
        SearchFixture f;
        TipSheet& s = f.app.sheet();
        setRow(s, 0, "3,10,11,17,20,30,-");
        setRow(s, 1, "3,11,17,25,33,40,2");
        setRow(s, 3, "1,2,3,4,5,40,-");
        setRow(s, 4, "7,8,9,13,14,15,4");
        // colours and labels of an earlier draw
        f.current("13.11.2023 7 8 9 10 11 12 D3");
        checkTips(f.app);
        f.dialogs.yesNoAnswers = c.answers;
        f.search(c.minimum);
        EXPECT_EQ(formatDate(static_cast<int>(f.app.current.datum1)), c.lastDraw) << c.name;
        const TipSheet searched = s.snapshot();
        checkTips(f.app);
        for (int r = 0; r < TipSheet::kRows; ++r) {
            EXPECT_EQ(rowText(searched, r), rowText(s, r)) << c.name << " row " << r + 1;
            EXPECT_EQ(hits(searched, r), hits(s, r)) << c.name << " row " << r + 1;
            EXPECT_EQ(searched.matchText(r), s.matchText(r)) << c.name << " row " << r + 1;
            EXPECT_EQ(searched.matchRed(r), s.matchRed(r)) << c.name << " row " << r + 1;
            EXPECT_EQ(searched.sumText(r), s.sumText(r)) << c.name << " row " << r + 1;
        }
    }
    // a stop on a row without dream number shows its hits and cross sum
    SearchFixture f;
    setRow(f.app.sheet(), 0, "30,20,10,3,2,1,-");
    f.dialogs.yesNoAnswers = {false};
    f.search(2);
    EXPECT_EQ(f.stops, std::vector<std::string>{"20.11.2023 row 1 matches 3"});
    EXPECT_EQ(rowText(f.app.sheet(), 0), "1,2,3,10,20,30,-");
    EXPECT_EQ(hits(f.app.sheet(), 0), "GGG...");
    EXPECT_EQ(f.app.sheet().matchText(0), "3");
    EXPECT_EQ(f.app.sheet().sumText(0), "66");
}

TEST(TipSearch, SearchesOnlyTheTickedWeekdays)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "20,21,22,23,24,26,1");
    f.app.options().setFlag(Opt::CheckBox17, false);
    f.search(0);
    EXPECT_EQ(f.stops, (std::vector<std::string>{"09.11.2023 row 1 matches 0", "16.11.2023 row 1 matches 0"}));
}

TEST(TipSearch, AnIncompleteTipEndsTheSearchNamingItsRow)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "1,2,3,4,5,7,5");
    setRow(f.app.sheet(), 2, "3,11,,25,33,39,1");
    try {
        f.search(6);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("3. Tipp"), std::string::npos) << e.what();
    }
    EXPECT_EQ(f.app.sheet().matchText(0), "1"); // the rows before it were scored
}

TEST(TipSearch, TheMinimumComesFromAnInputBox)
{
    SearchFixture f;
    setRow(f.app.sheet(), 0, "20,21,22,23,24,26,1");
    f.dialogs.inputAnswer = "x";
    EXPECT_THROW(askAndSearchTipsInDb(f.app), ConvertError);
    f.dialogs.inputAnswer = "0";
    f.dialogs.yesNoAnswers = {false};
    askAndSearchTipsInDb(f.app);
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
}
