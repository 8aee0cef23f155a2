#pragma once

#include "data/DrawFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// The draw date after `day`: a Monday gives the Thursday, a Thursday the next
// Monday, any other day the Monday of the week that begins on the Sunday on
// or before it.
int nextDrawDate(int day);

// "yyyymmdd" and back; the parser takes exactly eight digits of a real date.
std::string compactDate(int day);
std::optional<int> parseCompactDate(std::string_view text);

inline constexpr std::string_view kUpdatePath = "/zahlen/lotto_neu.asp";
// Path and query of the request for one draw date.
std::string updateRequestTarget(int day);

// The update server's address as the option holds it: "http://host[:port][/prefix]".
struct ServerAddress {
    std::string host;
    int port = 80;
    std::string prefix; // put before the request path, without a trailing "/"
};
std::optional<ServerAddress> parseServerAddress(std::string_view text);

// One line of an update answer: a leading field, ",", six numbers each
// followed by ",", the dream number, ";" and anything after it.
struct UpdateLine {
    enum class Kind {
        Draw,       // the draw
        Unreadable, // a separator is missing or a field is no number: `rest` is the part not yet read
        Invalid,    // read, but the values cannot be stored: `problem` says why
    };
    Kind kind = Kind::Unreadable;
    Draw draw;
    std::string rest;
    std::string problem;
};
// The draw is dated `day` (the requested date); bytes 16-23 come from `carry`.
UpdateLine parseUpdateLine(std::string_view line, int day, const Draw& carry);

// A body's lines as a text control holds them: CR LF, LF or CR end a line,
// and a break at the very end opens no further line.
std::vector<std::string> bodyLines(std::string_view body);

// The line the update server sends for a stored draw.
std::string updateLine(const Draw& draw);

} // namespace zf
