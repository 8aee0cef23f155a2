#include "rules/TipSearch.h"

#include "CalcFixture.h"
#include "session/Calculation.h"

#include <filesystem>
#include <set>

using namespace zf;
using namespace zf::test;

namespace {

struct SearchFixture : CalcFixture {
    FakeProgress progress;
    CancelFlag cancel{false};

    SearchFixture()
    {
        DrawFile(app.drawFilePath()).rewrite(randomDraws(60, 5, kFirstDrawDay + 3), "t.tmp");
        app.random().setSeed(11);
    }

    // threads 0: one per core
    CalcOutcome calculate(int threads = 0)
    {
        cancel = false;
        auto input = prepareCalculation(app);
        if (!input)
            return CalcOutcome::Failed;
        input->threads = threads;
        return finishCalculation(app, calculateTips(std::move(*input), progress, cancel));
    }
    std::string row(int r) const { return rowText(app.sheet(), r); }
    std::string cells(int r) const { return row(r).substr(0, row(r).rfind(',')); }
    void lockRow(int r, const std::string& numbers)
    {
        setRow(app.sheet(), r, numbers + ",-");
        app.sheet().setLocked(r, true);
    }
    // Every stored value, to show that a run leaves the options as they were.
    std::vector<std::string> optionValues() const
    {
        std::vector<std::string> v;
        for (int i = 0; i < static_cast<int>(Options::table().size()); ++i)
            v.push_back(std::to_string(app.options().integer(i)) + "|" + app.options().text(i));
        return v;
    }
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
    app.chart().bars = {ChartBar{1, 1}};
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    std::vector<std::string> first;
    for (int r = 0; r < 14; ++r) {
        first.push_back(row(r));
        EXPECT_TRUE(isTip(row(r))) << row(r);
        const std::string dream = app.sheet().dream(r);
        EXPECT_TRUE(dream >= "1" && dream <= "5" && dream.size() == 1) << dream;
    }
    EXPECT_EQ(app.calc.status, app.msg(Msg::CalcFinished));
    EXPECT_EQ(feedback.status[1], app.msg(Msg::CalcFinished));
    EXPECT_FALSE(app.calc.active);
    EXPECT_TRUE(app.sortieren);
    EXPECT_GE(app.calc.runs, 14);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(app.chart().bars.empty()); // the history tests cleared it
    // the last report is the last row's tip
    EXPECT_EQ(progress.lastK, app.calc.runs);
    EXPECT_EQ(progress.lastN, app.runBudget());
    EXPECT_EQ(progress.texts.back().rfind("14." + app.msg(Msg::Tip) + ":  ", 0), 0u) << progress.texts.back();

