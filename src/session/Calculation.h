#pragma once

#include "rules/TipSearch.h"

#include <optional>

namespace zf {

class Session;

// The tip calculation as a job. prepareCalculation takes the snapshot it works
// on (nullopt, with the refusal shown, when it cannot start); the job runs
// anywhere; finishCalculation applies its result on the session's thread:
// sheet, generator, chart, status, and the evaluation with the tip check.
std::optional<CalcInput> prepareCalculation(Session& s);
// What a calculation reads, as the session holds it now (no list dialog).
CalcInput calculationSnapshot(Session& s);
CalcOutcome finishCalculation(Session& s, CalcResult result);

// The whole calculation in the foreground, for the command-line tool and tests.
CalcOutcome runCalculation(Session& s, Progress& progress, const CancelFlag& cancel);

} // namespace zf
