#pragma once

#include "data/Chart.h"
#include "data/DrawCache.h"
#include "data/Messages.h"
#include "data/NumberSelection.h"
#include "data/Options.h"
#include "data/TipSheet.h"
#include "ground/Ports.h"
#include "ground/Random.h"
#include "rules/CandidateTest.h"
#include "rules/NumberList.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zf {

enum class CalcOutcome { Finished, BudgetExhausted, Stopped, Aborted, Failed, StopRequested };

// Everything a tip calculation reads, as it stood when the calculation
// started; changes made while it runs count for the next one.
struct CalcInput {
    Options options;
    TipSheet sheet;
    DrawSnapshot draws;
    double endDay = 0; // the last day the calculation looks at
    Random random;
    Messages texts;
    int runBudget = 0;
    std::shared_ptr<DrawIndex> index; // the history tests' index of draws; none: built for this calculation
    int threads = 0;                  // that test candidates; 0: one per core
    // the list mode's dialog; runs on the window's thread
    std::function<ModalResult(NumberSelection&)> editList;
};

// What a calculation leaves: the sheet, the generator and what the window shows.
struct CalcResult {
    CalcOutcome outcome = CalcOutcome::Failed;
    TipSheet sheet; // the rows as the calculation left them
    bool sheetChanged = false;
    bool budgetUsedUp = false; // the runs reached the budget
    Random random;
    int runs = 0;
    NumberList numberList;
    std::optional<std::string> error;
    std::optional<ChartData> chart; // the last chart the calculation drew
    bool chartCleared = false;      // the history tests cleared the chart after it
    std::optional<NumberSelection> listForm;
};

// The tip calculation: fills the unlocked rows with tips that pass the
// candidate test, within the run budget, and picks their dream numbers.
// Reports each accepted or shown candidate; stops after the candidate in hand
// when cancel is set.
CalcResult calculateTips(CalcInput input, Progress& progress, const CancelFlag& cancel);

// The next candidate: six different numbers drawn one by one from the list
// (empty entries skipped), sorted ascending. The list must hold six different numbers.
void drawCandidate(Random& random, const NumberList& list, Candidate& t);

// A locked row without six numbers would leave the calculation half done:
// the text of the refusal, or nothing when every locked row is complete.
std::optional<std::string> incompleteLockedRow(const TipSheet& sheet, const Messages& texts);

} // namespace zf
