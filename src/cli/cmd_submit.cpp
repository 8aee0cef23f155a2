#include "cli/Cli.h"

#include "ground/Texts.h"
#include "session/PrintCommands.h"
#include "session/Submission.h"

#include <iostream>

namespace zf::cli {

namespace {

struct Parameter {
    const char* option;
    std::string ScriptForm::*field;
};
constexpr Parameter kParameters[] = {{"--zahl1", &ScriptForm::zahl1},
                                     {"--text1", &ScriptForm::text1},
                                     {"--zahl2", &ScriptForm::zahl2},
                                     {"--text2", &ScriptForm::text2}};

} // namespace

CLI::App* declareSubmit(CLI::App& cli)
{
    CLI::App* sub = cli.add_subcommand(
        "submit", "fills the sheet into a click-script in Tipps/ and starts the automation program on it");
    sub->add_option("--program", "the automation program (default: from its settings, Path)")->type_name("PATH");
    sub->add_option("--template", "the click-script template (default: the stored one)")->type_name("FILE");
    for (const Parameter& p : kParameters)
        sub->add_option(p.option, "the parameter (default: the stored one)")->type_name("X");
    declareDaysOption(*sub);
    sub->add_option("--joker", "the option boxes that are on (default: the stored ones)")->type_name("1,2,3");
    sub->add_flag("--dry-run")->description("writes the script but neither looks for nor starts the program");
    return sub;
}

int cmdSubmit(Context& c)
{
    Session& s = c.app;
    takeJokerOption(c);
    preparePrintDialog(s);
    takeDaysOption(c);
    std::string program = loadPilotaraSettings(s);
    if (const auto given = c.value("--program"))
        program = *given;
    const bool start = !c.flag("--dry-run");
    if (start && !pilotaraInstalled(s, program))
        return 1;

    // the script selection dialog, answered by the options and left with OK
    ScriptForm& f = s.zksForm;
    f.folder = s.home + "Script";
    listScriptTemplates(s);
    if (const auto file = c.value("--template"))
        f.script = *file;
    for (const Parameter& p : kParameters)
        if (const auto value = c.value(p.option))
            f.*p.field = *value;
    refreshScriptTemplate(s);
    closeScriptDialog(s);

    const SubmitResult r = writeClickScript(s, program, start);
    std::cout << r.script << '\n';
    for (const std::string& a : r.arguments)
        std::cout << a << '\n';
    if (start && r.outcome != SubmitOutcome::Started) {
        std::cerr << text(Text::ProgramNotStarted, {program}) << '\n';
        return 1;
    }
    return 0;
}

} // namespace zf::cli
