#include "cli/Cli.h"
#include "ground/Formats.h"
#include "rules/Evaluation.h"

#include <iostream>

namespace zf::cli {

int cmdSearchDb(Context& c)
{
    takeDateOption(c);
    const auto min = c.take("--min");
    c.done();
    const int minimum = min ? toInt(*min) : 6;
    tipSearch(c.app, minimum, [](double datum, int row, int gewinn) {
        std::cout << "stop: " << formatDate(toDay(datum)) << " row " << row + 1 << " matches " << gewinn << std::endl;
    });
    printSheet(c.app);
    return 0;
}

} // namespace zf::cli
