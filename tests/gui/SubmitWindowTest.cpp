#include "fakes/SheetText.h"
#include "ground/Formats.h"
#include "gui/MainWindow.h"
#include "gui/Scriptwahl.h"
#include "gui/Spielwahl.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "session/Session.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>

using namespace zf;

namespace fs = std::filesystem;

namespace {

// Starts programs for real; web addresses are only recorded.
struct RecordingShell : QtShell {
    std::vector<std::string> opened;
    bool open(const std::string& target) override
    {
        opened.push_back(target);
        return true;
    }
};

// The desktop program with the real print settings and script selection
// dialogs, the example template in "Script" and the stand-in automation
// program in "Pilotara"; today is a Wednesday.
struct Program {
    QString dir;
    QtSettingsStore store;
    QtSettingsStore pilotara;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    RecordingShell shell;
    test::FakeSlipPrinter printer;
    test::FakeHttp http; // no update, no newer template
    TForm5 form5;
    TZKSForm zksForm;
    Session app;
    TForm1 window;

    explicit Program(const QString& home, QStringList args = {})
        : dir(home), store(home + "/Somnara.ini"),
          pilotara(std::make_unique<QSettings>(home + "/Pilotara.ini", QSettings::IniFormat), "Settings"),
          app(Ports{&store, &clock, &dialogs, nullptr, nullptr, &shell, &http, nullptr, &form5, &printer, &zksForm,
                    &pilotara}),
          window(app, home, std::move(args))
    {
        clock.day = *parseDate("10.12.2025");
        form5.attach(app);
        zksForm.attach(app);
        fs::create_directories(path("Script"));
        fs::copy_file(ZF_SOURCE_DIR "/data/Script/Beispiel.zks", path("Script/Beispiel.zks"),
                      fs::copy_options::overwrite_existing);
        fs::create_directories(path("Pilotara"));
        fs::copy_file(ZF_BIN_DIR "/zf_pilotara", path("Pilotara/pilotara"), fs::copy_options::overwrite_existing);
        pilotara.writeText("Path", path("Pilotara"));
    }
    std::string path(const std::string& name) const { return dir.toStdString() + "/" + name; }
    std::string read(const std::string& name) const
    {
        QFile f(QString::fromStdString(path(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    template <typename T = QWidget>
    T* inScriptDialog(const char* name) const
    {
        return zksForm.findChild<T*>(name);
    }
    // "Schein drucken", then "Online"; `user` plays the script selection dialog.
    void submit(const std::function<void()>& user)
    {
        whenOpen(&form5, [this] { form5.findChild<QPushButton*>("BitBtn3")->click(); });
        whenOpen(&zksForm, user);
        window.findChild<QAbstractButton*>("SpeedButton12")->click();
    }
    // Start-up, then fourteen tips on the sheet.
    void start()
    {
        window.show();
        QTRY_VERIFY(window.started());
        for (int row = 0; row < TipSheet::kRows; ++row)
            test::setRow(app.sheet(), row, "1,8,15,22,29,36," + std::to_string(row % 5 + 1));
    }
    // Plays the user's part once the dialog shows; a failed check leaves it by Cancel.
    static void whenOpen(QDialog* dialog, std::function<void()> user)
    {
        auto* timer = new QTimer(dialog);
        QObject::connect(timer, &QTimer::timeout, dialog, [dialog, timer, user = std::move(user)] {
            if (!dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            user();
            if (dialog->isVisible())
                dialog->reject();
        });
        timer->start(10);
    }
};

} // namespace

class SubmitWindowTest : public QObject {
    Q_OBJECT
private slots:
    void onlineStartsTheProgramOnTheWrittenScript();
    void cancelAndAMissingProgram();
    void printModeOnlineSubmitsToo();
};

void SubmitWindowTest::onlineStartsTheProgramOnTheWrittenScript()
{
    QTemporaryDir dir;
    Program p(dir.path());
    p.start();
    QCOMPARE(p.zksForm.objectName(), QString("ZKSForm"));
    QCOMPARE(p.zksForm.windowTitle(), QString("Script für Zahlenübergabe auswählen!"));
    const QString tricky = "mein \"Kenn wort\" $(touch pwned)";
    p.submit([&] {
        auto* script = p.inScriptDialog<QComboBox>("LabeledEdit1");
        QCOMPARE(script->count(), 1);
        QCOMPARE(script->currentText().toStdString(), p.path("Script/Beispiel.zks"));
        for (const char* name : {"LabeledEdit1Label", "Label1", "LabeledEdit2Label", "LabeledEdit5Label"})
            QVERIFY2(p.inScriptDialog<QLabel>(name), name);
        QCOMPARE(p.inScriptDialog<QLabel>("LabeledEdit1Label")->text(), QString("Darnholms Click-Script File"));
        QVERIFY(p.inScriptDialog<QToolButton>("BitBtn1"));
        QVERIFY(p.inScriptDialog<QPushButton>("BitBtn3"));
        p.inScriptDialog<QLineEdit>("LabeledEdit2")->clear();      // ZAHL1: "0"
        p.inScriptDialog<QLineEdit>("LabeledEdit3")->setText("3"); // ZAHL2
        p.inScriptDialog<QLineEdit>("LabeledEdit4")->setText("ich");
        p.inScriptDialog<QLineEdit>("LabeledEdit5")->setText(tricky);
        p.inScriptDialog<QPushButton>("BitBtn2")->click();
    });
    QTRY_VERIFY(fs::exists(p.path("Pilotara/pilotara.args")));
    const std::string script = p.path("Tipps/20251210.zks");
    QCOMPARE(p.read("Pilotara/pilotara.args"), "START\n" + script + "\n0\nich\n3\n" + tricky.toStdString() + "\n");
    const std::string filled = p.read("Tipps/20251210.zks");
    QVERIFY(filled.find("TIPP 14 ZAHLEN 1 8 15 22 29 36 TRAUMZAHL 4\r\n") != std::string::npos);
    QVERIFY(filled.find("ZIEHUNG MITTWOCH JA\r\nZIEHUNG SAMSTAG NEIN\r\n") != std::string::npos);
    QVERIFY(filled.find("Bitte überprüfen Sie jetzt den Tipp") != std::string::npos);
    QVERIFY(filled.find("[Z") == std::string::npos);
    // the template was asked for and kept; the values are stored for the next time
    QCOMPARE(p.http.requests().back().target, std::string("/scripts/Beispiel.zks.txt"));
    std::string stored;
    p.pilotara.readText("SwissLottoZahl1", stored);
    QCOMPARE(stored, std::string("0"));
    p.pilotara.readText("SwissLottoText2", stored);
    QCOMPARE(QString::fromStdString(stored), tricky);
    QVERIFY(p.dialogs.errors.empty());

    // the next time the dialog shows the stored values
    p.submit([&] {
        QCOMPARE(p.inScriptDialog<QLineEdit>("LabeledEdit4")->text(), QString("ich"));
        QCOMPARE(p.inScriptDialog<QLineEdit>("LabeledEdit5")->text(), tricky);
        p.inScriptDialog<QPushButton>("BitBtn3")->click();
    });
}

void SubmitWindowTest::cancelAndAMissingProgram()
{
    QTemporaryDir dir;
    Program p(dir.path());
    p.start();
    p.submit([&] { p.inScriptDialog<QPushButton>("BitBtn3")->click(); });
    QVERIFY(!fs::exists(p.path("Tipps")));
    std::string stored;
    QCOMPARE(p.pilotara.readText("SwissLottoScript", stored), ReadStatus::Missing);

    fs::remove(p.path("Pilotara/pilotara"));
    Program::whenOpen(&p.form5, [&] { p.form5.findChild<QPushButton*>("BitBtn3")->click(); });
    p.window.findChild<QAbstractButton*>("SpeedButton12")->click();
    QCOMPARE(p.dialogs.shown, std::vector<std::string>{"Darnholms Pilotara installieren?"});
    QCOMPARE(p.shell.opened, std::vector<std::string>{"http://127.0.0.1:8080/dateien/pilotarap.exe"});
    QVERIFY(!fs::exists(p.path("Tipps")));
}

void SubmitWindowTest::printModeOnlineSubmitsToo()
{
    QTemporaryDir dir;
    TipSheet sheet;
    test::setRow(sheet, 0, "3,7,12,25,31,40,2");
    {
        QFile f(dir.filePath("x.ztp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("3,7,12,25,31,40,2\r\n");
    }
    Program p(dir.path(), {"X", dir.filePath("x.ztp")});
    p.whenOpen(&p.form5, [&] { p.form5.findChild<QPushButton*>("BitBtn3")->click(); });
    p.whenOpen(&p.zksForm, [&] { p.inScriptDialog<QPushButton>("BitBtn2")->click(); });
    p.window.show();
    QTRY_VERIFY(fs::exists(p.path("Pilotara/pilotara.args")));
    QVERIFY(p.read("Tipps/20251210.zks").find("TIPP 1 ZAHLEN 3 7 12 25 31 40 TRAUMZAHL 2") != std::string::npos);
}

QTEST_MAIN(SubmitWindowTest)
#include "SubmitWindowTest.moc"
