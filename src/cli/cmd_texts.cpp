#include "cli/Cli.h"
#include "data/LanguageFiles.h"

#include <iostream>

namespace zf::cli {

CLI::App* declareTexts(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand("texts", "applies a language and prints its message catalogue");
    sub->add_option("LANG", "language code: de, fr, it, en, sp, tr, ru, pl, cz, nl")->required();
    sub->add_flag("--check")->description(
        "also checks the language's files against the German ones (exit 1 on any problem)");
    return sub;
}

int cmdTexts(Context& c)
{
    const std::string code = *c.value("LANG");
    const auto sprache = languageOfCode(code);
    if (!sprache)
        throw UsageError{"unknown language " + code + " (de, fr, it, en, sp, tr, ru, pl, cz, nl)"};
    c.app.applyLanguage(*sprache);
    for (int n = 0; n <= static_cast<int>(Msg::GameName); ++n)
        std::cout << n << ": " << c.app.messages()[n] << '\n';
    if (!c.flag("--check"))
        return 0;
    const auto problems = checkLanguage(c.app.home, code);
    for (const std::string& p : problems)
        std::cout << "problem: " << p << '\n';
    std::cout << "check " << code << ": " << (problems.empty() ? "ok" : std::to_string(problems.size()) + " problems")
              << '\n';
    return problems.empty() ? 0 : 1;
}

} // namespace zf::cli
