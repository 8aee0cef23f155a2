#include "session/Calculation.h"

#include "session/DrawCommands.h"
#include "session/Session.h"
#include "session/SheetCommands.h"

namespace zf {

CalcInput calculationSnapshot(Session& s)
{
    CalcInput in;
    in.draws = s.drawSnapshot();
    in.index = s.drawIndex(in.draws);
    in.options = s.options().snapshot();
    in.sheet = s.sheet().snapshot();
    in.endDay = s.endDay;
    in.random = s.random();
    in.texts = s.messages();
    in.runBudget = s.runBudget();
    return in;
}

std::optional<CalcInput> prepareCalculation(Session& s)
{
    if (const auto refusal = incompleteLockedRow(s.sheet(), s.messages())) {
        s.ports().dialogs->error(*refusal);
        return std::nullopt;
    }
    // the draw of the chosen date becomes current, and its date the end of every window
    evaluateForDate(s);
    CalcInput in = calculationSnapshot(s);
    ZahlenwahlDialog* dialog = s.ports().zahlenwahl;
    in.editList = [dialog](NumberSelection& form) { return dialog->showModal(form); };
    s.sortieren = false;
    s.calc = CalcState{true, 0, {}, {}};
    return in;
}

CalcOutcome finishCalculation(Session& s, CalcResult result)
{
    s.calc.active = false;
    s.calc.runs = result.runs;
    s.calc.numberList = std::move(result.numberList);
    s.random() = result.random;
    if (result.listForm)
        s.form6 = std::move(*result.listForm);
    if (result.sheetChanged)
        s.sheet().assignRows(result.sheet);
    if (result.chart)
        s.chart() = std::move(*result.chart);
    if (result.chartCleared) {
        s.chart().bars.clear();
        s.chart().series1Visible = false;
        s.chart().series2Visible = true;
    }
    if (result.chart || result.chartCleared)
        s.chartChanged();
    s.sortieren = true;
    if (result.outcome == CalcOutcome::Aborted) {
        checkTips(s);
        return result.outcome;
    }
    s.calc.status = s.msg(result.budgetUsedUp ? Msg::BudgetExhausted : Msg::CalcFinished);
    s.ports().feedback->setStatus(1, s.calc.status);
    try {
        evaluateForDate(s);
        checkTips(s);
    } catch (const std::exception& e) {
        if (!result.error)
            result.error = e.what();
    }
    if (result.error) {
        s.ports().dialogs->error(*result.error);
        return CalcOutcome::Failed;
    }
    return result.outcome;
}

CalcOutcome runCalculation(Session& s, Progress& progress, const CancelFlag& cancel)
{
    auto input = prepareCalculation(s);
    if (!input)
        return CalcOutcome::Failed;
    return finishCalculation(s, calculateTips(std::move(*input), progress, cancel));
}

} // namespace zf
