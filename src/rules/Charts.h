#pragma once

#include "data/Chart.h"

#include <cstdint>
#include <vector>

namespace zf {

class LottoZahlen;

// The statistics charts over the draws of the date window. Each one scans the
// draw file once, replaces the bars of Series2, sets the left axis and the
// bottom-axis title and calls chartChanged(). The number weighting reads the
// bars back by index, so their order and x values are fixed:
//   Numbers, Overdue, Quads 1..40 | Pairs 1..39 | Triples 1..38
//   DreamOverdue, Dream 1..5 | CrossSums smallest..largest sum | Primes, Odd, Even 0..6
enum class ChartKind { Numbers, Pairs, Triples, Quads, Overdue, DreamOverdue, Dream, CrossSums, Primes, Odd, Even };

void runChart(LottoZahlen& app, ChartKind kind);

// The handlers of the window, by the names the tip calculation calls them.
inline void SpeedButton2Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Numbers);
}
inline void Button2Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Pairs);
}
inline void Button3Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Triples);
}
inline void Button4Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Quads);
}
inline void Button5Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Overdue);
}
inline void Button8Click(LottoZahlen& app)
{
    runChart(app, ChartKind::DreamOverdue);
}
inline void SpeedButton3Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Dream);
}
inline void SpeedButton9Click(LottoZahlen& app)
{
    runChart(app, ChartKind::CrossSums);
}
inline void Button9Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Primes);
}
inline void Button10Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Odd);
}
inline void Button11Click(LottoZahlen& app)
{
    runChart(app, ChartKind::Even);
}

// Tip distribution: how many tips of the sheet hold each number 1..40.
void Button6Click(LottoZahlen& app);

// Number of primes among the six arguments (primes up to 47).
int primzahlen(uint8_t zahl1, uint8_t zahl2, uint8_t zahl3, uint8_t zahl4, uint8_t zahl5, uint8_t zahl6);
bool isPrime(int n);

// The range an automatically scaled left axis shows: from 0 (or a lower
// negative bar) to the largest bar, both widened outwards to a multiple of a
// step of 1, 2 or 5 times a power of ten that gives at most ten steps; an
// empty range becomes one step.
void autoScale(ChartData& chart);
// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least `atLeast`.
double niceStep(double atLeast);

} // namespace zf
