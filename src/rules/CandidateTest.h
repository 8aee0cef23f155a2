#pragma once

#include "data/DrawIndex.h"
#include "data/Options.h"
#include "rules/Matching.h"

#include <array>
#include <cstdint>
#include <memory>
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
// After prepare(), verdict() only reads, so several threads may test at once.
class CandidateTest {
public:
    // reference: the last three draws up to the window's end; index: the
    // history tests' index of these draws, shared with other calculations
    CandidateTest(const CandidateRules& rules, DrawSnapshot draws, const std::array<DrawNumbers, 3>& reference,
                  std::shared_ptr<DrawIndex> index = nullptr);

    CandidateRules& rules() { return m_rules; }
    // The rows the sheet received so far in this calculation.
    void clearAccepted() { m_accepted.clear(); }
    void addAccepted(const Candidate& row);

    // Late: rejected after the history tests ran.
    enum class Verdict : uint8_t { Rejected, RejectedLate, Accepted };
    // Fetches the history indexes the rules ask for now; needed after rules() changed.
    void prepare();
    // t sorted ascending, six different numbers 1..40; s their sum.
    Verdict verdict(const Candidate& t, int s) const;
    // The verdict reached the history tests.
    bool historyTested(Verdict v) const { return v != Verdict::Rejected && m_rules.historyOn; }

    // prepare() and verdict() for one candidate at a time.
    bool test(const Candidate& t, int s);
    // A history test has run since the last call.
    bool takeHistoryTested() { return std::exchange(m_historyTested, false); }

private:
    // One history test: no draw of its window may reach its threshold.
    struct HistoryTest {
        HistoryWindow window;
        int threshold = 0;
        std::shared_ptr<const WindowIndex> index;
    };
    void prepare(HistoryTest& h, const DateWindow& window, int threshold);

    CandidateRules m_rules;
    std::shared_ptr<DrawIndex> m_index;
    // per reference draw: how often each value stands among its first six or seven entries
    std::array<std::array<uint8_t, 256>, 3> m_referenceCount{};
    std::vector<std::array<uint8_t, 256>> m_accepted; // per row: count of each number
    HistoryTest m_recent, m_secondRecent, m_whole;
    bool m_historyTested = false;
};

} // namespace zf
