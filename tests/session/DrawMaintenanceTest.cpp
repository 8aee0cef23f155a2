#include "session/DrawMaintenance.h"

#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "session/DrawCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

int day(const char* text)
{
    return *parseDate(text);
}

const std::vector<std::string> kHistory = {"06.11.2023 1 2 3 4 5 6 D1 R2 T111111", "09.11.2023 7 8 9 10 11 12 D2",
                                           "13.11.2023 13 14 15 16 17 18 D3"};

struct Maintenance : AppFixture {
    Maintenance() { draws(kHistory); }
    std::vector<Draw> stored() const { return app.drawFile().readAll(); }
    // the dialog's round: start, enter, end
    void enter(const char* pickerDate, const char* draw)
    {
        app.setEndDay(day(pickerDate));
        entryStart(app);
        enterDraw(app, drawFromText(draw));
        endEntry(app);
    }
};

} // namespace

TEST(DrawMaintenance, TheEntryStartsFromTheShownDateOrTheLastDraw)
{
    Maintenance m;
    m.app.setEndDay(day("09.11.2023"));
    EXPECT_EQ(entryStart(m.app), drawFromText(kHistory[1]));
    EXPECT_EQ(m.app.aktDatum, day("09.11.2023"));
    m.app.setEndDay(day("10.11.2023"));
    EXPECT_EQ(entryStart(m.app), drawFromText(kHistory[2]));
    Maintenance empty;
    std::filesystem::remove(empty.app.drawFilePath());
    EXPECT_FALSE(entryStart(empty.app));
}

TEST(DrawMaintenance, EnteringKeepsTheFileInDateOrder)
{
    const struct {
        const char* name;
        const char* picker;
        const char* entered;
        std::vector<std::string> after;
        const char* shown; // the current draw afterwards
    } cases[] = {
        {"correcting keeps length and order",
         "09.11.2023",
         "09.11.2023 33 3 25 11 40 17 D4",
         {kHistory[0], "09.11.2023 3 11 17 25 33 40 D4", kHistory[2]},
         "09.11.2023"},
        {"a date between two draws from a later draw",
         "13.11.2023",
         "10.11.2023 20 21 22 23 24 25 D5",
         {kHistory[0], kHistory[1], "10.11.2023 20 21 22 23 24 25 D5", kHistory[2]},
         "13.11.2023"},
        {"after the last draw: shown stays the draw it started from",
         "13.11.2023",
         "16.11.2023 20 21 22 23 24 25 D5",
         {kHistory[0], kHistory[1], kHistory[2], "16.11.2023 20 21 22 23 24 25 D5"},
         "13.11.2023"},
        // the dialog started from a draw that is not the last: merged, never written over the next draw
        {"after a draw that is not the last",
         "06.11.2023",
         "12.11.2023 20 21 22 23 24 25 D5",
         {kHistory[0], kHistory[1], "12.11.2023 20 21 22 23 24 25 D5", kHistory[2]},
         "06.11.2023"},
    };
    for (const auto& c : cases) {
        Maintenance m;
        m.enter(c.picker, c.entered);
        EXPECT_EQ(m.stored(), drawsFromText(c.after)) << c.name;
        EXPECT_EQ(formatDate(toDay(m.app.current.datum1)), c.shown) << c.name;
    }
}

TEST(DrawMaintenance, TheFirstDrawGoesIntoAnEmptyFile)
{
    AppFixture f;
    f.app.drawFile().createEmpty();
    enterDraw(f.app, drawFromText("09.11.2023 3 11 17 25 33 40 D2"));
    EXPECT_EQ(f.app.drawFile().readAll(), drawsFromText({"09.11.2023 3 11 17 25 33 40 D2"}));
    AppFixture none;
    enterDraw(none.app, drawFromText("09.11.2023 3 11 17 25 33 40 D2"));
    EXPECT_EQ(none.app.drawFile().readAll().size(), 1u);
}

TEST(DrawMaintenance, ValuesOutsideTheModelAreRefused)
{
    for (const char* bad : {"16.11.2023 41 2 3 4 5 6 D1", "16.11.2023 0 2 3 4 5 6 D1", "16.11.2023 1 2 3 4 5 6 D6",
                            "16.11.2023 1 2 3 4 5 6 D0", "16.11.2023 1 2 3 4 5 5 D1"}) {
        Maintenance m;
        const std::string before = m.dir.read("ZahlenSN.dat");
        EXPECT_THROW(enterDraw(m.app, drawFromText(bad)), Error) << bad;
        EXPECT_EQ(m.dir.read("ZahlenSN.dat"), before) << bad;
    }
}

