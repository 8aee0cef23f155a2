#include "rules/CandidateTest.h"

#include "CalcFixture.h"
#include "ground/Error.h"
#include "rules/DrawLines.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace zf;
using namespace zf::test;

namespace {

struct CandidateFixture : CalcFixture {
    std::array<DrawNumbers, 3> reference{};

    // every condition off, so a table row switches on only what it tests
    void neutral()
    {
        for (const char* name : {"CheckBox3", "CheckBox24", "CheckBox27", "CheckBox8", "CheckBox18", "CheckBox4",
                                 "CheckBox5", "CheckBox23", "CheckBox25", "CheckBox26", "CheckBox28", "CheckBox34",
                                 "CheckBox9", "CheckBox22", "CheckBox35"})
            set(name, 0);
        set("UpDown1", 21);
        set("UpDown2", 279);
    }
    // The rules as a calculation starting now would take them.
    CandidateRules rules() const { return CandidateRules::from(app.options(), app.endDay); }
    // The draw file as a calculation starting now would see it; none without a file.
    DrawSnapshot snapshot()
    {
        if (!app.drawFile().exists())
            return std::make_shared<const std::vector<Draw>>();
        return app.drawSnapshot();
    }
    CandidateTest fresh(const CandidateRules& r) { return CandidateTest(r, snapshot(), reference); }
    CandidateTest fresh() { return fresh(rules()); }

    bool accepts(CandidateTest& test, const std::string& candidate)
    {
        const Candidate t = tip(candidate);
        return test.test(t, sum(t));
    }
    bool accepts(const std::string& candidate)
    {
        CandidateTest test = fresh();
        return accepts(test, candidate);
    }
    // The history tests alone: the recent-draws test, and the whole window only when asked.
    bool recentNone(const Candidate& t, int matches, int draws)
    {
        CandidateRules r = rules();
        r.historyOn = true;
        r.recentMatches = matches;
        r.recentDraws = draws;
        CandidateTest test = fresh(r);
        return test.test(t, sum(t));
    }
    bool windowNone(const Candidate& t)
    {
        CandidateRules r = rules();
        r.historyOn = true;
        r.recentDraws = 0; // an empty recent window lets the whole window decide alone
        r.wholeWindowOn = true;
        CandidateTest test = fresh(r);
        return test.test(t, sum(t));
    }
};

DrawNumbers ref(const std::string& text)
{
    return numbersOf(drawFromText("01.01.2025 " + text));
}

struct Case {
    const char* options;
    const char* candidate;
    bool accepted;
};

} // namespace

TEST_F(CandidateFixture, ArithmeticConditionsInTheirOrder)
{
    const Case cases[] = {
        // overlap with the accepted rows 1..6 and 7..12
        {"CheckBox3=1 UpDown3=2", "1,3,5,7,9,11", false},    // 3 with each row
        {"CheckBox3=1 UpDown3=2", "1,3,5,20,25,30", true},   // 3 and 0: not every row above the maximum
        {"CheckBox27=1 UpDown3=2", "1,3,5,20,25,30", false}, // each row must lie within, box 3 or not
        {"CheckBox27=1 UpDown3=3", "1,3,5,20,25,30", true},
        {"CheckBox24=1 UpDown9=1", "20,21,23,25,27,30", false},
        {"CheckBox24=1 UpDown9=1", "1,21,23,25,27,30", true},
        {"CheckBox8=1", "3,4,10,20,30,40", true},
        {"CheckBox8=1", "3,5,10,20,30,40", false},
        {"CheckBox18=1", "3,4,5,20,30,40", false},
        {"CheckBox18=1", "3,4,6,7,30,40", true},
        {"UpDown1=50", "1,2,3,4,5,6", false},
        {"UpDown1=50", "1,2,3,4,10,30", true},       // sum 50 is inside
        {"UpDown2=205", "30,31,33,35,37,40", false}, // 206
        // latest draw 2 9 14 22 31 38 with spare 15, second 1 2 3 4 5 6, third 35 36 37 38 39 40
        {"CheckBox4=1 UpDown4=1", "2,9,15,23,30,39", false},
        {"CheckBox4=1 UpDown4=1", "2,10,15,23,30,39", true},
        {"CheckBox4=1 UpDown4=1 CheckBox35=1", "2,10,15,23,30,39", false}, // the spare slot counts too
        {"CheckBox4=1 UpDown4=0", "2,9,14,22,31,38", true},                // a limit of 0 works through the list
        {"CheckBox5=1 UpDown5=1", "1,2,20,23,30,33", false},
        {"CheckBox5=1 UpDown5=2", "1,2,20,23,30,33", true},
        {"CheckBox23=1 UpDown11=2", "1,20,37,38,39,40", false},
        {"CheckBox23=1 UpDown11=2", "1,20,30,33,39,40", true},
        {"CheckBox25=1 UpDown15=3", "2,4,5,7,9,11", false},
        {"CheckBox25=1 UpDown15=3", "2,4,6,7,9,11", true},
        {"CheckBox26=1 UpDown16=3", "1,3,4,6,8,10", false},
        {"CheckBox26=1 UpDown16=3", "1,3,5,6,8,10", true},
        {"CheckBox22=1 UpDown10=2", "1,4,6,8,9,10", true}, // primes only with the history tests
    };
    reference = {ref("2 9 14 22 31 38 Z15 D3"), ref("1 2 3 4 5 6 D1"), ref("35 36 37 38 39 40 D2")};
    for (const Case& c : cases) {
        neutral();
        setAll(c.options);
        CandidateTest test = fresh();
        test.addAccepted(tip("1,2,3,4,5,6"));
        test.addAccepted(tip("7,8,9,10,11,12"));
        EXPECT_EQ(accepts(test, c.candidate), c.accepted) << c.options << " / " << c.candidate;
    }
}

