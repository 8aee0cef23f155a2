#include "gui/ChartCommands.h"
#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "gui/ChartView.h"
#include "gui/MainWindow.h"
#include "rules/Charts.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtCharts/QBarSet>
#include <QtTest>

using namespace zf;
using namespace zf::test;

class ChartCommandsTest : public QObject {
    Q_OBJECT

    TempDir dir;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeFeedback feedback;
    Session app{Ports{nullptr, &clock, &dialogs, &feedback, nullptr, nullptr, nullptr}};

private slots:
    void initTestCase()
    {
        app.prepareStart(std::string(ZF_BIN_DIR) + "/");
        app.home = dir.home();
        writeDrawFile(app.drawFilePath(), {"09.11.2023 5 6 7 8 20 33 D3", "13.11.2023 1 2 3 4 5 40 D1"});
        app.sheet().setCell(0, 0, "2");
    }

    void everyControlDrawsItsChart_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("firstX");
        QTest::addColumn<bool>("primesRed");
        QTest::addColumn<bool>("toFront");
        auto row = [](const char* control, int bars, int firstX, bool primesRed, bool toFront) {
            QTest::newRow(control) << control << bars << firstX << primesRed << toFront;
        };
        // the chart page toolbar
        row("SpeedButton2", 40, 1, true, false);
        row("SpeedButton9", 25, 55, false, false); // cross sums 55 and 79
        row("Diagramm2er", 39, 1, false, true);
        row("Diagramm3er", 38, 1, false, true);
        row("Diagramm4er", 40, 1, false, true);
        row("DiagrammAusstehende", 40, 1, true, true);
        row("SpeedButton3", 5, 1, false, true);
        row("SpeedButton34", 5, 1, false, true);
        // "Datenbank"
        row("Button2", 39, 1, false, true);
        row("Button3", 38, 1, false, true);
        row("Button4", 40, 1, false, true);
        row("Button5", 40, 1, true, true);
        row("Button8", 5, 1, false, true);
        row("Button9", 7, 0, false, true);
        row("Button10", 7, 0, false, true);
        row("Button11", 7, 0, false, true);
        // the tip page
        row("Button6", 40, 1, true, true);
        // the calculation pages
        row("SpeedButtonPaare", 39, 1, false, true);
        row("SpeedButtonDreier", 38, 1, false, true);
        row("SpeedButtonVierer", 40, 1, false, true);
        row("SpeedButton26", 40, 1, true, true);
        row("SpeedButtonAusstehende", 40, 1, true, true);
        row("SpeedButton21", 39, 1, false, true);
        row("Label89", 39, 1, false, true);
        row("SpeedButton27", 38, 1, false, true);
        row("Label91", 38, 1, false, true);
        row("SpeedButton28", 40, 1, false, true);
        row("Label90", 40, 1, false, true);
        row("DiagrammQuersummen", 25, 55, false, true);
        row("Label88", 25, 55, false, true);
        row("SpeedButtonPrimzahlen", 7, 0, false, true);
        row("SpeedButtonUngerade", 7, 0, false, true);
        row("SpeedButtonGerade", 7, 0, false, true);
        row("Superselten", 5, 1, false, true);
        row("SuperAus", 5, 1, false, true);
    }

    void everyControlDrawsItsChart()
    {
        QFETCH(QString, control);
        QFETCH(int, bars);
        QFETCH(int, firstX);
        QFETCH(bool, primesRed);
        QFETCH(bool, toFront);

        TForm1 window(app, QString::fromStdString(dir.home()));
        auto* commands = window.findChild<ChartCommands*>();
        QVERIFY(commands);
        QCOMPARE(commands->view()->parentWidget()->objectName(), QString("ChartArea"));
        QObject* target = window.findChild<QObject*>(control);
        QVERIFY2(target, qPrintable(control));

        app.chart().bars.clear();
        feedback.pages.clear();
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        else
            emit qobject_cast<QLabel*>(target)->linkActivated("#");

        QVERIFY(dialogs.errors.empty());
        QCOMPARE(feedback.busyDepth, 0);
        QCOMPARE(!feedback.pages.empty(), toFront);
        QBarSet* set = commands->view()->bars();
        QCOMPARE(set->count(), bars);
        QCOMPARE(int(app.chart().bars.front().x), firstX);
        for (int i = 0; i < bars; ++i) {
            const bool red = primesRed && isPrime(firstX + i);
            QCOMPARE(commands->view()->barColour(i), QColor(red ? 0xFF0000 : 0x008000));
        }
    }

    void startUpShowsTheNumberDistribution()
    {
        TForm1 window(app, QString::fromStdString(dir.home()));
        app.chart() = {};
        window.show();
        QTRY_VERIFY(window.started());
        QVERIFY(dialogs.errors.empty());
        QCOMPARE(window.findChild<ChartCommands*>()->view()->bars()->count(), 40);
    }

    void aFailedChartGoesToTheErrorDisplay()
    {
        TForm1 window(app, QString::fromStdString(dir.home()));
        // a folder where the draw file should be cannot be read
        QFile::remove(QString::fromStdString(app.drawFilePath()));
        QDir().mkpath(QString::fromStdString(app.drawFilePath()));
        window.findChild<QAbstractButton*>("Button2")->click();
        QCOMPARE(dialogs.errors.size(), size_t(1));
        QCOMPARE(feedback.busyDepth, 0);
    }
};

QTEST_MAIN(ChartCommandsTest)
#include "ChartCommandsTest.moc"
