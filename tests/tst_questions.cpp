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
    void quizzesAskEveryFact_data();
    void quizzesAskEveryFact();
    void answersFollowTheirDistribution_data();
    void answersFollowTheirDistribution();
};

namespace {

QStringList expectedPool(int index)
{
    QStringList pool;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 10; ++b) {
            const QString item = u"%1*%2"_s.arg(a).arg(b);
            if (index == a)
                pool << item << item;
            else if (index == 10)
                pool << item;
        }
    }
    return pool;
}

} // namespace

void tst_Questions::poolForEveryIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("(select table): none") << 0;
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("table %d: every fact twice, side by side", k) << k;
    QTest::newRow("1 to 9: each fact once") << 10;
    QTest::newRow("no such entry: none") << 11;
}

void tst_Questions::poolForEveryIndex()
{
    QFETCH(int, index);
    QCOMPARE(QuestionList::build(index), expectedPool(index));
}

void tst_Questions::quizzesAskEveryFact_data()
{
    QTest::addColumn<int>("table");
    for (int k = 1; k <= 9; ++k)
        QTest::addRow("table %d: each fact twice", k) << k;
    QTest::newRow("1 to 9: 50 distinct facts") << 10;
}

void tst_Questions::quizzesAskEveryFact()
{
    QFETCH(int, table);
    const int questions = table == 10 ? 50 : 20;
    RandomNumbers random(quint64(table) * 1000);
    QuestionDrawer drawer(random);
    QuizState state;
    int repeatsAtTheEnd = 0;
    for (int quiz = 0; quiz < 300; ++quiz) {
        const QString onScreen = QuestionList::item(state.intFirstNumber, state.intSecondNumber);
        state.colQuestions = QuestionList::build(table);
        QStringList asked;
        for (int i = 0; i < questions; ++i) {
            QVERIFY(drawer.drawNext(state));
            asked << QuestionList::item(state.intFirstNumber, state.intSecondNumber);
        }
        QVERIFY(asked.first() != onScreen); // the last quiz's question does not open the next one
        for (int i = 1; i < questions - 1; ++i)
            QVERIFY2(asked[i] != asked[i - 1], qPrintable(asked.join(u' ')));
        repeatsAtTheEnd += asked.last() == asked[questions - 2];
        if (table == 10) {
            QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()).size(), 50);
        } else {
            QStringList pool = expectedPool(table);
            pool.sort();
            asked.sort();
            QCOMPARE(asked, pool);
        }
    }
    // When the two copies of a fact are all that is left, the repeat must come.
    QCOMPARE(repeatsAtTheEnd > 0, table != 10);
}

void tst_Questions::answersFollowTheirDistribution_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("product");
    QTest::addColumn<Weights>("wrongWeights");
    Weights one, four, ten, ninety;
    for (int v = 2; v <= 9; ++v)
        one[v] = 2;
    one[10] = 1;
    for (int v : {1, 2, 3, 5, 6})
        four[v] = 2;
    for (int v = 7; v <= 13; ++v)
        four[v] = 1;
    for (int v = 0; v <= 19; ++v)
        ninety[80 + v] = ten[v] = 1;
    ten.remove(0);
    ten.remove(10);
    ninety.remove(90);
    QTest::newRow("product 1: 2 to 9 twice as likely as 10") << u"1*1"_s << 1 << one;
    QTest::newRow("product 4: small values twice as likely") << u"2*2"_s << 4 << four;
    QTest::newRow("product 10: 18 values alike, never 0") << u"2*5"_s << 10 << ten;
    QTest::newRow("product 90: 19 values alike") << u"9*10"_s << 90 << ninety;
}

void tst_Questions::answersFollowTheirDistribution()
{
    QFETCH(QString, question);
    QFETCH(int, product);
    QFETCH(Weights, wrongWeights);
    RandomNumbers random(31337);
    QuestionDrawer drawer(random);
    QMap<int, int> firstWrong, productButton;
    for (int i = 0; i < 40000; ++i) {
        QuizState state;
        state.colQuestions = {question};
        const auto captions = drawer.drawNext(state);
        QVERIFY(captions);
        const auto &answers = captions->answers;
        QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), 3);
        ++productButton[int(std::find(answers.cbegin(), answers.cend(), QString::number(product)) - answers.cbegin())];
        ++firstWrong[state.intWrong1];
        for (int wrong : {state.intWrong2, state.intWrong3})
            QVERIFY2(wrongWeights.contains(wrong), qPrintable(QString::number(wrong)));
    }
    const QString wrongMisfit = chiSquareMisfit(firstWrong, wrongWeights);
    QVERIFY2(wrongMisfit.isEmpty(), qPrintable(wrongMisfit));
    const QString buttonMisfit = chiSquareMisfit(productButton, {{0, 1.0}, {1, 1.0}, {2, 1.0}});
    QVERIFY2(buttonMisfit.isEmpty(), qPrintable(buttonMisfit));
}

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
