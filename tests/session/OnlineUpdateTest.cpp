#include "session/OnlineUpdate.h"

#include "fakes/SheetText.h"
#include "ground/Error.h"
#include "rules/DrawUpdate.h"
#include "rules/UpdateService.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zf;
using namespace zf::test;

namespace {

int day(const char* text)
{
    return *parseDate(text);
}

std::string requestedDate(const HttpRequest& r)
{
    return formatDate(*parseCompactDate(r.target.substr(r.target.size() - 8)));
}

// The program against a server that knows `published` draws; today is `today`.
struct UpdateFixture : AppFixture {
    std::vector<Draw> published;
    std::vector<UpdateStep> steps;
    FakeProgress progress;
    CancelFlag cancel{false};

    UpdateFixture(const char* today, const std::vector<Draw>& serverDraws) : published(serverDraws)
    {
        clock.day = day(today);
        app.setEndDay(clock.day);
        http.answer = [this](const HttpRequest& r) -> HttpResponse {
            const ServiceAnswer a = answerDrawRequest(r.target, DrawAnswers(published));
            return {a.status, a.status == 200 ? "OK" : "Internal Server Error", a.body, ""};
        };
    }
    UpdateResult run()
    {
        return runUpdate(app, progress, cancel, [this](const UpdateStep& s) { steps.push_back(s); });
    }
    std::vector<std::string> requested() const
    {
        std::vector<std::string> v;
        for (const auto& r : http.requests())
            v.push_back(requestedDate(r));
        return v;
    }
    std::vector<Draw> stored() const { return app.drawFile().readAll(); }
};

} // namespace

TEST(OnlineUpdate, AnEmptyFileFillsUpToToday)
{
    const auto history = randomDraws(60, 4);
    // today is the day after the last published draw
    UpdateFixture f(formatDate(toDay(history.back().datum) + 1).c_str(), history);
    const UpdateResult r = f.run();
    EXPECT_EQ(f.stored(), history);
    EXPECT_EQ(r.requests, 60);
    EXPECT_EQ(r.appended, 60);
    EXPECT_FALSE(r.message);
    EXPECT_EQ(f.requested().front(), "06.11.2023");
    // the evaluation ends on the latest draw
    EXPECT_EQ(f.app.current.datum1, history.back().datum);
    EXPECT_EQ(f.app.drawLabels.label35, f.app.drawLabels.label29);
    EXPECT_EQ(f.feedback.status[0], "Received " + std::to_string(updateLine(history.back()).size() + 2) + " bytes");
    EXPECT_EQ(f.feedback.status[1], "Keine Gewähr für die Richtigkeit der Zahlen!");
    EXPECT_EQ(f.progress.lastN, 60);
    EXPECT_EQ(f.progress.texts.back(), "Ziehung vom " + formatDate(toDay(history.back().datum)) + " (60 von 60)");
}

