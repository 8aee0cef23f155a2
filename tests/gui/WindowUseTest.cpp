#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "gui/BerechnungPage.h"
#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"
#include "gui/QtFeedback.h"
#include "gui/QtTexts.h"
#include "gui/Zahlenwahl.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>

using namespace zf;
using namespace zf::test;

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// The real window with the real status bar, on a folder with a history.
struct Program {
    TempDir dir;
    FakeSettings store;
    FakeClock clock;
    FakeDialogs dialogs;
    QtFeedback feedback;
    FakeSound sound;
    TForm6 form6;
    Session app{Ports{&store, &clock, &dialogs, &feedback, &sound, nullptr, nullptr, &form6}};
    std::unique_ptr<TForm1> window;

    explicit Program(std::optional<int> sprache = std::nullopt)
    {
        if (sprache)
            store.values["Sprache"] = *sprache;
        form6.attach(app);
        QDir().mkpath(qs(dir.file("land")));
        QFile::copy(ZF_SOURCE_DIR "/data/land/meldungen.txt.de", qs(dir.file("land/meldungen.txt.de")));
        QFile::copy(ZF_SOURCE_DIR "/data/land/bezeichch.txt", qs(dir.file("land/bezeichch.txt")));
        DrawFile(dir.file("ZahlenSN.dat")).rewrite(randomDraws(60, 5), "t.tmp");
        window = std::make_unique<TForm1>(app, qs(dir.home()));
        feedback.attach(*window);
        window->show();
        QTRY_VERIFY(window->started());
    }
    ~Program() { window->close(); }
    QString panel1() const { return window->statusPanel(1)->text(); }
};

// Brings a control's page (and sub-page) to the front and scrolls it into view.
void showPageOf(TForm1& w, QWidget* control)
{
    for (QWidget* p = control; p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
            if (tabs->indexOf(p) >= 0)
                tabs->setCurrentWidget(p);
    for (QWidget* p = control; p; p = p->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(p))
            scroll->ensureWidgetVisible(control);
    Q_UNUSED(w);
}

// Every visible widget of every page and sub-page, by a name that stays the
// same for the same widget, with its place in the window.
std::map<QString, QRect> geometryOfEveryPage(TForm1& w)
{
    std::map<QString, QRect> all;
    QList<QTabWidget*> tabWidgets{w.pages(), w.berechnung()->tabs()};
    for (int page = 0; page < w.pages()->count(); ++page) {
        w.pages()->setCurrentIndex(page);
        const int subPages = page == 1 ? w.berechnung()->tabs()->count() : 1;
        for (int sub = 0; sub < subPages; ++sub) {
            if (page == 1)
                w.berechnung()->tabs()->setCurrentIndex(sub);
            QApplication::processEvents();
            const QList<QWidget*> widgets = w.pages()->currentWidget()->findChildren<QWidget*>();
            for (int i = 0; i < widgets.size(); ++i)
                if (widgets[i]->isVisible())
                    all[QString("%1.%2 %3 #%4").arg(page).arg(sub).arg(widgets[i]->objectName()).arg(i)] =
                        QRect(widgets[i]->mapTo(&w, QPoint(0, 0)), widgets[i]->size());
        }
    }
    return all;
}

// The keys a window's own controls take: menu bar mnemonics, shortcuts of
// actions and shortcut objects, button, tab, group box and buddy mnemonics.
std::multimap<QKeySequence, QString> keysOf(QWidget* window)
{
    std::multimap<QKeySequence, QString> keys;
    auto add = [&keys](const QKeySequence& k, const QString& owner) {
        if (!k.isEmpty())
            keys.emplace(k, owner);
    };
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions())
            add(QKeySequence::mnemonic(a->text()), "menu " + a->text());
    // keys of a single control (Del in a file list) do not reach the window
    auto windowWide = [](Qt::ShortcutContext c) { return c == Qt::WindowShortcut || c == Qt::ApplicationShortcut; };
    for (QAction* a : window->findChildren<QAction*>())
        if (windowWide(a->shortcutContext()))
            add(a->shortcut(), "action " + a->text());
    // a shortcut object of a view that is not shown (the file dialog's list
    // or detail view) takes no key
    for (QShortcut* s : window->findChildren<QShortcut*>()) {
        auto* owner = qobject_cast<QWidget*>(s->parent());
        if (windowWide(s->context()) && (!owner || owner->isVisibleTo(window)))
            add(s->key(), "shortcut " + s->objectName());
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        add(b->shortcut(), b->metaObject()->className() + QString(" ") + b->objectName() + " " + b->text());
    for (QTabBar* t : window->findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i)
            add(QKeySequence::mnemonic(t->tabText(i)), "tab " + t->tabText(i));
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        add(QKeySequence::mnemonic(g->title()), "group " + g->title());
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->buddy())
            add(QKeySequence::mnemonic(l->text()), "label " + l->text());
    return keys;
}

