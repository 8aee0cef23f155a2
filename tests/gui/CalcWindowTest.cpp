#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Formats.h"
#include "gui/JobRunner.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "gui/QtFeedback.h"
#include "platform/QtSettingsStore.h"
#include "session/Session.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zf;

namespace {

// The desktop program with the real feedback, on a folder with 200 draws.
struct Program {
    QTemporaryDir dir;
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    QtFeedback feedback;
    test::FakeSound sound;
    Session app;
    TForm1 window;

    Program()
        : store(dir.path() + "/Somnara.ini"), app(Ports{&store, &clock, &dialogs, &feedback, &sound, nullptr, nullptr}),
          window(app, dir.path())
    {
        QDir().mkpath(dir.path() + "/land");
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", dir.path() + "/land/meldungen.txt.de");
        QFile::copy(ZF_SOURCE_DIR "/data/land/bezeichch.txt", dir.path() + "/land/bezeichch.txt");
        DrawFile((dir.path() + "/ZahlenSN.dat").toStdString()).rewrite(test::randomDraws(200, 9), "t.tmp");
        feedback.attach(window);
        window.show();
        QTRY_VERIFY(window.started());
    }
    QPushButton* button() const { return window.lottotipp()->findChild<QPushButton*>("BitBtn4"); }
    QString status() const { return window.statusPanel(1)->text(); }
    std::vector<std::string> rows() const
    {
        std::vector<std::string> r;
        for (int row = 0; row < TipSheet::kRows; ++row) {
            std::string t;
            for (int c = 0; c < TipSheet::kCols; ++c)
                t += app.sheet().cell(row, c) + ",";
            r.push_back(t + app.sheet().dream(row));
        }
        return r;
    }
    // A calculation that cannot find a second tip runs until stopped.
    void endless()
    {
        app.options().setInt(Opt::UpDown7, 30000);
        app.options().setInt(Opt::UpDown1, 250);
    }
};

} // namespace

class CalcWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buttonFillsTheSheetTheSameWayForTheSameSeed();
    void runsOffTheWindowThreadAndStopsAtTheSecondPress();
    void escapeStopsIt();
    void altBStartsAndStopsIt();
    void closingStopsTheCalculationFirst();
    void spinControlsLimitEachOther();
};

void CalcWindowTest::buttonFillsTheSheetTheSameWayForTheSameSeed()
{
    Program p;
    p.app.random().setSeed(4);
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QTRY_VERIFY(!p.window.jobs()->running());
    const auto first = p.rows();
    for (const std::string& row : first)
        QVERIFY2(row.find(",,") == std::string::npos && row.back() != '-', row.c_str());
    QCOMPARE(p.status(), QString::fromStdString(p.app.msg(Msg::CalcFinished)));
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));

    p.app.random().setSeed(4);
    p.window.berechnenAction()->trigger();
    QTRY_VERIFY(!p.window.jobs()->running());
    QCOMPARE(p.rows(), first);
}

void CalcWindowTest::runsOffTheWindowThreadAndStopsAtTheSecondPress()
{
    Program p;
    p.endless();
    // a command button of another page and the update in the menu
    auto* other = new QPushButton("Aktualisieren", p.window.pages()->widget(3));
    QAction* update = p.window.aktualisierenAction();
    auto* bar = p.window.findChild<QProgressBar*>("JobProgress");
    QVERIFY(bar);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);

    QTest::mouseClick(p.button(), Qt::LeftButton);
    QVERIFY(p.window.jobs()->running());
    QCOMPARE(p.button()->text(), QString::fromStdString(p.app.msg(Msg::StopCalculation)));
    QVERIFY(!other->isEnabled() && !update->isEnabled());
    // the window keeps working: timers fire, pages change, the bar and the progress line move
    QTRY_VERIFY(p.status().contains("QS: "));
    QTRY_VERIFY(bar->isVisible() && bar->value() > 0);
    const int before = bar->value();
    for (int page = 0; page < p.window.pages()->count(); ++page)
        p.window.pages()->setCurrentIndex(page);
    QTRY_VERIFY(ticks > 10);
    QTRY_VERIFY(bar->value() > before);

    QElapsedTimer stop;
    stop.start();
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.jobs()->running(), 2000);
    qInfo("the stop press ended the calculation after %lld ms", stop.elapsed());
    QVERIFY(!bar->isVisible());
    QVERIFY(other->isEnabled() && update->isEnabled());
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));
    QCOMPARE(p.status(), QString::fromStdString(p.app.msg(Msg::CalcFinished)));
    QVERIFY(p.app.calc.runs > 0 && p.app.calc.runs < p.app.runBudget());
    QVERIFY(!p.app.calc.active);
    QCOMPARE(p.app.options().integer(Opt::UpDown1), 250); // the run relaxed its own copy only
}

void CalcWindowTest::escapeStopsIt()
{
    Program p;
    p.endless();
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QTRY_VERIFY(p.status().contains("QS: "));
    QTest::keyClick(&p.window, Qt::Key_Escape);
    QTRY_VERIFY(!p.window.jobs()->running());
    QVERIFY(!p.app.calc.active);
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));
}

void CalcWindowTest::altBStartsAndStopsIt()
{
    Program p;
    p.endless();
    p.window.pages()->setCurrentIndex(1);
    // the menu's "&Berechnen" alone owns Alt+B; the button runs the same command
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));
    QVERIFY(p.button()->shortcut().isEmpty());
    QTest::keyClick(&p.window, Qt::Key_B, Qt::AltModifier);
    QVERIFY(p.window.jobs()->running());
    // the stop caption's Alt+A belongs to "&Aktualisieren"
    QCOMPARE(p.button()->text(), QString::fromStdString(p.app.msg(Msg::StopCalculation)));
    QVERIFY(p.button()->shortcut().isEmpty());
    QTRY_VERIFY(p.status().contains("QS: "));
    QTest::keyClick(&p.window, Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(!p.window.jobs()->running());
    QVERIFY(p.app.calc.runs > 0);
    QVERIFY(p.button()->shortcut().isEmpty());
}

void CalcWindowTest::closingStopsTheCalculationFirst()
{
    Program p;
    p.endless();
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QTRY_VERIFY(p.status().contains("QS: "));
    p.window.close();
    QVERIFY(!p.window.jobs()->running());
    QVERIFY(!p.window.isVisible());
    QCOMPARE(p.app.options().integer(Opt::UpDown1), 250); // saved as it stands
}

void CalcWindowTest::spinControlsLimitEachOther()
{
    Program p;
    auto* even = p.window.findChild<QSpinBox*>("UpDown15");
    auto* odd = p.window.findChild<QSpinBox*>("UpDown16");
    auto* most = p.window.findChild<QSpinBox*>("UpDown3");
    auto* least = p.window.findChild<QSpinBox*>("UpDown9");
    QVERIFY(even && odd && most && least);
    // the two minimums never ask for more than six numbers together
    odd->setValue(4);
    even->setValue(5);
    QCOMPARE(even->value(), 2);
    QCOMPARE(p.app.options().integer(Opt::UpDown15), 2);
    // the minimum overlap stays at or below the maximum
    most->setValue(3);
    least->setValue(5);
    QCOMPARE(least->value(), 3);
    most->setValue(1);
    QCOMPARE(most->value(), 3);
}

QTEST_MAIN(CalcWindowTest)
#include "CalcWindowTest.moc"
