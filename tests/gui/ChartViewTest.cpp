#include "analysis/Charts.h"
#include "app/LottoZahlen.h"
#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "gui/ChartView.h"

#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QValueAxis>
#include <QtTest>

using namespace zf;
using namespace zf::test;

class ChartViewTest : public QObject {
    Q_OBJECT

    TempDir dir;
    FakeClock clock;
    LottoZahlen app{Ports{nullptr, &clock, nullptr, nullptr, nullptr, nullptr, nullptr}};

private slots:
    void initTestCase()
    {
        app.prepareStart(std::string(ZF_BIN_DIR) + "/");
        app.home = dir.home();
        writeDrawFile(app.drawFilePath(), {"09.11.2023 5 6 7 8 20 33 D3", "13.11.2023 1 2 3 4 5 40 D1"});
    }

    void drawsBarsWithTheirColoursAndTheAxis()
    {
        ChartView view(app);
        view.resize(900, 500);
        view.show();
        SpeedButton2Click(app);
        QCOMPARE(view.bars()->count(), 40);
        QCOMPARE(view.bars()->at(4), 2.0);
        QCOMPARE(view.barColour(4), QColor(0xFF0000));
        QCOMPARE(view.barColour(3), QColor(0x008000));
        QVERIFY(!view.series1()->isVisible());
        QVERIFY(view.series2()->isVisible());
        QCOMPARE(view.leftAxis()->min(), 0.0);
        QCOMPARE(view.leftAxis()->max(), 2.0);
        QVERIFY(view.bottomAxis()->titleText().startsWith(QString::fromUtf8("Häufigkeit der Zahlen")));
        QVERIFY(view.series2()->isLabelsVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.grab().save("/tmp/chart1.png");
    }
};

QTEST_MAIN(ChartViewTest)
#include "ChartViewTest.moc"
