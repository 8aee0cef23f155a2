#include "rules/ClickScript.h"
#include "fakes/SheetText.h"
#include "ground/Texts.h"

#include <gtest/gtest.h>

using namespace zf;
using namespace zf::test;

namespace {

PlaceholderValues sheetValues(PlayedDays days = {}, std::array<bool, 3> joker = {})
{
    TipSheet sheet;
    for (int row = 0; row < TipSheet::kRows; ++row)
        if (row != 4) // tip 5 stays empty
            setRow(sheet, row, std::to_string(row + 1) + ",12,13,24,35,40," + std::to_string(row % 5 + 1));
    sheet.setDream(9, "-");
    return clickScriptValues(sheet, days, joker);
}

} // namespace

TEST(ClickScript, FillsThePlaceholdersAndLeavesTheRest)
{
    const struct {
        const char* name;
        std::string in;
        std::string out;
    } cases[] = {
        {"twice", "a[Z1_1]b[Z1_1]", "a1b1"},
        {"lower case stays", "[z1_1] [plus1] [Mi]", "[z1_1] [plus1] [Mi]"},
        {"tip 10 is not tip 1 and a 0", "[Z1_10]|[Z1_1]0]", "10|10]"},
        {"a whole tip", "[Z1_3],[Z2_3],[Z3_3],[Z4_3],[Z5_3],[Z6_3] [PLUS3]", "3,12,13,24,35,40 3"},
        {"empty tip 5", "<[Z1_5][Z2_5][Z3_5][Z4_5][Z5_5][Z6_5]>[PLUS5]", "<>-"},
        {"no dream number", "[PLUS10]", "-"},
        {"the last tip", "[Z6_14][PLUS14]", "404"},
        {"over line breaks", "[Z1_2]\r\n[Z2_2]\n", "2\r\n12\n"},
        {"message", "MELDUNG \"[MELDUNGFERTIG]\"", "MELDUNG \"" + text(Text::ScriptReady) + "\""},
        {"not placeholders", "[Z7_1][Z1_15][Z0_1][PLUS0][PLUS15][ZAHL1][] [ ]",
         "[Z7_1][Z1_15][Z0_1][PLUS0][PLUS15][ZAHL1][] [ ]"},
        {"brackets around", "[[Z1_1]]", "[1]"},
        {"open ends", "[Z1_1", "[Z1_1"},
        {"a bracket alone", "[", "["},
        {"a value never forms a placeholder", "[[Z1_5]MI]", "[MI]"},
        {"text passes as it is", "Grüße – «ü» \t\x01", "Grüße – «ü» \t\x01"},
        {"empty", "", ""},
    };
    const PlaceholderValues values = sheetValues();
    for (const auto& c : cases)
        EXPECT_EQ(fillPlaceholders(c.in, values), c.out) << c.name;
}

TEST(ClickScript, DayAndOptionPlaceholders)
{
    const std::string text = "[MI] [SA] [MISA] [JOKER1] [JOKER2] [JOKER3]";
    const struct {
        PlayedDays days;
        std::array<bool, 3> joker;
        const char* out;
    } cases[] = {
        {{true, true}, {false, false, false}, "JA JA JA NEIN NEIN NEIN"},
        {{true, false}, {true, false, false}, "NEIN JA NEIN JA NEIN NEIN"},
        {{false, true}, {false, true, true}, "JA NEIN NEIN NEIN JA JA"},
        {{false, false}, {false, false, true}, "NEIN NEIN NEIN NEIN NEIN JA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillPlaceholders(text, sheetValues(c.days, c.joker)), c.out) << c.out;
    EXPECT_EQ(sheetValues().size(), 84u + 14u + 7u);
}

TEST(ClickScript, TemplatesAreUtf8OrTheEightBitCodePage)
{
    EXPECT_EQ(decodeTemplate("Gr\xC3\xBC\xC3\x9F\x65"), "Grüße");
    EXPECT_EQ(decodeTemplate("Gr\xFC\xDF\x65 \x80"), "Grüße €");
}

TEST(ClickScript, ArgumentsAndTheirLength)
{
    const ScriptParameters p{"0", "Login \"ich\"", "", "$(rm -rf ~) ; x"};
    const std::vector<std::string> args = pilotaraArguments("/p/Tipps/20251210.zks", p);
    EXPECT_EQ(args, (std::vector<std::string>{"START", "/p/Tipps/20251210.zks", "0", "Login \"ich\"", "",
                                              "$(rm -rf ~) ; x"}));
    // START "/p/Tipps/20251210.zks" "0" "Login "ich"" "" "$(rm -rf ~) ; x"
    EXPECT_EQ(commandLineChars(args), 5u + 24u + 4u + 14u + 3u + 18u);
    EXPECT_EQ(utf8Chars("Grüße"), 5u);
#ifndef _WIN32
    EXPECT_EQ(pilotaraProgram("/opt/pilotara"), "/opt/pilotara/pilotara");
    EXPECT_EQ(pilotaraProgram(""), "/pilotara");
#endif
}

TEST(ClickScript, ServerAddresses)
{
    const ServerAddress plain{"127.0.0.1", 8080, ""};
    const ServerAddress prefixed{"lotto.example", 80, "/maker"};
    EXPECT_EQ(templateRefreshTarget(plain, "Beispiel.zks"), "/scripts/Beispiel.zks.txt");
    EXPECT_EQ(templateRefreshTarget(prefixed, "Mein Skript ü?.zks"),
              "/maker/scripts/Mein%20Skript%20%C3%BC%3F.zks.txt");
    EXPECT_EQ(installerAddress(plain), "http://127.0.0.1:8080/dateien/pilotarap.exe");
    EXPECT_EQ(installerAddress(prefixed), "http://lotto.example:80/maker/dateien/pilotarap.exe");
}

TEST(ClickScript, OnlyANewerWholeAnswerReplacesTheTemplate)
{
    const int64_t local = 784111777; // Sun, 06 Nov 1994 08:49:37 GMT
    const struct {
        const char* name;
        HttpResponse answer;
        bool replaces;
    } cases[] = {
        {"newer", {200, "OK", "x", "Sun, 06 Nov 1994 08:49:38 GMT"}, true},
        {"same second", {200, "OK", "x", "Sun, 06 Nov 1994 08:49:37 GMT"}, false},
        {"older", {200, "OK", "x", "Sat, 05 Nov 1994 08:49:37 GMT"}, false},
        {"no Last-Modified", {200, "OK", "x", ""}, false},
        {"unreadable Last-Modified", {200, "OK", "x", "gestern"}, false},
        {"404", {404, "Not Found", "Nicht gefunden", "Mon, 07 Nov 1994 08:49:37 GMT"}, false},
        {"500", {500, "Error", "x", "Mon, 07 Nov 1994 08:49:37 GMT"}, false},
        {"empty body", {200, "OK", "", "Mon, 07 Nov 1994 08:49:37 GMT"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answerReplacesTemplate(c.answer, local), c.replaces) << c.name;
}
