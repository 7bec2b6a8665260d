#include "Clock.h"

#include <chrono>

qint64 MonotonicClock::currentSecond() const
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
}
