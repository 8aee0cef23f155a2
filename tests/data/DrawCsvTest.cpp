#include "data/DrawCsv.h"

#include "fakes/DrawText.h"
#include "ground/Formats.h"
#include "ground/Random.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

std::vector<std::string> rowText(const CsvTable& t)
{
    std::vector<std::string> v;
    for (const CsvRow& r : t.rows) {
        std::string s = std::to_string(r.line) + ":";
        for (const auto& f : r.fields)
            s += "[" + f + "]";
        v.push_back(s);
    }
    return v;
}

} // namespace

TEST(CsvReading, DetectsTheDelimiterAndSplitsFields)
{
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        std::string bytes;
        char delimiter;
        V rows;
    } cases[] = {
        {"semicolon", "Datum;Z1\r\n09.11.2023;3\r\n", ';', {"1:[Datum][Z1]", "2:[09.11.2023][3]"}},
        {"comma", "2023-11-09,3,11\n2023-11-13,1,2\n", ',', {"1:[2023-11-09][3][11]", "2:[2023-11-13][1][2]"}},
        {"tab", "09.11.2023\t3\t11\n", '\t', {"1:[09.11.2023][3][11]"}},
        {"semicolon wins over commas inside fields", "a,b;c\nd,e;f\n", ';', {"1:[a,b][c]", "2:[d,e][f]"}},
        {"blank lines keep the line numbers", "a;b\n\n  \nc;d", ';', {"1:[a][b]", "4:[c][d]"}},
        {"quotes and blanks", "\"Da;tum\" ; \"say \"\"hi\"\"\"x\n", ';', {"1:[Da;tum][say \"hi\"x]"}},
        {"an open quote takes the rest", "\"abc;d\n", ';', {"1:[abc;d]"}},
        {"utf-8 mark",
         "\xEF\xBB\xBF"
         "a;b\n",
         ';',
         {"1:[a][b]"}},
        {"utf-16 mark",
         std::string("\xFF\xFE"
                     "a\0;\0b\0\n\0",
                     10),
         ';',
         {"1:[a][b]"}},
        {"one column", "abc\ndef\n", ';', {"1:[abc]", "2:[def]"}},
        {"empty", "", ';', {}},
        {"empty fields", ";;\n", ';', {"1:[][][]"}},
    };
    for (const auto& c : cases) {
        const CsvTable t = readCsv(c.bytes);
        EXPECT_EQ(t.delimiter, c.delimiter) << c.name;
        EXPECT_EQ(rowText(t), c.rows) << c.name;
    }
}

TEST(CsvReading, DatesInTheFourFormats)
{
    const struct {
        const char* text;
        const char* date; // nullptr: not a date
    } cases[] = {
        {"09.11.2023", "09.11.2023"},  {"9.11.2023", "09.11.2023"}, {"09/11/2023", "09.11.2023"},
        {"2023-11-09", "09.11.2023"},  {"20231109", "09.11.2023"},  {"29.02.2024", "29.02.2024"},
        {"29.02.2023", nullptr},       {"31.04.2024", nullptr},     {"2023-13-01", nullptr},
        {"09.11.23", nullptr},         {"09-11-2023", nullptr},     {"2023/11/09", nullptr},
        {"09.11/2023", nullptr},       {"2023110", nullptr},        {"", nullptr},
        {"09.11.2023 20:00", nullptr}, {"00.11.2023", nullptr},     {"x", nullptr},
    };
    for (const auto& c : cases) {
        const auto d = parseCsvDate(c.text);
        ASSERT_EQ(d.has_value(), c.date != nullptr) << c.text;
        if (d) {
            EXPECT_EQ(formatDate(*d), c.date) << c.text;
        }
    }
}

