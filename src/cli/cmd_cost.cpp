#include "cli/Cli.h"
#include "session/PrintCommands.h"

#include <algorithm>
#include <array>
#include <iostream>

namespace zf::cli {

void takeJokerOption(Context& c)
{
    const auto list = c.value("--joker");
    if (!list)
        return;
    std::array<bool, 3> on{};
    size_t start = 0;
    while (start <= list->size() && !list->empty()) {
        const size_t comma = std::min(list->find(',', start), list->size());
        const std::string j = list->substr(start, comma - start);
        if (j != "1" && j != "2" && j != "3")
            throw UsageError{"--joker takes option boxes 1,2,3: " + *list};
        on[static_cast<size_t>(j[0] - '1')] = true;
        start = comma + 1;
    }
    c.app.options().setFlag(Opt::Joker1, on[0]);
    c.app.options().setFlag(Opt::Joker2, on[1]);
    c.app.options().setFlag(Opt::Joker3, on[2]);
}

void declareDaysOption(CLI::App& sub)
{
    sub.add_option("--days", "the played days (default: the weekday preset of today)")
        ->check(CLI::IsMember({"MI", "SA", "MI,SA", "SA,MI", "none"}))
        ->type_name("MI|SA|MI,SA|none");
}

void takeDaysOption(Context& c)
{
    if (const auto days = c.value("--days")) {
        c.app.form5.samstag = days->find("SA") != std::string::npos;
        c.app.form5.mittwoch = days->find("MI") != std::string::npos;
        updatePrintCost(c.app);
    }
}

CLI::App* declareCost(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("cost", "prints the cost of the sheet as the print dialog shows it");
    declareDaysOption(*sub);
    sub->add_option("--joker", "the option boxes that are on (default: the stored ones)")->type_name("1,2,3");
    return sub;
}

int cmdCost(Context& c)
{
    takeJokerOption(c);
    preparePrintDialog(c.app);
    takeDaysOption(c);
    std::cout << "cost: " << formatCost(c.app.form5.cost) << '\n';
    return 0;
}

} // namespace zf::cli
