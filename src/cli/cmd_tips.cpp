#include "cli/Cli.h"
#include "session/TipFileCommands.h"

namespace zf::cli {

CLI::App* declareTips(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("tips", "writes the sheet to a tip file or loads one into the sheet");
    sub->add_option("ACTION", "save or load")->required()->check(CLI::IsMember({"save", "load"}));
    sub->add_option("FILE", "the tip file (.ztp)")->required();
    return sub;
}

int cmdTips(Context& c)
{
    const std::string file = *c.value("FILE");
    if (c.value("ACTION") == "save") {
        saveTipFile(c.app, file);
        return 0;
    }
    // what the file gives, before any check sorts or blanks a row
    loadTipFile(c.app, file);
    printSheet(c.app);
    return 0;
}

} // namespace zf::cli
