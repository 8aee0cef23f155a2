#include "session/LottoZahlen.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/Charts.h"
#include "rules/Evaluation.h"
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

LottoZahlen::LottoZahlen(const Ports& ports) : m_ports(ports)
{
    m_options.addListener([this](int index) {
        if (Options::table()[index].stored == "UpDown7")
            updateLaufMax();
    });
}

const char* LottoZahlen::languageCode(int sprache)
{
    static const char* const codes[] = {"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl", "it"};
    return sprache >= 0 && sprache < 10 ? codes[sprache] : nullptr;
}

void LottoZahlen::applyLanguage(int sprache)
{
    const char* code = languageCode(sprache);
    if (!code)
        return;
    // The control texts follow with the language switch; the catalogue is
    // what the core needs.
    m_messages.load(home + "land/meldungen.txt." + code);
    m_options.setInt("Sprache", sprache);
}

WeekdayFilter LottoZahlen::weekdayFilter() const
{
    return {m_options.flag("CheckBox16"), m_options.flag("CheckBox17")};
}

void LottoZahlen::setDateTimePicker1(double day)
{
    // the picker refuses dates before its lowest one
    if (day < kFirstDrawDay)
        return;
    dateTimePicker1 = day;
    for (const auto& l : m_picker1Listeners)
        l();
}

void LottoZahlen::setDateTimePicker2(double day)
{
    if (day >= kFirstDrawDay)
        m_options.setDate("DateTimePicker2", day);
}

void LottoZahlen::prepareStart(const std::string& programDir)
{
    const int today = m_ports.clock->today();
    bezeichnungsDatei = "bezeichch.txt";
    dfb = today;
    home = programDir;
    if (home.empty() || (home.back() != '/' && home.back() != '\\'))
        home += '/';
    soundName = "yippee.wav";
    laufMax = 100000;
    sortieren = false;
    berechnunglaeuft = false;

    if (m_ports.settings)
        loadSettings(*this, *m_ports.settings);
    applyLanguage(m_options.integer("Sprache"));
    sortieren = true;

    if (dateTimePicker2() > today - 7)
        m_options.setDate("DateTimePicker2", kFirstDrawDay);
    updateLaufMax();
    if (m_options.text("ProxyHostEdit").empty())
        m_options.setText("ProxyPortEdit", "80");

    zahlenFile = "ZahlenSN.dat";
    migrateOldDrawFile(home, zahlenFile);

    m_random.setSeed(m_ports.clock->clockSeed());
    aktDatum = dateTimePicker2();
    setDateTimePicker1(today);
}

void LottoZahlen::runStartAnalyses()
{
    // The online update, the evaluation for DateTimePicker1's date and the
    // number distribution chart join here as they are built.
    SpeedButton5Click(*this);
    SpeedButton2Click(*this);
}

void LottoZahlen::saveSettings(bool windowNormal)
{
    if (m_ports.settings)
        zf::saveSettings(*this, *m_ports.settings, windowNormal);
}

} // namespace zf
