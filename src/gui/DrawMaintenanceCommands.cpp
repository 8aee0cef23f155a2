#include "gui/DrawMaintenanceCommands.h"

#include "ground/AtomicFile.h"
#include "ground/Formats.h"
#include "ground/Texts.h"
#include "gui/CsvImportDialog.h"
#include "gui/DatenbankPage.h"
#include "gui/GuiUtil.h"
#include "gui/LoEingab.h"
#include "gui/MainWindow.h"
#include "gui/UpdateBinding.h"
#include "session/DrawCommands.h"
#include "session/DrawMaintenance.h"
#include "session/Session.h"

#include <QBoxLayout>
#include <QPushButton>

#include <algorithm>

namespace zf {

namespace {

constexpr size_t kMaxCsvBytes = 16 << 20;
constexpr size_t kShownRejections = 15;

QStringList toList(const std::vector<std::string>& lines)
{
    QStringList l;
    for (const auto& s : lines)
        l << qs(s);
    return l;
}

int missingDraws(const std::vector<CalendarFinding>& findings)
{
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [](const CalendarFinding& f) {
        return f.kind == CalendarFinding::Kind::Missing;
    }));
}

void showFindings(DatenbankPage& page, const std::vector<CalendarFinding>& findings)
{
    page.showCalendarFindings(toList(findingTexts(findings)), missingDraws(findings));
}

} // namespace

DrawMaintenanceCommands::DrawMaintenanceCommands(TForm1& window)
    : QObject(&window), m_window(window), m_app(window.app())
{
    setObjectName("DrawMaintenanceCommands");
    DatenbankPage* db = window.datenbank();
    struct Button {
        const char* objectName;
        const char* text;
        const char* hint;
        void (DrawMaintenanceCommands::*slot)();
    };
    const Button buttons[] = {
        {"BitBtn8", "Eingeben", "manuelle eingaben der Ziehungsdaten.", &DrawMaintenanceCommands::BitBtn8Click},
        // the object name BitBtn4 already belongs to "Tipps berechnen" on "Lottotipp"
        {"BitBtnLoeschen", "Löschen", "Löschen der aktuell angezeigten Ziehung",
         &DrawMaintenanceCommands::BitBtn4Click},
        {"ButtonImport", "CSV-Datei einlesen...", "Ziehungen aus einer CSV-Datei übernehmen",
         &DrawMaintenanceCommands::ImportClick},
        {"ButtonExport", "CSV-Datei schreiben...", "Alle Ziehungen als CSV-Datei speichern",
         &DrawMaintenanceCommands::ExportClick},
        {"ButtonKalender", "Kalender prüfen", "Fehlende, doppelte und falsch datierte Ziehungen suchen",
         &DrawMaintenanceCommands::KalenderClick},
    };
    auto* row = new QHBoxLayout;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), db->databaseButtons());
        button->setObjectName(b.objectName);
        button->setToolTip(QString::fromUtf8(b.hint));
        connect(button, &QPushButton::clicked, this, b.slot);
        row->addWidget(button);
    }
    db->databaseButtonsLayout()->insertLayout(1, row);
    if (UpdateBinding* update = window.update())
        connect(update, &UpdateBinding::updated, this, &DrawMaintenanceCommands::showCalendarIfHoles);
}

void DrawMaintenanceCommands::BitBtn8Click()
{
    std::optional<Draw> start;
    if (!runGuarded(m_app, [&] { start = entryStart(m_app); }))
        return;
    TForm3 dialog(&m_window);
    if (start)
        dialog.fill(*start);
    else
        dialog.fillDate(static_cast<int>(m_app.endDay));
    if (dialog.exec() == QDialog::Accepted) {
        const Draw entered = dialog.draw();
        // the first draw of an empty file is shown afterwards
        if (!start)
            m_app.aktDatum = entered.datum;
        runGuarded(m_app, [&] { enterDraw(m_app, entered); });
    }
    runGuarded(m_app, [&] { endEntry(m_app); });
}

void DrawMaintenanceCommands::BitBtn4Click()
{
    runGuarded(m_app, [&] { deleteShownDraw(m_app); });
}

void DrawMaintenanceCommands::ImportClick()
{
    const auto path = m_app.ports().dialogs->openFileName({text(Text::CsvFileFilter), "*.csv *.txt", "csv", "", ""});
    if (!path)
        return;
    std::string bytes;
    if (!runGuarded(m_app, [&] { bytes = readFileBytes(*path, kMaxCsvBytes); }))
        return;
    CsvImportDialog dialog(qs(*path), bytes, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ImportSummary summary;
    if (!runGuarded(m_app, [&] { summary = importCsv(m_app, bytes, dialog.columns(), dialog.replace()); }))
        return;
    std::vector<std::string> lines = importSummaryTexts(summary);
    const size_t limit = 3 + summary.conflicts.size() + kShownRejections;
    if (lines.size() > limit) {
        const size_t more = lines.size() - limit;
        lines.resize(limit);
        lines.push_back(text(Text::ImportMoreRejected, {std::to_string(more)}));
    }
    std::string text;
    for (const auto& l : lines)
        text += l + "\n";
    m_app.ports().dialogs->information(text);
    runGuarded(m_app, [&] { evaluateForDate(m_app); });
    showCalendarIfHoles();
}

void DrawMaintenanceCommands::ExportClick()
{
    const auto path =
        m_app.ports().dialogs->saveFileName({text(Text::CsvFileFilter), "*.csv", "csv", "Ziehungen.csv", ""});
    if (path)
        runGuarded(m_app, [&] { exportCsv(m_app, *path); });
}

void DrawMaintenanceCommands::KalenderClick()
{
    std::vector<CalendarFinding> findings;
    if (runGuarded(m_app, [&] { findings = checkDrawCalendar(m_app); }))
        showFindings(*m_window.datenbank(), findings);
}

void DrawMaintenanceCommands::showCalendarIfHoles()
{
    std::vector<CalendarFinding> findings;
    if (!runGuarded(m_app, [&] { findings = checkDrawCalendar(m_app); }))
        return;
    if (missingDraws(findings) > 0)
        showFindings(*m_window.datenbank(), findings);
}

} // namespace zf
