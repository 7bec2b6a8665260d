#include "ChiSquare.h"
#include "FakeClock.h"
#include "QuestionList.h"
#include "QuizSession.h"
#include "RandomNumbers.h"
#include "TableChoice.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// The rules of a quiz on QuizSession, and the random draws beneath it.
class tst_Questions : public QObject
{
    Q_OBJECT

    FakeClock clock;
    // A frozen timer makes the draws repeatable: the distribution checks never fail at random.
    static quint64 frozenTimer() { return 0; }

    static QString asked(const QuizState &s) { return QuestionList::item(s.intFirstNumber, s.intSecondNumber); }
    static QString product(const QuizState &s) { return QString::number(s.intFirstNumber * s.intSecondNumber); }

private Q_SLOTS:
    // Draws within one tick must differ, or the question draw would spin; one ignoring the timer repeats every game.
    void drawsMixInTheTimer()
    {
        RandomNumbers one(5, [] { return quint64(1); });
        RandomNumbers other(5, [] { return quint64(2); });
        const float first = one.next();
        QCOMPARE_NE(first, one.next());
        QCOMPARE_NE(first, other.next());
    }

    void quizzesAskEveryFactAsOften_data()
    {
        QTest::addColumn<int>("table");
        for (int k = 1; k <= 9; ++k)
            QTest::addRow("table %d: 20 questions, every fact twice", k) << k;
        QTest::newRow("1 to 9: 50 of the 90 facts, none twice") << 10;
    }

    // Quizzes one after another: no question straight after itself (nor after the one shown before
    // the quiz) unless it is all that is left; three distinct positive answers, the product on any button alike.
    void quizzesAskEveryFactAsOften()
    {
        QFETCH(int, table);
        RandomNumbers random(table, frozenTimer);
        QuizSession session(clock, random);
        const QuizState &s = session.state();
        QMap<int, int> productButton;
        for (int quiz = 0; quiz < 200; ++quiz) {
            QStringList shown{asked(s)};
            QVERIFY(session.start(table));
            session.buildQuestionList();
            QCOMPARE(s.colQuestions.size(), table == 10 ? 90 : 20);
            for (AnswerOutcome outcome = AnswerOutcome::Right; outcome != AnswerOutcome::LastRight;) {
                const auto captions = session.nextQuestion();
                QVERIFY2(captions, "the pool ran out before the quiz ended");
                const int table1 = table == TableChoice::FullTable ? TableChoice::FirstTable : table;
                const int table2 = table == TableChoice::FullTable ? TableChoice::LastTable : table;
                QVERIFY2(s.intFirstNumber >= table1 && s.intFirstNumber <= table2, qPrintable(asked(s)));
                QVERIFY2(s.intSecondNumber >= 1 && s.intSecondNumber <= 10, qPrintable(asked(s)));
                const auto &answers = captions->answers;
                QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), 3);
                QVERIFY(std::ranges::all_of(answers, [](const QString &a) { return a.toInt() > 0; }));
                ++productButton[int(std::ranges::find(answers, product(s)) - answers.cbegin())];
                shown << asked(s);
                outcome = session.answer(product(s));
            }
            QCOMPARE(shown.size() - 1, table == 10 ? 50 : 20);
            QCOMPARE(QSet<QString>(shown.cbegin() + 1, shown.cend()).size(), table == 10 ? 50 : 10);
            for (int i = 1; i < shown.size() - 1; ++i)
                QVERIFY2(shown[i] != shown[i - 1], qPrintable(shown.join(u' ')));
        }
        verifyChiSquareFit(productButton, {{0, 1}, {1, 1}, {2, 1}});
    }

    // A wrong answer counts and costs a second; the counters show the clock until the last answer, then the time
    // it took. Past 16 bits (32768 wrong answers, nine hours) both stop at their largest, and such a quiz has no score.
    void answersMoveTheCountersAndTheClock()
    {
        RandomNumbers random(9, frozenTimer);
        QuizSession session(clock, random);
        const QuizState &s = session.state();
        QVERIFY(session.start(3));
        session.buildQuestionList();
        for (int question = 1; question <= 20; ++question) {
            QVERIFY(session.nextQuestion());
            clock.advance(2);
            QCOMPARE(session.answer(QString::number(s.intAnswer + 1)), AnswerOutcome::Wrong);
            const auto c = session.counters();
            QCOMPARE(QList<qint64>({c.wrongAnswers, c.seconds, c.rightAnswers, c.totalQuestions}),
                     QList<qint64>({question, 3 * question, question - 1, 20}));
            QCOMPARE(session.answer(product(s)), question < 20 ? AnswerOutcome::Right : AnswerOutcome::LastRight);
        }
        QVERIFY(!session.takesAnswers());
        clock.advance(30); // the sound and the name prompt take their time
        QCOMPARE(session.counters().seconds, 60);
        QCOMPARE(session.quizSeconds(), qint16(60));

        QVERIFY(session.start(2));
        session.buildQuestionList();
        session.nextQuestion();
        for (int k = 0; k < 32770; ++k)
            session.answer(u"0"_s);
        QCOMPARE(session.counters().wrongAnswers, 32767);
        QCOMPARE(session.counters().seconds, 32767);
        for (int k = 0; k < 20; ++k) {
            session.answer(product(s));
            session.nextQuestion();
        }
        QCOMPARE(session.quizSeconds(), std::nullopt);
    }

    // Whole numbers spread evenly, rounded down below zero too; the wrong answers to 2*2,
    // |14 - r| for r from 1 to 20 but never 0 nor 4, so those below 7 come twice as often.
    void drawsFollowTheirDistribution()
    {
        RandomNumbers random(31337, frozenTimer);
        QuestionDrawer drawer(random);
        QMap<int, int> numbers, firstWrong;
        for (int i = 0; i < 40000; ++i) {
            ++numbers[random.generate(-1, 1)];
            QuizState state;
            state.colQuestions = {u"2*2"_s};
            drawer.drawNext(state);
            ++firstWrong[state.intWrong1];
        }
        verifyChiSquareFit(numbers, {{-1, 1}, {0, 1}, {1, 1}});
        verifyChiSquareFit(firstWrong, {{1, 2}, {2, 2}, {3, 2}, {5, 2}, {6, 2},
                                        {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 1}, {13, 1}});
    }
};

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