TEST_F(CandidateFixture, PrimesAndHistoryOnlyWithCheckBox28)
{
    neutral();
    setAll("CheckBox22=1 UpDown10=2 CheckBox9=1 UpDown6=4");
    // no draw file at all: without CheckBox28 no history test runs
    CandidateTest without = fresh();
    EXPECT_TRUE(accepts(without, "1,4,6,8,9,10"));
    EXPECT_FALSE(without.takeHistoryTested());
    draws({"03.11.2025 10 11 12 13 14 15 D2"});
    set("CheckBox28", 1);
    app.setEndDay(*parseDate("04.12.2025"));
    CandidateTest with = fresh();
    EXPECT_FALSE(accepts(with, "1,4,6,8,9,10")); // no prime
    EXPECT_TRUE(with.takeHistoryTested());       // the calculation clears the chart after it
    EXPECT_FALSE(with.takeHistoryTested());
    EXPECT_TRUE(accepts(with, "2,3,6,8,9,10"));
    EXPECT_FALSE(accepts(with, "2,3,10,11,12,13")); // four of the draw
}

TEST_F(CandidateFixture, RecentDrawsWindowEndsOnThePickerDate)
{
    neutral();
    draws({"30.10.2025 1 2 3 4 5 6 D1", "03.11.2025 10 11 12 13 14 15 D2", "04.12.2025 20 21 22 23 24 25 D3",
           "08.12.2025 30 31 32 33 34 35 D4"});
    app.setEndDay(*parseDate("04.12.2025"));               // a Thursday; 10 draws look back 35 days
    EXPECT_TRUE(recentNone(tip("1,2,3,26,27,28"), 3, 10)); // exactly 35 days before
    EXPECT_FALSE(recentNone(tip("10,11,12,26,27,28"), 3, 10));
    EXPECT_FALSE(recentNone(tip("20,21,22,36,37,38"), 3, 10)); // the Thursday itself
    EXPECT_TRUE(recentNone(tip("30,31,32,36,37,38"), 3, 10));  // after the picker
    EXPECT_TRUE(recentNone(tip("10,11,26,27,28,29"), 3, 10));
    EXPECT_TRUE(recentNone(tip("10,11,12,26,27,28"), 3, 8)); // 28 days: 03.11. is out
    EXPECT_FALSE(recentNone(tip("1,2,3,26,27,28"), 3, 11));  // 38.5 days
    set("CheckBox17", 0);                                    // Monday draws do not count
    EXPECT_TRUE(recentNone(tip("10,11,12,26,27,28"), 3, 10));
    set("CheckBox17", 1);

    // the same through the options, and the second window with its own pair
    setAll("CheckBox28=1 UpDown17=3 UpDown18=10");
    EXPECT_FALSE(accepts("10,11,12,26,27,28"));
    setAll("UpDown17=4 CheckBox34=1 UpDown20=3 UpDown21=10");
    EXPECT_FALSE(accepts("10,11,12,26,27,28"));
    setAll("UpDown21=8");
    EXPECT_TRUE(accepts("10,11,12,26,27,28"));
}

TEST_F(CandidateFixture, WholeWindowOpenAtItsStartAndWithTheSpareSlot)
{
    neutral();
    draws({"30.10.2025 1 2 3 4 5 6 D1", "03.11.2025 10 11 12 13 14 15 Z16 D2"});
    app.setEndDay(*parseDate("04.12.2025"));
    app.options().setDate(Opt::DateTimePicker2, *parseDate("30.10.2025"));
    set("UpDown6", 6);
    EXPECT_TRUE(windowNone(tip("1,2,3,4,5,6"))); // the start is outside
    EXPECT_FALSE(windowNone(tip("10,11,12,13,14,15")));
    EXPECT_TRUE(windowNone(tip("10,11,12,13,14,16")));
    set("CheckBox35", 1);
    EXPECT_FALSE(windowNone(tip("10,11,12,13,14,16"))); // five and the spare slot
    // through the options: 4 draws look back 14 days, so only the whole window sees 03.11.
    setAll("CheckBox28=1 CheckBox9=1 UpDown17=6 UpDown18=4");
    EXPECT_FALSE(accepts("10,11,12,13,14,16"));
    set("CheckBox9", 0);
    EXPECT_TRUE(accepts("10,11,12,13,14,16"));
}

