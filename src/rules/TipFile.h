#pragma once

#include "data/DrawFile.h"
#include "data/TipSheet.h"
#include "ground/Ports.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// One line of a tip file: six number-cell texts and the dream-number box's
// text, as they stand (the sheet validates the cells when it takes them).
struct TipFileRow {
    std::array<std::string, TipSheet::kCols> cells;
    std::string dream = "-";

    bool operator==(const TipFileRow&) const = default;
};
using TipFileRows = std::array<TipFileRow, TipSheet::kRows>;

// A tip file is fourteen short lines; anything this large is something else.
constexpr size_t kTipFileMaxBytes = 64 * 1024;

// The 14 lines "c1,c2,c3,c4,c5,c6,dream" ended by CR LF, in Windows-1252.
std::string formatTipFile(const TipSheet& sheet);

// Splits one line: the first five cells up to a comma each (a line without a
// comma gives an empty cell and stays as it is), then the sixth cell and,
// after a further comma, the dream number; without one the dream box is "-".
TipFileRow parseTipLine(std::string_view line);
// Reads the lines (CR LF, LF or CR), a missing line reading as empty and lines
// after the fourteenth ignored. Throws Error naming `name` for bytes that are
// no tip file: a NUL byte, or more than kTipFileMaxBytes.
TipFileRows parseTipFile(std::string_view bytes, const std::string& name);

// The next draw after the end of the date window (DateTimePicker1) for the
// proposed file name: a Monday gives the Thursday, a Thursday the Monday, any
// other day today.
int nextDrawForTipFile(double endDay, int today);
// "yyyymmdd.ztp"
std::string tipFileName(int day);
FileFilter tipFileFilter(const std::string& defaultName = {});

// The listing "Tipp.txt": the title with the next draw's date, a rule, an
// empty line and one line per tip whose first cell is filled.
// Throws ConvertError naming the row and the field for a filled tip with a
// cell that holds no number, before any line is returned.
std::vector<std::string> tipListing(const TipSheet& sheet, int nextDraw, const std::string& productTitle,
                                    const std::string& tipWord);
// The next draw after the current draw `datum1`: with both weekday flags a
// Monday gives the Thursday and any other day the day four later; with
// either flag clear the same weekday a week later.
int nextDrawForListing(double datum1, const WeekdayFilter& flags);
// "Donnerstag 16.11.23"
std::string longDate(int day);
// UTF-8 with a byte-order mark, so viewers on every platform read "für" right.
std::string listingBytes(const std::vector<std::string>& lines);

} // namespace zf
