#pragma once

#include "data/DrawCache.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zf {

// The draws a history test looks at.
struct HistoryWindow {
    DateWindow window;
    WeekdayFilter filter;
    bool withSpare = false; // the spare slot counts as a drawn number

    bool operator==(const HistoryWindow&) const = default;
};

// The draws of one history window, arranged to answer "does some draw share k
// or more numbers with this tip" in at most C(6,k) lookups instead of a scan:
// one bit per k-subset of 1..40 (by its rank in the combinatorial number
// system) that some draw with six different numbers holds. Draws with a
// repeated number or a counted spare slot are kept aside and counted one by one.
class WindowIndex {
public:
    WindowIndex(const std::vector<Draw>& draws, const HistoryWindow& window, int k);

    // Some draw of the window has at least k matches with the tip.
    bool anyReaches(const std::array<uint8_t, 6>& tip) const;
    size_t memoryBytes() const;

private:
    int m_k;
    bool m_withSpare;
    std::vector<uint64_t> m_subsets;                // bit per k-subset rank
    std::vector<uint64_t> m_masks;                  // the same draws, for tips that are not six sorted numbers
    std::vector<std::array<uint8_t, 7>> m_oneByOne; // six numbers and the spare slot
};

// The history tests' indexes of one draw snapshot, built on first use and
// shared by every calculation on these draws. Safe to use from several threads.
class DrawIndex {
public:
    explicit DrawIndex(DrawSnapshot draws) : m_draws(std::move(draws)) {}

    const DrawSnapshot& draws() const { return m_draws; }
    std::shared_ptr<const WindowIndex> window(const HistoryWindow& window, int k);
    size_t memoryBytes() const;

private:
    struct Entry {
        HistoryWindow window;
        int k;
        std::shared_ptr<const WindowIndex> index;
    };
    DrawSnapshot m_draws;
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries; // oldest first
};

} // namespace zf
