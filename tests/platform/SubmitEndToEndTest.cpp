#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "platform/HttpClient.h"
#include "platform/LoopbackServer.h"
#include "platform/QtShell.h"
#include "session/Session.h"
#include "session/Submission.h"

#include <QTest>

#include <chrono>
#include <filesystem>

using namespace zf;
using namespace zf::test;
using namespace std::chrono_literals;

namespace fs = std::filesystem;

class SubmitEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void theTemplateRefreshAgainstTheUpdateServer();
    void everyArgumentReachesTheProgramUnchanged();
};

void SubmitEndToEndTest::theTemplateRefreshAgainstTheUpdateServer()
{
    const auto now = fs::file_time_type::clock::now();
    const struct {
        const char* name;
        const char* served; // nullptr: not on the server
        fs::file_time_type servedAt;
        bool replaced;
    } cases[] = {
        {"newer", "NEU", now, true},
        {"older", "ALT", now - 48h, false},
        {"404", nullptr, now, false},
        {"empty body", "", now, false},
    };
    Server server({});
    for (const auto& c : cases) {
        fs::remove(server.dir.file("scripts/Beispiel.zks.txt"));
        if (c.served) {
            server.dir.write("scripts/Beispiel.zks.txt", c.served);
            fs::last_write_time(server.dir.file("scripts/Beispiel.zks.txt"), c.servedAt);
        }
        TempDir home;
        fs::create_directories(home.file("Script"));
        home.write("Script/Beispiel.zks", "LOKAL");
        fs::last_write_time(home.file("Script/Beispiel.zks"), now - 24h);
        FakeSettings store;
        HttpClient http{300ms, 500ms};
        Session app(Ports{&store, nullptr, nullptr, nullptr, nullptr, nullptr, &http});
        app.options().setText(Opt::ServerEdit, server.address());
        app.zksForm.script = home.file("Script/Beispiel.zks");
        QCOMPARE(refreshScriptTemplate(app), c.replaced);
        QCOMPARE(home.read("Script/Beispiel.zks"), std::string(c.replaced ? "NEU" : "LOKAL"));
    }
}

void SubmitEndToEndTest::everyArgumentReachesTheProgramUnchanged()
{
    TempDir dir;
    const std::string program = dir.file("pilotara");
    fs::copy_file(ZF_BIN_DIR "/zf_pilotara", program);
    fs::permissions(program, fs::perms::owner_all);
    const std::vector<std::string> args = {"START",
                                           dir.file("Tipps/20251210.zks"),
                                           "",
                                           "a \"quoted\" word",
                                           "$(touch " + dir.file("pwned") + ")",
                                           "`id`; echo x > " + dir.file("y") + " | & \\ 'single' ü"};
    QVERIFY(QtShell().start(program, args));
    QTRY_VERIFY(fs::exists(program + ".args"));
    std::string expected;
    for (const std::string& a : args)
        expected += a + "\n";
    QCOMPARE(dir.read("pilotara.args"), expected);
    QVERIFY(!fs::exists(dir.file("pwned")));
    QVERIFY(!fs::exists(dir.file("y")));
    QVERIFY(!QtShell().start(dir.file("fehlt"), args));
}

QTEST_GUILESS_MAIN(SubmitEndToEndTest)
#include "SubmitEndToEndTest.moc"
