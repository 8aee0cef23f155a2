#include "data/Messages.h"

#include "ground/AtomicFile.h"
#include "ground/Cp1252.h"
#include "ground/Error.h"

namespace zf {

// The German catalogue, built in from the shipped file.
extern const unsigned char kBuiltinCatalogue[];
extern const size_t kBuiltinCatalogueSize;

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
        text = utf16ToUtf8(std::string_view(bytes).substr(2), false);
    else if (bytes.rfind("\xFE\xFF", 0) == 0)
        text = utf16ToUtf8(std::string_view(bytes).substr(2), true);
    else
        text = cp1252ToUtf8(bytes);

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
