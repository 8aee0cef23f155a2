#include "cli/Cli.h"
#include "ground/Formats.h"
#include "rules/DrawLines.h"
#include "session/DrawCommands.h"

namespace zf::cli {

CLI::App* declareStep(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("step", "evaluates a date, then steps through the history");
    sub->add_option("DIRECTION", "next or prev")->required()->check(CLI::IsMember({"next", "prev"}));
    sub->add_option("--date", "the draw's date (default today)")->type_name("DD.MM.YYYY");
    sub->add_option("--count", "the number of steps (default 1)")->type_name("N");
    return sub;
}

int cmdStep(Context& c)
{
    takeDateOption(c);
    const auto count = c.value("--count");
    const bool next = c.value("DIRECTION") == "next";
    const auto n = count ? tryToInt(*count) : 1;
    if (!n || *n < 0)
        throw UsageError{"--count takes a number of steps"};
    evaluateForDate(c.app);
    // the end of the history ends the stepping
    for (int i = 0; i < *n && (next ? stepForward(c.app) : stepBack(c.app)); ++i) {
    }
    printDrawLabels(c.app);
    return 0;
}

} // namespace zf::cli
