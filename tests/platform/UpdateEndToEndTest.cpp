#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "platform/HttpClient.h"
#include "platform/LoopbackServer.h"
#include "rules/DrawUpdate.h"
#include "session/OnlineUpdate.h"
#include "session/Session.h"

#include <QTest>

#include <httplib.h>

#include <arpa/inet.h>
#include <chrono>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace zf;
using namespace zf::test;
using namespace std::chrono_literals;

namespace {

int day(const char* text)
{
    return *parseDate(text);
}

// A program folder whose update goes to `server` with short time-outs.
struct Program {
    TempDir dir;
    FakeSettings store;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeFeedback feedback;
    HttpClient http{300ms, 500ms};
    Session app{Ports{&store, &clock, &dialogs, &feedback, nullptr, nullptr, &http}};
    FakeProgress progress;
    CancelFlag cancel{false};
    std::vector<UpdateStep> steps;

    Program(const std::string& server, const char* today)
    {
        app.home = dir.home();
        clock.day = day(today);
        app.setEndDay(clock.day);
        app.options().setText(Opt::ServerEdit, server);
    }
    UpdateResult update()
    {
        return runUpdate(app, progress, cancel, [this](const UpdateStep& s) { steps.push_back(s); });
    }
    std::vector<Draw> stored() const { return app.drawFile().readAll(); }
};

// Numbers and dream numbers only: the ticket bytes stay on the server.
std::vector<std::string> numbers(const std::vector<Draw>& draws)
{
    std::vector<std::string> v;
    for (const Draw& d : draws) {
        std::string t = formatDate(toDay(d.datum));
        for (int i = 0; i < 8; ++i)
            t += " " + std::to_string(d.zahlen[i]);
        v.push_back(t);
    }
    return v;
}

// A socket that takes connections into its backlog and never answers.
struct DeadServer {
    int fd = -1;
    int port = 0;
    DeadServer()
    {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd, 16);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        port = ntohs(a.sin_port);
    }
    ~DeadServer() { ::close(fd); }
};

std::string raw(int port, const std::string& request)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return "no connection";
    }
    timeval tv{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    char buf[4096];
    ssize_t n;
    while (answer.find("\r\n") == std::string::npos && (n = ::recv(fd, buf, sizeof buf, 0)) > 0)
        answer.append(buf, static_cast<size_t>(n));
    ::close(fd);
    return answer.substr(0, answer.find("\r\n"));
}

} // namespace

class UpdateEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyFileFillsUpToToday();
    void aThursdayGetsExactlyTheFollowingMonday();
    void aDateNotThereYetAndTwoLines();
    void aPlainMessageIsShownAndStops();
    void theStopFlagStopsBeforeTheNextRequest();
    void deadAndRefusedServersEndInOrder();
    void badRequestsGetTheirAnswersAndServingGoesOn();
    void scriptsFilesAndAChangedDrawFile();
};

void UpdateEndToEndTest::anEmptyFileFillsUpToToday()
{
    const auto history = randomDraws(80, 6);
    Server server(history);
    Program p(server.address(), formatDate(toDay(history.back().datum) + 2).c_str());
    const UpdateResult r = p.update();
    QVERIFY(!r.message);
    QCOMPARE(r.requests, 80);
    QCOMPARE(numbers(p.stored()), numbers(history));
    QCOMPARE(p.app.current.datum1, history.back().datum);
    QCOMPARE(server.log.size(), size_t(81)); // the first read of the draw file, then one line per request
}

void UpdateEndToEndTest::aThursdayGetsExactlyTheFollowingMonday()
{
    Server server(drawsFromText({"16.11.2023 1 2 3 4 5 6 D1", "20.11.2023 3 11 17 25 33 40 D2"}));
    Program p(server.address(), "22.11.2023");
    writeDrawFile(p.app.drawFilePath(), {"16.11.2023 1 2 3 4 5 6 D1 R3 T123456"});
    p.update();
    QCOMPARE(p.steps.size(), size_t(1));
    QCOMPARE(p.stored().back(), drawFromText("20.11.2023 3 11 17 25 33 40 D2 R3 T123456"));
}

void UpdateEndToEndTest::aDateNotThereYetAndTwoLines()
{
    Server server(
        drawsFromText({"20.11.2023 1 2 3 4 5 6 D1", "23.11.2023 3 11 17 25 33 40 D2", "23.11.2023 7 8 9 10 11 12 D3"}));
    Program p(server.address(), "27.11.2023");
    writeDrawFile(p.app.drawFilePath(), {"16.11.2023 1 2 3 4 5 6 D1"});
    const UpdateResult r = p.update();
    QVERIFY(!r.message);
    QCOMPARE(p.steps.size(), size_t(3));
    QCOMPARE(p.steps[1].appended, 2);
    QCOMPARE(p.steps[2].status, 500);
    QCOMPARE(p.steps[2].panel0, std::string("27.11.2023 noch nicht da!"));
    QCOMPARE(p.feedback.status[0], std::string("27.11.2023 noch nicht da!"));
    QCOMPARE(p.stored().size(), size_t(4));
}

