#include "cli/Cli.h"

#include "ground/Formats.h"
#include "rules/DrawUpdate.h"
#include "session/OnlineUpdate.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareUpdate(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("update", "fetches the draws after the last stored one from the update server");
    sub->add_option("--server", "the update server (default: the stored address, http://127.0.0.1:8080)")
        ->type_name("URL");
    sub->add_option("--proxy", "sends the requests through this proxy")->type_name("HOST:PORT");
    return sub;
}

int cmdUpdate(Context& c)
{
    Options& o = c.app.options();
    if (const auto server = c.value("--server")) {
        if (!parseServerAddress(*server))
            throw UsageError{"--server takes http://HOST[:PORT]: " + *server};
        o.setText(Opt::ServerEdit, *server);
    }
    if (const auto proxy = c.value("--proxy")) {
        const size_t colon = proxy->rfind(':');
        const auto port = colon == std::string::npos ? std::nullopt : tryToInt(proxy->substr(colon + 1));
        if (!port || colon == 0 || *port < 1 || *port > 65535)
            throw UsageError{"--proxy takes HOST:PORT: " + *proxy};
        o.setText(Opt::ProxyHostEdit, proxy->substr(0, colon));
        o.setText(Opt::ProxyPortEdit, std::to_string(*port));
    }
    Progress quiet;
    CancelFlag cancel{false};
    // the message that ended a run reaches stderr through the message box
    const UpdateResult r = runUpdate(c.app, quiet, cancel, [](const UpdateStep& step) {
        if (!step.answered)
            return;
        std::cout << formatDate(step.day) << ' ' << step.status;
        if (step.status == 200)
            std::cout << " appended " << step.appended;
        else
            std::cout << ' ' << step.panel0;
        std::cout << std::endl;
    });
    std::cout << "draw: " << c.app.drawLabels.label29 << '\n';
    return r.message ? 1 : 0;
}

} // namespace zf::cli
