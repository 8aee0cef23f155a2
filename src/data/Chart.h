#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zf {

// The chart's content as data: the bar series Series2 (Series1 exists and is
// normally switched off), the left axis and the bottom-axis title. Chart
// operations write it; the window draws it; the tip calculation reads it back.
struct ChartBar {
    double x = 0;
    double y = 0;
    uint32_t colour = kSeriesColour; // RGB

    static constexpr uint32_t kSeriesColour = 0x008000;
};

struct ChartData {
    std::vector<ChartBar> bars; // Series2
    bool series1Visible = false;
    bool series2Visible = true;
    bool marksVisible = false; // value marks above the bars
    bool axisFixed = false;    // false: automatic scaling, computed by the core
    double axisMin = 0;
    double axisMax = 0;
    std::string title; // bottom axis
    // Grouped bars: the names of the bars of one group, which follow one
    // another in `bars` and share their x; empty: one bar per x.
    std::vector<std::string> groups;
};

} // namespace zf