QStringList doubledKeys(QWidget* window)
{
    const auto keys = keysOf(window);
    QStringList doubled;
    for (auto it = keys.begin(); it != keys.end(); it = keys.upper_bound(it->first))
        if (keys.count(it->first) > 1) {
            QStringList owners;
            for (auto [a, b] = keys.equal_range(it->first); a != b; ++a)
                owners << a->second;
            doubled << it->first.toString() + ": " + owners.join(" / ");
        }
    // within each menu, the open menu's items
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        std::multimap<QKeySequence, QString> items;
        for (QAction* a : menu->actions())
            if (!QKeySequence::mnemonic(a->text()).isEmpty())
                items.emplace(QKeySequence::mnemonic(a->text()), a->text());
        for (const auto& [k, text] : items)
            if (items.count(k) > 1)
                doubled << menu->title() + " " + k.toString() + ": " + text;
    }
    return doubled;
}

// Runs `inspect` on the modal dialog `open` shows, then closes it.
void whileModal(const std::function<void()>& open, const std::function<void(QDialog*)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        inspect(d);
        seen = true;
        d->reject();
    });
    open();
    QVERIFY(seen);
}

QStringList buttonTexts(QDialog* d)
{
    QStringList texts;
    for (QDialogButtonBox* box : d->findChildren<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons())
            texts << b->text();
    texts.sort();
    return texts;
}

} // namespace

class WindowUseTest : public QObject {
    Q_OBJECT
private slots:
    void everyHintReachesStatusPanel1();
    void resizingThereAndBackRestoresEveryWidget();
    void datePickersTakeAClickAndTyping();
    void qtTextsFollowTheLanguage_data();
    void qtTextsFollowTheLanguage();
    void dialogsSpeakGerman();
    void noWindowHasADoubledAccelerator();
};

void WindowUseTest::everyHintReachesStatusPanel1()
{
    Program p;
    TForm1& w = *p.window;
    w.resize(1400, 900);
    QStringList missing;
    int hinted = 0;
    for (QWidget* c : w.pages()->findChildren<QWidget*>()) {
        if (c->toolTip().isEmpty())
            continue;
        showPageOf(w, c);
        QApplication::processEvents();
        if (!c->isVisible())
            continue; // part of a hidden row
        ++hinted;
        // an older text stays in the panel until the mouse comes
        p.feedback.setStatus(1, "older");
        QTest::mouseMove(c, c->rect().center());
        QTest::mouseMove(c, c->rect().center() + QPoint(1, 0));
        if (p.panel1() != c->toolTip())
            missing << c->objectName() + ": " + p.panel1();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join("\n")));
    // the controls of the issue: the button, spin fields, check boxes of the option pages, row labels
    QVERIFY(hinted > 40);
    for (const char* name : {"BitBtn4", "CheckBox2", "UpDown6", "Label28", "SpeedButton4", "DateTimePicker1"}) {
        QWidget* c = w.findChild<QWidget*>(name);
        QVERIFY2(c, name);
        QVERIFY2(!c->toolTip().isEmpty(), name);
    }
    // the field inside a spin control shows the control's hint
    QWidget* spin = w.findChild<QWidget*>("UpDown6");
    showPageOf(w, spin);
    p.feedback.setStatus(1, "older");
    QLineEdit* field = spin->findChild<QLineEdit*>();
    QTest::mouseMove(field, field->rect().center());
    QCOMPARE(p.panel1(), spin->toolTip());
}

