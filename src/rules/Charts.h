#pragma once

#include "data/Chart.h"
#include "data/DrawFile.h"
#include "data/Messages.h"
#include "data/TipSheet.h"
#include "rules/Matching.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zf {

// The statistics charts over the draws of the date window, and the tip
// distribution over the sheet. The number weighting reads the bars back by
// index, so their order and x values are fixed:
//   Numbers, Overdue, Quads, TipDistribution 1..40 | Pairs 1..39 | Triples 1..38
//   DreamOverdue, Dream 1..5 | CrossSums smallest..largest sum | Primes, Odd, Even 0..6
enum class ChartKind {
    Numbers,
    Pairs,
    Triples,
    Quads,
    Overdue,
    DreamOverdue,
    Dream,
    CrossSums,
    Primes,
    Odd,
    Even,
    TipDistribution
};

// The one table of charts: the command-line name, and whether running the
// chart brings the chart page to the front.
struct ChartInfo {
    ChartKind kind;
    std::string_view cliName;
    bool toFront;
};
inline constexpr ChartInfo kCharts[] = {
    {ChartKind::Numbers, "numbers", false}, {ChartKind::Pairs, "pairs", true},
    {ChartKind::Triples, "triples", true},  {ChartKind::Quads, "quads", true},
    {ChartKind::Overdue, "overdue", true},  {ChartKind::DreamOverdue, "dream-overdue", false},
    {ChartKind::Dream, "dream", false},     {ChartKind::CrossSums, "cross-sums", false},
    {ChartKind::Primes, "primes", true},    {ChartKind::Odd, "odd", true},
    {ChartKind::Even, "even", true},        {ChartKind::TipDistribution, "tips", true},
};
constexpr const ChartInfo& chartInfo(ChartKind kind)
{
    return kCharts[static_cast<int>(kind)];
}

// A history chart and what its count leaves behind for the window's fields.
struct ChartCount {
    ChartData chart;
    std::optional<double> start;                 // the window start, except for the dream distribution
    std::optional<double> end;                   // the window end, for the charts that keep it
    std::optional<DrawNumbers> lastDraw;         // the last counted draw, for the charts that leave it
    std::optional<std::array<int, 6>> lastGroup; // pairs, triples, quads: the last group matched
};

// Counts the draws inside the window from `start` to `end` that pass the
// weekday filter. Not for the tip distribution.
ChartCount computeChart(ChartKind kind, const std::vector<Draw>& draws, double start, double end,
                        const WeekdayFilter& filter, const Messages& texts);

// How many tips of the sheet hold each number 1..40.
ChartData tipDistribution(const TipSheet& sheet, const Messages& texts);

// Number of primes among the six numbers (primes up to 47).
int countPrimes(const uint8_t* six);
bool isPrime(int n);

// The range an automatically scaled left axis shows: from 0 (or a lower
// negative bar) to the largest bar, both widened outwards to a multiple of a
// step of 1, 2 or 5 times a power of ten that gives at most ten steps; an
// empty range becomes one step.
void autoScale(ChartData& chart);
// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least `atLeast`.
double niceStep(double atLeast);

} // namespace zf
