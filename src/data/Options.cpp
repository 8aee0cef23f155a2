#include "data/Options.h"

#include "ground/Formats.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <stdexcept>
#include <unordered_map>

namespace zf {

namespace {

using P = OptionPage;

OptionDef flag(const char* stored, const char* control, const char* caption, P page, bool def, bool hidden = false)
{
    return {stored, control, "", OptionKind::Flag, def ? 1 : 0, "", 0, 1, page, caption, "", hidden, ""};
}

// caption stands before the spin control, after behind the last control of its row
OptionDef spin(const char* stored, const char* field, int min, int max, int def, P page, const char* partner,
               const char* caption = "", const char* hint = "", const char* after = "")
{
    return {stored, stored, field, OptionKind::Int, def, "", min, max, page, caption, hint, false, partner, after};
}

OptionDef field(const char* stored, int def, int min = INT_MIN, int max = INT_MAX)
{
    return {stored, "", "", OptionKind::Int, def, "", min, max, P::None, "", "", false, ""};
}

OptionDef text(const char* stored, const char* control, const char* def, P page, const char* caption)
{
    return {stored, control, "", OptionKind::Text, 0, def, 0, 0, page, caption, "", false, ""};
}

const char* const kPercentHint = "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
const char* const kDateHint =
    "Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt";

std::vector<OptionDef> buildTable()
{
    std::vector<OptionDef> t = {
        flag("Chekcbox1", "CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", P::Statistisch, false),
        flag("Chekcbox2", "CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", P::Statistisch, false),
        flag("Chekcbox3", "CheckBox3", "maximale Übereinstimmungen mit anderen Tipps", P::ScheinOptimierung, true),
        flag("Chekcbox4", "CheckBox4", "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ",
             P::ScheinOptimierung, true),
        flag("Chekcbox5", "CheckBox5", "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ",
             P::ScheinOptimierung, true),
        flag("Chekcbox6", "CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", P::Statistisch,
             false),
        flag("Chekcbox7", "CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", P::Statistisch,
             false),
        flag("Chekcbox8", "CheckBox8", "eine Paarbildung pro Tipp erzwingen", P::Mathematisch, false),
        flag("Chekcbox9", "CheckBox9", "Tipp enspricht noch keiner Ziehung der Datenbank nit ", P::ScheinOptimierung,
             true),
        flag("Chekcbox10", "CheckBox10", "Zahlen die am längsten überfällig sind", P::Statistisch, true),
        flag("Chekcbox11", "CheckBox11", "seltensten", P::Statistisch, false),
        flag("Chekcbox12", "CheckBox12", "seltensten", P::Statistisch, false),
        flag("Chekcbox13", "CheckBox13", "seltensten", P::Statistisch, false),
        flag("Chekcbox14", "CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", P::Statistisch, true),
        flag("Chekcbox15", "CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", P::Allgemein, false),
        flag("Chekcbox16", "CheckBox16", "Donnerstag Ziehungen", P::Lottotipp, true, true),
        flag("Chekcbox17", "CheckBox17", "Montag Ziehungen", P::Lottotipp, true, true),
        flag("Chekcbox18", "CheckBox18", "keine Dreier , Vierer... Paare", P::Mathematisch, true),
        flag("Chekcbox19", "CheckBox19", "benachbarte Zahlen der letzten Ziehung bevorzugen", P::Statistisch, false),
        flag("Chekcbox20", "CheckBox20", "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", P::Allgemein,
             false),
        flag("Chekcbox22", "CheckBox22", "mindest Anzahl von Primzahlen in jedem Tipp", P::Mathematisch, false),
        flag("Chekcbox23", "CheckBox23", "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ",
             P::ScheinOptimierung, true),
        flag("Chekcbox24", "CheckBox24", "minimale Übereinstimmungen mit anderen Tipps", P::ScheinOptimierung, true),
        flag("Chekcbox25", "CheckBox25", "mindest Anzahl von geraden Zahlen in jedem Tipp", P::Mathematisch, false),
        flag("Chekcbox26", "CheckBox26", "mindest Anzahl ungeraden Zahlen in jedem Tipp", P::Mathematisch, false),
        flag("Chekcbox27", "CheckBox27", "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden",
             P::ScheinOptimierung, false),
        flag("Chekcbox28", "CheckBox28", "Tipp ergibt keine", P::ScheinOptimierung, true),
        flag("Chekcbox29", "CheckBox29", "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ",
             P::Statistisch, false),
        flag("Chekcbox30", "CheckBox30",
             "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten", P::Statistisch, false),
        flag("Chekcbox31", "CheckBox31", "Neuberechnung  nur wenn ein 3er erzielt wurde", P::Datenbank, false),
        flag("Chekcbox32", "CheckBox32", "Ich spiele nur Samstags (Samstag bei Abgabe  vordefiniert)",
             P::InternetOptionen, false),
        flag("Chekcbox33", "CheckBox33", "Traumzahlen bei Berechnung mit erzeugen", P::Traumzahl, true),
        flag("Chekcbox34", "CheckBox34", "Tipp ergibt keine ", P::ScheinOptimierung, true),
        flag("Chekcbox35", "CheckBox35", "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ",
             P::ScheinOptimierung, true, true),
        flag("Winsound", "Winsound", "Gewinnsound spielen / play winning sound", P::Allgemein, true),

        spin("UpDown1", "Edit37", 21, 279, 50, P::Mathematisch, "", "Quersummen von", "", "im Tipp zulassen"),
        spin("UpDown2", "Edit38", 21, 279, 250, P::Mathematisch, "UpDown1", "bis"),
        spin("UpDown3", "Edit39", 0, 5, 2, P::ScheinOptimierung, "CheckBox3"),
        spin("UpDown4", "Edit40", 0, 5, 0, P::ScheinOptimierung, "CheckBox4"),
        spin("UpDown5", "Edit41", 0, 5, 1, P::ScheinOptimierung, "CheckBox5"),
        spin("UpDown6", "Edit42", 4, 6, 5, P::ScheinOptimierung, "CheckBox9", "Richtigen"),
        spin("UpDown7", "Edit55", 1, 30000, 50, P::Allgemein, "", "Max. Berechnungsläufe", "", "Tausend"),
        spin("UpDown8", "Edit80", 2, 14, 14, P::Lottotipp, ""),
        spin("UpDown9", "Edit88", 0, 5, 0, P::ScheinOptimierung, "CheckBox24"),
        spin("UpDown10", "Edit83", 0, 6, 2, P::Mathematisch, "CheckBox22"),
        spin("UpDown11", "Edit84", 0, 5, 2, P::ScheinOptimierung, "CheckBox23"),
        spin("UpDown12", "Edit85", 5, 75, 30, P::Statistisch, "CheckBox2", "%", kPercentHint),
        spin("UpDown13", "Edit86", 5, 75, 30, P::Statistisch, "CheckBox10", "%", kPercentHint),
        spin("UpDown14", "Edit87", 5, 75, 20, P::Statistisch, "CheckBox14", "%", kPercentHint),
        spin("UpDown15", "Edit89", 0, 6, 2, P::Mathematisch, "CheckBox25"),
        spin("UpDown16", "Edit90", 0, 6, 2, P::Mathematisch, "CheckBox26"),
        spin("UpDown17", "Edit91", 2, 6, 3, P::ScheinOptimierung, "CheckBox28", "Richtigen in den letzten"),
        spin("UpDown18", "Edit92", 4, 500, 10, P::ScheinOptimierung, "CheckBox28", "Ziehungen"),
        spin("UpDown20", "Edit94", 2, 6, 4, P::ScheinOptimierung, "CheckBox34", "Richtigen in den letzten"),
        spin("UpDown21", "Edit95", 4, 500, 100, P::ScheinOptimierung, "CheckBox34", "Ziehungen"),

        {"RadioGroup1", "RadioGroup1", "", OptionKind::Int, 0, "", -1, 3, P::Traumzahl, "Traumzahl Option", "", false,
         ""},
        field("Sprache", 0),
        field("height", 0, 0),
        field("width", 0, 0),
        field("TippTop", 53, 0, 100),
        field("TippLeft", 32, 0, 100),
        field("Papierformat", 0, 0, 3),
        text("ZWEIPREIS", "Edit81", "0,50", P::InternetOptionen, "Für eine Ziehung:"),
        text("EINPREIS", "Edit82", "1,00", P::InternetOptionen, "Für eine Sa und Mi. Ziehung:"),
        text("ProxyHostEdit", "ProxyHostEdit", "", P::InternetOptionen, "Proxy-Server"),
        text("ProxyPortEdit", "ProxyPortEdit", "80", P::InternetOptionen, "Proxy-Port"),
        text("ServerEdit", "ServerEdit", "http://127.0.0.1:8080", P::InternetOptionen, "Update-Server"),
        {"DateTimePicker2", "DateTimePicker2", "", OptionKind::Date, kFirstDrawDay, "", kFirstDrawDay, INT_MAX,
         P::Diagramm, "", kDateHint, false, ""},

        // the print settings dialog's stored controls
        text("ScheinBild", "ComboBox2", "Romande", P::PrintDialog, ""),
        flag("Joker1", "CheckBox3", "Joker 1", P::PrintDialog, false),
        flag("Joker2", "CheckBox4", "Joker 2", P::PrintDialog, false),
        flag("Joker3", "CheckBox7", "Joker 3", P::PrintDialog, false),
        text("Joker1Zahl", "", "000000", P::PrintDialog, ""),
        text("Joker2Zahl", "", "000000", P::PrintDialog, ""),
        text("Joker3Zahl", "", "000000", P::PrintDialog, ""),
    };
    // height and width default to the designed window size
    for (auto& d : t) {
        if (d.stored == "height")
            d.defaultInt = 700;
        if (d.stored == "width")
            d.defaultInt = 1100;
    }
    const char* const kPreviousDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
    const char* const kHistoryHint = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  "
                                     "aus deer Diagrammübersicht";
    const std::pair<const char*, const char*> hints[] = {
        {"CheckBox2", "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"},
        {"CheckBox14", "die ersten X% der am seltensten gezogenen Zahlen bevorzugen"},
        {"CheckBox10", "die ersten X% der am längsten überfälligen Zahlen bevorzugen"},
        {"CheckBox16", "Ziehungsdaten de rDonnerstag Ziehungen verwenden"},
        {"CheckBox17", "Ziehungsdaten der Montags Ziehungen verwenden"},
        {"CheckBox4", kPreviousDrawHint},
        {"CheckBox5", kPreviousDrawHint},
        {"CheckBox23", kPreviousDrawHint},
        {"CheckBox9", kHistoryHint},
        {"CheckBox28", kHistoryHint},
        {"CheckBox34", kHistoryHint},
        {"UpDown6", "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"},
        {"UpDown17", "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"},
        {"UpDown20", "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"},
        {"UpDown18", "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"},
        {"UpDown21", "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"},
    };
    // "seltensten" sits beside the preference it turns around
    const std::pair<const char*, const char*> beside[] = {
        {"CheckBox11", "CheckBox1"}, {"CheckBox12", "CheckBox6"}, {"CheckBox13", "CheckBox7"}};
    for (auto& d : t) {
        for (const auto& [control, hint] : hints)
            if (d.control == control && d.page != P::PrintDialog)
                d.hint = hint;
        for (const auto& [control, partner] : beside)
            if (d.control == control)
                d.partner = partner;
    }
    return t;
}

const std::unordered_map<std::string_view, int>& nameIndex()
{
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        const auto& t = Options::table();
        for (int i = 0; i < static_cast<int>(t.size()); ++i) {
            m.emplace(t[i].stored, i);
            // control names of the main window; the print dialog's are its own
            if (!t[i].control.empty() && t[i].page != P::PrintDialog)
                m.emplace(t[i].control, i);
        }
        return m;
    }();
    return index;
}

} // namespace

