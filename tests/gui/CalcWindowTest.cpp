#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Formats.h"
#include "gui/LottotippPage.h"
#include "gui/MainWindow.h"
#include "gui/QtFeedback.h"
#include "platform/QtSettingsStore.h"
#include "session/LottoZahlen.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
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
    LottoZahlen app;
    TForm1 window;

    Program()
        : store(dir.path() + "/Somnara.ini"), app(Ports{&store, &clock, &dialogs, &feedback, &sound, nullptr, nullptr}),
          window(app, dir.path())
    {
        QDir().mkpath(dir.path() + "/land");
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", dir.path() + "/land/meldungen.txt.de");
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
        app.options().setInt("UpDown7", 30000);
        app.options().setInt("UpDown1", 250);
    }
};

} // namespace

class CalcWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buttonFillsTheSheetTheSameWayForTheSameSeed();
    void secondPressStopsAndLongCommandsWait();
    void closingStopsTheCalculationFirst();
    void spinControlsLimitEachOther();
};

void CalcWindowTest::buttonFillsTheSheetTheSameWayForTheSameSeed()
{
    Program p;
    p.app.random().setSeed(4);
    QTest::mouseClick(p.button(), Qt::LeftButton);
    const auto first = p.rows();
    for (const std::string& row : first)
        QVERIFY2(row.find(",,") == std::string::npos && row.back() != '-', row.c_str());
    QCOMPARE(p.status(), QString::fromStdString(p.app.msg(26)));
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));

    p.app.random().setSeed(4);
    p.window.berechnenAction()->trigger();
    QCOMPARE(p.rows(), first);
}

void CalcWindowTest::secondPressStopsAndLongCommandsWait()
{
    Program p;
    p.endless();
    // a command button of another page and the update in the menu
    auto* other = new QPushButton("Aktualisieren", p.window.pages()->widget(3));
    QAction* update = p.window.aktualisierenAction();
    QString whileRunning, progress;
    bool otherEnabled = true, updateEnabled = true;
    QTimer::singleShot(300, [&] {
        whileRunning = p.button()->text();
        progress = p.status();
        otherEnabled = other->isEnabled();
        updateEnabled = update->isEnabled();
        QTest::mouseClick(p.button(), Qt::LeftButton);
    });
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QCOMPARE(whileRunning, QString::fromStdString(p.app.msg(16)));
    QVERIFY2(progress.contains("QS: "), qPrintable(progress));
    QVERIFY(!otherEnabled && !updateEnabled);
    QVERIFY(other->isEnabled() && update->isEnabled());
    QCOMPARE(p.button()->text(), QString("Tipps &berechnen"));
    QCOMPARE(p.status(), QString::fromStdString(p.app.msg(26)));
    QVERIFY(p.app.calc.runs < p.app.laufMax);
    QVERIFY(!p.app.berechnunglaeuft);
}

void CalcWindowTest::closingStopsTheCalculationFirst()
{
    Program p;
    p.endless();
    QTimer::singleShot(200, &p.window, &QWidget::close);
    QTest::mouseClick(p.button(), Qt::LeftButton);
    QVERIFY(!p.app.calc.active);
    QTRY_VERIFY(!p.window.isVisible());
    QCOMPARE(p.app.options().integer("UpDown1"), 250); // saved as it stands
}

void CalcWindowTest::spinControlsLimitEachOther()
{
    Program p;
    auto* even = p.window.findChild<QSpinBox*>("UpDown15");
    auto* odd = p.window.findChild<QSpinBox*>("UpDown16");
    auto* most = p.window.findChild<QSpinBox*>("UpDown3");
    auto* least = p.window.findChild<QSpinBox*>("UpDown9");
    QVERIFY(even && odd && most && least);
    odd->setValue(4);
    QTest::mousePress(even, Qt::LeftButton);
    QCOMPARE(even->maximum(), 2);
    QTest::mouseRelease(even, Qt::LeftButton);
    even->setValue(2);
    QTest::mousePress(odd, Qt::LeftButton);
    QCOMPARE(odd->maximum(), 4);

    most->setValue(3);
    least->setValue(1);
    QTest::mousePress(most, Qt::LeftButton);
    QCOMPARE(least->maximum(), 3);
    QCOMPARE(most->minimum(), 1);
    least->setValue(2);
    QTest::mouseRelease(least, Qt::LeftButton);
    QCOMPARE(most->minimum(), 2);
}

QTEST_MAIN(CalcWindowTest)
#include "CalcWindowTest.moc"
