#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zf {

class LottoZahlen;

// Results of the last Zettelcheck and the counts of the last Komplettcheck.
struct Matching {
    int gewinn = 0;                   // Gewinn: how many given numbers are among the drawn six
    std::array<uint8_t, 9> treffer{}; // [1..6] per given number: 0 no hit, 1 drawn, 2 spare slot
    bool zusatz = false;              // a given number equals the spare slot
    bool super = false;               // the dream number matches
    // Statistik[g]: tips with g matches, [0] without and [1] with a spare-slot hit
    std::array<std::array<int, 2>, 7> statistik{};

    // "4 + Z + D" as the match label shows it
    std::string label() const;
};

// Counts the given numbers against zahl[1..8] (the current draw). A dream
// number that can never be drawn (for example -1) stands for none.
void Zettelcheck(Matching& m, const std::array<int, 9>& zahl, const std::array<int, 6>& numbers, int plus);
// The same on texts, each a decimal integer; throws ConvertError otherwise.
void Zettelcheck(LottoZahlen& app, const std::array<std::string, 6>& numbers, const std::string& plus);

// Checks every tip of the sheet against the current draw: sorts, colours,
// writes the match and cross-sum labels, counts Statistik, plays the win
// sound. Returns the best number of matches; does nothing while sortieren is off.
int Komplettcheck(LottoZahlen& app);

// Leaving a number cell.
void Edit1Exit(LottoZahlen& app);

} // namespace zf
