#include "ground/Rtf.h"

#include "ground/Cp1252.h"

#include <cstdio>

namespace zf {

std::string rtfDocument(const std::vector<std::string>& lines)
{
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n\\f0\\fs20 ";
    for (const std::string& line : lines) {
        for (const char ch : utf8ToCp1252(line)) {
            const auto b = static_cast<unsigned char>(ch);
            if (ch == '\\' || ch == '{' || ch == '}') {
                out += '\\';
                out += ch;
            } else if (ch == '\t') {
                out += "\\tab ";
            } else if (b >= 0x80 || b < 0x20) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\'%02x", b);
                out += hex;
            } else {
                out += ch;
            }
        }
        out += "\\par\r\n";
    }
    return out + "}\r\n";
}

} // namespace zf
