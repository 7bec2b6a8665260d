#include "NumberText.h"

#include "RuntimeError.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace NumberText {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Length of the decimal number at the start of text (after blanks were
// skipped), 0 when there is none.
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const auto digitsFrom = [&text](qsizetype pos) {
        qsizetype end = pos;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        return end - pos;
    };

    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype integerDigits = digitsFrom(i);
    i += integerDigits;
    qsizetype fractionDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        fractionDigits = digitsFrom(i + 1);
        if (integerDigits > 0 || fractionDigits > 0)
            i += 1 + fractionDigits;
    }
    if (integerDigits == 0 && fractionDigits == 0)
        return 0;

    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentDigits = digitsFrom(exponent);
        if (exponentDigits > 0)
            i = exponent + exponentDigits;
    }
    return i;
}

void requireInt16Range(double value)
{
    if (std::isnan(value) || value < std::numeric_limits<qint16>::min()
        || value > std::numeric_limits<qint16>::max())
        throw RuntimeError(RuntimeErrorCode::Overflow);
}

} // namespace

QString decimal(qint64 value)
{
    return QString::number(value);
}

double leadingNumber(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const QStringView rest = text.mid(start);
    const qsizetype length = numberLength(rest);
    if (length == 0)
        return 0.0;
    // The C locale reads the scanned part the same way on every system;
    // a value too large for a double comes back as an infinity.
    return QLocale::c().toDouble(rest.first(length));
}

qint16 roundToInt16(double value)
{
    // std::nearbyint rounds ties to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    requireInt16Range(rounded);
    return static_cast<qint16>(rounded);
}

qint16 floorToInt16(double value)
{
    const double floored = std::floor(value);
    requireInt16Range(floored);
    return static_cast<qint16>(floored);
}

} // namespace NumberText
