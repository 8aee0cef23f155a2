#include "rules/Matching.h"

#include "ground/Formats.h"

#include <algorithm>
#include <utility>

namespace zf {

std::string Matching::label() const
{
    std::string t = std::to_string(gewinn);
    if (zusatz)
        t += " + Z";
    if (super)
        t += " + D";
    return t;
}

void matchTip(Matching& m, const DrawNumbers& draw, const std::array<int, 6>& numbers, int dream)
{
    m.gewinn = 0;
    m.zusatz = false;
    m.super = false;
    m.treffer.fill(0);
    // a number given twice, or drawn in two slots, counts twice
    for (int i = 1; i <= 6; ++i)
        for (int k = 0; k < 6; ++k)
            if (numbers[k] == draw[i]) {
                m.treffer[k + 1] = 1;
                ++m.gewinn;
            }
    for (int k = 0; k < 6; ++k)
        if (numbers[k] == draw[7]) {
            m.treffer[k + 1] = 2;
            m.zusatz = true;
        }
    m.super = dream == draw[8];
}

std::optional<int> scoredDream(const std::string& box)
{
    if (box == "-")
        return -1;
    return tryToInt(box);
}

void showScore(TipSheet& sheet, int row, const Matching& m, int sum)
{
    for (int c = 0; c < TipSheet::kCols; ++c)
        sheet.setColour(row, c,
                        m.treffer[c + 1] == 1   ? CellColour::Lime
                        : m.treffer[c + 1] == 2 ? CellColour::Yellow
                                                : CellColour::Window);
    sheet.setMatch(row, m.label(), m.gewinn >= 2);
    sheet.setSum(row, std::to_string(sum));
}

namespace {

void blankRow(TipSheet& s, int row)
{
    for (int c = 0; c < TipSheet::kCols; ++c)
        s.setColour(row, c, CellColour::Window);
    s.setMatch(row, "", false);
    s.setSum(row, "");
    s.setDream(row, "-");
}

// One row: false when it was blanked. The numbers are written back sorted
// even when the dream box holds no number.
bool checkRow(TipSheet& s, int row, const DrawNumbers& draw, Matching& m)
{
    const auto tip = s.tip(row);
    if (!tip) {
        blankRow(s, row);
        return false;
    }
    std::array<int, 6> v = tip->numbers;
    int sum = 0;
    for (int& x : v) {
        x = static_cast<uint8_t>(x);
        sum += x;
    }
    std::sort(v.begin(), v.end());
    for (int c = 0; c < TipSheet::kCols; ++c)
        s.setCell(row, c, std::to_string(v[c]));
    const auto dream = scoredDream(s.dream(row));
    matchTip(m, draw, v, dream.value_or(-1));
    if (!dream) {
        blankRow(s, row);
        return false;
    }
    showScore(s, row, m, sum);
    // a draw record holding a number twice can push a tip with doubles past six
    ++m.statistik[std::min(m.gewinn, 6)][m.zusatz ? 1 : 0];
    return true;
}

} // namespace

SheetCheck checkSheet(TipSheet& sheet, const DrawNumbers& draw, Matching& m)
{
    m.statistik = {};
    SheetCheck result;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (!checkRow(sheet, row, draw, m))
            continue;
        result.best = std::max(result.best, m.gewinn);
        result.wins += m.gewinn >= 2;
    }
    return result;
}

} // namespace zf
