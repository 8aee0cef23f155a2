#include "gui/JobRunner.h"
#include "fakes/Fakes.h"
#include "gui/MainWindow.h"
#include "platform/QtSettingsStore.h"
#include "session/Session.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>
#include <stdexcept>

using namespace zf;

namespace {

// The window on an empty program folder, shown and active so Esc reaches it.
struct Program {
    QTemporaryDir dir;
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeFeedback feedback;
    Session app;
    std::unique_ptr<TForm1> window;

    Program()
        : store(dir.path() + "/Somnara.ini"),
          app(Ports{&store, &clock, &dialogs, &feedback, nullptr, nullptr, nullptr}),
          window(std::make_unique<TForm1>(app, dir.path()))
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        QTRY_VERIFY(window->started());
    }
    JobRunner& jobs() const { return *window->jobs(); }
    QProgressBar* bar() const { return window->findChild<QProgressBar*>("JobProgress"); }
    QString status() const { return window->statusPanel(1)->text(); }
};

// Counts until cancelled, reporting every step: far more reports than a
// window could show one by one.
JobRunner::Work endless(int n)
{
    return [n](Progress& p, const CancelFlag& cancel) {
        for (int k = 0; !cancel; ++k)
            p.report(n > 0 ? k % (n + 1) : 0, n, "Schritt " + std::to_string(k));
    };
}

// What the end of a job did on the window's side.
struct Ending {
    int applied = 0;
    bool appliedOnWindowThread = false;
    std::vector<std::string> errors;

    JobRunner::Apply apply()
    {
        return [this] {
            ++applied;
            appliedOnWindowThread = QThread::currentThread() == qApp->thread();
        };
    }
    JobRunner::OnError onError()
    {
        return [this](const std::string& e) { errors.push_back(e); };
    }
};

} // namespace

class JobRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void barFollowsReportsAndWindowStaysResponsive_data();
    void barFollowsReportsAndWindowStaysResponsive();
    void jobEndsAreAppliedOnWindowThread_data();
    void jobEndsAreAppliedOnWindowThread();
    void secondStartIsRefusedWhileRunning();
    void onWindowThreadRunsOnWindowAndReturnsValue();
    void closingMidJob_data();
    void closingMidJob();
    void destroyingWindowMidJobStopsJobWithoutApplying();
};

void JobRunnerTest::barFollowsReportsAndWindowStaysResponsive_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("counted steps") << 1000;
    QTest::newRow("unknown count: busy bar") << 0;
}

void JobRunnerTest::barFollowsReportsAndWindowStaysResponsive()
{
    QFETCH(int, n);
    Program p;
    QVERIFY(!p.bar()->isVisible());
    Ending end;
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);

    QVERIFY(p.jobs().start(endless(n), end.apply()));
    QVERIFY(p.jobs().running());
    QVERIFY(p.bar()->isVisible());
    QTRY_VERIFY(p.status().startsWith("Schritt "));
    QTRY_VERIFY(ticks >= 10);
    QCOMPARE(p.bar()->minimum(), 0);
    QCOMPARE(p.bar()->maximum(), n);
    const QString text = p.status();
    QTRY_VERIFY(p.status() != text);
    if (n > 0) {
        const int value = p.bar()->value();
        QTRY_VERIFY(p.bar()->value() != value);
    }

    p.jobs().cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!p.jobs().running(), 2000);
    QVERIFY(!p.bar()->isVisible());
    QCOMPARE(end.applied, 1);
    QVERIFY(end.appliedOnWindowThread);
}

enum class How { Returns, Cancel, Escape, Throws, ThrowsNonStd, ThrowsToErrorDisplay };

void JobRunnerTest::jobEndsAreAppliedOnWindowThread_data()
{
    QTest::addColumn<How>("how");
    QTest::addColumn<QString>("error");
    QTest::newRow("returns by itself") << How::Returns << "";
    QTest::newRow("cancel()") << How::Cancel << "";
    QTest::newRow("Esc key") << How::Escape << "";
    QTest::newRow("throws") << How::Throws << "keine sechs Zahlen";
    QTest::newRow("throws a non-exception") << How::ThrowsNonStd << "unknown error";
    QTest::newRow("throws, no error callback: general error display")
        << How::ThrowsToErrorDisplay << "keine sechs Zahlen";
}

void JobRunnerTest::jobEndsAreAppliedOnWindowThread()
{
    QFETCH(How, how);
    QFETCH(QString, error);
    Program p;
    Ending end;
    QSignalSpy finished(&p.jobs(), &JobRunner::finished);
    const bool loops = how == How::Cancel || how == How::Escape;
    auto work = [how, loops](Progress& progress, const CancelFlag& cancel) {
        progress.report(1, 2, "halb");
        while (loops && !cancel)
            QThread::yieldCurrentThread();
        if (how == How::Throws || how == How::ThrowsToErrorDisplay)
            throw std::runtime_error("keine sechs Zahlen");
        if (how == How::ThrowsNonStd)
            throw 42;
    };
    QVERIFY(p.jobs().start(work, end.apply(), how == How::ThrowsToErrorDisplay ? nullptr : end.onError()));
    if (how == How::Cancel)
        p.jobs().cancel();
    if (how == How::Escape) {
        QVERIFY(QTest::qWaitForWindowActive(p.window.get()));
        QTest::keyClick(p.window.get(), Qt::Key_Escape);
    }

    QTRY_VERIFY_WITH_TIMEOUT(!p.jobs().running(), 2000);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(end.applied, 1);
    QVERIFY(end.appliedOnWindowThread);
    QVERIFY(!p.bar()->isVisible());
    QCOMPARE(p.status(), "halb"); // the last report is shown even when it came just before the end
    const std::vector<std::string> expected =
        error.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{error.toStdString()};
    QCOMPARE(how == How::ThrowsToErrorDisplay ? p.dialogs.errors : end.errors, expected);
}

