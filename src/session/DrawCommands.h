#pragma once

#include "rules/Charts.h"

#include <functional>

namespace zf {

class Session;

// Writes the current draw into Label29, Label13 and Label35.
void showDraw(Session& s, const std::string& separator, const std::string& dreamLabel);

// Evaluation for a date: the first draw on or after DateTimePicker1's date
// (or the last draw) becomes the current draw and is shown, the picker moves
// to it and the tips are checked. Returns the check's best count, 0 when no
// check ran. A missing draw file is created empty after telling the user.
int evaluateForDate(Session& s);

// Next and previous draw past the weekdays whose box is clear: make it
// current, move DateTimePicker1 to it and check the tips.
// Each returns false when it stayed where it was: no draw lay in that direction.
bool stepForward(Session& s);
bool stepBack(Session& s);

// Runs a chart over the date window (or the tip distribution) and shows it.
void showChart(Session& s, ChartKind kind);

// Called at each stop before the question: draw date, row (0-based), matches.
using TipStop = std::function<void(double datum, int row, int gewinn)>;
// Scores every tip against each draw of the closed date window and stops
// where a tip reaches `minimum` matches; the user decides whether to go on.
void searchTipsInDb(Session& s, int minimum, const TipStop& onStop = {});
// Asks for the minimum of matches, then searches.
void askAndSearchTipsInDb(Session& s);

} // namespace zf
