#include "cli/Cli.h"
#include "ground/Formats.h"
#include "rules/DrawView.h"
#include "rules/Evaluation.h"

namespace zf::cli {

int cmdStep(Context& c)
{
    takeDateOption(c);
    const auto count = c.take("--count");
    if (c.args.empty() || (c.args.front() != "next" && c.args.front() != "prev"))
        throw UsageError{"step needs next or prev"};
    const bool next = c.args.front() == "next";
    c.args.erase(c.args.begin());
    c.done();
    const auto n = count ? tryToInt(*count) : 1;
    if (!n || *n < 0)
        throw UsageError{"--count takes a number of steps"};
    SpeedButton5Click(c.app);
    for (int i = 0; i < *n; ++i)
        next ? SpeedButton7Click(c.app) : SpeedButton6Click(c.app);
    printDrawLabels(c.app);
    return 0;
}

} // namespace zf::cli
