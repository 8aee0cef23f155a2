#pragma once

#include <string>
#include <vector>

namespace zf {

class Session;

// Writes the sheet into the tip file `path`.
void saveTipFile(Session& s, const std::string& path);
// The save command: proposes the next draw's date as the file name, then
// writes the sheet; cancelling writes nothing.
void saveTipsAsking(Session& s);

// Loads a tip file into the sheet: the file is read and split completely
// first, so one that cannot be read leaves the sheet as it was; then the
// unlocked rows are cleared as the clear command does and every row, locked
// ones too, takes its line.
void loadTipFile(Session& s, const std::string& path);
// The load command: asks for a tip file, loads it, then runs the evaluation
// for a date, also when the dialog was cancelled.
void loadTipsAsking(Session& s);

// Writes the listing "Tipp.txt" into the program directory for the draw after
// the current one and returns its lines. A filled tip with a cell that is no
// number ends it before anything is written.
std::vector<std::string> writeTipListing(Session& s);
// Writes the listing and opens it with the desktop's handler.
void showTipListing(Session& s);

} // namespace zf
