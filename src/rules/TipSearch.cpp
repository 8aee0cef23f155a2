#include "rules/TipSearch.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/Charts.h"
#include "rules/Evaluation.h"
#include "rules/Matching.h"
#include "session/LottoZahlen.h"
#include "session/SheetCommands.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace zf {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A locked row's six numbers, or nothing when its cells do not hold six.
std::optional<Tip> lockedTip(const TipSheet& s, int r)
{
    Tip t{};
    for (int c = 0; c < TipSheet::kCols; ++c) {
        const auto v = tryToInt(s.cell(r, c));
        if (!v || *v < 1 || *v > 40)
            return std::nullopt;
        t[c] = static_cast<uint8_t>(*v);
    }
    return t;
}

// A locked row without six numbers would leave the calculation half done, so
// it is refused before anything changes.
void checkLockedRows(const LottoZahlen& app)
{
    const TipSheet& s = app.sheet();
    for (int r = 0; r < TipSheet::kRows; ++r)
        if (s.locked(r) && !lockedTip(s, r))
            throw Error("Der gesperrte " + std::to_string(r + 1) + ". " + app.msg(24) +
                        " enthält keine sechs Zahlen. Bitte vervollständigen Sie ihn oder heben Sie die "
                        "Sperre auf; die Berechnung wurde nicht gestartet.");
}

class Calculation {
public:
    explicit Calculation(LottoZahlen& app) : m_app(app), m_o(app.options()), m_test(app) {}

    CalcOutcome run();

private:
    Feedback& feedback() { return *m_app.ports().feedback; }
    bool running() const { return !m_app.calc.stop; }
    void searchRow(int r);
    void drawCandidate(Tip& t);
    void relax(int r);
    std::string dreamNumber();
    std::string progressLine(int r, const Tip& t, int sum) const;
    // The end steps; returns an error of the closing evaluation.
    std::optional<std::string> finish();

    LottoZahlen& m_app;
    Options& m_o;
    CandidateTest m_test;
    int m_runs = 0;
    SteadyClock::time_point m_lastEvents;
    std::string m_caption;
    bool m_checkBox8 = false;
    int m_upDown4 = 0, m_upDown5 = 0, m_upDown6 = 0;
    bool m_searching = false; // a row has entered the search
};

CalcOutcome Calculation::run()
{
    checkLockedRows(m_app);
    CalcButton& button = m_app.calc.bitBtn4;
    m_caption = button.caption;
    button.set(m_app.msg(16));
    m_app.sortieren = false;
    m_app.updateLaufMax();
    m_checkBox8 = m_o.flag("CheckBox8");
    m_upDown4 = m_o.integer("UpDown4");
    m_upDown5 = m_o.integer("UpDown5");
    m_upDown6 = m_o.integer("UpDown6");
    feedback().setBusy(true);
    m_app.calc.runs = 0;
    m_app.calc.numberList.clear();
    m_app.calc.status.clear();

    // the sheet as it was, for a calculation that cannot start its search
    std::vector<std::array<std::string, TipSheet::kCols + 1>> before(TipSheet::kRows);
    for (int r = 0; r < TipSheet::kRows; ++r) {
        for (int c = 0; c < TipSheet::kCols; ++c)
            before[r][c] = m_app.sheet().cell(r, c);
        before[r][TipSheet::kCols] = m_app.sheet().dream(r);
    }
    auto giveBack = [&] {
        for (int r = 0; r < TipSheet::kRows; ++r) {
            for (int c = 0; c < TipSheet::kCols; ++c)
                m_app.sheet().setCell(r, c, before[r][c]);
            m_app.sheet().setDream(r, before[r][TipSheet::kCols]);
        }
    };

    std::optional<std::string> failure;
    try {
        const ReferenceDraws ref = fetchReferenceDraws(m_app);
        m_test.setReferenceDraws(ref.r1, ref.r2, ref.r3);
        SpeedButton11Click(m_app);
        m_test.clearAccepted();
        NumberList& list = m_app.calc.numberList;
        list = buildNumberList(m_app, ref);
        if (m_o.flag("CheckBox20") && editNumberList(m_app, list) == ListMode::Abort) {
            feedback().setBusy(false);
            button.set(m_caption);
            m_app.sortieren = true;
            return CalcOutcome::Aborted;
        }
        feedback().setStatus(1, m_app.msg(23));
        feedback().showPage(Page::Lottotipp);
        m_app.berechnunglaeuft = true;
        m_lastEvents = SteadyClock::now();
        m_test.checkFileNextTime();
        for (int r = 0; r < TipSheet::kRows; ++r)
            searchRow(r);
    } catch (const std::exception& e) {
        failure = e.what();
        if (!m_searching)
            giveBack();
    }
    const bool stopped = !running();
    const auto endFailure = finish();
    if (!failure)
        failure = endFailure;
    if (failure) {
        m_app.ports().dialogs->error(*failure);
        return CalcOutcome::Failed;
    }
    if (m_runs >= m_app.laufMax)
        return CalcOutcome::BudgetExhausted;
    return stopped ? CalcOutcome::Stopped : CalcOutcome::Finished;
}

