#include "rules/NumberList.h"

#include "CalcFixture.h"
#include "rules/DrawLines.h"
#include "session/Calculation.h"

#include <map>

using namespace zf;
using namespace zf::test;

namespace {

ChartData bars(const std::vector<double>& values)
{
    ChartData c;
    for (size_t i = 0; i < values.size(); ++i)
        c.bars.push_back({static_cast<double>(i + 1), values[i]});
    auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    c.axisMin = *lo;
    c.axisMax = *hi;
    return c;
}

std::string text(const NumberList& list)
{
    std::string t;
    for (uint8_t e : list)
        t += (t.empty() ? "" : " ") + std::to_string(e);
    return t;
}

struct ListFixture : CalcFixture {
    ListFixture()
    {
        // no preference, no removal: each case switches on what it shows
        for (const char* name : {"CheckBox14", "CheckBox10", "CheckBox4", "CheckBox5", "CheckBox23"})
            set(name, 0);
    }
    // The charts over the date window, as the calculation draws them, and every status line.
    ChartData shown;
    std::vector<ChartKind> charts;
    std::vector<std::string> status;
    NumberList build(const std::string& latest = "1 7 8 20 39 40 D5")
    {
        ReferenceDraws ref;
        ref.r1 = ref.r2 = ref.r3 = numbersOf(drawFromText("01.01.2025 " + latest));
        const ListSources sources{[this](ChartKind kind) -> const ChartData& {
                                      charts.push_back(kind);
                                      shown = computeChart(kind, *app.drawSnapshot(), app.windowStart(), app.endDay,
                                                           app.weekdayFilter(), app.messages())
                                                  .chart;
                                      return shown;
                                  },
                                  [this](const std::string& text) { status.push_back(text); }};
        return buildNumberList(app.options(), app.messages(), ref, sources);
    }
};

} // namespace

TEST(NumberBands, RoundHalvesToEven)
{
    EXPECT_EQ(roundEven(2.5), 2);
    EXPECT_EQ(roundEven(3.5), 4);
    EXPECT_EQ(roundEven(-0.5), 0);
    EXPECT_EQ(roundEven(8.9999999), 9);
}

TEST(NumberBands, GroupsAndNumbersInsideTheirBands)
{
    // pairs: largest 12, smallest 2 -> frequent 9 < v <= 12, rarest 0 < v <= 5
    const ChartData pairs = bars({12, 2, 9, 10, 0, 5, 6});
    NumberList list;
    appendGroups(list, pairs, {roundEven(12 - 0.3 * 10), roundEven(12), false}, 2);
    EXPECT_EQ(text(list), "1 2 4 5");
    list.clear();
    appendGroups(list, pairs, {0, roundEven(2 + 0.3 * 10), false}, 2);
    EXPECT_EQ(text(list), "2 3 6 7"); // the last bar starts no pair
    // numbers with M = 50, m = 30, x = 30: 44 <= v <= 50 twice, 47 <= v <= 50 once more
    const ChartData numbers = bars({50, 44, 43, 47, 30});
    list.clear();
    appendNumbers(list, numbers, {roundEven(50 - 0.3 * 20), 50, true}, 2);
    appendNumbers(list, numbers, {roundEven(50 - 0.15 * 20), 50, true}, 1);
    EXPECT_EQ(text(list), "1 1 2 2 4 4 1 4");
}

TEST(NumberBands, DroppingMovesTheLastEntriesForward)
{
    NumberList list{0, 5, 0, 7, 8, 0, 9, 0};
    dropEmptyEntries(list);
    EXPECT_EQ(text(list), "9 5 8 7");
    NumberList empty{0, 0};
    dropEmptyEntries(empty);
    EXPECT_TRUE(empty.empty());
}

TEST_F(ListFixture, UniformBaseAndItsRemovals)
{
    draws({"09.11.2023 3 11 17 25 33 40 D2"});
    NumberList list = build();
    EXPECT_EQ(list.size(), 41u);
    EXPECT_EQ(text(NumberList(list.begin(), list.begin() + 3)), "1 1 2"); // the closing 1 filled entry 0
    EXPECT_EQ(countEntries(list)[1], 2);

    set("CheckBox4", 1); // limit 0: the latest draw's six numbers go, its dream number stays
    list = build("2 9 14 22 31 38 D5");
    for (int n : {2, 9, 14, 22, 31, 38})
        EXPECT_EQ(countEntries(list)[n], 0) << n;
    EXPECT_EQ(countEntries(list)[5], 1);
    set("CheckBox4", 0);

    set("CheckBox29", 1);
    list = build();
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(countEntries(list)[n], 0) << n;
    set("CheckBox29", 0);

    set("CheckBox15", 1);
    EXPECT_TRUE(build().empty());
}

