#include "ChiSquare.h"
#include "QuestionDrawer.h"
#include "QuestionList.h"
#include "QuizState.h"
#include "RandomNumbers.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

using Weights = QMap<int, double>;

class tst_Questions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void poolForEveryIndex_data();
    void poolForEveryIndex();
    void itemsSplitIntoFactors_data();
    void itemsSplitIntoFactors();
    void singleTableQuizAsksEveryFactTwice_data();
    void singleTableQuizAsksEveryFactTwice();
    void fullTableQuizNeverRepeats();
    void firstQuestionDiffersFromTheLastOneShown();
    void lastItemIsShownEvenWhenItRepeats();
    void emptyPoolShowsNothing();
    void captionsAreThreeDistinctPositiveNumbers_data();
    void captionsAreThreeDistinctPositiveNumbers();
    void wrongAnswersFollowTheirDistribution_data();
    void wrongAnswersFollowTheirDistribution();
    void productButtonIsUniform();
};

namespace {

QStringList expectedPool(int index)
{
    QStringList pool;
    if (index >= 1 && index <= 9) {
        for (int m = 1; m <= 10; ++m)
            pool << u"%1*%2"_s.arg(index).arg(m) << u"%1*%2"_s.arg(index).arg(m);
    } else if (index == 10) {
        for (int a = 1; a <= 9; ++a)
            for (int b = 1; b <= 10; ++b)
                pool << u"%1*%2"_s.arg(a).arg(b);
    }
    return pool;
}

// Plays one quiz through the drawer and returns the questions it asked.
QStringList playQuiz(QuizState &state, RandomNumbers &random, int tableIndex, int questions)
{
    QuestionDrawer drawer(random);
    state.colQuestions = QuestionList::build(tableIndex);
    QStringList asked;
    for (int i = 0; i < questions; ++i) {
        const auto captions = drawer.drawNext(state);
        if (!captions)
            break;
        asked << QuestionList::item(state.intFirstNumber, state.intSecondNumber);
    }
    return asked;
}

int productOf(const QString &item)
{
    const auto f = QuestionList::split(item);
    return f.first * f.second;
}

} // namespace

void tst_Questions::poolForEveryIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::newRow("(select table) gives nothing") << 0 << 0;
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("table %d: every fact twice", k) << k << 20;
    QTest::newRow("1 to 9: each fact once") << 10 << 90;
    QTest::newRow("no such entry") << 11 << 0;
}

void tst_Questions::poolForEveryIndex()
{
    QFETCH(int, index);
    QFETCH(int, size);
    const QStringList pool = QuestionList::build(index);
    QCOMPARE(pool.size(), size);
    QCOMPARE(pool, expectedPool(index));
    for (const QString &item : pool)
        QVERIFY2(!item.startsWith(u"10*"_s), qPrintable(item)); // 10 is only a multiplier
}

void tst_Questions::itemsSplitIntoFactors_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("7*3") << u"7*3"_s << 7 << 3;
    QTest::newRow("9*10") << u"9*10"_s << 9 << 10;
    QTest::newRow("previous question before the first quiz") << u"0*0"_s << 0 << 0;
}

void tst_Questions::itemsSplitIntoFactors()
{
    QFETCH(QString, item);
    QFETCH(int, first);
    QFETCH(int, second);
    const auto f = QuestionList::split(item);
    QCOMPARE(int(f.first), first);
    QCOMPARE(int(f.second), second);
    QCOMPARE(QuestionList::item(f.first, f.second), item);
}

void tst_Questions::singleTableQuizAsksEveryFactTwice_data()
{
    QTest::addColumn<int>("table");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("table %d", k) << k;
}

void tst_Questions::singleTableQuizAsksEveryFactTwice()
{
    QFETCH(int, table);
    RandomNumbers random(quint64(table) * 1000);
    QuizState state;
    int repeatsAtTheEnd = 0;
    for (int quiz = 0; quiz < 300; ++quiz) {
        const QStringList asked = playQuiz(state, random, table, 20);
        QCOMPARE(asked.size(), 20);
        QStringList sorted = asked;
        sorted.sort();
        QStringList expected = expectedPool(table);
        expected.sort();
        QCOMPARE(sorted, expected);
        for (int i = 1; i < 19; ++i)
            QVERIFY2(asked[i] != asked[i - 1], qPrintable(asked.join(u' ')));
        repeatsAtTheEnd += asked[19] == asked[18];
        QVERIFY(state.colQuestions.isEmpty());
    }
    // The last two items are the two copies of one fact now and then.
    QVERIFY(repeatsAtTheEnd > 0);
}

void tst_Questions::fullTableQuizNeverRepeats()
{
    RandomNumbers random(2024);
    QuizState state;
    for (int quiz = 0; quiz < 300; ++quiz) {
        const QStringList asked = playQuiz(state, random, 10, 50);
        QCOMPARE(asked.size(), 50);
        QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()).size(), 50);
        QCOMPARE(state.colQuestions.size(), 40);
    }
}

// The question on screen when a quiz ends or is stopped carries over, and
// the next quiz must not open with it.
void tst_Questions::firstQuestionDiffersFromTheLastOneShown()
{
    RandomNumbers random(77);
    QuizState state;
    for (int i = 0; i < 2000; ++i) {
        const QString previous = QuestionList::item(state.intFirstNumber, state.intSecondNumber);
        const QStringList asked = playQuiz(state, random, 3, 1 + i % 5);
        QVERIFY(asked.first() != previous);
    }
}

