#include "session/Settings.h"

#include "ground/Formats.h"
#include "ground/Ports.h"
#include "session/Session.h"

#include <climits>
#include <optional>

namespace zf {

namespace {

// A stored value: an option of the table, a tip cell or a dream-number box.
struct Ref {
    OptionKind kind = OptionKind::Text;
    int option = -1;
    int row = -1;
    int col = -1; // -1 for a dream-number box
};

std::optional<Ref> resolve(const std::string& name)
{
    const auto& table = Options::table();
    for (int i = 0; i < static_cast<int>(table.size()); ++i)
        if (table[i].stored == name)
            return Ref{table[i].kind, i, -1, -1};
    if (name.rfind("Edit", 0) == 0) {
        if (auto n = tryToInt(name.substr(4)))
            if (auto rc = TipSheet::cellOf(*n))
                return Ref{OptionKind::Text, -1, rc->first, rc->second};
    } else if (name.rfind("Combobox", 0) == 0) {
        if (auto n = tryToInt(name.substr(8)); n && *n >= 1 && *n <= TipSheet::kRows)
            return Ref{OptionKind::Text, -1, *n - 1, -1};
    }
    return std::nullopt;
}

std::string getText(const Session& app, const Ref& r)
{
    if (r.option >= 0)
        return app.options().text(r.option);
    return r.col >= 0 ? app.sheet().cell(r.row, r.col) : app.sheet().dream(r.row);
}

void setText(Session& app, const Ref& r, const std::string& value)
{
    if (r.option >= 0)
        app.options().setText(r.option, value);
    else if (r.col >= 0)
        app.sheet().setCell(r.row, r.col, value);
    else
        app.sheet().setDream(r.row, value);
}

// Reads one value into the model; false when it has the wrong kind.
bool loadOne(Session& app, SettingsStore& store, const std::string& name)
{
    const Ref r = *resolve(name);
    Options& o = app.options();
    ReadStatus st = ReadStatus::Missing;
    switch (r.kind) {
    case OptionKind::Flag: {
        bool v = false;
        if ((st = store.readFlag(name, v)) == ReadStatus::Ok)
            o.setFlag(r.option, v);
        break;
    }
    case OptionKind::Int: {
        int v = 0;
        if ((st = store.readInt(name, v)) == ReadStatus::Ok)
            o.setInt(r.option, v, false);
        break;
    }
    case OptionKind::Text: {
        std::string v;
        if ((st = store.readText(name, v)) == ReadStatus::Ok)
            setText(app, r, v);
        break;
    }
    case OptionKind::Date: {
        double v = 0;
        st = store.readDate(name, v);
        // a damaged day count (not a number, far out of range) cannot be read as a date
        if (st == ReadStatus::Ok && !(v >= INT_MIN && v <= INT_MAX))
            st = ReadStatus::WrongKind;
        if (st == ReadStatus::Ok)
            o.setDate(r.option, v);
        break;
    }
    }
    return st != ReadStatus::WrongKind;
}

// One guarded group: the first value of the wrong kind ends it silently.
bool loadGroup(Session& app, SettingsStore& store, const std::vector<std::string>& names)
{
    for (const auto& n : names)
        if (!loadOne(app, store, n))
            return false;
    return true;
}

std::vector<std::string> numbered(const char* prefix, int from, int to)
{
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i)
        if (!(std::string(prefix) == "Chekcbox" && i == 21) && !(std::string(prefix) == "UpDown" && i == 19))
            v.push_back(prefix + std::to_string(i));
    return v;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

std::vector<std::string> tipCellNames()
{
    std::vector<std::string> v;
    for (auto range : {std::pair{1, 36}, std::pair{43, 54}, std::pair{56, 79}, std::pair{96, 107}})
        append(v, numbered("Edit", range.first, range.second));
    return v;
}

std::string formatValue(const Session& app, const std::string& name)
{
    const Ref r = *resolve(name);
    switch (r.kind) {
    case OptionKind::Flag:
        return app.options().flag(r.option) ? "1" : "0";
    case OptionKind::Int:
        return std::to_string(app.options().integer(r.option));
    case OptionKind::Date:
        return formatDate(static_cast<int>(app.options().date(r.option)));
    case OptionKind::Text:
        break;
    }
    return getText(app, r);
}

} // namespace

void loadSettings(Session& app, SettingsStore& store)
{
    Options& o = app.options();
    // group 1, with the weekday rule in its middle
    std::vector<std::string> first = numbered("Chekcbox", 1, 17);
    first.push_back("Winsound");
    const bool whole = loadGroup(app, store, first);
    // Also when the group ended early: the window offers no way to tick them again.
    if (!o.flag(Opt::CheckBox16) && !o.flag(Opt::CheckBox17)) {
        o.setFlag(Opt::CheckBox16, true);
        o.setFlag(Opt::CheckBox17, true);
    }
    if (whole) {
        std::vector<std::string> rest = numbered("Chekcbox", 18, 35);
        append(rest, {"Papierformat", "height", "width", "TippTop", "TippLeft"});
        loadGroup(app, store, rest);
    }
    // Stored alone so that a damaged value falls back to its default instead
    // of stopping the start.
    loadGroup(app, store, {"RadioGroup1"});

    std::vector<std::string> third = {"Sprache"};
    append(third, numbered("UpDown", 1, 21));
    append(third, tipCellNames());
    append(third, numbered("Combobox", 1, 14));
    loadGroup(app, store, third);

    loadGroup(app, store, {"ScheinBild", "Joker1", "Joker2", "Joker3", "Joker3Zahl", "Joker2Zahl", "Joker1Zahl"});
    loadGroup(app, store, {"ZWEIPREIS", "EINPREIS"});
    loadGroup(app, store, {"ProxyHostEdit", "ProxyPortEdit"});
    loadGroup(app, store, {"ServerEdit"});
    if (!loadOne(app, store, "DateTimePicker2"))
        o.setDate(Opt::DateTimePicker2, kFirstDrawDay);
    o.normalize();
}

std::vector<std::string> saveOrder(bool windowNormal)
{
    std::vector<std::string> v = {"Papierformat"};
    append(v, numbered("Chekcbox", 1, 35));
    v.push_back("Winsound");
    if (windowNormal)
        append(v, {"height", "width"});
    append(v, {"Sprache", "TippTop", "TippLeft", "RadioGroup1"});
    append(v, numbered("UpDown", 1, 21));
    append(v, tipCellNames());
    append(v, numbered("Combobox", 1, 14));
    append(v, {"ZWEIPREIS", "EINPREIS", "ProxyHostEdit", "ProxyPortEdit", "ServerEdit", "DateTimePicker2", "Joker1",
               "Joker2", "Joker3", "Joker1Zahl", "Joker2Zahl", "Joker3Zahl", "ScheinBild"});
    return v;
}

void saveSettings(const Session& app, SettingsStore& store, bool windowNormal)
{
    const Options& o = app.options();
    for (const auto& name : saveOrder(windowNormal)) {
        const Ref r = *resolve(name);
        bool ok = false;
        switch (r.kind) {
        case OptionKind::Flag:
            ok = store.writeFlag(name, o.flag(r.option));
            break;
        case OptionKind::Int:
            ok = store.writeInt(name, o.integer(r.option));
            break;
        case OptionKind::Text:
            ok = store.writeText(name, getText(app, r));
            break;
        case OptionKind::Date:
            ok = store.writeDate(name, o.date(r.option));
            break;
        }
        if (!ok)
            break;
    }
    store.flush();
}

std::vector<std::pair<std::string, std::string>> storedValues(const Session& app, bool windowNormal)
{
    std::vector<std::pair<std::string, std::string>> v;
    for (const auto& name : saveOrder(windowNormal))
        v.emplace_back(name, formatValue(app, name));
    return v;
}

bool setStoredValue(Session& app, const std::string& name, const std::string& text)
{
    const auto r = resolve(name);
    if (!r)
        return false;
    Options& o = app.options();
    switch (r->kind) {
    case OptionKind::Flag:
    case OptionKind::Int: {
        const auto v = tryToInt(text);
        if (!v)
            return false;
        o.setInt(r->option, *v);
        return true;
    }
    case OptionKind::Date: {
        const auto d = parseDate(text);
        if (!d)
            return false;
        o.setDate(r->option, *d);
        return true;
    }
    case OptionKind::Text:
        setText(app, *r, text);
        return true;
    }
    return false;
}

} // namespace zf