// The masks must give exactly what counting each draw as the tip check does
// gives, also for draws with a number twice or a spare number.
TEST_F(CandidateFixture, HistoryTestsCountLikeAScanOfTheFile)
{
    neutral();
    std::vector<Draw> all;
    Random rng(7);
    int day = kFirstDrawDay;
    for (int i = 0; i < 300; ++i, day += isMonday(day) ? 3 : 4) {
        Draw d;
        d.datum = day;
        for (int k = 0; k < 6; ++k)
            d.zahlen[k] = static_cast<uint8_t>(1 + rng.below(12)); // small range: many matches and repeats
        d.zahlen[6] = static_cast<uint8_t>(i % 3 == 0 ? 1 + rng.below(12) : 0);
        d.zahlen[7] = 1;
        all.push_back(d);
    }
    DrawFile(app.drawFilePath()).rewrite(all, "t.tmp");
    app.setEndDay(day - 100);
    app.options().setDate(Opt::DateTimePicker2, kFirstDrawDay + 200);
    // a record with a number twice is damaged and counts for nothing
    const std::vector<Draw> usable = usableDraws(all);
    ASSERT_GT(usable.size(), 10u);
    auto naive = [&](const Candidate& t, double start, int threshold, bool zusatz) {
        for (const Draw& d : usable) {
            if (!(start < d.datum && d.datum <= app.endDay))
                continue;
            int g = 0;
            for (int i = 0; i < 6; ++i)
                for (uint8_t v : t)
                    g += v == d.zahlen[i];
            bool spare = false;
            for (uint8_t v : t)
                spare = spare || v == d.zahlen[6];
            if (g + (spare && zusatz) >= threshold)
                return false;
        }
        return true;
    };
    for (int round = 0; round < 400; ++round) {
        Candidate t{};
        for (int p = 0; p < 6;) {
            const auto v = static_cast<uint8_t>(1 + rng.below(16));
            if (std::find(t.begin(), t.begin() + p, v) == t.begin() + p)
                t[p++] = v;
        }
        std::sort(t.begin(), t.end());
        const bool zusatz = round % 2;
        set("CheckBox35", zusatz);
        const int threshold = 2 + round % 5;
        const int ziehzahl = 4 + round % 60;
        EXPECT_EQ(recentNone(t, threshold, ziehzahl), naive(t, app.endDay - ziehzahl * 3.5, threshold, zusatz));
        set("UpDown6", 4 + round % 3);
        EXPECT_EQ(windowNone(t), naive(t, app.windowStart(), 4 + round % 3, zusatz));
    }
}

// Each calculation sees the draw file as it stood when it started; a later
// change reaches the next one, whoever wrote it.
TEST_F(CandidateFixture, FileChangesReachTheNextSnapshotOnly)
{
    neutral();
    app.setEndDay(*parseDate("04.12.2025"));
    set("UpDown6", 6);
    writeDrawFile(dir.file("other.dat"), {"03.11.2025 7 8 9 10 11 12 D2"});
    draws({"03.11.2025 10 11 12 13 14 15 D2"});
    const Candidate t = tip("1,2,3,4,5,6");
    CandidateRules r = rules();
    r.historyOn = true;
    r.recentDraws = 0;
    r.wholeWindowOn = true;
    EXPECT_TRUE(fresh(r).test(t, sum(t)));
    CandidateTest running = fresh(r);

    draws({"03.11.2025 1 2 3 4 5 6 D2"}); // written by the program
    EXPECT_FALSE(fresh(r).test(t, sum(t)));
    EXPECT_TRUE(running.test(t, sum(t))); // a running calculation keeps its draws

    // written by someone else: same size, other time
    const std::string path = app.drawFilePath();
    const auto stamp = std::filesystem::last_write_time(path);
    std::filesystem::copy_file(dir.file("other.dat"), path, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::last_write_time(path, stamp + std::chrono::seconds(5));
    EXPECT_TRUE(fresh(r).test(t, sum(t)));
    EXPECT_FALSE(fresh(r).test(tip("7,8,9,10,11,12"), 57));

    std::filesystem::remove(path);
    EXPECT_TRUE(app.drawSnapshot()->empty()); // an absent file is an empty history
    std::filesystem::create_directory(path);
    EXPECT_THROW(app.drawSnapshot(), IoError);
}
