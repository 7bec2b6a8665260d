#include "ChiSquare.h"
#include "FakeClock.h"
#include "QuestionList.h"
#include "QuizSession.h"
#include "RandomNumbers.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_Questions : public QObject
{
    Q_OBJECT

    FakeClock clock;
    static quint64 frozenTimer() { return 0; } // repeatable draws: the distribution checks never fail at random

    static QString asked(const QuizState &s) { return QuestionList::item(s.intFirstNumber, s.intSecondNumber); }
    static QString product(const QuizState &s) { return QString::number(s.intFirstNumber * s.intSecondNumber); }

private Q_SLOTS:
    // Draws within one tick must differ, or the question draw would spin; one ignoring the timer repeats every game.
    // The wrong answers to 2*2: |14 - r| for r from 1 to 20 but never 0 nor 4, so those below 7 come twice as often.
    void drawsMixInTheTimerAndSpreadAsTheyShould()
    {
        RandomNumbers one(5, [] { return quint64(1); });
        RandomNumbers other(5, [] { return quint64(2); });
        const float first = one.next();
        QCOMPARE_NE(first, one.next());
        QCOMPARE_NE(first, other.next());

        RandomNumbers random(31337, frozenTimer);
        QuestionDrawer drawer(random);
        QMap<int, int> firstWrong;
        for (int i = 0; i < 40000; ++i) {
            QuizState state{.colQuestions = {u"2*2"_s}};
            drawer.drawNext(state);
            ++firstWrong[state.intWrong1];
        }
        verifyChiSquareFit(firstWrong, {{1, 2}, {2, 2}, {3, 2}, {5, 2}, {6, 2},
                                        {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 1}, {12, 1}, {13, 1}});
    }

    void quizzesKeepTheRules_data()
    {
        QTest::addColumn<int>("table");
        for (int k = 1; k <= 9; ++k)
            QTest::addRow("table %d: 20 questions, every fact twice", k) << k;
        QTest::newRow("1 to 9: 50 of the 90 facts, none twice") << 10;
    }

    // Quizzes in a row, each question answered wrong first: no question straight after itself (nor after the one shown
    // before the quiz) unless it is all that is left; three distinct positive answers, the product on any button alike;
    // a wrong answer costs a second. Past 16 bits (32768, nine hours) the counters stop, and the quiz has no score.
    void quizzesKeepTheRules()
    {
        QFETCH(int, table);
        RandomNumbers random(table, frozenTimer);
        QuizSession session(clock, random);
        const QuizState &s = session.state();
        const int first = table == 10 ? 1 : table, last = table == 10 ? 9 : table, questions = table == 10 ? 50 : 20;
        QMap<int, int> productButton;
        for (int quiz = 0; quiz < 200; ++quiz) {
            QStringList shown{asked(s)};
            QVERIFY(session.start(table));
            session.buildQuestionList();
            QCOMPARE(s.colQuestions.size(), table == 10 ? 90 : 20);
            for (int right = 1; right <= questions; ++right) {
                const auto captions = session.nextQuestion();
                QVERIFY2(captions, "the pool ran out before the quiz ended");
                QVERIFY2(s.intFirstNumber >= first && s.intFirstNumber <= last, qPrintable(asked(s)));
                QVERIFY2(s.intSecondNumber >= 1 && s.intSecondNumber <= 10, qPrintable(asked(s)));
                const auto &answers = captions->answers;
                QCOMPARE(QSet<QString>(answers.cbegin(), answers.cend()).size(), 3);
                QVERIFY(std::ranges::all_of(answers, [](const QString &a) { return a.toInt() > 0; }));
                ++productButton[int(std::ranges::find(answers, product(s)) - answers.cbegin())];
                QVERIFY2(asked(s) != shown.last() || right == questions, qPrintable(shown.join(u' ')));
                shown << asked(s);
                clock.advance(2);
                QCOMPARE(session.answer(u"0"_s), AnswerOutcome::Wrong);
                QCOMPARE(session.counters().wrongAnswers, right);
                QCOMPARE(session.counters().seconds, 3 * right);
                QCOMPARE(session.answer(product(s)), right < questions ? AnswerOutcome::Right : AnswerOutcome::LastRight);
            }
            clock.advance(30); // the sound and the name prompt take their time
            QCOMPARE(session.counters().seconds, 3 * questions);
            QCOMPARE(session.quizSeconds(), qint16(3 * questions));
            QCOMPARE(QSet<QString>(shown.cbegin() + 1, shown.cend()).size(), table == 10 ? 50 : 10);
        }
        verifyChiSquareFit(productButton, {{0, 1}, {1, 1}, {2, 1}});

        QVERIFY(session.start(table)); // the last question, answered wrong 32770 times and then right throughout
        for (int k = 0; k < 32770 + questions; ++k)
            session.answer(k < 32770 ? u"0"_s : product(s));
        QCOMPARE(session.counters().wrongAnswers, 32767);
        QCOMPARE(session.counters().seconds, 32767);
        QCOMPARE(session.quizSeconds(), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(tst_Questions)
#include "tst_questions.moc"
