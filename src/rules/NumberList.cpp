#include "rules/NumberList.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/DrawLines.h"

#include <cmath>

namespace zf {

ReferenceDraws referenceDraws(const std::vector<Draw>& draws, double day, const WeekdayFilter& filter)
{
    ReferenceDraws ref;
    const int i1 = drawIndexForDay(draws, std::round(day));
    if (i1 < 0)
        return ref;
    const int i2 = stepIndex(draws, i1, -1, filter);
    const int i3 = stepIndex(draws, i2, -1, filter);
    ref.r1 = numbersOf(draws[i1]);
    ref.r2 = numbersOf(draws[i2]);
    ref.r3 = numbersOf(draws[i3]);
    return ref;
}

int roundEven(double x)
{
    return static_cast<int>(std::nearbyint(x)); // the default rounding mode rounds halves to even
}

void appendGroups(NumberList& list, const ChartData& chart, const Band& band, int size)
{
    const int count = static_cast<int>(chart.bars.size());
    for (int i = 0; i <= count - size; ++i)
        if (band.contains(chart.bars[i].y))
            for (int k = 1; k <= size; ++k)
                list.push_back(static_cast<uint8_t>(i + k));
}

void appendNumbers(NumberList& list, const ChartData& chart, const Band& band, int times)
{
    for (size_t i = 0; i < chart.bars.size(); ++i)
        if (band.contains(chart.bars[i].y))
            list.insert(list.end(), times, static_cast<uint8_t>(i + 1));
}

namespace {

struct Builder {
    const Options& o;
    const Messages& texts;
    const ListSources& sources;
    NumberList list;
    const ChartData* shown = nullptr;

    bool on(Opt key) const { return o.flag(key); }
    double m() const { return shown->axisMin; }
    double M() const { return shown->axisMax; }

    void announce(Msg message) { sources.status(texts[Msg::EvaluatingStatistics] + " " + texts[message]); }
    void chart(ChartKind kind) { shown = &sources.chart(kind); }
    void bandLine(const Band& b, bool oneBlank)
    {
        sources.status(text(Text::BandLine, {std::to_string(b.low), oneBlank ? " " : "  ", std::to_string(b.high),
                                             std::to_string(list.size())}));
    }

    // Steps for pairs, triples and quads: the frequent groups, then the rarest.
    void groups(Opt frequent, Opt rarest, Msg message, ChartKind kind, int size)
    {
        if (on(frequent)) {
            announce(message);
            chart(kind);
            const Band b{roundEven(M() - 0.3 * (M() - m())), roundEven(M()), false};
            appendGroups(list, *shown, b, size);
            bandLine(b, false);
        }
        if (on(rarest)) {
            if (!on(frequent)) {
                announce(message);
                chart(kind);
            }
            const Band b{0, roundEven(m() + 0.3 * (M() - m())), false};
            appendGroups(list, *shown, b, size);
            bandLine(b, size == 4);
        }
    }

    // The two passes over single numbers: inside the first band twice, inside the second once more.
    void numbers(bool rarest, int x, bool oneBlankFirst)
    {
        for (int pass = 1; pass <= 2; ++pass) {
            const double share = x / (pass == 1 ? 100.0 : 200.0) * (M() - m());
            const Band b = rarest ? Band{roundEven(m()), roundEven(m() + share), true}
                                  : Band{roundEven(M() - share), roundEven(M()), true};
            appendNumbers(list, *shown, b, pass == 1 ? 2 : 1);
            bandLine(b, pass == 1 && oneBlankFirst);
        }
    }