const std::vector<OptionDef>& Options::table()
{
    static const std::vector<OptionDef> t = [] {
        auto built = buildTable();
        // the typed keys name the table's rows in order
        for (size_t i = 0; i < std::size(kOptNames); ++i)
            if (i >= built.size() || (built[i].control != kOptNames[i] && built[i].stored != kOptNames[i]))
                throw std::logic_error("option key " + std::string(kOptNames[i]) + " does not match the table");
        if (built.size() != std::size(kOptNames))
            throw std::logic_error("option table and keys differ in length");
        return built;
    }();
    return t;
}

int Options::find(std::string_view name)
{
    const auto& m = nameIndex();
    auto it = m.find(name);
    return it == m.end() ? -1 : it->second;
}

Options::Options()
{
    resetToDefaults();
}

void Options::resetToDefaults()
{
    const auto& t = table();
    m_ints.resize(t.size());
    m_texts.resize(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        m_ints[i] = t[i].defaultInt;
        m_texts[i] = t[i].defaultText;
    }
}

namespace {

// Options whose range depends on another: the even and odd minimums never ask
// for more than six numbers together, the minimum overlap with other tips
// stays at or below the maximum.
struct Coupling {
    Opt key;
    Opt partner;
    enum { SumAtMostSix, AtMost, AtLeast } rule;
};

constexpr Coupling kCouplings[] = {
    {Opt::UpDown15, Opt::UpDown16, Coupling::SumAtMostSix},
    {Opt::UpDown16, Opt::UpDown15, Coupling::SumAtMostSix},
    {Opt::UpDown9, Opt::UpDown3, Coupling::AtMost},
    {Opt::UpDown3, Opt::UpDown9, Coupling::AtLeast},
};

} // namespace

int Options::coupled(int index, int value) const
{
    for (const Coupling& c : kCouplings) {
        if (zf::index(c.key) != index)
            continue;
        const int p = integer(c.partner);
        if (c.rule == Coupling::SumAtMostSix)
            value = std::min(value, 6 - p);
        else if (c.rule == Coupling::AtMost)
            value = std::min(value, p);
        else
            value = std::max(value, p);
    }
    return value;
}

void Options::normalize()
{
    setInt(Opt::UpDown16, integer(Opt::UpDown16));
    setInt(Opt::UpDown9, integer(Opt::UpDown9));
}

void Options::setInt(int index, int value, bool withCouplings)
{
    const OptionDef& d = table()[index];
    if (d.kind == OptionKind::Flag)
        value = value != 0;
    else
        value = std::clamp(withCouplings ? coupled(index, value) : value, d.min, d.max);
    if (m_ints[index] == value)
        return;
    m_ints[index] = value;
    changed(index);
}

void Options::setText(int index, const std::string& value)
{
    if (m_texts[index] == value)
        return;
    m_texts[index] = value;
    changed(index);
}

void Options::changed(int index)
{
    for (const auto& l : m_listeners)
        l(index);
}

} // namespace zf
