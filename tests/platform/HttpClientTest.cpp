#include "platform/HttpClient.h"
#include "ground/Error.h"

#include <QTest>

#include <httplib.h>

#include <thread>

using namespace zf;

namespace {

// An HTTP server on a free local port, running until stop().
struct LocalServer {
    httplib::Server server;
    int port = 0;
    std::thread thread;

    void start()
    {
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void stop()
    {
        server.stop();
        thread.join();
    }
};

} // namespace

class HttpClientTest : public QObject {
    Q_OBJECT
private slots:
    void getsStatusReasonBodyAndLastModified();
    void noConnectionThrows();
};

void HttpClientTest::getsStatusReasonBodyAndLastModified()
{
    LocalServer local;
    local.server.Get("/zahlen/lotto_neu.asp", [](const httplib::Request& req, httplib::Response& res) {
        res.set_header("Last-Modified", "Thu, 09 Nov 2023 20:00:00 GMT");
        res.set_content("09.11.2023," + req.get_param_value("Datum"), "text/plain");
    });
    local.start();
    HttpClient http;
    const HttpResponse ok =
        http.get({"127.0.0.1", local.port, "/zahlen/lotto_neu.asp?Programm=Somnara&Datum=20231109", "", 0, {}});
    const HttpResponse missing = http.get({"127.0.0.1", local.port, "/nichts", "", 0, {}});
    local.stop();

    QCOMPARE(ok.status, 200);
    QCOMPARE(ok.reason, std::string("OK"));
    QCOMPARE(ok.body, std::string("09.11.2023,20231109"));
    QCOMPARE(ok.lastModified, std::string("Thu, 09 Nov 2023 20:00:00 GMT"));
    QCOMPARE(missing.status, 404);
    QCOMPARE(missing.reason, std::string("Not Found"));
}

void HttpClientTest::noConnectionThrows()
{
    // a port that was just given up
    LocalServer gone;
    gone.start();
    gone.stop();
    HttpClient http;
    QVERIFY_THROWS_EXCEPTION(Error, http.get({"127.0.0.1", gone.port, "/", "", 0, {}}));
}

QTEST_APPLESS_MAIN(HttpClientTest)
#include "HttpClientTest.moc"
