#include "cli/Cli.h"
#include "ground/Formats.h"
#include "session/DrawCommands.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareSearchDb(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("search-db", "looks the sheet's tips up in every draw of the date window");
    sub->add_option("--date", "the end of the date window (default today)")->type_name("DD.MM.YYYY");
    sub->add_option("--min", "stops at draws with at least M matches (default 6)")->type_name("M");
    return sub;
}

int cmdSearchDb(Context& c)
{
    takeDateOption(c);
    const auto min = c.value("--min");
    const auto minimum = min ? tryToInt(*min) : 6;
    if (!minimum || *minimum < 1 || *minimum > 6)
        throw UsageError{"--min takes a number of matches 1..6: " + *min};
    searchTipsInDb(c.app, *minimum, [](double datum, int row, int gewinn) {
        std::cout << "stop: " << formatDate(toDay(datum)) << " row " << row + 1 << " matches " << gewinn << std::endl;
    });
    printSheet(c.app);
    return 0;
}

} // namespace zf::cli
