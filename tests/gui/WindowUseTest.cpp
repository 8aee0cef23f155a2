#include "fakes/DrawText.h"
#include "fakes/Fakes.h"
#include "fakes/TempDir.h"
#include "gui/BerechnungPage.h"
#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"
#include "gui/QtFeedback.h"
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

} // namespace

class WindowUseTest : public QObject {
    Q_OBJECT
private slots:
    void everyHintReachesStatusPanel1();
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

QTEST_MAIN(WindowUseTest)
#include "WindowUseTest.moc"
