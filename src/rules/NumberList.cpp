#include "rules/NumberList.h"

#include "ground/Error.h"
#include "ground/Formats.h"
#include "rules/Charts.h"
#include "rules/DrawView.h"
#include "rules/Evaluation.h"
#include "session/LottoZahlen.h"

#include <cmath>

namespace zf {

ReferenceDraws fetchReferenceDraws(LottoZahlen& app)
{
    const double remembered = app.dateTimePicker1;
    ReferenceDraws ref;
    SpeedButton5Click(app);
    ref.r1 = app.current.zahl;
    SpeedButton6Click(app);
    ref.r2 = app.current.zahl;
    SpeedButton6Click(app);
    ref.r3 = app.current.zahl;
    app.setDateTimePicker1(remembered);
    SpeedButton5Click(app);
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
    LottoZahlen& app;
    NumberList list;

    const Options& o() const { return app.options(); }
    bool on(const char* name) const { return o().flag(name); }
    double m() const { return app.chart().axisMin; }
    double M() const { return app.chart().axisMax; }

    void announce(int message) { app.ports().feedback->setStatus(1, app.msg(17) + " " + app.msg(message)); }
    // the user sees each chart as it is used
    void chart(void (*op)(LottoZahlen&))
    {
        app.ports().feedback->showPage(Page::Diagramm);
        op(app);
    }
    void bandLine(const Band& b, bool oneBlank)
    {
        app.ports().feedback->setStatus(1, "Min: " + std::to_string(b.low) + (oneBlank ? " Max: " : "  Max: ") +
                                               std::to_string(b.high) + "  " + std::to_string(list.size()));
    }

    // Steps for pairs, triples and quads: the frequent groups, then the rarest.
    void groups(const char* frequent, const char* rarest, int message, void (*op)(LottoZahlen&), int size)
    {
        if (on(frequent)) {
            announce(message);
            chart(op);
            const Band b{roundEven(M() - 0.3 * (M() - m())), roundEven(M()), false};
            appendGroups(list, app.chart(), b, size);
            bandLine(b, false);
        }
        if (on(rarest)) {
            if (!on(frequent)) {
                announce(message);
                chart(op);
            }
            const Band b{0, roundEven(m() + 0.3 * (M() - m())), false};
            appendGroups(list, app.chart(), b, size);
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
            appendNumbers(list, app.chart(), b, pass == 1 ? 2 : 1);
            bandLine(b, pass == 1 && oneBlankFirst);
        }
    }

    void removeAll(const RefDraw& r, int from, int to)
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

NumberList buildNumberList(LottoZahlen& app, const ReferenceDraws& ref)
{
    Builder b{app, {}};
    const Options& o = app.options();
    b.groups("CheckBox1", "CheckBox11", 18, Button2Click, 2);
    b.groups("CheckBox6", "CheckBox12", 19, Button3Click, 3);
    b.groups("CheckBox7", "CheckBox13", 20, Button4Click, 4);
    if (b.on("CheckBox2")) {
        b.announce(0);
        b.chart(SpeedButton2Click);
        b.numbers(false, o.integer("UpDown12"), false);
    }
    if (b.on("CheckBox14")) {
        if (!b.on("CheckBox2")) {
            b.announce(0);
            b.chart(SpeedButton2Click);
        }
        b.numbers(true, o.integer("UpDown14"), false);
    }
    if (b.on("CheckBox10")) {
        b.announce(21);
        b.chart(Button5Click);
        b.numbers(false, o.integer("UpDown13"), true);
    }
    if (b.on("CheckBox19")) {
        b.announce(22);
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
    if (!b.on("CheckBox15")) {
        for (int n = 1; n <= 40; ++n)
            b.list.push_back(static_cast<uint8_t>(n));
        b.list.push_back(1);
    }
    if (o.integer("UpDown4") == 0 && b.on("CheckBox4"))
        b.removeAll(ref.r1, 1, 7);
    if (o.integer("UpDown5") == 0 && b.on("CheckBox5"))
        b.removeAll(ref.r2, 1, 7);
    if (o.integer("UpDown11") == 0 && b.on("CheckBox23"))
        b.removeAll(ref.r3, 1, 7);
    if (b.on("CheckBox29"))
        for (uint8_t& e : b.list)
            if (e >= 1 && e <= 12)
                e = 0;
    if (b.on("CheckBox30"))
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

ListMode editNumberList(LottoZahlen& app, NumberList& list)
{
    app.ports().feedback->showPage(Page::Lottotipp);
    app.form6 = NumberSelection();
    NumberSelection& form = app.form6;
    const auto count = countEntries(list);
    for (int n = 1; n <= NumberSelection::kBoxes; ++n) {
        form.setChecked(n, count[n] > 0);
        form.setWeight(n, std::to_string(count[n]));
    }
    // without a dialog to show, the list stays as built
    app.ports().feedback->setBusy(false);
    const ModalResult result = app.ports().zahlenwahl ? app.ports().zahlenwahl->showModal(form) : ModalResult::Ok;
    app.ports().feedback->setBusy(true);
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
            throw ConvertError("Die Gewichtung \"" + form.box(n).weight + "\" der Zahl " + std::to_string(n) +
                               " ist keine ganze Zahl; die Berechnung wurde beendet.");
        if (*w >= 0)
            rebuilt.insert(rebuilt.end(), *w == 0 ? 2 : *w + 1, static_cast<uint8_t>(n));
    }
    list = std::move(rebuilt);
    return ListMode::Retry;
}

} // namespace zf
