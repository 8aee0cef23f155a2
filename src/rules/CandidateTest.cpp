#include "rules/CandidateTest.h"

#include "rules/Charts.h"

#include <algorithm>
#include <utility>

namespace zf {

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
                             const std::array<DrawNumbers, 3>& reference, std::shared_ptr<DrawIndex> index)
    : m_rules(rules), m_index(index ? std::move(index) : std::make_shared<DrawIndex>(std::move(draws)))
{
    const int z = rules.withSpare ? 7 : 6;
    for (int k = 0; k < 3; ++k)
        for (int j = 1; j <= z; ++j)
            if (reference[k][j] >= 0 && reference[k][j] <= 255)
                ++m_referenceCount[k][reference[k][j]];
}

void CandidateTest::addAccepted(const Candidate& row)
{
    std::array<uint8_t, 256> count{};
    for (uint8_t v : row)
        ++count[v];
    m_accepted.push_back(count);
}

void CandidateTest::prepare(HistoryTest& h, const DateWindow& window, int threshold)
{
    const HistoryWindow w{window, m_rules.filter, m_rules.withSpare};
    if (!h.index || h.threshold != threshold || !(h.window == w)) {
        h.window = w;
        h.threshold = threshold;
        h.index = m_index->window(w, threshold);
    }
}

void CandidateTest::prepare()
{
    const CandidateRules& o = m_rules;
    if (!o.historyOn)
        return;
    // the last so many draws: half as many weeks back, two draws a week
    auto recent = [&](int draws) { return DateWindow{o.windowEnd - draws / 2.0 * 7, o.windowEnd, false}; };
    prepare(m_recent, recent(o.recentDraws), o.recentMatches);
    if (o.secondRecentOn)
        prepare(m_secondRecent, recent(o.secondRecentDraws), o.secondRecentMatches);
    if (o.wholeWindowOn)
        prepare(m_whole, DateWindow{o.windowStart, o.windowEnd, false}, o.wholeWindowMatches);
}

bool CandidateTest::test(const Candidate& t, int s)
{
    prepare();
    const Verdict v = verdict(t, s);
    m_historyTested = m_historyTested || historyTested(v);
    return v == Verdict::Accepted;
}

CandidateTest::Verdict CandidateTest::verdict(const Candidate& t, int s) const
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
            return Verdict::Rejected;
    }
    bool pair = false, three = false;
    for (int i = 0; i < 5; ++i) {
        const bool step = t[i] + 1 == t[i + 1];
        three = three || (step && i < 4 && t[i + 1] + 1 == t[i + 2]);
        pair = pair || step;
    }
    if (o.forcePair && !pair)
        return Verdict::Rejected;
    if (o.noRuns && three)
        return Verdict::Rejected;
    if (s < o.minCrossSum || s > o.maxCrossSum)
        return Verdict::Rejected;
    for (int k = 0; k < 3; ++k) {
        if (!o.limitRecentOn[k] || o.limitRecent[k] <= 0)
            continue;
        int g = 0;
        for (uint8_t v : t)
            g += m_referenceCount[k][v];
        if (g > o.limitRecent[k])
            return Verdict::Rejected;
    }
    int even = 0;
    for (uint8_t v : t)
        even += v % 2 == 0;
    if (o.minEvenOn && even < o.minEven)
        return Verdict::Rejected;
    if (o.minOddOn && 6 - even < o.minOdd)
        return Verdict::Rejected;
    if (!o.historyOn)
        return Verdict::Accepted;
    // from here on every rejection is late, so the cheap primes go before the lookups
    if (o.minPrimesOn && countPrimes(t.data()) < o.minPrimes)
        return Verdict::RejectedLate;
    if (m_recent.index->anyReaches(t))
        return Verdict::RejectedLate;
    if (o.secondRecentOn && m_secondRecent.index->anyReaches(t))
        return Verdict::RejectedLate;
    if (o.wholeWindowOn && m_whole.index->anyReaches(t))
        return Verdict::RejectedLate;
    return Verdict::Accepted;
}

} // namespace zf