void UpdateEndToEndTest::aPlainMessageIsShownAndStops()
{
    httplib::Server maker;
    maker.Get("/zahlen/lotto_neu.asp", [](const httplib::Request& req, httplib::Response& res) {
        // the request as the Part gives it
        const bool asked = req.get_header_value("Accept") == "text/html, */*" &&
                           req.get_header_value("User-Agent") == "Mozilla/3.0 (compatible; Indy Library)";
        res.set_content(asked ? "Bitte laden Sie die neue Version." : "wrong request", "text/plain");
    });
    const int port = maker.bind_to_any_port("127.0.0.1");
    std::thread t([&] { maker.listen_after_bind(); });
    Program p("http://127.0.0.1:" + std::to_string(port), "27.11.2023");
    writeDrawFile(p.app.drawFilePath(), {"16.11.2023 1 2 3 4 5 6 D1"});
    const UpdateResult r = p.update();
    maker.stop();
    t.join();
    QCOMPARE(r.requests, 1);
    QCOMPARE(p.dialogs.shown, std::vector<std::string>{"Bitte laden Sie die neue Version."});
    QCOMPARE(p.stored().size(), size_t(1));
}

void UpdateEndToEndTest::theStopFlagStopsBeforeTheNextRequest()
{
    Server server(randomDraws(40, 2));
    Program p(server.address(), "01.03.2024");
    // pressed while the third request runs
    p.progress.onReport = [&](int k, int, const std::string&) {
        if (k == 2)
            p.cancel = true;
    };
    const UpdateResult r = p.update();
    QVERIFY(r.cancelled);
    QCOMPARE(r.requests, 3);
    QCOMPARE(p.stored().size(), size_t(3));
}

void UpdateEndToEndTest::deadAndRefusedServersEndInOrder()
{
    DeadServer dead;
    int refusedPort = 0;
    {
        httplib::Server gone;
        refusedPort = gone.bind_to_any_port("127.0.0.1");
    }
    for (const int port : {dead.port, refusedPort}) {
        Program p("http://127.0.0.1:" + std::to_string(port), "27.11.2023");
        writeDrawFile(p.app.drawFilePath(), {"16.11.2023 1 2 3 4 5 6 D1"});
        const auto start = std::chrono::steady_clock::now();
        const UpdateResult r = p.update();
        const auto took = std::chrono::steady_clock::now() - start;
        QVERIFY(r.message);
        QVERIFY2(r.message->rfind("Keine Antwort vom Update-Server", 0) == 0, r.message->c_str());
        QCOMPARE(r.requests, 1);
        QCOMPARE(p.dialogs.shown.size(), size_t(1));
        QVERIFY(p.dialogs.errors.empty());
        // the evaluation ran on the stored draw; a hang would show here
        QCOMPARE(p.app.current.datum1, double(day("16.11.2023")));
        QVERIFY(took < 5s);
    }
}

void UpdateEndToEndTest::badRequestsGetTheirAnswersAndServingGoesOn()
{
    Server server(drawsFromText({"09.11.2023 3 11 17 25 33 40 D2"}));
    const std::string good = "GET /zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109 HTTP/1.1\r\nHost: x\r\n";
    std::string manyHeaders = good;
    for (int i = 0; i < 100; ++i)
        manyHeaders += "X-H" + std::to_string(i) + ": v\r\n";
    const struct {
        const char* name;
        std::string request;
        const char* status;
    } cases[] = {
        {"good", good + "\r\n", "HTTP/1.1 200 OK"},
        {"garbage", "HELLO\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"bad date", "GET /zahlen/lotto_neu.asp?Programm=Somnara&Datum=2023 HTTP/1.1\r\n\r\n",
         "HTTP/1.1 400 Bad Request"},
        {"announced body", good + "Content-Length: 100000\r\n\r\n", "HTTP/1.1 413 Payload Too Large"},
        {"many headers", manyHeaders + "\r\n", "HTTP/1.1 431 Request Header Fields Too Large"},
        {"a long header", good + "X-Big: " + std::string(9000, 'a') + "\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"a long target", "GET /zahlen/lotto_neu.asp?" + std::string(9000, 'a') + " HTTP/1.1\r\n\r\n",
         "HTTP/1.1 414 URI Too Long"},
        {"another path", "GET /zahlen/ HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
        {"good again", good + "\r\n", "HTTP/1.1 200 OK"},
    };
    for (const auto& c : cases)
        QVERIFY2(raw(server.port, c.request) == c.status, c.name);
}

void UpdateEndToEndTest::scriptsFilesAndAChangedDrawFile()
{
    Server server(drawsFromText({"09.11.2023 3 11 17 25 33 40 D2"}));
    server.dir.write("scripts/somnara.txt", "Skript");
    server.dir.write("files/hilfe.txt", "Hilfe");
    const auto stamp = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(server.dir.file("scripts/somnara.txt"), stamp);
    HttpClient http(300ms, 500ms);
    auto get = [&](const std::string& target) { return http.get({"127.0.0.1", server.port, target, "", 0, {}}); };

    const HttpResponse script = get("/scripts/somnara.txt");
    QCOMPARE(script.status, 200);
    QCOMPARE(script.body, std::string("Skript"));
    // an HTTP date two days back
    QVERIFY2(script.lastModified.size() == 29 && script.lastModified.substr(25) == " GMT", script.lastModified.c_str());
    QCOMPARE(get("/scripts/fehlt.txt").status, 404);
    QCOMPARE(get("/scripts/../server.dat").status, 404);
    QCOMPARE(get("/dateien/hilfe.txt").body, std::string("Hilfe"));
    QCOMPARE(get("/dateien/../server.dat").status, 404);

    const std::string target = "/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231113";
    QCOMPARE(get(target).status, 500);
    writeDrawFile(server.dir.file("server.dat"), {"09.11.2023 3 11 17 25 33 40 D2", "13.11.2023 1 2 3 4 5 6 D1"});
    QCOMPARE(get(target).status, 200);
}

QTEST_APPLESS_MAIN(UpdateEndToEndTest)
#include "UpdateEndToEndTest.moc"
