#include "rules/Evaluation.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/DrawView.h"
#include "rules/Matching.h"
#include "session/LottoZahlen.h"

#include <cmath>
#include <optional>

namespace zf {

int SpeedButton5Click(LottoZahlen& app)
{
    const DrawFile file = app.drawFile();
    if (!file.exists()) {
        app.ports().dialogs->information("Lesen Sie zuerst die Daten der Ziehungen ein");
        file.createEmpty();
        return 0;
    }
    const double target = std::round(app.dateTimePicker1);
    app.aktDatum = target;
    const std::vector<Draw> draws = file.readAll();
    app.current.position = 0;
    if (!draws.empty()) {
        int i = 0;
        while (i + 1 < static_cast<int>(draws.size()) && draws[i].datum < target)
            ++i;
        app.current.setFrom(draws[i], i);
        // the draw found at the first record of a longer file is shown with one blank more
        const bool firstOfMany = i == 0 && draws.size() > 1 && draws[0].datum >= target;
        showDraw(app, firstOfMany ? "   " : "  ", "     DREAM:");
    }
    app.setDateTimePicker1(app.current.datum1);
    return Komplettcheck(app);
}

void SpeedButton4Click(LottoZahlen& app)
{
    const std::string answer = app.ports().dialogs->inputBox(app.msg(4), app.msg(5), "6");
    tipSearch(app, toInt(answer));
}

namespace {

struct Tip {
    std::array<int, 6> numbers{};
    int plus = -1;
};

// A row as the search reads it: nullopt for an empty row, -1 for a dream
// number box showing "-" (no dream number never matches).
std::optional<Tip> readTip(const LottoZahlen& app, int row)
{
    const TipSheet& s = app.sheet();
    bool empty = true;
    for (int c = 0; c < TipSheet::kCols; ++c)
        empty = empty && s.cell(row, c).empty();
    if (empty)
        return std::nullopt;
    const std::string name = std::to_string(row + 1) + ". Tipp"; // the row label's caption
    Tip t;
    for (int c = 0; c < TipSheet::kCols; ++c) {
        const auto v = tryToInt(s.cell(row, c));
        if (!v)
            throw ConvertError(name + ": \"" + s.cell(row, c) + "\" ist keine Zahl; bitte den Tipp vervollständigen.");
        t.numbers[c] = *v;
    }
    if (s.dream(row) != "-") {
        const auto d = tryToInt(s.dream(row));
        if (!d)
            throw ConvertError(name + ": \"" + s.dream(row) + "\" ist keine Traumzahl.");
        t.plus = *d;
    }
    return t;
}

// The search takes a Thursday draw only while "Donnerstag Ziehungen" is
// ticked and a Monday draw only while "Montag Ziehungen" is ticked.
bool searched(const LottoZahlen& app, double datum)
{
    return (app.options().flag("CheckBox16") && isThursday(datum)) ||
           (app.options().flag("CheckBox17") && isMonday(datum));
}

} // namespace

void tipSearch(LottoZahlen& app, int minimum, const TipStop& onStop)
{
    app.aktDatum = app.dateTimePicker2();
    app.dfb = app.dateTimePicker1;
    app.matching.gewinn = 0;
    ChartData& chart = app.chart();
    chart.series1Visible = false;
    chart.series2Visible = true;
    chart.bars.clear();
    app.chartChanged();

    const DateWindow window{app.aktDatum, app.dfb, true};
    TipSheet& s = app.sheet();
    bool toEnd = true;
    app.drawFile().scan([&](const Draw& d) {
        if (!window.contains(d.datum) || !searched(app, d.datum))
            return true;
        app.current.datum1 = d.datum;
        for (int k = 0; k < 8; ++k)
            app.current.zahl[k + 1] = d.zahlen[k];
        showDraw(app, "  ", "   DREAM:");
        for (int row = 0; row < TipSheet::kRows; ++row) {
            const auto tip = readTip(app, row);
            if (!tip) {
                s.setMatch(row, "", false);
                continue;
            }
            Matching& m = app.matching;
            Zettelcheck(m, app.current.zahl, tip->numbers, tip->plus);
            s.setMatch(row, m.label(), m.gewinn >= 2);
            if (m.gewinn >= minimum) {
                const int gewinn = m.gewinn;
                const std::string label = m.label();
                Komplettcheck(app);
                // the full check blanks a row without a dream number; the stop must still show its score
                s.setMatch(row, label, gewinn >= 2);
                if (onStop)
                    onStop(d.datum, row, gewinn);
                const std::string text = app.msg(6) + formatDate(toDay(d.datum)) + "   " + app.msg(7);
                if (!app.ports().dialogs->askYesNo(text, app.msg(8))) {
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
        app.chartChanged();
    }
}

} // namespace zf
