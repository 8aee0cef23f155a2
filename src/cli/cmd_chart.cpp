#include "cli/Cli.h"
#include "ground/Formats.h"
#include "rules/Charts.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>

namespace zf::cli {

namespace {

// Integers without decimals, anything else with as many as it needs.
std::string plain(double v)
{
    if (v == std::floor(v) && std::fabs(v) < 1e15)
        return std::to_string(static_cast<long long>(v));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

} // namespace

int cmdChart(Context& c)
{
    static const std::map<std::string, void (*)(LottoZahlen&)> charts = {
        {"numbers", SpeedButton2Click}, {"pairs", Button2Click},           {"triples", Button3Click},
        {"quads", Button4Click},        {"overdue", Button5Click},         {"dream-overdue", Button8Click},
        {"dream", SpeedButton3Click},   {"cross-sums", SpeedButton9Click}, {"primes", Button9Click},
        {"odd", Button10Click},         {"even", Button11Click},           {"tips", Button6Click},
    };
    if (const auto date = c.take("--date")) {
        const int day = Context::date(*date);
        if (day < kFirstDrawDay)
            throw UsageError{"--date lies before the first draw on " + formatDate(kFirstDrawDay)};
        c.app.setDateTimePicker1(day);
    }
    if (c.args.empty())
        throw UsageError{"chart needs a NAME"};
    const auto chart = charts.find(c.args.front());
    if (chart == charts.end())
        throw UsageError{"unknown chart " + c.args.front()};
    c.args.erase(c.args.begin());
    c.done();

    chart->second(c.app);
    const ChartData& data = c.app.chart();
    for (const ChartBar& b : data.bars) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(b.colour));
        std::cout << plain(b.x) << ' ' << plain(b.y) << ' ' << colour << '\n';
    }
    std::cout << "axis: " << (data.axisFixed ? "fixed " : "auto ") << plain(data.axisMin) << ' ' << plain(data.axisMax)
              << '\n';
    std::cout << "title: " << data.title << '\n';
    return 0;
}

} // namespace zf::cli
