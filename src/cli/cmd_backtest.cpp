#include "cli/Cli.h"

#include "ground/Formats.h"
#include "session/AnalysisCommands.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareBacktest(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("backtest", "the parameter analysis: back-test of the calculation from a date");
    sub->add_option("--from", "the first day (DateTimePicker1)")->type_name("DD.MM.YYYY")->required();
    sub->add_option("--seed", "the seed every calculation starts from")->type_name("N")->required();
    sub->add_flag("--only-after-win")->description("recalculates only after a pass with a tip of three matches");
    return sub;
}

int cmdBacktest(Context& c)
{
    Session& app = c.app;
    app.setEndDay(Context::date(*c.value("--from")));
    const auto seed = tryToInt(*c.value("--seed"));
    if (!seed)
        throw UsageError{"--seed takes a number: " + *c.value("--seed")};
    if (c.flag("--only-after-win"))
        app.options().setFlag(index(Opt::CheckBox31), true);
    TerminalProgress progress;
    const CancelFlag cancel{false};
    const auto lines = runBacktest(app, *seed, progress, cancel);
    progress.done();
    if (!lines)
        return 1;
    for (const std::string& l : *lines)
        std::cout << l << '\n';
    return 0;
}

} // namespace zf::cli
