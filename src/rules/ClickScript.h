#pragma once

#include "data/TipSheet.h"
#include "ground/Ports.h"
#include "rules/DrawUpdate.h"
#include "rules/Slip.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zf {

// Placeholder (with its brackets, "[Z1_1]") to the text that replaces it;
// a name without the brackets around it never matches.
using PlaceholderValues = std::map<std::string, std::string, std::less<>>;

// Replaces every placeholder of `values` in the text, case-sensitive, in one
// pass: an inserted value is never scanned again, so no value (and no gap a
// value leaves) can form a further placeholder. Anything else stays as it is.
std::string fillPlaceholders(std::string_view text, const PlaceholderValues& values);

// The values of a click-script: "[Z1_1]".."[Z6_14]" the sheet's number
// fields, "[PLUS1]".."[PLUS14]" its dream-number boxes, "[MELDUNGFERTIG]",
// the day boxes "[MI]" "[SA]" "[MISA]" and the option boxes "[JOKER1]".."[JOKER3]".
PlaceholderValues clickScriptValues(const TipSheet& sheet, const PlayedDays& days, const std::array<bool, 3>& joker);

// A template as text: UTF-8 when it is valid UTF-8, else Windows-1252.
std::string decodeTemplate(std::string_view bytes);

// The automation program's file in its folder: "Pilotara.exe" on Windows,
// "pilotara" elsewhere.
std::string pilotaraProgram(const std::string& folder);

// The automation program's arguments, one each: START, the script, ZAHL1,
// TEXT1, ZAHL2, TEXT2.
struct ScriptParameters {
    std::string zahl1, text1, zahl2, text2;
};
std::vector<std::string> pilotaraArguments(const std::string& script, const ScriptParameters& p);

// The program name and the command line the automation program reads are
// each limited to this many characters; longer ones are refused, not cut.
constexpr size_t kMaxCommandChars = 1024;
// The command line as the program receives it: START "script" "ZAHL1" ...
size_t commandLineChars(const std::vector<std::string>& arguments);
size_t utf8Chars(std::string_view text);

// Where the update server offers a template and the automation program's installer.
std::string templateRefreshTarget(const ServerAddress& server, const std::string& templateFileName);
std::string installerAddress(const ServerAddress& server);

// A refresh answer replaces the local template only when it is a 200 with a
// body and a Last-Modified time later than the local file's (seconds since 1970).
bool answerReplacesTemplate(const HttpResponse& answer, int64_t localModified);

} // namespace zf
