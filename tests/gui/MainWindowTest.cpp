#include "gui/MainWindow.h"
#include "fakes/Fakes.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "gui/BerechnungPage.h"
#include "gui/DatenbankPage.h"
#include "gui/GuiUtil.h"
#include "gui/OptionBinder.h"
#include "gui/QtFeedback.h"
#include "platform/QtSettingsStore.h"
#include "session/Session.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zf;

namespace {

// The desktop program on a settings file of its own, with a fixed today.
struct Program {
    QtSettingsStore store;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeFeedback feedback;
    test::FakeSound sound;
    test::FakeShell shell;
    Session app;
    TForm1 window;

    Program(const QString& dir, QStringList args = {})
        : store(dir + "/Somnara.ini"), app(Ports{&store, &clock, &dialogs, &feedback, &sound, &shell, nullptr}),
          window(app, dir, std::move(args))
    {
    }
    // Shows the window and waits for the start-up sequence.
    void start()
    {
        window.show();
        QTRY_VERIFY(window.started());
    }
    template <typename T = QWidget>
    T* find(const std::string& name) const
    {
        return window.findChild<T*>(QString::fromStdString(name));
    }
    double fontSize() const { return window.pages()->font().pointSizeF(); }
};

// The widget that holds the controls of an options-table page.
QWidget* pageWidget(TForm1& w, OptionPage page)
{
    switch (page) {
    case OptionPage::Lottotipp:
        return w.pages()->widget(0);
    case OptionPage::Diagramm:
        return w.pages()->widget(2);
    case OptionPage::Datenbank:
        return w.pages()->widget(3);
    case OptionPage::InternetOptionen:
        return w.pages()->widget(4);
    default:
        return w.berechnung()->subPage(page);
    }
}

bool onWindow(const OptionDef& d)
{
    return d.page != OptionPage::None && d.page != OptionPage::PrintDialog;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsEveryOptionControlWithItsDefault();
    void controlsAndModelFollowEachOther();
    void settingsSurviveARestart();
    void onlyAHeightChangeRescales();
    void aStoredSizeIsBoundedToTheScreen();
    void printModeClosesAfterStartUp_data();
    void printModeClosesAfterStartUp();
    void languageMenuMarksTheChosenLanguage();
    void failedCommandGoesToTheErrorDisplay();
    void feedbackReachesStatusBarAndPages();

private:
    QTemporaryDir m_dir;
};

void MainWindowTest::showsEveryOptionControlWithItsDefault()
{
    Program p(m_dir.path());
    TForm1& w = p.window;
    QCOMPARE(w.objectName(), QString("Form1"));
    QCOMPARE(w.windowTitle(), QString("Darnholms Ziffrano  6 aus 40 Somnara"));
    const QStringList titles = {"Lottotipp", "Berechnung", "Diagramm", "Datenbank", "Internet-Optionen"};
    QCOMPARE(w.pages()->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(w.pages()->tabText(i), titles[i]);
    const QStringList sub = {"Statistisch", "Schein Optimierung", "Mathematisch", "Traumzahl", "Allgemein"};
    for (int i = 0; i < sub.size(); ++i)
        QCOMPARE(w.berechnung()->tabs()->tabText(i), sub[i]);

    for (const OptionDef& d : Options::table()) {
        if (!onWindow(d))
            continue;
        QWidget* c = p.find(d.control);
        QVERIFY2(c, d.control.c_str());
        QVERIFY2(pageWidget(w, d.page)->isAncestorOf(c), d.control.c_str());
        QCOMPARE(c->isHidden(), d.hidden);
        QCOMPARE(c->toolTip(), qs(d.hint));
        if (auto* box = qobject_cast<QCheckBox*>(c)) {
            QCOMPARE(box->text(), qs(d.caption));
            QCOMPARE(box->isChecked(), d.defaultInt != 0);
        } else if (auto* spin = qobject_cast<QSpinBox*>(c)) {
            QCOMPARE(spin->minimum(), d.min);
            QCOMPARE(spin->maximum(), d.max);
            auto* field = spin->findChild<QLineEdit*>(qs(d.field));
            QVERIFY2(field, d.field.c_str());
            QCOMPARE(field->text(), QString::number(d.defaultInt));
        } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
            QCOMPARE(edit->text(), qs(d.defaultText));
        } else if (auto* date = qobject_cast<QDateEdit*>(c)) {
            QCOMPARE(date->date(), QDate(2023, 11, 6));
            QCOMPARE(date->minimumDate(), QDate(2023, 11, 6));
        } else {
            auto* group = qobject_cast<QGroupBox*>(c);
            QVERIFY2(group, d.control.c_str());
            QCOMPARE(group->title(), QString("Traumzahl Option"));
            QCOMPARE(group->findChild<QButtonGroup*>()->checkedId(), d.defaultInt);
        }
    }
    // the end of the date window is not an option but sits on "Datenbank"
    auto* picker1 = p.find<QDateEdit>("DateTimePicker1");
    QVERIFY(w.datenbank()->isAncestorOf(picker1));
    QCOMPARE(picker1->minimumDate(), QDate(2023, 11, 6));
    for (const char* name : {"TipGrid", "TipButtons", "Label35", "Label13", "BitBtn4", "ChartArea", "ChartButtons",
                             "Label29", "DatabaseButtons"})
        QVERIFY2(p.find(name), name);
    QCOMPARE(p.find<QSpinBox>("UpDown8")->singleStep(), 2);
}

void MainWindowTest::controlsAndModelFollowEachOther()
{
    Program p(m_dir.path());
    Options& o = p.app.options();

    p.find<QCheckBox>("CheckBox1")->click();
    QVERIFY(o.flag(Opt::CheckBox1));
    p.find<QSpinBox>("UpDown7")->setValue(120);
    QCOMPARE(o.integer(Opt::UpDown7), 120);
    QCOMPARE(p.app.runBudget(), 120000);
    auto* fee = p.find<QLineEdit>("Edit81");
    fee->clear();
    QTest::keyClicks(fee, "0,75");
    QCOMPARE(o.text(Opt::Edit81), std::string("0,75"));
    p.find<QGroupBox>("RadioGroup1")->findChild<QButtonGroup*>()->button(2)->click();
    QCOMPARE(o.integer(Opt::RadioGroup1), 2);
    p.find<QDateEdit>("DateTimePicker2")->setDate(QDate(2024, 1, 4));
    QCOMPARE(o.date(Opt::DateTimePicker2), double(dayOfDate(QDate(2024, 1, 4))));

    o.setFlag(Opt::CheckBox14, false);
    QVERIFY(!p.find<QCheckBox>("CheckBox14")->isChecked());
    o.setInt(Opt::UpDown18, 9999); // clamped like the spin control
    QCOMPARE(p.find<QLineEdit>("Edit92")->text(), QString("500"));
    o.setText(Opt::ProxyHostEdit, "proxy.local");
    QCOMPARE(p.find<QLineEdit>("ProxyHostEdit")->text(), QString("proxy.local"));
    o.setInt(Opt::RadioGroup1, -1);
    QCOMPARE(p.find<QGroupBox>("RadioGroup1")->findChild<QButtonGroup*>()->checkedId(), -1);

    p.app.setEndDay(dayOfDate(QDate(2024, 2, 1)));
    QCOMPARE(p.find<QDateEdit>("DateTimePicker1")->date(), QDate(2024, 2, 1));
    p.find<QDateEdit>("DateTimePicker1")->setDate(QDate(2024, 3, 4));
    QCOMPARE(p.app.endDay, double(dayOfDate(QDate(2024, 3, 4))));
}

void MainWindowTest::settingsSurviveARestart()
{
    QTemporaryDir dir;
    {
        Program p(dir.path());
        p.start();
        p.find<QCheckBox>("CheckBox1")->click();
        p.find<QCheckBox>("CheckBox33")->click();
        p.find<QSpinBox>("UpDown12")->setValue(55);
        QTest::keyClicks(p.find<QLineEdit>("ProxyHostEdit"), "proxy.local");
        p.find<QLineEdit>("ProxyPortEdit")->clear();
        QTest::keyClicks(p.find<QLineEdit>("ProxyPortEdit"), "3128");
        p.find<QGroupBox>("RadioGroup1")->findChild<QButtonGroup*>()->button(3)->click();
        p.find<QDateEdit>("DateTimePicker2")->setDate(QDate(2024, 5, 2));
        p.window.resize(900, p.window.height());
        QVERIFY(p.window.close());
    }
    QSettings raw(dir.path() + "/Somnara.ini", QSettings::IniFormat);
    QCOMPARE(raw.value("Chekcbox1").toString(), QString("1"));
    QCOMPARE(raw.value("Chekcbox33").toString(), QString("0"));
    QCOMPARE(raw.value("UpDown12").toString(), QString("55"));
    QCOMPARE(raw.value("width").toString(), QString("900"));
    QCOMPARE(raw.value("DateTimePicker2").toByteArray().size(), 8);

    Program again(dir.path());
    again.start();
    QVERIFY(again.find<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!again.find<QCheckBox>("CheckBox33")->isChecked());
    QCOMPARE(again.find<QLineEdit>("Edit85")->text(), QString("55"));
    QCOMPARE(again.find<QLineEdit>("ProxyHostEdit")->text(), QString("proxy.local"));
    QCOMPARE(again.find<QLineEdit>("ProxyPortEdit")->text(), QString("3128"));
    QCOMPARE(again.find<QGroupBox>("RadioGroup1")->findChild<QButtonGroup*>()->checkedId(), 3);
    QCOMPARE(again.find<QDateEdit>("DateTimePicker2")->date(), QDate(2024, 5, 2));
    QCOMPARE(again.window.width(), 900);
    QVERIFY(again.dialogs.errors.empty());
}

void MainWindowTest::onlyAHeightChangeRescales()
{
    QTemporaryDir dir;
    {
        // a stored height 1.5 times the designed one rescales once at start-up
        QSettings raw(dir.path() + "/Somnara.ini", QSettings::IniFormat);
        raw.setValue("height", 1050);
    }
    Program p(dir.path());
    const double designed = p.fontSize();
    p.start();
    QCOMPARE(p.window.height(), 1050);
    QCOMPARE(p.window.groesse, 1050);
    QVERIFY(qAbs(p.fontSize() - designed * 1.5) < 0.01);
    // the web links grow with everything else on the pages
    for (const char* link : {"Banner1", "Banner2", "LinkLabel1"})
        QCOMPARE(p.find<QLabel>(link)->font().pointSizeF(), p.fontSize());
    // the fee fields still start one below the other
    QCOMPARE(p.find<QLabel>("LabelEdit81")->minimumWidth(), p.find<QLabel>("LabelEdit82")->sizeHint().width());

    p.window.resize(p.window.width() + 200, 1050);
    QVERIFY(qAbs(p.fontSize() - designed * 1.5) < 0.01);
    p.window.resize(p.window.width(), 700);
    QCOMPARE(p.window.groesse, 700);
    QVERIFY(qAbs(p.fontSize() - designed) < 0.01);
    QCOMPARE(p.app.options().integer(Opt::height), 700);
}

void MainWindowTest::aStoredSizeIsBoundedToTheScreen()
{
    QTemporaryDir dir;
    {
        QSettings raw(dir.path() + "/Somnara.ini", QSettings::IniFormat);
        raw.setValue("height", 2147483647);
        raw.setValue("width", 2147483647);
    }
    Program p(dir.path());
    p.start();
    const QSize room = p.window.screen()->availableGeometry().size();
    QVERIFY2(room.height() >= 1050, "the test needs a desktop-sized screen");
    QCOMPARE(p.window.size(), room);
}

void MainWindowTest::printModeClosesAfterStartUp_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no arguments") << QStringList{} << false;
    QTest::newRow("D: normal start") << QStringList{"D"} << false;
    QTest::newRow("d is not D") << QStringList{"d", "tips.ztp"} << true;
    QTest::newRow("print a tip file") << QStringList{"P", "tips.ztp"} << true;
    QTest::newRow("no tip file named") << QStringList{"P"} << true;
}

