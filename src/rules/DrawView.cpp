#include "rules/DrawView.h"

#include "ground/Formats.h"
#include "rules/Matching.h"
#include "session/LottoZahlen.h"

#include <algorithm>

namespace zf {

std::string shortWeekday(int day)
{
    static const char* const names[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    return names[weekday(day)];
}

std::string drawLine(double datum, const std::array<int, 9>& zahl, const std::string& separator,
                     const std::string& dreamLabel)
{
    const int day = toDay(datum);
    std::string line = shortWeekday(day) + " " + formatShortDate(day) + separator;
    for (int i = 1; i <= 6; ++i)
        line += "  " + std::to_string(zahl[i]);
    return line + dreamLabel + std::to_string(zahl[8]);
}

void showDraw(LottoZahlen& app, const std::string& separator, const std::string& dreamLabel)
{
    const auto& z = app.current.zahl;
    DrawLabels& l = app.drawLabels;
    l.label29 = drawLine(app.current.datum1, z, separator, dreamLabel);
    l.label13 = "QS: " + std::to_string(z[1] + z[2] + z[3] + z[4] + z[5] + z[6]);
    l.label35 = l.label29;
    l.notify();
}

namespace {

// The navigation skips a Thursday draw while "Donnerstag Ziehungen" is clear
// and a Monday draw while "Montag Ziehungen" is clear.
bool skipped(const LottoZahlen& app, double datum)
{
    return (!app.options().flag("CheckBox16") && isThursday(datum)) ||
           (!app.options().flag("CheckBox17") && isMonday(datum));
}

// Moves by one draw in direction dir (+1 or -1) to the next draw that is not
// skipped. When none is left that way, the nearest one from that end of the
// file is taken; when none passes at all, the draw the step started from.
// Bounded by the file, so a step always ends.
void step(LottoZahlen& app, int dir)
{
    const std::vector<Draw> draws = app.drawFile().readAll();
    app.aktDatum = app.dateTimePicker2();
    if (draws.empty())
        return;
    const int last = static_cast<int>(draws.size()) - 1;
    const int from = std::clamp(app.current.position, 0, last);
    auto passes = [&](int i) { return i >= 0 && i <= last && !skipped(app, draws[i].datum); };

    int i = std::clamp(app.current.position + dir, 0, last);
    while (i >= 0 && i <= last && !passes(i))
        i += dir;
    if (!passes(i)) {
        i = dir > 0 ? last : 0;
        while (i >= 0 && i <= last && !passes(i))
            i -= dir;
        if (!passes(i))
            i = from;
    }

    CurrentDraw& c = app.current;
    c.datum1 = draws[i].datum;
    for (int k = 0; k < 8; ++k)
        c.zahl[k + 1] = draws[i].zahlen[k];
    c.position = i;
    showDraw(app, "  ", "     DREAM:");
    app.setDateTimePicker1(c.datum1);
    Komplettcheck(app);
}

} // namespace

void SpeedButton7Click(LottoZahlen& app)
{
    step(app, +1);
}
void SpeedButton6Click(LottoZahlen& app)
{
    step(app, -1);
}

} // namespace zf
