#include "rules/Matching.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "session/LottoZahlen.h"

#include <algorithm>
#include <utility>

namespace zf {

std::string Matching::label() const
{
    std::string t = std::to_string(gewinn);
    if (zusatz)
        t += " + Z";
    if (super)
        t += " + D";
    return t;
}

void Zettelcheck(Matching& m, const std::array<int, 9>& zahl, const std::array<int, 6>& numbers, int plus)
{
    m.gewinn = 0;
    m.zusatz = false;
    m.super = false;
    m.treffer.fill(0);
    // a number given twice, or drawn in two slots, counts twice
    for (int i = 1; i <= 6; ++i)
        for (int k = 0; k < 6; ++k)
            if (numbers[k] == zahl[i]) {
                m.treffer[k + 1] = 1;
                ++m.gewinn;
            }
    for (int k = 0; k < 6; ++k)
        if (numbers[k] == zahl[7]) {
            m.treffer[k + 1] = 2;
            m.zusatz = true;
        }
    m.super = plus == zahl[8];
}

void Zettelcheck(LottoZahlen& app, const std::array<std::string, 6>& numbers, const std::string& plus)
{
    std::array<int, 6> values{};
    for (int k = 0; k < 6; ++k)
        values[k] = toInt(numbers[k]);
    Zettelcheck(app.matching, app.current.zahl, values, -1);
    app.matching.super = toInt(plus) == app.current.zahl[8];
}

namespace {

// One row of the check; throws ConvertError for an empty cell or a dream
// number box without a number, after the numbers have been written back sorted.
void checkRow(LottoZahlen& app, int row)
{
    TipSheet& s = app.sheet();
    std::array<int, 6> v{};
    for (int c = 0; c < TipSheet::kCols; ++c)
        v[c] = static_cast<uint8_t>(toInt(s.cell(row, c)));
    int sum = 0;
    for (int x : v)
        sum += x;
    s.setSum(row, std::to_string(sum));
    for (int i = 0; i < 6; ++i)
        for (int j = i; j < 6; ++j)
            if (v[i] > v[j])
                std::swap(v[i], v[j]);
    std::array<std::string, 6> texts;
    for (int c = 0; c < TipSheet::kCols; ++c) {
        s.setCell(row, c, std::to_string(v[c]));
        texts[c] = s.cell(row, c);
    }
    Zettelcheck(app, texts, s.dream(row));

    const Matching& m = app.matching;
    for (int c = 0; c < TipSheet::kCols; ++c)
        s.setColour(row, c,
                    m.treffer[c + 1] == 1   ? CellColour::Lime
                    : m.treffer[c + 1] == 2 ? CellColour::Yellow
                                            : CellColour::Window);
    s.setMatch(row, m.label(), m.gewinn >= 2);
    // a draw record holding a number twice can push a tip with doubles past six
    ++app.matching.statistik[std::min(m.gewinn, 6)][m.zusatz ? 1 : 0];
}

} // namespace

int Komplettcheck(LottoZahlen& app)
{
    app.matching.statistik = {};
    if (!app.sortieren)
        return 0;
    TipSheet& s = app.sheet();
    const bool sound = app.options().flag("Winsound");
    int best = 0;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        try {
            checkRow(app, row);
        } catch (const Error&) {
            for (int c = 0; c < TipSheet::kCols; ++c)
                s.setColour(row, c, CellColour::Window);
            s.setMatch(row, "", false);
            s.setSum(row, "");
            s.setDream(row, "-");
            continue;
        }
        const int g = app.matching.gewinn;
        if (g >= 2 && sound && app.ports().sound)
            app.ports().sound->playAsync(app.home + app.soundName);
        if (g > best)
            best = g;
    }
    return best;
}

void Edit1Exit(LottoZahlen& app)
{
    if (app.sortieren)
        Komplettcheck(app);
}

} // namespace zf
