#include "cli/Cli.h"
#include "ground/Formats.h"
#include "rules/Charts.h"
#include "session/DrawCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <vector>

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

std::vector<std::string> chartNames()
{
    std::vector<std::string> names;
    for (const ChartInfo& i : kCharts)
        names.emplace_back(i.cliName);
    return names;
}

} // namespace

CLI::App* declareChart(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("chart", "runs one chart and prints its bars, axis and title");
    sub->add_option("NAME", "the chart")->required()->check(CLI::IsMember(chartNames()));
    sub->add_option("--date", "the end of the date window (default today)")->type_name("DD.MM.YYYY");
    return sub;
}

int cmdChart(Context& c)
{
    takeDateOption(c);
    const std::string name = *c.value("NAME"); // the parser checked the name
    const auto chart =
        std::find_if(std::begin(kCharts), std::end(kCharts), [&](const ChartInfo& i) { return i.cliName == name; });
    showChart(c.app, chart->kind);
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
