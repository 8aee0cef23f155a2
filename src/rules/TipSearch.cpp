#include "rules/TipSearch.h"

#include "ground/Error.h"
#include "rules/CandidateTest.h"
#include "rules/Charts.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace zf {

namespace {

using SteadyClock = std::chrono::steady_clock;
// The progress line is shown at most this often; writing it for every
// candidate would dominate the run time.
constexpr auto kReportInterval = std::chrono::milliseconds(40);
// A row's batches grow from one candidate to this many, so a row found at
// once costs no more than one found alone would.
constexpr int kMaxBatch = 4096;
// Smaller batches are tested on the searching thread: waking the others costs more.
constexpr int kSharedBatch = 512;
constexpr int kChunk = 256;

// Threads that test the candidates of a batch together with the searching thread.
class TestPool {
public:
    explicit TestPool(int threads) : m_start(threads), m_done(threads)
    {
        for (int i = 1; i < threads; ++i)
            m_workers.emplace_back([this] {
                for (;;) {
                    m_start.arrive_and_wait();
                    if (m_stop)
                        return;
                    share();
                    m_done.arrive_and_wait();
                }
            });
    }
    ~TestPool()
    {
        m_stop = true;
        m_start.arrive_and_wait();
    }

    // Calls work(begin, end) for pieces of 0..count-1 on every thread; returns when all are done.
    void run(int count, const std::function<void(int, int)>& work)
    {
        m_work = &work;
        m_count = count;
        m_next = 0;
        m_start.arrive_and_wait();
        share();
        m_done.arrive_and_wait();
    }

private:
    void share()
    {
        for (int begin; (begin = m_next.fetch_add(kChunk)) < m_count;)
            (*m_work)(begin, std::min(begin + kChunk, m_count));
    }

    std::barrier<> m_start, m_done;
    const std::function<void(int, int)>* m_work = nullptr;
    int m_count = 0;
    std::atomic<int> m_next{0};
    bool m_stop = false;
    std::vector<std::jthread> m_workers; // last: they stop before the barriers go
};

int candidateSum(const Candidate& t)
{
    return t[0] + t[1] + t[2] + t[3] + t[4] + t[5];
}

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
    bool searchBatch(int r, int size, Candidate& t, bool& historyTested);
    void testBatch(int count);
    void ease(int r, int run);
    int nextEasing(int r, int run) const;
    std::string dreamNumber();
    std::string progressLine(int r, const Candidate& t, int sum) const;

    CalcInput& m_in;
    Progress& m_progress;
    const CancelFlag& m_cancel;
    CalcResult m_result;
    std::optional<CandidateTest> m_test;
    std::optional<TestPool> m_pool;
    std::vector<Candidate> m_batch;
    std::vector<Random> m_after; // the generator after each candidate of the batch
    std::vector<CandidateTest::Verdict> m_verdicts;
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
                       std::array<DrawNumbers, 3>{ref.r1, ref.r2, ref.r3}, m_in.index);
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
            bool historyTested = false;
            for (int size = 1; m_runs < m_in.runBudget && running(); size = std::min(2 * size, kMaxBatch))
                if (searchBatch(r, size, t, historyTested))
                    break;
            if (historyTested)
                m_result.chartCleared = true;
        }
        if (m_runs >= m_in.runBudget)
            t = Candidate{};
        std::sort(t.begin(), t.end());
        sheet().setSum(r, std::to_string(candidateSum(t)));
        sheet().setDream(r, dreamNumber());
    }
    for (int c = 0; c < TipSheet::kCols; ++c)
        sheet().setCell(r, c, std::to_string(t[c])); // "0" leaves the cell empty
    m_test->addAccepted(t);
}

