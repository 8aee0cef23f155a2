#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Formats.h"
#include "gui/ChartView.h"
#include "gui/JobRunner.h"
#include "gui/MainWindow.h"
#include "gui/QtFeedback.h"
#include "platform/QtSettingsStore.h"
#include "session/Session.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>

using namespace zf;

namespace {

// The desktop program on a folder with 200 draws, working in that folder.
struct Program {
    QTemporaryDir dir;
    QString before = QDir::currentPath();
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    QtFeedback feedback;
    Session app;
    TForm1 window;

    Program()
        : store(dir.path() + "/Somnara.ini"),
          app(Ports{&store, &clock, &dialogs, &feedback, nullptr, nullptr, nullptr}), window(app, dir.path())
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(dir.path() + "/land");
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", dir.path() + "/land/meldungen.txt.de");
        DrawFile((dir.path() + "/ZahlenSN.dat").toStdString()).rewrite(test::randomDraws(200, 9), "t.tmp");
        feedback.attach(window);
        window.show();
        QTRY_VERIFY(window.started());
        dialogs.inputAnswer = "5";
    }
    ~Program() { QDir::setCurrent(before); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(name); }
    // DateTimePicker1 `draws` draws before the last one
    void from(int draws) { app.setEndDay(app.drawSnapshot()->at(199 - static_cast<size_t>(draws)).datum); }
    bool exists(const char* name) const { return QFile::exists(dir.path() + "/" + name); }
};

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT
private slots:
    void parameterAnalysisRunsAsAJobAndShowsTheControl();
    void secondPressStopsWithoutReport();
    void repeatsAskOnTheWindowAndNoWritesNothing();
};

void AnalysisWindowTest::parameterAnalysisRunsAsAJobAndShowsTheControl()
{
    Program p;
    p.app.options().setInt(Opt::CheckBox20, 1);
    p.from(3);
    QPushButton* b = p.button("BitBtn9");
    const QString caption = b->text();
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(p.window.jobs()->running());
    QVERIFY(p.window.findChild<QProgressBar*>("JobProgress")->isVisible());
    QVERIFY(b->isEnabled()); // it is the stop button now
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.jobs()->running(), 60000);
    QCOMPARE(b->text(), caption);
    QVERIFY(p.exists("Test.txt"));
    QVERIFY(p.app.options().flag(Opt::CheckBox20));
    auto* chart = p.window.findChild<ChartView*>("Chart1");
    QVERIFY(chart);
    QCOMPARE(chart->series2()->barSets().size(), 3);
    QCOMPARE(chart->series2()->barSets()[1]->count(), 7);
    QVERIFY(p.dialogs.errors.empty());
}

void AnalysisWindowTest::secondPressStopsWithoutReport()
{
    Program p;
    p.from(150);
    // a calculation that cannot find a second tip runs until stopped
    p.app.options().setInt(Opt::UpDown7, 30000);
    p.app.options().setInt(Opt::UpDown1, 250);
    QPushButton* b = p.button("BitBtn9");
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(p.window.jobs()->running());
    QTRY_VERIFY(p.window.statusPanel(1)->text().startsWith("Lauf "));
    QTest::mouseClick(b, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.jobs()->running(), 20000);
    QVERIFY(!p.exists("Test.txt"));
    QVERIFY(p.button("BitBtn19")->isEnabled());
}

void AnalysisWindowTest::repeatsAskOnTheWindowAndNoWritesNothing()
{
    Program p;
    p.from(30);
    p.dialogs.inputAnswer = "2";
    p.dialogs.yesNoAnswers = {true, false};
    p.dialogs.shown.clear();
    QTest::mouseClick(p.button("BitBtn19"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.jobs()->running(), 20000);
    QCOMPARE(p.dialogs.shown.size(), size_t{2});
    QVERIFY(!p.exists("Test.rtf"));

    p.dialogs.inputAnswer = "7";
    QTest::mouseClick(p.button("BitBtn19"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!p.window.jobs()->running(), 20000);
    QVERIFY(p.exists("Test.rtf"));
    QVERIFY(p.app.chart().bars.empty());
}

QTEST_MAIN(AnalysisWindowTest)
#include "AnalysisWindowTest.moc"
