#include "QuestionDrawer.h"

#include "CheckedInt16.h"
#include "NumberText.h"
#include "QuestionList.h"
#include "QuizState.h"
#include "RandomNumbers.h"

namespace {

constexpr qint16 WrongAnswerSpread = 20;
constexpr qint16 WrongAnswerOffset = 10;
constexpr qint16 AnswerButtons = 3;

} // namespace

QuestionDrawer::QuestionDrawer(RandomNumbers &random)
    : m_random(random)
{
}

std::optional<QuestionCaptions> QuestionDrawer::drawNext(QuizState &state)
{
    if (state.colQuestions.isEmpty())
        return std::nullopt;

    const qint16 index = drawPoolIndex(state);
    const auto factors = QuestionList::split(state.colQuestions.at(index - 1));
    state.intFirstNumber = factors.first;
    state.intSecondNumber = factors.second;
    state.colQuestions.removeAt(index - 1);
    state.intAnswer = CheckedInt16::multiply(state.intFirstNumber, state.intSecondNumber);

    const qint16 answer = state.intAnswer;
    do {
        state.intWrong1 = drawWrongAnswer(answer);
    } while (state.intWrong1 == answer || state.intWrong1 == 0);
    do {
        state.intWrong2 = drawWrongAnswer(answer);
    } while (state.intWrong2 == answer || state.intWrong2 == 0 || state.intWrong2 == state.intWrong1);
    do {
        state.intWrong3 = drawWrongAnswer(answer);
    } while (state.intWrong3 == answer || state.intWrong3 == 0 || state.intWrong3 == state.intWrong1
             || state.intWrong3 == state.intWrong2);

    QuestionCaptions captions{NumberText::decimal(state.intFirstNumber),
                              NumberText::decimal(state.intSecondNumber),
                              {NumberText::decimal(state.intWrong1),
                               NumberText::decimal(state.intWrong2),
                               NumberText::decimal(state.intWrong3)}};
    const qint16 productButton = m_random.generate(1, AnswerButtons);
    captions.answers[productButton - 1] = NumberText::decimal(answer);
    return captions;
}

// A 1-based pool position, never the question shown last unless it is the
// only one left.
qint16 QuestionDrawer::drawPoolIndex(const QuizState &state)
{
    const QString previous = QuestionList::item(state.intFirstNumber, state.intSecondNumber);
    for (;;) {
        const qint16 count = CheckedInt16::fromWide(state.colQuestions.size());
        const qint16 index = m_random.generate(1, count);
        if (state.colQuestions.at(index - 1) != previous || count <= 1)
            return index;
    }
}

qint16 QuestionDrawer::drawWrongAnswer(qint16 answer)
{
    const qint16 r = m_random.generate(1, WrongAnswerSpread);
    const qint16 w = CheckedInt16::subtract(CheckedInt16::add(answer, WrongAnswerOffset), r);
    return w < 0 ? CheckedInt16::negate(w) : w;
}