TEST(OnlineUpdate, RequestsCarryTheProtocolsHeadersAndTheProxy)
{
    UpdateFixture f("09.11.2023", {});
    f.app.options().setText(Opt::ServerEdit, "http://update.example:81/base");
    f.app.options().setText(Opt::ProxyHostEdit, "proxy.local");
    f.app.options().setText(Opt::ProxyPortEdit, "3128");
    f.draws({"06.11.2023 1 2 3 4 5 6 D1"});
    f.run();
    const auto requests = f.http.requests();
    ASSERT_EQ(requests.size(), 1u);
    const HttpRequest& r = requests[0];
    EXPECT_EQ(r.host, "update.example");
    EXPECT_EQ(r.port, 81);
    EXPECT_EQ(r.target, "/base/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109");
    EXPECT_EQ(r.proxyHost, "proxy.local");
    EXPECT_EQ(r.proxyPort, 3128);
    EXPECT_EQ(r.headers, (std::vector<std::pair<std::string, std::string>>{
                             {"Accept", "text/html, */*"}, {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}));
}

TEST(OnlineUpdate, FromTheLastStoredDrawToToday)
{
    const struct {
        const char* name;
        const char* lastStored;
        const char* today;
        std::vector<std::string> requested;
    } cases[] = {
        {"a Thursday gets exactly the following Monday", "16.11.2023", "20.11.2023", {"20.11.2023"}},
        {"today's Monday stored: nothing to ask", "20.11.2023", "20.11.2023", {}},
        {"a week later", "16.11.2023", "29.11.2023", {"20.11.2023", "23.11.2023", "27.11.2023"}},
    };
    for (const auto& c : cases) {
        UpdateFixture f(c.today, randomDraws(40, 1));
        f.draws({std::string(c.lastStored) + " 1 2 3 4 5 6 D1"});
        f.run();
        EXPECT_EQ(f.requested(), c.requested) << c.name;
    }
}

TEST(OnlineUpdate, RecordsCarryTheLastStoredDrawsTicketBytes)
{
    UpdateFixture f("20.11.2023", drawsFromText({"20.11.2023 3 11 17 25 33 40 D2"}));
    f.draws({"16.11.2023 1 2 3 4 5 6 Z9 D1 R4 T123456"});
    f.run();
    EXPECT_EQ(f.stored().back(), drawFromText("20.11.2023 3 11 17 25 33 40 D2 R4 T123456"));
}

TEST(OnlineUpdate, StatusAnswersGoOnWithTheNextDate)
{
    UpdateFixture f("27.11.2023", {});
    f.draws({"16.11.2023 1 2 3 4 5 6 D1"});
    f.http.answer = [](const HttpRequest& r) -> HttpResponse {
        const std::string d = requestedDate(r);
        if (d == "20.11.2023")
            return {500, "Internal Server Error", "", ""};
        if (d == "23.11.2023")
            return {404, "Not Found", "x", ""};
        return {200, "OK", "x,1,2,3,4,5,6,1;\r\nx,7,8,9,10,11,12,2;\r\n", ""};
    };
    const UpdateResult r = f.run();
    ASSERT_EQ(f.steps.size(), 3u);
    EXPECT_EQ(f.steps[0].panel0, "20.11.2023 noch nicht da!");
    EXPECT_EQ(f.steps[1].panel0, "Failed : 404 Not Found");
    EXPECT_EQ(f.steps[2].appended, 2);
    EXPECT_FALSE(r.message);
    // a body of two lines appends two records of the requested date
    EXPECT_EQ(f.stored(), drawsFromText({"16.11.2023 1 2 3 4 5 6 D1", "27.11.2023 1 2 3 4 5 6 D1",
                                         "27.11.2023 7 8 9 10 11 12 D2"}));
}

TEST(OnlineUpdate, AnUnusableLineEndsTheRunAfterTheLinesBeforeIt)
{
    const struct {
        const char* name;
        const char* body;
        const char* message;
        size_t stored;
    } cases[] = {
        {"a plain message from the server", "Der Server wird gewartet.", "Der Server wird gewartet.", 1},
        {"a line without its dream number", "x,1,2,3,4,5,6,1;\r\nx,7,8,9,10,11,12", "12", 2},
        {"a number 41", "x,1,2,3,4,5,6,1;\r\nx,41,8,9,10,11,12,2;",
         "Die Zeile \"x,41,8,9,10,11,12,2;\" für die Ziehung vom 20.11.2023 wird nicht gespeichert: Die Zahl 41 "
         "liegt nicht zwischen 1 und 40. Die Aktualisierung wurde beendet.",
         2},
        {"a dream number 6", "x,1,2,3,4,5,6,6;", nullptr, 1},
        {"a repeated number", "x,1,2,3,4,5,5,1;", nullptr, 1},
    };
    for (const auto& c : cases) {
        UpdateFixture f("27.11.2023", {});
        f.draws({"16.11.2023 1 2 3 4 5 6 D1"});
        f.http.answer = [&](const HttpRequest&) -> HttpResponse { return {200, "OK", c.body, ""}; };
        const UpdateResult r = f.run();
        EXPECT_EQ(f.requested(), std::vector<std::string>{"20.11.2023"}) << c.name;
        ASSERT_TRUE(r.message) << c.name;
        if (c.message) {
            EXPECT_EQ(*r.message, c.message) << c.name;
        }
        EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{*r.message}) << c.name;
        EXPECT_EQ(f.stored().size(), c.stored) << c.name;
        // the evaluation ran: the picker shows the latest stored draw
        EXPECT_EQ(f.app.endDay, f.stored().back().datum) << c.name;
    }
}

