#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "gui/MainWindow.h"
#include "gui/Zahlenwahl.h"
#include "session/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zf;
using namespace zf::test;

// The tip rows of the real main window, started offscreen on a program
// folder of the test's own.
class TipSheetViewTest : public QObject {
    Q_OBJECT

    struct Program {
        TempDir dir;
        FakeSettings store;
        FakeClock clock;
        FakeDialogs dialogs;
        FakeFeedback feedback;
        FakeSound sound;
        TForm6 form6;
        Session app{Ports{&store, &clock, &dialogs, &feedback, &sound, nullptr, nullptr, &form6}};
        TForm1 window{app, QString::fromStdString(dir.home())};

        Program()
        {
            form6.attach(app);
            QDir().mkpath(qs(dir.file("land")));
            QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", qs(dir.file("land/meldungen.txt.de")));
            QFile::copy(ZF_SOURCE_DIR "/data/land/bezeichch.txt", qs(dir.file("land/bezeichch.txt")));
            writeDrawFile(dir.file("ZahlenSN.dat"), {"06.11.2023 1 2 3 4 5 6 D1", "09.11.2023 3 12 19 25 33 40 D2"});
            window.show();
            QTRY_VERIFY(window.started());
        }
        static QString qs(const std::string& s) { return QString::fromStdString(s); }
        // the number dialog first: the main window has a BitBtn4 of its own
        template <typename T>
        T* find(const QString& name) const
        {
            T* w = form6.findChild<T*>(name);
            if (!w)
                w = window.findChild<T*>(name);
            if (!w)
                qFatal("no control %s", qPrintable(name));
            return w;
        }
        void type(const QString& cell, const QString& text)
        {
            QLineEdit* e = find<QLineEdit>(cell);
            e->clear();
            QTest::keyClicks(e, text);
            QFocusEvent out(QEvent::FocusOut);
            QApplication::sendEvent(e, &out);
        }
        void leave(const QString& cell)
        {
            QFocusEvent out(QEvent::FocusOut);
            QApplication::sendEvent(find<QLineEdit>(cell), &out);
        }
        QColor colour(const QString& cell) const { return find<QLineEdit>(cell)->palette().color(QPalette::Base); }
    };

private slots:
    void startUpShowsTheLatestDraw()
    {
        Program p;
        QCOMPARE(p.find<QLabel>("Label35")->text(), QString("Do 09.11.23    3  12  19  25  33  40     DREAM:2"));
        QCOMPARE(p.find<QLabel>("Label29")->text(), p.find<QLabel>("Label35")->text());
        QCOMPARE(p.find<QLabel>("Label13")->text(), QString("QS: 132"));
        QCOMPARE(p.find<QLabel>("Label28")->text(), QString("1. Tipp"));
        QCOMPARE(p.find<QLabel>("Label98")->text(), QString("14. Tipp"));
    }

