#pragma once

namespace zf {

class LottoZahlen;

// Commands of the tip sheet. Rows are 0-based.

// Asks (message 50, caption message 51), then clears like SpeedButton11Click.
void Loeschendertipp(LottoZahlen& app);
// Empties every unlocked row (cells, dream number "-", labels) and runs the
// tip check with the check switched on for the call; asks nothing.
void SpeedButton11Click(LottoZahlen& app);

// The row label's click: locks or unlocks the row.
void Label30Click(LottoZahlen& app, int row);

// The edit button of a row (Tipp1EditClick .. Tipp12EditClick,
// SpeedButton19Click, SpeedButton20Click).
void TippEditClick(LottoZahlen& app, int row);
// Per-tip edit of the row whose first and last cells are EditAnfang and EditEnde,
// through the number selection dialog in tip mode.
void TippEdit(LottoZahlen& app, int anfang, int ende);

// "Glückszahl setzen": seeds the program's generator with the user's number.
void SpeedButton13Click(LottoZahlen& app);

} // namespace zf