void WindowUseTest::resizingThereAndBackRestoresEveryWidget()
{
    Program p;
    TForm1& w = *p.window;
    w.resize(1100, 700);
    QApplication::processEvents();
    const auto before = geometryOfEveryPage(w);
    QVERIFY(before.size() > 300);
    auto width = [&w](const char* name) { return w.findChild<QWidget*>(name)->width(); };
    auto height = [&w](const char* name) { return w.findChild<QWidget*>(name)->height(); };
    const char* grown[] = {"Edit1", "ComboBox1", "CheckBox3", "Label28", "BitBtn4", "Edit81"};
    std::map<std::string, QSize> small;
    for (const char* name : grown) {
        showPageOf(w, w.findChild<QWidget*>(name));
        QApplication::processEvents();
        small[name] = QSize(width(name), height(name));
    }

    // 980 / 700 = 1.4
    w.resize(1500, 980);
    for (const char* name : grown) {
        showPageOf(w, w.findChild<QWidget*>(name));
        QApplication::processEvents();
        const double wide = double(width(name)) / small[name].width();
        const double high = double(height(name)) / small[name].height();
        QVERIFY2(wide > 1.3 && wide < 1.5, qPrintable(QString("%1 width x%2").arg(name).arg(wide)));
        QVERIFY2(high > 1.3 && high < 1.5, qPrintable(QString("%1 height x%2").arg(name).arg(high)));
    }

    for (const QSize& size : {QSize(1300, 800), QSize(1100, 520), QSize(1100, 700)})
        w.resize(size);
    const auto after = geometryOfEveryPage(w);
    QStringList moved;
    for (const auto& [name, rect] : before) {
        const auto it = after.find(name);
        if (it == after.end() || it->second != rect)
            moved << QString("%1: %2,%3 %4x%5 -> %6,%7 %8x%9")
                         .arg(name)
                         .arg(rect.x())
                         .arg(rect.y())
                         .arg(rect.width())
                         .arg(rect.height())
                         .arg(it == after.end() ? -1 : it->second.x())
                         .arg(it == after.end() ? -1 : it->second.y())
                         .arg(it == after.end() ? -1 : it->second.width())
                         .arg(it == after.end() ? -1 : it->second.height());
    }
    QVERIFY2(moved.isEmpty(), qPrintable(moved.mid(0, 20).join("\n")));
    QCOMPARE(after.size(), before.size());
}

void WindowUseTest::datePickersTakeAClickAndTyping()
{
    Program p;
    TForm1& w = *p.window;
    const struct {
        const char* name;
        std::function<QDate()> model;
    } pickers[] = {
        {"DateTimePicker1", [&p] { return QDate(1899, 12, 30).addDays(static_cast<int>(p.app.endDay)); }},
        {"DateTimePicker2",
         [&p] { return QDate(1899, 12, 30).addDays(static_cast<int>(p.app.options().date(Opt::DateTimePicker2))); }},
    };
    for (const auto& picker : pickers) {
        auto* edit = w.findChild<QDateEdit*>(picker.name);
        QVERIFY(edit);
        showPageOf(w, edit);
        QApplication::processEvents();
        edit->setDate(QDate(2024, 3, 7));
        QLineEdit* field = edit->findChild<QLineEdit*>();
        const int digit = field->fontMetrics().horizontalAdvance("0");
        auto clickAt = [&](int chars) {
            // the field's text starts after its frame and margin
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4 + chars * digit, field->height() / 2));
        };

        clickAt(1); // into the day
        QTest::keyClicks(edit, "15");
        QCOMPARE(edit->date(), QDate(2024, 3, 15));
        clickAt(7); // into the year
        QTest::keyClicks(edit, "2025");
        QCOMPARE(edit->date(), QDate(2025, 3, 15));

        // a whole date typed over the selected text, with or without leading zeros
        const struct {
            const char* typed;
            QDate date;
        } dates[] = {{"15.01.2026", QDate(2026, 1, 15)}, {"3.2.2024", QDate(2024, 2, 3)}};
        for (const auto& d : dates) {
            field->selectAll();
            QTest::keyClicks(edit, d.typed);
            QCOMPARE(edit->date(), d.date);
            QCOMPARE(picker.model(), d.date);
        }
    }
}

void WindowUseTest::qtTextsFollowTheLanguage_data()
{
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("code");
    const char* codes[] = {"de", "en", "fr", "es", "tr", "ru", "nl", "cs", "pl", "it"};
    for (int s = 0; s < 10; ++s)
        QTest::addRow("%d %s", s, codes[s]) << s << QString(codes[s]);
    QTest::newRow("unknown value: the built-in German") << 12 << QString("de");
}

