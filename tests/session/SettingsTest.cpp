#include "session/Settings.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "ground/Formats.h"
#include "session/LottoZahlen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zf;
using namespace zf::test;

namespace {

struct StartFixture : ::testing::Test {
    FakeSettings store;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeFeedback feedback;
    TempDir dir;
    Ports ports() { return {&store, &clock, &dialogs, &feedback, nullptr, nullptr, nullptr}; }
};

} // namespace

TEST_F(StartFixture, FirstStartShowsEveryDefault)
{
    LottoZahlen app(ports());
    app.prepareStart(dir.home());
    EXPECT_EQ(app.laufMax, 50000);
    EXPECT_EQ(app.dateTimePicker2(), kFirstDrawDay);
    EXPECT_EQ(app.dateTimePicker1, clock.day);
    EXPECT_TRUE(app.sortieren);
    EXPECT_TRUE(app.options().flag("CheckBox3"));
    EXPECT_FALSE(app.options().flag("CheckBox1"));
    EXPECT_EQ(app.options().integer("UpDown6"), 5);
    EXPECT_EQ(app.options().text("ProxyPortEdit"), "80");
    EXPECT_EQ(app.sheet().dream(0), "-");

    app.saveSettings(true);
    EXPECT_EQ(store.writeOrder, saveOrder(true));
    EXPECT_EQ(store.writeOrder.size(), 1u + 34 + 1 + 2 + 4 + 20 + 84 + 14 + 5 + 6 + 1);
}

TEST_F(StartFixture, SavedValuesComeBack)
{
    {
        LottoZahlen app(ports());
        app.prepareStart(dir.home());
        app.options().setFlag("CheckBox1", true);
        app.options().setInt("UpDown7", 7);
        app.options().setText("Edit81", "0,75");
        app.options().setInt("RadioGroup1", 2);
        app.options().setDate("DateTimePicker2", kFirstDrawDay + 100);
        app.sheet().setCell(12, 5, "33");
        app.sheet().setDream(3, "4");
        app.saveSettings(true);
    }
    LottoZahlen again(ports());
    again.prepareStart(dir.home());
    EXPECT_TRUE(again.options().flag("CheckBox1"));
    EXPECT_EQ(again.laufMax, 7000);
    EXPECT_EQ(again.options().text("Edit81"), "0,75");
    EXPECT_EQ(again.options().integer("RadioGroup1"), 2);
    EXPECT_EQ(again.dateTimePicker2(), kFirstDrawDay + 100);
    EXPECT_EQ(again.sheet().cell(12, 5), "33");
    EXPECT_EQ(store.values.count("Edit106"), 1u);
    EXPECT_EQ(again.sheet().dream(3), "4");
}

TEST_F(StartFixture, StartUpRulesRepairStoredState)
{
    store.values["Chekcbox16"] = false;
    store.values["Chekcbox17"] = false;
    store.values["Winsound"] = std::string("x"); // ends the first group right after the weekday flags
    store.values["ProxyHostEdit"] = std::string();
    store.values["ProxyPortEdit"] = std::string("8080");
    store.values["DateTimePicker2"] = static_cast<double>(clock.day - 3);
    store.values["Edit1"] = std::string("07");
    store.values["Edit2"] = std::string("x");
    store.values["UpDown6"] = 99; // the spin control clamps
    LottoZahlen app(ports());
    app.prepareStart(dir.home());
    EXPECT_TRUE(app.options().flag("CheckBox16"));
    EXPECT_TRUE(app.options().flag("CheckBox17"));
    EXPECT_EQ(app.options().text("ProxyPortEdit"), "80");
    EXPECT_EQ(app.dateTimePicker2(), kFirstDrawDay);
    EXPECT_EQ(app.sheet().cell(0, 0), "7");
    EXPECT_EQ(app.sheet().cell(0, 1), "");
    EXPECT_EQ(app.options().integer("UpDown6"), 6);
}