TEST(CsvReading, ColumnMappings)
{
    const auto c = parseCsvColumns("2,4,5,6,7,8,9,3");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->date, 1);
    EXPECT_EQ(c->numbers, (std::array<int, 6>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(c->dream, 2);
    EXPECT_EQ(c->widest(), 8);
    for (const char* bad : {"", "1,2,3,4,5,6,7", "1,2,3,4,5,6,7,8,9", "0,2,3,4,5,6,7,8", "1,2,3,4,5,6,7,x",
                            "1,2,3,4,5,6,7,", "1, 2,3,4,5,6,7,8", "-1,2,3,4,5,6,7,8"})
        EXPECT_FALSE(parseCsvColumns(bad)) << bad;
}

TEST(CsvDraws, ValidatesEveryRow)
{
    const std::string file = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;Traumzahl\n"
                             "09.11.2023;3;11;17;25;33;40;2\n"
                             "31.02.2024;1;2;3;4;5;6;1\n"
                             "13.11.2023;41;2;3;4;5;6;1\n"
                             "16.11.2023;1;2;3;4;5;5;1\n"
                             "20.11.2023;1;2;3;4;5;6;6\n"
                             "23.11.2023;1;2;x;4;5;6;1\n"
                             "27.11.2023;1;2;3;4;5;6\n"
                             "30.11.2023;1;2;3;4;5;6;\n";
    const CsvDraws d = drawsFromCsv(readCsv(file), CsvColumns{});
    EXPECT_TRUE(d.header);
    ASSERT_EQ(d.draws.size(), 1u);
    EXPECT_EQ(d.draws[0].line, 2);
    EXPECT_EQ(d.draws[0].draw, drawFromText("09.11.2023 3 11 17 25 33 40 D2"));
    std::vector<std::string> rejected;
    for (const auto& r : d.rejected)
        rejected.push_back(std::to_string(r.line) + " " + r.reason);
    EXPECT_EQ(rejected, (std::vector<std::string>{
                            "3 kein gültiges Datum: \"31.02.2024\"",
                            "4 Die Zahl 41 liegt nicht zwischen 1 und 40.",
                            "5 Die Zahl 5 kommt zweimal vor.",
                            "6 Die Traumzahl 6 liegt nicht zwischen 1 und 5.",
                            "7 keine Zahl: \"x\"",
                            "8 Spalte 8 fehlt",
                            "9 keine Traumzahl: \"\"",
                        }));
}

TEST(CsvDraws, ColumnsPickTheFieldsAndABadFirstRowIsNoHeader)
{
    const std::string file = "Nr,Traumzahl,Datum,a,b,c,d,e,f\n1,2,2023-11-09,3,11,17,25,33,40\n";
    const CsvDraws d = drawsFromCsv(readCsv(file), *parseCsvColumns("3,4,5,6,7,8,9,2"));
    EXPECT_TRUE(d.header);
    ASSERT_EQ(d.draws.size(), 1u);
    EXPECT_EQ(d.draws[0].draw, drawFromText("09.11.2023 3 11 17 25 33 40 D2"));
    // a first row of digits with a broken date is a rejected row, not a header
    const CsvDraws bad = drawsFromCsv(readCsv("32.11.2023;1;2;3;4;5;6;1\n"), CsvColumns{});
    EXPECT_FALSE(bad.header);
    ASSERT_EQ(bad.rejected.size(), 1u);
    EXPECT_EQ(bad.rejected[0].line, 1);
}

TEST(CsvDraws, ExportReadsBackUnchanged)
{
    const auto draws = randomDraws(120, 11);
    const std::string csv = drawsToCsv(draws);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "Datum;Zahl1;Zahl2;Zahl3;Zahl4;Zahl5;Zahl6;Traumzahl");
    const CsvDraws back = drawsFromCsv(readCsv(csv), CsvColumns{});
    EXPECT_TRUE(back.header);
    EXPECT_TRUE(back.rejected.empty());
    ASSERT_EQ(back.draws.size(), draws.size());
    for (size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(back.draws[i].draw, draws[i]);
}

TEST(CsvDraws, DamagedBytesNeverCrash)
{
    // cuts and byte changes of a good file, and random noise: every row ends
    // as a draw or as a rejected row
    const std::string good = "\xEF\xBB\xBF"
                             "Datum;Z1;Z2;Z3;Z4;Z5;Z6;T\r\n\"09.11.2023\";3;11;17;25;33;40;2\r\n";
    Random rng(3);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = good.substr(0, rng.below(static_cast<int>(good.size()) + 1));
        for (int k = 0, n = static_cast<int>(rng.below(4)); k < n && !bytes.empty(); ++k)
            bytes[rng.below(static_cast<int>(bytes.size()))] = static_cast<char>(rng.below(256));
        if (round % 10 == 0)
            for (int k = 0; k < 200; ++k)
                bytes += static_cast<char>(rng.below(256));
        const CsvTable t = readCsv(bytes);
        const CsvDraws d = drawsFromCsv(t, CsvColumns{});
        EXPECT_EQ(d.draws.size() + d.rejected.size() + (d.header ? 1 : 0), t.rows.size());
    }
}
