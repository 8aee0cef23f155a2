#pragma once

#include "data/DrawCache.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zf {

class LottoZahlen;

// A tip as six numbers; 0 marks an empty position.
using Tip = std::array<uint8_t, 6>;
// A draw as Zahl[1..8] holds it (index 0 unused).
using RefDraw = std::array<int, 9>;

// The test every candidate tip passes before it may become a row: the
// conditions of the calculation pages in a fixed order, the first failing one
// rejects. Options are read afresh on every call, so changes made while the
// search runs apply to the next candidate.
class CandidateTest {
public:
    explicit CandidateTest(LottoZahlen& app);

    void setReferenceDraws(const RefDraw& r1, const RefDraw& r2, const RefDraw& r3);
    // The rows the sheet received so far in this calculation.
    void clearAccepted() { m_accepted.clear(); }
    void addAccepted(const Tip& row);
    int acceptedCount() const { return static_cast<int>(m_accepted.size()); }

    // t sorted ascending, six different numbers 1..40; s their sum.
    // Throws IoError when a history test cannot read the draw file.
    bool test(const Tip& t, int s);

    // True when no draw of the last ziehzahl draws' span (before
    // DateTimePicker1's date) has gewinner or more matches with the tip.
    bool dreierodervierer(const Tip& t, int mitZusatz, int gewinner, int ziehzahl);
    // True when no draw of the open date window has UpDown6's position or more
    // matches with the tip.
    bool Secheroderfuenfer(const Tip& t);

    // Reads the draw file's size and time again at the next history test.
    void checkFileNextTime() { m_checkFile = true; }

private:
    // The draws of one history window, kept until the window or the file changes.
    struct Selection {
        double start = 0, end = 0;
        bool thursday = false, monday = false, zusatz = false, valid = false;
        uint64_t version = 0;
        std::vector<uint64_t> masks;    // six different numbers: matches = common bits
        std::vector<CachedDraw> others; // counted one by one
    };
    bool noneReaches(Selection& sel, double start, double end, const Tip& t, int threshold);
    void clearChart();
    int overlap(const RefDraw& r, const Tip& t, int z) const;

    LottoZahlen& m_app;
    DrawCache& m_cache;
    std::vector<std::array<uint8_t, 41>> m_accepted; // per row: count of each number
    RefDraw m_r[3]{};
    Selection m_recent[2];
    int m_nextSlot = 0;
    Selection m_window;
    bool m_checkFile = true;

    int cb3, cb24, cb27, cb8, cb18, ud1, ud2, ud3, ud9, cb4, ud4, cb5, ud5, cb23, ud11, cb25, ud15, cb26, ud16, cb28,
        ud17, ud18, cb34, ud20, ud21, cb9, ud6, cb22, ud10, cb35, dtp2;
};

} // namespace zf
