#include "cli/Cli.h"
#include "session/DrawCommands.h"
#include "session/TipFileCommands.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareListing(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("listing", "writes Tipp.txt for the draw after a date's draw and prints it");
    sub->add_option("--date", "the draw's date (default today)")->type_name("DD.MM.YYYY");
    return sub;
}

int cmdListing(Context& c)
{
    takeDateOption(c);
    evaluateForDate(c.app);
    for (const std::string& line : writeTipListing(c.app))
        std::cout << line << '\n';
    return 0;
}

} // namespace zf::cli
