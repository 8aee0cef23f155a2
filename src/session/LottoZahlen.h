#pragma once

#include "data/Chart.h"
#include "data/DrawCache.h"
#include "data/DrawFile.h"
#include "data/Messages.h"
#include "data/NumberSelection.h"
#include "data/Options.h"
#include "data/TipSheet.h"
#include "ground/Ports.h"
#include "ground/Random.h"
#include "rules/DrawView.h"
#include "rules/Matching.h"
#include "rules/TipSearch.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zf {

struct Ports {
    SettingsStore* settings = nullptr;
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    Feedback* feedback = nullptr;
    Sound* sound = nullptr;
    Shell* shell = nullptr;
    Http* http = nullptr;
    ZahlenwahlDialog* zahlenwahl = nullptr;
};

// The current draw: Zahl[1..6] numbers, Zahl[7] spare slot, Zahl[8] dream number.
struct CurrentDraw {
    double datum1 = 0;
    std::array<int, 9> zahl{};
    int position = 0;
    uint8_t replay = 0;

    void setFrom(const Draw& d, int index);
};

// The main window's state and commands without the window: options, tip sheet,
// current draw, date window, message catalogue and the program's generator.
class LottoZahlen {
public:
    explicit LottoZahlen(const Ports& ports);

    Options& options() { return m_options; }
    const Options& options() const { return m_options; }
    TipSheet& sheet() { return m_sheet; }
    const TipSheet& sheet() const { return m_sheet; }
    Messages& messages() { return m_messages; }
    const std::string& msg(int index) const { return m_messages[index]; }
    Random& random() { return m_random; }
    // The chart on the "Diagramm" page; call chartChanged() after changing it.
    ChartData& chart() { return m_chart; }
    void chartChanged()
    {
        for (const auto& l : m_chartListeners)
            l();
    }
    void addChartListener(std::function<void()> l) { m_chartListeners.push_back(std::move(l)); }
    const Ports& ports() const { return m_ports; }

    // Start-up steps 1 to 19: formats, fields, settings, language, migration,
    // seeding, date window. home is the program directory.
    void prepareStart(const std::string& home);
    // Start-up step 20: the update, the evaluation for today and the chart.
    void runStartAnalyses();
    // Shutdown: writes every stored value in save order.
    void saveSettings(bool windowNormal);

    // Applies language `sprache` (0..9); other values change nothing.
    void applyLanguage(int sprache);
    static const char* languageCode(int sprache);

    std::string drawFilePath() const { return home + zahlenFile; }
    DrawFile drawFile() const { return DrawFile(drawFilePath()); }
    // The draw file's in-memory copy for the calculation's history tests.
    DrawCache& drawCache()
    {
        m_drawCache.setPath(drawFilePath());
        return m_drawCache;
    }
    WeekdayFilter weekdayFilter() const;
    void setDateTimePicker1(double day);
    // Called after setDateTimePicker1 moved the end of the date window.
    void addDateTimePicker1Listener(std::function<void()> l) { m_picker1Listeners.push_back(std::move(l)); }
    void setDateTimePicker2(double day);
    double dateTimePicker2() const { return m_options.date("DateTimePicker2"); }
    // Current run budget from UpDown7.
    void updateLaufMax() { laufMax = m_options.integer("UpDown7") * 1000; }

    // Main-window fields, named as the window names them.
    std::string home; // with trailing separator
    std::string zahlenFile = "ZahlenSN.dat";
    std::string bezeichnungsDatei = "bezeichch.txt";
    std::string soundName = "yippee.wav";
    double aktDatum = 0;
    double dfb = 0;
    double dateTimePicker1 = 0;
    bool sortieren = false;
    bool berechnunglaeuft = false;
    int laufMax = 100000;
    CurrentDraw current;
    Matching matching;     // Zettelcheck results and Statistik
    DrawLabels drawLabels; // Label29, Label13, Label35
    NumberSelection form6; // the number selection dialog the program points to
    CalcState calc;        // the calculate button, the run counter and the number list

private:
    Ports m_ports;
    Options m_options;
    TipSheet m_sheet;
    Messages m_messages;
    Random m_random;
    ChartData m_chart;
    DrawCache m_drawCache{""};
    std::vector<std::function<void()>> m_chartListeners;
    std::vector<std::function<void()>> m_picker1Listeners;
};

} // namespace zf
