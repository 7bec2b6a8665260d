#pragma once

#include "QuestionDrawer.h"
#include "QuizState.h"

#include <optional>

class Clock;
class RandomNumbers;

enum class AnswerOutcome {
    Wrong,
    Right,
    LastRight, // the right answer that completes the quiz
};

// One quiz and every rule of it: which choice starts one and how long it is,
// what a wrong and a right answer do, what the counters show, when it ends
// and how long it took. The main window reads its controls, calls this and
// writes what it returns.
class QuizSession
{
public:
    // The largest count a 16-bit counter shows; the wrong-answer count and
    // the shown time stop there rather than overflow.
    static constexpr qint16 LargestCount = 32767;

    // What the three counters show.
    struct Counters
    {
        qint16 wrongAnswers = 0;
        qint64 seconds = 0;
        qint16 rightAnswers = 0;
        qint16 totalQuestions = 0;
    };

    QuizSession(const Clock &clock, RandomNumbers &random);

    const QuizState &state() const { return m_state; }
    bool isRunning() const { return m_state.blnStarted; }
    // False while no quiz runs, or once its last answer has been given.
    bool takesAnswers() const;

    // Nothing happens without a table. Otherwise the clock starts, the
    // length is set (20 questions, 50 for the full table), the counters are
    // zeroed and the quiz runs; the question list comes next.
    bool start(int table);
    // A new pool for the table the quiz was started with.
    void buildQuestionList();
    // The next question from the pool, nothing when the pool is empty.
    std::optional<QuestionCaptions> nextQuestion();

    // A wrong answer costs a second and counts; a right one counts, and the
    // last one takes the end time.
    AnswerOutcome answer(const QString &caption);
    // The counters now, or at the end once the quiz has ended.
    Counters counters() const;
    // The seconds the ended quiz took, nothing beyond what a score can hold.
    std::optional<qint16> quizSeconds() const;
    void stop();

private:
    qint64 shownSeconds(qint64 at) const;

    const Clock &m_clock;
    QuestionDrawer m_drawer;
    QuizState m_state;
    int m_table = 0;
};
