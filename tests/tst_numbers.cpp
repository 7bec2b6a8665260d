#include "CheckedInt16.h"
#include "NumberText.h"
#include "RuntimeError.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

// Raises the exception type and says which error it carried, or -1.
template<typename F>
int errorNumberOf(F &&f)
{
    try {
        f();
    } catch (const RuntimeError &e) {
        return e.number();
    }
    return -1;
}

class tst_Numbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arithmetic_data();
    void arithmetic();
    void wideValuesOutsideRangeOverflow_data();
    void wideValuesOutsideRangeOverflow();
    void stringPositionsOverflow();
    void leadingNumber_data();
    void leadingNumber();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void floors_data();
    void floors();
    void decimalTextIsPlain_data();
    void decimalTextIsPlain();
    void overflowReportReadsLikeARuntimeError();
};

enum class Op { Add, Subtract, Multiply, Negate };

void tst_Numbers::arithmetic_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected"); // -100000 stands for an overflow

    constexpr int overflow = -100000;
    QTest::newRow("add within range") << Op::Add << 90 << 10 << 100;
    QTest::newRow("add to the largest value") << Op::Add << 32766 << 1 << 32767;
    QTest::newRow("add past the largest value") << Op::Add << 32767 << 1 << overflow;
    QTest::newRow("add below the smallest value") << Op::Add << -32768 << -1 << overflow;
    QTest::newRow("subtract to the smallest value") << Op::Subtract << -32767 << 1 << -32768;
    QTest::newRow("subtract past the smallest value") << Op::Subtract << -32768 << 1 << overflow;
    QTest::newRow("subtract a negative past the largest") << Op::Subtract << 32767 << -1 << overflow;
    QTest::newRow("multiply the largest product of a quiz") << Op::Multiply << 9 << 10 << 90;
    QTest::newRow("multiply past the range") << Op::Multiply << 200 << 200 << overflow;
    QTest::newRow("multiply to the smallest value") << Op::Multiply << -256 << 128 << -32768;
    QTest::newRow("multiply negative beyond the range") << Op::Multiply << -256 << 129 << overflow;
    QTest::newRow("negate a negative wrong answer") << Op::Negate << -6 << 0 << 6;
    QTest::newRow("negate the smallest value") << Op::Negate << -32768 << 0 << overflow;
}

void tst_Numbers::arithmetic()
{
    QFETCH(Op, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);

    const auto x = static_cast<qint16>(a);
    const auto y = static_cast<qint16>(b);
    const auto compute = [&] {
        switch (op) {
        case Op::Add:
            return CheckedInt16::add(x, y);
        case Op::Subtract:
            return CheckedInt16::subtract(x, y);
        case Op::Multiply:
            return CheckedInt16::multiply(x, y);
        case Op::Negate:
            return CheckedInt16::negate(x);
        }
        return qint16(0);
    };
    if (expected == -100000) {
        QCOMPARE(errorNumberOf(compute), int(RuntimeErrorCode::Overflow));
    } else {
        QCOMPARE(int(compute()), expected);
    }
}

void tst_Numbers::wideValuesOutsideRangeOverflow_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("largest") << qint64(32767) << false;
    QTest::newRow("smallest") << qint64(-32768) << false;
    QTest::newRow("one above") << qint64(32768) << true;
    QTest::newRow("one below") << qint64(-32769) << true;
    QTest::newRow("a pool count far above") << qint64(1) + std::numeric_limits<int>::max() << true;
}

void tst_Numbers::wideValuesOutsideRangeOverflow()
{
    QFETCH(qint64, value);
    QFETCH(bool, overflows);
    const int error = errorNumberOf([value] { CheckedInt16::fromWide(value); });
    QCOMPARE(error, overflows ? int(RuntimeErrorCode::Overflow) : -1);
}

void tst_Numbers::stringPositionsOverflow()
{
    QCOMPARE(CheckedInt16::add32(-1, 1), 0);
    QCOMPARE(errorNumberOf([] { CheckedInt16::add32(std::numeric_limits<qint32>::max(), 1); }),
             int(RuntimeErrorCode::Overflow));
}

void tst_Numbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << u""_s << 0.0;
    QTest::newRow("plain") << u"57"_s << 57.0;
    QTest::newRow("letters") << u"abc"_s << 0.0;
    QTest::newRow("number then letters") << u"57abc"_s << 57.0;
    QTest::newRow("leading blanks") << u"  \t42"_s << 42.0;
    QTest::newRow("negative") << u"-12"_s << -12.0;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("sign alone") << u"-"_s << 0.0;
    QTest::newRow("fraction") << u"12.5 sec"_s << 12.5;
    QTest::newRow("fraction without integer part") << u".5"_s << 0.5;
    QTest::newRow("dot alone") << u"."_s << 0.0;
    QTest::newRow("exponent") << u"1.5e2"_s << 150.0;
    QTest::newRow("negative exponent") << u"25E-1"_s << 2.5;
    QTest::newRow("e without digits stays out") << u"3e"_s << 3.0;
    QTest::newRow("comma is no decimal point") << u"3,5"_s << 3.0;
    QTest::newRow("inner blank ends the number") << u"1 2"_s << 1.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("non-Latin digits are no number") << u"\u0665"_s << 0.0;
}

void tst_Numbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumberText::leadingNumber(text), expected);
}

void tst_Numbers::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // 99999 stands for an overflow
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("2.5 to 2") << 2.5 << 2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("2.6 to 3") << 2.6 << 3;
    QTest::newRow("largest after rounding") << 32767.4 << 32767;
    QTest::newRow("rounds up past the largest") << 32767.5 << 99999;
    QTest::newRow("smallest after rounding") << -32768.5 << -32768;
    QTest::newRow("below the smallest") << -32768.6 << 99999;
    QTest::newRow("huge") << 1e300 << 99999;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 99999;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 99999;
}

void tst_Numbers::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    if (expected == 99999) {
        QCOMPARE(errorNumberOf([value] { NumberText::roundToInt16(value); }),
                 int(RuntimeErrorCode::Overflow));
    } else {
        QCOMPARE(int(NumberText::roundToInt16(value)), expected);
    }
}

void tst_Numbers::floors_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // 99999 stands for an overflow
    QTest::newRow("just below a whole number") << 2.9999 << 2;
    QTest::newRow("whole") << 3.0 << 3;
    QTest::newRow("negative goes down") << -0.25 << -1;
    QTest::newRow("largest") << 32767.99 << 32767;
    QTest::newRow("past the largest") << 32768.0 << 99999;
    QTest::newRow("below the smallest") << -32768.01 << 99999;
}

void tst_Numbers::floors()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    if (expected == 99999) {
        QCOMPARE(errorNumberOf([value] { NumberText::floorToInt16(value); }),
                 int(RuntimeErrorCode::Overflow));
    } else {
        QCOMPARE(int(NumberText::floorToInt16(value)), expected);
    }
}

void tst_Numbers::decimalTextIsPlain_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << u"0"_s;
    QTest::newRow("no grouping") << qint64(32767) << u"32767"_s;
    QTest::newRow("minus, no blank") << qint64(-5) << u"-5"_s;
}

void tst_Numbers::decimalTextIsPlain()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::German)); // grouping must not creep in
    QCOMPARE(NumberText::decimal(value), expected);
    QLocale::setDefault(QLocale::c());
}

void tst_Numbers::overflowReportReadsLikeARuntimeError()
{
    const RuntimeError error(RuntimeErrorCode::Overflow);
    QCOMPARE(error.report(), u"Run-time error '6':\n\nOverflow"_s);
}

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
