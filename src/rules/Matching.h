#pragma once

#include "data/TipSheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zf {

// A draw as the matching sees it: [1..6] the numbers, [7] the spare slot,
// [8] the dream number (index 0 unused).
using DrawNumbers = std::array<int, 9>;

// Results of the last tip match and the counts of the last sheet check.
struct Matching {
    int gewinn = 0;                   // how many given numbers are among the drawn six
    std::array<uint8_t, 9> treffer{}; // [1..6] per given number: 0 no hit, 1 drawn, 2 spare slot
    bool zusatz = false;              // a given number equals the spare slot
    bool super = false;               // the dream number matches
    // statistik[g]: tips with g matches, [0] without and [1] with a spare-slot hit
    std::array<std::array<int, 2>, 7> statistik{};

    // "4 + Z + D" as the match label shows it
    std::string label() const;
};

// Counts the given numbers against a draw. A dream number that can never be
// drawn (for example -1) stands for none.
void matchTip(Matching& m, const DrawNumbers& draw, const std::array<int, 6>& numbers, int dream);

// The dream number a row is scored with: the box's "-" means none and gives
// -1, which is never drawn; nullopt when the box holds another text that is
// no number.
std::optional<int> scoredDream(const std::string& box);

// Shows a scored row: its cells coloured by the hits of the last match, the
// match label and the cross sum.
void showScore(TipSheet& sheet, int row, const Matching& m, int sum);

struct SheetCheck {
    int best = 0; // the best number of matches
    int wins = 0; // rows with two or more matches
};

// Checks every tip of the sheet against a draw: sorts, colours, writes the
// match and cross-sum labels and counts statistik. A row without six numbers,
// or whose dream box holds neither "-" nor a number, is blanked.
SheetCheck checkSheet(TipSheet& sheet, const DrawNumbers& draw, Matching& m);

} // namespace zf
