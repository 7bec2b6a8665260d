#include "ChiSquare.h"
#include "RandomNumbers.h"
#include "RuntimeError.h"

#include <QSet>
#include <QTest>

class tst_RandomNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staysWithinBounds_data();
    void staysWithinBounds();
    void isUniform_data();
    void isUniform();
    void callsWithinOneTimerTickStayFresh();
    void theTimerIsMixedIntoEveryDraw();
    void aFixedSeedRepeats();
    void unitValueStaysBelowOne();
    void overflowingSpanRaisesOverflow();
};

namespace {

quint64 frozenTimer()
{
    return 123456789;
}

} // namespace

void tst_RandomNumbers::staysWithinBounds_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expectedLow");
    QTest::addColumn<int>("expectedHigh");
    QTest::newRow("(1, 3): the product's button") << 1 << 3 << 1 << 3;
    QTest::newRow("(1, 20): wrong-answer offsets") << 1 << 20 << 1 << 20;
    QTest::newRow("(1, 90): a full pool") << 1 << 90 << 1 << 90;
    QTest::newRow("(1, 1) always 1") << 1 << 1 << 1 << 1;
    QTest::newRow("(1, 0) gives 1: the span is 0") << 1 << 0 << 1 << 1;
    QTest::newRow("(-5, 5) around zero") << -5 << 5 << -5 << 5;
}

void tst_RandomNumbers::staysWithinBounds()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expectedLow);
    QFETCH(int, expectedHigh);

    RandomNumbers random(42);
    QSet<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int n = random.generate(qint16(low), qint16(high));
        QVERIFY2(n >= expectedLow && n <= expectedHigh, qPrintable(QString::number(n)));
        seen.insert(n);
    }
    QCOMPARE(seen.size(), expectedHigh - expectedLow + 1);
}

void tst_RandomNumbers::isUniform_data()
{
    QTest::addColumn<int>("high");
    QTest::newRow("(1, 3)") << 3;
    QTest::newRow("(1, 20)") << 20;
    QTest::newRow("(1, 90)") << 90;
}

void tst_RandomNumbers::isUniform()
{
    QFETCH(int, high);
    RandomNumbers random(7);
    QMap<int, int> observed;
    QMap<int, double> weights;
    for (int v = 1; v <= high; ++v)
        weights[v] = 1;
    for (int i = 0; i < 1000 * high; ++i)
        ++observed[random.generate(1, qint16(high))];

    const auto chi = ChiSquare::of(observed, weights);
    QVERIFY2(chi.statistic < chi.criticalValue(),
             qPrintable(QStringLiteral("chi-square %1 >= %2").arg(chi.statistic).arg(chi.criticalValue())));
}

// A reseed that replaced the state with the timer's value would give the same
// number until the timer moved on, and the question draw would spin on it.
void tst_RandomNumbers::callsWithinOneTimerTickStayFresh()
{
    RandomNumbers random(0, &frozenTimer);
    QSet<float> values;
    for (int i = 0; i < 1000; ++i)
        values.insert(random.next());
    QCOMPARE(values.size(), 1000);
}

void tst_RandomNumbers::theTimerIsMixedIntoEveryDraw()
{
    quint64 ticks = 0;
    RandomNumbers moving(5, [&ticks] { return ++ticks; });
    RandomNumbers frozen(5, [] { return quint64(0); });
    int differences = 0;
    for (int i = 0; i < 100; ++i)
        differences += moving.next() != frozen.next();
    QVERIFY(differences > 90);
}

void tst_RandomNumbers::aFixedSeedRepeats()
{
    RandomNumbers first(99, &frozenTimer);
    RandomNumbers second(99, &frozenTimer);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(first.generate(1, 90), second.generate(1, 90));
}

void tst_RandomNumbers::unitValueStaysBelowOne()
{
    RandomNumbers random(1);
    float highest = 0;
    float lowest = 1;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        highest = std::max(highest, r);
        lowest = std::min(lowest, r);
    }
    QVERIFY(highest < 1.0f);
    QVERIFY(highest > 0.999f);
    QVERIFY(lowest >= 0.0f);
    QVERIFY(lowest < 0.001f);
}

void tst_RandomNumbers::overflowingSpanRaisesOverflow()
{
    RandomNumbers random(3);
    int error = -1;
    try {
        random.generate(-32768, 32767);
    } catch (const RuntimeError &e) {
        error = e.number();
    }
    QCOMPARE(error, int(RuntimeErrorCode::Overflow));
}

QTEST_APPLESS_MAIN(tst_RandomNumbers)
#include "tst_randomnumbers.moc"
