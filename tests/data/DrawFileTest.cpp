#include "data/DrawFile.h"
#include "fakes/DrawText.h"
#include "fakes/TempDir.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

TEST(DrawRecord, EncodesLittleEndianFieldsBackToBack)
{
    const Draw d = drawFromText("09.11.2023 3 11 17 25 33 40 Z7 D2 R4 T123456");
    unsigned char raw[kRecordSize];
    encodeDraw(d, raw);
    // 45239.0 as IEEE-754 double is 0x40E6_16E0_0000_0000
    const unsigned char expectDate[8] = {0, 0, 0, 0, 0xE0, 0x16, 0xE6, 0x40};
    EXPECT_EQ(0, memcmp(raw, expectDate, 8));
    const unsigned char rest[16] = {3, 11, 17, 25, 33, 40, 7, 2, 4, 1, 2, 3, 4, 5, 6, 0};
    EXPECT_EQ(0, memcmp(raw + 8, rest, 16));
    EXPECT_EQ(decodeDraw(raw), d);
}

TEST(DrawFile, RoundTripAppendAndScan)
{
    TempDir dir;
    DrawFile f(dir.file("ZahlenSN.dat"));
    EXPECT_FALSE(f.exists());
    f.createEmpty();
    EXPECT_TRUE(f.readAll().empty());
    const auto draws = drawsFromText({"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 3 11 17 25 33 40 D2"});
    for (const auto& d : draws)
        f.append(d);
    EXPECT_EQ(f.readAll(), draws);
    EXPECT_EQ(dir.read("ZahlenSN.dat").size(), 48u);

    int seen = 0;
    f.scan([&](const Draw&) { return ++seen < 1; });
    EXPECT_EQ(seen, 1); // stops when asked
}

TEST(DrawFile, BlockScanDeliversAtMostOneThousandRecords)
{
    TempDir dir;
    std::vector<Draw> many(2500, drawFromText("06.11.2023 1 2 3 4 5 6 D1"));
    for (size_t i = 0; i < many.size(); ++i)
        many[i].datum += static_cast<double>(i);
    DrawFile f(dir.file("d.dat"));
    f.rewrite(many, "d.tmp");
    std::vector<size_t> sizes;
    f.scanBlocks([&](const Draw*, size_t n) {
        sizes.push_back(n);
        return true;
    });
    EXPECT_EQ(sizes, (std::vector<size_t>{1000, 1000, 500}));
    EXPECT_EQ(f.readAll(), many);
}

TEST(DrawFile, TrailingPieceIsIgnoredAndAppendDoesNotShiftRecords)
{
    TempDir dir;
    const std::string path = dir.file("ZahlenSN.dat");
    writeDrawFile(path, {"06.11.2023 1 2 3 4 5 6 D1"});
    dir.write("ZahlenSN.dat", dir.read("ZahlenSN.dat") + std::string("\x01\x02\x03", 3));
    DrawFile f(path);
    EXPECT_EQ(f.readAll().size(), 1u);
    const Draw next = drawFromText("09.11.2023 7 8 9 10 11 12 D3");
    f.append(next);
    const auto all = f.readAll();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1], next);
    EXPECT_EQ(dir.read("ZahlenSN.dat").size(), 48u);
}

TEST(DrawFile, WritersRefuseValuesOutsideTheirRanges)
{
    TempDir dir;
    const std::string path = dir.file("ZahlenSN.dat");
    writeDrawFile(path, {"06.11.2023 1 2 3 4 5 6 D1"});
    const std::string before = dir.read("ZahlenSN.dat");
    DrawFile f(path);
    for (const char* bad : {"09.11.2023 0 2 3 4 5 6 D1", "09.11.2023 41 2 3 4 5 6 D1", "09.11.2023 1 2 3 4 5 6 D0",
                            "09.11.2023 1 2 3 4 5 6 D6"}) {
        EXPECT_THROW(f.append(drawFromText(bad)), Error) << bad;
        EXPECT_THROW(f.rewrite({drawFromText(bad)}, "x.tmp"), Error) << bad;
    }
    EXPECT_EQ(dir.read("ZahlenSN.dat"), before);
}

