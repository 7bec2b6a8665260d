#pragma once

#include <QString>

struct QuizState;

enum class AnswerOutcome {
    Wrong,
    Right,
    LastRight, // the right answer that completes the quiz
};

// Judges a clicked answer and counts it in the quiz state.
namespace AnswerJudge {

// The largest count a 16-bit counter shows; the wrong-answer count and the
// shown time stop there rather than overflow.
constexpr qint16 LargestCount = 32767;

// A wrong answer moves the start back a second (a penalty) and counts; a
// right one counts towards the total.
AnswerOutcome judge(QuizState &state, const QString &caption);

// The seconds shown for a quiz that started at start, read at now.
qint64 shownSeconds(const QuizState &state, qint64 now);

} // namespace AnswerJudge
