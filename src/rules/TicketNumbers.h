#pragma once

#include "data/DrawFile.h"
#include "ground/Random.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zf {

// A ticket number: six digits 0..9 in the order of the digit boxes and of
// bytes 17 to 22 of a draw record.
using TicketDigits = std::array<int, 6>;

// The stored six-character text ("047113"); a character that is no digit,
// or a missing one, reads as 0.
TicketDigits ticketDigits(const std::string& stored);
std::string ticketText(const TicketDigits& digits);

bool holdsTicket(const Draw& draw, const TicketDigits& digits);

// Six uniform digits, drawn again while one of `draws` holds the same six, so
// the number is one that was never drawn. Throws Error when every number was.
TicketDigits newTicketNumber(Random& random, const std::vector<Draw>& draws);

// The search's message for row 1..3: the date of the first draw holding the
// number, or none.
std::string ticketSearchMessage(std::optional<double> drawnOn, int row);

} // namespace zf
