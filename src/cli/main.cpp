// ziffrano-cli: the program's commands without the window, on the same core
// and the same settings store.
#include "cli/Cli.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"
#include "session/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>

namespace zf::cli {

namespace {

const char* const kUsage =
    "usage: ziffrano-cli [--home DIR] [--settings FILE] [--set NAME=VALUE]... [--today DD.MM.YYYY] COMMAND [ARGS]\n"
    "commands: draws, settings, chart, evaluate, search-db, step, calc\n";

const std::map<std::string, Command>& commands()
{
    static const std::map<std::string, Command> table = {
        {"draws", cmdDraws},        {"settings", cmdSettings}, {"chart", cmdChart}, {"evaluate", cmdEvaluate},
        {"search-db", cmdSearchDb}, {"step", cmdStep},         {"calc", cmdCalc},
    };
    return table;
}

// Message boxes print on stderr; questions take the command's answer, else Yes.
class ConsoleDialogs : public Dialogs {
public:
    std::optional<std::string> answer;
    void information(const std::string& t) override { std::cerr << t << '\n'; }
    void error(const std::string& t) override { std::cerr << t << '\n'; }
    bool askYesNo(const std::string& t, const std::string&) override
    {
        std::cerr << t << '\n';
        return !answer || *answer != "no";
    }
    std::string inputBox(const std::string&, const std::string&, const std::string& def) override { return def; }
    std::optional<std::string> openFileName(const FileFilter&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileFilter&) override { return std::nullopt; }
};

class ConsoleFeedback : public Feedback {
public:
    std::string status[2];
    void setStatus(int panel, const std::string& t) override { status[panel] = t; }
    void setBusy(bool) override {}
    void showPage(Page) override {}
    void processEvents() override {}
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

} // namespace

std::optional<std::string> Context::take(const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size())
                throw UsageError{name + " needs a value"};
            std::string v = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return v;
        }
    }
    return std::nullopt;
}

bool Context::takeFlag(const std::string& name)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

void Context::done() const
{
    if (!args.empty())
        throw UsageError{"unexpected argument: " + args.front()};
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
    c.done();
    if (!c.app.drawFile().exists())
        return 0; // nothing stored yet
    for (const Draw& d : c.app.drawFile().readAll()) {
        std::string line = formatDate(toDay(d.datum));
        for (int i = 0; i < 8; ++i)
            line += " " + std::to_string(d.zahlen[i]);
        line += " " + std::to_string(d.replay) + " ";
        for (uint8_t t : d.losziffern)
            line += std::to_string(t);
        std::cout << line << '\n';
    }
    return 0;
}

int cmdSettings(Context& c)
{
    c.done();
    for (const auto& [name, value] : storedValues(c.app))
        std::cout << name << '=' << value << '\n';
    return 0;
}

int run(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    std::string home = QCoreApplication::applicationDirPath().toStdString();
    std::optional<std::string> settingsFile;
    std::vector<std::pair<std::string, std::string>> sets;
    std::optional<int> today;
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError{a + " needs a value"};
            return argv[++i];
        };
        if (!rest.empty()) {
            rest.push_back(a);
        } else if (a == "--home") {
            home = value();
        } else if (a == "--settings") {
            settingsFile = value();
        } else if (a == "--set") {
            const std::string kv = value();
            const auto eq = kv.find('=');
            if (eq == std::string::npos)
                throw UsageError{"--set needs NAME=VALUE"};
            sets.emplace_back(kv.substr(0, eq), kv.substr(eq + 1));
        } else if (a == "--today") {
            today = Context::date(value());
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            throw UsageError{"unknown option " + a};
        } else {
            rest.push_back(a);
        }
    }
    if (rest.empty())
        throw UsageError{"no command"};
    const auto cmd = commands().find(rest.front());
    if (cmd == commands().end())
        throw UsageError{"unknown command " + rest.front()};

    std::unique_ptr<SettingsStore> store;
    if (settingsFile && QFileInfo::exists(QString::fromStdString(*settingsFile)))
        store = std::make_unique<QtSettingsStore>(QString::fromStdString(*settingsFile));
    else
        store = std::make_unique<EmptyStore>();
    SystemClock clock(today.value_or(0));
    ConsoleDialogs dialogs;
    ConsoleFeedback feedback;
    NoSound sound;
    Ports ports{store.get(), &clock, &dialogs, &feedback, &sound, nullptr, nullptr};
    LottoZahlen app(ports);
    app.prepareStart(home);
    for (const auto& [name, v] : sets)
        if (!setStoredValue(app, name, v))
            throw UsageError{"cannot set " + name + "=" + v};
    // --set may change values that start-up derives from
    app.updateLaufMax();
    app.aktDatum = app.dateTimePicker2();

    Context ctx{app, {rest.begin() + 1, rest.end()}, today, std::nullopt, settingsFile};
    ctx.answer = ctx.take("--answer");
    if (ctx.answer && *ctx.answer != "yes" && *ctx.answer != "no")
        throw UsageError{"--answer takes yes or no"};
    dialogs.answer = ctx.answer;
    return cmd->second(ctx);
}

} // namespace zf::cli

int main(int argc, char** argv)
{
    try {
        return zf::cli::run(argc, argv);
    } catch (const zf::cli::UsageError& e) {
        std::cerr << "ziffrano-cli: " << e.text << '\n' << zf::cli::kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
