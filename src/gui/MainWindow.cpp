#include "gui/MainWindow.h"

#include "ground/Texts.h"
#include "gui/AnalysisBinding.h"
#include "gui/BerechnungPage.h"
#include "gui/CalcBinding.h"
#include "gui/ChartCommands.h"
#include "gui/DatenbankPage.h"
#include "gui/DiagrammPage.h"
#include "gui/DrawMaintenanceCommands.h"
#include "gui/GuiUtil.h"
#include "gui/HintStatus.h"
#include "gui/InternetPage.h"
#include "gui/JobRunner.h"
#include "gui/LottotippPage.h"
#include "gui/OptionBinder.h"
#include "gui/PageScaler.h"
#include "gui/PrintBinding.h"
#include "gui/QtTexts.h"
#include "gui/TextWalk.h"
#include "gui/TipSheetView.h"
#include "gui/UpdateBinding.h"
#include "session/PrintCommands.h"
#include "session/Session.h"
#include "session/Submission.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace zf {

namespace {

// The language menu: caption, object name and handler, in the order of
// the language table.
struct LanguageItem {
    const char* caption;
    const char* objectName;
    void (TForm1::*handler)();
};
const LanguageItem kLanguageItems[] = {
    {"Deutsch", "Deutsch1", &TForm1::Deutsch1Click},
    {"Französisch", "Franzsisch1", &TForm1::Franzsisch1Click},
    {"Italienisch", "Italienisch1", &TForm1::Italienisch1Click},
    {"Englisch", "Englisch1", &TForm1::Englisch1Click},
    {"Spanisch", "Spanisch1", &TForm1::Spanisch1Click},
    {"Türkisch", "Trkisch1", &TForm1::Trkisch1Click},
    {"Russisch", "Russisch1", &TForm1::Russisch1Click},
    {"Polnisch", "Polnisch1", &TForm1::Polnisch1Click},
    {"Tschechisch", "schechisch1", &TForm1::schechisch1Click},
    {"Niederländisch", "Niederlndisch1", &TForm1::Niederlndisch1Click},
};

QAction* addNamedAction(QMenu* menu, const QString& objectName, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(objectName);
    return a;
}

} // namespace

