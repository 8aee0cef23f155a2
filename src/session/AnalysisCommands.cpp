#include "session/AnalysisCommands.h"

#include "ground/AtomicFile.h"
#include "ground/Cp1252.h"
#include "ground/Formats.h"
#include "ground/Rtf.h"
#include "ground/Texts.h"
#include "rules/DrawLines.h"
#include "session/Calculation.h"
#include "session/DrawCommands.h"
#include "session/Session.h"
#include "session/SheetCommands.h"

#include <filesystem>

namespace zf {

namespace {

// Asks until the answer is a whole number; cancelling gives the default.
int askInteger(Session& s, const std::string& caption, const std::string& prompt, const std::string& def)
{
    for (;;) {
        const std::string answer = s.ports().dialogs->inputBox(caption, prompt, def);
        if (const auto n = tryToInt(answer))
            return *n;
        s.ports().dialogs->information(text(Text::NotAnInteger, {answer}));
    }
}

// The analyses start from the draw of the chosen date; without a draw file
// the evaluation says so, creates it, and there is nothing to analyse.
bool evaluateChosenDate(Session& s)
{
    const bool exists = s.drawFile().exists();
    evaluateForDate(s);
    return exists;
}

// The draw the analysis ended on becomes current and the sheet is checked against it.
void endOnDraw(Session& s, double day)
{
    s.setEndDay(day);
    evaluateForDate(s);
}

} // namespace

std::optional<BacktestInput> prepareBacktest(Session& s, std::optional<int> seed)
{
    if (const auto refusal = incompleteLockedRow(s.sheet(), s.messages())) {
        s.ports().dialogs->error(*refusal);
        return std::nullopt;
    }
    BacktestInput in;
    in.chosenDay = s.endDay;
    if (!evaluateChosenDate(s))
        return std::nullopt;
    // a seed taken from the clock is wider than the box's range; its default must be an answer
    if (!seed)
        seed = askInteger(s, s.msg(Msg::LuckyNumberCaption) + " (1-99999999)?", s.msg(Msg::LuckyNumberPrompt),
                          std::to_string(s.random().seed() % 100000000));
    in.seed = static_cast<uint32_t>(*seed);
    s.random().setSeed(in.seed);
    s.ports().feedback->setStatus(1, s.msg(Msg::LuckyNumberPrompt) + " " + std::to_string(*seed));
    in.today = s.ports().clock->today();
    in.onlyAfterWin = s.options().flag(Opt::CheckBox31);
    in.calc = calculationSnapshot(s);
    // the passes run through without showing the number list
    in.calc.options.setFlag(index(Opt::CheckBox20), false);
    return in;
}

std::optional<std::vector<std::string>> finishBacktest(Session& s, const BacktestResult& r)
{
    if (r.stopped)
        return std::nullopt;
    if (r.error) {
        s.ports().dialogs->error(s.msg(Msg::AnalysisStopped) + (r.error->empty() ? "" : "\n" + *r.error));
        return std::nullopt;
    }
    s.sheet().assignRows(r.sheet);
    s.random() = r.random;
    endOnDraw(s, r.lastDay);
    std::vector<std::string> lines = backtestReport(r, s.messages());
    std::string bytes;
    for (const std::string& l : lines)
        bytes += utf8ToCp1252(l) + "\r\n";
    const std::string path = (std::filesystem::current_path() / "Test.txt").string();
    writeFileAtomically(path, bytes);
    s.chart() = controlChart(r, s.messages());
    s.chartChanged();
    s.ports().shell->open(path);
    return lines;
}

std::optional<std::vector<std::string>> runBacktest(Session& s, std::optional<int> seed, Progress& progress,
                                                    const CancelFlag& cancel)
{
    auto in = prepareBacktest(s, seed);
    if (!in)
        return std::nullopt;
    return finishBacktest(s, backtest(std::move(*in), progress, cancel));
}

std::optional<RepeatInput> prepareRepeats(Session& s, std::optional<int> minimum)
{
    RepeatInput in;
    in.chosenDay = s.endDay;
    if (!evaluateChosenDate(s))
        return std::nullopt;
    s.ports().feedback->showPage(Page::Lottotipp);
    if (!minimum)
        minimum = askInteger(s, s.msg(Msg::SearchDbCaption), s.msg(Msg::AnalysisMinimumPrompt), "6");
    in.minimum = *minimum;
    in.draws = s.drawSnapshot();
    in.windowStart = s.windowStart();
    in.filter = s.weekdayFilter();
    in.goOn = [dialogs = s.ports().dialogs, ask = s.msg(Msg::HitsInDrawOf), goOn = s.msg(Msg::FoundContinue),
               caption = s.msg(Msg::HitsFound)](double day) {
        return dialogs->askYesNo(ask + formatDate(toDay(day)) + "  " + goOn, caption);
    };
    return in;
}

bool finishRepeats(Session& s, const RepeatResult& r)
{
    if (r.stopped)
        return false;
    const DrawSnapshot draws = s.drawSnapshot();
    if (r.lastTip >= 0 && r.current >= 0 && r.current < static_cast<int>(draws->size())) {
        clearTips(s);
        const DrawNumbers z = numbersOf((*draws)[r.lastTip]);
        for (int c = 0; c < TipSheet::kCols; ++c)
            s.sheet().setCell(0, c, std::to_string(z[c + 1]));
        endOnDraw(s, (*draws)[r.current].datum);
    }
    ChartData& chart = s.chart();
    chart.series1Visible = false;
    chart.series2Visible = true;
    chart.bars.clear();
    s.chartChanged();
    const std::string path = s.home + "Test.rtf";
    writeFileAtomically(path, rtfDocument(repeatReport(r, s.messages())));
    s.ports().shell->open(path);
    return true;
}

std::optional<RepeatResult> runRepeats(Session& s, std::optional<int> minimum, Progress& progress,
                                       const CancelFlag& cancel)
{
    auto in = prepareRepeats(s, minimum);
    if (!in)
        return std::nullopt;
    RepeatResult r = analyseRepeats(*in, progress, cancel);
    finishRepeats(s, r);
    return r;
}

} // namespace zf
