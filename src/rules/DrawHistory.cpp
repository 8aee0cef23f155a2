#include "rules/DrawHistory.h"

#include "ground/Formats.h"

#include <algorithm>
#include <map>

namespace zf {

Draw withSortedNumbers(Draw d)
{
    std::sort(d.zahlen.begin(), d.zahlen.begin() + 6);
    return d;
}

std::vector<Draw> withDrawEntered(const std::vector<Draw>& draws, const Draw& draw)
{
    const int day = toDay(draw.datum);
    std::vector<Draw> out;
    out.reserve(draws.size() + 1);
    bool placed = false;
    for (const Draw& d : draws) {
        const int at = toDay(d.datum);
        if (!placed && at >= day) {
            out.push_back(draw);
            placed = true;
        }
        if (at != day)
            out.push_back(d);
    }
    if (!placed)
        out.push_back(draw);
    return out;
}

std::vector<Draw> withoutDay(const std::vector<Draw>& draws, int day)
{
    std::vector<Draw> out;
    out.reserve(draws.size());
    for (const Draw& d : draws)
        if (toDay(d.datum) != day)
            out.push_back(d);
    return out;
}

std::vector<CalendarFinding> checkCalendar(const std::vector<Draw>& draws)
{
    using K = CalendarFinding::Kind;
    std::vector<CalendarFinding> missing, twice, order, other, damaged;
    std::map<int, int> count;
    const Draw* previous = nullptr;
    for (const Draw& d : draws) {
        const int day = toDay(d.datum);
        if (const auto damage = drawDamage(d)) {
            damaged.push_back({K::Damaged, day, *damage});
            continue;
        }
        ++count[day];
        if (previous && d.datum < previous->datum)
            order.push_back({K::Order, day});
        previous = &d;
    }
    if (count.empty())
        return damaged;
    for (const auto& [day, n] : count) {
        if (n > 1)
            twice.push_back({K::Twice, day});
        if (!isMonday(day) && !isThursday(day))
            other.push_back({K::Weekday, day});
    }
    const int last = count.rbegin()->first;
    int day = std::max(count.begin()->first, kFirstDrawDay);
    // the first draw date on or after the earliest stored one
    while (!isMonday(day) && !isThursday(day))
        ++day;
    for (; day <= last; day += isMonday(day) ? 3 : 4)
        if (!count.count(day))
            missing.push_back({K::Missing, day});
    std::vector<CalendarFinding> all = std::move(missing);
    for (auto* part : {&twice, &order, &other, &damaged})
        all.insert(all.end(), part->begin(), part->end());
    return all;
}

const char* findingName(CalendarFinding::Kind kind)
{
    switch (kind) {
    case CalendarFinding::Kind::Missing:
        return "missing";
    case CalendarFinding::Kind::Twice:
        return "twice";
    case CalendarFinding::Kind::Order:
        return "order";
    case CalendarFinding::Kind::Weekday:
        return "weekday";
    case CalendarFinding::Kind::Damaged:
        break;
    }
    return "damaged";
}

} // namespace zf
