// The draw file's records as readers take them, and the old format's migration.
#include "data/DrawFile.h"
#include "rules/DrawHistory.h"
#include "rules/DrawLines.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace zf;
    std::vector<Draw> draws;
    for (size_t at = 0; at + kRecordSize <= size; at += kRecordSize)
        draws.push_back(decodeDraw(data + at));
    for (const Draw& d : draws) {
        (void)drawDamage(d);
        (void)drawLine(d.datum, numbersOf(d), "  ", " DREAM:");
    }
    (void)checkCalendar(draws);
    const std::vector<Draw> usable = usableDraws(draws);
    if (!usable.empty()) {
        const int at = drawIndexForDay(usable, usable.back().datum);
        (void)stepIndex(usable, at, +1, WeekdayFilter{true, false});
        (void)stepIndex(usable, at, -1, WeekdayFilter{});
    }
    std::vector<std::string> skipped;
    for (const Draw& d : parseOldDrawFile(std::string(reinterpret_cast<const char*>(data), size), skipped))
        if (drawDamage(d))
            __builtin_trap(); // the migration copies only usable records
    return 0;
}
