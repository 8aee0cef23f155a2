#include "cli/Cli.h"

#include "ground/Formats.h"
#include "session/AnalysisCommands.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareRepeats(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("repeats", "the draw-repeat analysis from a date");
    sub->add_option("--from", "the first day (DateTimePicker1)")->type_name("DD.MM.YYYY")->required();
    sub->add_option("--min", "matches that stop and ask whether to go on (default 6)")->type_name("M");
    return sub;
}

int cmdRepeats(Context& c)
{
    Session& app = c.app;
    app.setEndDay(Context::date(*c.value("--from")));
    std::optional<int> minimum = 6;
    if (const auto m = c.value("--min")) {
        minimum = tryToInt(*m);
        if (!minimum)
            throw UsageError{"--min takes a number: " + *m};
    }
    TerminalProgress progress;
    const CancelFlag cancel{false};
    const auto result = runRepeats(app, minimum, progress, cancel);
    progress.done();
    if (!result)
        return 1;
    if (result->stopped)
        return 0; // answered No: no report
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 7; ++g)
            std::cout << 'T' << t << ' ' << g << ": " << result->tables[t][g] << '\n';
    return 0;
}

} // namespace zf::cli
