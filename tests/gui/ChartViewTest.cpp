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

// The texts the chart draws, as shown.
QStringList shownTexts(ChartView& view)
{
    QStringList shown;
    for (QGraphicsItem* item : view.scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            shown << text->toPlainText();
    return shown;
}

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
        // the axis reaches the largest bar and leaves room above it for its mark
        QTRY_VERIFY(view.leftAxis()->max() > 2.0);
        QVERIFY(view.leftAxis()->max() < 2.5);
        QCOMPARE(app.chart().axisMax, 2.0);
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

    void xLabelsAreThinnedNotShortened_data()
    {
        QTest::addColumn<QStringList>("draws");
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("step");
        // cross sums 100 and 101; 96 and 105; 96 and 161; 96 and 170; 21 and 225
        QTest::newRow("2 bars") << QStringList{"09.11.2023 5 10 15 19 21 30 D1", "13.11.2023 5 10 15 20 21 30 D1"} << 2
                                << 1;
        QTest::newRow("10 bars") << QStringList{"09.11.2023 1 10 15 20 21 29 D1", "13.11.2023 1 10 15 20 29 30 D1"}
                                 << 10 << 1;
        // two-digit and three-digit labels: 96..161
        QTest::newRow("66 bars") << QStringList{"09.11.2023 1 10 15 20 21 29 D1", "13.11.2023 20 25 26 29 30 31 D1"}
                                 << 66 << 5;
        // ten draws of the issue: sums 96..170
        QTest::newRow("75 bars") << QStringList{"09.11.2023 1 10 15 20 21 29 D1", "13.11.2023 20 25 29 30 31 35 D1"}
                                 << 75 << 5;
        QTest::newRow("205 bars") << QStringList{"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 35 36 37 38 39 40 D1"} << 205
                                  << 10;
    }

    void xLabelsAreThinnedNotShortened()
    {
        QFETCH(QStringList, draws);
        QFETCH(int, bars);
        QFETCH(int, step);
        // a three-digit label with the axis's room on either side: about 35 px
        QCOMPARE(ChartView::labelStep(bars, 1100, 35), step);

        std::vector<std::string> lines;
        for (const QString& d : draws)
            lines.push_back(d.toStdString());
        writeDrawFile(app.drawFilePath(), lines);
        ChartView view(app);
        view.resize(1100, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        showChart(app, ChartKind::CrossSums);
        QCOMPARE(view.bars()->count(), bars);
        QTRY_VERIFY(view.bottomAxis()->tickInterval() >= step);
        QTest::qWait(50);
        // every x label shown in full, on a multiple of the step, none shortened
        const double interval = view.bottomAxis()->tickInterval();
        int xLabels = 0;
        for (const QString& t : shownTexts(view)) {
            QVERIFY2(!t.contains(QString::fromUtf8("…")) && !t.contains("..."), qPrintable(t));
            bool number = false;
            const int x = t.toInt(&number);
            if (number && x >= 21) {
                QVERIFY2(x % static_cast<int>(interval) == 0, qPrintable(t));
                ++xLabels;
            }
        }
        QVERIFY(xLabels >= std::min(bars, 2));
        QVERIFY(xLabels <= 20);
    }

    void theTallestBarsMarkStandsAboveIt()
    {
        // number 5 is drawn three times, every other number at most twice
        writeDrawFile(app.drawFilePath(), {"09.11.2023 1 2 3 4 5 6 D1", "13.11.2023 5 7 8 9 10 11 D1",
                                           "16.11.2023 5 12 13 14 15 16 D1", "20.11.2023 1 2 17 18 19 20 D1"});
        ChartView view(app);
        view.resize(1100, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        showChart(app, ChartKind::Numbers);
        QTRY_VERIFY(view.series2()->isLabelsVisible());
        QTest::qWait(50);
        const QPointF barTop = view.chart()->mapToScene(view.chart()->mapToPosition(QPointF(4, 3), view.series2()));
        const QRectF plot = view.chart()->mapRectToScene(view.chart()->plotArea());
        QGraphicsTextItem* mark = nullptr;
        for (QGraphicsItem* item : view.scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
                if (text->toPlainText() == "3" && text->sceneBoundingRect().left() < barTop.x() &&
                    text->sceneBoundingRect().right() > barTop.x())
                    mark = text;
        QVERIFY(mark);
        const QRectF r = mark->sceneBoundingRect();
        QVERIFY2(r.bottom() <= barTop.y() + 1,
                 qPrintable(QString("mark %1, bar top %2").arg(r.bottom()).arg(barTop.y())));
        QVERIFY(r.top() >= plot.top() - 1);
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
