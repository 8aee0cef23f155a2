// A click-script template as submission reads and fills it, with a sheet's
// worth of values, plus the refresh answer's Last-Modified time.
#include "ground/Formats.h"
#include "rules/ClickScript.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const zf::PlaceholderValues values = [] {
        zf::PlaceholderValues v;
        for (int row = 1; row <= 14; ++row) {
            for (int c = 1; c <= 6; ++c)
                v["[Z" + std::to_string(c) + "_" + std::to_string(row) + "]"] =
                    row % 3 ? std::to_string(c * row % 40 + 1) : "";
            v["[PLUS" + std::to_string(row) + "]"] = std::to_string(row % 5 + 1);
        }
        v["[MELDUNGFERTIG]"] = "[Z1_1]";
        v["[MI]"] = "1";
        return v;
    }();
    (void)zf::fillPlaceholders(zf::decodeTemplate(bytes), values);
    (void)zf::parseHttpDate(bytes);
    return 0;
}
