#pragma once

#include "ground/Ports.h"

#include <array>
#include <string>

namespace zf {

class Random;

enum class BoxColour { Face, Normal, Yellow }; // form face, tooltip background, yellow

// The number selection dialog without its window: 42 number boxes with
// ticks, weights and colours, the random draw and the value lists.
class NumberSelection {
public:
    static constexpr int kBoxes = 42;
    static constexpr int kNumbers = 40;

    struct Box {
        bool checked = true;
        std::string weight; // the hint text
        BoxColour colour = BoxColour::Face;
    };

    const Box& box(int n) const { return m_boxes[n]; } // n = 1..42
    // Ticking from the program runs the click handling as a user click does,
    // but always with the plain step: a right click left over from before
    // must not take back the program's own ticks.
    void setChecked(int n, bool checked);
    void setWeight(int n, const std::string& weight) { m_boxes[n].weight = weight; }
    void setColour(int n, BoxColour colour) { m_boxes[n].colour = colour; }
    // Unticks boxes 1..40 and gives them the normal colour.
    void clearNumbers();

    // Click handling of a box whose tick the user has just toggled.
    void boxClicked(int n);
    // The platform toggles the tick, then the click handling runs.
    void toggle(int n);
    // A left click: toggle, then the mouse-up.
    void leftClick(int n);
    // A mouse button released over box n.
    void mouseReleased(int n, bool rightButton);
    void mouseMoved(int n);

    // The random draw: "Zufall" starts it, each "Stopp" fixes one more number.
    void startRandomDraw();
    void randomDrawTick(Random& random);
    void closed();

    // Value list files: one line per number 1..40, the weight or empty.
    static FileFilter listFilter(int today);
    void saveList(const std::string& path);
    // Reads at most kMaxValueListBytes of a regular file; throws IoError.
    void loadList(const std::string& path);
    // The lines of a value list: line n is the weight of number n, empty for off.
    void parseList(const std::string& bytes);
    static constexpr size_t kMaxValueListBytes = 64 << 10;
    void saveListAsking(Dialogs& dialogs, int today);
    void loadListAsking(Dialogs& dialogs, int today);

    // What the dialog is shown for; the window words the caption.
    enum class Purpose { ChooseNumbers, EditTip, NumberChoice };
    Purpose purpose = Purpose::ChooseNumbers;
    int tipRow = 0;   // the row edited, 0-based
    int shownBox = 0; // the box whose weight the status line tells, 0 for none
    bool hintsOn = false;
    bool bitBtn3Visible = true; // "&Rechnen"
    bool bitBtn4Visible = false;
    // The random draw's button: not yet used, running (stop number losgeht), or ready again.
    enum class RandomButton { Start, Stop, Again };
    RandomButton randomButton = RandomButton::Start;
    bool timerOn = false;
    std::array<int, 27> tippreihe{}; // Tippreihe[1..26]
    int losgeht = 1;
    bool minus = false;
    int maxTipp = 6;

private:
    void showWeight(int n);
    std::array<Box, kBoxes + 1> m_boxes{};
};

} // namespace zf
