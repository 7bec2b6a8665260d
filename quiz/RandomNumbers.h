#pragma once

#include <QtGlobal>

#include <functional>

// The game's random numbers. Every draw first mixes the system timer into the
// generator's state; mixing rather than replacing the state keeps draws that
// come faster than the timer moves fresh, so redraw loops never wait on it.
class RandomNumbers
{
public:
    using Timer = std::function<quint64()>;

    // The system timer: nanoseconds of a steady clock.
    static quint64 systemTimer();

    explicit RandomNumbers(quint64 seed = 0, Timer timer = &RandomNumbers::systemTimer);

    // A whole number from intMin to intMax; (1, 0) gives 1 as the span is 0.
    // RuntimeError(Overflow) where the 16-bit arithmetic overflows.
    qint16 generate(qint16 intMin, qint16 intMax);

    // The next value r, 0 <= r < 1, after reseeding from the timer.
    float next();

private:
    quint64 nextBits();

    quint64 m_state;
    Timer m_timer;
};
