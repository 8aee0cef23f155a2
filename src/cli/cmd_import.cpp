#include "cli/Cli.h"

#include "ground/AtomicFile.h"
#include "session/DrawMaintenance.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareImport(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("import", "merges a draw history from a CSV file into the draw file");
    sub->add_option("FILE", "the CSV file")->required();
    sub->add_option("--columns", "1-based columns of date, six numbers, dream number (default 1,2,3,4,5,6,7,8)")
        ->type_name("DATE,N1,N2,N3,N4,N5,N6,DREAM");
    sub->add_flag("--replace")->description("a stored date with other numbers takes the file's numbers");
    return sub;
}

int cmdImport(Context& c)
{
    CsvColumns columns;
    if (const auto text = c.value("--columns")) {
        const auto parsed = parseCsvColumns(*text);
        if (!parsed)
            throw UsageError{"--columns takes eight column numbers DATE,N1,N2,N3,N4,N5,N6,DREAM"};
        columns = *parsed;
    }
    const std::string bytes = readFileBytes(*c.value("FILE"), 16 << 20);
    const ImportSummary s = importCsv(c.app, bytes, columns, c.flag("--replace"));
    for (const std::string& line : importSummaryLines(s))
        std::cout << line << '\n';
    return s.clean() ? 0 : 1;
}

} // namespace zf::cli
