#include "rules/Charts.h"

#include "ground/Formats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zf {

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr std::array<int, 15> kPrimes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
// Counters are indexed by the value itself; stored bytes can reach 255, so a
// damaged record can never index past them.
constexpr int kMaxSum = 6 * 255;

enum class Axis { Fixed, Auto };

struct Member {
    bool closed;      // closed date window (start included)
    bool dreamStart;  // start not before the game's first draw
    bool storesDfb;   // keeps the window end in dfb
    bool workingDraw; // leaves the last counted draw in Zahl
    Axis axis;
    double smallestCap; // the fixed axis minimum is at most this
    bool primeColours;
    int firstX;
    int lastX;
};

constexpr double kNoCap = std::numeric_limits<double>::infinity();

// Indexed by ChartKind.
constexpr Member kMembers[] = {
    /* Numbers      */ {true, false, true, false, Axis::Fixed, kNoCap, true, 1, 40},
    /* Pairs        */ {false, false, false, true, Axis::Fixed, kNoCap, false, 1, 39},
    /* Triples      */ {false, false, true, true, Axis::Fixed, kNoCap, false, 1, 38},
    /* Quads        */ {false, false, true, true, Axis::Auto, kNoCap, false, 1, 40},
    /* Overdue      */ {false, false, true, false, Axis::Fixed, kNoCap, true, 1, 40},
    /* DreamOverdue */ {false, true, false, false, Axis::Fixed, 5, false, 1, 5},
    /* Dream        */ {true, true, false, false, Axis::Fixed, kNoCap, false, 1, 5},
    /* CrossSums    */ {false, false, true, false, Axis::Auto, kNoCap, false, 0, -1},
    /* Primes       */ {false, false, false, true, Axis::Fixed, kNoCap, false, 0, 6},
    /* Odd          */ {false, false, false, true, Axis::Fixed, kNoCap, false, 0, 6},
    /* Even         */ {false, false, false, true, Axis::Fixed, kNoCap, false, 0, 6},
};

struct Tally {
    std::array<int, kMaxSum + 1> counter{};
    int d = 0; // draws counted
    long long sumOfSums = 0;
    int lowSum = kMaxSum + 1;
    int highSum = -1;
    std::optional<Draw> last;
};

struct Group {
    int size = 0;      // 0: not a group chart
    int lastStart = 0; // groups start at 1..lastStart
};

Group groupOf(ChartKind kind)
{
    switch (kind) {
    case ChartKind::Pairs:
        return {2, 39};
    case ChartKind::Triples:
        return {3, 38};
    case ChartKind::Quads:
        return {4, 38};
    default:
        return {};
    }
}

// The Gewinn that Zettelcheck gives for the numbers x .. x+size-1 and "0" for
// the other arguments; have[v] = how many of the draw's six slots hold v.
int groupGewinn(const std::array<int, 256>& have, int x, int size)
{
    int gewinn = (6 - size) * have[0];
    for (int k = 0; k < size; ++k)
        gewinn += have[x + k];
    return gewinn;
}

void count(ChartKind kind, const Draw& d, Tally& t)
{
    const auto& z = d.zahlen;
    const int sum = z[0] + z[1] + z[2] + z[3] + z[4] + z[5];
    ++t.d;
    t.sumOfSums += sum;
    t.last = d;
    switch (kind) {
    case ChartKind::Numbers:
        for (int i = 0; i < 7; ++i) // the spare slot too; it normally holds 0
            ++t.counter[z[i]];
        break;
    case ChartKind::Pairs:
    case ChartKind::Triples:
    case ChartKind::Quads: {
        // Zettelcheck once per start would cost 39 calls per draw; counting
        // the drawn values once gives the same Gewinn.
        const Group g = groupOf(kind);
        std::array<int, 256> have{};
        for (int i = 0; i < 6; ++i)
            ++have[z[i]];
        for (int x = 1; x <= g.lastStart; ++x)
            if (groupGewinn(have, x, g.size) == g.size)
                ++t.counter[x];
        break;
    }
    case ChartKind::Overdue:
        for (int x = 1; x <= 40; ++x)
            ++t.counter[x];
        for (int i = 0; i < 6; ++i)
            t.counter[z[i]] = 1;
        break;
    case ChartKind::DreamOverdue:
        for (int x = 1; x <= 5; ++x)
            ++t.counter[x];
        t.counter[z[7]] = 1;
        break;
    case ChartKind::Dream:
        ++t.counter[z[7]];
        break;
    case ChartKind::CrossSums:
        ++t.counter[sum];
        t.lowSum = std::min(t.lowSum, sum);
        t.highSum = std::max(t.highSum, sum);
        break;
    case ChartKind::Primes:
        ++t.counter[countPrimes(z.data())];
        break;
    case ChartKind::Odd:
    case ChartKind::Even: {
        int odd = 0;
        for (int i = 0; i < 6; ++i)
            odd += z[i] % 2;
        ++t.counter[kind == ChartKind::Odd ? odd : 6 - odd];
        break;
    }
    case ChartKind::TipDistribution: // counts the sheet, not draws
        break;
    }
}

