#include "session/DrawCommands.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/DrawLines.h"
#include "rules/Matching.h"
#include "session/Session.h"
#include "session/SheetCommands.h"

#include <cmath>

namespace zf {

void showDraw(Session& s, const std::string& separator, const std::string& dreamLabel)
{
    const auto& z = s.current.zahl;
    DrawLabels& l = s.drawLabels;
    l.label29 = drawLine(s.current.datum1, z, separator, dreamLabel);
    Draw shown;
    shown.datum = s.current.datum1;
    for (size_t i = 0; i < shown.zahlen.size(); ++i)
        shown.zahlen[i] = static_cast<uint8_t>(z[i + 1]);
    if (const auto damage = drawDamage(shown))
        l.label29 += text(Text::DamagedMark, {*damage});
    l.label13 = "QS: " + std::to_string(z[1] + z[2] + z[3] + z[4] + z[5] + z[6]);
    l.label35 = l.label29;
    l.notify();
}

int evaluateForDate(Session& s)
{
    const DrawFile file = s.drawFile();
    if (file.absent()) {
        s.ports().dialogs->information(text(Text::ReadDrawsFirst));
        return 0;
    }
    const double target = std::round(s.endDay);
    s.aktDatum = target;
    const DrawSnapshot records = s.drawRecords();
    const std::vector<Draw>& draws = *records;
    s.current.position = 0;
    if (const int i = drawIndexForDay(draws, target); i >= 0) {
        s.current.setFrom(draws[i], i);
        // the draw found at the first record of a longer file is shown with one blank more
        const bool firstOfMany = i == 0 && draws.size() > 1 && draws[0].datum >= target;
        showDraw(s, firstOfMany ? "   " : "  ", "     DREAM:");
    }
    s.setEndDay(s.current.datum1);
    return checkTips(s);
}

namespace {

bool step(Session& s, int dir)
{
    const DrawSnapshot records = s.drawRecords();
    const std::vector<Draw>& draws = *records;
    s.aktDatum = s.windowStart();
    const int i = stepIndex(draws, s.current.position, dir, s.weekdayFilter());
    if (i < 0)
        return false;
    const bool moved = i != s.current.position;
    CurrentDraw& c = s.current;
    c.datum1 = draws[i].datum;
    c.zahl = numbersOf(draws[i]);
    c.position = i;
    showDraw(s, "  ", "     DREAM:");
    s.setEndDay(c.datum1);
    checkTips(s);
    return moved;
}

} // namespace

bool stepForward(Session& s)
{
    return step(s, +1);
}

bool stepBack(Session& s)
{
    return step(s, -1);
}

void showChart(Session& s, ChartKind kind)
{
    Feedback& feedback = *s.ports().feedback;
    const BusyScope busy(feedback);
    if (kind == ChartKind::TipDistribution) {
        s.chart() = tipDistribution(s.sheet(), s.messages());
    } else {
        // count first, so a failed read leaves the previous chart as it was
        ChartCount count =
            computeChart(kind, *s.drawSnapshot(), s.windowStart(), s.endDay, s.weekdayFilter(), s.messages());
        if (count.start)
            s.aktDatum = *count.start;
        if (count.end)
            s.dfb = *count.end;
        if (count.lastDraw)
            s.current.zahl = *count.lastDraw;
        if (count.lastGroup)
            matchTip(s.matching, s.current.zahl, *count.lastGroup, 0);
        s.chart() = std::move(count.chart);
    }
    s.chartChanged();
    if (chartInfo(kind).toFront)
        feedback.showPage(Page::Diagramm);
}

void askAndSearchTipsInDb(Session& s)
{
    const std::string answer =
        s.ports().dialogs->inputBox(s.msg(Msg::SearchDbCaption), s.msg(Msg::SearchDbPrompt), "6");
    searchTipsInDb(s, toInt(answer));
}

namespace {

// A row as the search reads it: nullopt for an empty row; its dream number
// as the full check scores it ("-" for none).
std::optional<Tip> searchedTip(const TipSheet& sheet, int row)
{
    if (sheet.emptyRow(row))
        return std::nullopt;
    const std::string name = text(Text::TipRowName, {std::to_string(row + 1)}); // the row label's caption
    auto tip = sheet.tip(row);
    if (!tip) {
        for (int c = 0; c < TipSheet::kCols; ++c)
            if (!tryToInt(sheet.cell(row, c)))
                throw ConvertError(Text::CellNotANumber, {name, sheet.cell(row, c)});
    }
    const auto dream = scoredDream(sheet.dream(row));
    if (!dream)
        throw ConvertError(Text::NotADreamNumber, {name, sheet.dream(row)});
    tip->dream = *dream;
    return tip;
}

// The search takes a Thursday draw only while "Donnerstag Ziehungen" is
// ticked and a Monday draw only while "Montag Ziehungen" is ticked.
bool searched(const WeekdayFilter& f, double datum)
{
    return (f.thursday && isThursday(datum)) || (f.monday && isMonday(datum));
}

} // namespace

void searchTipsInDb(Session& s, int minimum, const TipStop& onStop)
{
    s.aktDatum = s.windowStart();
    s.dfb = s.endDay;
    s.matching.gewinn = 0;
    ChartData& chart = s.chart();
    chart.series1Visible = false;
    chart.series2Visible = true;
    chart.bars.clear();
    s.chartChanged();

    const DateWindow window{s.aktDatum, s.dfb, true};
    const WeekdayFilter filter = s.weekdayFilter();
    TipSheet& sheet = s.sheet();
    bool toEnd = true;
    s.drawFile().scan([&](const Draw& d) {
        if (!window.contains(d.datum) || !searched(filter, d.datum) || drawDamage(d))
            return true;
        s.current.datum1 = d.datum;
        s.current.zahl = numbersOf(d);
        showDraw(s, "  ", "   DREAM:");
        for (int row = 0; row < TipSheet::kRows; ++row) {
            const auto tip = searchedTip(sheet, row);
            if (!tip) {
                for (int c = 0; c < TipSheet::kCols; ++c)
                    sheet.setColour(row, c, CellColour::Window);
                sheet.setMatch(row, "", false);
                sheet.setSum(row, "");
                continue;
            }
            Matching& m = s.matching;
            matchTip(m, s.current.zahl, tip->numbers, *tip->dream);
            // colours, label and cross sum as the full check shows them, so
            // no colours of an earlier draw stay beside this draw's scores
            int sum = 0;
            for (int x : tip->numbers)
                sum += static_cast<uint8_t>(x);
            showScore(sheet, row, m, sum);
            if (m.gewinn >= minimum) {
                const int gewinn = m.gewinn;
                checkTips(s);
                if (onStop)
                    onStop(d.datum, row, gewinn);
                const std::string text =
                    s.msg(Msg::HitsInDrawOf) + formatDate(toDay(d.datum)) + "   " + s.msg(Msg::FoundContinue);
                if (!s.ports().dialogs->askYesNo(text, s.msg(Msg::HitsFound))) {
                    toEnd = false;
                    return false;
                }
            }
        }
        return true;
    });
    if (toEnd) {
        for (int x = 0; x < 10; ++x)
            chart.bars.push_back(ChartBar{static_cast<double>(x), 0});
        s.chartChanged();
    }
}

} // namespace zf
