#include "ChiSquare.h"
#include "FakeClock.h"
#include "QuestionList.h"
#include "QuizSession.h"
#include "RandomNumbers.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using Weights = QMap<int, double>;

// The rules of a quiz on QuizSession and the draws beneath it: the pool, the
// random numbers, the questions and answers, the counters and the clock.
class tst_Questions : public QObject
{
    Q_OBJECT

    FakeClock clock;
    // A timer that never moves makes the draws repeatable, so that the
    // distribution checks do not fail at random one run in a few hundred.
    static quint64 frozenTimer() { return 0; }

    static QString product(const QuizState &s) { return QString::number(s.intFirstNumber * s.intSecondNumber); }

private Q_SLOTS:
    void quizzesAskEveryFactAsOften_data()
    {
        QTest::addColumn<int>("table");
        for (int k = 1; k <= 9; ++k)
            QTest::addRow("table %d: 20 questions, every fact twice", k) << k;
        QTest::newRow("1 to 9: 50 of the 90 facts, none twice") << 10;
    }

    void quizzesAskEveryFactAsOften()
    {
        QFETCH(int, table);
        RandomNumbers random(quint64(table) * 1000);
        QuizSession session(clock, random);
        QVERIFY(!session.start(QuizSession::NoTable));
        int repeatsAtTheEnd = 0;
        for (int quiz = 0; quiz < 200; ++quiz) {
            const QuizState &s = session.state();
            const QString onScreen = QuestionList::item(s.intFirstNumber, s.intSecondNumber);
            QVERIFY(session.start(table));
            session.buildQuestionList(table);
            QCOMPARE(s.colQuestions.size(), table == 10 ? 90 : 20);
            QStringList asked;
            QMap<QString, int> times;
            for (AnswerOutcome outcome = AnswerOutcome::Right; outcome != AnswerOutcome::LastRight;) {
                QVERIFY2(session.nextQuestion(), "the pool ran out before the quiz ended");
                asked << QuestionList::item(s.intFirstNumber, s.intSecondNumber);
                ++times[asked.last()];
                QVERIFY(s.intFirstNumber == table || (table == 10 && s.intFirstNumber <= 9));
                QVERIFY(s.intSecondNumber >= 1 && s.intSecondNumber <= 10);
                outcome = session.answer(product(s));
            }
            QCOMPARE(asked.size(), s.intTotalQuestions);
            QCOMPARE(s.intTotalQuestions, table == 10 ? 50 : 20);
            QCOMPARE(QSet<int>(times.cbegin(), times.cend()), QSet<int>{table == 10 ? 1 : 2});
            QVERIFY(asked.first() != onScreen); // the last quiz's question does not open the next one
            for (int i = 1; i < asked.size() - 1; ++i)
                QVERIFY2(asked[i] != asked[i - 1], qPrintable(asked.join(u' ')));
            repeatsAtTheEnd += asked.last() == asked[asked.size() - 2];
            session.stop();
        }
        // When the two copies of one fact are all that is left, the repeat must come.
        QCOMPARE(repeatsAtTheEnd > 0, table != 10);
    }

    // A wrong answer keeps the question, counts and costs a second; the
    // counters show the clock until the last answer, then the time it took.
    void answersMoveTheCountersAndTheClock()
    {
        RandomNumbers random(9);
        QuizSession session(clock, random);
        QVERIFY(session.start(3));
        session.buildQuestionList(3);
        const QuizState &s = session.state();
        for (int question = 1; question <= 20; ++question) {
            QVERIFY(session.nextQuestion());
            clock.advance(2);
            const QString asked = QuestionList::item(s.intFirstNumber, s.intSecondNumber);
            QCOMPARE(session.answer(QString::number(s.intAnswer + 1)), AnswerOutcome::Wrong);
            QCOMPARE(QuestionList::item(s.intFirstNumber, s.intSecondNumber), asked);
            const auto c = session.counters();
            QCOMPARE(QList<qint64>({c.wrongAnswers, c.seconds, c.rightAnswers, c.totalQuestions}),
                     QList<qint64>({question, 3 * question, question - 1, 20}));
            QCOMPARE(session.answer(product(s)), question < 20 ? AnswerOutcome::Right : AnswerOutcome::LastRight);
        }
        QVERIFY(!session.takesAnswers());
        clock.advance(30); // the sound and the name prompt take their time
        QCOMPARE(session.counters().seconds, 60);
        QCOMPARE(session.quizSeconds(), qint16(60));
        session.stop();
        QVERIFY(!session.isRunning() && !session.takesAnswers());
        QCOMPARE(s.intWrongAnswers, 20); // a stop keeps the counters until the next start
    }

    // A 16-bit counter would overflow on the 32768th wrong answer, and a quiz
    // left open for nine hours would show a time beyond 16 bits: both stop at
    // their largest value, and such a quiz has no score.
    void countersStopAtTheirLargestValue()
    {
        RandomNumbers random(1);
        QuizSession session(clock, random);
        session.start(2);
        session.buildQuestionList(2);
        session.nextQuestion();
        for (int k = 0; k < 32770; ++k)
            session.answer(u"0"_s);
        QCOMPARE(session.counters().wrongAnswers, 32767);
        QCOMPARE(session.counters().seconds, 32767);
        for (int k = 0; k < 20; ++k) {
            session.answer(product(session.state()));
            session.nextQuestion();
        }
        QCOMPARE(session.quizSeconds(), std::nullopt);
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
        RandomNumbers random(42, frozenTimer);
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
    // until the timer moved on, and the question draw would spin on it; yet
    // the timer is still mixed into every draw.
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

    // Three distinct answers, the wrong ones positive and spread as the
    // weights say, the product on a button chosen uniformly.
    void answersFollowTheirDistribution()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(Weights, wrongWeights);
        RandomNumbers random(31337, frozenTimer);
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
};

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
