#include "cli/Cli.h"

#include "session/DrawMaintenance.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareCheck(CLI::App& cli)
{
    return cli.add_subcommand("check", "lists missing, doubled, misordered and off-weekday draw dates");
}

int cmdCheck(Context& c)
{
    const auto lines = findingLines(checkDrawCalendar(c.app));
    for (const std::string& line : lines)
        std::cout << line << '\n';
    return lines.empty() ? 0 : 1;
}

} // namespace zf::cli
