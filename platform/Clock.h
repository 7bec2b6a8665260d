#pragma once

#include <QtGlobal>

// The quiz clock: whole seconds on a clock that only moves forward, so that
// a change of the wall clock during a quiz cannot make its time lie.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 currentSecond() const = 0;
};

class MonotonicClock final : public Clock
{
public:
    qint64 currentSecond() const override;
};
