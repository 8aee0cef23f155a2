#include "rules/TipSearch.h"

#include "CalcFixture.h"

#include <filesystem>
#include <set>

using namespace zf;
using namespace zf::test;

namespace {

struct SearchFixture : CalcFixture {
    SearchFixture()
    {
        DrawFile(app.drawFilePath()).rewrite(randomDraws(60, 5, kFirstDrawDay + 3), "t.tmp");
        app.random().setSeed(11);
    }

    std::string row(int r) const { return rowText(app.sheet(), r); }
    void lockRow(int r, const std::string& numbers)
    {
        setRow(app.sheet(), r, numbers + ",-");
        app.sheet().setLocked(r, true);
    }
    // Logs every change of these options with the run counter at that moment.
    void watch(std::set<std::string> names)
    {
        app.options().addListener([this, names](int index) {
            const std::string& name = Options::table()[index].control;
            if (names.count(name))
                changes.push_back(name + "=" + std::to_string(app.options().integer(index)) + "@" +
                                  std::to_string(app.calc.runs));
        });
    }
    std::vector<std::string> changes;
};

bool isTip(const std::string& row)
{
    std::set<int> numbers;
    std::istringstream in(row);
    std::string part;
    for (int c = 0; c < 6 && std::getline(in, part, ','); ++c)
        if (!part.empty())
            numbers.insert(std::stoi(part));
    return numbers.size() == 6 && *numbers.rbegin() <= 40;
}

} // namespace

TEST_F(SearchFixture, DefaultCalculationFillsEveryRowTheSameWayForTheSameSeed)
{
    EXPECT_EQ(Label28Click(app), CalcOutcome::Finished);
    std::vector<std::string> first;
    for (int r = 0; r < 14; ++r) {
        first.push_back(row(r));
        EXPECT_TRUE(isTip(row(r))) << row(r);
        const std::string dream = app.sheet().dream(r);
        EXPECT_TRUE(dream >= "1" && dream <= "5" && dream.size() == 1) << dream;
    }
    EXPECT_EQ(app.calc.status, app.msg(26));
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
    EXPECT_FALSE(app.berechnunglaeuft);
    EXPECT_TRUE(app.sortieren);
    EXPECT_GE(app.calc.runs, 14);
    EXPECT_TRUE(dialogs.errors.empty());

    app.random().setSeed(11);
    Label28Click(app);
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(row(r), first[r]);
}

TEST_F(SearchFixture, FewerTipsLeaveTheLaterRowsEmpty)
{
    set("UpDown8", 6);
    set("CheckBox33", 0);
    Label28Click(app);
    for (int r = 0; r < 6; ++r)
        EXPECT_TRUE(isTip(row(r))) << r;
    for (int r = 6; r < 14; ++r)
        EXPECT_EQ(row(r), ",,,,,,-") << r;
}

TEST_F(SearchFixture, LockedRowsStayAndCountForTheLaterRows)
{
    lockRow(3, "3,11,19,27,33,40");
    lockRow(8, "1,2,3,4,5,6");
    app.sheet().setDream(8, "4");
    set("CheckBox24", 1);
    set("UpDown9", 1); // every later row must share a number with an earlier one
    set("UpDown3", 5);
    set("CheckBox27", 1);
    Label28Click(app);
    EXPECT_EQ(row(3), "3,11,19,27,33,40,-");
    EXPECT_EQ(row(8), "1,2,3,4,5,6,4");
    for (int r = 4; r < 14; ++r) {
        EXPECT_TRUE(isTip(row(r))) << r;
        std::set<std::string> locked{"3", "11", "19", "27", "33", "40"};
        int common = 0;
        for (int c = 0; c < 6; ++c)
            common += locked.count(app.sheet().cell(r, c));
        EXPECT_GE(common, 1) << row(r);
    }
}

