#pragma once

#include "ground/Ports.h"

namespace zf {

class SystemClock : public Clock {
public:
    // A fixed day makes every step take that date as today.
    explicit SystemClock(int fixedToday = 0) : m_fixedToday(fixedToday) {}
    int today() override;
    uint64_t clockSeed() override;

private:
    int m_fixedToday;
};

} // namespace zf
