#include "CheckedInt16.h"

#include "RuntimeError.h"

#include <QtNumeric>

#include <limits>

namespace CheckedInt16 {

qint16 fromWide(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(RuntimeErrorCode::Overflow);
    return static_cast<qint16>(value);
}

qint16 add(qint16 a, qint16 b)
{
    return fromWide(qint64(a) + b);
}

qint16 subtract(qint16 a, qint16 b)
{
    return fromWide(qint64(a) - b);
}

qint16 multiply(qint16 a, qint16 b)
{
    return fromWide(qint64(a) * b);
}

qint16 negate(qint16 a)
{
    return fromWide(-qint64(a));
}

qint32 add32(qint32 a, qint32 b)
{
    qint32 sum = 0;
    if (qAddOverflow(a, b, &sum))
        throw RuntimeError(RuntimeErrorCode::Overflow);
    return sum;
}

} // namespace CheckedInt16
