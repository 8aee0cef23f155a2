// The update server's answer: its body's lines and each draw line.
#include "ground/Formats.h"
#include "rules/DrawUpdate.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zf;
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const Draw carry{};
    for (const std::string& line : bodyLines(body)) {
        const UpdateLine parsed = parseUpdateLine(line, kFirstDrawDay, carry);
        if (parsed.kind == UpdateLine::Kind::Draw && drawValuesProblem(parsed.draw))
            __builtin_trap(); // a line read as a draw must be storable
    }
    (void)parseServerAddress(body);
    (void)parseCompactDate(body);
    return 0;
}