void JobRunnerTest::secondStartIsRefusedWhileRunning()
{
    Program p;
    Ending first, second;
    std::atomic<bool> secondRan = false;
    QVERIFY(p.jobs().start(endless(10), first.apply()));
    QVERIFY(!p.jobs().start([&](Progress&, const CancelFlag&) { secondRan = true; }, second.apply()));
    p.jobs().cancel();
    QTRY_VERIFY(!p.jobs().running());
    QCOMPARE(first.applied, 1);
    QCOMPARE(second.applied, 0);
    QVERIFY(!secondRan);

    // idle again: the next job runs
    QVERIFY(p.jobs().start([&](Progress&, const CancelFlag&) { secondRan = true; }, second.apply()));
    QTRY_VERIFY(!p.jobs().running());
    QVERIFY(secondRan);
    QCOMPARE(second.applied, 1);
}

void JobRunnerTest::onWindowThreadRunsOnWindowAndReturnsValue()
{
    Program p;
    JobRunner& jobs = p.jobs();
    QCOMPARE(jobs.onWindowThread([] { return 7; }), 7); // on the window's thread already: runs at once

    Ending end;
    std::atomic<QThread*> workerThread = nullptr, askedThread = nullptr;
    std::string answer;
    int voidCalls = 0;
    auto work = [&](Progress&, const CancelFlag&) {
        workerThread = QThread::currentThread();
        askedThread = jobs.onWindowThread([] { return QThread::currentThread(); });
        answer = jobs.onWindowThread([&] { return p.window->windowTitle().toStdString(); });
        jobs.onWindowThread([&] { ++voidCalls; });
        jobs.onWindowThread([]() -> int { throw std::runtime_error("Dialog abgebrochen"); });
    };
    QVERIFY(jobs.start(work, end.apply(), end.onError()));
    QTRY_VERIFY(!jobs.running());
    QVERIFY(workerThread != qApp->thread());
    QCOMPARE(askedThread.load(), qApp->thread());
    QCOMPARE(answer, "Darnholms Ziffrano  6 aus 40 Somnara");
    QCOMPARE(voidCalls, 1);
    QCOMPARE(end.errors, std::vector<std::string>{"Dialog abgebrochen"}); // f's exception ends the job
}

enum class CloseWhile { Computing, QuestionWaits, InsideQuestion };

void JobRunnerTest::closingMidJob_data()
{
    QTest::addColumn<CloseWhile>("when");
    QTest::addColumn<bool>("asked");
    QTest::newRow("while it computes") << CloseWhile::Computing << false;
    QTest::newRow("while its question waits for the window") << CloseWhile::QuestionWaits << false;
    QTest::newRow("from inside its question") << CloseWhile::InsideQuestion << true;
}

void JobRunnerTest::closingMidJob()
{
    QFETCH(CloseWhile, when);
    QFETCH(bool, asked);
    Program p;
    Ending end;
    std::atomic<bool> asking = false, answered = false; // asking: the job has begun
    auto work = [&](Progress& progress, const CancelFlag& cancel) {
        asking = true;
        if (when != CloseWhile::Computing) {
            answered = p.jobs().onWindowThread([&] {
                if (when == CloseWhile::InsideQuestion)
                    p.window->close();
                return true;
            });
        }
        endless(5)(progress, cancel);
    };
    QVERIFY(p.jobs().start(work, end.apply(), end.onError()));
    if (when != CloseWhile::InsideQuestion) {
        // no events in between: the question stays unanswered in the window's queue
        while (!asking)
            QThread::yieldCurrentThread();
        QThread::msleep(20);
        p.window->close();
        QVERIFY(!p.jobs().running()); // close waited for the worker
    }
    QTRY_VERIFY_WITH_TIMEOUT(!p.window->isVisible(), 2000);
    QVERIFY(!p.jobs().running());
    QCOMPARE(answered.load(), asked);
    QCOMPARE(end.applied, 1);
    QVERIFY(end.appliedOnWindowThread);
    QVERIFY(end.errors.empty());
}

void JobRunnerTest::destroyingWindowMidJobStopsJobWithoutApplying()
{
    Program p;
    Ending end;
    std::atomic<bool> returned = false;
    auto work = [&](Progress& progress, const CancelFlag& cancel) {
        endless(0)(progress, cancel);
        returned = true;
    };
    QVERIFY(p.jobs().start(work, end.apply(), end.onError()));
    QTest::qWait(20);
    p.window.reset();
    QVERIFY(returned);
    QTest::qWait(20); // a late end of the job must not reach the gone window
    QCOMPARE(end.applied, 0);
}

QTEST_MAIN(JobRunnerTest)
#include "JobRunnerTest.moc"
