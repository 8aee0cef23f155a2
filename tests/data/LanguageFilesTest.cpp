#include "data/LanguageFiles.h"
#include "data/Messages.h"
#include "fakes/TempDir.h"
#include "ground/AtomicFile.h"
#include "ground/Texts.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

// Base file lines for components named C0, C1, ... of form F, captions "T<i>".
std::vector<std::string> baseLines(int records)
{
    std::vector<std::string> lines;
    for (int i = 0; i < records; ++i)
        for (const std::string& l : {std::string("F"), "C" + std::to_string(i), "T" + std::to_string(i),
                                     "H" + std::to_string(i), std::string("0")})
            lines.push_back(l);
    return lines;
}

} // namespace

TEST(ControlTexts, SearchLooksElevenRecordsAheadOfTheLastFound)
{
    // found C0; then 9 (resp. 10) records nobody asks for; then the next one
    for (const auto& [gap, found] : {std::pair(9, true), std::pair(10, false)}) {
        ControlTexts texts(baseLines(12), std::nullopt);
        ASSERT_TRUE(texts.find("F", "C0"));
        EXPECT_EQ(texts.find("F", "C" + std::to_string(gap + 1)).has_value(), found) << gap;
    }
    // ten records may precede the first found one, since the search starts at 0
    ControlTexts first(baseLines(12), std::nullopt);
    EXPECT_TRUE(first.find("F", "C10"));
    ControlTexts late(baseLines(12), std::nullopt);
    EXPECT_FALSE(late.find("F", "C11"));
    // a miss keeps the start: the following component is still found
    EXPECT_TRUE(late.find("F", "C3"));
    // the found record is the next start, so a component before it is lost
    EXPECT_FALSE(late.find("F", "C2"));
    EXPECT_TRUE(late.find("F", "C3")) << "the same record again";
}

TEST(ControlTexts, NamesMatchExactlyAfterTrimmingBlanks)
{
    ControlTexts texts({" Form1 \t", "Label28  ", "Zahl", "Tipp", "238"}, std::nullopt);
    const auto found = texts.find("Form1", "Label28");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->caption, "Zahl");
    EXPECT_EQ(found->hint, "Tipp");
    EXPECT_EQ(found->charset, "238");
    ControlTexts cased({"Form1", "Label28", "", "", "1"}, std::nullopt);
    EXPECT_FALSE(cased.find("form1", "Label28"));
    EXPECT_FALSE(cased.find("Form1", "label28"));
}

TEST(ControlTexts, TranslationModeTakesTwoLinesPerRecordAndNoCharset)
{
    ControlTexts texts(baseLines(3), std::vector<std::string>{"a0", "b0", "a1", "b1"});
    EXPECT_TRUE(texts.translated());
    const auto one = texts.find("F", "C1");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->caption, "a1");
    EXPECT_EQ(one->hint, "b1");
    EXPECT_EQ(one->charset, "");
    // lines beyond the end of the translation read as empty
    const auto two = texts.find("F", "C2");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->caption, "");
}

TEST(ControlTexts, LoadNeedsTheBaseFileAndTakesTheTranslationWhenThere)
{
    TempDir dir;
    EXPECT_FALSE(ControlTexts::load(dir.file("bezeichch.txt"), "en"));
    dir.write("bezeichch.txt", "F\r\nC0\r\nDatei\r\n\r\n1\r\n");
    EXPECT_FALSE(ControlTexts::load(dir.file("bezeichch.txt"), "en")->translated());
    dir.write("bezeichch.txt.en", "File\r\n\r\n");
    auto texts = ControlTexts::load(dir.file("bezeichch.txt"), "en");
    ASSERT_TRUE(texts && texts->translated());
    EXPECT_EQ(texts->find("F", "C0")->caption, "File");
}

TEST(TextExport, BothFilesReadBackAsTheRecords)
{
    TempDir dir;
    const std::vector<TextRecord> records = {{"Form1", "Label1", "Größe", "", 0},
                                             {"Form1", "Datei1", "&Datei", "Öffnet", 1}};
    writeTextExport(dir.file("out.txt"), records);
    const std::string base = dir.read("out.txt");
    EXPECT_EQ(base.substr(0, 17), "Form1\r\nLabel1\r\nGr");
    EXPECT_EQ(base[17], '\xF6') << "8-bit code page";
    EXPECT_EQ(
        *readTextLines(dir.file("out.txt")),
        (std::vector<std::string>{"Form1", "Label1", "Größe", "", "0", "Form1", "Datei1", "&Datei", "Öffnet", "1"}));
    const std::string trans = dir.read("out.txt.trans");
    EXPECT_EQ(trans.substr(0, 4), std::string("\xFF\xFEG\0", 4)) << "UTF-16 LE with byte-order mark";
    EXPECT_EQ(*readTextLines(dir.file("out.txt.trans")), (std::vector<std::string>{"Größe", "", "&Datei", "Öffnet"}));

    // texts the code page cannot hold are not lost
    writeTextExport(dir.file("ru.txt"), {{"Form1", "Label1", "Тираж", "", 204}});
    EXPECT_EQ(readTextLines(dir.file("ru.txt"))->at(2), "Тираж");
}

