#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zf {

// Reads a text file into lines with the byte-order-mark rule: a UTF-8 or
// UTF-16 mark selects that encoding, otherwise the 8-bit code page (taken as
// Windows-1252) applies. Lines come back as UTF-8. nullopt when unreadable.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// The run-time texts: message N is line N, counted from 0.
class Messages {
public:
    Messages() : m_lines{"Memo2"} {}

    // Empty text for an index beyond the last line.
    const std::string& operator[](int index) const;
    bool load(const std::string& path);
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    int count() const { return static_cast<int>(m_lines.size()); }

private:
    std::vector<std::string> m_lines;
};

} // namespace zf
