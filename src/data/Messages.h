#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zf {

// Reads a text file into lines with the byte-order-mark rule: a UTF-8 or
// UTF-16 mark selects that encoding, otherwise the 8-bit code page (taken as
// Windows-1252) applies. Lines come back as UTF-8. nullopt when unreadable,
// no regular file or larger than kMaxTextFileBytes.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);
std::vector<std::string> decodeTextLines(const std::string& bytes);
constexpr size_t kMaxTextFileBytes = 1 << 20;

// The catalogue's lines by what they say; the value is the line number.
enum class Msg {
    NumbersTitle,
    Draws,
    AverageCrossSum,
    DreamTitle,
    SearchDbCaption,
    SearchDbPrompt,
    HitsInDrawOf,
    FoundContinue,
    HitsFound,
    Pairs,
    Found,
    Triples,
    NumberGroups,
    CrossSumsTitle,
    Average,
    Quads,
    StopCalculation,
    EvaluatingStatistics,
    FrequentPairs,
    FrequentTriples,
    FrequentQuads,
    OverdueNumbers,
    NeighboursOfLastDraw,
    CalculatingTips,
    Tip,
    BudgetExhausted,
    CalcFinished,
    Draw,
    OverdueTitle,
    TipDistributionTitle,
    LuckyNumberCaption,
    LuckyNumberPrompt,
    GeneratorSeededWith,
    ParameterAnalysisTitle,
    AnalysisStopped,
    ProgramName,
    NumberSelection,
    NumberList,
    DreamOverdueTitle,
    AnalysisMinimumPrompt,
    HitsSameDraw,
    HitsNextDraw,
    HitsSecondNextDraw,
    HitsThirdNextDraw,
    PrimesIn,
    PrimesShare,
    OddIn,
    OddShare,
    EvenIn,
    EvenShare,
    ClearTipsQuestion,
    ClearTipsCaption,
    WindowCaption,
    GameName,
};

// The run-time texts: message N is line N, counted from 0. A line the loaded
// catalogue lacks or leaves blank is the built-in German one.
class Messages {
public:
    Messages() : m_lines(builtIn()) {}

    // Empty text only for an index beyond the built-in catalogue.
    const std::string& operator[](int index) const;
    const std::string& operator[](Msg id) const { return (*this)[static_cast<int>(id)]; }
    // A catalogue that cannot be read leaves the built-in German texts; returns false then.
    bool load(const std::string& path);
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    int count() const { return static_cast<int>(m_lines.size()); }

    static const std::vector<std::string>& builtIn();

private:
    std::vector<std::string> m_lines;
};

} // namespace zf