TEST(TextExport, NumbersAreCaptionsInTheProgramsFormat)
{
    for (const char* n : {"0", "3,5", "-12", "1.000"})
        EXPECT_TRUE(isNumberText(n)) << n;
    for (const char* t : {"", "Tipp", "6 aus 40", "3.5x"})
        EXPECT_FALSE(isNumberText(t)) << t;
}

TEST(TextExport, RealignKeepsTextsByComponentAndLeavesNewOnesEmpty)
{
    const std::vector<std::string> oldBase = {"F", "A", "a", "", "1", "F", "B", "b", "hb", "1"};
    const std::vector<std::string> newBase = {"F", "B", "b", "hb", "1", "G", "N", "n", "", "1", "F", "A", "a", "", "1"};
    EXPECT_EQ(realignTranslation(oldBase, {"x", "", "y", "hy"}, newBase),
              (std::vector<std::string>{"y", "hy", "", "", "x", ""}));
}

TEST(LanguageCheck, NamesEmptyTextsCountsAndPlaceholders)
{
    LanguageFiles f;
    f.base = {"F", "A", "Tipps", "6 aus 40", "1", "F", "B", "Zahl", "", "1"};
    f.translation = {"Tips", "6 of 40", "Number", ""};
    f.items = f.itemsDe = {"a", "b"};
    f.messagesDe = {"Tipp %1", "x"};
    f.messages = {"Tip %1", "y"};
    EXPECT_TRUE(checkLanguage(f).empty());

    f.translation = {"", "6 of 49", "Number"};
    f.items = {"a"};
    f.messages = {"Tip", ""};
    const auto problems = checkLanguage(f);
    const std::vector<std::string> expected = {
        "translation file: 3 lines, base file has 2 records",
        "record 0 F.A caption: empty",
        "record 0 F.A hint: numbers or placeholders differ from German: 6 of 49",
        "Radio1: 1 lines, German has 2",
        "meldungen line 0: numbers or placeholders differ from German: Tip",
        "meldungen line 1: empty",
    };
    EXPECT_EQ(problems, expected);
}

TEST(LanguageCheck, NamesWhatTheTexteFileLacksOrCannotGive)
{
    LanguageFiles f;
    std::string table = germanTextTableBytes();
    EXPECT_TRUE(checkLanguage(f).empty());
    f.textTable = "\xEF\xBB\xBF" + table;
    EXPECT_TRUE(checkLanguage(f).empty()) << checkLanguage(f)[0];

    auto replaceLine = [&table](const std::string& name, const std::string& line) {
        const size_t at = table.find("\n" + name + "=") + 1;
        table.replace(at, table.find('\n', at) - at, line);
    };
    replaceLine("NumberTwice", "NumberTwice=Number {1} twice");
    replaceLine("DreamNotInRange", "DreamNotInRange=Dream {1} not in 1..6");
    replaceLine("ReadDrawsFirst", "ReadDrawsFirst=");
    replaceLine("ListEnd", "Listend={1} and {2}");
    f.textTable = table;
    const std::vector<std::string> expected = {
        "texte line 20: no text of the program: Listend={1} and {2}",
        "texte ReadDrawsFirst: empty",
        "texte ListEnd: empty",
        "texte DreamNotInRange: numbers or placeholders differ from German: Dream {1} not in 1..6",
    };
    EXPECT_EQ(checkLanguage(f), expected);
    EXPECT_EQ(parseTextTable(table)[static_cast<size_t>(Text::NumberTwice)], "Number {1} twice");
}

// The German texte file is the template of a new translation.
TEST(LanguageCheck, ShippedGermanTexteFileIsTheBuiltInTable)
{
    EXPECT_EQ(readFileBytes(std::string(ZF_SOURCE_DIR) + "/data/land/texte.txt.de", 1 << 20), germanTextTableBytes())
        << "regenerate it: build/bin/zf_export_texts data/land";
}

TEST(LanguageCheck, ShippedLanguagesAreComplete)
{
    const std::string home = std::string(ZF_SOURCE_DIR) + "/data/";
    for (const Language& l : kLanguages) {
        const auto problems = checkLanguage(home, l.code);
        EXPECT_TRUE(problems.empty()) << l.code << ": " << problems.size() << " problems, first: " << problems[0];
        Messages m;
        ASSERT_TRUE(m.load(messageFile(home, l.code))) << l.code;
        EXPECT_EQ(m.count(), 54) << l.code;
    }
}

TEST(Languages, CodesAndStoredValuesInMenuOrder)
{
    EXPECT_STREQ(languageCode(9), "it");
    EXPECT_STREQ(languageCode(3), "sp");
    EXPECT_STREQ(languageCode(7), "cz");
    EXPECT_EQ(languageCode(10), nullptr);
    EXPECT_EQ(languageCode(-1), nullptr);
    EXPECT_EQ(languageOfCode("nl"), 6);
    EXPECT_FALSE(languageOfCode("es"));
    EXPECT_EQ(translationFile("/p/", "en"), "/p/land/bezeichch.txt.en");
}
