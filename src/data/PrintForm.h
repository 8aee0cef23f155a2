#pragma once

#include <string>

namespace zf {

// The print settings dialog (Form5) as the core sees it: the fields the print
// command fills before every opening and the controls that are not stored.
// The option boxes, the slip type and the ticket numbers are stored options
// (Opt::Joker1.., Opt::ScheinBild, Opt::Joker1Zahl..).
struct PrintForm {
    std::string home;         // copy of the main window's program directory
    std::string zahlenfile;   // copy of the draw file name; the ticket search reads it
    int tipp = 0;             // tips counted for the cost
    int plus = 0;             // tips with a dream number
    bool samstag = false;     // CheckBox1, preset at every opening
    bool mittwoch = false;    // CheckBox2, preset at every opening
    bool testPicture = false; // CheckBox5 "Schein zum Test mit anzeigen"
    int top = 53;             // UpDown1 "Oben:"
    int left = 32;            // UpDown2 "Links"
    int paper = 0;            // ComboBox1 "Papierformat:"
    double cost = 0;          // Label4, shown as currency
};

} // namespace zf
