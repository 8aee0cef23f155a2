#include "session/Settings.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "ground/Formats.h"
#include "session/Session.h"

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
    Session app(ports());
    app.prepareStart(dir.home());
    EXPECT_EQ(app.runBudget(), 50000);
    EXPECT_EQ(app.windowStart(), kFirstDrawDay);
    EXPECT_EQ(app.endDay, clock.day);
    EXPECT_TRUE(app.sortieren);
    EXPECT_TRUE(app.options().flag(Opt::CheckBox3));
    EXPECT_FALSE(app.options().flag(Opt::CheckBox1));
    EXPECT_EQ(app.options().integer(Opt::UpDown6), 5);
    EXPECT_EQ(app.options().text(Opt::ProxyPortEdit), "80");
    EXPECT_EQ(app.sheet().dream(0), "-");

    app.saveSettings(true);
    EXPECT_EQ(store.writeOrder, saveOrder(true));
    // the update server's address follows the proxy
    EXPECT_EQ(store.writeOrder.size(), 1u + 34 + 1 + 2 + 4 + 20 + 84 + 14 + 5 + 1 + 6 + 1);
}

TEST_F(StartFixture, SavedValuesComeBack)
{
    {
        Session app(ports());
        app.prepareStart(dir.home());
        app.options().setFlag(Opt::CheckBox1, true);
        app.options().setInt(Opt::UpDown7, 7);
        app.options().setText(Opt::Edit81, "0,75");
        app.options().setInt(Opt::RadioGroup1, 2);
        app.options().setDate(Opt::DateTimePicker2, kFirstDrawDay + 100);
        app.sheet().setCell(12, 5, "33");
        app.sheet().setDream(3, "4");
        app.saveSettings(true);
    }
    Session again(ports());
    again.prepareStart(dir.home());
    EXPECT_TRUE(again.options().flag(Opt::CheckBox1));
    EXPECT_EQ(again.runBudget(), 7000);
    EXPECT_EQ(again.options().text(Opt::Edit81), "0,75");
    EXPECT_EQ(again.options().integer(Opt::RadioGroup1), 2);
    EXPECT_EQ(again.windowStart(), kFirstDrawDay + 100);
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
    Session app(ports());
    app.prepareStart(dir.home());
    EXPECT_TRUE(app.options().flag(Opt::CheckBox16));
    EXPECT_TRUE(app.options().flag(Opt::CheckBox17));
    EXPECT_EQ(app.options().text(Opt::ProxyPortEdit), "80");
    EXPECT_EQ(app.windowStart(), kFirstDrawDay);
    EXPECT_EQ(app.sheet().cell(0, 0), "7");
    EXPECT_EQ(app.sheet().cell(0, 1), "");
    EXPECT_EQ(app.options().integer(Opt::UpDown6), 6);
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
    Session app(ports());
    app.prepareStart(dir.home());
    EXPECT_TRUE(app.options().flag(Opt::CheckBox3));
    EXPECT_FALSE(app.options().flag(Opt::CheckBox20));
    EXPECT_EQ(app.options().integer(Opt::RadioGroup1), 0);
    EXPECT_EQ(app.options().integer(Opt::UpDown1), 60);
    EXPECT_EQ(app.options().integer(Opt::UpDown4), 0);
    EXPECT_EQ(app.options().text(Opt::ScheinBild), "Romande");
    EXPECT_EQ(app.options().text(Opt::Edit82), "2,00");
    EXPECT_EQ(app.windowStart(), kFirstDrawDay);
}

TEST_F(StartFixture, DamagedStoredDateFallsBackToTheFirstDraw)
{
    for (double damaged : {std::nan(""), 1e300, -1e300, 3e9}) {
        store.values["DateTimePicker2"] = damaged;
        Session app(ports());
        app.prepareStart(dir.home());
        EXPECT_EQ(app.windowStart(), kFirstDrawDay) << damaged;
        EXPECT_EQ(app.aktDatum, kFirstDrawDay) << damaged;
    }
}

