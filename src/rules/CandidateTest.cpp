#include "rules/CandidateTest.h"

#include "rules/Charts.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace zf {

namespace {

uint64_t maskOf(const Candidate& t)
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

CandidateRules CandidateRules::from(const Options& o, double windowEnd)
{
    CandidateRules r;
    r.maxOverlapOn = o.flag(Opt::CheckBox3);
    r.maxOverlap = o.integer(Opt::UpDown3);
    r.minOverlapOn = o.flag(Opt::CheckBox24);
    r.minOverlap = o.integer(Opt::UpDown9);
    r.overlapPerTip = o.flag(Opt::CheckBox27);
    r.forcePair = o.flag(Opt::CheckBox8);
    r.noRuns = o.flag(Opt::CheckBox18);
    r.minCrossSum = o.integer(Opt::UpDown1);
    r.maxCrossSum = o.integer(Opt::UpDown2);
    r.withSpare = o.flag(Opt::CheckBox35);
    r.limitRecentOn = {o.flag(Opt::CheckBox4), o.flag(Opt::CheckBox5), o.flag(Opt::CheckBox23)};
    r.limitRecent = {o.integer(Opt::UpDown4), o.integer(Opt::UpDown5), o.integer(Opt::UpDown11)};
    r.minEvenOn = o.flag(Opt::CheckBox25);
    r.minEven = o.integer(Opt::UpDown15);
    r.minOddOn = o.flag(Opt::CheckBox26);
    r.minOdd = o.integer(Opt::UpDown16);
    r.historyOn = o.flag(Opt::CheckBox28);
    r.recentMatches = o.integer(Opt::UpDown17);
    r.recentDraws = o.integer(Opt::UpDown18);
    r.secondRecentOn = o.flag(Opt::CheckBox34);
    r.secondRecentMatches = o.integer(Opt::UpDown20);
    r.secondRecentDraws = o.integer(Opt::UpDown21);
    r.wholeWindowOn = o.flag(Opt::CheckBox9);
    r.wholeWindowMatches = o.integer(Opt::UpDown6);
    r.minPrimesOn = o.flag(Opt::CheckBox22);
    r.minPrimes = o.integer(Opt::UpDown10);
    r.windowStart = o.date(Opt::DateTimePicker2);
    r.windowEnd = windowEnd;
    r.filter = {o.flag(Opt::CheckBox16), o.flag(Opt::CheckBox17)};
    return r;
}

CandidateTest::CandidateTest(const CandidateRules& rules, DrawSnapshot draws,
                             const std::array<DrawNumbers, 3>& reference)
    : m_rules(rules), m_draws(std::move(draws)), m_reference(reference)
{
}

void CandidateTest::addAccepted(const Candidate& row)
{
    std::array<uint8_t, 41> count{};
    for (uint8_t v : row)
        if (v <= 40)
            ++count[v];
    m_accepted.push_back(count);
}

int CandidateTest::overlap(const DrawNumbers& r, const Candidate& t, int z) const
{
    int g = 0;
    for (uint8_t v : t)
        for (int j = 1; j <= z; ++j)
            g += v == r[j];
    return g;
}

bool CandidateTest::test(const Candidate& t, int s)
{
    const CandidateRules& o = m_rules;
    if (!m_accepted.empty()) {
        int smallest = 6, largest = 0;
        bool rowLimit = false;
        for (const auto& count : m_accepted) {
            int g = 0;
            for (uint8_t v : t)
                g += count[v];
            smallest = std::min(smallest, g);
            largest = std::max(largest, g);
            if (o.overlapPerTip && (g > o.maxOverlap || g < o.minOverlap))
                rowLimit = true;
        }
        if ((smallest > o.maxOverlap && o.maxOverlapOn) || (largest < o.minOverlap && o.minOverlapOn) || rowLimit)
            return false;
    }
    bool pair = false, three = false;
    for (int i = 0; i < 5; ++i) {
        const bool step = t[i] + 1 == t[i + 1];
        three = three || (step && i < 4 && t[i + 1] + 1 == t[i + 2]);
        pair = pair || step;
    }
    if (o.forcePair && !pair)
        return false;
    if (o.noRuns && three)
        return false;
    if (s < o.minCrossSum || s > o.maxCrossSum)
        return false;
    const int z = o.withSpare ? 7 : 6;
    for (int k = 0; k < 3; ++k)
        if (o.limitRecentOn[k] && o.limitRecent[k] > 0 && overlap(m_reference[k], t, z) > o.limitRecent[k])
            return false;
    int even = 0;
    for (uint8_t v : t)
        even += v % 2 == 0;
    if (o.minEvenOn && even < o.minEven)
        return false;
    if (o.minOddOn && 6 - even < o.minOdd)
        return false;
    if (!o.historyOn)
        return true;
    // the last so many draws: half as many weeks back, two draws a week
    auto recent = [&](int draws) { return DateWindow{o.windowEnd - draws / 2.0 * 7, o.windowEnd, false}; };
    if (!noneReaches(m_recent, recent(o.recentDraws), t, o.recentMatches))
        return false;
    if (o.secondRecentOn && !noneReaches(m_secondRecent, recent(o.secondRecentDraws), t, o.secondRecentMatches))
        return false;
    if (o.wholeWindowOn &&
        !noneReaches(m_whole, DateWindow{o.windowStart, o.windowEnd, false}, t, o.wholeWindowMatches))
        return false;
    if (o.minPrimesOn && countPrimes(t.data()) < o.minPrimes)
        return false;
    return true;
}

bool CandidateTest::noneReaches(Selection& sel, const DateWindow& window, const Candidate& t, int threshold)
{
    m_historyTested = true;
    if (!sel.built) {
        // the windows and the filter are fixed for a calculation: select once
        sel.built = true;
        for (const Draw& d : *m_draws) {
            if (!window.contains(d.datum) || !m_rules.filter.passes(d.datum))
                continue;
            const uint64_t mask = numberMask(d.zahlen.data(), 6);
            const int spare = d.zahlen[6];
            if (std::popcount(mask) == 6 && !(m_rules.withSpare && spare >= 1 && spare <= 40))
                sel.masks.push_back(mask);
            else
                sel.others.push_back(&d);
        }
    }
    const uint64_t tip = maskOf(t);
    if (anyReaches(sel.masks, tip, threshold))
        return false;
    for (const Draw* d : sel.others) {
        int gewinn = 0;
        for (int i = 0; i < 6; ++i)
            gewinn += hasBit(tip, d->zahlen[i]);
        if (m_rules.withSpare && hasBit(tip, d->zahlen[6]))
            ++gewinn;
        if (gewinn >= threshold)
            return false;
    }
    return true;
}

} // namespace zf
