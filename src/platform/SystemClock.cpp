#include "platform/SystemClock.h"

#include "ground/Formats.h"

#include <QDate>
#include <QDateTime>

namespace zf {

int SystemClock::today()
{
    if (m_fixedToday)
        return m_fixedToday;
    const QDate d = QDate::currentDate();
    return dayFromCivil(d.year(), d.month(), d.day());
}

uint64_t SystemClock::clockSeed()
{
    return static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace zf
