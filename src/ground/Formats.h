#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The program's one place for conversions between text and numbers or dates:
// dates "dd.mm.yyyy" as whole days since 30.12.1899, decimal comma,
// thousands point, currency after the amount.
namespace zf {

constexpr int kFirstDrawDay = 45236; // Monday 06.11.2023

struct CivilDate {
    int year;
    int month;
    int day;
};

int dayFromCivil(int year, int month, int day);
// A stored date as a whole day; damaged values (NaN, far out of range) are
// clamped to 01.01.0001..31.12.9999 so every reader stays defined.
int toDay(double datum);
CivilDate civilFromDay(int day);
// 0 = Monday ... 6 = Sunday
int weekday(int day);
inline bool isMonday(double day)
{
    return weekday(toDay(day)) == 0;
}
inline bool isThursday(double day)
{
    return weekday(toDay(day)) == 3;
}

std::string formatDate(int day);                     // "dd.mm.yyyy"
std::string formatShortDate(int day);                // "dd.mm.yy"
std::optional<int> parseDate(std::string_view text); // "d.m.yyyy", also two-digit years

// Whole 32-bit integer as the runtime converts it: optional blanks before,
// optional sign, decimal digits, nothing after. Throws ConvertError.
int toInt(std::string_view text);
std::optional<int> tryToInt(std::string_view text);

// Decimal comma, optional thousands points.
std::optional<double> tryToFloat(std::string_view text);
std::string formatFloat(double value, int decimals);                 // "1,50"
std::string formatCurrency(double value, const std::string& symbol); // "1,50 €"

// An HTTP date "Sun, 06 Nov 1994 08:49:37 GMT" as seconds since 01.01.1970
// UTC; nullopt for any other form.
std::optional<int64_t> parseHttpDate(std::string_view text);

} // namespace zf
