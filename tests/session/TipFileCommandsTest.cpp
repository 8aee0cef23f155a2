#include "session/TipFileCommands.h"
#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "session/SheetCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

const std::vector<std::string> kDraws = {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 3 11 17 25 33 40 D2",
                                         "13.11.2023 7 8 9 10 11 12 D3", "16.11.2023 13 14 15 16 17 18 D4"};

struct TipFileFixture : AppFixture {
    TipFileFixture() { draws(kDraws); }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> v;
        for (int row = 0; row < TipSheet::kRows; ++row)
            v.push_back(rowText(app.sheet(), row));
        return v;
    }
};

FileFilter g_lastFilter;

// Remembers the filter the command offered.
class FilterDialogs : public FakeDialogs {
public:
    std::optional<std::string> openFileName(const FileFilter& f) override
    {
        g_lastFilter = f;
        return fileAnswer;
    }
    std::optional<std::string> saveFileName(const FileFilter& f) override
    {
        g_lastFilter = f;
        return fileAnswer;
    }
};

} // namespace

TEST(TipFileCommands, SaveProposesTheNextDrawAndWritesTheSheet)
{
    TipFileFixture f;
    FilterDialogs dialogs;
    Session app(Ports{&f.store, &f.clock, &dialogs});
    app.home = f.dir.home();
    setRow(app.sheet(), 0, "3,7,12,25,31,40,2");
    app.endDay = *parseDate("16.11.2023"); // a Thursday

    saveTipsAsking(app); // cancelled: nothing written
    EXPECT_EQ(g_lastFilter.defaultName, "20231120.ztp");
    EXPECT_EQ(g_lastFilter.pattern, "*.ztp");
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("20231120.ztp")));

    dialogs.fileAnswer = f.dir.file("mine.ztp");
    saveTipsAsking(app);
    EXPECT_EQ(f.dir.read("mine.ztp").substr(0, 28), "3,7,12,25,31,40,2\r\n,,,,,,-\r\n");
}

TEST(TipFileCommands, LoadReplacesEveryRowLockedOnesToo)
{
    TipFileFixture f;
    TipSheet& s = f.app.sheet();
    setRow(s, 1, "1,2,3,4,5,6,1");
    setRow(s, 4, "7,8,9,10,11,12,3");
    toggleLock(f.app, 1);
    s.setMatch(1, "2", true);
    s.setMatch(4, "1", false);
    f.dir.write("t.ztp", "3,7,12,25,31,40,2\r\n1,2,3,4\r\n1,2,3,4,5,6,7,8\r\n40,39,38,37,36,35\r\n");
    loadTipFile(f.app, f.dir.file("t.ztp"));
    const std::vector<std::string> rows = f.rows();
    EXPECT_EQ(rows[0], "3,7,12,25,31,40,2");
    EXPECT_EQ(rows[1], "1,2,3,,,4,-"); // the locked row takes its line as well
    EXPECT_EQ(rows[2], "1,2,3,4,5,6,7,8");
    EXPECT_EQ(rows[3], "40,39,38,37,36,35,-");
    for (int row = 4; row < TipSheet::kRows; ++row)
        EXPECT_EQ(rows[static_cast<size_t>(row)], ",,,,,,-") << row;
    EXPECT_EQ(s.matchText(4), ""); // cleared first
    EXPECT_TRUE(s.locked(1));
}

TEST(TipFileCommands, AFileThatCannotBeReadLeavesTheSheetAsItWas)
{
    const std::pair<const char*, std::string> cases[] = {
        {"missing", ""},
        {"binary", std::string("1,2\0,3", 6)},
        {"too large", std::string(70000, '1')},
        {"a folder", "/"},
        {"no name", "-"},
    };
    for (const auto& [name, bytes] : cases) {
        TipFileFixture f;
        setRow(f.app.sheet(), 0, "3,7,12,25,31,40,2");
        std::string path = f.dir.file("t.ztp");
        if (std::string(name) == "a folder")
            path = f.dir.home();
        else if (std::string(name) == "no name")
            path.clear();
        else if (!bytes.empty())
            f.dir.write("t.ztp", bytes);
        EXPECT_THROW(loadTipFile(f.app, path), Error) << name;
        EXPECT_EQ(rowText(f.app.sheet(), 0), "3,7,12,25,31,40,2") << name;
    }
}

TEST(TipFileCommands, TheLoadCommandEvaluatesAlsoWhenCancelled)
{
    TipFileFixture f;
    f.app.endDay = *parseDate("09.11.2023");
    loadTipsAsking(f.app);
    EXPECT_EQ(formatDate(static_cast<int>(f.app.current.datum1)), "09.11.2023");

    f.dir.write("t.ztp", "3,11,17,25,33,40,2\r\n");
    f.dialogs.fileAnswer = f.dir.file("t.ztp");
    loadTipsAsking(f.app);
    EXPECT_EQ(f.app.sheet().matchText(0), "6 + D");

    // a failed load runs no evaluation
    f.app.current = {};
    f.dialogs.fileAnswer = f.dir.file("missing.ztp");
    EXPECT_THROW(loadTipsAsking(f.app), IoError);
    EXPECT_EQ(f.app.current.datum1, 0);
}

TEST(TipFileCommands, ListingIsWrittenAndOpened)
{
    TipFileFixture f;
    f.current("16.11.2023 13 14 15 16 17 18 D4");
    setRow(f.app.sheet(), 0, "3,7,12,25,31,40,2");
    showTipListing(f.app);
    EXPECT_EQ(f.dir.read("Tipp.txt"), "\xEF\xBB\xBF"
                                      "Darnholms Ziffrano 6 aus 40 Tipp für Montag 20.11.23\r\n"
                                      "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
                                      "\r\n"
                                      " 1. Tipp:  3    7   12   25   31   40  Plus: 2\r\n");
    EXPECT_EQ(f.shell.opened, (std::vector<std::string>{f.dir.file("Tipp.txt")}));
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(TipFileCommands, AListingThatFailsKeepsTheOldFile)
{
    TipFileFixture f;
    f.dir.write("Tipp.txt", "old");
    setRow(f.app.sheet(), 0, "3,7,,25,31,40,2");
    EXPECT_THROW(showTipListing(f.app), ConvertError);
    EXPECT_EQ(f.dir.read("Tipp.txt"), "old");
    EXPECT_TRUE(f.shell.opened.empty());
}

TEST(TipFileCommands, AListingNoProgramOpensIsReported)
{
    TipFileFixture f;
    FakeDialogs dialogs;
    Shell noHandler; // opens nothing
    Session app(Ports{&f.store, &f.clock, &dialogs, nullptr, nullptr, &noHandler});
    app.home = f.dir.home();
    app.messages().load(ZF_SOURCE_DIR "/data/land/meldungen.txt.de");
    showTipListing(app);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].find("Tipp.txt"), std::string::npos);
}
