#pragma once

#include "Clock.h"

// A quiz clock that the test moves by hand.
class FakeClock final : public Clock
{
public:
    qint64 currentSecond() const override { return now; }
    void advance(qint64 seconds) { now += seconds; }

    qint64 now = 1000;
};
