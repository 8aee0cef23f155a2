#include "data/NumberSelection.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "ground/Paths.h"
#include "ground/Random.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sstream>

namespace zf {

void NumberSelection::setChecked(int n, bool checked)
{
    if (m_boxes[n].checked == checked)
        return;
    m_boxes[n].checked = checked;
    const bool wasMinus = minus;
    minus = false;
    boxClicked(n);
    minus = wasMinus;
}

void NumberSelection::clearNumbers()
{
    for (int n = 1; n <= kNumbers; ++n) {
        setChecked(n, false);
        m_boxes[n].colour = BoxColour::Normal;
    }
}

void NumberSelection::boxClicked(int n)
{
    Box& b = m_boxes[n];
    const int step = minus ? -1 : 1;
    // wide enough that a stored weight at the integer limit can still step
    std::optional<long long> w;
    if (const auto read = tryToInt(b.weight))
        w = *read;
    if (w && b.checked) {
        *w += step;
        b.weight = std::to_string(*w);
    }
    if (!w || *w < 0)
        b.weight = "0";
    if (b.weight == "0")
        setChecked(n, false);
    hintsOn = true;
    showWeight(n);
}

void NumberSelection::toggle(int n)
{
    m_boxes[n].checked = !m_boxes[n].checked;
    boxClicked(n);
}

void NumberSelection::leftClick(int n)
{
    toggle(n);
    mouseReleased(n, false);
}

void NumberSelection::mouseReleased(int n, bool rightButton)
{
    minus = rightButton;
    if (rightButton)
        boxClicked(n);
}

void NumberSelection::mouseMoved(int n)
{
    showWeight(n);
}

void NumberSelection::showWeight(int n)
{
    shownBox = n;
}

void NumberSelection::startRandomDraw()
{
    if (!timerOn) {
        timerOn = true;
        clearNumbers();
        tippreihe.fill(0);
        losgeht = 1;
    } else if (losgeht < maxTipp) {
        // a stop before the timer drew this position would fix a number that was never drawn
        if (tippreihe[losgeht] != 0)
            ++losgeht;
    } else {
        timerOn = false;
        randomButton = RandomButton::Again;
        losgeht = 1;
    }
}

void NumberSelection::randomDrawTick(Random& random)
{
    randomButton = RandomButton::Stop;
    clearNumbers();
    // more numbers than boxes could never be drawn apart
    const int count = std::clamp(maxTipp, 0, 26);
    for (int i = 1; i < losgeht && i <= count; ++i) {
        setChecked(tippreihe[i], true);
        m_boxes[tippreihe[i]].colour = BoxColour::Yellow;
    }
    for (int i = losgeht; i <= count; ++i) {
        int a = 0;
        do {
            a = 1 + static_cast<int>(random.below(kNumbers));
            tippreihe[i] = a;
        } while (m_boxes[a].checked);
        setChecked(a, true);
        m_boxes[a].colour = BoxColour::Yellow;
    }
}

void NumberSelection::closed()
{
    timerOn = false;
    randomButton = RandomButton::Again;
    losgeht = 1;
}

FileFilter NumberSelection::listFilter(int today)
{
    const CivilDate d = civilFromDay(today);
    char name[16];
    std::snprintf(name, sizeof name, "%04d%02d%02d.zwl", d.year, d.month, d.day);
    return {text(Text::ValueList), "*.zwl", "zwl", name, ""};
}

void NumberSelection::saveList(const std::string& path)
{
    std::string out;
    for (int n = 1; n <= kNumbers; ++n) {
        Box& b = m_boxes[n];
        if (b.checked && b.weight.empty())
            b.weight = "1";
        out += (b.checked ? b.weight : std::string()) + "\r\n";
    }
    writeFileAtomically(path, out);
}

void NumberSelection::loadList(const std::string& path)
{
    std::string bytes;
    try {
        bytes = readFileBytes(path, kMaxValueListBytes);
    } catch (const IoError&) {
        throw IoError(Text::CannotReadFile, {path});
    }
    parseList(bytes);
}

void NumberSelection::parseList(const std::string& bytes)
{
    std::istringstream in(bytes);
    for (int n = 1; n <= kNumbers; ++n) {
        std::string line;
        if (!std::getline(in, line))
            line.clear();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        setChecked(n, !line.empty());
        m_boxes[n].weight = line.empty() ? "1" : line;
    }
}

void NumberSelection::saveListAsking(Dialogs& dialogs, int today)
{
    if (const auto path = dialogs.saveFileName(listFilter(today)))
        saveList(*path);
}

void NumberSelection::loadListAsking(Dialogs& dialogs, int today)
{
    if (const auto path = dialogs.openFileName(listFilter(today)))
        loadList(*path);
}

} // namespace zf
