#pragma once

#include "data/Chart.h"
#include "data/Messages.h"
#include "rules/TipSearch.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zf {

// The back-test of the tip calculation: from the chosen day on, tips are
// calculated as if it were that day, checked against the next draw, and the
// day moves on to that draw, up to the last draw of the history. A control
// plays as many uniformly random tips against every draw.
struct BacktestInput {
    CalcInput calc;       // options, sheet, history, texts and run budget of the first pass
    double chosenDay = 0; // the day the analysis starts from
    double today = 0;
    uint32_t seed = 0;         // every calculation starts from it; the control is seeded from it
    bool onlyAfterWin = false; // recalculate only after a pass with a tip of three or more matches
};

// One match class of the control: the program's tips, the random tips and
// the count chance alone would give, with a 95 % interval for program minus random.
struct ControlRow {
    int program = 0;
    int random = 0;
    double expected = 0;
    double low = 0;
    double high = 0;
};

struct BacktestResult {
    // [g][0] tips with g matches without a spare-slot hit, [g][1] with one;
    // thursday for passes whose draw falls on a Thursday, other for the rest
    std::array<std::array<int, 2>, 7> thursday{};
    std::array<std::array<int, 2>, 7> other{};
    int passes = 0;
    int calculations = 0;
    std::array<ControlRow, 7> control{};
    bool stopped = false;
    std::optional<std::string> error;
    TipSheet sheet;     // the tips of the last pass, checked against its draw
    Random random;      // as the last calculation left it
    int lastDraw = -1;  // index of the draw the last pass checked against
    double lastDay = 0; // where the analysis ended
};

BacktestResult backtest(BacktestInput input, Progress& progress, const CancelFlag& cancel);

// The report: title, the table by match class, the number of passes, then
// one "control: ..." line per match class.
std::vector<std::string> backtestReport(const BacktestResult& r, const Messages& texts);

// Program, control and chance side by side per match class.
ChartData controlChart(const BacktestResult& r, const Messages& texts);

// The chance of g matches for one tip of six out of 40.
double matchOdds(int g);

// The draw-repeat analysis: every draw from the chosen day on is taken as a
// tip and compared with the earlier draws of the date window and with the
// three draws after it.
struct RepeatInput {
    DrawSnapshot draws;
    double chosenDay = 0;
    double windowStart = 0; // compared from here, except in the first pass
    WeekdayFilter filter;   // the steps to the following draws skip cleared weekdays
    int minimum = 6;        // a comparison with this many matches asks whether to go on
    // asked at each stop with the compared draw's day; false ends the analysis
    std::function<bool(double day)> goOn;
};

struct RepeatResult {
    // [0] matches with earlier draws, [1..3] with the first, second and third following draw
    std::array<std::array<int, 7>, 4> tables{};
    bool stopped = false;
    int lastTip = -1; // index of the draw the last pass took as its tip
    int current = -1; // index of the draw the analysis ended on
};

RepeatResult analyseRepeats(const RepeatInput& input, Progress& progress, const CancelFlag& cancel);

std::vector<std::string> repeatReport(const RepeatResult& r, const Messages& texts);

} // namespace zf
