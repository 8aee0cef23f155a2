#pragma once

#include <string_view>

namespace zf {

// The stored values in the option table's order, named as the window names
// their controls (the stored name where there is no control, and for the
// print dialog's values). Typed keys: a misspelt key does not compile.
// clang-format off
#define ZF_OPTION_KEYS(X) \
    X(CheckBox1) X(CheckBox2) X(CheckBox3) X(CheckBox4) X(CheckBox5) X(CheckBox6) \
    X(CheckBox7) X(CheckBox8) X(CheckBox9) X(CheckBox10) X(CheckBox11) X(CheckBox12) \
    X(CheckBox13) X(CheckBox14) X(CheckBox15) X(CheckBox16) X(CheckBox17) X(CheckBox18) \
    X(CheckBox19) X(CheckBox20) X(CheckBox22) X(CheckBox23) X(CheckBox24) X(CheckBox25) \
    X(CheckBox26) X(CheckBox27) X(CheckBox28) X(CheckBox29) X(CheckBox30) X(CheckBox31) \
    X(CheckBox32) X(CheckBox33) X(CheckBox34) X(CheckBox35) X(Winsound) X(UpDown1) \
    X(UpDown2) X(UpDown3) X(UpDown4) X(UpDown5) X(UpDown6) X(UpDown7) \
    X(UpDown8) X(UpDown9) X(UpDown10) X(UpDown11) X(UpDown12) X(UpDown13) \
    X(UpDown14) X(UpDown15) X(UpDown16) X(UpDown17) X(UpDown18) X(UpDown20) \
    X(UpDown21) X(RadioGroup1) X(Sprache) X(height) X(width) X(TippTop) \
    X(TippLeft) X(Papierformat) X(Edit81) X(Edit82) X(ProxyHostEdit) X(ProxyPortEdit) \
    X(ServerEdit) X(DateTimePicker2) X(ScheinBild) X(Joker1) X(Joker2) X(Joker3) X(Joker1Zahl) \
    X(Joker2Zahl) X(Joker3Zahl)
// clang-format on

enum class Opt {
#define ZF_OPTION_KEY(name) name,
    ZF_OPTION_KEYS(ZF_OPTION_KEY)
#undef ZF_OPTION_KEY
};

inline constexpr std::string_view kOptNames[] = {
#define ZF_OPTION_KEY(name) #name,
    ZF_OPTION_KEYS(ZF_OPTION_KEY)
#undef ZF_OPTION_KEY
};

constexpr int index(Opt key)
{
    return static_cast<int>(key);
}

} // namespace zf
