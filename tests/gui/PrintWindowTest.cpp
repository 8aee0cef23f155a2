#include "fakes/SheetText.h"
#include "ground/Formats.h"
#include "gui/MainWindow.h"
#include "gui/Scheinch.h"
#include "gui/Spielwahl.h"
#include "platform/QtSettingsStore.h"
#include "rules/Slip.h"
#include "session/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace zf;

namespace {

// The desktop program with the real print settings dialog, a fixed Wednesday
// as today and a print preview that keeps the pages it is shown.
struct Program {
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeShell shell;
    test::FakeSlipPrinter printer;
    test::FakeHttp http; // the update at start-up finds nothing new and says nothing
    TForm5 form5;
    Session app;
    TForm1 window;

    Program(const QString& dir, QStringList args = {}, PrintDialog* printDialog = nullptr)
        : store(dir + "/Somnara.ini"), app(Ports{&store, &clock, &dialogs, nullptr, nullptr, &shell, &http, nullptr,
                                                 printDialog ? printDialog : &form5, &printer}),
          window(app, dir, std::move(args))
    {
        clock.day = *parseDate("10.12.2025");
        form5.attach(app);
    }
    void start()
    {
        window.show();
        QTRY_VERIFY(window.started());
    }
    void fillSheet()
    {
        for (int row = 0; row < TipSheet::kRows; ++row)
            test::setRow(app.sheet(), row, "1,8,15,22,29,36," + std::to_string(row % 5 + 1));
    }
    template <typename T = QWidget>
    T* inDialog(const char* name) const
    {
        return form5.findChild<T*>(name);
    }
};

// Plays the user's part in the dialog once it is open, then leaves it by `exit`.
void whenOpen(QWidget* dialog, std::function<void()> user)
{
    QTimer::singleShot(0, dialog, [dialog, user = std::move(user)] {
        QVERIFY(dialog->isVisible());
        user();
    });
}

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT
private slots:
    void tipPageHasTheFileAndPrintCommands();
    void dialogOpensWithPresetAndCostAndOkPrints();
    void onlineAndAbortKeepShiftsAndPaper_data();
    void onlineAndAbortKeepShiftsAndPaper();
    void ticketButtonsDrawAndSearch();
    void previewShowsThePageAndPrintsToPdf();
    void printModePrintsTheTipFileAndEnds();

private:
    QTemporaryDir m_dir;
};

void PrintWindowTest::tipPageHasTheFileAndPrintCommands()
{
    QTemporaryDir dir;
    Program p(dir.path());
    p.start();
    for (const char* name : {"SpeedButton12", "SpeedButton15", "SpeedButton16", "BitBtn7"})
        QVERIFY2(p.window.findChild<QAbstractButton*>(name), name);
    QCOMPARE(p.window.findChild<QAbstractButton*>("SpeedButton12")->text(), QString("Schein drucken"));
    QCOMPARE(p.window.findChild<QAbstractButton*>("BitBtn7")->text(), QString("Tipp"));

    test::setRow(p.app.sheet(), 0, "3,7,12,25,31,40,2");
    p.window.findChild<QAbstractButton*>("BitBtn7")->click();
    QVERIFY(QFile::exists(dir.filePath("Tipp.txt")));
    QCOMPARE(p.shell.opened.size(), size_t(1));

    p.dialogs.fileAnswer = dir.filePath("mine.ztp").toStdString();
    p.window.findChild<QAbstractButton*>("SpeedButton15")->click();
    test::setRow(p.app.sheet(), 0, "1,2,3,4,5,6,-");
    p.window.findChild<QAbstractButton*>("SpeedButton16")->click();
    QCOMPARE(test::rowText(p.app.sheet(), 0), std::string("3,7,12,25,31,40,2"));
    QVERIFY(p.dialogs.errors.empty());
}

