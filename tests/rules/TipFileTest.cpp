#include "rules/TipFile.h"
#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "ground/Formats.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

std::string rowText(const TipFileRow& r)
{
    std::string t;
    for (const auto& c : r.cells)
        t += c + ",";
    return t + r.dream;
}

} // namespace

TEST(TipFile, WritesFourteenLinesAndReadsThemBack)
{
    TipSheet sheet;
    setRow(sheet, 0, "3,7,12,25,31,40,2");
    setRow(sheet, 1, "1,2,3,4,5,6,-");
    setRow(sheet, 2, "40,39,38,37,36,35,5");
    std::string expected = "3,7,12,25,31,40,2\r\n1,2,3,4,5,6,-\r\n40,39,38,37,36,35,5\r\n";
    for (int k = 0; k < 11; ++k)
        expected += ",,,,,,-\r\n";
    EXPECT_EQ(formatTipFile(sheet), expected);

    setRow(sheet, 5, "9,,,,,,f\xC3\xBCnf"); // an odd dream-number box text travels as it stands
    setRow(sheet, 13, "1,2,3,4,5,6,");
    const std::string bytes = formatTipFile(sheet);
    EXPECT_NE(bytes.find("\r\n9,,,,,,f\xFCnf\r\n"), std::string::npos); // Windows-1252 on disk
    const TipFileRows rows = parseTipFile(bytes, "t.ztp");
    for (int row = 0; row < TipSheet::kRows; ++row)
        EXPECT_EQ(rowText(rows[static_cast<size_t>(row)]), zf::test::rowText(sheet, row)) << row;
}

TEST(TipFile, SplitsTheOddLineForms)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3,7,12,25,31,40,2", "3,7,12,25,31,40,2"},
        {",,,,,,-", ",,,,,,-"},
        {"1,2,3,4,5,6", "1,2,3,4,5,6,-"},       // no dream number: the box shows "-"
        {"1,2,3,4,5,6,7,8", "1,2,3,4,5,6,7,8"}, // the rest goes into the dream-number box
        {"1,2,3,4", "1,2,3,,,4,-"},             // a line without commas leaves its cells empty
        {"", ",,,,,,-"},                        // a missing line
        {"42", ",,,,,42,-"},
        {"1,2,3,4,5,6,", "1,2,3,4,5,6,"},         // an empty dream field stays empty
        {" 5,x,07,,-1,41,3", " 5,x,07,,-1,41,3"}, // texts are not checked here
        {",,,,,,,,,,", ",,,,,,,,,,"},             // the dream-number box gets ",,,,"
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(rowText(parseTipLine(line)), expected) << line;
}

TEST(TipFile, ReadsEveryLineEndAndFillsMissingLines)
{
    const std::pair<const char*, std::string> cases[] = {
        {"CR LF", "1,2,3,4,5,6,1\r\n7,8,9,10,11,12,2\r\n"},
        {"LF", "1,2,3,4,5,6,1\n7,8,9,10,11,12,2\n"},
        {"CR", "1,2,3,4,5,6,1\r7,8,9,10,11,12,2\r"},
        {"no final line end", "1,2,3,4,5,6,1\r\n7,8,9,10,11,12,2"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF"
                                  "1,2,3,4,5,6,1\n7,8,9,10,11,12,2"},
    };
    for (const auto& [name, bytes] : cases) {
        const TipFileRows rows = parseTipFile(bytes, "t.ztp");
        EXPECT_EQ(rowText(rows[0]), "1,2,3,4,5,6,1") << name;
        EXPECT_EQ(rowText(rows[1]), "7,8,9,10,11,12,2") << name;
        for (size_t k = 2; k < rows.size(); ++k)
            EXPECT_EQ(rowText(rows[k]), ",,,,,,-") << name << " row " << k + 1;
    }
    // lines after the fourteenth are ignored; an empty line in between is an empty row
    std::string many;
    for (int k = 1; k <= 20; ++k)
        many += k == 3 ? "\r\n" : std::to_string(k) + ",,,,,,1\r\n";
    const TipFileRows rows = parseTipFile(many, "t.ztp");
    EXPECT_EQ(rowText(rows[2]), ",,,,,,-");
    EXPECT_EQ(rowText(rows[13]), "14,,,,,,1");
}