void tst_Questions::lastItemIsShownEvenWhenItRepeats()
{
    RandomNumbers random(5);
    QuizState state;
    state.intFirstNumber = 4;
    state.intSecondNumber = 6;
    state.colQuestions = {u"4*6"_s};
    QuestionDrawer drawer(random);
    const auto captions = drawer.drawNext(state);
    QVERIFY(captions);
    QCOMPARE(captions->firstNumber, u"4"_s);
    QCOMPARE(captions->secondNumber, u"6"_s);
    QVERIFY(state.colQuestions.isEmpty());
}

void tst_Questions::emptyPoolShowsNothing()
{
    RandomNumbers random(5);
    QuizState state;
    state.intFirstNumber = 2;
    state.intSecondNumber = 3;
    state.intAnswer = 6;
    QuestionDrawer drawer(random);
    QVERIFY(!drawer.drawNext(state));
    QCOMPARE(state.intAnswer, qint16(6));
}

void tst_Questions::captionsAreThreeDistinctPositiveNumbers_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("1 x 1: 2 to 10") << u"1*1"_s << 1 << 10;
    QTest::newRow("2 x 5: 1 to 19, never 0") << u"2*5"_s << 1 << 19;
    QTest::newRow("3 x 3: 1 to 18") << u"3*3"_s << 1 << 18;
    QTest::newRow("9 x 10: 80 to 99") << u"9*10"_s << 80 << 99;
}

void tst_Questions::captionsAreThreeDistinctPositiveNumbers()
{
    QFETCH(QString, question);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    RandomNumbers random(11);
    QuestionDrawer drawer(random);
    const int product = productOf(question);
    for (int i = 0; i < 5000; ++i) {
        QuizState state;
        state.colQuestions = {question};
        const auto captions = drawer.drawNext(state);
        QVERIFY(captions);
        QSet<int> shown;
        int products = 0;
        for (const QString &c : captions->answers) {
            bool ok = false;
            const int n = c.toInt(&ok);
            QVERIFY(ok);
            QVERIFY2(n >= lowest && n <= highest, qPrintable(c));
            products += n == product;
            shown.insert(n);
        }
        QCOMPARE(products, 1);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(int(state.intAnswer), product);
    }
}

void tst_Questions::wrongAnswersFollowTheirDistribution_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<Weights>("weights");

    QMap<int, double> one; // 2 to 9 twice as likely as 10
    for (int v = 2; v <= 9; ++v)
        one[v] = 2;
    one[10] = 1;
    QTest::newRow("product 1: 2 to 9 twice as likely as 10") << u"1*1"_s << one;

    QMap<int, double> four;
    for (int v : {1, 2, 3, 5, 6})
        four[v] = 2;
    for (int v = 7; v <= 13; ++v)
        four[v] = 1;
    QTest::newRow("product 4: small values twice as likely") << u"2*2"_s << four;

    QMap<int, double> ten;
    for (int v = 1; v <= 19; ++v)
        if (v != 10)
            ten[v] = 1;
    QTest::newRow("product 10: 18 values alike, never 0") << u"2*5"_s << ten;

    QMap<int, double> ninety;
    for (int v = 80; v <= 99; ++v)
        if (v != 90)
            ninety[v] = 1;
    QTest::newRow("product 90: 19 values alike") << u"9*10"_s << ninety;
}

void tst_Questions::wrongAnswersFollowTheirDistribution()
{
    QFETCH(QString, question);
    QFETCH(Weights, weights);

    RandomNumbers random(31337);
    QuestionDrawer drawer(random);
    QMap<int, int> firstWrong;
    constexpr int Draws = 40000;
    for (int i = 0; i < Draws; ++i) {
        QuizState state;
        state.colQuestions = {question};
        QVERIFY(drawer.drawNext(state));
        ++firstWrong[state.intWrong1];
        for (int w : {state.intWrong2, state.intWrong3})
            QVERIFY2(weights.contains(w), qPrintable(QString::number(w)));
    }
    for (auto it = firstWrong.cbegin(); it != firstWrong.cend(); ++it)
        QVERIFY2(weights.contains(it.key()), qPrintable(QString::number(it.key())));
    const auto chi = ChiSquare::of(firstWrong, weights);
    QVERIFY2(chi.statistic < chi.criticalValue(),
             qPrintable(u"chi-square %1 >= %2"_s.arg(chi.statistic).arg(chi.criticalValue())));
}

void tst_Questions::productButtonIsUniform()
{
    RandomNumbers random(8);
    QuestionDrawer drawer(random);
    QMap<int, int> observed;
    for (int i = 0; i < 30000; ++i) {
        QuizState state;
        state.colQuestions = {u"6*7"_s};
        const auto captions = drawer.drawNext(state);
        QVERIFY(captions);
        for (int b = 0; b < 3; ++b)
            if (captions->answers[b] == u"42"_s)
                ++observed[b + 1];
    }
    const auto chi = ChiSquare::of(observed, {{1, 1.0}, {2, 1.0}, {3, 1.0}});
    QVERIFY2(chi.statistic < chi.criticalValue(), qPrintable(QString::number(chi.statistic)));
}

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
