#include "AnswerJudge.h"
#include "QuizState.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_AnswerJudge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void judgesTheCaptionAsANumber_data();
    void judgesTheCaptionAsANumber();
    void wrongAnswersCostASecondEach();
    void wrongAnswerCountStopsAtItsLargestValue();
    void quizEndsOnTheLastRightAnswer_data();
    void quizEndsOnTheLastRightAnswer();
    void shownSecondsStayInRange_data();
    void shownSecondsStayInRange();
};

void tst_AnswerJudge::judgesTheCaptionAsANumber_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("the product") << u"42"_s << 42 << true;
    QTest::newRow("a wrong answer") << u"41"_s << 42 << false;
    QTest::newRow("a prefix of the product is wrong") << u"4"_s << 42 << false;
    QTest::newRow("the product as a longer text") << u"42"_s << 4 << false;
}

void tst_AnswerJudge::judgesTheCaptionAsANumber()
{
    QFETCH(QString, caption);
    QFETCH(int, answer);
    QFETCH(bool, right);
    QuizState state;
    state.intAnswer = qint16(answer);
    state.intTotalQuestions = 20;
    state.dtStartTime = 500;
    const AnswerOutcome outcome = AnswerJudge::judge(state, caption);
    QCOMPARE(outcome == AnswerOutcome::Right, right);
    QCOMPARE(int(state.intQuestionNo), right ? 1 : 0);
    QCOMPARE(int(state.intWrongAnswers), right ? 0 : 1);
    QCOMPARE(state.dtStartTime, right ? 500 : 499);
}

void tst_AnswerJudge::wrongAnswersCostASecondEach()
{
    QuizState state;
    state.intAnswer = 12;
    state.intTotalQuestions = 20;
    state.dtStartTime = 1000;
    for (int k = 1; k <= 7; ++k) {
        QCOMPARE(AnswerJudge::judge(state, u"13"_s), AnswerOutcome::Wrong);
        QCOMPARE(AnswerJudge::shownSeconds(state, 1010), 10 + k);
    }
    QCOMPARE(int(state.intWrongAnswers), 7);
    QCOMPARE(AnswerJudge::judge(state, u"12"_s), AnswerOutcome::Right);
    QCOMPARE(state.dtStartTime, 993);
}

// A 16-bit counter would overflow on the 32768th wrong answer and end the
// game; it stops at its largest value while every penalty still counts.
void tst_AnswerJudge::wrongAnswerCountStopsAtItsLargestValue()
{
    QuizState state;
    state.intAnswer = 6;
    state.intTotalQuestions = 20;
    state.dtStartTime = 100000;
    for (int k = 0; k < 32770; ++k)
        AnswerJudge::judge(state, u"7"_s);
    QCOMPARE(int(state.intWrongAnswers), 32767);
    QCOMPARE(state.dtStartTime, 100000 - 32770);
}

void tst_AnswerJudge::quizEndsOnTheLastRightAnswer_data()
{
    QTest::addColumn<int>("total");
    QTest::newRow("one table") << 20;
    QTest::newRow("full table") << 50;
}

void tst_AnswerJudge::quizEndsOnTheLastRightAnswer()
{
    QFETCH(int, total);
    QuizState state;
    state.intAnswer = 9;
    state.intTotalQuestions = qint16(total);
    for (int i = 1; i < total; ++i)
        QCOMPARE(AnswerJudge::judge(state, u"9"_s), AnswerOutcome::Right);
    QCOMPARE(AnswerJudge::judge(state, u"9"_s), AnswerOutcome::LastRight);
    QCOMPARE(int(state.intQuestionNo), total);
}

void tst_AnswerJudge::shownSecondsStayInRange_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<qint64>("shown");
    QTest::newRow("at the start") << qint64(50) << qint64(50) << qint64(0);
    QTest::newRow("a minute in") << qint64(50) << qint64(110) << qint64(60);
    QTest::newRow("largest value") << qint64(0) << qint64(32767) << qint64(32767);
    QTest::newRow("past nine hours stops at the largest value") << qint64(0) << qint64(40000)
                                                                << qint64(32767);
    QTest::newRow("never negative") << qint64(10) << qint64(5) << qint64(0);
}

void tst_AnswerJudge::shownSecondsStayInRange()
{
    QFETCH(qint64, start);
    QFETCH(qint64, now);
    QFETCH(qint64, shown);
    QuizState state;
    state.dtStartTime = start;
    QCOMPARE(AnswerJudge::shownSeconds(state, now), shown);
}

QTEST_APPLESS_MAIN(tst_AnswerJudge)
#include "tst_answerjudge.moc"
