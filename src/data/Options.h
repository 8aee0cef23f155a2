#pragma once

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
    std::string partner; // the control this one sits beside: a spin value's check box or spin
                         // control, a "seltensten" box's preference
};

// Every stored value except the tip sheet's cells: the table and the current
// values. The window binds its controls to it; the core reads options here.
class Options {
public:
    Options();

    static const std::vector<OptionDef>& table();
    // Index of a stored name or a control name; -1 when unknown.
    static int find(std::string_view name);
    // Like find, but an unknown name is a programming error.
    static int at(std::string_view name);

    bool flag(int index) const { return m_ints[index] != 0; }
    int integer(int index) const { return m_ints[index]; }
    double date(int index) const { return m_ints[index]; }
    const std::string& text(int index) const { return m_texts[index]; }

    bool flag(std::string_view name) const { return flag(at(name)); }
    int integer(std::string_view name) const { return integer(at(name)); }
    double date(std::string_view name) const { return date(at(name)); }
    const std::string& text(std::string_view name) const { return text(at(name)); }

    void setFlag(int index, bool value) { setInt(index, value ? 1 : 0); }
    // Clamps to the option's range, as a spin control does.
    void setInt(int index, int value);
    void setDate(int index, double value) { setInt(index, static_cast<int>(value)); }
    void setText(int index, const std::string& value);

    void setFlag(std::string_view name, bool value) { setFlag(at(name), value); }
    void setInt(std::string_view name, int value) { setInt(at(name), value); }
    void setDate(std::string_view name, double value) { setDate(at(name), value); }
    void setText(std::string_view name, const std::string& value) { setText(at(name), value); }

    void resetToDefaults();

    // Called with the index of every value that actually changed.
    using Listener = std::function<void(int index)>;
    void addListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    void changed(int index);

    std::vector<int> m_ints;
    std::vector<std::string> m_texts;
    std::vector<Listener> m_listeners;
};

} // namespace zf
