// A value list (".zwl") as the number selection dialog loads it.
#include "data/NumberSelection.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    zf::NumberSelection selection;
    selection.parseList(std::string(reinterpret_cast<const char*>(data), size));
    for (int n = 1; n <= zf::NumberSelection::kNumbers; ++n)
        (void)selection.box(n).weight.size();
    return 0;
}
