#include "rules/DrawLines.h"

#include "ground/Formats.h"

#include <algorithm>

namespace zf {

std::string shortWeekday(int day)
{
    static const char* const names[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return names[weekday(day)];
}

std::string drawLine(double datum, const DrawNumbers& zahl, const std::string& separator, const std::string& dreamLabel)
{
    const int day = toDay(datum);
    std::string line = shortWeekday(day) + " " + formatShortDate(day) + separator;
    for (int i = 1; i <= 6; ++i)
        line += "  " + std::to_string(zahl[i]);
    return line + dreamLabel + std::to_string(zahl[8]);
}

DrawNumbers numbersOf(const Draw& d)
{
    DrawNumbers z{};
    for (int k = 0; k < 8; ++k)
        z[k + 1] = d.zahlen[k];
    return z;
}

int drawIndexForDay(const std::vector<Draw>& draws, double day)
{
    if (draws.empty())
        return -1;
    int i = 0;
    while (i + 1 < static_cast<int>(draws.size()) && draws[i].datum < day)
        ++i;
    return i;
}

int stepIndex(const std::vector<Draw>& draws, int from, int dir, const WeekdayFilter& filter)
{
    const int last = static_cast<int>(draws.size()) - 1;
    if (last < 0)
        return -1;
    // stepping skips only the weekday whose box is clear; other days always pass
    auto passes = [&](int i) {
        if (i < 0 || i > last)
            return false;
        const double d = draws[i].datum;
        return !((!filter.thursday && isThursday(d)) || (!filter.monday && isMonday(d)));
    };
    const int start = std::clamp(from, 0, last);
    int i = std::clamp(from + dir, 0, last);
    while (i >= 0 && i <= last && !passes(i))
        i += dir;
    if (!passes(i)) {
        i = dir > 0 ? last : 0;
        while (i >= 0 && i <= last && !passes(i))
            i -= dir;
        if (!passes(i))
            i = start;
    }
    return i;
}

} // namespace zf