TForm1::TForm1(Session& app, QString home, QStringList args, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_home(std::move(home)), m_args(std::move(args)),
      m_options(new OptionBinder(app, this))
{
    setObjectName("Form1");
    setWindowTitle("Darnholms Ziffrano  6 aus 40 Somnara");
    setMinimumSize(640, 480);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl1");
    m_lottotipp = new LottotippPage(app, *m_options, m_pages);
    m_berechnung = new BerechnungPage(app, *m_options, m_pages);
    m_diagramm = new DiagrammPage(app, *m_options, m_pages);
    m_datenbank = new DatenbankPage(app, *m_options, m_pages);
    m_internet = new InternetPage(app, *m_options, m_pages);
    const std::pair<QWidget*, const char*> pages[] = {{m_lottotipp, "Lottotipp"},
                                                      {m_berechnung, "Berechnung"},
                                                      {m_diagramm, "Diagramm"},
                                                      {m_datenbank, "Datenbank"},
                                                      {m_internet, "Internet-Optionen"}};
    for (const auto& [page, title] : pages) {
        page->setObjectName(QString("TabSheet") + title);
        m_pages->addTab(page, title);
    }
    setCentralWidget(m_pages);
    new ChartCommands(*this);
    new TipSheetView(app, *this);
    new PrintBinding(*this);

    statusBar()->setObjectName("StatusBar1");
    for (int i = 0; i < 2; ++i) {
        m_panels[static_cast<size_t>(i)] = makeLabel(QString("StatusPanel%1").arg(i), "", this);
        statusBar()->addWidget(m_panels[static_cast<size_t>(i)], i == 0 ? 1 : 2);
    }
    m_jobs = new JobRunner(*this);
    connect(m_jobs, &JobRunner::finished, this, [this] {
        if (std::exchange(m_closeAfterJob, false))
            close();
    });

    buildMenu();
    new CalcBinding(*this);
    m_update = new UpdateBinding(*this);
    new DrawMaintenanceCommands(*this);
    new AnalysisBinding(*this);
    new HintStatus(app, *this);
    m_scaler = new PageScaler(*m_pages);
    const Options& o = app.options();
    resize(storedSize());
    m_qtTexts = new QtTexts(this);
    loadQtTranslations(o.integer(Opt::Sprache));
    m_forms = {this};
    app.addLanguageListener([self = QPointer<TForm1>(this)](LanguageTexts& texts) {
        if (self)
            self->applyLanguage(texts);
    });
    app.options().addListener([self = QPointer<TForm1>(this)](int index) {
        if (self && index == zf::index(Opt::Sprache)) {
            self->markLanguage();
            self->loadQtTranslations(self->m_app.options().integer(Opt::Sprache));
        }
    });
}

TForm1::~TForm1()
{
    // the job stops before any page it might still read goes
    delete m_jobs;
}

void TForm1::buildMenu()
{
    m_aktualisieren = menuBar()->addAction("&Aktualisieren");
    m_aktualisieren->setObjectName("Aktualisieren1");
    m_aktualisieren->setShortcut(QKeySequence("Ctrl+A"));
    m_berechnen = menuBar()->addAction("&Berechnen");
    m_berechnen->setObjectName("Berechnen1");
    m_berechnen->setShortcut(QKeySequence("Ctrl+R"));

    QMenu* language = menuBar()->addMenu("Sprache/Language/Langue");
    language->setObjectName("Sprache1");
    m_languages = new QActionGroup(this);
    // marked by markLanguage: a value outside 0..9 marks none
    m_languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (size_t i = 0; i < std::size(kLanguageItems); ++i) {
        const LanguageItem& item = kLanguageItems[i];
        QAction* a = addNamedAction(language, item.objectName, item.caption);
        a->setCheckable(true);
        a->setData(kLanguages[i].sprache);
        m_languages->addAction(a);
        connect(a, &QAction::triggered, this, item.handler);
    }
    QAction* separator = language->addSeparator();
    separator->setObjectName("N1");
    separator->setVisible(false);
    m_export = addNamedAction(language, "Export1", "Export");
    connect(m_export, &QAction::triggered, this, &TForm1::Export1Click);

    QAction* close = menuBar()->addAction("S&chließen");
    close->setObjectName("Schlieen1");
    connect(close, &QAction::triggered, this, &QWidget::close);
    markLanguage();
}

void TForm1::setForms(const Forms& createdBefore)
{
    m_forms = createdBefore;
    m_forms.append(this);
}

void TForm1::applyLanguage(LanguageTexts& texts)
{
    applyControlTexts(m_forms, texts.controls);
    QWidget* group = m_options->control(index(Opt::RadioGroup1));
    if (!texts.optionItems || !group)
        return;
    const auto buttons = group->findChildren<QRadioButton*>();
    for (qsizetype i = 0; i < buttons.size() && i < qsizetype(texts.optionItems->size()); ++i)
        buttons[i]->setText(qs((*texts.optionItems)[static_cast<size_t>(i)]));
}

void TForm1::chooseLanguage(int sprache)
{
    m_app.applyLanguage(sprache);
    markLanguage();
}

void TForm1::Deutsch1Click()
{
    chooseLanguage(0);
}
void TForm1::Franzsisch1Click()
{
    chooseLanguage(2);
}
void TForm1::Italienisch1Click()
{
    chooseLanguage(9);
}
void TForm1::Englisch1Click()
{
    chooseLanguage(1);
}
void TForm1::Spanisch1Click()
{
    chooseLanguage(3);
}
void TForm1::Trkisch1Click()
{
    chooseLanguage(4);
}
void TForm1::Russisch1Click()
{
    chooseLanguage(5);
}
void TForm1::Polnisch1Click()
{
    chooseLanguage(8);
}
void TForm1::schechisch1Click()
{
    chooseLanguage(7);
}
void TForm1::Niederlndisch1Click()
{
    chooseLanguage(6);
}

void TForm1::Export1Click()
{
    runGuarded(m_app, [&] {
        if (const auto path = m_app.ports().dialogs->saveFileName({text(Text::TextFileFilter), "*.txt", "txt", "", ""}))
            writeTextExport(*path, collectControlTexts(m_forms));
    });
}

bool TForm1::loadQtTranslations(int sprache)
{
    return m_qtTexts->load(sprache);
}

void TForm1::markLanguage()
{
    const int sprache = m_app.options().integer(Opt::Sprache);
    for (QAction* a : m_languages->actions())
        a->setChecked(a->data().toInt() == sprache);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    groesse = height();
    m_designHeight = groesse;
    // after the window has been painted, as the first thing of the event loop
    QTimer::singleShot(0, this, &TForm1::formShow);
}

QSize TForm1::storedSize() const
{
    // a size stored on a larger monitor, or a damaged value, is cut to the
    // screen, but never below the designed size the pages are laid out for
    const Options& o = m_app.options();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize room = s ? s->availableGeometry().size() : QSize(INT_MAX, INT_MAX);
    const auto bound = [](int stored, int designed, int room) { return std::min(stored, std::max(room, designed)); };
    return {bound(o.integer(Opt::width), Options::def(Opt::width).defaultInt, room.width()),
            bound(o.integer(Opt::height), Options::def(Opt::height).defaultInt, room.height())};
}

void TForm1::formShow()
{
    const bool prepared = runGuarded(m_app, [&] { m_app.prepareStart(m_home.toStdString()); });
    markLanguage();
    // the stored size was loaded before any later start-up step could fail
    resize(storedSize());
    if (!prepared) {
        m_started = true;
        return;
    }
    // step 20 begins with the update; the window stays usable while it runs
    if (!m_update->start([this] { finishStart(); }) && !m_started)
        finishStart();
}

void TForm1::finishStart()
{
    if (m_started)
        return;
    // closed during the update: nothing left to show
    const bool analysed = !m_closing && runGuarded(m_app, [&] { m_app.runStartAnalyses(); });
    m_started = true;
    // Print mode: any first argument but "D" prints the tip file named by the
    // second; the program ends also when that failed, after saying why.
    if (analysed && !m_args.isEmpty() && m_args.front() != "D") {
        const std::string file = m_args.size() > 1 ? m_args[1].toStdString() : std::string();
        PrintExit exit = PrintExit::Aborted;
        runGuarded(m_app, [&] { exit = printTipFile(m_app, file); });
        if (exit == PrintExit::Online)
            OnlineTippClick();
        close();
    }
}

void TForm1::OnlineTippClick()
{
    AutoWebScript();
}

void TForm1::AutoWebScript()
{
    runGuarded(m_app, [this] { submitTips(m_app); });
}

bool TForm1::normalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    if (!m_jobs->cancelAndWait()) {
        // asked from inside the job's own call to the window: close once it has ended
        m_closeAfterJob = true;
        event->ignore();
        return;
    }
    if (!m_closed) {
        m_closed = true;
        m_app.saveSettings(normalState());
    }
    event->accept();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (normalState() && isVisible()) {
        m_app.options().setInt(Opt::height, height());
        m_app.options().setInt(Opt::width, width());
    }
    if (groesse > 0 && height() != groesse) {
        // the ratio new height / groesse, taken over all resizes so far
        m_scaler->apply(static_cast<double>(height()) / m_designHeight);
        groesse = height();
    }
}

} // namespace zf