TEST_F(StartFixture, WrongKindEndsOnlyItsGroup)
{
    store.values["Chekcbox2"] = std::string("kaputt"); // group 1 ends here
    store.values["Chekcbox3"] = false;
    store.values["Chekcbox20"] = true;
    store.values["RadioGroup1"] = std::string("x"); // falls back to the default
    store.values["UpDown3"] = std::string("x");     // group 3 ends here
    store.values["UpDown1"] = 60;
    store.values["UpDown4"] = 5;
    store.values["ScheinBild"] = 3; // wrong kind: the slip values keep their defaults
    store.values["EINPREIS"] = std::string("2,00");
    store.values["DateTimePicker2"] = std::string("nonsense");
    LottoZahlen app(ports());
    app.prepareStart(dir.home());
    EXPECT_TRUE(app.options().flag("CheckBox3"));
    EXPECT_FALSE(app.options().flag("CheckBox20"));
    EXPECT_EQ(app.options().integer("RadioGroup1"), 0);
    EXPECT_EQ(app.options().integer("UpDown1"), 60);
    EXPECT_EQ(app.options().integer("UpDown4"), 0);
    EXPECT_EQ(app.options().text("ScheinBild"), "Romande");
    EXPECT_EQ(app.options().text("Edit82"), "2,00");
    EXPECT_EQ(app.dateTimePicker2(), kFirstDrawDay);
}

TEST_F(StartFixture, DamagedStoredDateFallsBackToTheFirstDraw)
{
    for (double damaged : {std::nan(""), 1e300, -1e300, 3e9}) {
        store.values["DateTimePicker2"] = damaged;
        LottoZahlen app(ports());
        app.prepareStart(dir.home());
        EXPECT_EQ(app.dateTimePicker2(), kFirstDrawDay) << damaged;
        EXPECT_EQ(app.aktDatum, kFirstDrawDay) << damaged;
    }
}

TEST_F(StartFixture, MaximizedWindowKeepsStoredSizeAndFailedWriteEndsSaving)
{
    store.values["height"] = 640;
    LottoZahlen app(ports());
    app.prepareStart(dir.home());
    app.options().setInt("height", 900);
    app.saveSettings(false);
    EXPECT_EQ(std::get<int>(store.values["height"]), 640);

    store.writeOrder.clear();
    store.failWritesFrom = "Sprache";
    app.saveSettings(true);
    EXPECT_EQ(store.writeOrder.back(), "width");
}

TEST_F(StartFixture, SetStoredValueUsesEachKind)
{
    LottoZahlen app(ports());
    EXPECT_TRUE(setStoredValue(app, "Chekcbox4", "0"));
    EXPECT_FALSE(app.options().flag("CheckBox4"));
    EXPECT_TRUE(setStoredValue(app, "UpDown4", "3"));
    EXPECT_EQ(app.options().integer("UpDown4"), 3);
    EXPECT_TRUE(setStoredValue(app, "DateTimePicker2", "01.02.2024"));
    EXPECT_EQ(app.options().date("DateTimePicker2"), *parseDate("01.02.2024"));
    EXPECT_TRUE(setStoredValue(app, "Edit96", "12"));
    EXPECT_EQ(app.sheet().cell(12, 0), "12");
    EXPECT_TRUE(setStoredValue(app, "Combobox14", "5"));
    EXPECT_EQ(app.sheet().dream(13), "5");
    EXPECT_FALSE(setStoredValue(app, "Nonsense", "1"));
    EXPECT_FALSE(setStoredValue(app, "UpDown4", "drei"));
    const auto values = storedValues(app);
    EXPECT_EQ(values.front(), (std::pair<std::string, std::string>{"Papierformat", "0"}));
    EXPECT_EQ(values.back(), (std::pair<std::string, std::string>{"ScheinBild", "Romande"}));
}

TEST_F(StartFixture, MessageCatalogueFollowsTheStoredLanguage)
{
    std::filesystem::create_directories(dir.file("land"));
    dir.write("land/meldungen.txt.de", "\xEF\xBB\xBFnull\r\neins\r\n\r\ndrei");
    dir.write("land/meldungen.txt.en", "zero\n");
    LottoZahlen app(ports());
    EXPECT_EQ(app.msg(0), "Memo2");
    EXPECT_EQ(app.msg(1), "");
    app.prepareStart(dir.home());
    EXPECT_EQ(app.msg(0), "null");
    EXPECT_EQ(app.msg(2), "");
    EXPECT_EQ(app.msg(3), "drei");
    EXPECT_EQ(app.msg(99), "");

    store.values["Sprache"] = 42; // no handler: placeholder stays
    LottoZahlen other(ports());
    other.prepareStart(dir.home());
    EXPECT_EQ(other.msg(0), "Memo2");
}
