#pragma once

#include "data/Chart.h"
#include "data/DrawFile.h"
#include "data/Messages.h"
#include "data/NumberSelection.h"
#include "data/Options.h"
#include "rules/Charts.h"
#include "rules/Matching.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zf {

// The latest three draws up to a day, as the calculation compares with them:
// the draw found for the day, then two steps back past the weekdays whose box
// is clear.
struct ReferenceDraws {
    DrawNumbers r1{}, r2{}, r3{};
};
ReferenceDraws referenceDraws(const std::vector<Draw>& draws, double day, const WeekdayFilter& filter);

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

// What building the list needs besides the options: the charts it weighs by
// and where it tells what it is doing.
struct ListSources {
    std::function<const ChartData&(ChartKind)> chart;
    std::function<void(const std::string&)> status;
};

// The preferences, the uniform base and the removals, with the empty entries dropped.
NumberList buildNumberList(const Options& o, const Messages& texts, const ReferenceDraws& ref,
                           const ListSources& sources);
// Moves the last entries into the empty ones until entries 0..E are all filled.
void dropEmptyEntries(NumberList& list);
// How often each number 0..42 occurs.
std::array<int, 43> countEntries(const NumberList& list);
// The number of different numbers in the list.
int distinctNumbers(const NumberList& list);

enum class ListMode { Ok, Retry, Abort };
// Shows the list's counts in the number selection dialog; Retry rebuilds the
// list from its ticks and weights. Throws Error for a weight that is not an integer.
ListMode editNumberList(NumberSelection& form, NumberList& list,
                        const std::function<ModalResult(NumberSelection&)>& show);

} // namespace zf