TEST_F(ListFixture, NeighboursOfTheLatestDraw)
{
    draws({"09.11.2023 3 11 17 25 33 40 D2"});
    set("CheckBox19", 1);
    set("CheckBox15", 1);
    const auto count = countEntries(build("1 7 8 20 39 40 D5"));
    // 2, 6, 8, 7, 9, 19, 21, 38, 40, 39, 1 (from the spare slot), 4, 6
    const std::map<int, int> expected{{1, 4}, {2, 4},  {4, 4},  {6, 8},  {7, 4},  {8, 4},
                                      {9, 4}, {19, 4}, {21, 4}, {38, 4}, {39, 4}, {40, 4}};
    for (int n = 0; n <= 42; ++n)
        EXPECT_EQ(count[n], expected.count(n) ? expected.at(n) : 0) << n;

    set("CheckBox15", 0);
    set("CheckBox30", 1); // one entry less of each of 1..31: 17 three times keeps two
    const auto fewer = countEntries(build("16 18 20 22 24 26 D1"));
    EXPECT_EQ(fewer[17], 8 + 1 - 1);
    EXPECT_EQ(fewer[31], 0);
    EXPECT_EQ(fewer[32], 1);
}

TEST_F(ListFixture, PreferencesReadTheCharts)
{
    // 5 6 7 8 in two draws: frequent pairs start at 5, 6 and 7
    draws({"09.11.2023 5 6 7 8 20 33 D1", "13.11.2023 5 6 7 8 21 34 D2", "16.11.2023 1 3 11 22 30 38 D3"});
    app.setEndDay(*parseDate("16.11.2023"));
    set("CheckBox1", 1);
    set("CheckBox15", 1);
    EXPECT_EQ(text(build()), "5 6 6 7 7 8");
    EXPECT_EQ(status.back(), "Min: 1  Max: 2  6");
    EXPECT_EQ(charts, std::vector<ChartKind>{ChartKind::Pairs});

    // the band lines of the rarest quads and of the first overdue pass have one blank less;
    // waiting counts 1 to 4 with x = 30: 3 <= v first, 4 <= v second
    set("CheckBox1", 0);
    set("CheckBox13", 1);
    set("CheckBox10", 1);
    status.clear();
    charts.clear();
    build();
    ASSERT_EQ(status.size(), 5u);
    EXPECT_EQ(status[0], app.msg(Msg::EvaluatingStatistics) + " " + app.msg(Msg::FrequentQuads));
    EXPECT_EQ(status[1].rfind("Min: 0 Max: ", 0), 0u) << status[1];
    EXPECT_EQ(status[2], app.msg(Msg::EvaluatingStatistics) + " " + app.msg(Msg::OverdueNumbers));
    EXPECT_EQ(status[3].rfind("Min: 3 Max: 4  ", 0), 0u) << status[3];
    EXPECT_EQ(status[4].rfind("Min: 4  Max: 4  ", 0), 0u) << status[4];
    EXPECT_EQ(charts, (std::vector<ChartKind>{ChartKind::Quads, ChartKind::Overdue}));
    set("CheckBox13", 0);
    set("CheckBox10", 0);

    set("CheckBox2", 1); // number distribution: the four numbers drawn twice
    set("UpDown12", 10);
    const auto count = countEntries(build());
    for (int n : {5, 6, 7, 8})
        EXPECT_EQ(count[n], 3) << n;
    EXPECT_EQ(count[20], 0);
}

TEST_F(ListFixture, ReferenceDrawsStepBackFromThePickerDate)
{
    const std::vector<std::string> lines = {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2",
                                            "13.11.2023 13 14 15 16 17 18 D3", "16.11.2023 19 20 21 22 23 24 D4"};
    const std::vector<Draw> all = drawsFromText(lines);
    struct Case {
        const char* day;
        bool thursdays;
        int r1, r2, r3;
    };
    const Case cases[] = {
        {"12.11.2023", true, 13, 7, 1},
        {"09.11.2023", true, 7, 1, 1}, // fewer draws before: the first repeats
        {"13.11.2023", false, 13, 1, 1},
        {"20.11.2023", true, 19, 13, 7}, // after the last draw: the last
    };
    for (const Case& c : cases) {
        const ReferenceDraws ref = referenceDraws(all, *parseDate(c.day), WeekdayFilter{c.thursdays, true});
        EXPECT_EQ(ref.r1[1], c.r1) << c.day;
        EXPECT_EQ(ref.r2[1], c.r2) << c.day;
        EXPECT_EQ(ref.r3[1], c.r3) << c.day;
    }
    EXPECT_EQ(referenceDraws({}, *parseDate("12.11.2023"), {}).r1, DrawNumbers{});

    // the calculation makes the chosen date's draw current and looks back from there
    draws(lines);
    app.setEndDay(*parseDate("12.11.2023"));
    const auto input = prepareCalculation(app);
    ASSERT_TRUE(input);
    EXPECT_EQ(app.current.zahl[1], 13);
    EXPECT_EQ(app.endDay, *parseDate("13.11.2023"));
    EXPECT_EQ(input->endDay, *parseDate("13.11.2023"));
}
