#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace zf {

enum class CellColour { Window, Lime, Yellow };

// A tip as the sheet holds it: six numbers and the dream number, if any.
struct Tip {
    std::array<int, 6> numbers{};
    std::optional<int> dream; // none while the box shows "-" or no integer
};

// The fourteen tips as the window shows them: cell texts, dream-number box
// texts, lock states, cell colours and the match and cross-sum labels.
// Rows and columns are 0-based here; the window names them by control.
class TipSheet {
public:
    static constexpr int kRows = 14;
    static constexpr int kCols = 6;

    // Control numbers: cell (row, col) is "Edit" + cellControl(row, col).
    static int cellControl(int row, int col);
    static std::optional<std::pair<int, int>> cellOf(int editNumber);
    static const char* rowLabel(int row);   // "Label28"
    static const char* matchLabel(int row); // "Label22"
    static const char* sumLabel(int row);   // "Label36"
    static const char* editButton(int row); // "Tipp1Edit"

    const std::string& cell(int row, int col) const { return m_cells[row][col]; }
    // Runs the cell validation: only "1".."40" without leading zeros survive.
    void setCell(int row, int col, const std::string& text);
    static std::string validatedCell(const std::string& text);

    // The row's tip when all six cells hold numbers.
    std::optional<Tip> tip(int row) const;
    bool emptyRow(int row) const;

    const std::string& dream(int row) const { return m_dream[row]; }
    void setDream(int row, const std::string& text);

    bool locked(int row) const { return m_locked[row]; }
    void setLocked(int row, bool locked);

    CellColour colour(int row, int col) const { return m_colour[row][col]; }
    void setColour(int row, int col, CellColour colour);

    const std::string& matchText(int row) const { return m_match[row]; }
    bool matchRed(int row) const { return m_matchRed[row]; }
    void setMatch(int row, const std::string& text, bool red);
    const std::string& sumText(int row) const { return m_sum[row]; }
    void setSum(int row, const std::string& text);

    enum class Part { Cell, Dream, Lock, Colour, Match, Sum };
    // col is -1 for the parts of a whole row
    using Listener = std::function<void(Part part, int row, int col)>;
    void setListener(Listener listener) { m_listener = std::move(listener); }
    // The rows alone, for work on another thread: the listener stays behind.
    TipSheet snapshot() const
    {
        TipSheet copy = *this;
        copy.m_listener = nullptr;
        return copy;
    }
    // Takes over the other sheet's rows, telling the listener of every change.
    void assignRows(const TipSheet& other);

private:
    void notify(Part part, int row, int col)
    {
        if (m_listener)
            m_listener(part, row, col);
    }

    std::array<std::array<std::string, kCols>, kRows> m_cells{};
    std::array<std::array<CellColour, kCols>, kRows> m_colour{};
    std::array<std::string, kRows> m_dream = filled("-");
    std::array<bool, kRows> m_locked{};
    std::array<std::string, kRows> m_match{};
    std::array<bool, kRows> m_matchRed{};
    std::array<std::string, kRows> m_sum{};
    Listener m_listener;

    static std::array<std::string, kRows> filled(const char* text)
    {
        std::array<std::string, kRows> a;
        a.fill(text);
        return a;
    }
};

} // namespace zf
