#include "ChiSquare.h"
#include "CheckedInt16.h"
#include "NumberText.h"
#include "RandomNumbers.h"
#include "RuntimeError.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

constexpr int Overflow = std::numeric_limits<int>::min();
using Calculation = std::function<qint16()>;

class tst_Numbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sixteenBitResultsOrOverflow_data();
    void sixteenBitResultsOrOverflow();
    void leadingNumber_data();
    void leadingNumber();
    void randomNumbersStayWithinBoundsAndAreUniform_data();
    void randomNumbersStayWithinBoundsAndAreUniform();
    void drawsWithinOneTimerTickStayFresh();
};

void tst_Numbers::sixteenBitResultsOrOverflow_data()
{
    QTest::addColumn<Calculation>("calculation");
    QTest::addColumn<int>("expected");
    using namespace CheckedInt16;
    using namespace NumberText;
    QTest::newRow("add to the largest value") << Calculation([] { return add(32766, 1); }) << 32767;
    QTest::newRow("add past the largest value") << Calculation([] { return add(32767, 1); }) << Overflow;
    QTest::newRow("subtract past the smallest value") << Calculation([] { return subtract(-32768, 1); }) << Overflow;
    QTest::newRow("multiply to the smallest value") << Calculation([] { return multiply(-256, 128); }) << -32768;
    QTest::newRow("multiply past the range") << Calculation([] { return multiply(200, 200); }) << Overflow;
    QTest::newRow("negate the smallest value") << Calculation([] { return negate(-32768); }) << Overflow;
    QTest::newRow("narrow a pool count one too large") << Calculation([] { return fromWide(32768); }) << Overflow;
    QTest::newRow("round 0.5 to even 0") << Calculation([] { return roundToInt16(0.5); }) << 0;
    QTest::newRow("round 1.5 to even 2") << Calculation([] { return roundToInt16(1.5); }) << 2;
    QTest::newRow("round 2.5 to even 2") << Calculation([] { return roundToInt16(2.5); }) << 2;
    QTest::newRow("round up past the largest") << Calculation([] { return roundToInt16(32767.5); }) << Overflow;
    QTest::newRow("floor a negative goes down") << Calculation([] { return floorToInt16(-0.25); }) << -1;
    QTest::newRow("random number over the whole range")
        << Calculation([] { return RandomNumbers(1).generate(-32768, 32767); }) << Overflow;
}

void tst_Numbers::sixteenBitResultsOrOverflow()
{
    QFETCH(Calculation, calculation);
    QFETCH(int, expected);
    int result = Overflow;
    try {
        result = calculation();
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), RuntimeErrorCode::Overflow);
    }
    QCOMPARE(result, expected);
}

void tst_Numbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << u""_s << 0.0;
    QTest::newRow("letters") << u"abc"_s << 0.0;
    QTest::newRow("number then letters") << u"57abc"_s << 57.0;
    QTest::newRow("leading blanks") << u"  \t42"_s << 42.0;
    QTest::newRow("negative fraction") << u"-12.5 sec"_s << -12.5;
    QTest::newRow("fraction without integer part") << u".5"_s << 0.5;
    QTest::newRow("exponent") << u"25E-1"_s << 2.5;
    QTest::newRow("e without digits stays out") << u"3e"_s << 3.0;
    QTest::newRow("comma is no decimal point") << u"3,5"_s << 3.0;
    QTest::newRow("sign alone") << u"-"_s << 0.0;
    QTest::newRow("non-Latin digits are no number") << u"\u0665"_s << 0.0;
}

void tst_Numbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumberText::leadingNumber(text), expected);
}

void tst_Numbers::randomNumbersStayWithinBoundsAndAreUniform_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expectedHigh");
    QTest::newRow("(1, 3): the product's button") << 1 << 3 << 3;
    QTest::newRow("(1, 90): a full pool") << 1 << 90 << 90;
    QTest::newRow("(1, 1) always 1") << 1 << 1 << 1;
    QTest::newRow("(1, 0) gives 1: the span is 0") << 1 << 0 << 1;
    QTest::newRow("(-5, 5) around zero") << -5 << 5 << 5;
}

void tst_Numbers::randomNumbersStayWithinBoundsAndAreUniform()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expectedHigh);
    RandomNumbers random(42);
    QMap<int, int> observed;
    QMap<int, double> uniform;
    for (int v = low; v <= expectedHigh; ++v)
        uniform[v] = 1;
    for (int i = 0; i < 1000 * uniform.size(); ++i)
        ++observed[random.generate(qint16(low), qint16(high))];
    QCOMPARE(observed.keys(), uniform.keys());
    if (uniform.size() > 1) {
        const QString misfit = chiSquareMisfit(observed, uniform);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }
}

// Reseeding by replacing the state with the timer would repeat one value until
// the timer moved on, and the question draw would spin on it; yet the timer
// must still be mixed into every draw.
void tst_Numbers::drawsWithinOneTimerTickStayFresh()
{
    RandomNumbers frozen(5, [] { return quint64(123456789); });
    quint64 ticks = 0;
    RandomNumbers moving(5, [&ticks] { return ++ticks; });
    QSet<float> values;
    int differences = 0;
    for (int i = 0; i < 1000; ++i) {
        const float r = frozen.next();
        values.insert(r);
        differences += moving.next() != r;
    }
    QCOMPARE(values.size(), 1000);
    QVERIFY(differences > 990);
}

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
