// ziffrano-cli: the program's commands without the window, on the same core
// and the same settings store.
#include "cli/Cli.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "platform/HttpClient.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtShell.h"
#include "platform/SystemClock.h"
#include "session/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

namespace zf::cli {

namespace {

// Message boxes print on stderr; questions take the command's answer, else Yes.
class ConsoleDialogs : public Dialogs {
public:
    std::optional<std::string> answer;
    void information(const std::string& t) override
    {
        // the empty history is told once, however many steps find it
        if (t == text(Text::ReadDrawsFirst) && std::exchange(m_saidNoDraws, true))
            return;
        std::cerr << t << '\n';
    }
    void error(const std::string& t) override { std::cerr << t << '\n'; }
    bool askYesNo(const std::string& t, const std::string&) override
    {
        std::cerr << t << '\n';
        return !answer || *answer != "no";
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& def) override { return def; }
    std::optional<std::string> openFileName(const FileFilter&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileFilter&) override { return std::nullopt; }

private:
    bool m_saidNoDraws = false;
};

class ConsoleFeedback : public Feedback {
public:
    std::string status[2];
    void setStatus(int panel, const std::string& t) override { status[panel] = t; }
    void setBusy(bool) override {}
    void showPage(Page) override {}
};

// A store that holds nothing: no --settings file means nothing is stored.
class EmptyStore : public SettingsStore {
public:
    ReadStatus readFlag(const std::string&, bool&) override { return ReadStatus::Missing; }
    ReadStatus readInt(const std::string&, int&) override { return ReadStatus::Missing; }
    ReadStatus readText(const std::string&, std::string&) override { return ReadStatus::Missing; }
    ReadStatus readDate(const std::string&, double&) override { return ReadStatus::Missing; }
    bool writeFlag(const std::string&, bool) override { return true; }
    bool writeInt(const std::string&, int) override { return true; }
    bool writeText(const std::string&, const std::string&) override { return true; }
    bool writeDate(const std::string&, double) override { return true; }
};

class NoSound : public Sound {
public:
    void playAsync(const std::string&) override {}
};

// Starts programs; has no desktop to open addresses with.
class ConsoleShell : public QtShell {
public:
    bool open(const std::string&) override { return false; }
};

// Reads another store and writes nothing: the tool leaves the automation
// program's settings as they are.
class ReadOnlyStore : public SettingsStore {
public:
    explicit ReadOnlyStore(SettingsStore& store) : m_store(store) {}
    ReadStatus readFlag(const std::string& n, bool& v) override { return m_store.readFlag(n, v); }
    ReadStatus readInt(const std::string& n, int& v) override { return m_store.readInt(n, v); }
    ReadStatus readText(const std::string& n, std::string& v) override { return m_store.readText(n, v); }
    ReadStatus readDate(const std::string& n, double& v) override { return m_store.readDate(n, v); }

private:
    SettingsStore& m_store;
};

} // namespace

std::optional<std::string> Context::value(const std::string& name) const
{
    const CLI::Option* o = args.get_option(name);
    if (o->empty())
        return std::nullopt;
    return o->as<std::string>();
}

bool Context::flag(const std::string& name) const
{
    return args.count(name) > 0;
}

int Context::date(const std::string& text)
{
    const auto d = parseDate(text);
    if (!d)
        throw UsageError{"not a date (DD.MM.YYYY): " + text};
    return *d;
}

int cmdDraws(Context& c)
{
    for (const Draw& d : c.app.drawFile().readAll()) {
        std::string line = formatDate(toDay(d.datum));
        for (int i = 0; i < 8; ++i)
            line += " " + std::to_string(d.zahlen[i]);
        line += " " + std::to_string(d.replay) + " ";
        for (uint8_t t : d.losziffern)
            line += std::to_string(t);
        if (const auto damage = drawDamage(d))
            line += " damaged: " + *damage;
        std::cout << line << '\n';
    }
    return 0;
}

int cmdSettings(Context& c)
{
    for (const auto& [name, value] : storedValues(c.app))
        std::cout << name << '=' << value << '\n';
    return 0;
}

// Rendering the slip as PDF needs fonts and so a GUI application; offscreen,
// as no display is needed.
bool wantsPdf(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--pdf" || std::string_view(argv[i]).starts_with("--pdf="))
            return true;
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    if (!wantsPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int run(int argc, char** argv)
{
    const auto qapp = makeApplication(argc, argv);
    CLI::App cli("The program's commands without the window, on the same core.", "ziffrano-cli");
    // the global options may also follow the command name
    cli.fallthrough();
    cli.require_subcommand(1);
    std::string home;
    std::optional<std::string> settingsFile, todayText, answer;
    std::vector<std::string> setTexts;
    cli.add_option("--home", home,
                   "the program directory (draw file, land/); default: the folder of ziffrano-cli, or the "
                   "user's data folder when that folder is an installed one")
        ->type_name("DIR");
    cli.add_option("--settings", settingsFile, "an INI file in the settings format")->type_name("FILE");
    cli.add_option("--set", setTexts, "sets one stored value after loading; may be repeated")
        ->allow_extra_args(false)
        ->type_name("NAME=VALUE");
    cli.add_option("--today", todayText, "takes this date as today")->type_name("DD.MM.YYYY");
    cli.add_option("--answer", answer, "answers the Yes/No questions (default yes)")
        ->check(CLI::IsMember({"yes", "no"}));

    const std::map<const CLI::App*, Command> commands = {
        {cli.add_subcommand("draws", "prints every stored draw"), cmdDraws},
        {cli.add_subcommand("settings", "prints the save list as NAME=VALUE lines"), cmdSettings},
        {declareChart(cli), cmdChart},
        {declareEvaluate(cli), cmdEvaluate},
        {declareSearchDb(cli), cmdSearchDb},
        {declareStep(cli), cmdStep},
        {declareCalc(cli), cmdCalc},
        {declareTips(cli), cmdTips},
        {declareListing(cli), cmdListing},
        {declareCost(cli), cmdCost},
        {declareSlip(cli), cmdSlip},
        {declareTicket(cli), cmdTicket},
        {declareUpdate(cli), cmdUpdate},
        {declareServe(cli), cmdServe},
        {declareEnter(cli), cmdEnter},
        {declareDelete(cli), cmdDelete},
        {declareImport(cli), cmdImport},
        {declareExport(cli), cmdExport},
        {declareCheck(cli), cmdCheck},
        {declareSubmit(cli), cmdSubmit},
        {declareBacktest(cli), cmdBacktest},
        {declareRepeats(cli), cmdRepeats},
        {declareTexts(cli), cmdTexts},
    };
    try {
        cli.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return cli.exit(e); // --help
    } catch (const CLI::ParseError& e) {
        // CLI11 would only say that a command is missing
        const auto rest = cli.remaining();
        if (cli.get_subcommands().empty() && !rest.empty() && rest.front()[0] != '-')
            throw UsageError{"unknown command " + rest.front()};
        throw UsageError{e.what()};
    }
    std::vector<std::pair<std::string, std::string>> sets;
    for (const std::string& kv : setTexts) {
        const auto eq = kv.find('=');
        if (eq == std::string::npos)
            throw UsageError{"--set needs NAME=VALUE"};
        sets.emplace_back(kv.substr(0, eq), kv.substr(eq + 1));
    }
    std::optional<int> today;
    if (todayText) {
        today = Context::date(*todayText);
        if (*today < kFirstDrawDay)
            throw UsageError{"--today lies before the first draw on " + formatDate(kFirstDrawDay)};
    }

    std::unique_ptr<SettingsStore> store;
    if (settingsFile && QFileInfo::exists(QString::fromStdString(*settingsFile)))
        store = std::make_unique<QtSettingsStore>(QString::fromStdString(*settingsFile));
    else
        store = std::make_unique<EmptyStore>();
    SystemClock clock(today.value_or(0));
    ConsoleDialogs dialogs;
    dialogs.answer = answer;
    ConsoleFeedback feedback;
    NoSound sound;
    HttpClient http;
    ConsoleShell shell;
    QtSettingsStore pilotaraStore(std::make_unique<QSettings>("Darnholm", "Pilotara"), "Settings");
    ReadOnlyStore pilotara(pilotaraStore);
    Ports ports{store.get(), &clock, &dialogs, &feedback, &sound, &shell, &http};
    ports.pilotara = &pilotara;
    Session app(ports);
    app.prepareStart(home.empty() ? programDirectory().toStdString() : home);
    for (const auto& [name, v] : sets)
        if (!setStoredValue(app, name, v))
            throw UsageError{"cannot set " + name + "=" + v};
    app.aktDatum = app.windowStart();

    const CLI::App* sub = cli.get_subcommands().front();
    // the commands that store draws start a history; the others read an empty one
    static const std::set<std::string> storing{"update", "serve", "enter", "import"};
    if (app.drawFile().absent() && !storing.contains(sub->get_name()))
        dialogs.information(text(Text::ReadDrawsFirst));
    Context ctx{app, *sub, settingsFile};
    return commands.at(sub)(ctx);
}

} // namespace zf::cli

int main(int argc, char** argv)
{
    try {
        return zf::cli::run(argc, argv);
    } catch (const zf::cli::UsageError& e) {
        std::cerr << "ziffrano-cli: " << e.text << "\nRun 'ziffrano-cli --help' for usage.\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
