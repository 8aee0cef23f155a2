#pragma once

#include "rules/NumberList.h"

#include <functional>
#include <string>

namespace zf {

class LottoZahlen;

// BitBtn4 "Tipps &berechnen" as the calculation sees it: it shows message 16
// while a calculation runs, and a click then stops the calculation.
struct CalcButton {
    std::string caption = "Tipps &berechnen";
    std::function<void()> changed; // the window shows the new caption

    void set(const std::string& text)
    {
        caption = text;
        if (changed)
            changed();
    }
};

enum class CalcOutcome { Finished, BudgetExhausted, Stopped, Aborted, Failed, StopRequested };

// What the last calculation left besides the sheet.
struct CalcState {
    CalcButton bitBtn4;
    bool active = false;   // a calculation is running
    bool stop = false;     // the button was pressed again
    int runs = 0;          // candidates drawn and tested
    NumberList numberList; // as the search drew from it
    std::string status;    // the final text of status panel 1
    // Pending window input is handled at most this often while the search runs.
    int eventIntervalMs = 5;
};

// The calculation command: fills the unlocked rows with tips that pass the
// candidate test, within the run budget, picks their dream numbers and checks
// the sheet. While a calculation runs, a further call asks it to stop after
// the candidate in hand. Errors end it in order and are shown.
CalcOutcome Label28Click(LottoZahlen& app);
inline CalcOutcome Berechnen1Click(LottoZahlen& app)
{
    return Label28Click(app);
}

} // namespace zf