// Draws the next candidates in order and tests them together. The first
// accepted one ends the row: the generator goes back to just after it, so the
// candidates after it are drawn again and tested under the new state, and the
// tips, runs and status are those of testing one candidate at a time.
bool Calculation::searchBatch(int r, int size, Candidate& t, bool& historyTested)
{
    const int first = m_runs + 1;
    ease(r, first);
    const int count = std::min({size, m_in.runBudget - m_runs, nextEasing(r, first) - first});
    m_batch.resize(count);
    m_after.resize(count);
    m_verdicts.resize(count);
    for (int i = 0; i < count; ++i) {
        drawCandidate(m_in.random, m_result.numberList, m_batch[i]);
        m_after[i] = m_in.random;
    }
    m_test->prepare();
    testBatch(count);
    const auto hit = std::find(m_verdicts.begin(), m_verdicts.end(), CandidateTest::Verdict::Accepted);
    const int tested = static_cast<int>(hit - m_verdicts.begin()) + (hit != m_verdicts.end());
    for (int i = 0; i < tested; ++i)
        historyTested = historyTested || m_test->historyTested(m_verdicts[i]);
    m_runs += tested;
    const Candidate& last = m_batch[tested - 1];
    const bool accepted = hit != m_verdicts.end();
    if (accepted || SteadyClock::now() - m_lastReport >= kReportInterval) {
        m_progress.report(m_runs, m_in.runBudget, progressLine(r, last, candidateSum(last)));
        m_lastReport = SteadyClock::now();
    }
    if (accepted) {
        t = last;
        m_in.random = m_after[tested - 1];
    }
    return accepted;
}

void Calculation::testBatch(int count)
{
    const CandidateTest& test = *m_test;
    const auto work = [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            m_verdicts[i] = test.verdict(m_batch[i], candidateSum(m_batch[i]));
    };
    if (count < kSharedBatch || m_in.threads == 1)
        return work(0, count);
    if (!m_pool) // asked only here: finding out the cores costs more than a short calculation
        m_pool.emplace(m_in.threads > 0 ? m_in.threads
                                        : std::max(1, static_cast<int>(std::thread::hardware_concurrency())));
    m_pool->run(count, work);
}

// The rules change at fixed run counts: pair forcing ends at half the budget,
// and as the budget runs out the limits that reject most candidates are eased.
void Calculation::ease(int r, int run)
{
    CandidateRules& rules = m_test->rules();
    const int budget = m_in.runBudget;
    if (run == budget / 2)
        rules.forcePair = false;
    if (r < 2)
        return;
    if (run == budget - 20000)
        rules.wholeWindowMatches = 6;
    if (run == budget - 10000) {
        rules.limitRecent[1] = 2;
        if (r != 7)
            rules.limitRecent[0] = 1;
    }
    if (run == budget - 5000) {
        if (r != 7)
            rules.limitRecent[1] = 3;
        rules.limitRecent[0] = 2;
    }
}

// The first run after `run` at which ease() changes something for row r.
int Calculation::nextEasing(int r, int run) const
{
    const int budget = m_in.runBudget;
    int next = budget + 1;
    for (int at : {budget / 2, budget - 20000, budget - 10000, budget - 5000})
        if (at > run && (r >= 2 || at == budget / 2))
            next = std::min(next, at);
    return next;
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

void drawCandidate(Random& random, const NumberList& list, Candidate& t)
{
    // the list holds the numbers 1..42 and empty entries, so a 64-bit mask marks the drawn ones
    const auto size = static_cast<uint32_t>(list.size());
    uint64_t drawn = 1; // an empty entry counts as drawn
    for (int p = 0; p < 6;) {
        const uint8_t v = list[random.below(size)];
        const uint64_t bit = uint64_t{1} << (v & 63);
        if (drawn & bit)
            continue;
        drawn |= bit;
        t[p++] = v;
    }
    // a sorting network: twelve compare-exchanges without branches
    const auto exchange = [&t](int i, int j) {
        const uint8_t a = t[i], b = t[j];
        t[i] = std::min(a, b);
        t[j] = std::max(a, b);
    };
    exchange(0, 5), exchange(1, 3), exchange(2, 4);
    exchange(1, 2), exchange(3, 4);
    exchange(0, 3), exchange(2, 5);
    exchange(0, 1), exchange(2, 3), exchange(4, 5);
    exchange(1, 2), exchange(3, 4);
}

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
