#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "ground/Formats.h"
#include "gui/CsvImportDialog.h"
#include "gui/DatenbankPage.h"
#include "gui/LoEingab.h"
#include "gui/MainWindow.h"
#include "platform/QtSettingsStore.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zf;

namespace {

const std::vector<std::string> kHistory = {"06.11.2023 1 2 3 4 5 6 D1 R2 T123456", "09.11.2023 7 8 9 10 11 12 D2",
                                           "13.11.2023 13 14 15 16 17 18 D3"};

// The window on a folder with three draws; the update finds nothing new.
struct Program {
    QTemporaryDir dir;
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeFeedback feedback;
    test::FakeHttp http;
    Session app;
    TForm1 window;

    explicit Program(const std::vector<std::string>& draws = kHistory)
        : store(dir.path() + "/Somnara.ini"),
          app(Ports{&store, &clock, &dialogs, &feedback, nullptr, nullptr, &http, nullptr}), window(app, dir.path())
    {
        QDir().mkpath(dir.path() + "/land");
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", dir.path() + "/land/meldungen.txt.de");
        QFile::copy(ZF_SOURCE_DIR "/data/land/bezeichch.txt", dir.path() + "/land/bezeichch.txt");
        if (!draws.empty())
            test::writeDrawFile((dir.path() + "/ZahlenSN.dat").toStdString(), draws);
        clock.day = *parseDate("14.11.2023");
        window.show();
        QTRY_VERIFY(window.started());
        window.pages()->setCurrentWidget(window.datenbank());
    }
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        return window.findChild<T*>(name);
    }
    std::vector<Draw> stored() const { return app.drawFile().readAll(); }
    // Clicks the button and plays the user's part in the modal dialog it opens.
    template <typename Dialog>
    void withDialog(const char* button, const std::function<void(Dialog&)>& user)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            seen = true;
            user(*d);
            if (d->isVisible())
                d->reject();
        });
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        QVERIFY(seen);
    }
    void showDate(const char* date) { window.datenbank()->endDay()->setDate(dateOfDayText(date)); }
    static QDate dateOfDayText(const char* date)
    {
        const CivilDate c = civilFromDay(*parseDate(date));
        return QDate(c.year, c.month, c.day);
    }
};

template <typename T>
T* child(QWidget& d, const QString& name)
{
    T* w = d.findChild<T*>(name);
    if (!w)
        qWarning() << "no" << name;
    return w;
}

} // namespace

class DrawMaintenanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theEntryDialogCorrectsTheShownDraw();
    void theSpinsHoldOnlyTheDataModelsValues();
    void aNewDrawGoesIntoAnEmptyFile();
    void abortingWritesNothing();
    void deletingAsksFirst();
    void importShowsTheColumnsAndMerges();
    void theCalendarCheckShowsItsFindings();
};

void DrawMaintenanceWindowTest::theEntryDialogCorrectsTheShownDraw()
{
    Program p;
    p.showDate("06.11.2023");
    p.withDialog<TForm3>("BitBtn8", [](TForm3& d) {
        QCOMPARE(d.windowTitle(), QString("Zahlen der Ziehung eingeben"));
        QCOMPARE(child<QDateEdit>(d, "DateTimePicker1")->date(), QDate(2023, 11, 6));
        QCOMPARE(child<QSpinBox>(d, "UpDown6")->value(), 6);
        QCOMPARE(child<QSpinBox>(d, "UpDown9")->value(), 2);
        QCOMPARE(child<QLineEdit>(d, "SS_1")->text(), QString("1"));
        QCOMPARE(child<QLineEdit>(d, "SS_6")->text(), QString("6"));
        QVERIFY(child<QSpinBox>(d, "UpDown7")->isHidden());
        const int typed[] = {33, 3, 25, 11, 40, 17};
        for (int i = 0; i < 6; ++i)
            child<QSpinBox>(d, QString("UpDown%1").arg(i + 1))->setValue(typed[i]);
        child<QSpinBox>(d, "UpDown8")->setValue(4);
        child<QPushButton>(d, "BitBtn1")->click();
    });
    QCOMPARE(p.stored(), test::drawsFromText({"06.11.2023 3 11 17 25 33 40 D4 R2 T123456", kHistory[1], kHistory[2]}));
    QCOMPARE(p.app.current.datum1, double(*parseDate("06.11.2023")));
}

void DrawMaintenanceWindowTest::theSpinsHoldOnlyTheDataModelsValues()
{
    Program p;
    p.withDialog<TForm3>("BitBtn8", [](TForm3& d) {
        for (int i = 1; i <= 6; ++i) {
            QCOMPARE(child<QSpinBox>(d, QString("UpDown%1").arg(i))->minimum(), 1);
            QCOMPARE(child<QSpinBox>(d, QString("UpDown%1").arg(i))->maximum(), 40);
        }
        QCOMPARE(child<QSpinBox>(d, "UpDown8")->maximum(), 5);
        QCOMPARE(child<QSpinBox>(d, "UpDown9")->maximum(), 11);
        QLineEdit* five = child<QLineEdit>(d, "Edit5");
        five->selectAll();
        QTest::keyClicks(five, "45");
        QVERIFY(child<QSpinBox>(d, "UpDown5")->value() <= 40);
        // six numbers that are not distinct: OK is refused and says why
        child<QSpinBox>(d, "UpDown1")->setValue(18);
        child<QPushButton>(d, "BitBtn1")->click();
        QVERIFY(d.isVisible());
        QCOMPARE(child<QLabel>(d, "LabelProblem")->text(), QString("Die Zahl 18 kommt zweimal vor."));
    });
    QCOMPARE(p.stored(), test::drawsFromText(kHistory));
}

