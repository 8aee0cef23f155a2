#include "cli/Cli.h"

#include "ground/Formats.h"
#include "platform/QtSettingsStore.h"
#include "session/Calculation.h"
#include "session/Settings.h"

#include <iostream>
#include <sstream>

namespace zf::cli {

CLI::App* declareCalc(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("calc", "runs the tip calculation as \"Tipps berechnen\" does");
    sub->add_option("--date", "sets DateTimePicker1 (default today)")->type_name("DD.MM.YYYY");
    sub->add_option("--seed", "seeds the random generator (default: from the clock)")->type_name("N");
    sub->add_option("--lock", "locks these rows (1..14)")->type_name("K,K,...");
    sub->add_flag("--show-list")->description("first prints the number list the search drew from");
    sub->add_flag("--save")->description("writes the sheet and the options into the --settings file");
    return sub;
}

int cmdCalc(Context& c)
{
    Session& app = c.app;
    const auto seed = c.value("--seed");
    const auto lock = c.value("--lock");
    const bool showList = c.flag("--show-list");
    const bool save = c.flag("--save");
    if (save && !c.settingsFile)
        throw UsageError{"--save needs --settings FILE"};
    takeDateOption(c);
    if (seed) {
        const auto n = tryToInt(*seed);
        if (!n || *n < 0)
            throw UsageError{"--seed takes a number: " + *seed};
        app.random().setSeed(static_cast<uint64_t>(*n));
    }
    if (lock) {
        if (lock->empty())
            throw UsageError{"--lock takes rows 1..14"};
        std::istringstream in(*lock);
        std::string part;
        while (std::getline(in, part, ',')) {
            const auto row = tryToInt(part);
            if (!row || *row < 1 || *row > TipSheet::kRows)
                throw UsageError{"--lock takes rows 1..14: " + *lock};
            app.sheet().setLocked(*row - 1, true);
        }
    }

    TerminalProgress progress;
    const CancelFlag cancel{false};
    const CalcOutcome outcome = runCalculation(app, progress, cancel);
    progress.done();

    if (showList) {
        std::cout << "list:";
        for (uint8_t e : app.calc.numberList)
            std::cout << ' ' << int{e};
        std::cout << '\n';
    }
    const TipSheet& s = app.sheet();
    for (int r = 0; r < TipSheet::kRows; ++r) {
        std::cout << "row " << r + 1 << ": ";
        for (int col = 0; col < TipSheet::kCols; ++col)
            std::cout << s.cell(r, col) << ',';
        std::cout << s.dream(r) << '\n';
    }
    std::cout << "status: " << app.calc.status << '\n' << "runs: " << app.calc.runs << '\n';
    if (save) {
        // into the file even when it did not exist yet
        QtSettingsStore store(QString::fromStdString(*c.settingsFile));
        saveSettings(app, store, true);
        store.flush();
    }
    return outcome == CalcOutcome::Failed ? 1 : 0;
}

} // namespace zf::cli
