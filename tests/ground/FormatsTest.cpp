#include "ground/Formats.h"
#include "ground/Error.h"
#include "ground/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace zf;

TEST(Formats, DayCountsMatchTheFileEpoch)
{
    EXPECT_EQ(dayFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(dayFromCivil(2023, 11, 6), kFirstDrawDay);
    EXPECT_EQ(formatDate(kFirstDrawDay), "06.11.2023");
    EXPECT_EQ(formatShortDate(kFirstDrawDay + 3), "09.11.23");
    EXPECT_TRUE(isMonday(kFirstDrawDay));
    EXPECT_TRUE(isThursday(kFirstDrawDay + 3));
    EXPECT_EQ(weekday(0), 5); // Saturday
    for (int day : {0, 1, 59, 60, 61, 36525, 45236, 50000, 73050})
        EXPECT_EQ(*parseDate(formatDate(day)), day) << day;
}

TEST(Formats, DamagedStoredDatesStayWithinTheCalendar)
{
    EXPECT_EQ(toDay(45239.0), 45239);
    for (double bad : {std::nan(""), 1e300, -1e300, HUGE_VAL, -HUGE_VAL}) {
        const int day = toDay(bad);
        EXPECT_GE(day, dayFromCivil(1, 1, 1));
        EXPECT_LE(day, dayFromCivil(9999, 12, 31));
        EXPECT_EQ(formatDate(day).size(), 10u);
    }
}

TEST(Formats, ParseDateRejectsNonsense)
{
    for (const char* bad : {"", "1.2.", "31.02.2024", "00.01.2024", "1.13.2024", "a.b.c", "1.1.2024x", "1..2024"})
        EXPECT_FALSE(parseDate(bad).has_value()) << bad;
    EXPECT_EQ(*parseDate("9.11.23"), kFirstDrawDay + 3);
}

TEST(Formats, IntegerConversionFollowsTheRuntime)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"07", 7},
                 {"40", 40},
                 {"-3", -3},
                 {" 12", 12},
                 {"+5", 5},
                 {"", {}},
                 {"x", {}},
                 {"12 ", {}},
                 {"1,5", {}},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"2147483648", {}},
                 {"-", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(tryToInt(c.text), c.value) << c.text;
    EXPECT_THROW(toInt("abc"), ConvertError);
}

TEST(Formats, DecimalCommaAndCurrency)
{
    EXPECT_DOUBLE_EQ(*tryToFloat("0,50"), 0.5);
    EXPECT_DOUBLE_EQ(*tryToFloat("1.234,5"), 1234.5);
    EXPECT_FALSE(tryToFloat("abc").has_value());
    EXPECT_EQ(formatFloat(3.5, 1), "3,5");
    EXPECT_EQ(formatCurrency(1234.5, "€"), "1.234,50 €");
}

TEST(Random, SameSeedSameSequenceAndUnbiasedRange)
{
    Random a(12345), b(12345);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.below(40), b.below(40));
    // fixed first outputs guard the algorithm against accidental change
    Random c(1);
    EXPECT_EQ(c.next(), 1412771199u);
    EXPECT_EQ(c.next(), 1791099446u);
    Random e(42);
    for (uint32_t expected : {30u, 16u, 17u, 10u, 38u})
        EXPECT_EQ(e.below(40), expected);
    Random d(7);
    std::set<uint32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const uint32_t v = d.below(5);
        ASSERT_LT(v, 5u);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_EQ(d.below(1), 0u);
}

TEST(Formats, HttpDates)
{
    EXPECT_EQ(parseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT"), 784111777);
    EXPECT_EQ(parseHttpDate("Thu, 01 Jan 1970 00:00:00 GMT"), 0);
    EXPECT_EQ(parseHttpDate("Wed, 10 Dec 2025 23:59:59 GMT"), 1765411199);
    for (const char* bad :
         {"", "Sun, 06 Nov 1994 08:49:37 UTC", "Sunday, 06-Nov-94 08:49:37 GMT", "Sun Nov  6 08:49:37 1994",
          "Sun, 31 Feb 1994 08:49:37 GMT", "Sun, 06 Nox 1994 08:49:37 GMT", "Sun, 06 ovD 1994 08:49:37 GMT",
          "Sun, 06 Nov 1994 24:00:00 GMT", "Sun, 6 Nov 1994 08:49:37 GMT ", "Sun, 0x Nov 1994 08:49:37 GMT"})
        EXPECT_FALSE(parseHttpDate(bad)) << bad;
}