void Calculation::searchRow(int r)
{
    TipSheet& sheet = m_app.sheet();
    Tip t{};
    // the lock as it stands now: the user may lock or unlock rows while the search runs
    if (sheet.locked(r)) {
        if (r < 5)
            sheet.setDream(r, "-");
        const auto locked = lockedTip(sheet, r);
        if (!locked) { // locked meanwhile without six numbers: left as it is
            m_test.addAccepted(t);
            return;
        }
        t = *locked;
    } else {
        if (r == 0 || (m_runs < m_app.laufMax && r < m_o.integer("UpDown8"))) {
            // checked when a row first needs the list: with every searched row locked it is never drawn from
            const NumberList& list = m_app.calc.numberList;
            if (!m_searching && distinctNumbers(list) < 6)
                throw Error("Die Zahlenliste enthält " + std::to_string(distinctNumbers(list)) +
                            " verschiedene Zahlen; für einen Tipp werden sechs gebraucht. Bitte wählen Sie weniger "
                            "Einschränkungen; die Berechnung wurde beendet.");
            m_searching = true;
            bool accepted = false;
            while (!accepted) {
                if (m_runs >= m_app.laufMax || !running())
                    break;
                if (SteadyClock::now() - m_lastEvents >= std::chrono::milliseconds(m_app.calc.eventIntervalMs)) {
                    feedback().processEvents();
                    m_test.checkFileNextTime();
                    m_lastEvents = SteadyClock::now();
                }
                m_app.calc.runs = ++m_runs;
                if (m_runs == m_app.laufMax / 2)
                    m_o.setFlag("CheckBox8", false);
                if (r >= 2)
                    relax(r);
                drawCandidate(t);
                std::sort(t.begin(), t.end());
                int sum = 0;
                for (uint8_t v : t)
                    sum += v;
                accepted = m_test.test(t, sum);
                // the line is shown when the window next paints
                if (accepted ||
                    SteadyClock::now() - m_lastEvents >= std::chrono::milliseconds(m_app.calc.eventIntervalMs))
                    feedback().setStatus(1, progressLine(r, t, sum));
                if (!accepted)
                    t = Tip{};
            }
        }
        if (m_runs >= m_app.laufMax)
            t = Tip{};
        std::sort(t.begin(), t.end());
        int sum = 0;
        for (uint8_t v : t)
            sum += v;
        sheet.setSum(r, std::to_string(sum));
        sheet.setDream(r, dreamNumber());
    }
    for (int c = 0; c < TipSheet::kCols; ++c)
        sheet.setCell(r, c, std::to_string(t[c])); // "0" leaves the cell empty
    m_test.addAccepted(t);
}

void Calculation::drawCandidate(Tip& t)
{
    const NumberList& list = m_app.calc.numberList;
    const auto size = static_cast<uint32_t>(list.size());
    for (int p = 0; p < 6;) {
        const uint8_t v = list[m_app.random().below(size)];
        if (v == 0 || std::find(t.begin(), t.begin() + p, v) != t.begin() + p)
            continue;
        t[p++] = v;
    }
}

void Calculation::relax(int r)
{
    const int laufMax = m_app.laufMax;
    if (m_runs == laufMax - 20000)
        m_o.setInt("UpDown6", 6);
    if (m_runs == laufMax - 10000) {
        m_o.setInt("UpDown5", 2);
        if (r != 7)
            m_o.setInt("UpDown4", 1);
    }
    if (m_runs == laufMax - 5000) {
        if (r != 7)
            m_o.setInt("UpDown5", 3);
        m_o.setInt("UpDown4", 2);
    }
}

std::string Calculation::dreamNumber()
{
    if (!m_o.flag("CheckBox33"))
        return "-";
    const int item = m_o.integer("RadioGroup1");
    if (item == 0)
        return std::to_string(1 + m_app.random().below(5));
    if (item < 1 || item > 3)
        return "-";
    if (item == 2)
        Button8Click(m_app);
    else
        SpeedButton3Click(m_app);
    const auto& bars = m_app.chart().bars;
    if (bars.size() < 5)
        return "-";
    int best = item == 2 ? 1 : 0;
    for (int i = 0; i < 5; ++i)
        if (item == 1 ? bars[i].y < bars[best].y : bars[i].y > bars[best].y)
            best = i;
    return std::to_string(best + 1);
}

std::string Calculation::progressLine(int r, const Tip& t, int sum) const
{
    std::string line = std::to_string(r + 1) + "." + m_app.msg(24) + ":  " + std::to_string(t[0]) + " ";
    for (int i = 1; i < 6; ++i)
        line += std::to_string(t[i]) + (i < 5 ? "  " : "");
    line += r == 1 || r == 3 ? "   QS: " : r == 2 ? "    QS: " : "  QS: ";
    return line + std::to_string(sum);
}

std::optional<std::string> Calculation::finish()
{
    m_app.sortieren = true;
    feedback().setBusy(false);
    m_app.calc.status = m_app.msg(m_runs >= m_app.laufMax ? 25 : 26);
    feedback().setStatus(1, m_app.calc.status);
    m_o.setFlag("CheckBox8", m_checkBox8);
    m_o.setInt("UpDown4", m_upDown4);
    m_o.setInt("UpDown5", m_upDown5);
    m_o.setInt("UpDown6", m_upDown6);
    m_app.calc.bitBtn4.set(m_caption);
    std::optional<std::string> failure;
    try {
        SpeedButton5Click(m_app);
        Komplettcheck(m_app);
    } catch (const std::exception& e) {
        failure = e.what();
    }
    m_app.berechnunglaeuft = false;
    return failure;
}

} // namespace

CalcOutcome Label28Click(LottoZahlen& app)
{
    if (app.calc.active) {
        app.calc.stop = true;
        app.calc.bitBtn4.set("");
        return CalcOutcome::StopRequested;
    }
    app.calc.active = true;
    app.calc.stop = false;
    CalcOutcome outcome = CalcOutcome::Failed;
    try {
        outcome = Calculation(app).run();
    } catch (const Error& e) {
        app.ports().dialogs->error(e.what()); // refused before anything changed
    } catch (...) {
        app.calc.active = false;
        throw;
    }
    app.calc.active = false;
    return outcome;
}

} // namespace zf
