#pragma once

#include <functional>

namespace zf {

class LottoZahlen;

// Evaluation for a date: the first draw on or after DateTimePicker1's date
// (or the last draw) becomes the current draw and is shown, the picker moves
// to it and the tips are checked. Returns Komplettcheck's best count, 0 when
// no check ran. A missing draw file is created empty after telling the user.
int SpeedButton5Click(LottoZahlen& app);

// Tip search in the database: asks for the minimum of matches, then runs tipSearch.
void SpeedButton4Click(LottoZahlen& app);

// Called at each stop before the question: draw date, row (0-based), matches.
using TipStop = std::function<void(double datum, int row, int gewinn)>;
// Scores every tip against each draw of the closed date window and stops
// where a tip reaches `minimum` matches; the user decides whether to go on.
void tipSearch(LottoZahlen& app, int minimum, const TipStop& onStop = {});

} // namespace zf
