#include "cli/Cli.h"
#include "ground/Formats.h"
#include "session/DrawCommands.h"

#include <iostream>

namespace zf::cli {

void printDrawLabels(const Session& app)
{
    std::cout << "draw: " << app.drawLabels.label29 << '\n' << "qs: " << app.drawLabels.label13 << '\n';
}

void printSheet(const Session& app)
{
    const TipSheet& s = app.sheet();
    for (int row = 0; row < TipSheet::kRows; ++row) {
        std::string cells, hits;
        for (int c = 0; c < TipSheet::kCols; ++c) {
            cells += s.cell(row, c) + ",";
            const CellColour colour = s.colour(row, c);
            hits += colour == CellColour::Lime ? 'G' : colour == CellColour::Yellow ? 'Y' : '.';
        }
        std::cout << "row " << row + 1 << ": " << cells << s.dream(row) << " | match: " << s.matchText(row)
                  << " | sum: " << s.sumText(row) << " | hits: " << hits << '\n';
    }
}

void takeDateOption(Context& c)
{
    if (const auto d = c.value("--date")) {
        // the picker would keep its old date without a word
        const int day = Context::date(*d);
        if (day < kFirstDrawDay)
            throw UsageError{"--date lies before the first draw on " + formatDate(kFirstDrawDay)};
        c.app.setEndDay(day);
    }
}

CLI::App* declareEvaluate(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("evaluate", "checks the sheet against the draw of a date");
    sub->add_option("--date", "the draw's date (default today)")->type_name("DD.MM.YYYY");
    return sub;
}

int cmdEvaluate(Context& c)
{
    takeDateOption(c);
    const int best = evaluateForDate(c.app);
    printDrawLabels(c.app);
    printSheet(c.app);
    std::cout << "best: " << best << '\n' << "statistik:";
    for (const auto& e : c.app.matching.statistik)
        std::cout << ' ' << e[0] << '/' << e[1];
    std::cout << '\n';
    return 0;
}

} // namespace zf::cli
