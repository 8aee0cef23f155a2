#pragma once

#include "gui/TextWalk.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

class QAction;
class QActionGroup;
class QLabel;
class QTabWidget;

namespace zf {

class BerechnungPage;
class DatenbankPage;
class DiagrammPage;
class InternetPage;
class JobRunner;
class LottotippPage;
class Session;
class OptionBinder;
class PageScaler;
class QtTexts;
class UpdateBinding;

// The main window: five tab pages, the main menu and a two-panel status bar.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // home: the program directory; args: the command-line arguments after
    // the program name.
    TForm1(Session& app, QString home, QStringList args = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    Session& app() const { return m_app; }
    OptionBinder& options() const { return *m_options; }
    QTabWidget* pages() const { return m_pages; }
    LottotippPage* lottotipp() const { return m_lottotipp; }
    BerechnungPage* berechnung() const { return m_berechnung; }
    DiagrammPage* diagramm() const { return m_diagramm; }
    DatenbankPage* datenbank() const { return m_datenbank; }
    InternetPage* internet() const { return m_internet; }
    QLabel* statusPanel(int panel) const { return m_panels[static_cast<size_t>(panel)]; }
    QAction* aktualisierenAction() const { return m_aktualisieren; }
    QAction* berechnenAction() const { return m_berechnen; }
    QAction* exportAction() const { return m_export; }
    JobRunner* jobs() const { return m_jobs; }
    UpdateBinding* update() const { return m_update; }

    // Qt's own texts (standard buttons, file dialogs) in the language of
    // `Sprache`; runs whenever `Sprache` changes. False when Qt has no
    // translation for it.
    bool loadQtTranslations(int sprache);
    QtTexts& qtTexts() const { return *m_qtTexts; }

    // The forms the application created before this window, in creation
    // order: the language walk visits them and then this window.
    void setForms(const Forms& createdBefore);
    const Forms& forms() const { return m_forms; }

    // The stored window size, bounded to the screen.
    QSize storedSize() const;

    // True once the start-up sequence has run (successfully or not).
    bool started() const { return m_started; }
    // The window height the tab-page fonts were last scaled for.
    int groesse = 0;

public slots:
    // The "Online" exit of the print settings dialog: the tips go to the automation program.
    void OnlineTippClick();
    void AutoWebScript();
    void Deutsch1Click();
    void Franzsisch1Click();
    void Italienisch1Click();
    void Englisch1Click();
    void Spanisch1Click();
    void Trkisch1Click();
    void Russisch1Click();
    void Polnisch1Click();
    void schechisch1Click();
    void Niederlndisch1Click();
    // Writes the current control texts as base file and, beside it with
    // ".trans" appended, as translation file.
    void Export1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void formShow();
    // Start-up after the update: the evaluation, the chart and the print mode.
    void finishStart();
    void buildMenu();
    void markLanguage();
    void chooseLanguage(int sprache);
    void applyLanguage(LanguageTexts& texts);
    bool normalState() const;

    Session& m_app;
    QString m_home;
    QStringList m_args;
    OptionBinder* m_options;
    QTabWidget* m_pages;
    LottotippPage* m_lottotipp;
    BerechnungPage* m_berechnung;
    DiagrammPage* m_diagramm;
    DatenbankPage* m_datenbank;
    InternetPage* m_internet;
    std::array<QLabel*, 2> m_panels{};
    JobRunner* m_jobs = nullptr;
    UpdateBinding* m_update = nullptr;
    QAction* m_aktualisieren = nullptr;
    QAction* m_berechnen = nullptr;
    QAction* m_export = nullptr;
    QActionGroup* m_languages = nullptr;
    QtTexts* m_qtTexts = nullptr;
    Forms m_forms;
    PageScaler* m_scaler = nullptr;
    int m_designHeight = 0; // the height at the first show: the scale 1
    bool m_shown = false;
    bool m_started = false;
    bool m_closed = false;
    bool m_closing = false;
    bool m_closeAfterJob = false;
};

} // namespace zf