TEST(DrawFile, FailedRewriteLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.file("ZahlenSN.dat");
    writeDrawFile(path, {"06.11.2023 1 2 3 4 5 6 D1"});
    const std::string before = dir.read("ZahlenSN.dat");
    // the temporary name is a folder, so the temporary file cannot be written
    std::filesystem::create_directory(dir.file("Zahlen.da~"));
    EXPECT_THROW(DrawFile(path).rewrite(drawsFromText({"09.11.2023 1 2 3 4 5 6 D1"}), "Zahlen.da~"), IoError);
    EXPECT_EQ(dir.read("ZahlenSN.dat"), before);
}

TEST(DrawFile, MissingFileIsAnIoErrorForScans)
{
    TempDir dir;
    EXPECT_THROW(DrawFile(dir.file("none.dat")).readAll(), IoError);
}

TEST(DrawFile, WritesCountGenerations)
{
    TempDir dir;
    const uint64_t g = DrawFile::generation();
    DrawFile f(dir.file("g.dat"));
    f.createEmpty();
    f.append(drawFromText("06.11.2023 1 2 3 4 5 6 D1"));
    EXPECT_EQ(DrawFile::generation(), g + 2);
}

TEST(Migration, CopiesOldRecordsOnceWithZeroTicketDigits)
{
    TempDir dir;
    std::string old;
    for (const char* t : {"06.11.2023 1 2 3 4 5 6 Z9 D1", "09.11.2023 3 11 17 25 33 40 D2"}) {
        unsigned char raw[kRecordSize];
        encodeDraw(drawFromText(t), raw);
        old.append(reinterpret_cast<char*>(raw), kOldRecordSize);
    }
    dir.write("Zahlen.dat", old);
    EXPECT_TRUE(migrateOldDrawFile(dir.home(), "ZahlenSN.dat"));
    const std::string fresh = dir.read("ZahlenSN.dat");
    ASSERT_EQ(fresh.size(), 48u);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(fresh.substr(r * 24, 16), old.substr(r * 16, 16));
        EXPECT_EQ(fresh.substr(r * 24 + 17, 6), std::string(6, '\0'));
    }
    EXPECT_FALSE(migrateOldDrawFile(dir.home(), "ZahlenSN.dat"));
    EXPECT_EQ(dir.read("ZahlenSN.dat"), fresh);
    EXPECT_EQ(dir.read("Zahlen.dat"), old);
}

TEST(Migration, NothingToDoWithoutOldFile)
{
    TempDir dir;
    EXPECT_FALSE(migrateOldDrawFile(dir.home(), "ZahlenSN.dat"));
    EXPECT_FALSE(DrawFile(dir.file("ZahlenSN.dat")).exists());
}

TEST(DateWindow, OpenExcludesStartClosedIncludesIt)
{
    const double s = kFirstDrawDay + 3, e = kFirstDrawDay + 10;
    const DateWindow open{s, e, false}, closed{s, e, true};
    EXPECT_FALSE(open.contains(s));
    EXPECT_TRUE(closed.contains(s));
    EXPECT_TRUE(open.contains(e));
    EXPECT_TRUE(closed.contains(e));
    EXPECT_FALSE(open.contains(e + 1));
    EXPECT_FALSE(closed.contains(s - 1));
}

TEST(WeekdayFilter, FlagsSelectTheirWeekday)
{
    const double monday = kFirstDrawDay, thursday = kFirstDrawDay + 3, friday = kFirstDrawDay + 4;
    struct Case {
        bool thu, mon;
        bool passMonday, passThursday, passFriday;
    } cases[] = {{true, true, true, true, true},
                 {true, false, false, true, false},
                 {false, true, true, false, false},
                 {false, false, false, false, false}};
    for (const auto& c : cases) {
        const WeekdayFilter f{c.thu, c.mon};
        EXPECT_EQ(f.passes(monday), c.passMonday);
        EXPECT_EQ(f.passes(thursday), c.passThursday);
        EXPECT_EQ(f.passes(friday), c.passFriday);
    }
}
