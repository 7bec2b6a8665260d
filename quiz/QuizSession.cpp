#include "QuizSession.h"

#include "CheckedInt16.h"
#include "Clock.h"
#include "NumberText.h"
#include "QuestionList.h"
#include "TableChoice.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint16 SingleTableQuestions = 20;
constexpr qint16 FullTableQuestions = 50;
constexpr qint64 PenaltySeconds = 1;

} // namespace

QuizSession::QuizSession(const Clock &clock, RandomNumbers &random)
    : m_clock(clock)
    , m_drawer(random)
{
}

bool QuizSession::takesAnswers() const
{
    return m_state.blnStarted && m_state.intQuestionNo < m_state.intTotalQuestions;
}

bool QuizSession::start(int table)
{
    if (table == TableChoice::None)
        return false;
    m_state.dtStartTime = m_clock.currentSecond();
    m_state.intTotalQuestions = table >= TableChoice::FullTable ? FullTableQuestions : SingleTableQuestions;
    m_state.intWrongAnswers = 0;
    m_state.intQuestionNo = 0;
    m_state.blnStarted = true;
    m_table = table;
    return true;
}

void QuizSession::buildQuestionList()
{
    m_state.colQuestions = QuestionList::build(m_table);
}

std::optional<QuestionCaptions> QuizSession::nextQuestion()
{
    return m_drawer.drawNext(m_state);
}

AnswerOutcome QuizSession::answer(const QString &caption)
{
    if (NumberText::leadingNumber(caption) != double(m_state.intAnswer)) {
        m_state.dtStartTime -= PenaltySeconds;
        if (m_state.intWrongAnswers < LargestCount)
            ++m_state.intWrongAnswers;
        return AnswerOutcome::Wrong;
    }
    m_state.intQuestionNo = CheckedInt16::add(m_state.intQuestionNo, 1);
    if (m_state.intQuestionNo != m_state.intTotalQuestions)
        return AnswerOutcome::Right;
    m_state.dtEndTime = m_clock.currentSecond();
    return AnswerOutcome::LastRight;
}

QuizSession::Counters QuizSession::counters() const
{
    const bool ended = m_state.blnStarted && !takesAnswers();
    const qint64 at = ended ? m_state.dtEndTime : m_clock.currentSecond();
    return {m_state.intWrongAnswers, shownSeconds(at), m_state.intQuestionNo, m_state.intTotalQuestions};
}

std::optional<qint16> QuizSession::quizSeconds() const
{
    const qint64 seconds = m_state.dtEndTime - m_state.dtStartTime;
    if (seconds < 0 || seconds > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(seconds);
}

void QuizSession::stop()
{
    m_state.blnStarted = false;
}

qint64 QuizSession::shownSeconds(qint64 at) const
{
    return std::clamp<qint64>(at - m_state.dtStartTime, 0, LargestCount);
}
