#pragma once

namespace zf {

class Session;

// Commands of the tip sheet. Rows are 0-based.

// Checks every tip against the current draw and plays the win sound for each
// tip with two or more matches. Returns the best number of matches; does
// nothing while sortieren is off.
int checkTips(Session& s);
// Leaving a number cell.
void leaveCell(Session& s);

// Asks first, then clears like clearTips.
void clearTipsAsking(Session& s);
// Empties every unlocked row (cells, dream number "-", labels) and runs the
// tip check with the check switched on for the call; asks nothing.
void clearTips(Session& s);

// Locks or unlocks a row.
void toggleLock(Session& s, int row);

// Edits a row's numbers in the number selection dialog.
void editTipRow(Session& s, int row);
// The same for the row whose first cell has control number `firstCell`.
void editTip(Session& s, int firstCell);

// Seeds the program's generator with the user's lucky number.
void setLuckyNumber(Session& s);

} // namespace zf