TEST(OnlineUpdate, TheStopFlagStopsBeforeTheNextRequest)
{
    UpdateFixture f("27.11.2023", drawsFromText({"20.11.2023 1 2 3 4 5 6 D1", "23.11.2023 7 8 9 10 11 12 D2"}));
    f.draws({"16.11.2023 1 2 3 4 5 6 D1"});
    // the press lands while the first request runs
    f.http.answer = [&, inner = f.http.answer](const HttpRequest& r) {
        f.cancel = true;
        return inner(r);
    };
    const UpdateResult r = f.run();
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(f.requested(), std::vector<std::string>{"20.11.2023"});
    EXPECT_EQ(f.stored().size(), 2u);
    EXPECT_FALSE(r.message);
}

TEST(OnlineUpdate, NoResponseEndsTheRunInOrder)
{
    const struct {
        const char* name;
        const char* server;
        const char* proxyHost;
        const char* proxyPort;
        bool throws;
        const char* messageStart;
        size_t requests;
    } cases[] = {
        {"no connection", "http://127.0.0.1:8080", "", "80", true, "Keine Antwort vom Update-Server 127.0.0.1:8080", 1},
        {"a proxy port that is no number", "http://127.0.0.1:8080", "proxy.local", "achtzig", false,
         "Der Proxy-Port \"achtzig\"", 0},
        {"a proxy port out of range", "http://127.0.0.1:8080", "proxy.local", "70000", false, "Der Proxy-Port", 0},
        {"a bad server address", "https://update.example", "", "80", false,
         "Die Adresse des Update-Servers \"https://update.example\"", 0},
    };
    for (const auto& c : cases) {
        UpdateFixture f("27.11.2023", {});
        f.draws({"16.11.2023 1 2 3 4 5 6 D1"});
        f.app.options().setText(Opt::ServerEdit, c.server);
        f.app.options().setText(Opt::ProxyHostEdit, c.proxyHost);
        f.app.options().setText(Opt::ProxyPortEdit, c.proxyPort);
        if (c.throws)
            f.http.answer = [](const HttpRequest&) -> HttpResponse {
                throw Error(Text::ConnectionFailed, {"127.0.0.1:8080", "Connection refused"});
            };
        const UpdateResult r = f.run();
        ASSERT_TRUE(r.message) << c.name;
        EXPECT_EQ(r.message->rfind(c.messageStart, 0), 0u) << *r.message;
        EXPECT_EQ(f.http.requests().size(), c.requests) << c.name;
        EXPECT_EQ(f.dialogs.shown, std::vector<std::string>{*r.message}) << c.name;
        EXPECT_TRUE(f.dialogs.errors.empty()) << c.name;
        // evaluation ran on the stored draw
        EXPECT_EQ(f.app.current.datum1, day("16.11.2023")) << c.name;
    }
}

TEST(OnlineUpdate, AFailedWriteKeepsTheStoredDrawsAndEndsInOrder)
{
    UpdateFixture f("20.11.2023", drawsFromText({"20.11.2023 3 11 17 25 33 40 D2"}));
    f.draws({"16.11.2023 1 2 3 4 5 6 D1"});
    const std::string before = f.dir.read("ZahlenSN.dat");
    // the temporary name is taken by a folder, so the rewrite cannot replace the file
    std::filesystem::create_directory(f.dir.file("ZahlenSN.dat~"));
    const UpdateResult r = f.run();
    ASSERT_TRUE(r.message);
    EXPECT_NE(r.message->find("E/A-Fehler"), std::string::npos) << *r.message;
    EXPECT_EQ(f.dir.read("ZahlenSN.dat"), before);
}

TEST(OnlineUpdate, AMissingFileIsCreatedFirst)
{
    UpdateFixture f("07.11.2023", {});
    EXPECT_FALSE(f.app.drawFile().exists());
    f.run();
    EXPECT_TRUE(f.app.drawFile().exists());
    EXPECT_EQ(f.requested(), std::vector<std::string>{"06.11.2023"});
    EXPECT_TRUE(f.dialogs.shown.empty());
}
