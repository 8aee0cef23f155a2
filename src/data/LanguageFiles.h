#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// The interface languages in menu order: code of the language files and the
// stored `Sprache` value.
struct Language {
    const char* code;
    int sprache;
};
extern const Language kLanguages[10];
const char* languageCode(int sprache); // nullptr outside 0..9
std::optional<int> languageOfCode(std::string_view code);

// Paths beside the program ("home" ends with a separator).
std::string baseTextFile(const std::string& home);                             // land/bezeichch.txt
std::string translationFile(const std::string& home, const std::string& code); // land/bezeichch.txt.xx
std::string optionItemsFile(const std::string& home, const std::string& code); // land/Radio1.txt.xx
std::string messageFile(const std::string& home, const std::string& code);     // land/meldungen.txt.xx
std::string textTableFile(const std::string& home, const std::string& code);   // land/texte.txt.xx

// The program's own texts (ground/Texts) in a language, as "Name=text" lines
// in UTF-8; lines starting with '#' are comments. The result is indexed by
// Text; a name the file leaves out stays empty, which means German. Lines
// the program cannot use are named in `problems`.
std::vector<std::string> parseTextTable(const std::string& bytes, std::vector<std::string>* problems = nullptr);
// The German texts in that format: the starting point of a translation.
std::string germanTextTableBytes();

// One component's texts as the base file holds them: five lines.
struct TextRecord {
    std::string owner;
    std::string component;
    std::string caption;
    std::string hint;
    int charset = 1;
};

// The control texts of one language: the base file's lines and, in
// translation mode, the translation file's lines.
class ControlTexts {
public:
    ControlTexts(std::vector<std::string> base, std::optional<std::vector<std::string>> translation);

    // The base file and, when it exists, the translation for `code`.
    // nullopt without a base file: then nothing may change.
    static std::optional<ControlTexts> load(const std::string& baseFile, const std::string& code);

    struct Found {
        std::string caption;
        std::string hint;
        std::string charset; // only in base mode; may not be a number
    };
    // Looks at most 11 records from the last found one on, so the base file
    // must follow the order in which the window asks.
    std::optional<Found> find(std::string_view owner, std::string_view component);
    bool translated() const { return m_translation.has_value(); }
    int records() const { return static_cast<int>(m_base.size() / 5); }

private:
    const std::string& line(const std::vector<std::string>& lines, size_t i) const;

    std::vector<std::string> m_base;
    std::optional<std::vector<std::string>> m_translation;
    size_t m_start = 0;
};

// What applying a language hands to the window: the control texts and, when
// the language has them, the items of the dream-number option group.
struct LanguageTexts {
    ControlTexts controls;
    std::optional<std::vector<std::string>> optionItems;
};

// A caption that reads as a number in the program's format (decimal comma).
bool isNumberText(std::string_view text);

// The export's two files: the base format in the 8-bit code page (UTF-8 with
// a byte-order mark when a text does not fit the code page, so nothing is
// lost) and the translation format as UTF-16 LE with a byte-order mark.
std::string baseFileBytes(const std::vector<TextRecord>& records);
std::string translationFileBytes(const std::vector<TextRecord>& records);
// Writes `path` and `path`.trans; throws IoError naming the file.
void writeTextExport(const std::string& path, const std::vector<TextRecord>& records);

// A translation aligned to a new base file: records keep their texts by
// owner and component; new components get empty lines, so the check names them.
std::vector<std::string> realignTranslation(const std::vector<std::string>& oldBase,
                                            const std::vector<std::string>& oldTranslation,
                                            const std::vector<std::string>& newBase);

// Problems of a language's files against the German ones, one line each:
// empty texts where German has one, line counts and placeholders (digits,
// %1, %s, {1}) that differ, the program's texts the texte file leaves out or
// cannot give. Empty when the language is complete.
struct LanguageFiles {
    std::vector<std::string> base;
    std::optional<std::vector<std::string>> translation; // nullopt for German
    std::vector<std::string> items, itemsDe;
    std::vector<std::string> messages, messagesDe;
    std::optional<std::string> textTable; // the texte file's bytes
};
std::vector<std::string> checkLanguage(const LanguageFiles& files);
// The same for the files of `code` beside the program; a missing file is a
// problem too (a missing translation only for a language other than German).
std::vector<std::string> checkLanguage(const std::string& home, const std::string& code);

} // namespace zf