void PrintWindowTest::dialogOpensWithPresetAndCostAndOkPrints()
{
    Program p(m_dir.path());
    p.fillSheet();
    QCOMPARE(p.form5.objectName(), QString("Form5"));
    QCOMPARE(p.form5.windowTitle(), QString("Drucckeeinstellungen für den Lottoschein"));
    whenOpen(&p.form5, [&] {
        // a Wednesday: "Mittwoch" only
        QVERIFY(p.inDialog<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(!p.inDialog<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(p.inDialog<QLabel>("Label4")->text(), QString("35,00 €"));
        for (const char* box : {"CheckBox3", "CheckBox4", "CheckBox7", "CheckBox1"})
            p.inDialog<QCheckBox>(box)->click();
        QCOMPARE(p.inDialog<QLabel>("Label4")->text(), QString("82,00 €"));
        p.inDialog<QCheckBox>("CheckBox1")->click();
        p.inDialog<QCheckBox>("CheckBox2")->click();
        QCOMPARE(p.inDialog<QLabel>("Label4")->text(), QString("0,00 €"));
        p.inDialog<QCheckBox>("CheckBox1")->click();
        QCOMPARE(p.inDialog<QLabel>("Label4")->text(), QString("41,00 €"));
        QCOMPARE(p.inDialog<QSpinBox>("UpDown1")->value(), 53);
        QCOMPARE(p.inDialog<QSpinBox>("UpDown2")->value(), 32);
        p.inDialog<QSpinBox>("UpDown1")->setValue(60);
        p.inDialog<QComboBox>("ComboBox1")->setCurrentIndex(1);
        p.inDialog<QComboBox>("ComboBox2")->setCurrentText("SwissLos");
        p.inDialog<QCheckBox>("CheckBox5")->click();
        p.inDialog<QPushButton>("BitBtn2")->click();
    });
    p.window.findChild<QAbstractButton*>("SpeedButton12")->click();
    QVERIFY(p.dialogs.errors.empty());
    QCOMPARE(p.app.options().integer(Opt::TippTop), 60);
    QCOMPARE(p.app.options().integer(Opt::Papierformat), 1);
    QVERIFY(p.app.options().flag(Opt::Joker3));
    QCOMPARE(p.app.options().text(Opt::ScheinBild), std::string("SwissLos"));
    QCOMPARE(p.printer.pages.size(), size_t(1));
    const SlipPage& page = p.printer.pages[0];
    QVERIFY(page.landscape);
    QVERIFY(page.picture.printed);
    QCOMPARE(page.picture.height, 550);
    QCOMPARE(page.marks[0].top, 60);
}

void PrintWindowTest::onlineAndAbortKeepShiftsAndPaper_data()
{
    QTest::addColumn<QString>("exit");
    QTest::newRow("Online") << "BitBtn3";
    QTest::newRow("Abort") << "BitBtn1";
    QTest::newRow("closing the window") << "";
}

void PrintWindowTest::onlineAndAbortKeepShiftsAndPaper()
{
    QFETCH(QString, exit);
    Program p(m_dir.path());
    p.fillSheet();
    whenOpen(&p.form5, [&] {
        p.inDialog<QSpinBox>("UpDown1")->setValue(10);
        p.inDialog<QSpinBox>("UpDown2")->setValue(90);
        p.inDialog<QComboBox>("ComboBox1")->setCurrentIndex(3);
        p.inDialog<QCheckBox>("CheckBox3")->click(); // an option box is taken whatever the exit
        if (exit.isEmpty())
            p.form5.close();
        else
            p.form5.findChild<QPushButton*>(exit)->click();
    });
    p.window.findChild<QAbstractButton*>("SpeedButton12")->click();
    QCOMPARE(p.app.options().integer(Opt::TippTop), 53);
    QCOMPARE(p.app.options().integer(Opt::TippLeft), 32);
    QCOMPARE(p.app.options().integer(Opt::Papierformat), 0);
    QVERIFY(p.app.options().flag(Opt::Joker1));
    QVERIFY(p.printer.pages.empty());
    // the next opening shows the shifts kept, not the ones typed
    whenOpen(&p.form5, [&] {
        QCOMPARE(p.inDialog<QSpinBox>("UpDown1")->value(), 53);
        QCOMPARE(p.inDialog<QComboBox>("ComboBox1")->currentIndex(), 0);
        p.inDialog<QPushButton>("BitBtn1")->click();
    });
    p.window.findChild<QAbstractButton*>("SpeedButton12")->click();
}

void PrintWindowTest::ticketButtonsDrawAndSearch()
{
    QTemporaryDir dir;
    test::writeDrawFile(dir.filePath("ZahlenSN.dat").toStdString(),
                        {"06.11.2023 1 2 3 4 5 6 D1 T047113", "09.11.2023 1 2 3 4 5 6 D1 T123456"});
    Program p(dir.path());
    p.start();
    p.app.options().setText(Opt::Joker2Zahl, "123456");
    QCOMPARE(p.form5.digit(2, 0)->value(), 1);
    QCOMPARE(p.form5.digit(2, 5)->value(), 6);
    QCOMPARE(p.form5.digit(2, 0)->objectName(), QString("UpDown3"));
    QCOMPARE(p.form5.digit(1, 0)->objectName(), QString("UpDown4"));
    whenOpen(&p.form5, [&] {
        p.inDialog<QToolButton>("SpeedButton4")->click(); // search row 2
        // typed into row 3's digits, then searched
        const int digits[] = {0, 4, 7, 1, 1, 3};
        for (int i = 0; i < 6; ++i)
            p.form5.digit(3, i)->setValue(digits[i]);
        p.inDialog<QToolButton>("SpeedButton6")->click();
        p.inDialog<QToolButton>("SpeedButton2")->click(); // new number row 1
        QCOMPARE(p.inDialog<QToolButton>("SpeedButton2")->toolTip(),
                 QString("Neu Losnummer welche noch nie gezogen wurde erzeugen"));
        QCOMPARE(p.inDialog<QToolButton>("SpeedButton3")->toolTip(),
                 QString("Suchen ob diese Losnr schon gezogen wurde"));
        p.inDialog<QPushButton>("BitBtn1")->click();
    });
    p.window.findChild<QAbstractButton*>("SpeedButton12")->click();
    QCOMPARE(p.dialogs.shown, (std::vector<std::string>{"LosNr. wurde am 09.11.2023 als Joker gezogen",
                                                        "LosNr. wurde am 06.11.2023 aus Joker gezogen"}));
    QCOMPARE(p.app.options().text(Opt::Joker3Zahl), std::string("047113"));
    const std::string drawn = p.app.options().text(Opt::Joker1Zahl);
    QCOMPARE(drawn.size(), size_t(6));
    QString shown;
    for (int i = 0; i < 6; ++i)
        shown += QString::number(p.form5.digit(1, i)->value());
    QCOMPARE(shown.toStdString(), drawn);
}

void PrintWindowTest::previewShowsThePageAndPrintsToPdf()
{
    TipSheet sheet;
    test::setRow(sheet, 0, "1,6,7,40,,,5");
    SlipSettings st;
    st.paper = 2;
    st.testPicture = true;
    SlipPage page = buildSlipPage(sheet, st);
    page.picture.path = ZF_SOURCE_DIR "/data/Romande.jpg";

    TForm4 form4;
    QCOMPARE(form4.objectName(), QString("Form4"));
    bool shown = false;
    connect(&form4, &TForm4::previewShown, this, [&](QPrintPreviewDialog* dialog) {
        QTimer::singleShot(0, dialog, [&shown, dialog] {
            shown = dialog->isVisible();
            dialog->reject();
        });
    });
    form4.preview(page);
    QVERIFY(shown);

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("slip.pdf"));
    TForm4::setUpPrinter(printer, page);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    TForm4::print(printer, page);
    QFile pdf(dir.filePath("slip.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.contains("/MediaBox [0 0 595.000000 420.000000]"));
    QVERIFY(bytes.contains("/Subtype /Image"));
}

void PrintWindowTest::printModePrintsTheTipFileAndEnds()
{
    QTemporaryDir dir;
    QFile tips(dir.filePath("p.ztp"));
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write("1,6,7,40,12,13,3\r\n");
    tips.close();
    test::FakePrintDialog dialog; // answers OK
    Program p(dir.path(), {"X", dir.filePath("p.ztp")}, &dialog);
    p.start();
    QVERIFY(!p.window.isVisible());
    QCOMPARE(p.printer.pages.size(), size_t(1));
    int marks = 0;
    for (const SlipMark& m : p.printer.pages[0].marks)
        marks += m.shown;
    QCOMPARE(marks, 7);
    QVERIFY(QFile::exists(dir.filePath("Somnara.ini")));

    // a file that cannot be read: said, nothing printed, and the program still ends
    QTemporaryDir other;
    Program q(other.path(), {"X", other.filePath("missing.ztp")}, &dialog);
    q.start();
    QVERIFY(!q.window.isVisible());
    QVERIFY(q.printer.pages.empty());
    QCOMPARE(q.dialogs.errors.size(), size_t(1));
}

QTEST_MAIN(PrintWindowTest)
#include "PrintWindowTest.moc"
