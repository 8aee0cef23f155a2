#include "cli/Cli.h"

#include "session/DrawMaintenance.h"

namespace zf::cli {

CLI::App* declareExport(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("export", "writes the draw history as a CSV file with a header line");
    sub->add_option("FILE", "the CSV file to write")->required();
    return sub;
}

int cmdExport(Context& c)
{
    exportCsv(c.app, *c.value("FILE"));
    return 0;
}

} // namespace zf::cli
