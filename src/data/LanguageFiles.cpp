#include "data/LanguageFiles.h"

#include "data/Messages.h"
#include "ground/AtomicFile.h"
#include "ground/Cp1252.h"
#include "ground/Error.h"
#include "ground/Formats.h"
#include "ground/Texts.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zf {

const Language kLanguages[10] = {{"de", 0}, {"fr", 2}, {"it", 9}, {"en", 1}, {"sp", 3},
                                 {"tr", 4}, {"ru", 5}, {"pl", 8}, {"cz", 7}, {"nl", 6}};

const char* languageCode(int sprache)
{
    for (const Language& l : kLanguages)
        if (l.sprache == sprache)
            return l.code;
    return nullptr;
}

std::optional<int> languageOfCode(std::string_view code)
{
    for (const Language& l : kLanguages)
        if (code == l.code)
            return l.sprache;
    return std::nullopt;
}

std::string baseTextFile(const std::string& home)
{
    return home + "land/bezeichch.txt";
}

std::string translationFile(const std::string& home, const std::string& code)
{
    return baseTextFile(home) + "." + code;
}

std::string optionItemsFile(const std::string& home, const std::string& code)
{
    return home + "land/Radio1.txt." + code;
}

std::string messageFile(const std::string& home, const std::string& code)
{
    return home + "land/meldungen.txt." + code;
}

std::string textTableFile(const std::string& home, const std::string& code)
{
    return home + "land/texte.txt." + code;
}

namespace {

// Blanks and control characters at both ends go.
std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

void addLine(std::string& out, const std::string& line)
{
    out += line;
    out += "\r\n";
}

} // namespace

std::vector<std::string> parseTextTable(const std::string& bytes, std::vector<std::string>* problems)
{
    std::map<std::string_view, int> ids;
    for (int i = 0; i < kTextCount; ++i)
        ids.emplace(textName(static_cast<Text>(i)), i);
    std::vector<std::string> table(kTextCount);
    std::string_view rest = bytes;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF")
        rest.remove_prefix(3);
    for (int number = 1; !rest.empty(); ++number) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (trimmed(line).empty() || line.front() == '#')
            continue;
        const size_t eq = line.find('=');
        const auto it = eq == std::string_view::npos ? ids.end() : ids.find(trimmed(line.substr(0, eq)));
        if (it == ids.end()) {
            if (problems)
                problems->push_back("texte line " + std::to_string(number) +
                                    ": no text of the program: " + std::string(line.substr(0, 60)));
            continue;
        }
        table[static_cast<size_t>(it->second)] = line.substr(eq + 1);
    }
    return table;
}

std::string germanTextTableBytes()
{
    std::string out = "# Ziffrano: Deutsch. Name=Text; {1}, {2} ... stehen für Werte, die das Programm einsetzt.\n";
    for (int i = 0; i < kTextCount; ++i)
        out += std::string(textName(static_cast<Text>(i))) + "=" + germanText(static_cast<Text>(i)) + "\n";
    return out;
}

ControlTexts::ControlTexts(std::vector<std::string> base, std::optional<std::vector<std::string>> translation)
    : m_base(std::move(base)), m_translation(std::move(translation))
{
}

std::optional<ControlTexts> ControlTexts::load(const std::string& baseFile, const std::string& code)
{
    auto base = readTextLines(baseFile);
    if (!base)
        return std::nullopt;
    return ControlTexts(std::move(*base), readTextLines(baseFile + "." + code));
}

const std::string& ControlTexts::line(const std::vector<std::string>& lines, size_t i) const
{
    static const std::string empty;
    return i < lines.size() ? lines[i] : empty;
}

std::optional<ControlTexts::Found> ControlTexts::find(std::string_view owner, std::string_view component)
{
    for (size_t i = m_start; i <= m_start + 10; ++i) {
        if (trimmed(line(m_base, 5 * i)) != owner || trimmed(line(m_base, 5 * i + 1)) != component)
            continue;
        m_start = i;
        if (m_translation)
            return Found{line(*m_translation, 2 * i), line(*m_translation, 2 * i + 1), {}};
        return Found{line(m_base, 5 * i + 2), line(m_base, 5 * i + 3), line(m_base, 5 * i + 4)};
    }
    return std::nullopt;
}

bool isNumberText(std::string_view text)
{
    return tryToFloat(text).has_value();
}

std::string baseFileBytes(const std::vector<TextRecord>& records)
{
    std::string text;
    for (const TextRecord& r : records) {
        for (const std::string* line : {&r.owner, &r.component, &r.caption, &r.hint})
            addLine(text, *line);
        addLine(text, std::to_string(r.charset));
    }
    const std::string bytes = utf8ToCp1252(text);
    return cp1252ToUtf8(bytes) == text ? bytes : "\xEF\xBB\xBF" + text;
}

std::string translationFileBytes(const std::vector<TextRecord>& records)
{
    std::string text;
    for (const TextRecord& r : records) {
        addLine(text, r.caption);
        addLine(text, r.hint);
    }
    return "\xFF\xFE" + utf8ToUtf16Le(text);
}

void writeTextExport(const std::string& path, const std::vector<TextRecord>& records)
{
    writeFileAtomically(path, baseFileBytes(records));
    writeFileAtomically(path + ".trans", translationFileBytes(records));
}

