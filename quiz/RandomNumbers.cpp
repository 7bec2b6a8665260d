#include "RandomNumbers.h"

#include "CheckedInt16.h"
#include "NumberText.h"

#include <chrono>

namespace {

constexpr int FloatMantissaBits = 24;

} // namespace

quint64 RandomNumbers::systemTimer()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<quint64>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

RandomNumbers::RandomNumbers(quint64 seed, Timer timer)
    : m_state(seed)
    , m_timer(std::move(timer))
{
}

qint16 RandomNumbers::generate(qint16 intMin, qint16 intMax)
{
    const float r = next();
    const qint16 span = CheckedInt16::add(CheckedInt16::subtract(intMax, intMin), 1);
    const double value = double(float(span)) * double(r) + double(float(intMin));
    return NumberText::floorToInt16(value);
}

float RandomNumbers::next()
{
    m_state ^= m_timer();
    return float(nextBits() >> (64 - FloatMantissaBits)) / float(1u << FloatMantissaBits);
}

// SplitMix64: a full-period step with a strong output mix.
quint64 RandomNumbers::nextBits()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