TEST(TipFile, RefusesBytesThatAreNoTipFile)
{
    const std::pair<const char*, std::string> cases[] = {
        {"a NUL byte", std::string("1,2,3\0,4,5,6,1\r\n", 16)},
        {"UTF-16", std::string("\xFF\xFE"
                               "1\0,\0",
                               6)},
        {"too large", std::string(kTipFileMaxBytes + 1, ',')},
    };
    for (const auto& [name, bytes] : cases) {
        try {
            parseTipFile(bytes, "broken.ztp");
            ADD_FAILURE() << name << " was read";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("broken.ztp"), std::string::npos) << e.what();
        }
    }
    // damaged but readable text loads: the cells check what they take
    const TipFileRows rows = parseTipFile("\xFF\xFE\xFD,;;;\x7F", "odd.ztp");
    EXPECT_EQ(rows[0].cells[0], "\xC3\xBF\xC3\xBE\xC3\xBD");
    EXPECT_EQ(rows[0].cells[5], ";;;\x7F");
    EXPECT_EQ(rows[0].dream, "-");
    EXPECT_EQ(parseTipFile(std::string(kTipFileMaxBytes, ','), "full.ztp")[0].dream,
              std::string(kTipFileMaxBytes - 6, ','));
}

TEST(TipFile, ProposesTheNextDrawDateAsTheName)
{
    const int today = *parseDate("10.12.2025"); // a Wednesday
    const std::tuple<const char*, const char*> cases[] = {
        {"17.11.2025", "20251120.ztp"}, // Monday: the Thursday after
        {"20.11.2025", "20251124.ztp"}, // Thursday: the Monday after
        {"29.12.2025", "20260101.ztp"}, // over the year's end
        {"18.11.2025", "20251210.ztp"}, // any other day: today
        {"23.11.2025", "20251210.ztp"},
    };
    for (const auto& [picker, name] : cases)
        EXPECT_EQ(tipFileName(nextDrawForTipFile(*parseDate(picker), today)), name) << picker;
    const FileFilter f = tipFileFilter("20251120.ztp");
    EXPECT_EQ(f.description, "Tippdatei");
    EXPECT_EQ(f.pattern, "*.ztp");
    EXPECT_EQ(f.defaultExt, "ztp");
    EXPECT_EQ(f.defaultName, "20251120.ztp");
}

TEST(TipListing, TitleCarriesTheNextDrawDate)
{
    const WeekdayFilter both{true, true};
    const std::tuple<const char*, WeekdayFilter, const char*> cases[] = {
        {"16.11.2023", both, "Montag 20.11.23"},                       // after a Thursday draw the Monday
        {"20.11.2023", both, "Donnerstag 23.11.23"},                   // after a Monday draw the Thursday
        {"20.11.2023", WeekdayFilter{true, false}, "Montag 27.11.23"}, // one flag clear: a week later
        {"16.11.2023", WeekdayFilter{false, true}, "Donnerstag 23.11.23"},
        {"28.12.2023", both, "Montag 01.01.24"},
    };
    for (const auto& [draw, flags, date] : cases)
        EXPECT_EQ(longDate(nextDrawForListing(*parseDate(draw), flags)), date) << draw;
}

TEST(TipListing, ListsTheFilledTipsWithTheirRowNumbers)
{
    TipSheet sheet;
    setRow(sheet, 0, "3,7,12,25,31,40,2");
    setRow(sheet, 1, "1,2,3,4,5,6,-");
    setRow(sheet, 2, "10,20,30,33,36,39,5");
    setRow(sheet, 3, "1,2,3,4,5,6,1");
    setRow(sheet, 5, "1,2,3,4,5,6,4");
    setRow(sheet, 9, ",2,3,4,5,6,3"); // first cell empty: left out
    setRow(sheet, 11, "1,2,3,4,5,40,3");
    const auto lines = tipListing(sheet, *parseDate("20.11.2023"), "Darnholms Ziffrano 6 aus 40", "Tipp");
    const std::vector<std::string> expected = {
        "Darnholms Ziffrano 6 aus 40 Tipp für Montag 20.11.23",
        "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
        "",
        " 1. Tipp:  3    7   12   25   31   40  Plus: 2",
        " 2. Tipp:  1    2    3    4    5    6  Plus: -",
        " 3. Tipp: 10   20   30   33   36   39  Plus: 5",
        " 4. Tipp:  1    2    3    4    5    6  Plus: 1",
        " 6. Tipp:  1    2    3    4    5    6  Plus: 4",
        "12. Tipp:  1    2    3    4    5   40  Plus: 3",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(listingBytes({"a", "für"}), "\xEF\xBB\xBF"
                                          "a\r\nfür\r\n");
}

TEST(TipListing, AFilledTipWithAnEmptyCellEndsItNamingRowAndField)
{
    TipSheet sheet;
    setRow(sheet, 0, "3,7,12,25,31,40,2");
    setRow(sheet, 6, "3,7,12,,31,40,2");
    try {
        tipListing(sheet, kFirstDrawDay, "T", "Tipp");
        FAIL() << "listed";
    } catch (const ConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("7. Tipp, 4. Zahl"), std::string::npos) << e.what();
    }
}
