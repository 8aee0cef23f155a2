#pragma once

#include "data/DrawFile.h"

#include <string>
#include <vector>

namespace zf {

// Changes to the history as whole lists, so every writer keeps the date order
// the readers rely on.

// Sorts the six numbers ascending, as the entry dialog stores them.
Draw withSortedNumbers(Draw draw);

// Every record of the new draw's date is replaced; the new draw goes just
// before the first record dated after it, so a history in date order stays in
// date order and no other draw is touched.
std::vector<Draw> withDrawEntered(const std::vector<Draw>& draws, const Draw& draw);

// Without every record of the day.
std::vector<Draw> withoutDay(const std::vector<Draw>& draws, int day);

// The calendar check: draws are held on Mondays and Thursdays from 06.11.2023.
struct CalendarFinding {
    enum class Kind { Missing, Twice, Order, Weekday, Damaged };
    Kind kind;
    int day;
    std::string damage = {}; // what makes a damaged record unusable

    bool operator==(const CalendarFinding&) const = default;
};
// Missing draw dates between the earliest and the latest stored draw, dates
// stored more than once, records dated before the record in front of them and
// draws on other weekdays; each kind in ascending dates ("order" in file order).
// Damaged records come last, in file order, and count for nothing else.
std::vector<CalendarFinding> checkCalendar(const std::vector<Draw>& draws);
// "missing", "twice", "order", "weekday", "damaged"
const char* findingName(CalendarFinding::Kind kind);

} // namespace zf
