#pragma once

#include "data/DrawFile.h"
#include "rules/Matching.h"

#include <string>
#include <vector>

namespace zf {

// "Do" for a Thursday: German short names, so every machine prints the same line.
std::string shortWeekday(int day);
// "Do 09.11.23" + separator + "  n" for each number + dreamLabel + dream number
std::string drawLine(double datum, const DrawNumbers& zahl, const std::string& separator,
                     const std::string& dreamLabel);
DrawNumbers numbersOf(const Draw& d);

// The first draw on or after the day, or the last draw; -1 without draws.
int drawIndexForDay(const std::vector<Draw>& draws, double day);

// The draw one step from `from` in direction dir (+1 or -1) that is not on a
// weekday whose box is clear. When none is left that way, the nearest passing one from
// that end; when none passes at all, `from` itself. Always ends.
int stepIndex(const std::vector<Draw>& draws, int from, int dir, const WeekdayFilter& filter);

} // namespace zf