void MainWindowTest::printModeClosesAfterStartUp()
{
    QFETCH(QStringList, args);
    QFETCH(bool, closes);
    QTemporaryDir dir;
    Program p(dir.path(), args);
    p.start();
    QCOMPARE(p.window.isVisible(), !closes);
    // closing saved the settings
    QCOMPARE(QFile::exists(dir.path() + "/Somnara.ini"), closes);
}

void MainWindowTest::languageMenuMarksTheChosenLanguage()
{
    Program p(m_dir.path());
    auto* italian = p.window.findChild<QAction*>("Italienisch1");
    auto* german = p.window.findChild<QAction*>("Deutsch1");
    QVERIFY(german->isChecked());
    italian->trigger();
    QCOMPARE(p.app.options().integer(Opt::Sprache), 9);
    QVERIFY(italian->isChecked());
    QVERIFY(!german->isChecked());
    QStringList items;
    for (QAction* a : p.window.findChild<QMenu*>("Sprache1")->actions())
        items << (a->isSeparator() ? (a->isVisible() ? "-" : "(hidden -)") : a->text());
    QCOMPARE(items, QStringList({"Deutsch", "Französisch", "Italienisch", "Englisch", "Spanisch", "Türkisch",
                                 "Russisch", "Polnisch", "Tschechisch", "Niederländisch", "(hidden -)", "Export"}));
}

void MainWindowTest::failedCommandGoesToTheErrorDisplay()
{
    Program p(m_dir.path());
    QVERIFY(runGuarded(p.app, [] {}));
    QVERIFY(!runGuarded(p.app, [] { throw ConvertError(Text::NotAnInteger, {"x"}); }));
    QVERIFY(!runGuarded(p.app, [] { throw std::runtime_error("kaputt"); }));
    QCOMPARE(p.dialogs.errors, (std::vector<std::string>{"'x' ist kein gültiger Integerwert", "kaputt"}));
}

void MainWindowTest::feedbackReachesStatusBarAndPages()
{
    Program p(m_dir.path());
    QtFeedback feedback;
    feedback.setStatus(0, "before the window: shown nowhere");
    feedback.attach(p.window);
    feedback.setStatus(1, "Berechnung läuft");
    QCOMPARE(p.window.statusPanel(1)->text(), QString("Berechnung läuft"));
    feedback.showPage(Page::Datenbank);
    QCOMPARE(p.window.pages()->currentWidget(), static_cast<QWidget*>(p.window.datenbank()));
    feedback.setBusy(true);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    feedback.setBusy(false);
    feedback.setBusy(false); // one too many must not pop a cursor it did not set
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
