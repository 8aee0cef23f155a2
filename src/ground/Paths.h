#pragma once

#include <filesystem>
#include <string>

namespace zf {

// Paths travel through the program as UTF-8 strings; these convert at the
// file system's edge so names with umlauts work on every platform.
inline std::filesystem::path toPath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string fromPath(const std::filesystem::path& p)
{
    const std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

} // namespace zf
