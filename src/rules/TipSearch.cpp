#include "rules/TipSearch.h"

#include "ground/Error.h"
#include "rules/CandidateTest.h"
#include "rules/Charts.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace zf {

namespace {

using SteadyClock = std::chrono::steady_clock;
// The progress line is shown at most this often; writing it for every
// candidate would dominate the run time.
constexpr auto kReportInterval = std::chrono::milliseconds(40);

std::optional<Candidate> lockedCandidate(const TipSheet& s, int r)
{
    const auto tip = s.tip(r);
    if (!tip)
        return std::nullopt;
    Candidate t{};
    for (int c = 0; c < TipSheet::kCols; ++c) {
        if (tip->numbers[c] < 1 || tip->numbers[c] > 40)
            return std::nullopt;
        t[c] = static_cast<uint8_t>(tip->numbers[c]);
        // a number given twice leaves fewer than six numbers
        for (int k = 0; k < c; ++k)
            if (t[k] == t[c])
                return std::nullopt;
    }
    return t;
}

class Calculation {
public:
    Calculation(CalcInput& in, Progress& progress, const CancelFlag& cancel)
        : m_in(in), m_progress(progress), m_cancel(cancel)
    {
        m_result.sheet = in.sheet;
    }

    CalcResult run();

private:
    bool running() const { return !m_cancel.load(std::memory_order_relaxed); }
    TipSheet& sheet() { return m_result.sheet; }
    const ChartData& chart(ChartKind kind);
    void clearUnlockedRows();
    void searchRow(int r);
    void drawCandidate(Candidate& t);
    void relax(int r);
    std::string dreamNumber();
    std::string progressLine(int r, const Candidate& t, int sum) const;
    void noteHistoryTests();

