#include "session/Session.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "session/DrawCommands.h"
#include "session/Settings.h"

namespace zf {

void CurrentDraw::setFrom(const Draw& d, int index)
{
    datum1 = d.datum;
    for (int i = 0; i < 8; ++i)
        zahl[i + 1] = d.zahlen[i];
    position = index;
    replay = d.replay;
}

Session::Session(const Ports& ports) : m_ports(ports.withDefaults()) {}

Session::~Session()
{
    if (m_textsSwitched)
        useTexts({});
}

void Session::applyLanguage(int sprache)
{
    const char* code = languageCode(sprache);
    if (!code)
        return;
    if (auto controls = ControlTexts::load(baseTextFile(home), code)) {
        LanguageTexts texts{std::move(*controls), readTextLines(optionItemsFile(home, code))};
        for (const auto& l : m_languageListeners)
            l(texts);
        m_messages.load(messageFile(home, code));
        // without a file of its own a language shows the German texts
        std::vector<std::string> table;
        try {
            table = parseTextTable(readFileBytes(textTableFile(home, code), kMaxTextFileBytes));
        } catch (const IoError&) {
        }
        useTexts(std::move(table));
        m_textsSwitched = true;
    }
    m_options.setInt(Opt::Sprache, sprache);
}

WeekdayFilter Session::weekdayFilter() const
{
    return {m_options.flag(Opt::CheckBox16), m_options.flag(Opt::CheckBox17)};
}

void Session::setEndDay(double day)
{
    // the picker refuses dates before its lowest one
    if (day < kFirstDrawDay)
        return;
    endDay = day;
    for (const auto& l : m_endDayListeners)
        l();
}

void Session::setWindowStart(double day)
{
    if (day >= kFirstDrawDay)
        m_options.setDate(Opt::DateTimePicker2, day);
}

void Session::prepareStart(const std::string& programDir)
{
    const int today = m_ports.clock->today();
    bezeichnungsDatei = "bezeichch.txt";
    dfb = today;
    home = programDir;
    if (home.empty() || (home.back() != '/' && home.back() != '\\'))
        home += '/';
    soundName = "yippee.wav";
    sortieren = false;

    loadSettings(*this, *m_ports.settings);
    applyLanguage(m_options.integer(Opt::Sprache));
    sortieren = true;

    if (windowStart() > today - 7)
        m_options.setDate(Opt::DateTimePicker2, kFirstDrawDay);
    if (m_options.text(Opt::ProxyHostEdit).empty())
        m_options.setText(Opt::ProxyPortEdit, "80");

    zahlenFile = "ZahlenSN.dat";
    removeStaleTemporaries(home, {zahlenFile + "~", "Zahlen.da~", zahlenFile + ".tmp~", "Tipp.txt.tmp~"});
    // a damaged old file costs its bad records, never the start
    try {
        if (const auto skipped = migrateOldDrawFile(home, zahlenFile))
            m_ports.dialogs->information(*skipped);
    } catch (const Error& e) {
        m_ports.dialogs->error(e.what());
    }

    m_random.setSeed(m_ports.clock->clockSeed());
    aktDatum = windowStart();
    setEndDay(today);
}

void Session::runStartAnalyses()
{
    evaluateForDate(*this);
    try {
        drawFile().createEmpty();
    } catch (const IoError&) {
        // a folder the user may not write to: the history stays empty all the same
    }
    showChart(*this, ChartKind::Numbers);
}

void Session::saveSettings(bool windowNormal)
{
    zf::saveSettings(*this, *m_ports.settings, windowNormal);
}

} // namespace zf