// The row labels stay clickable while the search runs; a row takes the lock it has when its turn comes.
TEST_F(SearchFixture, LockChangedDuringTheSearchCountsWhenTheRowIsReached)
{
    app.calc.eventIntervalMs = 0;
    lockRow(11, "2,4,6,8,10,12");
    bool once = false;
    feedback.onProcessEvents = [&] {
        if (once)
            return;
        once = true;
        lockRow(9, "5,9,14,22,31,38");
        setRow(app.sheet(), 10, "5,9,,,,,-");
        app.sheet().setLocked(10, true);
        app.sheet().setLocked(11, false);
    };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Finished);
    EXPECT_EQ(row(9), "5,9,14,22,31,38,-");
    EXPECT_EQ(row(10), "5,9,,,,,-");
    EXPECT_TRUE(isTip(row(11)) && row(11) != "2,4,6,8,10,12,-") << row(11);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(SearchFixture, IncompleteLockedRowStopsBeforeAnythingChanges)
{
    lockRow(12, "1,2,3,4,5,6");
    app.sheet().setCell(12, 4, "");
    app.sheet().setCell(0, 0, "9");
    EXPECT_EQ(Label28Click(app), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("13."), std::string::npos) << dialogs.errors[0];
    EXPECT_EQ(app.sheet().cell(0, 0), "9");
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
    EXPECT_EQ(app.calc.runs, 0);
}

TEST_F(SearchFixture, ListWithoutSixNumbersEndsWithTheSheetAsItWas)
{
    for (const char* name : {"CheckBox14", "CheckBox10"})
        set(name, 0);
    set("CheckBox15", 1);
    app.sheet().setCell(0, 0, "9");
    EXPECT_EQ(Label28Click(app), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(app.sheet().cell(0, 0), "9");
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
    EXPECT_TRUE(app.sortieren);
    EXPECT_FALSE(app.berechnunglaeuft);

    // no row to search: the locked ones stay, the others only get their dream numbers
    set("UpDown8", 2);
    lockRow(0, "1,2,3,4,5,6");
    lockRow(1, "7,8,9,10,11,12");
    EXPECT_EQ(Label28Click(app), CalcOutcome::Finished);
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(row(1), "7,8,9,10,11,12,-");
    EXPECT_EQ(app.calc.runs, 0);
}

// Rows 1 and 2 locked, so row 3 searches from the first run; no sum can reach 250.
TEST_F(SearchFixture, BudgetRelaxationsFireAtTheirRunCounts)
{
    struct Case {
        int lockedRows;
        std::vector<std::string> changes;
    };
    const Case cases[] = {
        {2,
         {"CheckBox8=0@10500", "UpDown6=6@1000", "UpDown5=2@11000", "UpDown4=1@11000", "UpDown5=3@16000",
          "UpDown4=2@16000", "CheckBox8=1@21000", "UpDown4=0@21000", "UpDown5=1@21000", "UpDown6=5@21000"}},
        // row 8 keeps its own limit for the latest draw first, then for the second-latest
        {7,
         {"CheckBox8=0@10500", "UpDown6=6@1000", "UpDown5=2@11000", "UpDown4=2@16000", "CheckBox8=1@21000",
          "UpDown4=0@21000", "UpDown5=1@21000", "UpDown6=5@21000"}},
    };
    watch({"CheckBox8", "UpDown4", "UpDown5", "UpDown6"});
    for (const Case& c : cases) {
        for (int r = 0; r < 14; ++r)
            app.sheet().setLocked(r, false);
        for (int r = 0; r < c.lockedRows; ++r)
            lockRow(r, std::to_string(r + 1) + ",11,19,27,33,40");
        set("UpDown7", 21);
        set("UpDown1", 250);
        set("CheckBox8", 1);
        changes.clear();
        EXPECT_EQ(Label28Click(app), CalcOutcome::BudgetExhausted);
        std::vector<std::string> sorted = changes, expected = c.changes;
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(sorted, expected);
        EXPECT_EQ(app.calc.runs, 21000);
        EXPECT_EQ(app.calc.status, app.msg(25));
        for (int r = c.lockedRows; r < 14; ++r)
            EXPECT_EQ(row(r).substr(0, 6), ",,,,,,") << r;
    }
}

TEST_F(SearchFixture, SmallBudgetDropsOnlyThePairForcing)
{
    set("UpDown7", 1);
    set("UpDown1", 250);
    set("CheckBox8", 1);
    watch({"CheckBox8", "UpDown4", "UpDown5", "UpDown6"});
    Label28Click(app);
    EXPECT_EQ(changes, (std::vector<std::string>{"CheckBox8=0@500", "CheckBox8=1@1000"}));
}

TEST_F(SearchFixture, DreamNumberChoices)
{
    // dream numbers 3 2 1 4 5 1 1: rarest 2 (first of the ties), longest out 3, most frequent 1
    draws({"09.11.2023 1 2 3 4 5 6 D3", "13.11.2023 1 2 3 4 5 6 D2", "16.11.2023 1 2 3 4 5 6 D1",
           "20.11.2023 1 2 3 4 5 6 D4", "23.11.2023 1 2 3 4 5 6 D5", "27.11.2023 1 2 3 4 5 6 D1",
           "30.11.2023 1 2 3 4 5 6 D1"});
    for (const char* name : {"CheckBox28", "CheckBox3"})
        set(name, 0);
    for (const auto& [item, dream] : std::vector<std::pair<int, std::string>>{{1, "2"}, {2, "3"}, {3, "1"}}) {
        set("RadioGroup1", item);
        Label28Click(app);
        for (int r = 0; r < 14; ++r)
            EXPECT_EQ(app.sheet().dream(r), dream) << item << " row " << r;
    }
    set("RadioGroup1", 0);
    Label28Click(app);
    std::set<std::string> dreams;
    for (int r = 0; r < 14; ++r)
        dreams.insert(app.sheet().dream(r));
    EXPECT_GT(dreams.size(), 1u);
    set("CheckBox33", 0);
    Label28Click(app);
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(app.sheet().dream(r), "-");
}

TEST_F(SearchFixture, SecondPressStopsAfterTheCandidateInHand)
{
    app.calc.eventIntervalMs = 0;
    for (const char* name : {"CheckBox3", "CheckBox18", "CheckBox28", "CheckBox5", "CheckBox23"})
        set(name, 0);
    set("UpDown1", 21); // the first candidate passes
    int presses = 0;
    feedback.onProcessEvents = [&] {
        if (presses++ == 0) {
            EXPECT_EQ(app.calc.bitBtn4.caption, app.msg(16));
            EXPECT_TRUE(app.berechnunglaeuft);
            EXPECT_EQ(Label28Click(app), CalcOutcome::StopRequested);
        }
    };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Stopped);
    EXPECT_TRUE(isTip(row(0)));
    for (int r = 1; r < 14; ++r)
        EXPECT_EQ(row(r).substr(0, 6), ",,,,,,") << r;
    EXPECT_EQ(app.calc.runs, 1);
    EXPECT_EQ(app.calc.status, app.msg(26));
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
}

