#include "cli/Cli.h"

#include "ground/Formats.h"
#include "ground/Texts.h"
#include "session/DrawMaintenance.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareDelete(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("delete", "deletes every stored draw of a date");
    sub->add_option("DATE", "the draw's date")->required()->type_name("DD.MM.YYYY");
    return sub;
}

int cmdDelete(Context& c)
{
    const int day = Context::date(*c.value("DATE"));
    if (deleteDay(c.app, day) == 0) {
        std::cerr << text(Text::NoDrawOnDay, {formatDate(day)}) << '\n';
        return 1;
    }
    return 0;
}

} // namespace zf::cli
