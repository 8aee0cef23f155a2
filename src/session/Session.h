#pragma once

#include "data/Chart.h"
#include "data/DrawCache.h"
#include "data/DrawFile.h"
#include "data/LanguageFiles.h"
#include "data/Messages.h"
#include "data/NumberSelection.h"
#include "data/Options.h"
#include "data/PrintForm.h"
#include "data/ScriptForm.h"
#include "data/TipSheet.h"
#include "ground/Ports.h"
#include "ground/Random.h"
#include "rules/Matching.h"
#include "rules/NumberList.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zf {

// The current draw: zahl[1..6] numbers, zahl[7] spare slot, zahl[8] dream number.
struct CurrentDraw {
    double datum1 = 0;
    DrawNumbers zahl{};
    int position = 0;
    uint8_t replay = 0;

    void setFrom(const Draw& d, int index);
};

// The three labels that show the current draw: Label29 on "Datenbank",
// Label35 (a copy of it) and Label13 ("QS: ...") on "Lottotipp".
struct DrawLabels {
    std::string label29;
    std::string label13;
    std::string label35;
    std::function<void()> changed;

    void notify() const
    {
        if (changed)
            changed();
    }
};

// What the last calculation left besides the sheet.
struct CalcState {
    bool active = false;   // a calculation is running
    int runs = 0;          // candidates drawn and tested
    NumberList numberList; // as the search drew from it
    std::string status;    // the final text of status panel 1
};

// The program's state as the window and the command-line tool use it:
// options, tip sheet, current draw, date window, message catalogue and the
// program's generator. Commands on it live beside it in this folder; they
// are the only code that changes the fields the window shows.
class Session {
public:
    explicit Session(const Ports& ports);
    // The program's texts are process-wide: a session that switched them
    // leaves German behind.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Options& options() { return m_options; }
    const Options& options() const { return m_options; }
    TipSheet& sheet() { return m_sheet; }
    const TipSheet& sheet() const { return m_sheet; }
    Messages& messages() { return m_messages; }
    const Messages& messages() const { return m_messages; }
    const std::string& msg(Msg id) const { return m_messages[id]; }
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
    // Start-up step 20: the evaluation for today and the number distribution.
    void runStartAnalyses();
    // Shutdown: writes every stored value in save order.
    void saveSettings(bool windowNormal);

    // Applies language `sprache` (0..9) and remembers it; other values
    // change nothing. Without the base file no text changes. The listeners
    // (the window) set the control texts and the option items first, then
    // the catalogue follows.
    void applyLanguage(int sprache);
    void addLanguageListener(std::function<void(LanguageTexts&)> l) { m_languageListeners.push_back(std::move(l)); }

    std::string drawFilePath() const { return home + zahlenFile; }
    DrawFile drawFile() const { return DrawFile(drawFilePath()); }
    // The draw file's in-memory copy, as a snapshot for jobs.
    DrawSnapshot drawSnapshot()
    {
        m_drawCache.setPath(drawFilePath());
        return m_drawCache.draws();
    }
    // Every stored record, damaged ones included, from the same copy.
    DrawSnapshot drawRecords()
    {
        m_drawCache.setPath(drawFilePath());
        return m_drawCache.records();
    }
    // The history tests' index of a snapshot, kept with the cache's draws.
    std::shared_ptr<DrawIndex> drawIndex(const DrawSnapshot& draws) { return m_drawCache.index(draws); }
    // The analyses' weekday filter (CheckBox16 Thursday, CheckBox17 Monday).
    WeekdayFilter weekdayFilter() const;
    void setEndDay(double day);
    // Called after setEndDay moved the end of the date window.
    void addEndDayListener(std::function<void()> l) { m_endDayListeners.push_back(std::move(l)); }
    void setWindowStart(double day);
    double windowStart() const { return m_options.date(Opt::DateTimePicker2); }
    // The calculation's run budget, from UpDown7 in thousands.
    int runBudget() const { return m_options.integer(Opt::UpDown7) * 1000; }

    // Main-window fields, named as the window names them.
    std::string home; // with trailing separator
    std::string zahlenFile = "ZahlenSN.dat";
    std::string bezeichnungsDatei = "bezeichch.txt";
    std::string soundName = "yippee.wav";
    double aktDatum = 0;
    double dfb = 0;
    double endDay = 0;
    bool sortieren = false; // the tip check runs only while this is on
    CurrentDraw current;
    Matching matching;     // the last tip match and the sheet check's counts
    DrawLabels drawLabels; // Label29, Label13, Label35
    NumberSelection form6; // the number selection dialog the program points to
    CalcState calc;        // the calculation's run counter and number list
    PrintForm form5;       // the print settings dialog
    ScriptForm zksForm;    // the script selection dialog

private:
    Ports m_ports;
    Options m_options;
    TipSheet m_sheet;
    Messages m_messages;
    bool m_textsSwitched = false;
    std::vector<std::function<void(LanguageTexts&)>> m_languageListeners;
    Random m_random;
    ChartData m_chart;
    DrawCache m_drawCache;
    std::vector<std::function<void()>> m_chartListeners;
    std::vector<std::function<void()>> m_endDayListeners;
};

} // namespace zf