TEST_F(SearchFixture, UnreadableHistoryEndsInOrder)
{
    app.calc.eventIntervalMs = 0;
    feedback.onProcessEvents = [&] { std::filesystem::remove(app.drawFilePath()); };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Failed);
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
    EXPECT_FALSE(app.berechnunglaeuft);
    EXPECT_TRUE(app.sortieren);
    EXPECT_EQ(app.options().integer("UpDown6"), 5);
}

TEST_F(SearchFixture, ListModeKeepsRebuildsOrEnds)
{
    set("CheckBox20", 1);
    std::array<int, 43> shown{};
    zahlenwahl.user = [&](NumberSelection& form) {
        for (int n = 1; n <= 42; ++n)
            shown[n] = form.box(n).checked ? std::stoi(form.box(n).weight) : 0;
        return ModalResult::Ok;
    };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Finished);
    EXPECT_EQ(countEntries(app.calc.numberList), shown);
    EXPECT_TRUE(isTip(row(13)));

    // Retry without a change: one entry more for each listed number, entry 0 empty
    zahlenwahl.user = [](NumberSelection&) { return ModalResult::Retry; };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Finished);
    const auto rebuilt = countEntries(app.calc.numberList);
    EXPECT_EQ(app.calc.numberList.front(), 0);
    for (int n = 1; n <= 42; ++n)
        EXPECT_EQ(rebuilt[n], shown[n] ? shown[n] + 1 : 0) << n;

    zahlenwahl.user = [](NumberSelection& form) {
        form.setWeight(7, "viele");
        return ModalResult::Retry;
    };
    setRow(app.sheet(), 0, "1,2,3,4,5,6,3");
    EXPECT_EQ(Label28Click(app), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("viele"), std::string::npos);
    EXPECT_EQ(row(0), "1,2,3,4,5,6,3"); // nothing half done

    lockRow(2, "3,11,19,27,33,40");
    zahlenwahl.user = [](NumberSelection&) { return ModalResult::Abort; };
    EXPECT_EQ(Label28Click(app), CalcOutcome::Aborted);
    EXPECT_EQ(row(0), ",,,,,,-"); // cleared before the list was shown
    EXPECT_EQ(row(2), "3,11,19,27,33,40,-");
    EXPECT_EQ(app.calc.bitBtn4.caption, "Tipps &berechnen");
    EXPECT_TRUE(app.sortieren);
    EXPECT_EQ(feedback.busyDepth, 0);
}
