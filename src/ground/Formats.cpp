#include "ground/Formats.h"

#include "ground/Error.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace zf {

namespace {
// Days from 01.01.1970 to 30.12.1899
constexpr int kEpochOffset = 25569;
} // namespace

// Civil calendar arithmetic after H. Hinnant's public-domain algorithms.
int dayFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kEpochOffset;
}

int toDay(double datum)
{
    constexpr double kLowest = -693593;  // 01.01.0001
    constexpr double kHighest = 2958465; // 31.12.9999
    if (!(datum >= kLowest))
        return static_cast<int>(kLowest); // NaN lands here too
    if (datum > kHighest)
        return static_cast<int>(kHighest);
    return static_cast<int>(datum);
}

CivilDate civilFromDay(int day)
{
    int z = day - kEpochOffset + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

int weekday(int day)
{
    // Day 2 (01.01.1900) was a Monday.
    return ((day - 2) % 7 + 7) % 7;
}

std::string formatDate(int day)
{
    const CivilDate c = civilFromDay(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", c.day, c.month, c.year);
    return buf;
}

std::string formatShortDate(int day)
{
    const CivilDate c = civilFromDay(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%02d", c.day, c.month, c.year % 100);
    return buf;
}

std::optional<int> parseDate(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int field = 0;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            if (++digits[field] > 4)
                return std::nullopt;
            parts[field] = parts[field] * 10 + (ch - '0');
        } else if (ch == '.' && field < 2 && digits[field] > 0) {
            ++field;
        } else if (ch == ' ' && field == 0 && digits[0] == 0) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (field != 2 || digits[2] == 0)
        return std::nullopt;
    int year = parts[2];
    if (digits[2] <= 2)
        year += year < 50 ? 2000 : 1900;
    const int month = parts[1];
    const int day = parts[0];
    if (month < 1 || month > 12 || day < 1 || year < 1 || year > 9999)
        return std::nullopt;
    const int result = dayFromCivil(year, month, day);
    if (civilFromDay(result).day != day)
        return std::nullopt; // 31.02. and the like
    return result;
}

std::optional<int> tryToInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

int toInt(std::string_view text)
{
    if (auto v = tryToInt(text))
        return *v;
    throw ConvertError(Text::NotAnInteger, {std::string(text)});
}

std::optional<double> tryToFloat(std::string_view text)
{
    std::string plain;
    bool seenComma = false;
    bool seenDigit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            plain += ch;
            seenDigit = true;
        } else if (ch == ',' && !seenComma) {
            plain += '.';
            seenComma = true;
        } else if (ch == '.' && !seenComma && seenDigit) {
            continue; // thousands point
        } else if ((ch == '-' || ch == '+') && plain.empty()) {
            plain += ch;
        } else if (ch == ' ' && plain.empty()) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

std::string formatFloat(double value, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s = buf;
    for (char& ch : s)
        if (ch == '.')
            ch = ',';
    return s;
}

std::string formatCurrency(double value, const std::string& symbol)
{
    std::string s = formatFloat(std::fabs(value), 2);
    const size_t comma = s.find(',');
    for (int pos = static_cast<int>(comma) - 3; pos > 0; pos -= 3)
        s.insert(static_cast<size_t>(pos), 1, '.');
    return (value < 0 ? "-" : "") + s + " " + symbol;
}

std::optional<int64_t> parseHttpDate(std::string_view text)
{
    static constexpr std::string_view kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    // "Www, DD Mon YYYY HH:MM:SS GMT", fixed positions
    if (text.size() != 29 || text.substr(3, 2) != ", " || text.substr(25) != " GMT")
        return std::nullopt;
    auto number = [&](size_t at, size_t digits) -> std::optional<int> {
        int n = 0;
        for (size_t i = at; i < at + digits; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            n = n * 10 + (text[i] - '0');
        }
        return n;
    };
    const size_t month = kMonths.find(text.substr(8, 3));
    const auto day = number(5, 2), year = number(12, 4), hour = number(17, 2), minute = number(20, 2),
               second = number(23, 2);
    if (month == std::string_view::npos || month % 3 != 0 || !day || !year || !hour || !minute || !second ||
        text[7] != ' ' || text[11] != ' ' || text[16] != ' ' || text[19] != ':' || text[22] != ':' || *day < 1 ||
        *year < 1 || *hour > 23 || *minute > 59 || *second > 60)
        return std::nullopt;
    const int d = dayFromCivil(*year, static_cast<int>(month / 3) + 1, *day);
    if (civilFromDay(d).day != *day)
        return std::nullopt;
    return (static_cast<int64_t>(d) - kEpochOffset) * 86400 + *hour * 3600 + *minute * 60 + *second;
}

} // namespace zf
