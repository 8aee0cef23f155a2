#pragma once

#include "ground/TextList.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace zf {

// The program's fixed texts outside the message catalogue, by id.
enum class Text {
#define ZF_TEXT_ID(name, german) name,
    ZF_TEXTS(ZF_TEXT_ID)
#undef ZF_TEXT_ID
};
constexpr int kTextCount = 0
#define ZF_TEXT_ONE(name, german) +1
    ZF_TEXTS(ZF_TEXT_ONE)
#undef ZF_TEXT_ONE
    ;

// The text in the language in use with its arguments put in.
std::string text(Text id, std::initializer_list<std::string> args = {});

const char* textName(Text id);   // the key in translation files
const char* germanText(Text id); // as built in

// The texts of a language, indexed by Text; an empty table or an empty text
// means the German one built in. Threads still formatting a text keep the
// table they started with.
void useTexts(std::vector<std::string> byId);

} // namespace zf
