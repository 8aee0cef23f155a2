#pragma once

#include "data/OptionKeys.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

enum class OptionKind { Flag, Int, Text, Date };

// Where the control of an option sits; None for plain fields of the window.
enum class OptionPage {
    None,
    Lottotipp,
    Statistisch,
    ScheinOptimierung,
    Mathematisch,
    Traumzahl,
    Allgemein,
    Diagramm,
    Datenbank,
    InternetOptionen,
    PrintDialog,
};

struct OptionDef {
    std::string stored;  // value name in the settings store, "Chekcbox4"
    std::string control; // object name of the control, "CheckBox4"
    std::string field;   // a spin control's edit field, "Edit40"
    OptionKind kind;
    int defaultInt;          // flag 0/1, integer, date as day count
    std::string defaultText; // text kind
    int min;                 // integers are clamped to min..max like a spin control
    int max;
    OptionPage page;
    std::string caption;
    std::string hint;
    bool hidden;
    std::string partner;           // the control this one sits beside: a spin value's check box or spin
                                   // control, a "seltensten" box's preference
    std::string captionAfter = {}; // a spin row's text after its last control
};

// Every stored value except the tip sheet's cells: the table and the current
// values. The window binds its controls to it; the core reads options here.
class Options {
public:
    Options();

    static const std::vector<OptionDef>& table();
    static const OptionDef& def(Opt key) { return table()[index(key)]; }
    // Index of a stored name or a control name, as settings files, the
    // command line and the window's tables give them; -1 when unknown.
    static int find(std::string_view name);

    bool flag(int index) const { return m_ints[index] != 0; }
    int integer(int index) const { return m_ints[index]; }
    double date(int index) const { return m_ints[index]; }
    const std::string& text(int index) const { return m_texts[index]; }

    bool flag(Opt key) const { return flag(index(key)); }
    int integer(Opt key) const { return integer(index(key)); }
    double date(Opt key) const { return date(index(key)); }
    const std::string& text(Opt key) const { return text(index(key)); }

    void setFlag(int index, bool value) { setInt(index, value ? 1 : 0); }
    // Clamps to the option's range, as a spin control does, and to the limit
    // a coupled option sets (the even and odd minimums, the overlap limits).
    // Loading sets values without the couplings and normalizes at the end, so
    // the order of stored values does not matter.
    void setInt(int index, int value, bool withCouplings = true);
    // Brings every coupled pair back inside its limits.
    void normalize();
    void setDate(int index, double value) { setInt(index, static_cast<int>(value)); }
    void setText(int index, const std::string& value);

    void setFlag(Opt key, bool value) { setFlag(index(key), value); }
    void setInt(Opt key, int value) { setInt(index(key), value); }
    void setDate(Opt key, double value) { setDate(index(key), value); }
    void setText(Opt key, const std::string& value) { setText(index(key), value); }

    void resetToDefaults();
    // The values alone, for work on another thread: no listener comes along.
    Options snapshot() const
    {
        Options copy = *this;
        copy.m_listeners.clear();
        return copy;
    }

    // Called with the index of every value that actually changed.
    using Listener = std::function<void(int index)>;
    void addListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed(int index);
    int coupled(int index, int value) const;

    std::vector<int> m_ints;
    std::vector<std::string> m_texts;
    std::vector<Listener> m_listeners;
};

} // namespace zf
