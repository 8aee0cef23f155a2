#include "data/Messages.h"

#include "ground/AtomicFile.h"
#include "ground/Error.h"

namespace zf {

// The German catalogue, built in from the shipped file.
extern const unsigned char kBuiltinCatalogue[];
extern const size_t kBuiltinCatalogueSize;

namespace {

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

std::string decodeUtf16(const std::string& bytes, size_t start, bool bigEndian)
{
    std::string out;
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const auto c0 = static_cast<unsigned char>(bytes[i + 2]);
            const auto c1 = static_cast<unsigned char>(bytes[i + 3]);
            const char32_t low = bigEndian ? (c0 << 8 | c1) : (c1 << 8 | c0);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, unit);
    }
    return out;
}

std::string decodeCp1252(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

} // namespace

std::optional<std::vector<std::string>> readTextLines(const std::string& path)
{
    try {
        return decodeTextLines(readFileBytes(path, kMaxTextFileBytes));
    } catch (const IoError&) {
        return std::nullopt;
    }
}

std::vector<std::string> decodeTextLines(const std::string& bytes)
{
    std::string text;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        text = bytes.substr(3);
    else if (bytes.rfind("\xFF\xFE", 0) == 0)
        text = decodeUtf16(bytes, 2, false);
    else if (bytes.rfind("\xFE\xFF", 0) == 0)
        text = decodeUtf16(bytes, 2, true);
    else
        text = decodeCp1252(bytes);

    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(line);
            line.clear();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += ch;
        }
    }
    // a last line without line break still counts
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

const std::vector<std::string>& Messages::builtIn()
{
    static const std::vector<std::string> lines =
        decodeTextLines(std::string(reinterpret_cast<const char*>(kBuiltinCatalogue), kBuiltinCatalogueSize));
    return lines;
}

const std::string& Messages::operator[](int index) const
{
    static const std::string empty;
    if (index < 0)
        return empty;
    const auto i = static_cast<size_t>(index);
    // a short or blank line of a catalogue takes the built-in text
    if (i < m_lines.size() && !m_lines[i].empty())
        return m_lines[i];
    return i < builtIn().size() ? builtIn()[i] : empty;
}

bool Messages::load(const std::string& path)
{
    auto lines = readTextLines(path);
    m_lines = lines ? std::move(*lines) : builtIn();
    return lines.has_value();
}

} // namespace zf