    app.random().setSeed(11);
    calculate();
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(row(r), first[r]);
}

TEST_F(SearchFixture, FewerTipsLeaveTheLaterRowsEmpty)
{
    set(Opt::UpDown8, 6);
    set(Opt::CheckBox33, 0);
    calculate();
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
    calculate();
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

// The sheet and the options stay open to the user while the search runs; the
// run keeps what it started with, the changes count for the next calculation.
TEST_F(SearchFixture, ChangesDuringTheRunWaitForTheNextCalculation)
{
    lockRow(11, "2,4,6,8,10,12");
    bool changed = false;
    progress.onReport = [&](int k, int, const std::string&) {
        if (changed || k == 0)
            return;
        changed = true;
        lockRow(9, "5,9,14,22,31,38");
        setRow(app.sheet(), 10, "5,9,,,,,-"); // locked incomplete: refused only at a start
        app.sheet().setLocked(10, true);
        app.sheet().setLocked(11, false);
        set(Opt::UpDown8, 2);
        set(Opt::CheckBox33, 0);
    };
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    ASSERT_TRUE(changed);
    EXPECT_TRUE(dialogs.errors.empty());
    for (int r = 0; r < 14; ++r) {
        if (r == 11)
            continue;
        EXPECT_TRUE(isTip(row(r))) << r << ": " << row(r);
        EXPECT_NE(app.sheet().dream(r), "-") << r;
    }
    EXPECT_EQ(row(11), "2,4,6,8,10,12,-");
    EXPECT_TRUE(app.sheet().locked(9));
    EXPECT_TRUE(app.sheet().locked(10));
    EXPECT_FALSE(app.sheet().locked(11));
    EXPECT_EQ(app.options().integer(Opt::UpDown8), 2);
    EXPECT_FALSE(app.options().flag(Opt::CheckBox33));

    progress.onReport = nullptr;
    const std::string kept9 = cells(9), kept10 = cells(10);
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    EXPECT_EQ(cells(9), kept9);
    EXPECT_EQ(cells(10), kept10);
    for (int r : {0, 1})
        EXPECT_TRUE(isTip(row(r)) && app.sheet().dream(r) == "-") << row(r);
    for (int r : {2, 8, 11, 13})
        EXPECT_EQ(row(r), ",,,,,,-") << r;
}

TEST_F(SearchFixture, IncompleteLockedRowStopsBeforeAnythingChanges)
{
    lockRow(12, "1,2,3,4,5,6");
    app.sheet().setCell(12, 4, "");
    app.sheet().setCell(0, 0, "9");
    EXPECT_EQ(calculate(), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("13."), std::string::npos) << dialogs.errors[0];
    EXPECT_EQ(app.sheet().cell(0, 0), "9");
    EXPECT_EQ(app.calc.runs, 0);
    EXPECT_FALSE(app.calc.active);
    EXPECT_TRUE(app.sortieren);
    EXPECT_TRUE(progress.texts.empty());
}

TEST_F(SearchFixture, RefusalNamesEveryIncompleteLockedRow)
{
    const std::string tail = " die Sperre auf; die Berechnung wurde nicht gestartet.";
    const struct {
        const char* name;
        std::vector<int> lockedIncomplete;
        std::vector<int> lockedComplete;
        std::vector<int> unlockedIncomplete;
        std::string expected; // empty: no refusal
    } cases[] = {
        {"nothing locked", {}, {}, {0, 5}, ""},
        {"locked rows complete", {}, {1, 13}, {2}, ""},
        {"one row",
         {12},
         {0},
         {3},
         "Der gesperrte 13. Tipp enthält keine sechs Zahlen. Bitte vervollständigen Sie ihn oder heben Sie" + tail},
        {"two rows",
         {0, 13},
         {},
         {},
         "Die gesperrten Reihen 1. Tipp und 14. Tipp enthalten keine sechs Zahlen. Bitte vervollständigen Sie sie "
         "oder heben Sie" +
             tail},
        {"three rows among complete ones",
         {1, 4, 12},
         {0, 9},
         {7},
         "Die gesperrten Reihen 2. Tipp, 5. Tipp und 13. Tipp enthalten keine sechs Zahlen. Bitte vervollständigen "
         "Sie sie oder heben Sie" +
             tail},
    };
    for (const auto& c : cases) {
        TipSheet sheet;
        for (int r : c.lockedIncomplete) {
            setRow(sheet, r, "1,2,3,,5,6,-");
            sheet.setLocked(r, true);
        }
        for (int r : c.lockedComplete) {
            setRow(sheet, r, "1,2,3,4,5,6,2");
            sheet.setLocked(r, true);
        }
        for (int r : c.unlockedIncomplete)
            setRow(sheet, r, "7,,,,,,-");
        const auto refusal = incompleteLockedRow(sheet, app.messages());
        EXPECT_EQ(refusal.value_or(""), c.expected) << c.name;
    }
}

TEST_F(SearchFixture, ListWithoutSixNumbersEndsWithTheSheetAsItWas)
{
    for (const char* name : {"CheckBox14", "CheckBox10"})
        set(name, 0);
    set("CheckBox15", 1);
    app.sheet().setCell(0, 0, "9");
    EXPECT_EQ(calculate(), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(app.sheet().cell(0, 0), "9");
    EXPECT_TRUE(app.sortieren);
    EXPECT_FALSE(app.calc.active);

    // no row to search: the locked ones stay, the others only get their dream numbers
    set("UpDown8", 2);
    lockRow(0, "1,2,3,4,5,6");
    lockRow(1, "7,8,9,10,11,12");
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(row(1), "7,8,9,10,11,12,-");
    EXPECT_EQ(app.calc.runs, 0);
}

namespace {

// The relaxations and the end of the pair forcing, seen by when a run first
// accepts: the number list holds only the candidate's six numbers, so every
// run draws it and only the rule under test can turn it down.
struct RelaxCase {
    const char* name;
    int lockedRows; // the first searched row; row 8 keeps some limits
    int budget;     // thousands
    const char* options;
    const char* candidate;
    int acceptedAt; // the run; 0 when the budget runs out first
};

struct RelaxFixture : SearchFixture {
    RelaxFixture()
    {
        // latest draw 21..26, second-latest 11..16, third-latest 1..6; the date window holds the last two
        draws({"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 11 12 13 14 15 16 D2", "13.11.2023 21 22 23 24 25 26 D3"});
        app.options().addListener([this](int index) { touched.push_back(index); });
    }
    std::vector<int> touched;

    void check(const RelaxCase& c)
    {
        SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(c.lockedRows) + " rows locked");
        app.options().resetToDefaults();
        for (const char* name : {"CheckBox3", "CheckBox24", "CheckBox27", "CheckBox8", "CheckBox18", "CheckBox4",
                                 "CheckBox5", "CheckBox23", "CheckBox25", "CheckBox26", "CheckBox28", "CheckBox34",
                                 "CheckBox9", "CheckBox22", "CheckBox35", "CheckBox33"})
            set(name, 0);
        set("UpDown1", 21);
        set("UpDown2", 279);
        set("CheckBox20", 1);
        set("UpDown7", c.budget);
        setAll(c.options);
        const Candidate numbers = tip(c.candidate);
        zahlenwahl.user = [numbers](NumberSelection& form) {
            for (int n = 1; n <= NumberSelection::kBoxes; ++n)
                form.setChecked(n, false);
            for (uint8_t n : numbers) {
                form.setChecked(n, true);
                form.setWeight(n, "1");
            }
            return ModalResult::Retry;
        };
        for (int r = 0; r < TipSheet::kRows; ++r) {
            app.sheet().setLocked(r, false);
            if (r < c.lockedRows)
                lockRow(r, std::to_string(r + 1) + ",11,19,27,33,40");
        }
        const std::vector<std::string> before = optionValues();
        const int budget = c.budget * 1000;
        // the rules change between the batches that the threads test
        for (int threads : {1, 2, 4}) {
            SCOPED_TRACE(std::to_string(threads) + " threads");
            touched.clear();
            EXPECT_EQ(calculate(threads), c.acceptedAt ? CalcOutcome::Finished : CalcOutcome::BudgetExhausted);
            // after the first acceptance the eased rules let every later row through at once
            EXPECT_EQ(app.calc.runs, c.acceptedAt ? c.acceptedAt + (TipSheet::kRows - 1 - c.lockedRows) : budget);
            EXPECT_EQ(app.calc.status, app.msg(c.acceptedAt ? Msg::CalcFinished : Msg::BudgetExhausted));
            for (int r = c.lockedRows; r < TipSheet::kRows; ++r)
                EXPECT_EQ(cells(r), c.acceptedAt ? std::string(c.candidate) : ",,,,,") << r;
            // the calculation eases its own rules, never the stored options
            EXPECT_TRUE(touched.empty());
            EXPECT_EQ(optionValues(), before);
        }
    }
};

} // namespace

TEST_F(RelaxFixture, BudgetRelaxationsFireAtTheirRunCounts)
{
    const RelaxCase cases[] = {
        {"nothing passes", 2, 21, "UpDown1=250", "30,32,34,36,38,40", 0},
        {"nothing passes", 7, 21, "UpDown1=250", "30,32,34,36,38,40", 0},
        {"pair forcing ends at half the budget", 2, 21, "CheckBox8=1", "30,32,34,36,38,40", 10500},
        {"whole window may match five from budget - 20000", 2, 21, "CheckBox28=1 CheckBox9=1 UpDown6=5 UpDown17=6",
         "11,12,13,14,15,30", 1000},
        {"whole window may match five from budget - 20000", 7, 21, "CheckBox28=1 CheckBox9=1 UpDown6=5 UpDown17=6",
         "11,12,13,14,15,30", 1000},
        {"second-latest limit 2 from budget - 10000", 2, 12, "CheckBox5=1 UpDown5=1", "11,12,30,32,34,36", 2000},
        {"second-latest limit 2 from budget - 10000", 7, 12, "CheckBox5=1 UpDown5=1", "11,12,30,32,34,36", 2000},
        {"second-latest limit 3 from budget - 5000", 2, 12, "CheckBox5=1 UpDown5=1", "11,12,13,30,32,34", 7000},
        // row 8 keeps its own limit for the second-latest draw
        {"second-latest limit 3 from budget - 5000", 7, 12, "CheckBox5=1 UpDown5=1", "11,12,13,30,32,34", 0},
        // the latest draw's limit drops to 1 before the pair forcing ends, and rises to 2 after it
        {"latest limit 1 from budget - 10000, 2 from budget - 5000", 2, 12, "CheckBox8=1 CheckBox4=1 UpDown4=2",
         "21,23,30,32,34,36", 7000},
        // row 8 keeps its own limit for the latest draw first
        {"latest limit 1 from budget - 10000, 2 from budget - 5000", 7, 12, "CheckBox8=1 CheckBox4=1 UpDown4=2",
         "21,23,30,32,34,36", 6000},
    };
    for (const RelaxCase& c : cases)
        check(c);
}

TEST_F(RelaxFixture, SmallBudgetDropsOnlyThePairForcing)
{
    const RelaxCase cases[] = {
        {"pair forcing ends at half the budget", 0, 1, "CheckBox8=1", "30,32,34,36,38,40", 500},
        {"whole window stays", 2, 1, "CheckBox28=1 CheckBox9=1 UpDown6=5 UpDown17=6", "11,12,13,14,15,30", 0},
        {"second-latest limit stays", 2, 1, "CheckBox5=1 UpDown5=1", "11,12,30,32,34,36", 0},
        {"latest limit stays", 2, 1, "CheckBox4=1 UpDown4=1", "21,23,30,32,34,36", 0},
    };
    for (const RelaxCase& c : cases)
        check(c);
}

// Candidates are tested in batches on several threads; the first accepted
// one in drawing order wins, so the thread count never shows in the result.
TEST_F(SearchFixture, ThreadCountDoesNotChangeTheResult)
{
    struct ThreadCase {
        int seed;
        const char* options;
        int lockedRows;
    };
    const ThreadCase cases[] = {
        {11, "", 0},
        {12, "CheckBox22=1 UpDown10=4", 0}, // hundreds of runs per row
        {13, "CheckBox22=1 UpDown10=4 CheckBox27=1 UpDown3=1", 3},
        {14, "CheckBox8=1 CheckBox22=1 UpDown10=5 UpDown7=2", 0},            // pair forcing ends at run 1,000
        {15, "CheckBox22=1 UpDown10=6 UpDown7=21", 2},                       // through every relaxation, no tip
        {16, "CheckBox22=1 UpDown10=5 CheckBox4=1 UpDown4=1 UpDown7=21", 1}, // tips found around the relaxations
        {17, "CheckBox34=1 UpDown20=2 UpDown21=12 CheckBox35=1 RadioGroup1=2", 0},
        {18, "CheckBox28=0 CheckBox22=1 UpDown10=5 UpDown8=9", 4},
    };
    for (const ThreadCase& c : cases) {
        SCOPED_TRACE(std::string("seed ") + std::to_string(c.seed) + ": " + c.options);
        app.options().resetToDefaults();
        setAll(c.options);
        std::vector<std::string> first;
        for (int threads : {1, 2, 4}) {
            for (int r = 0; r < TipSheet::kRows; ++r) {
                app.sheet().setLocked(r, false);
                if (r < c.lockedRows)
                    lockRow(r, std::to_string(2 * r + 1) + ",12,19,27,33,40");
            }
            app.random().setSeed(static_cast<uint64_t>(c.seed));
            const CalcOutcome outcome = calculate(threads);
            std::vector<std::string> result{std::to_string(static_cast<int>(outcome)), std::to_string(app.calc.runs),
                                            app.calc.status, std::to_string(app.random().next()),
                                            std::to_string(app.chart().bars.size())};
            for (int r = 0; r < TipSheet::kRows; ++r)
                result.push_back(row(r));
            if (threads == 1)
                first = result;
            else
                EXPECT_EQ(result, first) << threads << " threads";
        }
    }
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
        set(Opt::RadioGroup1, item);
        calculate();
        for (int r = 0; r < 14; ++r)
            EXPECT_EQ(app.sheet().dream(r), dream) << item << " row " << r;
        EXPECT_EQ(app.chart().bars.size(), 5u) << item; // the dream chart it read
    }
    set(Opt::RadioGroup1, 0);
    calculate();
    std::set<std::string> dreams;
    for (int r = 0; r < 14; ++r)
        dreams.insert(app.sheet().dream(r));
    EXPECT_GT(dreams.size(), 1u);
    set(Opt::CheckBox33, 0);
    calculate();
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(app.sheet().dream(r), "-");
}

TEST_F(SearchFixture, StopStopsAfterTheCandidateInHand)
{
    for (const char* name : {"CheckBox3", "CheckBox18", "CheckBox28", "CheckBox5", "CheckBox23"})
        set(name, 0);
    set("UpDown1", 21); // the first candidate passes
    int presses = 0;
    progress.onReport = [&](int k, int, const std::string&) {
        if (k > 0 && presses++ == 0) {
            EXPECT_TRUE(app.calc.active);
            cancel = true;
        }
    };
    EXPECT_EQ(calculate(), CalcOutcome::Stopped);
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(isTip(row(0)));
    for (int r = 1; r < 14; ++r)
        EXPECT_EQ(row(r).substr(0, 6), ",,,,,,") << r;
    EXPECT_EQ(app.calc.runs, 1);
    EXPECT_EQ(app.calc.status, app.msg(Msg::CalcFinished));
    EXPECT_FALSE(app.calc.active);
}

// The calculation keeps the draws it started with: a file removed while it
// runs neither ends it nor changes its tips.
TEST_F(SearchFixture, DrawFileChangedDuringTheRunIsNotReadAgain)
{
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    std::vector<std::string> untouched;
    for (int r = 0; r < 14; ++r)
        untouched.push_back(row(r));

    app.random().setSeed(11);
    progress.onReport = [&](int, int, const std::string&) { std::filesystem::remove(app.drawFilePath()); };
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    EXPECT_TRUE(dialogs.errors.empty());
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(row(r), untouched[r]) << r;
    EXPECT_FALSE(app.calc.active);
    EXPECT_TRUE(app.sortieren);
    EXPECT_EQ(app.options().integer(Opt::UpDown6), 5);
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
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    EXPECT_EQ(countEntries(app.calc.numberList), shown);
    EXPECT_TRUE(isTip(row(13)));

    // Retry without a change: one entry more for each listed number, entry 0 empty
    zahlenwahl.user = [](NumberSelection&) { return ModalResult::Retry; };
    EXPECT_EQ(calculate(), CalcOutcome::Finished);
    const auto rebuilt = countEntries(app.calc.numberList);
    EXPECT_EQ(app.calc.numberList.front(), 0);
    for (int n = 1; n <= 42; ++n)
        EXPECT_EQ(rebuilt[n], shown[n] ? shown[n] + 1 : 0) << n;

    zahlenwahl.user = [](NumberSelection& form) {
        form.setWeight(7, "viele");
        return ModalResult::Retry;
    };
    setRow(app.sheet(), 0, "1,2,3,4,5,6,3");
    EXPECT_EQ(calculate(), CalcOutcome::Failed);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("viele"), std::string::npos);
    EXPECT_EQ(row(0), "1,2,3,4,5,6,3"); // nothing half done

    lockRow(2, "3,11,19,27,33,40");
    zahlenwahl.user = [](NumberSelection&) { return ModalResult::Abort; };
    EXPECT_EQ(calculate(), CalcOutcome::Aborted);
    EXPECT_EQ(row(0), ",,,,,,-"); // cleared before the list was shown
    EXPECT_EQ(row(2), "3,11,19,27,33,40,-");
    EXPECT_TRUE(app.sortieren);
    EXPECT_FALSE(app.calc.active);
    EXPECT_EQ(feedback.busyDepth, 0);
}
