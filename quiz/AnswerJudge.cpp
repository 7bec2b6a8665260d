#include "AnswerJudge.h"

#include "CheckedInt16.h"
#include "NumberText.h"
#include "QuizState.h"

#include <algorithm>

namespace AnswerJudge {

namespace {

constexpr qint64 PenaltySeconds = 1;

} // namespace

AnswerOutcome judge(QuizState &state, const QString &caption)
{
    if (NumberText::leadingNumber(caption) != double(state.intAnswer)) {
        state.dtStartTime -= PenaltySeconds;
        if (state.intWrongAnswers < LargestCount)
            ++state.intWrongAnswers;
        return AnswerOutcome::Wrong;
    }
    state.intQuestionNo = CheckedInt16::add(state.intQuestionNo, 1);
    return state.intQuestionNo == state.intTotalQuestions ? AnswerOutcome::LastRight
                                                          : AnswerOutcome::Right;
}

qint64 shownSeconds(const QuizState &state, qint64 now)
{
    return std::clamp<qint64>(now - state.dtStartTime, 0, LargestCount);
}

} // namespace AnswerJudge