// Nearest integer, halves to even (the default rounding mode).
long long roundEven(double v)
{
    return std::llrint(v);
}

std::string title(const Messages& texts, ChartKind kind, const Tally& t, const ChartData& chart)
{
    auto m = [&](Msg i) { return texts[i]; };
    const std::string d = std::to_string(t.d);
    // With no draw in the window the averages are shown as 0.
    const std::string a = std::to_string(t.d ? roundEven(static_cast<double>(t.sumOfSums) / t.d) : 0);
    double n = 0;
    double weighted = 0;
    for (const ChartBar& b : chart.bars) {
        n += b.y;
        weighted += b.x * b.y;
    }
    const std::string p = std::to_string(t.d ? roundEven(100 * weighted / (6.0 * t.d)) : 0);
    auto groups = [&](Msg name) {
        return m(Msg::Draws) + ": " + d + "     " + m(name) + " " + m(Msg::Found) + " : " +
               std::to_string(roundEven(n));
    };
    switch (kind) {
    case ChartKind::Numbers:
        return m(Msg::NumbersTitle) + "     " + m(Msg::Draws) + ": " + d + "    " + m(Msg::AverageCrossSum) + ": " + a;
    case ChartKind::Pairs:
        return groups(Msg::Pairs);
    case ChartKind::Triples:
        return groups(Msg::Triples);
    case ChartKind::Quads:
        return groups(Msg::Quads);
    case ChartKind::Overdue:
        return m(Msg::OverdueTitle);
    case ChartKind::DreamOverdue:
        return m(Msg::DreamOverdueTitle);
    case ChartKind::Dream:
        return m(Msg::DreamTitle);
    case ChartKind::CrossSums:
        return m(Msg::CrossSumsTitle) + "     " + m(Msg::Draws) + ": " + d + "    " + m(Msg::Average) + ": " + a;
    case ChartKind::Primes:
        return m(Msg::PrimesIn) + " " + d + " " + m(Msg::Draws) + ". " + p + "% " + m(Msg::PrimesShare) + ".";
    case ChartKind::Odd:
        return m(Msg::OddIn) + " " + d + " " + m(Msg::Draws) + ".  " + p + "% " + m(Msg::OddShare) + ".";
    case ChartKind::Even:
        return m(Msg::EvenIn) + " " + d + " " + m(Msg::Draws) + ".  " + p + "% " + m(Msg::EvenShare) + ".";
    case ChartKind::TipDistribution:
        return m(Msg::TipDistributionTitle);
    }
    return {};
}

ChartData startBars()
{
    ChartData c;
    c.series1Visible = false;
    c.series2Visible = true;
    c.marksVisible = true;
    return c;
}

void addBar(ChartData& c, int x, int y, bool primeColours)
{
    const uint32_t colour = primeColours && isPrime(x) ? kRed : ChartBar::kSeriesColour;
    c.bars.push_back({static_cast<double>(x), static_cast<double>(y), colour});
}

// The fixed axis: from the smallest to the largest bar value. The window sets
// the minimum low first only to keep minimum <= maximum while it changes them.
void fixAxis(ChartData& c, double smallestCap)
{
    double lo = smallestCap;
    double hi = 0;
    for (const ChartBar& b : c.bars) {
        lo = std::min(lo, b.y);
        hi = std::max(hi, b.y);
    }
    c.axisFixed = true;
    c.axisMin = c.bars.empty() ? 0 : lo;
    c.axisMax = hi;
}

} // namespace

