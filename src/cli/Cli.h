#pragma once

#include "session/Session.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <optional>
#include <string>
#include <unistd.h>

namespace zf::cli {

// Thrown for a usage error: exit code 2.
struct UsageError {
    std::string text;
};

// What a command gets: the prepared program state and its parsed subcommand.
struct Context {
    Session& app;
    const CLI::App& args;
    std::optional<std::string> settingsFile; // --settings

    // The value of an option ("--name") or positional argument; nullopt when absent.
    std::optional<std::string> value(const std::string& name) const;
    bool flag(const std::string& name) const;
    // Parses "DD.MM.YYYY" or fails with a usage error.
    static int date(const std::string& text);
};

// The progress line on stderr, only when a person watches it.
class TerminalProgress : public Progress {
public:
    TerminalProgress() : m_shown(isatty(fileno(stderr)) != 0) {}
    void report(int k, int n, const std::string& text) override
    {
        if (!m_shown)
            return;
        std::fprintf(stderr, "\r\033[K%s", text.c_str());
        if (n > 0)
            std::fprintf(stderr, "  (%d/%d)", k, n);
        std::fflush(stderr);
        m_dirty = true;
    }
    void done()
    {
        if (m_dirty)
            std::fprintf(stderr, "\r\033[K");
    }

private:
    bool m_shown;
    bool m_dirty = false;
};

// A command prints to stdout and returns the exit code (0 ok, 1 failed).
using Command = int (*)(Context&);

// Each declares its subcommand with its options and arguments on the parser.
CLI::App* declareChart(CLI::App& cli);
CLI::App* declareEvaluate(CLI::App& cli);
CLI::App* declareSearchDb(CLI::App& cli);
CLI::App* declareStep(CLI::App& cli);
CLI::App* declareCalc(CLI::App& cli);
CLI::App* declareTips(CLI::App& cli);
CLI::App* declareListing(CLI::App& cli);
CLI::App* declareCost(CLI::App& cli);
CLI::App* declareSlip(CLI::App& cli);
CLI::App* declareTicket(CLI::App& cli);
CLI::App* declareUpdate(CLI::App& cli);
CLI::App* declareServe(CLI::App& cli);
CLI::App* declareEnter(CLI::App& cli);
CLI::App* declareDelete(CLI::App& cli);
CLI::App* declareImport(CLI::App& cli);
CLI::App* declareExport(CLI::App& cli);
CLI::App* declareCheck(CLI::App& cli);
CLI::App* declareSubmit(CLI::App& cli);
CLI::App* declareBacktest(CLI::App& cli);
CLI::App* declareRepeats(CLI::App& cli);
CLI::App* declareTexts(CLI::App& cli);

int cmdDraws(Context& c);
int cmdSettings(Context& c);
int cmdChart(Context& c);
int cmdEvaluate(Context& c);
int cmdSearchDb(Context& c);
int cmdStep(Context& c);
int cmdCalc(Context& c);
int cmdTips(Context& c);
int cmdListing(Context& c);
int cmdCost(Context& c);
int cmdSlip(Context& c);
int cmdTicket(Context& c);
int cmdUpdate(Context& c);
int cmdServe(Context& c);
int cmdEnter(Context& c);
int cmdDelete(Context& c);
int cmdImport(Context& c);
int cmdExport(Context& c);
int cmdCheck(Context& c);
int cmdSubmit(Context& c);
int cmdBacktest(Context& c);
int cmdRepeats(Context& c);
int cmdTexts(Context& c);

// Shared by the evaluation commands: the --date option sets DateTimePicker1;
// the draw and "QS:" lines; one line per tip row.
void takeDateOption(Context& c);
void printDrawLabels(const Session& app);
void printSheet(const Session& app);
// Shared by cost and slip: --joker 1,2,3 switches exactly these option boxes on.
void takeJokerOption(Context& c);
// Shared by cost and submit: --days sets the print dialog's day boxes
// (after preparePrintDialog) and its cost.
void declareDaysOption(CLI::App& sub);
void takeDaysOption(Context& c);

} // namespace zf::cli
