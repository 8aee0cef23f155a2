#include "data/DrawFile.h"
#include "fakes/DrawText.h"
#include "fakes/TempDir.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sys/stat.h>

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

TEST(DrawFile, AnAbsentFileIsAnEmptyHistoryAndNoLinkTargetIsCreated)
{
    TempDir dir;
    EXPECT_TRUE(DrawFile(dir.file("none.dat")).readAll().empty());
    std::filesystem::create_symlink(dir.file("target.dat"), dir.file("link.dat"));
    const DrawFile link(dir.file("link.dat"));
    EXPECT_TRUE(link.absent());
    EXPECT_TRUE(link.readAll().empty());
    link.createEmpty();
    EXPECT_FALSE(std::filesystem::exists(dir.file("target.dat")));
}

TEST(DrawFile, RefusesWhatIsNoRegularFileOrTooLargeWithItsName)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_symlink("/dev/zero", dir.file("zero"));
    std::filesystem::create_symlink(dir.file("loop"), dir.file("loop"));
    std::ofstream(dir.file("huge")).close();
    std::filesystem::resize_file(dir.file("huge"), kMaxDrawFileBytes + kRecordSize); // sparse
    for (const char* name : {"fifo", "folder", "zero", "loop", "huge"}) {
        try {
            DrawFile(dir.file(name)).readAll();
            ADD_FAILURE() << name << " was read";
        } catch (const IoError& e) {
            EXPECT_NE(std::string(e.what()).find(dir.file(name)), std::string::npos) << e.what();
        }
    }
}

TEST(DrawFile, DamageIsNamedForEveryKindOfBadValue)
{
    const std::pair<const char*, const char*> cases[] = {
        {"09.11.2023 1 2 3 4 5 6 D1", ""},
        {"09.11.2023 1 2 3 4 5 255 D1", "Zahl 255"},
        {"09.11.2023 0 2 3 4 5 6 D1", "Zahl 0"},
        {"09.11.2023 7 2 3 4 5 7 D1", "Zahl 7 doppelt"},
        {"09.11.2023 1 2 3 4 5 6 D255", "Traumzahl 255"},
        {"09.11.2023 1 2 3 4 5 6 D0", "Traumzahl 0"},
    };
    for (const auto& [line, damage] : cases)
        EXPECT_EQ(drawDamage(drawFromText(line)).value_or(""), damage) << line;
    Draw d = drawFromText("09.11.2023 1 2 3 4 5 6 D1");
    for (const double bad : {std::nan(""), 1e300, -1.0, 0.5, double(dayFromCivil(2201, 1, 1))}) {
        d.datum = bad;
        EXPECT_TRUE(drawDamage(d).has_value()) << bad;
    }
    d.datum = dayFromCivil(1900, 1, 1);
    EXPECT_FALSE(drawDamage(d).has_value());
    EXPECT_EQ(usableDraws({d, drawFromText("09.11.2023 1 2 3 4 5 6 D9")}).size(), 1u);
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
    EXPECT_FALSE(migrateOldDrawFile(dir.home(), "ZahlenSN.dat")); // nothing skipped
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

TEST(Migration, CopiesTheUsableRecordsAndNamesEachSkippedOne)
{
    TempDir dir;
    std::string old;
    for (const char* t : {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 1 2 3 4 5 255 D1", "13.11.2023 1 2 3 4 5 6 D9",
                          "16.11.2023 3 11 17 25 33 40 D2"}) {
        unsigned char raw[kRecordSize];
        encodeDraw(drawFromText(t), raw);
        old.append(reinterpret_cast<char*>(raw), kOldRecordSize);
    }
    old += "tail"; // a piece shorter than a record
    dir.write("Zahlen.dat", old);
    const auto report = migrateOldDrawFile(dir.home(), "ZahlenSN.dat");
    ASSERT_TRUE(report);
    for (const char* named : {"Zahlen.dat", " 2 ", "09.11.2023 (Zahl 255)", "13.11.2023 (Traumzahl 9)"})
        EXPECT_NE(report->find(named), std::string::npos) << named << " in " << *report;
    const auto kept = DrawFile(dir.file("ZahlenSN.dat")).readAll();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1], drawFromText("16.11.2023 3 11 17 25 33 40 D2"));
    EXPECT_EQ(dir.read("Zahlen.dat"), old);
    EXPECT_FALSE(migrateOldDrawFile(dir.home(), "ZahlenSN.dat")); // reported once
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
