#include "cli/Cli.h"

#include "ground/Formats.h"
#include "platform/QtSettingsStore.h"
#include "rules/TipSearch.h"
#include "session/Settings.h"

#include <iostream>
#include <sstream>

namespace zf::cli {

// calc [--date DD.MM.YYYY] [--seed N] [--lock K,K,...] [--show-list] [--save]
int cmdCalc(Context& c)
{
    LottoZahlen& app = c.app;
    const auto date = c.take("--date");
    const auto seed = c.take("--seed");
    const auto lock = c.take("--lock");
    const bool showList = c.takeFlag("--show-list");
    const bool save = c.takeFlag("--save");
    c.done();
    if (save && !c.settingsFile)
        throw UsageError{"--save needs --settings FILE"};
    if (date)
        app.setDateTimePicker1(Context::date(*date));
    if (seed) {
        const auto n = tryToInt(*seed);
        if (!n || *n < 0)
            throw UsageError{"--seed takes a number: " + *seed};
        app.random().setSeed(static_cast<uint64_t>(*n));
    }
    if (lock) {
        std::istringstream in(*lock);
        std::string part;
        while (std::getline(in, part, ',')) {
            const auto row = tryToInt(part);
            if (!row || *row < 1 || *row > TipSheet::kRows)
                throw UsageError{"--lock takes rows 1..14: " + *lock};
            app.sheet().setLocked(*row - 1, true);
        }
    }

    const CalcOutcome outcome = Label28Click(app);

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
