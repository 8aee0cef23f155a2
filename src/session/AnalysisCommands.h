#pragma once

#include "rules/HistoricalAnalysis.h"

#include <optional>
#include <string>
#include <vector>

namespace zf {

class Session;

// The parameter analysis as a job. prepareBacktest runs the evaluation for
// the chosen date and asks for the seed (unless given); nullopt when it
// cannot start. finishBacktest applies the result on the session's thread:
// the last tips and draw, the control chart, the report "Test.txt" in the
// working directory, opened. Returns the report's lines, nullopt when the
// analysis was stopped or failed (the failure shown).
std::optional<BacktestInput> prepareBacktest(Session& s, std::optional<int> seed = {});
std::optional<std::vector<std::string>> finishBacktest(Session& s, const BacktestResult& result);
std::optional<std::vector<std::string>> runBacktest(Session& s, std::optional<int> seed, Progress& progress,
                                                    const CancelFlag& cancel);

// The draw-repeat analysis in the same three steps; it asks for the minimum
// unless given, and its stops ask through the session's dialogs. The report
// "Test.rtf" goes into the program directory.
// finishRepeats returns false, writing nothing, for a stopped analysis;
// runRepeats gives nullopt only when the analysis could not start.
std::optional<RepeatInput> prepareRepeats(Session& s, std::optional<int> minimum = {});
bool finishRepeats(Session& s, const RepeatResult& result);
std::optional<RepeatResult> runRepeats(Session& s, std::optional<int> minimum, Progress& progress,
                                       const CancelFlag& cancel);

} // namespace zf
