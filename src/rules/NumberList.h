#pragma once

#include "data/Chart.h"
#include "rules/CandidateTest.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zf {

class LottoZahlen;

// The latest three draws up to DateTimePicker1's date, as the calculation compares with them.
struct ReferenceDraws {
    RefDraw r1{}, r2{}, r3{};
};

// Evaluates DateTimePicker1's date, steps back twice, and evaluates the date
// again, so the draw of the chosen date is the current draw afterwards.
ReferenceDraws fetchReferenceDraws(LottoZahlen& app);

// The calculation's number list: entries 0..E, each a number 1..42 or 0 for
// an empty entry. The search draws its candidates from it uniformly.
using NumberList = std::vector<uint8_t>;

// Round to the nearest integer, halves to even.
int roundEven(double x);

// Which bars of a chart lie inside a band, and what they append.
struct Band {
    int low = 0;
    int high = 0;
    bool lowIncluded = false; // low <= v, else low < v
    bool contains(double v) const { return (lowIncluded ? low <= v : low < v) && v <= high; }
};

// The groups of `size` neighbours starting at the bars inside the band.
void appendGroups(NumberList& list, const ChartData& chart, const Band& band, int size);
// Each number whose bar lies inside the band, `times` times.
void appendNumbers(NumberList& list, const ChartData& chart, const Band& band, int times);

// The preferences, the uniform base and the removals, with the empty entries dropped.
NumberList buildNumberList(LottoZahlen& app, const ReferenceDraws& ref);
// Moves the last entries into the empty ones until entries 0..E are all filled.
void dropEmptyEntries(NumberList& list);
// How often each number 0..42 occurs.
std::array<int, 43> countEntries(const NumberList& list);
// The number of different numbers in the list.
int distinctNumbers(const NumberList& list);

enum class ListMode { Ok, Retry, Abort };
// Shows the list's counts in the number selection dialog; Retry rebuilds the
// list from its ticks and weights. Throws Error for a weight that is not an integer.
ListMode editNumberList(LottoZahlen& app, NumberList& list);

} // namespace zf
