#include "rules/TicketNumbers.h"

#include "ground/Error.h"
#include "ground/Formats.h"

namespace zf {

namespace {

constexpr int kNumbers = 1000000;

int valueOf(const TicketDigits& d)
{
    int v = 0;
    for (int digit : d)
        v = v * 10 + digit;
    return v;
}

} // namespace

TicketDigits ticketDigits(const std::string& stored)
{
    TicketDigits d{};
    for (size_t i = 0; i < d.size() && i < stored.size(); ++i)
        if (stored[i] >= '0' && stored[i] <= '9')
            d[i] = stored[i] - '0';
    return d;
}

std::string ticketText(const TicketDigits& digits)
{
    std::string t;
    for (int d : digits)
        t += static_cast<char>('0' + d);
    return t;
}

bool holdsTicket(const Draw& draw, const TicketDigits& digits)
{
    for (size_t i = 0; i < digits.size(); ++i)
        if (draw.losziffern[i] != digits[i])
            return false;
    return true;
}

TicketDigits newTicketNumber(Random& random, const std::vector<Draw>& draws)
{
    std::vector<bool> drawn(kNumbers);
    int count = 0;
    for (const Draw& d : draws) {
        TicketDigits t{};
        bool digits = true;
        for (size_t i = 0; i < t.size(); ++i) {
            digits = digits && d.losziffern[i] <= 9;
            t[i] = d.losziffern[i];
        }
        // bytes beyond 9 match no number of the digit boxes
        if (digits && !drawn[static_cast<size_t>(valueOf(t))]) {
            drawn[static_cast<size_t>(valueOf(t))] = true;
            ++count;
        }
    }
    if (count == kNumbers)
        throw Error(Text::EveryTicketDrawn, {});
    for (;;) {
        TicketDigits t{};
        for (int& digit : t)
            digit = static_cast<int>(random.below(10));
        if (!drawn[static_cast<size_t>(valueOf(t))])
            return t;
    }
}

std::string ticketSearchMessage(std::optional<double> drawnOn, int row)
{
    if (!drawnOn)
        return text(Text::TicketNeverDrawn);
    // row 3's message says "aus" where the others say "als"
    return text(row == 3 ? Text::TicketDrawnAus : Text::TicketDrawnAls, {formatDate(toDay(*drawnOn))});
}

} // namespace zf
