// A tip file (".ztp") as loading reads it.
#include "ground/Error.h"
#include "rules/TipFile.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        (void)zf::parseTipFile(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ztp");
    } catch (const zf::Error&) {
        // a refusal with a message is the expected answer to what is no tip file
    }
    return 0;
}
