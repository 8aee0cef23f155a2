#include "session/AnalysisCommands.h"

#include "ground/AtomicFile.h"
#include "ground/Cp1252.h"
#include "ground/Formats.h"
#include "rules/CalcFixture.h"
#include "session/Session.h"

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

const std::vector<std::string> kHistory = {
    "06.11.2023 1 2 3 10 11 12 D1",
    "09.11.2023 1 2 3 4 13 14 Z5 D2", // four matches and the spare slot
    "13.11.2023 20 21 22 23 24 25 D3",
    "16.11.2023 1 2 3 4 5 6 D4",
};

// The analyses write "Test.txt" into the working directory.
struct InFolder {
    std::filesystem::path before = std::filesystem::current_path();
    explicit InFolder(const std::string& dir) { std::filesystem::current_path(dir); }
    ~InFolder() { std::filesystem::current_path(before); }
};

struct AnalysisFixture : CalcFixture {
    FakeProgress progress;
    CancelFlag cancel{false};
    InFolder folder{dir.home()};

    AnalysisFixture()
    {
        draws(kHistory);
        // two known tips: the locked first rows, no other row searched
        setRow(app.sheet(), 0, "1,2,3,4,5,6,-");
        setRow(app.sheet(), 1, "7,8,9,15,16,17,-"); // never a match
        app.sheet().setLocked(0, true);
        app.sheet().setLocked(1, true);
        set(Opt::UpDown8, 2);
    }
    std::optional<std::vector<std::string>> backtest(const std::string& from, std::optional<int> seed = 7)
    {
        app.setEndDay(*parseDate(from));
        return runBacktest(app, seed, progress, cancel);
    }
    std::optional<RepeatResult> repeats(const std::string& from, std::optional<int> minimum = 6)
    {
        app.setEndDay(*parseDate(from));
        return runRepeats(app, minimum, progress, cancel);
    }
    static uint64_t choose(int n, int k)
    {
        uint64_t r = 1;
        for (int i = 1; i <= k; ++i)
            r = r * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
        return r;
    }
};

} // namespace

TEST_F(AnalysisFixture, BacktestCountsTheKnownTipAgainstEachNextDraw)
{
    const auto lines = backtest("06.11.2023");
    ASSERT_TRUE(lines) << (dialogs.errors.empty() ? "" : dialogs.errors[0]);
    // 09.11 (Thu) 4 + spare slot, 13.11 (Mon) none, 16.11 (Thu) 6, then 16.11 once more
    EXPECT_EQ((*lines)[0], app.msg(Msg::ParameterAnalysisTitle));
    EXPECT_EQ((*lines)[1], "0x\t=>\t3\t=>\t2");
    EXPECT_EQ((*lines)[10], "4x + ZZ\t=>\t1\t=>\t0");
    EXPECT_EQ((*lines)[13], "6x\t=>\t2\t=>\t0");
    EXPECT_EQ((*lines)[15], "4 " + app.msg(Msg::Draws));

    // the control plays as many tips; chance is the exact odds times the tips
    int randomTips = 0;
    for (int g = 0; g <= 6; ++g) {
        const std::string& line = (*lines)[16 + static_cast<size_t>(g)];
        const double exact = 8.0 * double(choose(6, g) * choose(34, 6 - g)) / double(choose(40, 6));
        EXPECT_NE(line.find(" expected " + formatFloat(exact, 2) + " "), std::string::npos) << line;
        randomTips += std::stoi(line.substr(line.find(" random ") + 8));
    }
    EXPECT_EQ(randomTips, 8);
    EXPECT_EQ((*lines)[16 + 6].rfind("control: 6 program 2 random ", 0), 0u);

    // written in the working directory with CR LF and opened
    std::string expected;
    for (const std::string& l : *lines)
        expected += l + "\r\n";
    EXPECT_EQ(readFileBytes(dir.file("Test.txt"), 1 << 16), expected);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(shell.opened[0]), std::filesystem::path(dir.file("Test.txt")));
    // the last draw is current, the chart shows the control
    EXPECT_EQ(app.current.datum1, *parseDate("16.11.2023"));
    EXPECT_EQ(app.chart().groups.size(), 3u);
    EXPECT_EQ(app.chart().bars.size(), 21u);
}

TEST_F(AnalysisFixture, BacktestPassesFromTheChosenDate)
{
    const struct {
        const char* from;
        int passes;
    } cases[] = {
        {"13.11.2023", 2}, // second-to-last draw: it and the last draw
        {"16.11.2023", 1},
        {"09.12.2025", 0}, // today: no pass, zeros
    };
    for (const auto& c : cases) {
        const auto lines = backtest(c.from);
        ASSERT_TRUE(lines) << c.from;
        EXPECT_EQ((*lines)[15], std::to_string(c.passes) + " " + app.msg(Msg::Draws)) << c.from;
    }
}