void WindowUseTest::qtTextsFollowTheLanguage()
{
    QFETCH(int, sprache);
    QFETCH(QString, code);
    Program p(sprache);
    QCOMPARE(p.window->qtTexts().loadedCode(), code);
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    if (code == "de")
        QCOMPARE(yes, QString("&Ja"));
    else if (code == "fr")
        QCOMPARE(yes, QString("&Oui"));
    else if (code != "en")
        QVERIFY2(yes != "&Yes", qPrintable(yes));

    // the language menu switches them
    p.window->findChild<QAction*>("Franzsisch1")->trigger();
    QCOMPARE(p.window->qtTexts().loadedCode(), QString("fr"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Oui"));
    p.window->findChild<QAction*>("Deutsch1")->trigger();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
}

void WindowUseTest::dialogsSpeakGerman()
{
    Program p;
    QtDialogs dialogs;
    whileModal([&] { dialogs.askYesNo("Weitersuchen?", "Treffer"); },
               [](QDialog* d) {
                   QVERIFY(qobject_cast<QMessageBox*>(d));
                   QCOMPARE(buttonTexts(d), QStringList({"&Ja", "&Nein"}));
               });
    whileModal([&] { dialogs.inputBox("Mindestanzahl", "Wie viele Treffer?", "6"); },
               [](QDialog* d) {
                   QVERIFY(qobject_cast<QInputDialog*>(d));
                   QCOMPARE(buttonTexts(d), QStringList({"Abbrechen", "OK"}));
               });
    whileModal(
        [&] {
            dialogs.saveFileName(FileFilter{"Tippdatei", "*.ztp", "ztp", "Tipp.ztp"});
        },
        [](QDialog* d) {
            QVERIFY(qobject_cast<QFileDialog*>(d));
            QCOMPARE(d->windowTitle(), QString("Speichern unter"));
            QStringList texts = buttonTexts(d);
            for (QLabel* l : d->findChildren<QLabel*>())
                texts << l->text();
            QVERIFY2(texts.contains("S&peichern") && texts.contains("Abbrechen"), qPrintable(texts.join('|')));
            QVERIFY2(!texts.contains("&Save") && !texts.contains("Cancel") && !texts.contains("File &name:"),
                     qPrintable(texts.join('|')));
        });
}

void WindowUseTest::noWindowHasADoubledAccelerator()
{
    Program p;
    TForm1& w = *p.window;
    QStringList doubled = doubledKeys(&w);
    doubled << doubledKeys(&p.form6);
    // the number dialog in both of its forms (list mode with "&Rechnen", tip mode with "&Zufall")
    for (bool tipMode : {false, true}) {
        p.form6.findChild<QPushButton*>("BitBtn3")->setVisible(!tipMode);
        p.form6.findChild<QPushButton*>("BitBtn4")->setVisible(tipMode);
        doubled << doubledKeys(&p.form6);
    }
    // Qt's own dialogs as the program shows them, in German
    QtDialogs dialogs;
    auto check = [&doubled](QDialog* d) { doubled << doubledKeys(d); };
    whileModal([&] { dialogs.askYesNo("Weitersuchen?", "Treffer"); }, check);
    whileModal([&] { dialogs.inputBox("Mindestanzahl", "Wie viele Treffer?", "6"); }, check);
    whileModal([&] { dialogs.openFileName(FileFilter{"Zahlenliste", "*.zwl", "zwl", ""}); }, check);
    whileModal([&] { dialogs.saveFileName(FileFilter{"Zahlenliste", "*.zwl", "zwl", ""}); }, check);
    // every top-level window the program has made
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &w && top != &p.form6 && top->isWindow() && qobject_cast<QDialog*>(top))
            doubled << doubledKeys(top);
    QVERIFY2(doubled.isEmpty(), qPrintable(doubled.join("\n")));

    // the keys are there at all
    const auto keys = keysOf(&w);
    for (const char* k : {"Alt+A", "Alt+B", "Alt+C", "Ctrl+A", "Ctrl+R"})
        QVERIFY2(keys.count(QKeySequence(k)) == 1, k);
}

QTEST_MAIN(WindowUseTest)
#include "WindowUseTest.moc"
