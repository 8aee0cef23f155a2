#include "gui/ChartView.h"
#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "rules/Charts.h"
#include "session/DrawCommands.h"
#include "session/Session.h"

#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>
#include <QtTest>

using namespace zf;
using namespace zf::test;

namespace {

// Whether the chart draws a text that starts with `start`.
bool drawsText(ChartView& view, const QString& start)
{
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            if (text->toPlainText().startsWith(start))
                return true;
    return false;
}

} // namespace

class ChartViewTest : public QObject {
    Q_OBJECT

    TempDir dir;
    FakeClock clock;
    Session app{Ports{nullptr, &clock, nullptr, nullptr, nullptr, nullptr, nullptr}};

private slots:
    void initTestCase()
    {
        app.prepareStart(std::string(ZF_BIN_DIR) + "/");
        app.home = dir.home();
    }

    void drawsBarsWithTheirColoursAndTheAxis()
    {
        writeDrawFile(app.drawFilePath(), {"09.11.2023 5 6 7 8 20 33 D3", "13.11.2023 1 2 3 4 5 40 D1"});
        ChartView view(app);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        app.chart().series1Visible = true;
        app.chartChanged();
        QVERIFY(view.chart()->series().contains(view.series1()));
        showChart(app, ChartKind::Numbers);
        QCOMPARE(view.bars()->count(), 40);
        QCOMPARE(view.bars()->at(4), 2.0);
        QCOMPARE(view.barColour(4), QColor(0xFF0000));
        QCOMPARE(view.barColour(3), QColor(0x008000));
        // switched off, Series1 leaves the chart so Series2's bars are centred
        QVERIFY(!view.series1()->isVisible());
        QVERIFY(!view.chart()->series().contains(view.series1()));
        QVERIFY(view.series2()->isVisible());
        QCOMPARE(view.series1()->count(), 0);
        QCOMPARE(view.leftAxis()->min(), 0.0);
        QCOMPARE(view.leftAxis()->max(), 2.0);
        QCOMPARE(view.bottomAxis()->min(), 0.5);
        QCOMPARE(view.bottomAxis()->max(), 40.5);
        QVERIFY(view.bottomAxis()->titleText().startsWith(QString::fromUtf8("Häufigkeit der Zahlen")));
        // the title is drawn as rich text; its runs of blanks must survive that
        QTextDocument shown;
        shown.setHtml(view.bottomAxis()->titleText());
        QCOMPARE(shown.toPlainText(), QString::fromStdString(app.chart().title));
        QTRY_VERIFY(view.series2()->isLabelsVisible());

        // An empty range still gets an axis of some height.
        writeDrawFile(app.drawFilePath(), {});
        showChart(app, ChartKind::Pairs);
        QCOMPARE(view.leftAxis()->min(), 0.0);
        QCOMPARE(view.leftAxis()->max(), 1.0);
        // No cross sum at all: no bars, and the axis shows the new title.
        showChart(app, ChartKind::CrossSums);
        QCOMPARE(view.bars()->count(), 0);
        QTRY_VERIFY(drawsText(view, QString::fromUtf8("Häufigkeit der Quersummen")));
    }

    void narrowBarsLoseTheirMarks()
    {
        // cross sums 21 and 225: 205 bars
        writeDrawFile(app.drawFilePath(), {"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 35 36 37 38 39 40 D1"});
        ChartView view(app);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        showChart(app, ChartKind::CrossSums);
        QCOMPARE(view.bars()->count(), 205);
        QTRY_VERIFY(!view.series2()->isLabelsVisible());
        QVERIFY(view.bottomAxis()->tickInterval() >= 5);
        showChart(app, ChartKind::Primes);
        QTRY_VERIFY(view.series2()->isLabelsVisible());
        QCOMPARE(view.bottomAxis()->tickInterval(), 1.0);
    }
};

QTEST_MAIN(ChartViewTest)
#include "ChartViewTest.moc"