TEST(DrawMaintenance, DeletingAsksFirstAndRemovesEveryRecordOfTheDate)
{
    Maintenance m;
    m.draws({kHistory[0], kHistory[1], "09.11.2023 20 21 22 23 24 25 D4", kHistory[2]});
    m.app.setEndDay(day("09.11.2023"));
    evaluateForDate(m.app);

    m.dialogs.yesNoAnswers = {false};
    EXPECT_FALSE(deleteShownDraw(m.app));
    EXPECT_EQ(m.stored().size(), 4u);
    EXPECT_EQ(m.dialogs.shown.back(),
              "Die Ziehung vom 09.11.2023 (7 8 9 10 11 12, Traumzahl 2) wird aus der Datenbank gelöscht. Fortfahren?");

    EXPECT_TRUE(deleteShownDraw(m.app));
    EXPECT_EQ(m.stored(), drawsFromText({kHistory[0], kHistory[2]}));
    // the following draw is current now
    EXPECT_EQ(m.app.current.datum1, day("13.11.2023"));
    EXPECT_EQ(m.feedback.busyDepth, 0);

    // deleting the last draw makes the one before it current
    EXPECT_TRUE(deleteShownDraw(m.app));
    EXPECT_EQ(m.app.current.datum1, day("06.11.2023"));
}

TEST(DrawMaintenance, NothingShownNothingDeleted)
{
    AppFixture f;
    f.app.drawFile().createEmpty();
    EXPECT_FALSE(deleteShownDraw(f.app));
    EXPECT_EQ(f.dialogs.shown,
              std::vector<std::string>{"Es wird keine Ziehung angezeigt, die gelöscht werden könnte."});
}

TEST(DrawMaintenance, AFailedReplaceLeavesTheOldFileAndReportsIt)
{
    const struct {
        const char* name;
        const char* blocked; // the temporary name taken by a folder
        std::function<void(Session&)> write;
    } cases[] = {
        {"entry", "ZahlenSN.dat~", [](Session& s) { enterDraw(s, drawFromText("16.11.2023 1 2 3 4 5 6 D1")); }},
        {"deletion", "Zahlen.da~", [](Session& s) { deleteDay(s, day("09.11.2023")); }},
        {"import", "ZahlenSN.dat~",
         [](Session& s) { importCsv(s, "16.11.2023;1;2;3;4;5;6;1\n", CsvColumns{}, false); }},
    };
    for (const auto& c : cases) {
        Maintenance m;
        const std::string before = m.dir.read("ZahlenSN.dat");
        std::filesystem::create_directory(m.dir.file(c.blocked));
        EXPECT_THROW(c.write(m.app), IoError) << c.name;
        EXPECT_EQ(m.dir.read("ZahlenSN.dat"), before) << c.name;
        EXPECT_TRUE(std::filesystem::is_directory(m.dir.file(c.blocked))) << c.name;
    }
}

TEST(DrawMaintenance, ImportWritesOnlyWhenSomethingChanged)
{
    Maintenance m;
    const std::string file = "Datum;Z1;Z2;Z3;Z4;Z5;Z6;T\n"
                             "16.11.2023;1;2;3;4;5;6;1\n"
                             "2023-11-09;7;8;9;10;11;12;2\n"
                             "06.11.2023;1;2;3;4;5;9;1\n"
                             "20.11.2023;41;2;3;4;5;6;1\n";
    const ImportSummary s = importCsv(m.app, file, CsvColumns{}, false);
    EXPECT_EQ(s.added, 1);
    EXPECT_EQ(s.unchanged, 1);
    EXPECT_EQ(s.conflicts.size(), 1u);
    EXPECT_EQ(s.rejected.size(), 1u);
    EXPECT_EQ(m.stored(), drawsFromText({kHistory[0], kHistory[1], kHistory[2], "16.11.2023 1 2 3 4 5 6 D1"}));
    const uint64_t g = DrawFile::generation();
    importCsv(m.app, file, CsvColumns{}, false);
    EXPECT_EQ(DrawFile::generation(), g);
}

TEST(DrawMaintenance, ExportAndCheck)
{
    Maintenance m;
    exportCsv(m.app, m.dir.file("out.csv"));
    EXPECT_EQ(m.dir.read("out.csv"), "Datum;Zahl1;Zahl2;Zahl3;Zahl4;Zahl5;Zahl6;Traumzahl\n"
                                     "06.11.2023;1;2;3;4;5;6;1\n09.11.2023;7;8;9;10;11;12;2\n"
                                     "13.11.2023;13;14;15;16;17;18;3\n");
    EXPECT_TRUE(checkDrawCalendar(m.app).empty());
    m.draws({kHistory[0], kHistory[2], kHistory[2]});
    EXPECT_EQ(findingLines(checkDrawCalendar(m.app)),
              (std::vector<std::string>{"missing: 09.11.2023", "twice: 13.11.2023"}));
}
