#include "data/TipSheet.h"

#include "ground/Formats.h"

namespace zf {

namespace {
constexpr int kFirstCell[12] = {1, 7, 13, 19, 25, 31, 43, 49, 56, 62, 68, 74};
constexpr const char* kRowLabels[TipSheet::kRows] = {"Label28", "Label30", "Label31", "Label32", "Label33",
                                                     "Label34", "Label46", "Label48", "Label62", "Label61",
                                                     "Label63", "Label64", "Label79", "Label98"};
constexpr const char* kMatchLabels[TipSheet::kRows] = {"Label22", "Label23", "Label24",  "Label25", "Label26",
                                                       "Label27", "Label45", "Label47",  "Label65", "Label66",
                                                       "Label69", "Label70", "Label101", "Label102"};
constexpr const char* kSumLabels[TipSheet::kRows] = {"Label36", "Label37", "Label38", "Label39", "Label40",
                                                     "Label41", "Label49", "Label50", "Label67", "Label68",
                                                     "Label71", "Label72", "Label99", "Label100"};
constexpr const char* kEditButtons[TipSheet::kRows] = {
    "Tipp1Edit", "Tipp2Edit", "Tipp3Edit",  "Tipp4Edit",  "Tipp5Edit",  "Tipp6Edit",     "Tipp7Edit",
    "Tipp8Edit", "Tipp9Edit", "Tipp10Edit", "Tipp11Edit", "Tipp12Edit", "SpeedButton19", "SpeedButton20"};
} // namespace

int TipSheet::cellControl(int row, int col)
{
    if (row < 12)
        return kFirstCell[row] + col;
    // rows 13 and 14 interleave: 96, 98, ... and 97, 99, ...
    return 96 + (row - 12) + 2 * col;
}

std::optional<std::pair<int, int>> TipSheet::cellOf(int editNumber)
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            if (cellControl(r, c) == editNumber)
                return std::make_pair(r, c);
    return std::nullopt;
}

const char* TipSheet::rowLabel(int row)
{
    return kRowLabels[row];
}
const char* TipSheet::matchLabel(int row)
{
    return kMatchLabels[row];
}
const char* TipSheet::sumLabel(int row)
{
    return kSumLabels[row];
}
const char* TipSheet::editButton(int row)
{
    return kEditButtons[row];
}

std::string TipSheet::validatedCell(const std::string& text)
{
    const auto v = tryToInt(text);
    if (!v || *v < 1 || *v > 40)
        return {};
    return std::to_string(*v);
}

std::optional<Tip> TipSheet::tip(int row) const
{
    Tip t;
    for (int c = 0; c < kCols; ++c) {
        const auto v = tryToInt(m_cells[row][c]);
        if (!v)
            return std::nullopt;
        t.numbers[c] = *v;
    }
    t.dream = tryToInt(m_dream[row]);
    return t;
}

void TipSheet::assignRows(const TipSheet& other)
{
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            setCell(r, c, other.m_cells[r][c]);
            setColour(r, c, other.m_colour[r][c]);
        }
        setDream(r, other.m_dream[r]);
        setMatch(r, other.m_match[r], other.m_matchRed[r]);
        setSum(r, other.m_sum[r]);
    }
}

bool TipSheet::emptyRow(int row) const
{
    for (const auto& cell : m_cells[row])
        if (!cell.empty())
            return false;
    return true;
}

void TipSheet::setCell(int row, int col, const std::string& text)
{
    const std::string valid = validatedCell(text);
    if (m_cells[row][col] == valid)
        return;
    m_cells[row][col] = valid;
    notify(Part::Cell, row, col);
}

void TipSheet::setDream(int row, const std::string& text)
{
    if (m_dream[row] == text)
        return;
    m_dream[row] = text;
    notify(Part::Dream, row, -1);
}

void TipSheet::setLocked(int row, bool locked)
{
    if (m_locked[row] == locked)
        return;
    m_locked[row] = locked;
    notify(Part::Lock, row, -1);
}

void TipSheet::setColour(int row, int col, CellColour colour)
{
    if (m_colour[row][col] == colour)
        return;
    m_colour[row][col] = colour;
    notify(Part::Colour, row, col);
}

void TipSheet::setMatch(int row, const std::string& text, bool red)
{
    if (m_match[row] == text && m_matchRed[row] == red)
        return;
    m_match[row] = text;
    m_matchRed[row] = red;
    notify(Part::Match, row, -1);
}

void TipSheet::setSum(int row, const std::string& text)
{
    if (m_sum[row] == text)
        return;
    m_sum[row] = text;
    notify(Part::Sum, row, -1);
}

} // namespace zf
