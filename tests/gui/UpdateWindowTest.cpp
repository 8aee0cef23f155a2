#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "gui/ChartCommands.h"
#include "gui/ChartView.h"
#include "gui/DatenbankPage.h"
#include "gui/JobRunner.h"
#include "gui/MainWindow.h"
#include "gui/QtFeedback.h"
#include "platform/QtSettingsStore.h"
#include "rules/UpdateService.h"
#include "session/Session.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <atomic>
#include <mutex>
#include <thread>

using namespace zf;

namespace {

// The desktop program on an empty folder against a fake update server that
// knows `published` draws and may answer slowly.
struct Program {
    QTemporaryDir dir;
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    QtFeedback feedback;
    test::FakeSound sound;
    test::FakeHttp http;
    std::mutex mutex;
    std::vector<Draw> published;
    std::atomic<int> delayMs{0};
    Session app;
    std::unique_ptr<TForm1> window;

    explicit Program(std::vector<Draw> draws)
        : store(dir.path() + "/Somnara.ini"), published(std::move(draws)),
          app(Ports{&store, &clock, &dialogs, &feedback, &sound, nullptr, &http, nullptr})
    {
        QDir().mkpath(dir.path() + "/land");
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", dir.path() + "/land/meldungen.txt.de");
        QFile::copy(ZF_SOURCE_DIR "/data/land/bezeichch.txt", dir.path() + "/land/bezeichch.txt");
        clock.day = published.empty() ? *parseDate("01.12.2023") : static_cast<int>(published.back().datum) + 1;
        http.answer = [this](const HttpRequest& r) -> HttpResponse {
            if (delayMs)
                std::this_thread::sleep_for(std::chrono::milliseconds(delayMs.load()));
            std::lock_guard lock(mutex);
            const ServiceAnswer a = answerDrawRequest(r.target, DrawAnswers(published));
            return {a.status, a.status == 200 ? "OK" : "Internal Server Error", a.body, ""};
        };
        window = std::make_unique<TForm1>(app, dir.path());
        feedback.attach(*window);
    }
    ~Program() { feedback.attach(*window); }
    void start()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    void publish(const Draw& d)
    {
        std::lock_guard lock(mutex);
        published.push_back(d);
    }
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return window->findChild<T*>(name);
    }
    std::vector<Draw> stored() const { return app.drawFile().readAll(); }
    bool running() const { return window->jobs()->running(); }
};

} // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aFirstStartFillsTheHistoryAndShowsTheLatestDraw();
    void theStopButtonStopsASlowUpdate();
    void aDeadServerEndsTheUpdateAndTheStartGoesOn();
    void theButtonsAndTheMenuStartIt();
    void aHoleInTheHistoryShowsTheCalendarCheck();
};

void UpdateWindowTest::aFirstStartFillsTheHistoryAndShowsTheLatestDraw()
{
    Program p(test::randomDraws(40, 3));
    p.start();
    QTRY_VERIFY(p.window->started());
    QCOMPARE(p.stored(), p.published);
    const std::string date = formatShortDate(static_cast<int>(p.published.back().datum));
    QVERIFY(p.find<QLabel>("Label29")->text().contains(QString::fromStdString(date)));
    QCOMPARE(p.find<QLabel>("Label35")->text(), p.find<QLabel>("Label29")->text());
    // the number distribution ran after the update
    QCOMPARE(p.window->findChild<ChartCommands*>()->view()->bars()->count(), 40);
    QCOMPARE(p.window->statusPanel(1)->text(), QString("Keine Gewähr für die Richtigkeit der Zahlen!"));
    QVERIFY(p.find<QToolButton>("SpeedButton8")->isHidden());
    QVERIFY(p.find<QPushButton>("BitBtn1")->isEnabled());
    QVERIFY(p.dialogs.shown.empty());
    QVERIFY(p.dialogs.errors.empty());
}

