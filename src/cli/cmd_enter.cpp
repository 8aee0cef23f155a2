#include "cli/Cli.h"

#include "ground/Formats.h"
#include "session/DrawMaintenance.h"

#include <cmath>

namespace zf::cli {

CLI::App* declareEnter(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("enter", "enters or corrects the draw of a date");
    sub->add_option("DATE", "the draw's date")->required()->type_name("DD.MM.YYYY");
    sub->add_option("NUMBERS", "the six numbers and the dream number")->required()->expected(7)->type_name("N");
    sub->add_option("--replay", "the replay value 1..11 (default: kept from the stored draw of that date)")
        ->type_name("R");
    sub->add_option("--ticket", "the six digits of the ticket number (default: kept)")->type_name("DDDDDD");
    return sub;
}

int cmdEnter(Context& c)
{
    const int day = Context::date(*c.value("DATE"));
    const auto texts = c.args.get_option("NUMBERS")->as<std::vector<std::string>>();
    Draw d;
    // a correction keeps what the command line does not give
    for (const Draw& stored : c.app.drawFile().readAll())
        if (toDay(stored.datum) == day) {
            d = stored;
            break;
        }
    d.datum = day;
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto n = tryToInt(texts[i]);
        if (!n || *n < 0 || *n > 255)
            throw UsageError{"not a number: " + texts[i]};
        d.zahlen[i < 6 ? i : 7] = static_cast<uint8_t>(*n);
    }
    if (const auto replay = c.value("--replay")) {
        const auto r = tryToInt(*replay);
        if (!r || *r < 1 || *r > 11)
            throw UsageError{"--replay takes 1..11"};
        d.replay = static_cast<uint8_t>(*r);
    }
    if (const auto ticket = c.value("--ticket")) {
        if (ticket->size() != 6 || ticket->find_first_not_of("0123456789") != std::string::npos)
            throw UsageError{"--ticket takes six digits"};
        for (size_t i = 0; i < 6; ++i)
            d.losziffern[i] = static_cast<uint8_t>((*ticket)[i] - '0');
    }
    enterDraw(c.app, d);
    return 0;
}

} // namespace zf::cli
