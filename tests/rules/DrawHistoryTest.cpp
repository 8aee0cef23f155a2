#include "rules/DrawHistory.h"

#include "fakes/DrawText.h"
#include "ground/Formats.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

std::vector<std::string> asText(const std::vector<Draw>& draws)
{
    std::vector<std::string> v;
    for (const Draw& d : draws) {
        std::string t = formatDate(toDay(d.datum));
        for (int i = 0; i < 6; ++i)
            t += " " + std::to_string(d.zahlen[i]);
        v.push_back(t + " D" + std::to_string(d.zahlen[7]));
    }
    return v;
}

const std::vector<std::string> kHistory = {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2",
                                           "16.11.2023 13 14 15 16 17 18 D3"};

} // namespace

TEST(DrawEntry, ReplacesItsDateOrMergesInDateOrder)
{
    const struct {
        const char* name;
        const char* entered;
        std::vector<std::string> after;
    } cases[] = {
        {"correct a draw in place",
         "09.11.2023 20 21 22 23 24 25 D4",
         {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 20 21 22 23 24 25 D4", "16.11.2023 13 14 15 16 17 18 D3"}},
        {"a date between two draws",
         "13.11.2023 20 21 22 23 24 25 D4",
         {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2", "13.11.2023 20 21 22 23 24 25 D4",
          "16.11.2023 13 14 15 16 17 18 D3"}},
        {"after the last draw",
         "20.11.2023 20 21 22 23 24 25 D4",
         {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2", "16.11.2023 13 14 15 16 17 18 D3",
          "20.11.2023 20 21 22 23 24 25 D4"}},
        {"before the first draw",
         "02.11.2023 20 21 22 23 24 25 D4",
         {"02.11.2023 20 21 22 23 24 25 D4", "06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2",
          "16.11.2023 13 14 15 16 17 18 D3"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(asText(withDrawEntered(drawsFromText(kHistory), drawFromText(c.entered))), c.after) << c.name;
    EXPECT_EQ(asText(withDrawEntered({}, drawFromText("09.11.2023 1 2 3 4 5 6 D1"))),
              std::vector<std::string>{"09.11.2023 1 2 3 4 5 6 D1"});
    // a date stored twice becomes one record
    EXPECT_EQ(asText(withDrawEntered(drawsFromText({"09.11.2023 1 2 3 4 5 6 D1", "09.11.2023 7 8 9 10 11 12 D2"}),
                                     drawFromText("09.11.2023 20 21 22 23 24 25 D4"))),
              std::vector<std::string>{"09.11.2023 20 21 22 23 24 25 D4"});
}

TEST(DrawEntry, SortsTheNumbersOnly)
{
    EXPECT_EQ(withSortedNumbers(drawFromText("09.11.2023 33 3 25 11 40 17 Z7 D2 R4 T123456")),
              drawFromText("09.11.2023 3 11 17 25 33 40 Z7 D2 R4 T123456"));
}

TEST(DrawDeletion, RemovesEveryRecordOfTheDay)
{
    auto draws = drawsFromText(kHistory);
    draws.insert(draws.begin() + 2, drawFromText("09.11.2023 20 21 22 23 24 25 D4"));
    EXPECT_EQ(asText(withoutDay(draws, *parseDate("09.11.2023"))),
              (std::vector<std::string>{"06.11.2023 1 2 3 4 5 6 D1", "16.11.2023 13 14 15 16 17 18 D3"}));
    EXPECT_EQ(withoutDay(draws, *parseDate("10.11.2023")).size(), draws.size());
}

TEST(CalendarCheck, FindsHolesTwinsDisorderAndOtherWeekdays)
{
    using K = CalendarFinding::Kind;
    auto at = [](K k, const char* d) { return CalendarFinding{k, *parseDate(d)}; };
    EXPECT_TRUE(checkCalendar({}).empty());
    EXPECT_TRUE(checkCalendar(randomDraws(300, 2)).empty());
    EXPECT_EQ(checkCalendar(drawsFromText(kHistory)), std::vector<CalendarFinding>{at(K::Missing, "13.11.2023")});
    const auto findings = checkCalendar(drawsFromText({
        "06.11.2023 1 2 3 4 5 6 D1",
        "16.11.2023 1 2 3 4 5 6 D1",
        "09.11.2023 1 2 3 4 5 6 D1", // out of order
        "09.11.2023 1 2 3 4 5 6 D1", // twice
        "22.11.2023 1 2 3 4 5 6 D1", // a Wednesday
        "30.11.2023 1 2 3 4 5 6 D1",
    }));
    EXPECT_EQ(findings, (std::vector<CalendarFinding>{at(K::Missing, "13.11.2023"), at(K::Missing, "20.11.2023"),
                                                      at(K::Missing, "23.11.2023"), at(K::Missing, "27.11.2023"),
                                                      at(K::Twice, "09.11.2023"), at(K::Order, "09.11.2023"),
                                                      at(K::Weekday, "22.11.2023")}));
    // a single draw on a Wednesday leaves nothing missing around it
    EXPECT_EQ(checkCalendar(drawsFromText({"08.11.2023 1 2 3 4 5 6 D1"})),
              std::vector<CalendarFinding>{at(K::Weekday, "08.11.2023")});
}
