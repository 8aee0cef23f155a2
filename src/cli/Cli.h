#pragma once

#include "session/LottoZahlen.h"

#include <optional>
#include <string>
#include <vector>

namespace zf::cli {

// Thrown for a usage error: exit code 2.
struct UsageError {
    std::string text;
};

// What a command gets: the prepared program state and its own arguments.
struct Context {
    LottoZahlen& app;
    std::vector<std::string> args;           // after the command name
    std::optional<int> today;                // --today
    std::optional<std::string> answer;       // Yes/No answers of the console dialogs: "yes" or "no"
    std::optional<std::string> settingsFile; // --settings

    // Takes "--name VALUE" out of args; nullopt when absent.
    std::optional<std::string> take(const std::string& name);
    // Takes a flag "--name" out of args.
    bool takeFlag(const std::string& name);
    // Fails with a usage error when unknown arguments are left.
    void done() const;
    // Parses "DD.MM.YYYY" or fails with a usage error.
    static int date(const std::string& text);
};

// A command prints to stdout and returns the exit code (0 ok, 1 failed).
using Command = int (*)(Context&);

int cmdDraws(Context& c);
int cmdSettings(Context& c);
int cmdChart(Context& c);
int cmdEvaluate(Context& c);
int cmdSearchDb(Context& c);
int cmdStep(Context& c);
int cmdCalc(Context& c);

// Shared by the evaluation commands: the --date option sets DateTimePicker1;
// the draw and "QS:" lines; one line per tip row.
void takeDateOption(Context& c);
void printDrawLabels(const LottoZahlen& app);
void printSheet(const LottoZahlen& app);

} // namespace zf::cli
