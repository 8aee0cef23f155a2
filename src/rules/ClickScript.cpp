#include "rules/ClickScript.h"

#include "ground/Cp1252.h"
#include "ground/Formats.h"
#include "ground/Texts.h"

#include <algorithm>

namespace zf {

namespace {

const char* yesNo(bool on)
{
    return on ? "JA" : "NEIN";
}

} // namespace

std::string fillPlaceholders(std::string_view text, const PlaceholderValues& values)
{
    size_t longest = 0;
    for (const auto& [placeholder, value] : values)
        longest = std::max(longest, placeholder.size());
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('[', at);
        if (open == std::string_view::npos)
            break;
        out.append(text.substr(at, open - at));
        // looks no further than the longest placeholder, so the pass stays linear
        const size_t length = text.substr(open, longest).find(']');
        if (length != std::string_view::npos) {
            const auto it = values.find(text.substr(open, length + 1));
            if (it != values.end()) {
                out += it->second;
                at = open + length + 1;
                continue;
            }
        }
        // not a placeholder: the bracket stays, and a placeholder may start after it
        out += '[';
        at = open + 1;
    }
    out.append(text.substr(std::min(at, text.size())));
    return out;
}

PlaceholderValues clickScriptValues(const TipSheet& sheet, const PlayedDays& days, const std::array<bool, 3>& joker)
{
    PlaceholderValues v;
    for (int row = 0; row < TipSheet::kRows; ++row) {
        const std::string tip = std::to_string(row + 1);
        for (int col = 0; col < TipSheet::kCols; ++col)
            v["[Z" + std::to_string(col + 1) + "_" + tip + "]"] = sheet.cell(row, col);
        v["[PLUS" + tip + "]"] = sheet.dream(row);
    }
    v["[MELDUNGFERTIG]"] = text(Text::ScriptReady);
    v["[MI]"] = yesNo(days.mittwoch);
    v["[SA]"] = yesNo(days.samstag);
    v["[MISA]"] = yesNo(days.mittwoch && days.samstag);
    v["[JOKER1]"] = yesNo(joker[0]);
    v["[JOKER2]"] = yesNo(joker[1]);
    v["[JOKER3]"] = yesNo(joker[2]);
    return v;
}

std::string decodeTemplate(std::string_view bytes)
{
    return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

std::string pilotaraProgram(const std::string& folder)
{
#ifdef _WIN32
    return folder + "\\Pilotara.exe";
#else
    return folder + "/pilotara";
#endif
}

std::vector<std::string> pilotaraArguments(const std::string& script, const ScriptParameters& p)
{
    return {"START", script, p.zahl1, p.text1, p.zahl2, p.text2};
}

size_t utf8Chars(std::string_view text)
{
    size_t n = 0;
    for (char ch : text)
        n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80; // continuation bytes do not count
    return n;
}

size_t commandLineChars(const std::vector<std::string>& arguments)
{
    // every argument but the first in double quotes, single blanks between
    size_t n = 0;
    for (size_t i = 0; i < arguments.size(); ++i)
        n += utf8Chars(arguments[i]) + (i == 0 ? 0 : 3);
    return n;
}

std::string templateRefreshTarget(const ServerAddress& server, const std::string& templateFileName)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (char ch : templateFileName) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~';
        if (plain) {
            name += ch;
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    return server.prefix + "/scripts/" + name + ".txt";
}

std::string installerAddress(const ServerAddress& server)
{
    return "http://" + server.host + ":" + std::to_string(server.port) + server.prefix + "/dateien/pilotarap.exe";
}

bool answerReplacesTemplate(const HttpResponse& answer, int64_t localModified)
{
    if (answer.status != 200 || answer.body.empty())
        return false;
    const auto modified = parseHttpDate(answer.lastModified);
    return modified && *modified > localModified;
}

} // namespace zf
