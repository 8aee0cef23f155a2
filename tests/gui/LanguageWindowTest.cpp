#include "data/Messages.h"
#include "fakes/Fakes.h"
#include "gui/DesignTexts.h"
#include "gui/MainWindow.h"
#include "gui/Scriptwahl.h"
#include "gui/Spielwahl.h"
#include "gui/TextWalk.h"
#include "gui/Zahlenwahl.h"
#include "session/Session.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace zf;

namespace {

const std::string kLand = ZF_SOURCE_DIR "/data/land/";

std::string fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// The program's forms as main() creates them, on a folder with the
// shipped language files.
struct Program {
    QTemporaryDir dir;
    test::FakeDialogs dialogs;
    TForm6 form6;
    TForm5 form5;
    TZKSForm zksForm;
    Session app{
        Ports{nullptr, nullptr, &dialogs, nullptr, nullptr, nullptr, nullptr, &form6, &form5, nullptr, &zksForm}};
    TForm1 window{app, dir.path()};

    Program()
    {
        form6.attach(app);
        form5.attach(app);
        zksForm.attach(app);
        window.setForms({&form6, &form5, &zksForm});
        app.home = dir.path().toStdString() + "/";
        QDir().mkpath(dir.filePath("land"));
        for (const QString& f : QDir(QString::fromStdString(kLand)).entryList(QDir::Files))
            QFile::copy(QString::fromStdString(kLand) + f, dir.filePath("land/" + f));
    }
};

// A small form: label, tagged label, edit field, a form owned by the form
// with a check box, a numeric label and a menu with a hidden entry.
struct SmallForm {
    QDialog form;
    QLabel* label1 = new QLabel("Zahl", &form);
    QLabel* tagged = new QLabel("Fest", &form);
    QLineEdit* edit = new QLineEdit("12", &form);
    QDialog* owned = new QDialog(&form);
    QCheckBox* check = new QCheckBox("Sortieren", owned);
    QLabel* number = new QLabel("3,5", &form);
    QMenu* menu = new QMenu("&Datei", &form);
    QAction* shown = menu->addAction("&Neu");
    QAction* hidden = menu->addAction("&Alt");
    QAction* separator = menu->addSeparator();

    SmallForm()
    {
        form.setObjectName("FormX");
        form.setWindowTitle("Haupt");
        label1->setObjectName("Label1");
        tagged->setObjectName("Label2");
        tagged->setProperty("tag", 8);
        edit->setObjectName("Edit1");
        edit->setToolTip("Eingabe");
        owned->setObjectName("Form9");
        owned->setWindowTitle("Unter");
        check->setObjectName("CheckBox1");
        number->setObjectName("Label3");
        menu->setObjectName("Datei1");
        shown->setObjectName("Neu1");
        hidden->setObjectName("Alt1");
        hidden->setVisible(false);
        separator->setObjectName("N1");
    }
};

QStringList names(const std::vector<TextRecord>& records)
{
    QStringList out;
    for (const TextRecord& r : records)
        out << QString::fromStdString(r.owner + "." + r.component + "=" + r.caption + "|" + r.hint);
    return out;
}

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void baseFileIsTheGermanWindow();
    void exportWalksInCreationOrderAndLeavesOutNumbersAndHiddenEntries();
    void applyKeepsTaggedControlsEditTextsAndTheFormsCaption();
    void exportCommandWritesBothFiles();
    void componentOrderDoesNotFollowTheShownPage();
    void everyLanguageReplacesEveryCaptionAndGermanRestoresThem_data();
    void everyLanguageReplacesEveryCaptionAndGermanRestoresThem();
};

void LanguageWindowTest::baseFileIsTheGermanWindow()
{
    const auto committed = readTextLines(kLand + "bezeichch.txt").value_or(std::vector<std::string>{});
    std::vector<std::string> designed;
    for (const TextRecord& r : designedControlTexts())
        for (const std::string& line : {r.owner, r.component, r.caption, r.hint, std::to_string(r.charset)})
            designed.push_back(line);
    size_t i = 0;
    while (i < committed.size() && i < designed.size() && committed[i] == designed[i])
        ++i;
    if (i < committed.size() || i < designed.size()) {
        const size_t r = i / 5 * 5;
        QFAIL(qPrintable(QString("land/bezeichch.txt differs from the German window at record %1 (%2.%3); "
                                 "regenerate it: build/bin/zf_export_texts data/land")
                             .arg(i / 5)
                             .arg(QString::fromStdString(r < designed.size() ? designed[r] : "-"))
                             .arg(QString::fromStdString(r + 1 < designed.size() ? designed[r + 1] : "-"))));
    }
}

void LanguageWindowTest::exportWalksInCreationOrderAndLeavesOutNumbersAndHiddenEntries()
{
    SmallForm s;
    QCOMPARE(names(collectControlTexts({&s.form})),
             QStringList({"FormX.Label1=Zahl|", "FormX.Edit1=Eingabe|Eingabe", "FormX.Form9=Unter|",
                          "FormX.CheckBox1=Sortieren|", "FormX.Datei1=&Datei|", "FormX.Neu1=&Neu|"}));
    // the character set comes back as it was read; a menu entry's is always 1
    s.label1->setProperty("charset", 238);
    s.shown->setProperty("charset", 204);
    const auto records = collectControlTexts({&s.form});
    QCOMPARE(records[0].charset, 238);
    QCOMPARE(records[5].charset, 1);
}