bool isPrime(int n)
{
    return std::find(kPrimes.begin(), kPrimes.end(), n) != kPrimes.end();
}

int countPrimes(const uint8_t* six)
{
    int n = 0;
    for (int i = 0; i < 6; ++i)
        n += isPrime(six[i]);
    return n;
}

double niceStep(double atLeast)
{
    static constexpr double kFactor[] = {2, 2.5, 2};
    double step = 1;
    for (int i = 0; step < atLeast; ++i)
        step *= kFactor[i % 3];
    return step;
}

void autoScale(ChartData& chart)
{
    double lo = 0;
    double hi = 0;
    for (const ChartBar& b : chart.bars) {
        lo = std::min(lo, b.y);
        hi = std::max(hi, b.y);
    }
    const double step = niceStep((hi - lo) / 10);
    chart.axisFixed = false;
    chart.axisMin = std::floor(lo / step) * step;
    chart.axisMax = std::ceil(hi / step) * step;
    if (chart.axisMax == chart.axisMin)
        chart.axisMax += step;
}

ChartCount computeChart(ChartKind kind, const std::vector<Draw>& draws, double start, double end,
                        const WeekdayFilter& filter, const Messages& texts)
{
    const Member& m = kMembers[static_cast<int>(kind)];
    if (m.dreamStart)
        start = std::max(start, static_cast<double>(kFirstDrawDay));
    const DateWindow window{start, end, m.closed};
    // The dream-number distribution never counts a draw on another weekday.
    auto passes = [&](double datum) {
        if (kind != ChartKind::Dream)
            return filter.passes(datum);
        return (filter.thursday && isThursday(datum)) || (filter.monday && isMonday(datum));
    };

    Tally t;
    if (kind == ChartKind::Overdue)
        std::fill(t.counter.begin() + 1, t.counter.begin() + 41, 1);
    for (const Draw& d : draws)
        if (window.contains(d.datum) && passes(d.datum))
            count(kind, d, t);

    ChartCount result;
    if (kind != ChartKind::Dream)
        result.start = start;
    if (m.storesDfb)
        result.end = end;
    if (m.workingDraw && t.last) {
        DrawNumbers z{};
        for (int i = 0; i < 8; ++i)
            z[i + 1] = t.last->zahlen[i];
        result.lastDraw = z;
        // the group charts leave the tip match as their last group's check
        if (const Group g = groupOf(kind); g.size) {
            std::array<int, 6> numbers{};
            for (int k = 0; k < g.size; ++k)
                numbers[k] = g.lastStart + k;
            result.lastGroup = numbers;
        }
    }

    ChartData& c = result.chart = startBars();
    const int firstX = kind == ChartKind::CrossSums ? t.lowSum : m.firstX;
    const int lastX = kind == ChartKind::CrossSums ? t.highSum : m.lastX;
    for (int x = firstX; x <= lastX; ++x)
        addBar(c, x, t.counter[x], m.primeColours);
    if (m.axis == Axis::Fixed)
        fixAxis(c, m.smallestCap);
    else
        autoScale(c);
    c.title = title(texts, kind, t, c);
    return result;
}

ChartData tipDistribution(const TipSheet& sheet, const Messages& texts)
{
    std::array<int, 41> counter{};
    // Counting stops silently at the first cell without an integer; values
    // outside 0..40 have no counter and are passed over.
    auto countCell = [&](int row, int col) {
        const auto n = tryToInt(sheet.cell(row, col));
        if (n && *n >= 0 && *n <= 40)
            ++counter[*n];
        return n.has_value();
    };
    // Tips 1 to 12 row by row, then tips 13 and 14 cell by cell alternately.
    [&] {
        for (int row = 0; row < 12; ++row)
            for (int col = 0; col < TipSheet::kCols; ++col)
                if (!countCell(row, col))
                    return;
        for (int col = 0; col < TipSheet::kCols; ++col)
            for (int row = 12; row < 14; ++row)
                if (!countCell(row, col))
                    return;
    }();

    ChartData c = startBars();
    for (int x = 1; x <= 40; ++x)
        addBar(c, x, counter[x], true);
    fixAxis(c, kNoCap);
    c.title = texts[Msg::TipDistributionTitle];
    return c;
}

} // namespace zf
