#include "rules/TicketNumbers.h"
#include "fakes/DrawText.h"
#include "ground/Error.h"

#include <gtest/gtest.h>

#include <set>

using namespace zf;
using namespace zf::test;

TEST(TicketNumbers, StoredTextsReadAsSixDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"047113", "047113"}, {"000000", "000000"}, {"12", "120000"},
        {"", "000000"},       {"a4x7-9", "040709"}, {"1234567", "123456"},
    };
    for (const auto& [stored, digits] : cases)
        EXPECT_EQ(ticketText(ticketDigits(stored)), digits) << stored;
}

TEST(TicketNumbers, ANewNumberIsNoneThatWasDrawn)
{
    // every number but 3 of the first digit's ten is taken by a stored draw
    std::vector<Draw> draws;
    for (int v = 0; v < 1000000; ++v) {
        if (v == 123456 || v == 654321 || v == 999999)
            continue;
        Draw d;
        for (int i = 5, rest = v; i >= 0; --i, rest /= 10)
            d.losziffern[static_cast<size_t>(i)] = static_cast<uint8_t>(rest % 10);
        draws.push_back(d);
    }
    Random random(7);
    std::set<std::string> seen;
    for (int k = 0; k < 30; ++k)
        seen.insert(ticketText(newTicketNumber(random, draws)));
    EXPECT_EQ(seen, (std::set<std::string>{"123456", "654321", "999999"}));

    Draw last;
    last.losziffern = {9, 9, 9, 9, 9, 9};
    draws.push_back(last);
    draws.push_back(drawFromText("06.11.2023 1 2 3 4 5 6 D1 T123456"));
    draws.push_back(drawFromText("06.11.2023 1 2 3 4 5 6 D1 T654321"));
    EXPECT_THROW(newTicketNumber(random, draws), Error);
}

TEST(TicketNumbers, TwoPressesGiveIndependentNumbers)
{
    Random random(1);
    const std::vector<Draw> none;
    EXPECT_NE(newTicketNumber(random, none), newTicketNumber(random, none));
    // damaged ticket bytes hold no number
    Draw odd;
    odd.losziffern = {10, 0, 0, 0, 0, 0};
    EXPECT_FALSE(holdsTicket(odd, TicketDigits{}));
    EXPECT_TRUE(holdsTicket(drawFromText("06.11.2023 1 2 3 4 5 6 D1 T047113"), ticketDigits("047113")));
}

TEST(TicketNumbers, SearchMessages)
{
    const double day = *parseDate("05.02.2024");
    EXPECT_EQ(ticketSearchMessage(day, 1), "LosNr. wurde am 05.02.2024 als Joker gezogen");
    EXPECT_EQ(ticketSearchMessage(day, 2), "LosNr. wurde am 05.02.2024 als Joker gezogen");
    EXPECT_EQ(ticketSearchMessage(day, 3), "LosNr. wurde am 05.02.2024 aus Joker gezogen");
    EXPECT_EQ(ticketSearchMessage(std::nullopt, 3), "Losnummer noch nie als Joker Gewinnzahl gezogen");
}