    void removeAll(const DrawNumbers& r, int from, int to)
    {
        for (uint8_t& e : list)
            for (int j = from; j <= to; ++j)
                if (e == r[j])
                    e = 0;
    }
};

} // namespace

void dropEmptyEntries(NumberList& list)
{
    int last = static_cast<int>(list.size()) - 1;
    for (int pos = 0; pos <= last; ++pos)
        while (pos <= last && list[pos] == 0)
            list[pos] = list[last--];
    list.resize(static_cast<size_t>(last + 1));
}

NumberList buildNumberList(const Options& o, const Messages& texts, const ReferenceDraws& ref,
                           const ListSources& sources)
{
    Builder b{o, texts, sources, {}};
    b.groups(Opt::CheckBox1, Opt::CheckBox11, Msg::FrequentPairs, ChartKind::Pairs, 2);
    b.groups(Opt::CheckBox6, Opt::CheckBox12, Msg::FrequentTriples, ChartKind::Triples, 3);
    b.groups(Opt::CheckBox7, Opt::CheckBox13, Msg::FrequentQuads, ChartKind::Quads, 4);
    if (b.on(Opt::CheckBox2)) {
        b.announce(Msg::NumbersTitle);
        b.chart(ChartKind::Numbers);
        b.numbers(false, o.integer(Opt::UpDown12), false);
    }
    if (b.on(Opt::CheckBox14)) {
        if (!b.on(Opt::CheckBox2)) {
            b.announce(Msg::NumbersTitle);
            b.chart(ChartKind::Numbers);
        }
        b.numbers(true, o.integer(Opt::UpDown14), false);
    }
    if (b.on(Opt::CheckBox10)) {
        b.announce(Msg::OverdueNumbers);
        b.chart(ChartKind::Overdue);
        b.numbers(false, o.integer(Opt::UpDown13), true);
    }
    if (b.on(Opt::CheckBox19)) {
        b.announce(Msg::NeighboursOfLastDraw);
        for (int j = 1; j <= 8; ++j) {
            const int d = ref.r1[j];
            if (d > 1)
                b.list.insert(b.list.end(), 4, static_cast<uint8_t>(d - 1));
            if (d < 40)
                b.list.insert(b.list.end(), 4, static_cast<uint8_t>(d + 1));
        }
    }
    // the uniform base, after one empty entry; without it the list ends on an empty entry
    b.list.push_back(0);
    if (!b.on(Opt::CheckBox15)) {
        for (int n = 1; n <= 40; ++n)
            b.list.push_back(static_cast<uint8_t>(n));
        b.list.push_back(1);
    }
    if (o.integer(Opt::UpDown4) == 0 && b.on(Opt::CheckBox4))
        b.removeAll(ref.r1, 1, 7);
    if (o.integer(Opt::UpDown5) == 0 && b.on(Opt::CheckBox5))
        b.removeAll(ref.r2, 1, 7);
    if (o.integer(Opt::UpDown11) == 0 && b.on(Opt::CheckBox23))
        b.removeAll(ref.r3, 1, 7);
    if (b.on(Opt::CheckBox29))
        for (uint8_t& e : b.list)
            if (e >= 1 && e <= 12)
                e = 0;
    if (b.on(Opt::CheckBox30))
        for (int n = 1; n <= 31; ++n)
            for (uint8_t& e : b.list)
                if (e == n) {
                    e = 0;
                    break;
                }
    dropEmptyEntries(b.list);
    return std::move(b.list);
}

std::array<int, 43> countEntries(const NumberList& list)
{
    std::array<int, 43> count{};
    for (uint8_t e : list)
        if (e <= 42)
            ++count[e];
    return count;
}

int distinctNumbers(const NumberList& list)
{
    const auto count = countEntries(list);
    int n = 0;
    for (int v = 1; v <= 42; ++v)
        n += count[v] > 0;
    return n;
}

ListMode editNumberList(NumberSelection& form, NumberList& list,
                        const std::function<ModalResult(NumberSelection&)>& show)
{
    form = NumberSelection();
    const auto count = countEntries(list);
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        form.setChecked(n, count[n] > 0);
        form.setWeight(n, std::to_string(count[n]));
    }
    // without a dialog to show, the list stays as built
    const ModalResult result = show ? show(form) : ModalResult::Ok;
    if (result == ModalResult::Ok)
        return ListMode::Ok;
    if (result != ModalResult::Retry)
        return ListMode::Abort;
    NumberList rebuilt{0}; // entry 0 stays empty
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        if (!form.box(n).checked)
            continue;
        const auto w = tryToInt(form.box(n).weight);
        if (!w)
            throw ConvertError(Text::WeightNotAnInteger, {form.box(n).weight, std::to_string(n)});
        if (*w >= 0)
            rebuilt.insert(rebuilt.end(), *w == 0 ? 2 : *w + 1, static_cast<uint8_t>(n));
    }
    list = std::move(rebuilt);
    return ListMode::Retry;
}

} // namespace zf