void UpdateWindowTest::theStopButtonStopsASlowUpdate()
{
    Program p(test::randomDraws(200, 4));
    p.delayMs = 50;
    p.start();
    p.window->pages()->setCurrentWidget(p.window->datenbank());
    auto* stop = p.find<QToolButton>("SpeedButton8");
    QTRY_VERIFY(stop->isVisible());
    QVERIFY(!p.find<QPushButton>("BitBtn1")->isEnabled());
    QVERIFY(!p.find<QToolButton>("SpeedButton10")->isEnabled());
    QVERIFY(!p.window->aktualisierenAction()->isEnabled());
    QVERIFY(!p.find<QPushButton>("BitBtn8")->isEnabled());
    // the window goes on: the status bar names the date being fetched
    QTRY_VERIFY(p.window->statusPanel(1)->text().startsWith("Ziehung vom "));
    QTRY_VERIFY(p.http.requests().size() >= 3);
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(stop->isHidden());
    QTRY_VERIFY(p.window->started());
    const size_t asked = p.http.requests().size();
    QVERIFY(asked < 200);
    QCOMPARE(p.stored().size(), asked); // what came in before the stop is kept
    QVERIFY(p.find<QPushButton>("BitBtn1")->isEnabled());
    QVERIFY(p.window->aktualisierenAction()->isEnabled());
    QVERIFY(p.find<QPushButton>("BitBtn8")->isEnabled());
    QTest::qWait(200);
    QCOMPARE(p.http.requests().size(), asked);
}

void UpdateWindowTest::aDeadServerEndsTheUpdateAndTheStartGoesOn()
{
    Program p({});
    p.http.answer = [](const HttpRequest&) -> HttpResponse {
        throw Error(Text::ConnectionFailed, {"127.0.0.1:8080", "Connection refused"});
    };
    p.start();
    QTRY_VERIFY(p.window->started());
    QCOMPARE(p.dialogs.shown.size(), size_t(1));
    QVERIFY(p.dialogs.shown[0].rfind("Keine Antwort vom Update-Server 127.0.0.1:8080", 0) == 0);
    QVERIFY(p.dialogs.errors.empty());
    QVERIFY(!p.running());
    QVERIFY(p.find<QToolButton>("SpeedButton8")->isHidden());
    QVERIFY(p.find<QPushButton>("BitBtn1")->isEnabled());
    QVERIFY(p.find<QToolButton>("SpeedButton10")->isEnabled());
    QCOMPARE(p.window->findChild<ChartCommands*>()->view()->bars()->count(), 40);
}

void UpdateWindowTest::theButtonsAndTheMenuStartIt()
{
    Program p(test::randomDraws(10, 5));
    p.start();
    QTRY_VERIFY(p.window->started());
    QCOMPARE(p.stored().size(), size_t(10));
    const std::vector<std::function<void()>> starts = {
        [&] { QTest::mouseClick(p.find<QPushButton>("BitBtn1"), Qt::LeftButton); },
        [&] { QTest::mouseClick(p.find<QToolButton>("SpeedButton10"), Qt::LeftButton); },
        [&] { p.window->aktualisierenAction()->trigger(); },
    };
    auto more = test::randomDraws(13, 5);
    for (size_t i = 0; i < starts.size(); ++i) {
        p.publish(more[10 + i]);
        p.clock.day = static_cast<int>(more[10 + i].datum);
        starts[i]();
        QTRY_VERIFY(!p.running());
        QCOMPARE(p.stored().size(), 11 + i);
        QCOMPARE(p.app.current.datum1, more[10 + i].datum);
    }
}

void UpdateWindowTest::aHoleInTheHistoryShowsTheCalendarCheck()
{
    auto draws = test::randomDraws(12, 6);
    const double hole = draws[5].datum;
    draws.erase(draws.begin() + 5);
    Program p(draws);
    p.start();
    QTRY_VERIFY(p.window->started());
    QTRY_VERIFY(!p.find<QGroupBox>("GroupBoxKalender")->isHidden());
    auto* list = p.find<QListWidget>("CalendarList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QString::fromStdString(formatDate(static_cast<int>(hole))) + ": fehlt");
}

QTEST_MAIN(UpdateWindowTest)
#include "UpdateWindowTest.moc"
