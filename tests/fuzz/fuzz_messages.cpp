// A message catalogue or language file in any of its encodings, and a texte
// file of the program's own texts, used and checked.
#include "data/LanguageFiles.h"
#include "data/Messages.h"
#include "ground/Texts.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    zf::Messages messages;
    messages.setLines(zf::decodeTextLines(bytes));
    for (int i = -1; i <= messages.count() + 60; ++i)
        (void)messages[i];

    std::vector<std::string> problems;
    zf::useTexts(zf::parseTextTable(bytes, &problems));
    for (int i = 0; i < zf::kTextCount; ++i)
        (void)zf::text(static_cast<zf::Text>(i), {"a", "b", "c", "d"});
    zf::LanguageFiles files;
    files.textTable = bytes;
    (void)zf::checkLanguage(files);
    zf::useTexts({});
    return 0;
}
