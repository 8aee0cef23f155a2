#include "rules/HistoricalAnalysis.h"

#include "ground/Formats.h"
#include "ground/Texts.h"
#include "rules/DrawLines.h"
#include "rules/Matching.h"

#include <algorithm>
#include <cmath>

namespace zf {

namespace {

// The control's generator differs from the calculation's, which restarts
// from the seed in every pass.
constexpr uint64_t kControlStream = 0x9E3779B97F4A7C15ULL;

class Quiet : public Progress {};

double binomial(int n, int k)
{
    double r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

std::string passLine(int k, int n, double day)
{
    return text(Text::AnalysisPass, {std::to_string(k), std::to_string(n), formatDate(toDay(day))});
}

// Six distinct numbers of 1..40 and a dream number; the dream number takes
// its share of the generator so the control plays whole tips.
std::array<int, 6> randomTip(Random& random)
{
    std::array<int, 40> pool{};
    for (int i = 0; i < 40; ++i)
        pool[i] = i + 1;
    std::array<int, 6> tip{};
    for (int i = 0; i < 6; ++i) {
        const auto j = i + static_cast<int>(random.below(static_cast<uint32_t>(40 - i)));
        std::swap(pool[i], pool[j]);
        tip[i] = pool[i];
    }
    random.below(5);
    return tip;
}

void fillControl(BacktestResult& r, const std::array<int, 7>& randomCounts)
{
    int tips = 0;
    for (int g = 0; g < 7; ++g)
        tips += r.thursday[g][0] + r.thursday[g][1] + r.other[g][0] + r.other[g][1];
    for (int g = 0; g < 7; ++g) {
        ControlRow& c = r.control[g];
        c.program = r.thursday[g][0] + r.thursday[g][1] + r.other[g][0] + r.other[g][1];
        c.random = randomCounts[g];
        c.expected = tips * matchOdds(g);
        // two independent binomial counts of `tips` trials each
        double spread = 0;
        if (tips > 0) {
            const double p = double(c.program) / tips, q = double(c.random) / tips;
            spread = 1.96 * std::sqrt(tips * (p * (1 - p) + q * (1 - q)));
        }
        c.low = c.program - c.random - spread;
        c.high = c.program - c.random + spread;
    }
}

} // namespace

double matchOdds(int g)
{
    if (g < 0 || g > 6)
        return 0;
    return binomial(6, g) * binomial(34, 6 - g) / binomial(40, 6);
}

BacktestResult backtest(BacktestInput in, Progress& progress, const CancelFlag& cancel)
{
    BacktestResult r;
    r.sheet = in.calc.sheet;
    r.random = in.calc.random;
    const std::vector<Draw>& draws = *in.calc.draws;
    const Options& o = in.calc.options;
    const int stepDays = o.flag(Opt::CheckBox16) && o.flag(Opt::CheckBox17) ? 3 : 6;
    int current = drawIndexForDay(draws, std::round(in.chosenDay));
    if (current < 0 && toDay(in.today) != toDay(in.chosenDay)) {
        r.error = text(Text::ReadDrawsFirst);
        return r;
    }
    double picker = current >= 0 ? draws[current].datum : in.chosenDay;

    // the number of passes, for the progress bar: the same steps without calculations
    int passes = 0;
    for (double prev = std::round(in.today), p = std::round(in.chosenDay), d = picker;
         current >= 0 && toDay(prev) != toDay(p); ++passes) {
        prev = p;
        d = draws[drawIndexForDay(draws, d + stepDays)].datum;
        p = d;
    }

    Random control(in.seed ^ kControlStream);
    std::array<int, 7> randomCounts{};
    Quiet quiet;
    Matching m;
    int wins = 4;
    double prev = std::round(in.today);
    double p = std::round(in.chosenDay);
    while (toDay(prev) != toDay(p)) {
        if (cancel.load()) {
            r.stopped = true;
            return r;
        }
        prev = p;
        progress.report(r.passes, passes, passLine(r.passes + 1, passes, picker));
        if (!(in.onlyAfterWin && wins == 0)) {
            CalcInput calc = in.calc;
            calc.sheet = r.sheet;
            calc.endDay = picker;
            calc.random.setSeed(in.seed);
            CalcResult c = calculateTips(std::move(calc), quiet, cancel);
            if (c.outcome == CalcOutcome::Stopped || cancel.load()) {
                r.stopped = true;
                return r;
            }
            if (c.outcome == CalcOutcome::Failed || c.outcome == CalcOutcome::Aborted) {
                r.error = c.error.value_or(std::string());
                return r;
            }
            r.sheet = std::move(c.sheet);
            r.random = c.random;
            ++r.calculations;
        }
        current = drawIndexForDay(draws, picker + stepDays);
        picker = draws[current].datum;
        const DrawNumbers drawn = numbersOf(draws[current]);
        checkSheet(r.sheet, drawn, m);
        ++r.passes;
        wins = 0;
        auto& table = isThursday(picker) ? r.thursday : r.other;
        int tips = 0;
        for (int g = 0; g < 7; ++g) {
            table[g][0] += m.statistik[g][0];
            table[g][1] += m.statistik[g][1];
            tips += m.statistik[g][0] + m.statistik[g][1];
            if (g >= 3)
                wins += m.statistik[g][0] + m.statistik[g][1];
        }
        Matching cm;
        for (int t = 0; t < tips; ++t) {
            matchTip(cm, drawn, randomTip(control), -1);
            ++randomCounts[std::min(cm.gewinn, 6)];
        }
        p = picker;
    }
    progress.report(r.passes, passes, passLine(r.passes, passes, picker));
    r.lastDraw = current;
    r.lastDay = picker;
    fillControl(r, randomCounts);
    return r;
}

std::vector<std::string> backtestReport(const BacktestResult& r, const Messages& texts)
{
    std::vector<std::string> lines{texts[Msg::ParameterAnalysisTitle]};
    for (int g = 0; g < 7; ++g) {
        const std::string n = std::to_string(g);
        lines.push_back(n + "x\t=>\t" + std::to_string(r.thursday[g][0]) + "\t=>\t" + std::to_string(r.other[g][0]));
        if (g < 6)
            lines.push_back(n + "x + ZZ\t=>\t" + std::to_string(r.thursday[g][1]) + "\t=>\t" +
                            std::to_string(r.other[g][1]));
    }
    lines.emplace_back();
    lines.push_back(std::to_string(r.passes) + " " + texts[Msg::Draws]);
    for (int g = 0; g < 7; ++g) {
        const ControlRow& c = r.control[g];
        lines.push_back("control: " + std::to_string(g) + " program " + std::to_string(c.program) + " random " +
                        std::to_string(c.random) + " expected " + formatFloat(c.expected, 2) + " low " +
                        formatFloat(c.low, 2) + " high " + formatFloat(c.high, 2));
    }
    return lines;
}

ChartData controlChart(const BacktestResult& r, const Messages& texts)
{
    ChartData chart;
    chart.groups = {text(Text::ControlProgram), text(Text::ControlRandom), text(Text::ControlExpected)};
    static constexpr uint32_t kColours[] = {ChartBar::kSeriesColour, 0x808080, 0x2060C0};
    double top = 0;
    for (int g = 0; g < 7; ++g) {
        const ControlRow& c = r.control[g];
        const double values[] = {double(c.program), double(c.random), std::round(c.expected * 100) / 100};
        for (int k = 0; k < 3; ++k) {
            chart.bars.push_back(ChartBar{double(g), values[k], kColours[k]});
            top = std::max(top, values[k]);
        }
    }
    chart.marksVisible = true;
    chart.axisMax = top;
    chart.title = texts[Msg::ParameterAnalysisTitle];
    return chart;
}

RepeatResult analyseRepeats(const RepeatInput& in, Progress& progress, const CancelFlag& cancel)
{
    RepeatResult r;
    const std::vector<Draw>& draws = *in.draws;
    if (draws.empty())
        return r;
    int cur = drawIndexForDay(draws, std::round(in.chosenDay));
    const int last = static_cast<int>(draws.size()) - 1;
    auto next = [&](int from) {
        const int j = stepIndex(draws, from, +1, in.filter);
        return j >= 0 && draws[j].datum > draws[from].datum ? j : -1;
    };
    int passes = 1;
    for (int i = cur; (i = next(i)) >= 0 && draws[i].datum < draws[last].datum;)
        ++passes;

    double start = std::round(in.chosenDay); // the first pass compares nothing
    Matching m;
    auto matches = [&m](const Draw& d, const std::array<int, 6>& tip) {
        matchTip(m, numbersOf(d), tip, -1);
        return std::min(m.gewinn, 6);
    };
    for (int pass = 1;; ++pass) {
        if (cancel.load()) {
            r.stopped = true;
            return r;
        }
        progress.report(pass - 1, passes, passLine(pass, passes, draws[cur].datum));
        r.lastTip = cur;
        const DrawNumbers z = numbersOf(draws[cur]);
        const std::array<int, 6> tip{z[1], z[2], z[3], z[4], z[5], z[6]};
        const double end = draws[cur].datum;
        for (const Draw& d : draws) {
            if (d.datum < start || d.datum >= end)
                continue;
            const int g = matches(d, tip);
            ++r.tables[0][g];
            if (g >= in.minimum && in.goOn && !in.goOn(d.datum)) {
                r.stopped = true;
                return r;
            }
        }
        start = std::round(in.windowStart);
        // the follow-up tables count the matches of the tip being analysed
        const int n1 = next(cur);
        r.current = cur;
        if (n1 < 0)
            break;
        ++r.tables[1][matches(draws[n1], tip)];
        if (const int n2 = next(n1); n2 >= 0) {
            ++r.tables[2][matches(draws[n2], tip)];
            if (const int n3 = next(n2); n3 >= 0)
                ++r.tables[3][matches(draws[n3], tip)];
        }
        cur = n1;
        r.current = cur;
        if (draws[cur].datum >= draws[last].datum)
            break;
    }
    progress.report(passes, passes, passLine(passes, passes, draws[r.current].datum));
    return r;
}

std::vector<std::string> repeatReport(const RepeatResult& r, const Messages& texts)
{
    static constexpr Msg kTitles[] = {Msg::HitsSameDraw, Msg::HitsNextDraw, Msg::HitsSecondNextDraw,
                                      Msg::HitsThirdNextDraw};
    std::vector<std::string> lines;
    for (int t = 0; t < 4; ++t) {
        if (t > 0)
            lines.emplace_back(" ");
        lines.push_back(texts[kTitles[t]]);
        for (int g = 0; g < 7; ++g)
            lines.push_back(std::to_string(g) + "x    =>" + std::to_string(r.tables[t][g]));
    }
    return lines;
}

} // namespace zf
