#pragma once

#include "data/SlipPage.h"
#include "data/TipSheet.h"

#include <array>
#include <string>

namespace zf {

// Any slip type text other than "Romande" is the SwissLos slip.
SlipType slipTypeOf(const std::string& text);
const char* slipTypeName(SlipType type);

// The printed layout of a slip type, in report units.
struct SlipGeometry {
    int fieldHeight;  // between two rows of number boxes
    int fieldWidth;   // between two columns of number boxes
    int bandOffset;   // from the upper band of slip fields to the lower one
    double pairDrift; // extra shift per pair of slip fields
    std::array<int, 3> optionLeft;
    int optionTop;
    const char* pictureFile;
    int pictureHeight;
};
const SlipGeometry& slipGeometry(SlipType type);

struct Position {
    int left = 0;
    int top = 0;
    bool operator==(const Position&) const = default;
};

// Where a mark goes for the shifts `top` and `left`: number n (1..40) and
// dream number z (1..5) in slip field `slot` (0..13), option box j (1..3).
int pairOffset(SlipType type, int pair);
Position numberMarkAt(SlipType type, int slot, int n, int top, int left);
Position dreamMarkAt(SlipType type, int slot, int z, int top, int left);
Position optionMarkAt(SlipType type, int j, int top, int left);

struct PaperFormat {
    const char* name; // "A4", "A4 Quer", "A5 Quer", "18x10,6"
    double lengthMm;  // the sheet held upright
    double widthMm;
    bool landscape;
};
// Paper format item 0..3; nullptr for any other index.
const PaperFormat* paperFormat(int index);

struct SlipSettings {
    SlipType type = SlipType::Romande;
    int top = 53;
    int left = 32;
    std::array<bool, 3> joker{};
    int paper = 0;
    bool testPicture = false;
};

// The slip page for the sheet: every tip whose first number field is filled
// takes the next slip field (tip 1 always the first). Throws ConvertError,
// naming the row and the field, for a dream-number box that shows neither "-"
// nor a dream number 1..5 or a number field that holds no number 1..40, before
// anything is printed. The picture's path is left for the caller to find.
SlipPage buildSlipPage(const TipSheet& sheet, const SlipSettings& settings);

// The cost of the slip.
struct TipCounts {
    int tipp = 0; // tips whose first number field is filled
    int plus = 0; // tips whose dream-number box shows anything but "-"
};
TipCounts countTips(const TipSheet& sheet);
struct PlayedDays {
    bool samstag = false;
    bool mittwoch = false;
};
// Sunday to Wednesday "Mittwoch", Thursday to Saturday "Samstag".
PlayedDays dayPreset(int today);
double slipCost(const TipCounts& counts, const std::array<bool, 3>& joker, const PlayedDays& days);
// "82,00 €": two decimals, decimal comma, the currency symbol after a blank.
std::string formatCost(double cost);

} // namespace zf
