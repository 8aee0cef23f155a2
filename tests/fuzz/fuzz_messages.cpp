// A message catalogue or language file in any of its encodings.
#include "data/Messages.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zf::Messages messages;
    messages.setLines(zf::decodeTextLines(std::string(reinterpret_cast<const char*>(data), size)));
    for (int i = -1; i <= messages.count() + 60; ++i)
        (void)messages[i];
    return 0;
}