TEST_F(AnalysisFixture, RecalculatesOnlyAfterAThreeWhenAsked)
{
    for (const bool only : {false, true}) {
        app.setEndDay(*parseDate("06.11.2023"));
        auto in = prepareBacktest(app, 7);
        ASSERT_TRUE(in);
        in->onlyAfterWin = only;
        // 4 matches, none, 6: the pass after "none" keeps its tips
        EXPECT_EQ(zf::backtest(std::move(*in), progress, cancel).calculations, only ? 3 : 4);
    }
}

TEST_F(AnalysisFixture, SameSeedGivesTheSameReport)
{
    DrawFile(app.drawFilePath()).rewrite(randomDraws(60, 5, kFirstDrawDay + 3), "t.tmp");
    app.sheet().setLocked(0, false);
    app.sheet().setLocked(1, false);
    set(Opt::UpDown8, 3);
    const std::string from = formatDate(kFirstDrawDay + 3 + 7 * 27);
    const auto first = backtest(from, 99);
    const auto again = backtest(from, 99);
    const auto other = backtest(from, 98);
    ASSERT_TRUE(first && again && other);
    EXPECT_EQ(*first, *again);
    EXPECT_NE(*first, *other);
}

TEST_F(AnalysisFixture, SeedThatIsNoNumberIsAskedAgainAndTheListStaysOff)
{
    set(Opt::CheckBox20, 1);
    dialogs.inputAnswers = {"zwölf", "12"};
    app.setEndDay(*parseDate("13.11.2023"));
    ASSERT_TRUE(runBacktest(app, std::nullopt, progress, cancel));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("zwölf"), std::string::npos);
    EXPECT_EQ(app.random().seed(), 12u);
    EXPECT_TRUE(app.options().flag(Opt::CheckBox20));
    EXPECT_TRUE(zahlenwahl.tickedWhenShown.empty());
    EXPECT_EQ(feedback.status[1], app.msg(Msg::LuckyNumberPrompt) + " 12");
}

TEST_F(AnalysisFixture, SeedQuestionOffersTheCurrentSeedWithinItsRange)
{
    for (const uint64_t current : {uint64_t{4711}, uint64_t{1796894442185}}) {
        app.random().setSeed(current);
        dialogs.inputCancels = true; // cancelling answers the default
        app.setEndDay(*parseDate("16.11.2023"));
        ASSERT_TRUE(runBacktest(app, std::nullopt, progress, cancel));
        EXPECT_EQ(app.random().seed(), current % 100000000);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(AnalysisFixture, StoppedBacktestWritesNoReport)
{
    cancel = true;
    EXPECT_FALSE(backtest("06.11.2023"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Test.txt")));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(AnalysisFixture, RepeatsWriteRichTextAndEndOnTheLastDraw)
{
    app.sheet().setLocked(0, false);
    app.sheet().setLocked(1, false);
    setRow(app.sheet(), 0, "1,2,3,4,5,6,-"); // a "-" dream box is no dream number, no error
    const auto r = repeats("06.11.2023");
    ASSERT_TRUE(r && !r->stopped);
    const std::string rtf = readFileBytes(dir.file("Test.rtf"), 1 << 16);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find(utf8ToCp1252(app.msg(Msg::HitsThirdNextDraw)).substr(0, 8)), std::string::npos);
    EXPECT_NE(rtf.find("6x    =>0\\par"), std::string::npos);
    EXPECT_EQ(rowText(app.sheet(), 0).substr(0, 17), "20,21,22,23,24,25"); // the second-to-last draw
    EXPECT_EQ(app.current.datum1, *parseDate("16.11.2023"));
    EXPECT_TRUE(app.chart().bars.empty());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(AnalysisFixture, RepeatsAnsweredNoWriteNothingAndAMinimumIsAskedAgain)
{
    dialogs.inputAnswers = {"x", "3"};
    dialogs.yesNoAnswers = {false};
    app.setEndDay(*parseDate("06.11.2023"));
    const auto r = runRepeats(app, std::nullopt, progress, cancel);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->stopped);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Test.rtf")));
    ASSERT_EQ(dialogs.shown.size(), 2u); // the refusal, then the first stop
    EXPECT_NE(dialogs.shown[0].find("'x'"), std::string::npos);
    EXPECT_NE(dialogs.shown[1].find("06.11.2023"), std::string::npos);
}
