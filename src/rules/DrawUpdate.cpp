#include "rules/DrawUpdate.h"

#include "ground/Formats.h"

#include <cstdio>

namespace zf {

int nextDrawDate(int day)
{
    // weekday numbers 1 = Sunday .. 7 = Saturday
    const int dayOfWeek = (weekday(day) + 1) % 7 + 1;
    if (dayOfWeek == 2)
        return day + 3;
    if (dayOfWeek == 5)
        return day + 4;
    return day - dayOfWeek + 2;
}

std::string compactDate(int day)
{
    const CivilDate c = civilFromDay(day);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", c.year, c.month, c.day);
    return buf;
}

std::optional<int> parseCompactDate(std::string_view text)
{
    if (text.size() != 8)
        return std::nullopt;
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return std::nullopt;
    auto number = [&](size_t from, size_t len) {
        int v = 0;
        for (size_t i = from; i < from + len; ++i)
            v = v * 10 + (text[i] - '0');
        return v;
    };
    const int year = number(0, 4), month = number(4, 2), mday = number(6, 2);
    if (year < 1 || month < 1 || month > 12 || mday < 1)
        return std::nullopt;
    const int day = dayFromCivil(year, month, mday);
    if (civilFromDay(day).day != mday)
        return std::nullopt;
    return day;
}

std::string updateRequestTarget(int day)
{
    return std::string(kUpdatePath) + "?Programm=Somnara&Datum=" + compactDate(day);
}

std::optional<ServerAddress> parseServerAddress(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    constexpr std::string_view scheme = "http://";
    if (text.size() >= scheme.size()) {
        std::string head(text.substr(0, scheme.size()));
        for (char& ch : head)
            ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
        if (head == scheme)
            text.remove_prefix(scheme.size());
        else if (text.find("://") != std::string_view::npos)
            return std::nullopt; // https and the like: the update is plain HTTP
    }
    ServerAddress a;
    const size_t slash = text.find('/');
    std::string_view authority = text.substr(0, slash);
    if (slash != std::string_view::npos) {
        a.prefix = std::string(text.substr(slash));
        while (!a.prefix.empty() && a.prefix.back() == '/')
            a.prefix.pop_back();
        for (char ch : a.prefix)
            if (static_cast<unsigned char>(ch) <= ' ' || ch == '?' || ch == '#')
                return std::nullopt;
    }
    const size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']') == std::string_view::npos) {
        const auto port = tryToInt(authority.substr(colon + 1));
        if (!port || *port < 1 || *port > 65535 || authority[colon + 1] == ' ' || authority[colon + 1] == '+' ||
            authority[colon + 1] == '-')
            return std::nullopt;
        a.port = *port;
        authority = authority.substr(0, colon);
    }
    if (authority.empty() || authority.size() > 253)
        return std::nullopt;
    for (char ch : authority) {
        const bool ok = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '.' ||
                        ch == '-' || ch == '_';
        if (!ok)
            return std::nullopt;
    }
    a.host = std::string(authority);
    return a;
}

namespace {

// The field up to `sep`, read as the runtime reads a whole number.
std::optional<int> takeField(std::string_view& rest, char sep)
{
    const size_t at = rest.find(sep);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto value = tryToInt(rest.substr(0, at));
    if (!value)
        return std::nullopt;
    rest.remove_prefix(at + 1);
    return value;
}

} // namespace

UpdateLine parseUpdateLine(std::string_view line, int day, const Draw& carry)
{
    UpdateLine out;
    std::string_view rest = line;
    // the leading field is skipped unread
    if (const size_t comma = rest.find(','); comma != std::string_view::npos)
        rest.remove_prefix(comma + 1);
    std::array<int, 6> numbers{};
    for (int& n : numbers) {
        const auto v = takeField(rest, ',');
        if (!v) {
            out.rest = std::string(rest);
            return out;
        }
        n = *v;
    }
    const auto dream = takeField(rest, ';');
    if (!dream) {
        out.rest = std::string(rest);
        return out;
    }
    if (auto problem = drawValuesProblem(numbers, *dream)) {
        out.kind = UpdateLine::Kind::Invalid;
        out.problem = *problem;
        return out;
    }
    out.kind = UpdateLine::Kind::Draw;
    out.draw = carry;
    out.draw.datum = day;
    for (size_t i = 0; i < numbers.size(); ++i)
        out.draw.zahlen[i] = static_cast<uint8_t>(numbers[i]);
    out.draw.zahlen[6] = 0;
    out.draw.zahlen[7] = static_cast<uint8_t>(*dream);
    return out;
}

std::vector<std::string> bodyLines(std::string_view body)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\r' && body[i] != '\n')
            continue;
        lines.emplace_back(body.substr(start, i - start));
        if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < body.size())
        lines.emplace_back(body.substr(start));
    return lines;
}

std::string updateLine(const Draw& d)
{
    std::string line = formatDate(toDay(d.datum)) + ",";
    for (int i = 0; i < 6; ++i)
        line += std::to_string(d.zahlen[i]) + ",";
    return line + std::to_string(d.zahlen[7]) + ";";
}

} // namespace zf