void LanguageWindowTest::applyKeepsTaggedControlsEditTextsAndTheFormsCaption()
{
    SmallForm s;
    ControlTexts texts({"FormX", "FormX",     "Anders", "",
                        "0", // the form itself is never asked for
                        "FormX", "Label1",    "Number", "Tip",
                        "204", //
                        "FormX", "Label2",    "Fixed",  "",
                        "0", //
                        "FormX", "Edit1",     "Input",  "Input",
                        "x", //
                        "FormX", "Form9",     "Sub",    "",
                        "0", //
                        "FormX", "CheckBox1", "Sort",   "",
                        "0", //
                        "FormX", "Neu1",      "&New",   "Starts anew",
                        "1"},
                       std::nullopt);
    applyControlTexts({&s.form}, texts);
    QCOMPARE(s.form.windowTitle(), QString("Haupt"));
    QCOMPARE(s.label1->text(), QString("Number"));
    QCOMPARE(s.label1->toolTip(), QString("Tip"));
    QCOMPARE(s.label1->property("charset").toInt(), 204);
    QCOMPARE(s.tagged->text(), QString("Fest"));
    QCOMPARE(s.edit->text(), QString("12"));
    QCOMPARE(s.edit->toolTip(), QString("Input"));
    QVERIFY(!s.edit->property("charset").isValid()); // not a number: left as it was
    QCOMPARE(s.owned->windowTitle(), QString("Sub"));
    QCOMPARE(s.check->text(), QString("Sort"));
    QCOMPARE(s.menu->title(), QString("&Datei")); // no record
    QCOMPARE(s.shown->text(), QString("&New"));
    QCOMPARE(s.shown->statusTip(), QString("Starts anew"));
}

void LanguageWindowTest::exportCommandWritesBothFiles()
{
    Program p;
    p.dialogs.fileAnswer = p.dir.filePath("neu.txt").toStdString();
    p.window.findChild<QAction*>("Export1")->trigger();
    QVERIFY(p.dialogs.errors.empty());
    QCOMPARE(fileBytes(p.dir.filePath("neu.txt")), fileBytes(QString::fromStdString(kLand + "bezeichch.txt")));
    const std::string trans = fileBytes(p.dir.filePath("neu.txt.trans"));
    QCOMPARE(trans.substr(0, 2), std::string("\xFF\xFE"));
    const auto base = readTextLines(p.dir.filePath("neu.txt").toStdString());
    QCOMPARE(readTextLines(p.dir.filePath("neu.txt.trans").toStdString())->size() * 5, base->size() * 2);
}

void LanguageWindowTest::componentOrderDoesNotFollowTheShownPage()
{
    Program p;
    const QStringList first = names(collectControlTexts(p.window.forms()));
    for (QTabWidget* tabs : p.window.findChildren<QTabWidget*>())
        tabs->setCurrentIndex(tabs->count() - 1);
    QCOMPARE(names(collectControlTexts(p.window.forms())), first);
}

void LanguageWindowTest::everyLanguageReplacesEveryCaptionAndGermanRestoresThem_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("sprache");
    const std::pair<const char*, const char*> menu[] = {
        {"Franzsisch1", "fr"}, {"Italienisch1", "it"}, {"Englisch1", "en"},
        {"Spanisch1", "sp"},   {"Trkisch1", "tr"},     {"Russisch1", "ru"},
        {"Polnisch1", "pl"},   {"schechisch1", "cz"},  {"Niederlndisch1", "nl"},
    };
    for (const auto& [action, code] : menu)
        QTest::newRow(code) << action << code << *languageOfCode(code);
}

void LanguageWindowTest::everyLanguageReplacesEveryCaptionAndGermanRestoresThem()
{
    QFETCH(QString, action);
    QFETCH(QString, code);
    QFETCH(int, sprache);
    Program p;
    const auto german = collectControlTexts(p.window.forms());
    p.window.findChild<QAction*>(action)->trigger();
    QCOMPARE(p.app.options().integer(Opt::Sprache), sprache);
    for (QAction* a : p.window.findChild<QMenu*>("Sprache1")->actions())
        QCOMPARE(a->isChecked(), a->objectName() == action);

    const auto translation = *readTextLines(kLand + "bezeichch.txt." + code.toStdString());
    const auto now = collectControlTexts(p.window.forms());
    QCOMPARE(now.size(), german.size());
    for (size_t i = 0; i < now.size(); ++i) {
        const QString where = QString::fromStdString(now[i].owner + "." + now[i].component);
        const std::string shown = now[i].caption + "|" + now[i].hint;
        const std::string wanted = translation[2 * i] + "|" + translation[2 * i + 1];
        QVERIFY2(shown == wanted, qPrintable(where + ": " + QString::fromStdString(shown + " instead of " + wanted)));
    }
    const auto items = *readTextLines(kLand + "Radio1.txt." + code.toStdString());
    QCOMPARE(p.window.findChild<QWidget*>("RadioGroup1")->findChildren<QRadioButton*>()[3]->text(),
             QString::fromStdString(items[3]));
    QCOMPARE(p.app.messages()[Msg::Tip], (*readTextLines(kLand + "meldungen.txt." + code.toStdString()))[24]);

    p.window.findChild<QAction*>("Deutsch1")->trigger();
    QCOMPARE(names(collectControlTexts(p.window.forms())), names(german));
}

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"
