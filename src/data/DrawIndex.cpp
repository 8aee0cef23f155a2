#include "data/DrawIndex.h"

#include <bit>

namespace zf {

namespace {

// kBinom[n][i] = C(n, i); the rank of c1 < c2 < ... < ck in 0..39 is the sum of C(ci, i).
constexpr auto kBinom = [] {
    std::array<std::array<uint32_t, 7>, 41> b{};
    for (int n = 0; n <= 40; ++n) {
        b[n][0] = 1;
        for (int i = 1; i <= 6 && n > 0; ++i)
            b[n][i] = b[n - 1][i - 1] + b[n - 1][i];
    }
    return b;
}();

// Calls f with the rank of each k-subset of six ascending values 0..39 until f returns true.
template <int K, int I = 0, class F>
bool anySubset(const std::array<uint8_t, 6>& c, F& f, int from = 0, uint32_t rank = 0)
{
    if constexpr (I == K) {
        return f(rank);
    } else {
        for (int p = from; p <= 6 - K + I; ++p)
            if (anySubset<K, I + 1>(c, f, p + 1, rank + kBinom[c[p]][I + 1]))
                return true;
        return false;
    }
}

template <class F>
bool anySubset(int k, const std::array<uint8_t, 6>& c, F&& f)
{
    switch (k) {
    case 1:
        return anySubset<1>(c, f);
    case 2:
        return anySubset<2>(c, f);
    case 3:
        return anySubset<3>(c, f);
    case 4:
        return anySubset<4>(c, f);
    case 5:
        return anySubset<5>(c, f);
    default:
        return anySubset<6>(c, f);
    }
}

// The numbers less one when they are six ascending numbers in 1..40.
bool zeroBased(const uint8_t* numbers, std::array<uint8_t, 6>& c)
{
    for (int i = 0; i < 6; ++i) {
        if (numbers[i] < 1 || numbers[i] > 40 || (i > 0 && numbers[i] <= numbers[i - 1]))
            return false;
        c[i] = static_cast<uint8_t>(numbers[i] - 1);
    }
    return true;
}

bool hasBit(uint64_t mask, int n)
{
    return n >= 1 && n <= 40 && (mask >> n & 1);
}

// Entries of the memo that outlast a change of the window, the oldest going
// first; even with six windows at k = 6 (480 KB each) the memo stays under 4 MB.
constexpr size_t kKeptWindows = 6;

} // namespace

WindowIndex::WindowIndex(const std::vector<Draw>& draws, const HistoryWindow& window, int k)
    : m_k(k), m_withSpare(window.withSpare)
{
    const bool lookups = k >= 1 && k <= 6;
    if (lookups)
        m_subsets.assign((kBinom[40][k] + 63) / 64, 0);
    for (const Draw& d : draws) {
        if (!window.window.contains(d.datum) || !window.filter.passes(d.datum))
            continue;
        const uint64_t mask = numberMask(d.zahlen.data(), 6);
        const int spare = d.zahlen[6];
        if (std::popcount(mask) != 6 || (m_withSpare && spare >= 1 && spare <= 40)) {
            m_oneByOne.push_back(
                {d.zahlen[0], d.zahlen[1], d.zahlen[2], d.zahlen[3], d.zahlen[4], d.zahlen[5], d.zahlen[6]});
            continue;
        }
        m_masks.push_back(mask);
        if (!lookups)
            continue;
        std::array<uint8_t, 6> c{};
        for (int n = 1, i = 0; n <= 40; ++n)
            if (mask >> n & 1)
                c[i++] = static_cast<uint8_t>(n - 1);
        anySubset(k, c, [this](uint32_t rank) {
            m_subsets[rank / 64] |= uint64_t{1} << (rank % 64);
            return false;
        });
    }
}

bool WindowIndex::anyReaches(const std::array<uint8_t, 6>& tip) const
{
    if (!m_masks.empty() && m_k <= 6) {
        std::array<uint8_t, 6> c{};
        if (m_k <= 0)
            return true; // every draw has at least no match
        // a few draws are scanned faster than C(6,k) lookups
        if (m_masks.size() > kBinom[6][m_k] && zeroBased(tip.data(), c)) {
            if (anySubset(m_k, c, [this](uint32_t rank) { return (m_subsets[rank / 64] >> (rank % 64) & 1) != 0; }))
                return true;
        } else {
            const uint64_t outside = ~numberMask(tip.data(), 6);
            for (uint64_t m : m_masks) {
                // at most 6 - k of the draw's six numbers outside the tip
                uint64_t y = m & outside;
                for (int i = m_k; i < 6 && y; ++i)
                    y &= y - 1;
                if (y == 0)
                    return true;
            }
        }
    }
    if (m_oneByOne.empty())
        return false;
    const uint64_t t = numberMask(tip.data(), 6);
    for (const auto& d : m_oneByOne) {
        int matches = 0;
        for (int i = 0; i < 6; ++i)
            matches += hasBit(t, d[i]);
        if (m_withSpare && hasBit(t, d[6]))
            ++matches;
        if (matches >= m_k)
            return true;
    }
    return false;
}

size_t WindowIndex::memoryBytes() const
{
    return sizeof(*this) + m_subsets.capacity() * sizeof(uint64_t) + m_masks.capacity() * sizeof(uint64_t) +
           m_oneByOne.capacity() * sizeof(m_oneByOne[0]);
}

std::shared_ptr<const WindowIndex> DrawIndex::window(const HistoryWindow& window, int k)
{
    const std::lock_guard lock(m_mutex);
    for (const Entry& e : m_entries)
        if (e.k == k && e.window == window)
            return e.index;
    if (m_entries.size() == kKeptWindows)
        m_entries.erase(m_entries.begin());
    m_entries.push_back({window, k, std::make_shared<const WindowIndex>(*m_draws, window, k)});
    return m_entries.back().index;
}

size_t DrawIndex::memoryBytes() const
{
    const std::lock_guard lock(m_mutex);
    size_t bytes = sizeof(*this);
    for (const Entry& e : m_entries)
        bytes += sizeof(e) + e.index->memoryBytes();
    return bytes;
}

} // namespace zf