    void aTypedTipIsSortedColouredAndScored()
    {
        Program p;
        const char* cells[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
        const char* numbers[] = {"40", "12", "3", "25", "7", "31"};
        for (int i = 0; i < 6; ++i)
            p.type(cells[i], numbers[i]);
        // leaving a cell of an incomplete row reset the dream number; the
        // complete row is scored on its six numbers
        QCOMPARE(p.find<QComboBox>("ComboBox1")->currentText(), QString("-"));
        QCOMPARE(p.find<QLabel>("Label22")->text(), QString("4"));
        QCOMPARE(p.sound.played.size(), size_t(1));
        p.find<QComboBox>("ComboBox1")->setEditText("2");
        p.leave("Edit6");

        QStringList shown;
        for (const char* c : cells)
            shown << p.find<QLineEdit>(c)->text();
        QCOMPARE(shown.join(','), QString("3,7,12,25,31,40"));
        QCOMPARE(p.colour("Edit1"), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(p.colour("Edit2"), p.window.palette().color(QPalette::Base));
        QCOMPARE(p.colour("Edit6"), QColor(0x00, 0xFF, 0x00));
        QLabel* match = p.find<QLabel>("Label22");
        QCOMPARE(match->text(), QString("4 + D"));
        QCOMPARE(match->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(p.find<QLabel>("Label36")->text(), QString("118"));
        QCOMPARE(p.sound.played.size(), size_t(2));

        p.type("Edit7", "07");
        QCOMPARE(p.find<QLineEdit>("Edit7")->text(), QString("7"));
        p.type("Edit8", "41");
        QCOMPARE(p.find<QLineEdit>("Edit8")->text(), QString(""));
    }

    void aRowLabelClickLocksTheRowAgainstClearing()
    {
        Program p;
        p.type("Edit96", "5");
        QTest::mouseClick(p.find<QLabel>("Label79"), Qt::LeftButton);
        QCOMPARE(p.find<QLabel>("Label79")->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0x00));
        p.type("Edit1", "5");
        p.find<QToolButton>("SpeedButton11")->click();
        QCOMPARE(p.find<QLineEdit>("Edit96")->text(), QString("5"));
        QCOMPARE(p.find<QLineEdit>("Edit1")->text(), QString(""));

        QTest::mouseMove(p.find<QLabel>("Label79"));
        QCOMPARE(QString::fromStdString(p.feedback.status[1]),
                 QString("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
    }

    void theEditButtonTakesTheTicksOfTheNumberDialog()
    {
        Program p;
        const char* cells[] = {"Edit96", "Edit98", "Edit100", "Edit102", "Edit104", "Edit106"};
        const char* numbers[] = {"3", "9", "17", "22", "30", "38"};
        for (int i = 0; i < 6; ++i)
            p.type(cells[i], numbers[i]);
        QStringList tickedWhenShown;
        bool rechnenShown = true;
        QString caption;
        QTimer::singleShot(0, &p.form6, [&] {
            for (int n = 1; n <= 40; ++n)
                if (p.form6.box(n)->isChecked())
                    tickedWhenShown << QString::number(n);
            rechnenShown = p.find<QPushButton>("BitBtn3")->isVisible();
            caption = p.form6.windowTitle();
            for (int n : {3, 17, 22, 30, 38, 5, 12})
                QTest::mouseClick(p.form6.box(n), Qt::LeftButton);
            p.find<QPushButton>("BitBtn1")->click();
        });
        p.find<QToolButton>("SpeedButton19")->click();
        QCOMPARE(tickedWhenShown.join(','), QString("3,9,17,22,30,38"));
        QVERIFY(!rechnenShown);
        QCOMPARE(caption, QString("13. Tipp"));
        QStringList shown;
        for (const char* c : cells)
            shown << p.find<QLineEdit>(c)->text();
        QCOMPARE(shown.join(','), QString("5,9,12,22,30,38"));
        QVERIFY(p.app.form6.purpose == NumberSelection::Purpose::NumberChoice);
    }

    void theRandomDrawTicksSixNumbers()
    {
        Program p;
        QString caption;
        int ticked = 0;
        QTimer::singleShot(0, &p.form6, [&] {
            QPushButton* zufall = p.find<QPushButton>("BitBtn4");
            zufall->click();
            // the stops fix numbers only once the timer has drawn them; a busy machine may be slow to tick
            QTRY_VERIFY(zufall->text().contains("Stopp"));
            for (int stop = 1; stop <= 6; ++stop) {
                zufall->click();
                QTest::qWait(40);
            }
            caption = zufall->text();
            for (int n = 1; n <= 40; ++n)
                ticked += p.form6.box(n)->isChecked();
            p.find<QPushButton>("BitBtn1")->click();
        });
        p.find<QToolButton>("Tipp1Edit")->click();
        QCOMPARE(caption, QString("Zufall"));
        QCOMPARE(ticked, 6);
        for (int c = 1; c <= 6; ++c)
            QVERIFY(!p.find<QLineEdit>(QString("Edit%1").arg(c))->text().isEmpty());
    }
};

QTEST_MAIN(TipSheetViewTest)
#include "TipSheetViewTest.moc"
