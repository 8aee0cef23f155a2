#include "rules/CandidateTest.h"

#include "rules/Charts.h"
#include "session/LottoZahlen.h"

#include <bit>

namespace zf {

namespace {

uint64_t maskOf(const Tip& t)
{
    return numberMask(t.data(), 6);
}

bool hasBit(uint64_t mask, int n)
{
    return n >= 1 && n <= 40 && (mask >> n & 1);
}

// True when some mask leaves at most R of its six numbers outside the tip,
// that is shares at least 6 - R numbers with it.
template <int R>
bool anyWithin(const std::vector<uint64_t>& masks, uint64_t notTip)
{
    for (uint64_t m : masks) {
        uint64_t y = m & notTip;
        for (int i = 0; i < R; ++i)
            y &= y - 1;
        if (y == 0)
            return true;
    }
    return false;
}

bool anyReaches(const std::vector<uint64_t>& masks, uint64_t tip, int threshold)
{
    if (masks.empty() || threshold > 6)
        return false;
    const uint64_t notTip = ~tip;
    switch (6 - threshold) {
    case 0:
        return anyWithin<0>(masks, notTip);
    case 1:
        return anyWithin<1>(masks, notTip);
    case 2:
        return anyWithin<2>(masks, notTip);
    case 3:
        return anyWithin<3>(masks, notTip);
    case 4:
        return anyWithin<4>(masks, notTip);
    case 5:
        return anyWithin<5>(masks, notTip);
    default:
        return true; // every draw has at least 0 matches
    }
}

} // namespace

CandidateTest::CandidateTest(LottoZahlen& app)
    : m_app(app), m_cache(app.drawCache()), cb3(Options::at("CheckBox3")), cb24(Options::at("CheckBox24")),
      cb27(Options::at("CheckBox27")), cb8(Options::at("CheckBox8")), cb18(Options::at("CheckBox18")),
      ud1(Options::at("UpDown1")), ud2(Options::at("UpDown2")), ud3(Options::at("UpDown3")),
      ud9(Options::at("UpDown9")), cb4(Options::at("CheckBox4")), ud4(Options::at("UpDown4")),
      cb5(Options::at("CheckBox5")), ud5(Options::at("UpDown5")), cb23(Options::at("CheckBox23")),
      ud11(Options::at("UpDown11")), cb25(Options::at("CheckBox25")), ud15(Options::at("UpDown15")),
      cb26(Options::at("CheckBox26")), ud16(Options::at("UpDown16")), cb28(Options::at("CheckBox28")),
      ud17(Options::at("UpDown17")), ud18(Options::at("UpDown18")), cb34(Options::at("CheckBox34")),
      ud20(Options::at("UpDown20")), ud21(Options::at("UpDown21")), cb9(Options::at("CheckBox9")),
      ud6(Options::at("UpDown6")), cb22(Options::at("CheckBox22")), ud10(Options::at("UpDown10")),
      cb35(Options::at("CheckBox35")), dtp2(Options::at("DateTimePicker2"))
{
}

void CandidateTest::setReferenceDraws(const RefDraw& r1, const RefDraw& r2, const RefDraw& r3)
{
    m_r[0] = r1;
    m_r[1] = r2;
    m_r[2] = r3;
}

void CandidateTest::addAccepted(const Tip& row)
{
    std::array<uint8_t, 41> count{};
    for (uint8_t v : row)
        if (v <= 40)
            ++count[v];
    m_accepted.push_back(count);
}

int CandidateTest::overlap(const RefDraw& r, const Tip& t, int z) const
{
    int g = 0;
    for (uint8_t v : t)
        for (int j = 1; j <= z; ++j)
            g += v == r[j];
    return g;
}

bool CandidateTest::test(const Tip& t, int s)
{
    const Options& o = m_app.options();
    if (!m_accepted.empty()) {
        int smallest = 6, largest = 0;
        bool rowLimit = false;
        for (const auto& count : m_accepted) {
            int g = 0;
            for (uint8_t v : t)
                g += count[v];
            smallest = std::min(smallest, g);
            largest = std::max(largest, g);
            if (o.flag(cb27) && (g > o.integer(ud3) || g < o.integer(ud9)))
                rowLimit = true;
        }
        if ((smallest > o.integer(ud3) && o.flag(cb3)) || (largest < o.integer(ud9) && o.flag(cb24)) || rowLimit)
            return false;
    }
    bool pair = false, three = false;
    for (int i = 0; i < 5; ++i) {
        const bool step = t[i] + 1 == t[i + 1];
        three = three || (step && i < 4 && t[i + 1] + 1 == t[i + 2]);
        pair = pair || step;
    }
    if (o.flag(cb8) && !pair)
        return false;
    if (o.flag(cb18) && three)
        return false;
    if (s < o.integer(ud1) || s > o.integer(ud2))
        return false;
    const int z = o.flag(cb35) ? 7 : 6;
    if (o.flag(cb4) && o.integer(ud4) > 0 && overlap(m_r[0], t, z) > o.integer(ud4))
        return false;
    if (o.flag(cb5) && o.integer(ud5) > 0 && overlap(m_r[1], t, z) > o.integer(ud5))
        return false;
    if (o.flag(cb23) && o.integer(ud11) > 0 && overlap(m_r[2], t, z) > o.integer(ud11))
        return false;
    int even = 0;
    for (uint8_t v : t)
        even += v % 2 == 0;
    if (o.flag(cb25) && even < o.integer(ud15))
        return false;
    if (o.flag(cb26) && 6 - even < o.integer(ud16))
        return false;
    if (!o.flag(cb28))
        return true;
    if (!dreierodervierer(t, z, o.integer(ud17), o.integer(ud18)))
        return false;
    if (o.flag(cb34) && !dreierodervierer(t, z, o.integer(ud20), o.integer(ud21)))
        return false;
    if (o.flag(cb9) && !Secheroderfuenfer(t))
        return false;
    if (o.flag(cb22) && primzahlen(t[0], t[1], t[2], t[3], t[4], t[5]) < o.integer(ud10))
        return false;
    return true;
}

bool CandidateTest::dreierodervierer(const Tip& t, int /*mitZusatz*/, int gewinner, int ziehzahl)
{
    const double end = m_app.dateTimePicker1;
    const double start = end - ziehzahl / 2.0 * 7;
    m_app.dfb = end;
    // the two calls look at two windows: keep one selection for each
    Selection* sel = nullptr;
    for (Selection& s : m_recent)
        if (s.valid && s.start == start && s.end == end)
            sel = &s;
    if (!sel) {
        sel = &m_recent[m_nextSlot];
        m_nextSlot ^= 1;
    }
    return noneReaches(*sel, start, end, t, gewinner);
}

bool CandidateTest::Secheroderfuenfer(const Tip& t)
{
    const Options& o = m_app.options();
    const double start = o.date(dtp2);
    const double end = m_app.dateTimePicker1;
    m_app.aktDatum = start;
    m_app.dfb = end;
    return noneReaches(m_window, start, end, t, o.integer(ud6));
}

void CandidateTest::clearChart()
{
    ChartData& c = m_app.chart();
    if (c.bars.empty() && !c.series1Visible && c.series2Visible)
        return;
    c.bars.clear();
    c.series1Visible = false;
    c.series2Visible = true;
    m_app.chartChanged();
}

bool CandidateTest::noneReaches(Selection& sel, double start, double end, const Tip& t, int threshold)
{
    const auto& draws = m_cache.draws(m_checkFile);
    m_checkFile = false;
    clearChart();
    const WeekdayFilter filter = m_app.weekdayFilter();
    const bool zusatz = m_app.options().flag(cb35);
    if (!sel.valid || sel.version != m_cache.version() || sel.start != start || sel.end != end ||
        sel.thursday != filter.thursday || sel.monday != filter.monday || sel.zusatz != zusatz) {
        sel = Selection{start, end, filter.thursday, filter.monday, zusatz, true, m_cache.version(), {}, {}};
        const DateWindow window{start, end, false};
        for (const CachedDraw& d : draws) {
            if (!window.contains(d.draw.datum) || !filter.passes(d.draw.datum))
                continue;
            const int spare = d.draw.zahlen[6];
            if (d.distinct && !(zusatz && spare >= 1 && spare <= 40))
                sel.masks.push_back(d.mask);
            else
                sel.others.push_back(d);
        }
    }
    const uint64_t tip = maskOf(t);
    if (anyReaches(sel.masks, tip, threshold))
        return false;
    for (const CachedDraw& d : sel.others) {
        int gewinn = 0;
        for (int i = 0; i < 6; ++i)
            gewinn += hasBit(tip, d.draw.zahlen[i]);
        if (zusatz && hasBit(tip, d.draw.zahlen[6]))
            ++gewinn;
        if (gewinn >= threshold)
            return false;
    }
    return true;
}

} // namespace zf
