#pragma once

#include "data/DrawFile.h"
#include "ground/Formats.h"
#include "ground/Random.h"

#include <algorithm>

#include <sstream>
#include <string>
#include <vector>

namespace zf::test {

// A draw written as "09.11.2023 3 11 17 25 33 40 D2", optionally with
// "Z7" for the spare slot, "R4" for the replay value and "T123456" for the
// ticket digits.
inline Draw drawFromText(const std::string& text)
{
    std::istringstream in(text);
    std::string date;
    in >> date;
    Draw d;
    d.datum = *parseDate(date);
    int k = 0;
    std::string tok;
    while (in >> tok) {
        if (tok[0] == 'D')
            d.zahlen[7] = static_cast<uint8_t>(std::stoi(tok.substr(1)));
        else if (tok[0] == 'Z')
            d.zahlen[6] = static_cast<uint8_t>(std::stoi(tok.substr(1)));
        else if (tok[0] == 'R')
            d.replay = static_cast<uint8_t>(std::stoi(tok.substr(1)));
        else if (tok[0] == 'T')
            for (int i = 0; i < 6; ++i)
                d.losziffern[i] = static_cast<uint8_t>(tok[1 + i] - '0');
        else
            d.zahlen[k++] = static_cast<uint8_t>(std::stoi(tok));
    }
    return d;
}

inline std::vector<Draw> drawsFromText(const std::vector<std::string>& lines)
{
    std::vector<Draw> v;
    for (const auto& l : lines)
        v.push_back(drawFromText(l));
    return v;
}

// `count` random draws on the Mondays and Thursdays from `firstDay`, dream numbers 1..5 in turn.
inline std::vector<Draw> randomDraws(int count, uint64_t seed, int firstDay = kFirstDrawDay)
{
    std::vector<Draw> v;
    Random rng(seed);
    for (int i = 0, day = firstDay; i < count; ++i, day += isMonday(day) ? 3 : 4) {
        Draw d;
        d.datum = day;
        for (int k = 0; k < 6;) {
            const auto n = static_cast<uint8_t>(1 + rng.below(40));
            if (std::find(d.zahlen.begin(), d.zahlen.begin() + k, n) == d.zahlen.begin() + k)
                d.zahlen[k++] = n;
        }
        d.zahlen[7] = static_cast<uint8_t>(1 + i % 5);
        v.push_back(d);
    }
    return v;
}

inline void writeDrawFile(const std::string& path, const std::vector<std::string>& lines)
{
    DrawFile(path).rewrite(drawsFromText(lines), "test.tmp");
}

} // namespace zf::test
