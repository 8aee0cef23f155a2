#include "rules/DrawUpdate.h"

#include "fakes/DrawText.h"
#include "ground/Formats.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

int day(const char* text)
{
    return *parseDate(text);
}

} // namespace

TEST(NextDrawDate, MondayThursdayAndTheDaysBetween)
{
    const struct {
        const char* from;
        const char* next;
    } cases[] = {
        {"06.11.2023", "09.11.2023"}, // Monday -> Thursday
        {"09.11.2023", "13.11.2023"}, // Thursday -> next Monday
        {"07.11.2023", "06.11.2023"}, // Tuesday -> the Monday of its week
        {"08.11.2023", "06.11.2023"}, // Wednesday
        {"10.11.2023", "06.11.2023"}, // Friday
        {"11.11.2023", "06.11.2023"}, // Saturday
        {"12.11.2023", "13.11.2023"}, // Sunday: its week begins that day
        {"28.12.2026", "31.12.2026"}, // across the year's end
        {"31.12.2026", "04.01.2027"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDate(nextDrawDate(day(c.from))), c.next) << c.from;
}

TEST(UpdateRequest, TargetAndCompactDates)
{
    EXPECT_EQ(updateRequestTarget(day("09.11.2023")), "/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109");
    EXPECT_EQ(compactDate(day("01.02.2027")), "20270201");
    EXPECT_EQ(parseCompactDate("20231109"), day("09.11.2023"));
    for (const char* bad : {"", "2023119", "202311090", "2023-11-9", "20230230", "20231301", "20231100", "00001109",
                            "2023110x", " 20231109"})
        EXPECT_FALSE(parseCompactDate(bad)) << bad;
}

TEST(ServerAddress, ParsesHostPortAndPrefix)
{
    const struct {
        const char* text;
        bool ok;
        const char* host;
        int port;
        const char* prefix;
    } cases[] = {
        {"http://127.0.0.1:8080", true, "127.0.0.1", 8080, ""},
        {"HTTP://update.example:81/", true, "update.example", 81, ""},
        {"http://update.example/base/", true, "update.example", 80, "/base"},
        {"update.example:9000", true, "update.example", 9000, ""},
        {"  http://localhost  ", true, "localhost", 80, ""},
        {"https://update.example", false, "", 0, ""},
        {"ftp://update.example", false, "", 0, ""},
        {"http://", false, "", 0, ""},
        {"", false, "", 0, ""},
        {"http://host:0", false, "", 0, ""},
        {"http://host:65536", false, "", 0, ""},
        {"http://host:80x", false, "", 0, ""},
        {"http://host:", false, "", 0, ""},
        {"http://ho st:80", false, "", 0, ""},
        {"http://user@host", false, "", 0, ""},
        {"http://host/a?b", false, "", 0, ""},
    };
    for (const auto& c : cases) {
        const auto a = parseServerAddress(c.text);
        ASSERT_EQ(a.has_value(), c.ok) << c.text;
        if (!a)
            continue;
        EXPECT_EQ(a->host, c.host) << c.text;
        EXPECT_EQ(a->port, c.port) << c.text;
        EXPECT_EQ(a->prefix, c.prefix) << c.text;
    }
}

TEST(UpdateLine, ReadsTheDrawOfTheRequestedDate)
{
    const Draw carry = drawFromText("06.11.2023 1 2 3 4 5 6 Z9 D1 R7 T123456");
    const UpdateLine l = parseUpdateLine("x,3,11,17,25,33,40,2;anything", day("09.11.2023"), carry);
    ASSERT_EQ(l.kind, UpdateLine::Kind::Draw);
    // the date is the requested one, the spare slot 0, bytes 16-23 carried over
    EXPECT_EQ(l.draw, drawFromText("09.11.2023 3 11 17 25 33 40 D2 R7 T123456"));
    // numbers in the order received, not sorted
    EXPECT_EQ(parseUpdateLine("09.11.2023,40,3,17,25,33,11,5;", day("09.11.2023"), {}).draw,
              drawFromText("09.11.2023 40 3 17 25 33 11 D5"));
}

TEST(UpdateLine, UnreadableLinesKeepThePartNotYetRead)
{
    const struct {
        const char* line;
        const char* rest;
    } cases[] = {
        {"Wartungsarbeiten bis 20 Uhr", "Wartungsarbeiten bis 20 Uhr"}, // no ",": the whole line
        {"", ""},
        {"x,3,11,17,25,33,40,2", "2"},             // no ";"
        {"x,3,11,17,25,33,40;2", "40;2"},          // too few numbers
        {"x,3,11,a,25,33,40,2;", "a,25,33,40,2;"}, // not a number
        {"x,3,11,17 ,25,33,40,2;", "17 ,25,33,40,2;"},
        {"x,3,,17,25,33,40,2;", ",17,25,33,40,2;"},
        {"x,3,11,17,25,33,40,;", ";"},
        {"x,99999999999,11,17,25,33,40,2;", "99999999999,11,17,25,33,40,2;"},
    };
    for (const auto& c : cases) {
        const UpdateLine l = parseUpdateLine(c.line, day("09.11.2023"), {});
        EXPECT_EQ(l.kind, UpdateLine::Kind::Unreadable) << c.line;
        EXPECT_EQ(l.rest, c.rest) << c.line;
    }
}

TEST(UpdateLine, ValuesOutsideTheDataModelAreNotStored)
{
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"x,41,11,17,25,33,40,2;", "Die Zahl 41 liegt nicht zwischen 1 und 40."},
        {"x,0,11,17,25,33,40,2;", "Die Zahl 0 liegt nicht zwischen 1 und 40."},
        // 259 would become 3 as a byte
        {"x,259,11,17,25,33,40,2;", "Die Zahl 259 liegt nicht zwischen 1 und 40."},
        {"x,-3,11,17,25,33,40,2;", "Die Zahl -3 liegt nicht zwischen 1 und 40."},
        {"x,3,11,17,25,33,3,2;", "Die Zahl 3 kommt zweimal vor."},
        {"x,3,11,17,25,33,40,6;", "Die Traumzahl 6 liegt nicht zwischen 1 und 5."},
        {"x,3,11,17,25,33,40,0;", "Die Traumzahl 0 liegt nicht zwischen 1 und 5."},
    };
    for (const auto& c : cases) {
        const UpdateLine l = parseUpdateLine(c.line, day("09.11.2023"), {});
        EXPECT_EQ(l.kind, UpdateLine::Kind::Invalid) << c.line;
        EXPECT_EQ(l.problem, c.problem) << c.line;
    }
}

TEST(UpdateLine, BodyLinesAsATextControlHoldsThem)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(bodyLines(""), V{});
    EXPECT_EQ(bodyLines("a"), V{"a"});
    EXPECT_EQ(bodyLines("a\r\n"), V{"a"});
    EXPECT_EQ(bodyLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(bodyLines("a\n\nb\n"), (V{"a", "", "b"}));
}

TEST(UpdateLine, TheServersLineReadsBackAsTheStoredDraw)
{
    for (const Draw& d : randomDraws(50, 5)) {
        const std::string line = updateLine(d);
        const UpdateLine back = parseUpdateLine(line, toDay(d.datum), {});
        ASSERT_EQ(back.kind, UpdateLine::Kind::Draw) << line;
        EXPECT_EQ(back.draw, d) << line;
    }
}
