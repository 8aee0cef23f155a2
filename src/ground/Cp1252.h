#pragma once

#include <string>
#include <string_view>

namespace zf {

// Files of the Windows program are written in the ANSI code page, taken as
// Windows-1252; the program keeps its texts as UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-16 without byte-order mark; a lone surrogate is kept as it is.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);
// Characters the code page cannot hold become '?'; bytes that are not valid
// UTF-8 are taken as Windows-1252 already.
std::string utf8ToCp1252(std::string_view utf8);
bool isValidUtf8(std::string_view bytes);
// UTF-16 little-endian without byte-order mark; invalid bytes count as
// Windows-1252.
std::string utf8ToUtf16Le(std::string_view utf8);

} // namespace zf
