#include "cli/Cli.h"
#include "session/PrintCommands.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareTicket(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("ticket", "draws a new ticket number or looks one up in the draws");
    sub->add_option("ACTION", "new or find")->required()->check(CLI::IsMember({"new", "find"}));
    sub->add_option("NUMBER", "the six digits to find")->type_name("DDDDDD");
    sub->add_option("--row", "the ticket-number row of the print dialog (default 1)")
        ->check(CLI::IsMember({"1", "2", "3"}))
        ->type_name("1|2|3");
    return sub;
}

int cmdTicket(Context& c)
{
    const int row = std::stoi(c.value("--row").value_or("1"));
    const Opt key = row == 1 ? Opt::Joker1Zahl : row == 2 ? Opt::Joker2Zahl : Opt::Joker3Zahl;
    const auto number = c.value("NUMBER");
    // the dialog's fields name the draw file
    preparePrintDialog(c.app);
    if (c.value("ACTION") == "new") {
        if (number)
            throw UsageError{"ticket new takes no number"};
        newTicketNumber(c.app, row);
        std::cout << c.app.options().text(key) << '\n';
        return 0;
    }
    if (!number || number->size() != 6 || number->find_first_not_of("0123456789") != std::string::npos)
        throw UsageError{"ticket find needs six digits"};
    c.app.options().setText(key, *number);
    std::cout << ticketSearch(c.app, row) << '\n';
    return 0;
}

} // namespace zf::cli