std::vector<std::string> realignTranslation(const std::vector<std::string>& oldBase,
                                            const std::vector<std::string>& oldTranslation,
                                            const std::vector<std::string>& newBase)
{
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> known;
    for (size_t i = 0; 5 * i + 1 < oldBase.size(); ++i) {
        const auto at = [&](size_t k) { return k < oldTranslation.size() ? oldTranslation[k] : std::string(); };
        known.emplace(std::pair(std::string(trimmed(oldBase[5 * i])), std::string(trimmed(oldBase[5 * i + 1]))),
                      std::pair(at(2 * i), at(2 * i + 1)));
    }
    std::vector<std::string> out;
    for (size_t i = 0; 5 * i + 1 < newBase.size(); ++i) {
        const auto it = known.find({std::string(trimmed(newBase[5 * i])), std::string(trimmed(newBase[5 * i + 1]))});
        out.push_back(it != known.end() ? it->second.first : std::string());
        out.push_back(it != known.end() ? it->second.second : std::string());
    }
    return out;
}

namespace {

// Digit runs and the placeholders %1..%9 and %s, sorted, so their order may
// change with the sentence.
std::vector<std::string> placeholders(std::string_view s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t j = i;
        if (s[i] == '%' && i + 1 < s.size() && (s[i + 1] == 's' || (s[i + 1] >= '0' && s[i + 1] <= '9')))
            j = i + 2;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j;
        if (j > i) {
            out.emplace_back(s.substr(i, j - i));
            i = j;
        } else {
            ++i;
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

void compareLines(std::vector<std::string>& problems, const std::string& what, const std::vector<std::string>& german,
                  const std::vector<std::string>& lines)
{
    if (lines.size() != german.size())
        problems.push_back(what + ": " + std::to_string(lines.size()) + " lines, German has " +
                           std::to_string(german.size()));
    for (size_t i = 0; i < std::min(lines.size(), german.size()); ++i) {
        const std::string where = what + " line " + std::to_string(i);
        if (lines[i].empty() && !german[i].empty())
            problems.push_back(where + ": empty");
        else if (placeholders(lines[i]) != placeholders(german[i]))
            problems.push_back(where + ": numbers or placeholders differ from German: " + lines[i]);
    }
}

} // namespace

std::vector<std::string> checkLanguage(const LanguageFiles& f)
{
    std::vector<std::string> problems;
    if (f.base.size() % 5 != 0)
        problems.push_back("base file: " + std::to_string(f.base.size()) + " lines, not five per record");
    if (f.translation) {
        const size_t records = f.base.size() / 5;
        if (f.translation->size() != 2 * records)
            problems.push_back("translation file: " + std::to_string(f.translation->size()) + " lines, base file has " +
                               std::to_string(records) + " records");
        for (size_t i = 0; i < records; ++i) {
            const std::string name = f.base[5 * i] + "." + f.base[5 * i + 1];
            for (size_t k = 0; k < 2; ++k) {
                const std::string& german = f.base[5 * i + 2 + k];
                const std::string tr = 2 * i + k < f.translation->size() ? (*f.translation)[2 * i + k] : "";
                const char* field = k == 0 ? " caption" : " hint";
                if (tr.empty() && !german.empty())
                    problems.push_back("record " + std::to_string(i) + " " + name + field + ": empty");
                else if (placeholders(tr) != placeholders(german))
                    problems.push_back("record " + std::to_string(i) + " " + name + field +
                                       ": numbers or placeholders differ from German: " + tr);
            }
        }
    }
    compareLines(problems, "Radio1", f.itemsDe, f.items);
    compareLines(problems, "meldungen", f.messagesDe, f.messages);
    if (f.textTable) {
        const std::vector<std::string> table = parseTextTable(*f.textTable, &problems);
        for (int i = 0; i < kTextCount; ++i) {
            const auto id = static_cast<Text>(i);
            const std::string& t = table[static_cast<size_t>(i)];
            const std::string where = std::string("texte ") + textName(id);
            if (t.empty())
                problems.push_back(where + ": empty");
            else if (placeholders(t) != placeholders(germanText(id)))
                problems.push_back(where + ": numbers or placeholders differ from German: " + t);
        }
    }
    return problems;
}

std::vector<std::string> checkLanguage(const std::string& home, const std::string& code)
{
    std::vector<std::string> missing;
    auto read = [&missing](const std::string& path) {
        auto lines = readTextLines(path);
        if (!lines)
            missing.push_back(path + ": missing");
        return lines.value_or(std::vector<std::string>{});
    };
    LanguageFiles f{read(baseTextFile(home)),
                    std::nullopt,
                    read(optionItemsFile(home, code)),
                    read(optionItemsFile(home, "de")),
                    read(messageFile(home, code)),
                    read(messageFile(home, "de")),
                    std::nullopt};
    if (code != "de")
        f.translation = read(translationFile(home, code));
    try {
        f.textTable = readFileBytes(textTableFile(home, code), kMaxTextFileBytes);
    } catch (const IoError&) {
        missing.push_back(textTableFile(home, code) + ": missing");
    }
    auto problems = checkLanguage(f);
    problems.insert(problems.begin(), missing.begin(), missing.end());
    return problems;
}

} // namespace zf
