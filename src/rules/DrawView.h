#pragma once

#include <array>
#include <functional>
#include <string>

namespace zf {

class LottoZahlen;

// The three labels that show the current draw: Label29 on "Datenbank",
// Label35 (a copy of it) and Label13 ("QS: ...") on "Lottotipp".
struct DrawLabels {
    std::string label29;
    std::string label13;
    std::string label35;
    std::function<void()> changed;

    void notify() const
    {
        if (changed)
            changed();
    }
};

// "Do" for a Thursday: German short names, so every machine prints the same line.
std::string shortWeekday(int day);
// "Do 09.11.23" + separator + "  n" for each number + dreamLabel + dream number
std::string drawLine(double datum, const std::array<int, 9>& zahl, const std::string& separator,
                     const std::string& dreamLabel);
// Writes the current draw into Label29, Label13 and Label35.
void showDraw(LottoZahlen& app, const std::string& separator, const std::string& dreamLabel);

// Next and previous draw: make it current, move DateTimePicker1 to it and check the tips.
void SpeedButton7Click(LottoZahlen& app);
void SpeedButton6Click(LottoZahlen& app);

} // namespace zf