void DrawMaintenanceWindowTest::aNewDrawGoesIntoAnEmptyFile()
{
    Program p(std::vector<std::string>{});
    QVERIFY(p.stored().empty());
    p.withDialog<TForm3>("BitBtn8", [](TForm3& d) {
        child<QDateEdit>(d, "DateTimePicker1")->setDate(QDate(2023, 11, 9));
        child<QPushButton>(d, "BitBtn1")->click();
    });
    QCOMPARE(p.stored(), test::drawsFromText({"09.11.2023 1 2 3 4 5 6 D1 R1 T111111"}));
    QVERIFY(p.find<QLabel>("Label29")->text().contains("09.11.23"));
}

void DrawMaintenanceWindowTest::abortingWritesNothing()
{
    Program p;
    p.showDate("09.11.2023");
    p.withDialog<TForm3>("BitBtn8", [](TForm3& d) {
        child<QSpinBox>(d, "UpDown1")->setValue(30);
        child<QPushButton>(d, "BitBtn2")->click();
    });
    QCOMPARE(p.stored(), test::drawsFromText(kHistory));
    // the draw the dialog started from is shown
    QVERIFY(p.find<QLabel>("Label29")->text().startsWith("Do 09.11.23"));
}

void DrawMaintenanceWindowTest::deletingAsksFirst()
{
    Program p;
    p.showDate("09.11.2023");
    QTest::mouseClick(p.find<QAbstractButton>("SpeedButton5"), Qt::LeftButton);
    p.dialogs.yesNoAnswers = {false, true};
    QTest::mouseClick(p.find<QPushButton>("BitBtnLoeschen"), Qt::LeftButton);
    QCOMPARE(p.stored().size(), size_t(3));
    QVERIFY(p.dialogs.shown.back().find("09.11.2023 (7 8 9 10 11 12, Traumzahl 2)") != std::string::npos);
    QTest::mouseClick(p.find<QPushButton>("BitBtnLoeschen"), Qt::LeftButton);
    QCOMPARE(p.stored(), test::drawsFromText({kHistory[0], kHistory[2]}));
    QVERIFY(p.find<QLabel>("Label29")->text().contains("13.11.23"));
}

void DrawMaintenanceWindowTest::importShowsTheColumnsAndMerges()
{
    Program p;
    const QString file = p.dir.path() + "/ziehungen.csv";
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Nr,Datum,Traumzahl,A,B,C,D,E,F\n"
            "1,2023-11-16,2,3,11,17,25,33,40\n"
            "2,2023-11-23,1,1,2,3,4,5,41\n"
            "3,2023-11-09,2,7,8,9,10,11,12\n");
    f.close();
    p.dialogs.fileAnswer = file.toStdString();
    p.withDialog<CsvImportDialog>("ButtonImport", [](CsvImportDialog& d) {
        auto* preview = child<QTableWidget>(d, "CsvPreview");
        QCOMPARE(preview->rowCount(), 4);
        QCOMPARE(preview->item(1, 1)->text(), QString("2023-11-16"));
        // with the default columns nothing reads
        QVERIFY(child<QLabel>(d, "LabelVerdict")->text().startsWith("0 Ziehungen lesbar"));
        const int columns[] = {1, 3, 4, 5, 6, 7, 8, 2};
        const char* names[] = {"ColumnDatum", "ColumnZahl1", "ColumnZahl2", "ColumnZahl3",
                               "ColumnZahl4", "ColumnZahl5", "ColumnZahl6", "ColumnTraumzahl"};
        for (int i = 0; i < 8; ++i)
            child<QComboBox>(d, names[i])->setCurrentIndex(columns[i]);
        QCOMPARE(child<QLabel>(d, "LabelVerdict")->text().left(54),
                 QString("2 Ziehungen lesbar, 1 Zeilen fehlerhaft, erste Zeile i"));
        QCOMPARE(preview->horizontalHeaderItem(1)->text(), QString("2: Datum"));
        child<QPushButton>(d, "ButtonEinlesen")->click();
    });
    QCOMPARE(p.dialogs.shown.back(), std::string("Neu: 1\nUnverändert: 1\nErsetzt: 0\n"
                                                 "Abgelehnt, Zeile 3: Die Zahl 41 liegt nicht zwischen 1 und 40.\n"));
    QCOMPARE(p.stored().back(), test::drawFromText("16.11.2023 3 11 17 25 33 40 D2"));
    QVERIFY(p.find<QGroupBox>("GroupBoxKalender")->isHidden()); // no hole
}

void DrawMaintenanceWindowTest::theCalendarCheckShowsItsFindings()
{
    Program p({kHistory[0], kHistory[2]});
    QTest::mouseClick(p.find<QPushButton>("ButtonKalender"), Qt::LeftButton);
    QVERIFY(p.find<QGroupBox>("GroupBoxKalender")->isVisible());
    auto* list = p.find<QListWidget>("CalendarList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QString("09.11.2023: fehlt"));
}

QTEST_MAIN(DrawMaintenanceWindowTest)
#include "DrawMaintenanceWindowTest.moc"
