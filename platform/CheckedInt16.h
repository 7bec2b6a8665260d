#pragma once

#include <QtGlobal>

// 16-bit signed arithmetic that raises RuntimeError(Overflow) instead of
// wrapping around.
namespace CheckedInt16 {

qint16 fromWide(qint64 value);
qint16 add(qint16 a, qint16 b);
qint16 subtract(qint16 a, qint16 b);
qint16 multiply(qint16 a, qint16 b);
qint16 negate(qint16 a);

// 32-bit counterpart, for string positions.
qint32 add32(qint32 a, qint32 b);

} // namespace CheckedInt16
