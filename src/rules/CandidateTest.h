#pragma once

#include "data/DrawCache.h"
#include "data/Options.h"
#include "rules/Matching.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace zf {

// A candidate tip as the search draws it: six numbers, 0 for an empty position.
using Candidate = std::array<uint8_t, 6>;

// The options the candidate test reads, taken when a calculation starts. The
// search relaxes some of them as its run budget runs out.
struct CandidateRules {
    bool maxOverlapOn = false, minOverlapOn = false, overlapPerTip = false;
    int maxOverlap = 0, minOverlap = 0;
    bool forcePair = false, noRuns = false;
    int minCrossSum = 0, maxCrossSum = 0;
    bool withSpare = false; // the spare slot counts as a drawn number
    // the most numbers a tip may share with the last, second-last and third-last draw
    std::array<bool, 3> limitRecentOn{};
    std::array<int, 3> limitRecent{};
    bool minEvenOn = false, minOddOn = false;
    int minEven = 0, minOdd = 0;
    bool historyOn = false; // the tests against stored draws
    int recentMatches = 0;  // no draw of the last recentDraws has this many matches
    int recentDraws = 0;
    bool secondRecentOn = false;
    int secondRecentMatches = 0, secondRecentDraws = 0;
    bool wholeWindowOn = false; // no draw of the open date window has this many matches
    int wholeWindowMatches = 0;
    bool minPrimesOn = false;
    int minPrimes = 0;
    double windowStart = 0; // the date window of the history tests
    double windowEnd = 0;
    WeekdayFilter filter;

    static CandidateRules from(const Options& o, double windowEnd);
};

// The test every candidate passes before it may become a row: the conditions
// of the calculation pages in a fixed order, the first failing one rejects.
class CandidateTest {
public:
    // reference: the last three draws up to the window's end
    CandidateTest(const CandidateRules& rules, DrawSnapshot draws, const std::array<DrawNumbers, 3>& reference);

    CandidateRules& rules() { return m_rules; }
    // The rows the sheet received so far in this calculation.
    void clearAccepted() { m_accepted.clear(); }
    void addAccepted(const Candidate& row);

    // t sorted ascending, six different numbers 1..40; s their sum.
    bool test(const Candidate& t, int s);
    // A history test has run since the last call.
    bool takeHistoryTested() { return std::exchange(m_historyTested, false); }

private:
    // The draws of one history window: six different numbers as masks
    // (matches = common bits), the others counted one by one.
    struct Selection {
        bool built = false;
        std::vector<uint64_t> masks;
        std::vector<const Draw*> others;
    };
    bool noneReaches(Selection& sel, const DateWindow& window, const Candidate& t, int threshold);
    int overlap(const DrawNumbers& r, const Candidate& t, int z) const;

    CandidateRules m_rules;
    DrawSnapshot m_draws;
    std::array<DrawNumbers, 3> m_reference;
    std::vector<std::array<uint8_t, 41>> m_accepted; // per row: count of each number
    Selection m_recent, m_secondRecent, m_whole;
    bool m_historyTested = false;
};

} // namespace zf