TEST_F(StartFixture, MaximizedWindowKeepsStoredSizeAndFailedWriteEndsSaving)
{
    store.values["height"] = 640;
    Session app(ports());
    app.prepareStart(dir.home());
    app.options().setInt(Opt::height, 900);
    app.saveSettings(false);
    EXPECT_EQ(std::get<int>(store.values["height"]), 640);

    store.writeOrder.clear();
    store.failWritesFrom = "Sprache";
    app.saveSettings(true);
    EXPECT_EQ(store.writeOrder.back(), "width");
}

TEST_F(StartFixture, SetStoredValueUsesEachKind)
{
    Session app(ports());
    EXPECT_TRUE(setStoredValue(app, "Chekcbox4", "0"));
    EXPECT_FALSE(app.options().flag(Opt::CheckBox4));
    EXPECT_TRUE(setStoredValue(app, "UpDown4", "3"));
    EXPECT_EQ(app.options().integer(Opt::UpDown4), 3);
    EXPECT_TRUE(setStoredValue(app, "DateTimePicker2", "01.02.2024"));
    EXPECT_EQ(app.options().date(Opt::DateTimePicker2), *parseDate("01.02.2024"));
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

// The even and odd minimums ask for at most six numbers together, and the
// minimum overlap with other tips stays at or below the maximum: whichever
// way a value arrives. Setting clamps against the partner as it stands;
// loading takes the stored pair as a whole, so a valid pair arrives unchanged
// whatever the values before were.
TEST_F(StartFixture, CoupledOptionsStayInsideTheirLimits)
{
    struct Pair {
        int first, second;
        bool operator==(const Pair&) const = default;
    };
    struct Case {
        const char* name;
        Opt first, second; // loading reads first before second
        Pair before;       // a valid state to start from
        Pair given;
        Pair afterSetting; // given set first, then second
        Pair afterLoading;
    };
    const Case cases[] = {
        {"valid even/odd pair", Opt::UpDown15, Opt::UpDown16, {2, 2}, {5, 1}, {4, 1}, {5, 1}},
        {"valid pair against the opposite before", Opt::UpDown15, Opt::UpDown16, {0, 6}, {5, 1}, {0, 1}, {5, 1}},
        {"valid pair the other way round", Opt::UpDown15, Opt::UpDown16, {6, 0}, {1, 5}, {1, 5}, {1, 5}},
        {"too many even and odd", Opt::UpDown15, Opt::UpDown16, {2, 2}, {6, 6}, {4, 2}, {6, 0}},
        {"valid overlap pair", Opt::UpDown3, Opt::UpDown9, {2, 0}, {5, 4}, {5, 4}, {5, 4}},
        {"valid overlap pair below the before", Opt::UpDown3, Opt::UpDown9, {5, 5}, {1, 1}, {5, 1}, {1, 1}},
        {"minimum above the maximum", Opt::UpDown3, Opt::UpDown9, {2, 0}, {1, 5}, {1, 1}, {1, 1}},
    };
    auto pair = [](const Session& app, const Case& c) {
        return Pair{app.options().integer(c.first), app.options().integer(c.second)};
    };
    auto inside = [](const Session& app) {
        const Options& o = app.options();
        return o.integer(Opt::UpDown15) + o.integer(Opt::UpDown16) <= 6 &&
               o.integer(Opt::UpDown9) <= o.integer(Opt::UpDown3);
    };
    auto name = [](Opt key) { return std::string(kOptNames[index(key)]); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string paths[] = {"setInt", "setStoredValue", "loadSettings"};
        for (const std::string& path : paths) {
            SCOPED_TRACE(path);
            Session app(ports());
            app.options().setInt(index(c.first), c.before.first, false);
            app.options().setInt(index(c.second), c.before.second, false);
            ASSERT_TRUE(inside(app));
            ASSERT_EQ(pair(app, c), c.before);
            if (path == "setInt") {
                app.options().setInt(c.first, c.given.first);
                app.options().setInt(c.second, c.given.second);
            } else if (path == "setStoredValue") {
                EXPECT_TRUE(setStoredValue(app, name(c.first), std::to_string(c.given.first)));
                EXPECT_TRUE(setStoredValue(app, name(c.second), std::to_string(c.given.second)));
            } else {
                FakeSettings stored;
                stored.values[name(c.first)] = c.given.first;
                stored.values[name(c.second)] = c.given.second;
                loadSettings(app, stored);
            }
            EXPECT_TRUE(inside(app));
            EXPECT_EQ(pair(app, c), path == "loadSettings" ? c.afterLoading : c.afterSetting);
        }
    }

    // without the couplings a value is only clamped to its range; normalize brings the pairs back
    Options o;
    o.setInt(index(Opt::UpDown15), 9, false);
    o.setInt(index(Opt::UpDown9), 5, false);
    EXPECT_EQ(o.integer(Opt::UpDown15), 6);
    EXPECT_EQ(o.integer(Opt::UpDown9), 5);
    std::vector<int> changed;
    o.addListener([&](int i) { changed.push_back(i); });
    o.normalize();
    EXPECT_EQ(o.integer(Opt::UpDown15), 6);
    EXPECT_EQ(o.integer(Opt::UpDown16), 0);
    EXPECT_EQ(o.integer(Opt::UpDown9), 2);
    EXPECT_EQ(o.integer(Opt::UpDown3), 2);
    EXPECT_EQ(changed, (std::vector<int>{index(Opt::UpDown16), index(Opt::UpDown9)}));
    o.normalize();
    EXPECT_EQ(changed.size(), 2u); // a normal state stays as it is
}

TEST_F(StartFixture, MessageCatalogueFollowsTheStoredLanguage)
{
    std::filesystem::create_directories(dir.file("land"));
    dir.write("land/meldungen.txt.de", "\xEF\xBB\xBFnull\r\neins\r\n\r\ndrei");
    dir.write("land/meldungen.txt.en", "zero\n");
    dir.write("land/bezeichch.txt", ""); // without it no language applies
    Session app(ports());
    const std::string builtIn = "H\xC3\xA4ufigkeit der Zahlen";
    EXPECT_EQ(app.msg(Msg::NumbersTitle), builtIn);
    EXPECT_EQ(app.msg(Msg::Draws), "Ziehungen");
    app.prepareStart(dir.home());
    EXPECT_EQ(app.msg(Msg::NumbersTitle), "null");
    EXPECT_EQ(app.msg(Msg::DreamTitle), "drei");
    // what the catalogue lacks or leaves blank is never shown blank
    EXPECT_EQ(app.msg(Msg::AverageCrossSum), Messages::builtIn()[2]);
    EXPECT_EQ(app.msg(Msg::GameName), Messages::builtIn().back());
    EXPECT_EQ(app.messages()[99], "");

    for (const int sprache : {42, 3}) { // no handler; a language without files
        store.values["Sprache"] = sprache;
        Session other(ports());
        other.prepareStart(dir.home());
        EXPECT_EQ(other.msg(Msg::NumbersTitle), builtIn) << sprache;
    }
    // a catalogue that is a folder
    std::filesystem::remove(dir.file("land/meldungen.txt.de"));
    std::filesystem::create_directories(dir.file("land/meldungen.txt.de"));
    store.values["Sprache"] = 0;
    Session folder(ports());
    folder.prepareStart(dir.home());
    EXPECT_EQ(folder.msg(Msg::NumbersTitle), builtIn);
}

TEST_F(StartFixture, StartUpRemovesTheTemporariesOfAnInterruptedWrite)
{
    const char* const names[] = {"ZahlenSN.dat~", "Zahlen.da~", "ZahlenSN.dat.tmp~", "Tipp.txt.tmp~"};
    for (const char* name : names)
        dir.write(name, "half");
    dir.write("Meine.ztp", "kept");
    Session app(ports());
    app.prepareStart(dir.home());
    for (const char* name : names)
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
    EXPECT_EQ(dir.read("Meine.ztp"), "kept");
}