    CalcInput& m_in;
    Progress& m_progress;
    const CancelFlag& m_cancel;
    CalcResult m_result;
    std::optional<CandidateTest> m_test;
    int m_runs = 0;
    SteadyClock::time_point m_lastReport;
    bool m_searching = false; // a row has entered the search
};

const ChartData& Calculation::chart(ChartKind kind)
{
    const Options& o = m_in.options;
    const WeekdayFilter filter{o.flag(Opt::CheckBox16), o.flag(Opt::CheckBox17)};
    m_result.chart =
        computeChart(kind, *m_in.draws, o.date(Opt::DateTimePicker2), m_in.endDay, filter, m_in.texts).chart;
    m_result.chartCleared = false;
    return *m_result.chart;
}

void Calculation::noteHistoryTests()
{
    if (m_test->takeHistoryTested())
        m_result.chartCleared = true;
}

void Calculation::clearUnlockedRows()
{
    for (int row = 0; row < TipSheet::kRows; ++row) {
        if (sheet().locked(row))
            continue;
        for (int c = 0; c < TipSheet::kCols; ++c)
            sheet().setCell(row, c, "");
        sheet().setDream(row, "-");
        sheet().setMatch(row, "", false);
        sheet().setSum(row, "");
    }
    m_result.sheetChanged = true;
}

CalcResult Calculation::run()
{
    const Options& o = m_in.options;
    const WeekdayFilter filter{o.flag(Opt::CheckBox16), o.flag(Opt::CheckBox17)};
    try {
        const ReferenceDraws ref = referenceDraws(*m_in.draws, m_in.endDay, filter);
        m_test.emplace(CandidateRules::from(o, m_in.endDay), m_in.draws,
                       std::array<DrawNumbers, 3>{ref.r1, ref.r2, ref.r3});
        clearUnlockedRows();
        NumberList& list = m_result.numberList;
        const ListSources sources{[this](ChartKind k) -> const ChartData& { return chart(k); },
                                  [this](const std::string& text) { m_progress.report(0, 0, text); }};
        list = buildNumberList(o, m_in.texts, ref, sources);
        if (o.flag(Opt::CheckBox20)) {
            NumberSelection& form = m_result.listForm.emplace();
            if (editNumberList(form, list, m_in.editList) == ListMode::Abort) {
                m_result.outcome = CalcOutcome::Aborted;
                return std::move(m_result);
            }
        }
        m_progress.report(0, m_in.runBudget, m_in.texts[Msg::CalculatingTips]);
        m_lastReport = SteadyClock::now();
        for (int r = 0; r < TipSheet::kRows; ++r)
            searchRow(r);
    } catch (const std::exception& e) {
        m_result.error = e.what();
        // a calculation that cannot start its search leaves the sheet as it was
        if (!m_searching) {
            m_result.sheet = m_in.sheet;
            m_result.sheetChanged = false;
        }
    }
    m_result.runs = m_runs;
    m_result.budgetUsedUp = m_runs >= m_in.runBudget;
    m_result.random = m_in.random;
    if (m_result.error)
        m_result.outcome = CalcOutcome::Failed;
    else if (m_runs >= m_in.runBudget)
        m_result.outcome = CalcOutcome::BudgetExhausted;
    else
        m_result.outcome = running() ? CalcOutcome::Finished : CalcOutcome::Stopped;
    return std::move(m_result);
}

void Calculation::searchRow(int r)
{
    Candidate t{};
    if (sheet().locked(r)) {
        if (r < 5)
            sheet().setDream(r, "-");
        const auto locked = lockedCandidate(sheet(), r);
        if (!locked) // callers check this before they start; a caller that did not gets a clear error
            throw Error(Text::LockedRowIncomplete, {std::to_string(r + 1), m_in.texts[Msg::Tip]});
        t = *locked;
    } else {
        if (r == 0 || (m_runs < m_in.runBudget && r < m_in.options.integer(Opt::UpDown8))) {
            // checked when a row first needs the list: with every searched row locked it is never drawn from
            const NumberList& list = m_result.numberList;
            if (!m_searching && distinctNumbers(list) < 6)
                throw Error(Text::NumberListTooSmall, {std::to_string(distinctNumbers(list))});
            m_searching = true;
            bool accepted = false;
            while (!accepted) {
                if (m_runs >= m_in.runBudget || !running())
                    break;
                ++m_runs;
                if (m_runs == m_in.runBudget / 2)
                    m_test->rules().forcePair = false;
                if (r >= 2)
                    relax(r);
                drawCandidate(t);
                std::sort(t.begin(), t.end());
                int sum = 0;
                for (uint8_t v : t)
                    sum += v;
                accepted = m_test->test(t, sum);
                if (accepted || SteadyClock::now() - m_lastReport >= kReportInterval) {
                    m_progress.report(m_runs, m_in.runBudget, progressLine(r, t, sum));
                    m_lastReport = SteadyClock::now();
                }
                if (!accepted)
                    t = Candidate{};
            }
            noteHistoryTests();
        }
        if (m_runs >= m_in.runBudget)
            t = Candidate{};
        std::sort(t.begin(), t.end());
        int sum = 0;
        for (uint8_t v : t)
            sum += v;
        sheet().setSum(r, std::to_string(sum));
        sheet().setDream(r, dreamNumber());
    }
    for (int c = 0; c < TipSheet::kCols; ++c)
        sheet().setCell(r, c, std::to_string(t[c])); // "0" leaves the cell empty
    m_test->addAccepted(t);
}

void Calculation::drawCandidate(Candidate& t)
{
    const NumberList& list = m_result.numberList;
    const auto size = static_cast<uint32_t>(list.size());
    for (int p = 0; p < 6;) {
        const uint8_t v = list[m_in.random.below(size)];
        if (v == 0 || std::find(t.begin(), t.begin() + p, v) != t.begin() + p)
            continue;
        t[p++] = v;
    }
}

// As the budget runs out, the limits that reject most candidates are eased.
void Calculation::relax(int r)
{
    CandidateRules& rules = m_test->rules();
    const int budget = m_in.runBudget;
    if (m_runs == budget - 20000)
        rules.wholeWindowMatches = 6;
    if (m_runs == budget - 10000) {
        rules.limitRecent[1] = 2;
        if (r != 7)
            rules.limitRecent[0] = 1;
    }
    if (m_runs == budget - 5000) {
        if (r != 7)
            rules.limitRecent[1] = 3;
        rules.limitRecent[0] = 2;
    }
}

std::string Calculation::dreamNumber()
{
    const Options& o = m_in.options;
    if (!o.flag(Opt::CheckBox33))
        return "-";
    const int item = o.integer(Opt::RadioGroup1);
    if (item == 0)
        return std::to_string(1 + m_in.random.below(5));
    if (item < 1 || item > 3)
        return "-";
    const auto& bars = chart(item == 2 ? ChartKind::DreamOverdue : ChartKind::Dream).bars;
    if (bars.size() < 5)
        return "-";
    int best = item == 2 ? 1 : 0;
    for (int i = 0; i < 5; ++i)
        if (item == 1 ? bars[i].y < bars[best].y : bars[i].y > bars[best].y)
            best = i;
    return std::to_string(best + 1);
}

std::string Calculation::progressLine(int r, const Candidate& t, int sum) const
{
    std::string line = std::to_string(r + 1) + "." + m_in.texts[Msg::Tip] + ":  " + std::to_string(t[0]) + " ";
    for (int i = 1; i < 6; ++i)
        line += std::to_string(t[i]) + (i < 5 ? "  " : "");
    line += r == 1 || r == 3 ? "   QS: " : r == 2 ? "    QS: " : "  QS: ";
    return line + std::to_string(sum);
}

} // namespace

std::optional<std::string> incompleteLockedRow(const TipSheet& sheet, const Messages& texts)
{
    std::vector<int> rows;
    for (int r = 0; r < TipSheet::kRows; ++r)
        if (sheet.locked(r) && !lockedCandidate(sheet, r))
            rows.push_back(r + 1);
    if (rows.empty())
        return std::nullopt;
    if (rows.size() == 1)
        return text(Text::LockedRowIncomplete, {std::to_string(rows[0]), texts[Msg::Tip]});
    // every row that blocks, so one message leads to all of them
    auto name = [&texts](int row) { return std::to_string(row) + ". " + texts[Msg::Tip]; };
    std::string named = name(rows[0]);
    for (size_t i = 1; i + 1 < rows.size(); ++i)
        named += ", " + name(rows[i]);
    return text(Text::LockedRowsIncomplete, {text(Text::ListEnd, {named, name(rows.back())})});
}

CalcResult calculateTips(CalcInput input, Progress& progress, const CancelFlag& cancel)
{
    return Calculation(input, progress, cancel).run();
}

} // namespace zf
