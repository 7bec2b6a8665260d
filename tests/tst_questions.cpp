#include "AnswerJudge.h"
#include "ChiSquare.h"
#include "QuestionDrawer.h"
#include "QuestionList.h"
#include "QuizState.h"
#include "RandomNumbers.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using Weights = QMap<int, double>;

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

// The quiz logic behind the main window: the pool, the random draws, the
// questions and answers drawn from them, and the counters.
class tst_Questions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void poolAndQuizzesAskEveryFact_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("(select table): no pool") << 0;
        for (int k = 1; k <= 9; ++k)
            QTest::addRow("table %d: every fact twice, side by side, each asked twice", k) << k;
        QTest::newRow("1 to 9: each fact once, 50 distinct asked") << 10;
        QTest::newRow("no such entry: no pool") << 11;
    }

    void poolAndQuizzesAskEveryFact()
    {
        QFETCH(int, index);
        QCOMPARE(QuestionList::build(index), expectedPool(index));
        if (index < 1 || index > 10)
            return;
        const int questions = index == 10 ? 50 : 20;
        RandomNumbers random(quint64(index) * 1000);
        QuestionDrawer drawer(random);
        QuizState state;
        int repeatsAtTheEnd = 0;
        for (int quiz = 0; quiz < 300; ++quiz) {
            const QString onScreen = QuestionList::item(state.intFirstNumber, state.intSecondNumber);
            state.colQuestions = QuestionList::build(index);
            QStringList asked;
            for (int i = 0; i < questions; ++i) {
                QVERIFY(drawer.drawNext(state));
                asked << QuestionList::item(state.intFirstNumber, state.intSecondNumber);
            }
            QVERIFY(asked.first() != onScreen); // the last quiz's question does not open the next one
            for (int i = 1; i < questions - 1; ++i)
                QVERIFY2(asked[i] != asked[i - 1], qPrintable(asked.join(u' ')));
            repeatsAtTheEnd += asked.last() == asked[questions - 2];
            if (index == 10) {
                QCOMPARE(QSet<QString>(asked.cbegin(), asked.cend()).size(), 50);
            } else {
                QStringList pool = expectedPool(index);
                pool.sort();
                asked.sort();
                QCOMPARE(asked, pool);
            }
        }
        // When the two copies of one fact are all that is left, the repeat must come.
        QCOMPARE(repeatsAtTheEnd > 0, index != 10);
    }

    void randomNumbersStayWithinBoundsAndAreUniform_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("(1, 3): the product's button") << 1 << 3;
        QTest::newRow("(1, 90): a full pool") << 1 << 90;
        QTest::newRow("(1, 1) always 1") << 1 << 1;
        QTest::newRow("(1, 0) gives 1: the span is 0") << 1 << 0;
        QTest::newRow("(-5, 5) around zero") << -5 << 5;
    }

    void randomNumbersStayWithinBoundsAndAreUniform()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        RandomNumbers random(42);
        QMap<int, int> observed;
        Weights uniform;
        for (int v = low; v <= qMax(low, high); ++v)
            uniform[v] = 1;
        for (int i = 0; i < 1000 * uniform.size(); ++i)
            ++observed[random.generate(qint16(low), qint16(high))];
        QCOMPARE(observed.keys(), uniform.keys());
        if (uniform.size() > 1)
            verifyChiSquareFit(observed, uniform);
    }

    // Reseeding by replacing the state with the timer would repeat one value
    // until the timer moved on, and the question draw would spin on it; yet the
    // timer is still mixed into every draw.
    void drawsWithinOneTimerTickStayFresh()
    {
        RandomNumbers frozen(5, [] { return quint64(123456789); });
        quint64 ticks = 0;
        RandomNumbers moving(5, [&ticks] { return ++ticks; });
        QSet<float> values;
        int differences = 0;
        for (int i = 0; i < 1000; ++i) {
            const float r = frozen.next();
            values << r;
            differences += moving.next() != r;
        }
        QCOMPARE(values.size(), 1000);
        QVERIFY(differences > 990);
    }

    void answersFollowTheirDistribution_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<Weights>("wrongWeights");
        // Each value from low to high but the product once, the doubled ones twice.
        const auto weights = [](int low, int high, int product, std::initializer_list<int> doubled = {}) {
            Weights w;
            for (int v = low; v <= high; ++v)
                if (v != product)
                    w[v] = 1;
            for (int v : doubled)
                w[v] = 2;
            return w;
        };
        QTest::newRow("product 1: 2 to 9 twice as likely as 10") << 1 << 1 << weights(10, 10, 1, {2, 3, 4, 5, 6, 7, 8, 9});
        QTest::newRow("product 4: small values twice as likely") << 2 << 2 << weights(7, 13, 4, {1, 2, 3, 5, 6});
        QTest::newRow("product 10: 18 values alike, never 0") << 2 << 5 << weights(1, 19, 10);
        QTest::newRow("product 90: 19 values alike") << 9 << 10 << weights(80, 99, 90);
    }

    // Three distinct answers, the wrong ones positive and spread as the weights
    // say, the product on a button chosen uniformly.
    void answersFollowTheirDistribution()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(Weights, wrongWeights);
        RandomNumbers random(31337);
        QuestionDrawer drawer(random);
        QMap<int, int> firstWrong, productButton;
        for (int i = 0; i < 40000; ++i) {
            QuizState state;
            state.colQuestions = {QuestionList::item(qint16(first), qint16(second))};
            const auto captions = drawer.drawNext(state);
            QVERIFY(captions);
            const auto &answers = captions->answers;
            QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), 3);
            ++productButton[int(std::find(answers.cbegin(), answers.cend(), QString::number(first * second)) - answers.cbegin())];
            ++firstWrong[state.intWrong1];
            for (int wrong : {state.intWrong2, state.intWrong3})
                QVERIFY2(wrongWeights.contains(wrong), qPrintable(QString::number(wrong)));
        }
        verifyChiSquareFit(firstWrong, wrongWeights);
        verifyChiSquareFit(productButton, {{0, 1.0}, {1, 1.0}, {2, 1.0}});
    }

    // A 16-bit counter would overflow on the 32768th wrong answer, and a quiz
    // left open for nine hours would show a time beyond 16 bits: both stop at
    // their largest value, while every penalty still counts.
    void countersStopAtTheirLargestValue()
    {
        QuizState quiz;
        quiz.intAnswer = 6;
        quiz.intTotalQuestions = 20;
        quiz.dtStartTime = 100000;
        for (int k = 0; k < 32770; ++k)
            QCOMPARE(AnswerJudge::judge(quiz, u"7"_s), AnswerOutcome::Wrong);
        QCOMPARE(quiz.intWrongAnswers, 32767);
        QCOMPARE(AnswerJudge::shownSeconds(quiz, 100000), 32767);
        QCOMPARE(AnswerJudge::shownSeconds(quiz, 100000 - 32771), 0); // never below 0
    }
};

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
