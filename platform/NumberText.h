#pragma once

#include <QString>
#include <QStringView>

// Conversions between numbers and the text that shows or stores them.
namespace NumberText {

// Plain decimal text: digits, a leading minus when negative, nothing else.
QString decimal(qint64 value);

// The number a text begins with, 0 when it begins with none. Leading blanks
// are skipped; a sign, a fraction and an exponent are read
// ("  -12.5e1xyz" gives -125). Never throws.
double leadingNumber(QStringView text);

// A double rounded to the nearest whole number, ties to the even one, as a
// 16-bit value; RuntimeError(Overflow) outside the range or for NaN.
qint16 roundToInt16(double value);

// The greatest whole number not above value, as a 16-bit value;
// RuntimeError(Overflow) outside the range or for NaN.
qint16 floorToInt16(double value);

} // namespace NumberText
