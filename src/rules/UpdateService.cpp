#include "rules/UpdateService.h"

#include "ground/Formats.h"
#include "rules/DrawUpdate.h"

#include <optional>

namespace zf {

DrawAnswers::DrawAnswers(const std::vector<Draw>& draws)
{
    for (const Draw& d : draws)
        m_bodies[toDay(d.datum)] += updateLine(d) + "\r\n";
}

const std::string* DrawAnswers::body(int day) const
{
    const auto it = m_bodies.find(day);
    return it == m_bodies.end() ? nullptr : &it->second;
}

namespace {

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

ServiceAnswer badRequest(const std::string& why)
{
    return {400, "Fehlerhafte Anfrage: " + why + "\r\n"};
}

} // namespace

ServiceAnswer answerDrawRequest(std::string_view target, const DrawAnswers& draws)
{
    const size_t q = target.find('?');
    if (target.substr(0, q) != kUpdatePath)
        return {404, "Nicht gefunden\r\n"};
    if (q == std::string_view::npos)
        return badRequest("Programm und Datum fehlen");
    std::optional<std::string> programm, datum;
    std::string_view query = target.substr(q + 1);
    while (!query.empty()) {
        const size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        if (pair.empty())
            continue;
        const size_t eq = pair.find('=');
        const auto name = percentDecoded(pair.substr(0, eq));
        const auto value = percentDecoded(eq == std::string_view::npos ? std::string_view{} : pair.substr(eq + 1));
        if (!name || !value)
            return badRequest("unlesbare Kodierung");
        std::optional<std::string>* slot = sameIgnoringCase(*name, "Programm") ? &programm
                                           : sameIgnoringCase(*name, "Datum")  ? &datum
                                                                               : nullptr;
        if (!slot)
            continue; // other parameters, a cache breaker say, change nothing
        if (*slot)
            return badRequest(*name + " doppelt");
        *slot = *value;
    }
    if (!programm || *programm != "Somnara")
        return badRequest("Programm muss Somnara sein");
    if (!datum)
        return badRequest("Datum fehlt");
    const auto day = parseCompactDate(*datum);
    if (!day)
        return badRequest("Datum muss yyyymmdd sein");
    if (const std::string* body = draws.body(*day))
        return {200, *body};
    return {500, formatDate(*day) + " noch nicht da\r\n"};
}

} // namespace zf
